// Relabelling a point by clicking its label: the new label is asked in a one-line dialog and made
// a relabel step of the history, with the figure's texts renamed to follow.
#include <span>
#include <string>

#include "engine/relabel_steps.h"
#include "engine/windows/geom10_win.h"
#include "kernel/labels.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"
#include "shell/generic_dialogs.h"

namespace engine {

namespace {

constexpr int kStringNewLabelForVertex = 111;
constexpr int kStringChangeTo = 138;
// A label is typed in at most 10 characters.
constexpr int kLabelInputSize = 11;
constexpr int kPromptLimit = 80;
constexpr int kCancelled = -2;

}  // namespace

int TGeom10Win::RelabelPoint(platform::PointI mouse) {
  // Only labels that are drawn can be clicked.
  const int mode = labelDisplay.labelMode;
  if (mode != 0 && mode != 1) return -1;
  FigureTables& t = tables();
  const int i = t.FindLabelAt(
      {mouse.x, mouse.y},
      [this](int k) {
        platform::PointI pixel;
        PointToScreen(k, pixel);
        return PixelPoint{pixel.x, pixel.y};
      },
      mode == 1 ? 1 : 0);
  if (i < 0) return -1;

  std::string oldName;
  kernel::FormatLabel(t.names[static_cast<std::size_t>(i)].label, oldName);
  std::string typed = oldName;
  const std::string caption = resources::LoadString(kStringNewLabelForVertex, kPromptLimit) + " " + oldName;
  shell::TInpDlg dialog(this, caption, resources::LoadString(kStringChangeTo, kPromptLimit), &typed, kLabelInputSize);
  if (dialog.Execute() != platform::IDOK) return kCancelled;

  const std::size_t before = history().steps.size();
  const int code = ChangeFigureTexts(
      [&](std::span<std::string> texts) { return RelabelPointTo(stepEngine, texts, i, typed); });
  if (history().steps.size() != before) {
    SetModified();
    SetupMenuChecks(true);
    wing.pictureValid = 0;
    Invalidate(false);
  }
  if (code > 0) Msg(code);
  return code;
}

}  // namespace engine
