#pragma once
// The tracing dialogs: the inventory of a window's trace records (template TRACEINV, modeless)
// with new, edit, delete, delete all and hide, and the editor of one record (TRACEEDIT, modal):
// the control (a slider symbol or a vertex), the number of steps and the range of the control,
// what leaves the trail (the pen on a vertex, or the whole figure with or without labels), and
// the pen's thickness and colour.
//
// The measurement graph's inventory is this inventory on its own template, over the graph's
// records: it fills in the list, new and edit, and what removing, hiding and changing a record
// mean there.

#include <string_view>
#include <vector>

#include "kernel/fill_trace_records.h"
#include "shell/dlg.h"

namespace engine {

class TGeomWin;

inline constexpr int kTraceList = 293;
inline constexpr int kTraceNew = 53;
inline constexpr int kTraceEdit = 51;
inline constexpr int kTraceDelete = 52;
inline constexpr int kTraceDeleteAll = 54;
inline constexpr int kTraceHide = 860;

inline constexpr int kTraceFirstSymbol = 251;  // 251 to 256: "#", "$", "@", "&", "%", "?"
inline constexpr int kTraceVertex = 257;
inline constexpr int kTracePenOnVertex = 258;
inline constexpr int kTraceWholeFigure = 259;
inline constexpr int kTraceTime = 260;
inline constexpr int kTraceWithLabels = 271;
inline constexpr int kTraceVertexName = 211;
inline constexpr int kTraceLow = 212;
inline constexpr int kTraceHigh = 213;
inline constexpr int kTraceSteps = 214;
inline constexpr int kTracePenVertex = 215;
inline constexpr int kTraceThickness = 216;
inline constexpr int kTraceColor = 206;

// A new record: the path of a vertex, controlled by "#" from 0 to 1 in 100 steps, pen 4.
kernel::TraceRecord NewTraceRecord();
// Hides a shown record and shows a hidden one: the thousands of its byte-2 word flip between 0
// and 1, the rest is kept. A record is hidden while the word is 1000 or more.
void ToggleTraceHidden(kernel::TraceRecord& record);
bool TraceHidden(const kernel::TraceRecord& record);

// The control radios both record editors share: slider k (0 to 5 for "#" to "?", 6 for "t"), or
// -1 for the vertex named in the edit beside its radio.
void CheckTraceControl(shell::TDlg& dialog, int control);
int CheckedTraceControl(const shell::TDlg& dialog);

class TTrEditDlg : public shell::TDlg {
 public:
  TTrEditDlg(TGeomWin* window, kernel::TraceRecord* record);

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override;

 private:
  TGeomWin* window_;
  kernel::TraceRecord* record_;
};

class TTraceDlg : public shell::TDlg {
 public:
  explicit TTraceDlg(TGeomWin* window);

  // -1 for an empty list, 0 for a list of one, else the selection.
  int SelectedIndex() const;
  virtual void FillList();
  virtual void NewItem();
  virtual void EditItem();
  void DeleteItem();
  void DeleteAll();
  void HideItem();
  // The hide button says "show" for a hidden record.
  virtual void UpdateHideButton();

 protected:
  TTraceDlg(TGeomWin* window, std::string_view templateName);
  void SetupWindow() override;
  bool OnCommand(int id) override;

  // The records the list shows, in its order.
  virtual std::vector<kernel::TraceRecord>& Records();
  virtual void RemoveRecord(int k);
  virtual void RemoveAllRecords();
  // Whether record k may be hidden or shown from here.
  virtual bool MayHide(int /*k*/) const { return true; }
  // After record k was hidden or shown: the record the window follows next.
  virtual void AfterHide(int k);
  // After the records changed: the window is modified and draws them again.
  virtual void RecordsChanged();

 private:
  // The record edited and confirmed: the buffers follow its steps, the window is modified.
  void Confirmed(int k);

  TGeomWin* window_;
};

}  // namespace engine
