// Other > 3D solid > Prism and Pyramid: a solid over a polygon of the figure, built in a new 3-D
// window. Everything is checked before the window is made, so a refused polygon leaves no window
// and no used slot behind.
#include <string>

#include "engine/step_engine.h"
#include "plane/geom_e_win.h"
#include "plane/solid_base_inputs.h"
#include "plane/solid_window_opener.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"
#include "shell/child_windows.h"
#include "shell/message_numbers.h"

namespace plane {

namespace {

constexpr int kCmdPyramid = 611;
constexpr int kCmdPrism = 612;
constexpr int kStringPyramid = 291;
constexpr int kStringPrism = 292;
constexpr int kSolidTextLimit = 40;
constexpr int kFootChoice = 1;

}  // namespace

bool TGeomEWin::SolidCommand(int id) {
  if ((id != kCmdPrism && id != kCmdPyramid) || hyperbolic) return false;
  NewSolidOnBase(id == kCmdPrism);
  return true;
}

int TGeomEWin::NewSolidOnBase(bool prism) {
  const engine::FigureTables& t = tables();
  int existing = 0;
  for (int i = 0; i <= t.last_point; ++i) existing += t.exists[i] ? 1 : 0;
  if (existing < 3) {
    Msg(shell::kCannotUnderstand);
    return shell::kCannotUnderstand;
  }
  const int slot = shell::FindFreeSlot();
  const SolidWindowOpener opener = GetSolidWindowOpener();
  if (slot < 0 || opener == nullptr) {
    Msg(shell::kNoMoreRoom);
    return shell::kNoMoreRoom;
  }

  SolidBaseTexts texts;
  int choice = kFootChoice;
  TSolidDlg dialog(this, "SOLID", &choice, kSolidTextLimit, &texts);
  if (dialog.Execute() != platform::IDOK) return -1;
  SolidBase base;
  int code = ReadSolidBase(stepEngine, texts, choice, base);
  if (code == 0 && base.altitude < 1e-16L) code = engine::kMsgPositiveValue;
  if (code != 0) {
    Msg(code);
    return code;
  }

  SolidHandOver handOver;
  handOver.prism = prism;
  for (const int i : base.vertices) {
    handOver.base.push_back(t.xy[i]);
    handOver.labels.push_back(t.names[i].label);
  }
  handOver.dx = base.dx;
  handOver.dy = base.dy;
  handOver.altitude = base.altitude;
  const std::string caption = resources::LoadString(prism ? kStringPrism : kStringPyramid) + ".kv3";
  return opener(parent(), caption, slot, handOver) != nullptr ? 0 : shell::kNoMoreRoom;
}

}  // namespace plane
