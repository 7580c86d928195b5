// The View menu of the windows in space: the observer moved and turned, the display mode and the
// drawing options of the axes.
#include <cmath>
#include <string>

#include "kernel/number_text.h"
#include "kernel/observer_moves.h"
#include "kernel/vector3.h"
#include "shell/generic_dialogs.h"
#include "solid/obs_dlg.h"
#include "solidview/geom_q_win.h"
#include "solidview/view_commands.h"

namespace solidview {

namespace {

constexpr int kMsgCannotUnderstand = 1;
constexpr int kMsgOutOfBounds = 17;
constexpr int kStringTurnAngle = 728;
constexpr int kStringDegrees = 199;
constexpr int kStringArrowLength = 275;
constexpr int kStringPercentOfScreen = 243;
constexpr int kValueChars = 20;
constexpr kernel::Real kDegreesPerRadian = static_cast<kernel::Real>(57.29577951308232L);
constexpr int kLeastArrowhead = 2;
constexpr int kMostArrowhead = 200;
// An axis shorter than this cannot be fixed.
constexpr kernel::Real kLeastAxisLength = static_cast<kernel::Real>(1e-13);

}  // namespace

void TGeomQWin::ObserverMoved(const kernel::Point3& previous) {
  if (!ComputeViewFromObserver()) observer = previous;
  if (observerDialog() != nullptr) observerDialog()->ShowObserver();
  SetModified();
  Redraw(0);
}

void TGeomQWin::ObserverIn() {
  const kernel::Point3 previous = observer;
  if (kernel::ObserverIn(boxMin, boxMax, viewCentre, observer)) ObserverMoved(previous);
}

void TGeomQWin::ObserverOut() {
  const kernel::Point3 previous = observer;
  observer = kernel::ObserverOut(observer, viewCentre);
  KeepObserverInRange();
  ObserverMoved(previous);
}

void TGeomQWin::ObserverFarOut() {
  const kernel::Point3 previous = observer;
  observer = kernel::ObserverFarOut(boxMin, boxMax, viewCentre, observer);
  ObserverMoved(previous);
}

void TGeomQWin::IsometricObserver() {
  const kernel::Point3 previous = observer;
  observer = kernel::IsometricObserver(boxMin, boxMax);
  kernel::ViewFrame probe;
  if (!kernel::ComputeViewFrame(observer, viewCentre, probe)) {
    observer = previous;
    return;
  }
  if (observerDialog() != nullptr) observerDialog()->ShowObserver();
  FitViewToModel();
  ShowProjectedModel();
}

void TGeomQWin::TurnObserver(int sign) {
  const kernel::Point3 previous = observer;
  observer = kernel::TurnObserver(observer, sign * rotationStep);
  ObserverMoved(previous);
}

void TGeomQWin::TiltObserver(bool up) {
  const kernel::Point3 previous = observer;
  if (kernel::TiltObserver(observer, up)) ObserverMoved(previous);
}

void TGeomQWin::AskRotationStep() {
  std::string text = FormatNumber(rotationStep * kDegreesPerRadian, false);
  if (AskValue(kStringDegrees, kStringTurnAngle, text, kValueChars) != 1) return;
  kernel::Real degrees = 0;
  if (ParseNumber(text, degrees) != 0 || !std::isfinite(degrees)) {
    Msg(kMsgCannotUnderstand);
    return;
  }
  rotationStep = degrees / kDegreesPerRadian;
}

void TGeomQWin::AskArrowheadSize() {
  const int width = ScreenWidthPixels();
  std::string text = kernel::FormatLD(static_cast<kernel::Real>(display.arrowheadPixels) * 100 / width, 3, 1);
  if (AskValue(kStringPercentOfScreen, kStringArrowLength, text, kValueChars) != 1) return;
  const int pixels = kernel::ArrowheadPixelsFor(kernel::StrToLD(text), width);
  if (pixels < kLeastArrowhead || pixels > kMostArrowhead) {
    Msg(kMsgOutOfBounds);
    return;
  }
  if (pixels == display.arrowheadPixels) return;
  SetModified();
  display.arrowheadPixels = static_cast<std::int16_t>(pixels);
  display.arrowheadLength = pixels * mapping.unitsPerPixelX;
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeomQWin::AskAxisLengths() {
  std::string x = FormatNumber(axisLengths.x, false);
  std::string y = FormatNumber(axisLengths.y, false);
  std::string z = FormatNumber(axisLengths.z, false);
  shell::TGenDlg dialog(this, "AXLEN", kValueChars, &x, &y, &z);
  const bool freeze = dialog.Execute() == 1;
  kernel::Point3 lengths = axisLengths;
  if (freeze) {
    kernel::Real* values[] = {&lengths.x, &lengths.y, &lengths.z};
    const std::string* texts[] = {&x, &y, &z};
    for (int i = 0; i < 3; ++i) {
      if (ParseNumber(*texts[i], *values[i]) != 0 || !(*values[i] >= kLeastAxisLength)) {
        Msg(kMsgCannotUnderstand);
        return;
      }
    }
  }
  const std::uint8_t fixed = freeze ? 1 : 0;
  if (kernel::Dist3(lengths, axisLengths) >= kLeastAxisLength || fixed != axisLengthsFixed) {
    axisLengths = lengths;
    axisLengthsFixed = fixed;
    SetupMenuChecks(false);
    wing.pictureValid = 0;
    Invalidate(false);
  }
}

void TGeomQWin::SetDisplayMode(int mode) {
  if (mode == display.displayMode) return;
  display.displayMode = static_cast<std::uint16_t>(mode);
  SetupMenuChecks(false);
  wing.pictureValid = 0;
  Invalidate(false);
  SetModified();
}

void TGeomQWin::ToggleOutlines() {
  display.outlinesOn = display.outlinesOn ? 0 : 1;
  SetupMenuChecks(false);
  // Only the painted pictures draw outlines of their own.
  if (display.displayMode == kPainted || display.displayMode == kRayTraced) {
    wing.pictureValid = 0;
    Invalidate(false);
    SetModified();
  }
}

void TGeomQWin::ToggleDisplayFlag(std::uint8_t& flag, bool modifies) {
  flag = flag ? 0 : 1;
  SetupMenuChecks(false);
  wing.pictureValid = 0;
  Invalidate(false);
  if (modifies) SetModified();
}

}  // namespace solidview
