// The view of the graphics layer: updating it to the client area, the view changes and the stack
// of earlier views.

#include "view/qel_wing.h"

#include "kernel/number_text.h"
#include "view/print_layout.h"
#include "resources/resource_library.h"

namespace view {

using kernel::Point2;
using kernel::Real;

namespace {
constexpr int kNonameString = 29;  // "noname"
}  // namespace

TQELWing::TQELWing(platform::FrameWindow* parent, std::string_view title) : TQELWin(parent, title) {
  exports.basePaths.fill(resources::LoadString(kNonameString));
}

void TQELWing::SetupWindow() {
  TQELWin::SetupWindow();
  UpdateView();
  SetupMenuChecks(false);
}

void TQELWing::OnSize(int width, int height) {
  TQELWin::OnSize(width, height);
  // Unequal scales keep the box, equal scales the centre and half width.
  UpdateView();
  wing.pictureValid = 0;
}

void TQELWing::TakePictureArea() {
  mapping.width = preWin.width;
  mapping.height = preWin.height;
  mapping.offsetX = preWin.originX;
  mapping.offsetY = preWin.originY;
  mapping.printing = qelWin.printing != 0;
}

void TQELWing::UpdateScale() {
  TakePictureArea();
  view::UpdateScale(mapping);
}

void TQELWing::UpdateView() {
  ReadClientSize();
  TakePictureArea();
  FitViewToClient(mapping);
}

void TQELWing::ResetDeviceState() {
  TQELWin::ResetDeviceState();
  UpdateScale();
  MakeClientRegion();
}

void TQELWing::UpdateClientArea() {
  TQELWin::UpdateClientArea();
  UpdateView();
}

Real TQELWing::PictureWidth() { return PrintedWidth(printFormat.width, printFormat.xUnit, 2 * mapping.halfWidth); }

void TQELWing::SetView(Real cx, Real cy, Real hw, Real hh, bool unequal) {
  mapping.unequal = unequal ? 1 : 0;
  if (unequal) {
    mapping.box = {cx - hw, hw + cx, cy - hh, hh + cy};
    UpdateView();
    return;
  }
  mapping.centre = {cx, cy};
  mapping.halfWidth = hw;
  UpdateView();
  if (mapping.halfHeight < hh && mapping.halfHeight > 0) {
    // Widen until the requested height shows too.
    mapping.halfWidth = hh * mapping.halfWidth / mapping.halfHeight;
    UpdateView();
  }
}

void TQELWing::SetSquareView(const Point2& centre, Real halfWidth) {
  ViewStack(1);
  mapping.centre = centre;
  mapping.halfWidth = halfWidth;
  mapping.unequal = 0;
  mapping.aspect = 1;
  UpdateView();
  wing.pictureValid = 0;
  Invalidate(false);
  fileMsg.modified = 1;
  SquareViewChanged();
}

void TQELWing::SetViewExtents(Real cx, Real cy, Real hw, Real hh, bool unequal) {
  ViewStack(1);
  SetView(cx, cy, hw, hh, unequal);
  wing.pictureValid = 0;
  Invalidate(false);
  fileMsg.modified = 1;
  ViewExtentsChanged();
}

void TQELWing::Zoom(bool out) {
  const Real f = out ? wing.zoomFactor : 1 / wing.zoomFactor;
  if (mapping.unequal)
    SetViewExtents(mapping.centre.x, mapping.centre.y, mapping.halfWidth * f, mapping.halfHeight * f, true);
  else
    SetSquareView(mapping.centre, mapping.halfWidth * f);
}

void TQELWing::ShiftView(Real dx, Real dy) {
  const Point2 centre{mapping.centre.x + mapping.halfWidth * dx * 2, mapping.centre.y + mapping.halfHeight * dy * 2};
  if (mapping.unequal)
    SetViewExtents(centre.x, centre.y, mapping.halfWidth, mapping.halfHeight, true);
  else
    SetSquareView(centre, mapping.halfWidth);
}

void TQELWing::ViewStack(int op) {
  if (op == 1) {
    ViewRecord record;
    SaveViewRecord(record);
    wing.viewStack.push_back(record);
  } else if (op == -1 && !wing.viewStack.empty()) {
    RestoreViewRecord(wing.viewStack.back());
    wing.viewStack.pop_back();
  } else if (op == 0) {
    wing.viewStack.clear();
  }
  SetupMenuChecks(false);
}

void TQELWing::LastView() {
  if (wing.viewStack.empty()) return;
  ViewStack(-1);
  UpdateView();
  wing.pictureValid = 0;
  Invalidate(false);
}

void TQELWing::SaveViewRecord(ViewRecord& record) const { record = MakeViewRecord(mapping, axes); }

void TQELWing::RestoreViewRecord(const ViewRecord& record) { ApplyViewRecord(record, mapping, axes); }

int TQELWing::ParseNumber(std::string_view text, Real& value) {
  value = kernel::StrToLD(text);
  return 0;
}

void TQELWing::ToggleAxes() {
  ViewStack(1);
  axes.axesShown = axes.axesShown ? 0 : 1;
  SetupMenuChecks(false);
  InvalidateBuffer(shell::kBackgroundBitmap);
  Invalidate(false);
}

void TQELWing::ToggleSolidArrowheads() {
  wing.solidArrowheads = wing.solidArrowheads ? 0 : 1;
  SetupMenuChecks(false);
  fileMsg.modified = 1;
  InvalidateBuffer(shell::kBackgroundBitmap);
  Invalidate(false);
}

void TQELWing::SetupMenuChecks(bool redraw) {
  CheckMenu(kCmdOpaqueLabels, axes.opaqueLabels != 0);
  CheckMenu(kCmdSolidArrowheads, wing.solidArrowheads != 0);
  CheckMenu(kCmdAxes, axes.axesShown != 0);
  CheckMenu(kCmdMinusSign, axes.minusSubstitution != 0);
  TQELWin::SetupMenuChecks(redraw);
}

bool TQELWing::SetPlaneByPoints(const kernel::Point3& p1, const kernel::Point3& p2, const kernel::Point3& p3) {
  return kernel::PlaneThroughPoints3(p1, p2, p3, wing.plane);
}

bool TQELWing::SetPlane(kernel::PlaneRecord& plane) {
  if (!kernel::NormalizePlane3(plane)) return false;
  wing.plane = plane;
  return true;
}

}  // namespace view
