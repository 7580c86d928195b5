// Point markers and the picture frame on a device context.

#include <array>

#include "kernel/number_text.h"
#include "view/dc_figure_painter.h"

namespace view {

using platform::PointI;

void DcFigurePainter::DoMarker(const MarkerPlace& at, std::uint32_t style, int size) {
  if (style >= kMarkerStyleCount) return;
  const int r = mapping().printing ? kernel::RoundLD(size * rules().printFactor) : size;
  const int px = at.pixel.x;
  const int py = at.pixel.y;
  const int l = px - r;
  const int t = py - r;
  const int rt = px + r;
  const int b = py + r;
  platform::DC& dc = this->dc();
  auto line = [&dc](PointI from, PointI to) {
    dc.MoveTo(from);
    dc.LineTo(to);
  };
  auto triangle = [&dc](PointI a, PointI m, PointI z) {
    const std::array<PointI, 3> corners{a, m, z};
    dc.Polygon(corners);
  };
  Sync();
  switch (style) {
    case 0:
      if (r == 0) {
        // A square of one pixel (the device draws no frame for a rectangle that small).
        const FillBrush& brush = state().brush;
        if (state().pen.style != kLineNone)
          dc.SetPixel(at.pixel, platform::Color::FromColorRef(PenColorOf(rules(), mapping().printing, state().pen.color)));
        else if (brush.filled)
          dc.SetPixel(at.pixel, platform::Color::FromColorRef(FillColorOf(rules(), mapping().printing, brush.color)));
      } else {
        dc.Rectangle({l, t, rt + 1, b + 1});
      }
      break;
    case 1: dc.Ellipse({l, t, rt + 1, b + 1}); break;
    case 2: triangle({l, b}, {rt, b}, {px, t}); break;
    case 3: triangle({l, t}, {rt, t}, {px, b}); break;
    case 4: triangle({l, t}, {l, b}, {rt, py}); break;
    case 5: triangle({rt, t}, {rt, b}, {l, py}); break;
    case 6:
      line({px, t}, {px, b + 1});
      line({l, py}, {rt + 1, py});
      break;
    case 7:
      line({px, t}, {px, b + 1});
      line({l, py}, {rt + 1, py});
      dc.MoveTo({l, t});
      dc.LineTo({rt, t});
      dc.LineTo({rt, b});
      dc.LineTo({l, b});
      dc.LineTo({l, t});
      break;
    case 8:
      line({l, t}, {rt + 1, b + 1});
      line({l, b}, {rt + 1, t - 1});
      break;
    case 9:
      line({px, t}, {px, b});
      line({l, py}, {rt, py});
      break;
    case 10:
      line({l, t}, {rt, b});
      dc.MoveTo({l, b});
      dc.LineTo({rt, t});
      dc.LineTo({l, t});
      dc.LineTo({l, b});
      dc.LineTo({rt, b});
      dc.LineTo({rt, t});
      break;
    case 11:
      line({px, py}, {px, py - 3 * r});
      line({px, py}, {rt, t});
      line({px, py}, {l, t});
      break;
    case 12:
      line({px, py}, {px, py + 3 * r});
      line({px, py}, {rt, b});
      line({px, py}, {l, b});
      break;
    default:
      break;
  }
}

void DcFigurePainter::DoPictureFrame(std::span<const kernel::Point2> /*corners*/) {
  // The frame of the picture itself: a black line along the client area's edge.
  const PointI o = rules().frameOrigin;
  const int w = mapping().width;
  const int h = mapping().height;
  platform::DC& dc = this->dc();
  const platform::Pen previous = dc.SelectPen({platform::PenStyle::Solid, rules().framePenWidth + 1, platform::kBlack});
  dc.MoveTo(o);
  dc.LineTo({o.x + w, o.y});
  dc.MoveTo({o.x + w - 1, o.y});
  dc.LineTo({o.x + w - 1, o.y + h});
  dc.MoveTo({o.x + w - 1, o.y + h - 1});
  dc.LineTo({o.x, o.y + h - 1});
  dc.MoveTo({o.x, o.y + h - 1});
  dc.LineTo(o);
  dc.SelectPen(previous);
}

}  // namespace view
