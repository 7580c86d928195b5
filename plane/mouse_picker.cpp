// Points chosen by clicking them: the mouse picker of the commands that take their points with
// the mouse, the label of a clicked point dropped into a dialog, and the steps that delete a
// point or a line from a click.
#include <string>

#include "engine/mouse_hits.h"
#include "engine/windows/do_undo_dlg.h"
#include "plane/geom11_win.h"
#include "platform/modal_loop.h"
#include "resources/resource_library.h"

namespace plane {

namespace {

constexpr int kPickTimer = 333;
constexpr int kPickMilliseconds = 15000;
constexpr int kPickPixels = 5;
constexpr int kPromptChars = 110;
constexpr int kPickDone = 1;
constexpr int kMsgNotEnoughVertices = 136;
constexpr int kPointDeletionKind = 141;
constexpr int kLineDeletionKind = 142;
constexpr std::size_t kDialogTextChars = 250;

}  // namespace

int TGeom11Win::PickPoints(std::span<std::int16_t> out, int n, std::string_view names, int stringId) {
  if (n <= 0 || out.size() < static_cast<std::size_t>(n) + 1) return kMsgNotEnoughVertices;
  const std::string savedTitle = Caption();
  std::string prompt = resources::LoadString(stringId, kPromptChars);
  std::string suffix;
  if (!names.empty()) {
    prompt += ": " + std::string(names) + " ---> ";
    suffix = "?";
  } else {
    prompt += " : ";
    suffix = "? --->";
  }
  std::string picked;
  int count = 0;
  out[0] = -1;
  SetCaption(prompt + suffix);
  SetCursor(platform::CursorShape::Arrow);
  pickerActive = 1;

  platform::ModalLoop loop(*this);
  loop.onTimer = [&](int id) {
    if (id == kPickTimer) loop.End(platform::ModalLoop::kTimedOut);
  };
  loop.onMouseUp = [&](const platform::MouseEvent& e) {
    if (e.button != platform::MouseButton::Left) return;
    const kernel::Point2 p{XToWorld(e.x), YToWorld(e.y)};
    const int hit = tables().FindPointNear(p.x, p.y, kPickPixels * mapping.unitsPerPixelX);
    out[count] = static_cast<std::int16_t>(hit);
    if (hit < 0) return;
    AppendPointName(picked, hit);
    ++count;
    out[count] = -1;
    if (count == n) {
      loop.End(kPickDone);
      return;
    }
    picked += ",";
    SetCaption(prompt + picked + suffix);
    // Every pick gives the user another 15 seconds.
    KillTimer(kPickTimer);
    SetTimer(kPickTimer, kPickMilliseconds);
  };
  CaptureMouse();
  SetTimer(kPickTimer, kPickMilliseconds);
  loop.Run();
  ReleaseMouse();
  pickerActive = 0;
  if (!IsDestroyed()) {
    KillTimer(kPickTimer);
    SetCaption(savedTitle);
  }
  return count == n ? 0 : kMsgNotEnoughVertices;
}

void TGeom11Win::PickPointIntoDialog(platform::PointI pixel) {
  kernel::Point2 p;
  PixelToWorld(pixel, p);
  const int hit = tables().FindPointNear(p.x, p.y, kPickPixels * mapping.unitsPerPixelX);
  if (hit < 0) return;
  const std::vector<engine::TDoUndoDlg*>& dialogs = constructionDialogs();
  for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) {
    engine::TDoUndoDlg* dialog = *it;
    if (dialog == nullptr || !dialog->IsVisible() || !dialog->HasField(0)) continue;
    std::string text = dialog->GetItemText(engine::kDoUndoFirstEdit).substr(0, kDialogTextChars);
    AppendPointName(text, hit);
    dialog->SetItemText(engine::kDoUndoFirstEdit, text);
    return;
  }
}

int TGeom11Win::DeletePointStep(int i) {
  if (!deletionByRedrawing) return -1;
  if (const int code = engine::FindObjectOfPoint(tables(), i); code != 0) return code;
  kernel::ConstructionRecord& step = history().BeginStep(kPointDeletionKind, static_cast<std::int16_t>(i));
  for (int k = 1; k <= 5; ++k) step.operands[k] = kernel::kNoOperand;
  std::string name;
  AppendPointName(name, i);
  step.text[0] = name;
  RunNewStep();
  return 0;
}

void TGeom11Win::DeleteLineStep(int a, int b, int l) {
  kernel::ConstructionRecord& step = history().BeginStep(kLineDeletionKind, static_cast<std::int16_t>(a),
                                                         static_cast<std::int16_t>(b), static_cast<std::int16_t>(l));
  for (int k = 3; k <= 5; ++k) step.operands[k] = kernel::kNoOperand;
  std::string names;
  AppendPointName(names, a);
  AppendPointName(names, b);
  step.text[0] = names;
  RunNewStep();
}

}  // namespace plane
