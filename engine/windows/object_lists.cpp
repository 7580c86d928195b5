// Other > Lists: the points, lines and circles of the figure as plain text in companion text
// windows, and the table text that collects text pasted from the clipboard.
#include <string>

#include "engine/object_list_text.h"
#include "engine/windows/geom10_win.h"
#include "kernel/file_names.h"
#include "kernel/number_text.h"
#include "platform/clipboard.h"
#include "resources/resource_library.h"
#include "shell/pre_text_win.h"

namespace engine {

namespace {

constexpr int kStringPoints = 103;
constexpr int kStringTable = 135;
constexpr int kStringLines = 238;
constexpr int kStringCircles = 239;
constexpr int kStringUnit = 293;

constexpr int kCmdListPoints = 811;
constexpr int kCmdListLines = 746;
constexpr int kCmdListCircles = 787;
constexpr int kCmdTablePaste = 968;
constexpr int kCmdDeleteLines = 742;
constexpr int kCmdDeleteAllLines = 1160;
constexpr int kCmdPasteCoordinates = 734;

}  // namespace

bool TGeom10Win::ObjectCommand(int id) {
  switch (id) {
    case kCmdListPoints: CmListPoints(); return true;
    case kCmdListLines: CmListLines(); return true;
    case kCmdListCircles: CmListCircles(); return true;
    case kCmdTablePaste: CmTablePaste(); return true;
    case kCmdDeleteLines: CmDeleteLines(); return true;
    case kCmdDeleteAllLines: CmDeleteAllLines(); return true;
    case kCmdPasteCoordinates: CmPasteCoordinates(); return true;
    default: return false;
  }
}

shell::TTextWin* TGeom10Win::ListWindow(ListKind kind) {
  shell::TTextWin*& window = listWindows_[static_cast<std::size_t>(kind)];
  if (window == nullptr) {
    window = new shell::TTextWin(this, "", "", {}, fontWin.textSlot);
    window->fileMsg.hidden = 1;
    window->Create();
  }
  return window;
}

std::string TGeom10Win::ListNumber(Real x) const { return kernel::FormatLD(x, 0, numberFormat.decimals); }

void TGeom10Win::ShowList(ListKind kind, const std::string& text, const std::string& caption, int wordId) {
  shell::TTextWin* window = ListWindow(kind);
  window->SetCaption(caption);
  window->preText.title = caption;
  window->fileMsg.fileName = resources::LoadString(wordId) + ".txt";
  window->preText.text = shell::TextWindowText(text);
  window->ShowText();
  window->Show();
  window->fileMsg.hidden = 0;
  window->ClearModified();
}

std::string TGeom10Win::ListFileName() const { return kernel::FileNamePart(fileMsg.fileName, false); }

void TGeom10Win::CmListPoints() {
  if (tables().last_point < 0) return;
  const bool coordinates = !(dimension() == 2 && model().Hyperbolic && !axes.axesShown);
  const ObjectListText list = PointsListText(
      tables(), coordinates, dimension() == 3, [this](Real x) { return ListNumber(x); },
      resources::LoadString(kStringUnit));
  ShowList(ListKind::kPoints, list.text, ObjectListCaption(list, resources::LoadString(kStringPoints), ListFileName()),
           kStringPoints);
}

void TGeom10Win::CmListLines() {
  if (tables().last_line < 0) return;
  const bool equations = dimension() == 2 && axes.axesShown;
  const ObjectListText list = LinesListText(tables(), equations, [this](Real x) { return ListNumber(x); });
  ShowList(ListKind::kLines, list.text, ObjectListCaption(list, resources::LoadString(kStringLines), ListFileName()),
           kStringLines);
}

void TGeom10Win::CmListCircles() {
  if (tables().last_circle < 0) return;
  ObjectListText list;
  std::string entry;
  for (int i = 0; i <= tables().last_circle; ++i) {
    if (!tables().circles[static_cast<std::size_t>(i)].exists || list.text.size() >= kCurveListLimit) continue;
    stepEngine.CircleText(i, entry, false, true, axes.axesShown != 0);
    list.text += entry + "\r\n";
    ++list.count;
  }
  list.slots = list.count;
  ShowList(ListKind::kCircles, list.text,
           ObjectListCaption(list, resources::LoadString(kStringCircles), ListFileName()), kStringCircles);
}

int TGeom10Win::AppendTableText(std::string_view text) {
  tableText = AppendedTableText(tableText, text);
  return 0;
}

void TGeom10Win::ShowTableText() {
  const std::string word = resources::LoadString(kStringTable);
  ShowList(ListKind::kTable, tableText, word + " [" + ListFileName() + "]", kStringTable);
}

int TGeom10Win::PasteClipboardText(int mode) {
  const std::string text = platform::ClipboardText().value_or(std::string());
  if (text.empty()) return kMsgNothingToDo;
  if (mode == 0) return ImportPointsText(text);
  AppendTableText(text);
  shell::TTextWin* window = ListWindow(ListKind::kTable);
  if (!window->IsModified()) ShowTableText();
  return 0;
}

void TGeom10Win::CmTablePaste() {
  if (const int code = PasteClipboardText(1); code > 0) Msg(code);
}

}  // namespace engine
