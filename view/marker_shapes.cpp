#include "view/marker_shapes.h"

#include <initializer_list>

namespace view {

using platform::PointI;

MarkerShape MarkerShapeAt(PointI pixel, std::uint32_t style, int r) {
  const int px = pixel.x;
  const int py = pixel.y;
  const int l = px - r;
  const int t = py - r;
  const int rt = px + r;
  const int b = py + r;
  MarkerShape shape;
  auto triangle = [&shape](PointI a, PointI m, PointI z) {
    shape.kind = MarkerShape::Kind::Triangle;
    shape.corners = {a, m, z};
  };
  auto strokes = [&shape](std::initializer_list<MarkerStroke> lines) {
    shape.kind = MarkerShape::Kind::Strokes;
    for (const auto& line : lines) shape.strokes[shape.strokeCount++] = line;
  };
  switch (style) {
    case 0:
      shape.kind = MarkerShape::Kind::Square;
      shape.box = {l, t, rt + 1, b + 1};
      break;
    case 1:
      shape.kind = MarkerShape::Kind::Disk;
      shape.box = {l, t, rt + 1, b + 1};
      break;
    case 2: triangle({l, b}, {rt, b}, {px, t}); break;
    case 3: triangle({l, t}, {rt, t}, {px, b}); break;
    case 4: triangle({l, t}, {l, b}, {rt, py}); break;
    case 5: triangle({rt, t}, {rt, b}, {l, py}); break;
    case 6: strokes({{{px, t}, {px, b + 1}}, {{l, py}, {rt + 1, py}}}); break;
    case 7:
      strokes({{{px, t}, {px, b + 1}},
               {{l, py}, {rt + 1, py}},
               {{l, t}, {rt, t}},
               {{rt, t}, {rt, b}},
               {{rt, b}, {l, b}},
               {{l, b}, {l, t}}});
      break;
    case 8: strokes({{{l, t}, {rt + 1, b + 1}}, {{l, b}, {rt + 1, t - 1}}}); break;
    case 9: strokes({{{px, t}, {px, b}}, {{l, py}, {rt, py}}}); break;
    case 10:
      strokes({{{l, t}, {rt, b}},
               {{l, b}, {rt, t}},
               {{rt, t}, {l, t}},
               {{l, t}, {l, b}},
               {{l, b}, {rt, b}},
               {{rt, b}, {rt, t}}});
      break;
    case 11: strokes({{{px, py}, {px, py - 3 * r}}, {{px, py}, {rt, t}}, {{px, py}, {l, t}}}); break;
    case 12: strokes({{{px, py}, {px, py + 3 * r}}, {{px, py}, {rt, b}}, {{px, py}, {l, b}}}); break;
    default: break;
  }
  return shape;
}

}  // namespace view
