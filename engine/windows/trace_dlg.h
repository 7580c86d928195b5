#pragma once
// The tracing dialogs: the inventory of a window's trace records (template TRACEINV, modeless)
// with new, edit, delete, delete all and hide, and the editor of one record (TRACEEDIT, modal):
// the control (a slider symbol or a vertex), the number of steps and the range of the control,
// what leaves the trail (the pen on a vertex, or the whole figure with or without labels), and
// the pen's thickness and colour.

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
  void FillList();
  void NewItem();
  void EditItem();
  void DeleteItem();
  void DeleteAll();
  void HideItem();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;

 private:
  // The record edited and confirmed: the buffers follow its steps, the window is modified.
  void Confirmed(int k);
  void UpdateHideCaption();

  TGeomWin* window_;
};

}  // namespace engine
