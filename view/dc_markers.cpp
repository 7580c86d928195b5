// Point markers and the picture frame on a device context.

#include "kernel/number_text.h"
#include "view/dc_figure_painter.h"
#include "view/marker_shapes.h"

namespace view {

using platform::PointI;

void DcFigurePainter::DoMarker(const MarkerPlace& at, std::uint32_t style, int size) {
  const int r = mapping().printing ? kernel::RoundLD(size * rules().printFactor) : size;
  const MarkerShape shape = MarkerShapeAt(at.pixel, style, r);
  platform::DC& dc = this->dc();
  Sync();
  switch (shape.kind) {
    case MarkerShape::Kind::Square:
      if (r == 0) {
        // A square of one pixel (the device draws no frame for a rectangle that small).
        const FillBrush& brush = state().brush;
        if (state().pen.style != kLineNone)
          dc.SetPixel(at.pixel, platform::Color::FromColorRef(PenColorOf(rules(), mapping().printing, state().pen.color)));
        else if (brush.filled)
          dc.SetPixel(at.pixel, platform::Color::FromColorRef(FillColorOf(rules(), mapping().printing, brush.color)));
      } else {
        dc.Rectangle(shape.box);
      }
      break;
    case MarkerShape::Kind::Disk: dc.Ellipse(shape.box); break;
    case MarkerShape::Kind::Triangle: dc.Polygon(shape.corners); break;
    case MarkerShape::Kind::Strokes:
      for (int k = 0; k < shape.strokeCount; ++k) {
        dc.MoveTo(shape.strokes[k].from);
        dc.LineTo(shape.strokes[k].to);
      }
      break;
    case MarkerShape::Kind::None: break;
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
