// The random shapes animation: shapes drawn one a frame into an off-screen picture that is shown
// after each, until a key is pressed.
#include <string>

#include "kernel/random_shapes.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/modal_loop.h"
#include "plane/geom_b_win.h"
#include "view/dc_figure_painter.h"

namespace plane {

namespace {

constexpr int kAnyKeyStatus = 8;
constexpr int kFrameDelay = 100;
constexpr int kBallBackground = 7;
constexpr int kBallColor = 1;
constexpr int kBallOutline = 0;
constexpr int kSeamColor = 4;

}  // namespace

void TGeomBWin::AnimateShapes() {
  const std::string caption = Caption();
  CaptionStatus(kAnyKeyStatus);
  const int width = ClientWidth();
  const int height = ClientHeight();
  platform::Bitmap picture(width, height, model().Hyperbolic ? platform::Color::FromColorRef(DrawColor(kBallBackground)) : platform::kWhite);
  if (!model().Hyperbolic) {
    // The coasters pile up on the figure as it is shown.
    std::unique_ptr<platform::DC> dc = picture.CreateDC();
    PaintInto(*dc);
  }
  BringToFront();
  for (;;) {
    {
      std::unique_ptr<platform::DC> dc = picture.CreateDC();
      view::DcFigurePainter painter(*dc, mapping, DcRules());
      if (model().Hyperbolic) DrawBall(painter);
      else DrawCoaster(painter);
    }
    if (std::unique_ptr<platform::DC> screen = GetDC()) {
      screen->DrawBitmap({0, 0, width, height}, picture, {0, 0}, platform::RasterOp::Copy);
    }
    // The key is taken before the pause, whose loop would otherwise deliver it to the window.
    if (PollKey() != 0) break;
    if (platform::ModalLoop::Wait(*this, kFrameDelay) == platform::ModalLoop::kClosed) return;
  }
  SetCaption(caption);
  Invalidate(false);
}

void TGeomBWin::DrawCoaster(view::FigurePainter& painter) {
  const kernel::Coaster c = kernel::RandomCoaster(mapping.box);
  painter.Save();
  painter.SetBrush({true, view::InkColor::Value(c.fill), 0});
  painter.SetPen({view::InkColor::Value(c.pen), 0, view::kLineSolid});
  if (c.disc) painter.Circle(c.centre, c.radius);
  else painter.Polygon(c.vertices);
  painter.Restore();
}

void TGeomBWin::DrawBall(view::FigurePainter& painter) {
  const kernel::Ball ball = kernel::RandomBall(mapping.box);
  painter.Save();
  painter.SetBrush({true, view::InkColor::Index(kBallColor), 0});
  painter.SetPen({view::InkColor::Index(kBallOutline), 0, view::kLineSolid});
  painter.Circle(ball.centre, ball.radius);
  // The seam pen: a twentieth of the ball's radius in pixels.
  const int width = static_cast<int>(ball.radius * mapping.pixelsPerUnitX) / 20;
  const view::LinePen seam{view::InkColor::Index(kSeamColor), width, view::kLineSolid};
  for (const auto& s : ball.seams) DrawArcThrough(painter, s[0], s[1], s[2], seam);
  painter.Restore();
}

}  // namespace plane
