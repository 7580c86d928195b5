// A drag runs again only the steps downstream of what moved; the figure it leaves must be exactly
// the one a whole replay gives. Random figures of a few hundred steps of many kinds are dragged
// with the mouse (free points, points on lines and circles, groups) and after every mouse move
// the tables are compared, table by table and bit for bit, with a whole replay of the history.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "kernel/byte_io.h"
#include "kernel/random.h"
#include "plane_window.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using DragReplayProperty = IsolatedFolders;

// One table of the figure as bytes, so two states compare bit for bit.
struct TableImage {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

void RawReal(kernel::ByteWriter& out, Real value) {
  unsigned char bytes[sizeof(Real)]{};
  std::memcpy(bytes, &value, sizeof(Real));
  out.Raw(bytes, 10);  // the 80 bits; the padding after them means nothing
}

std::vector<TableImage> Images(const engine::FigureTables& t) {
  std::vector<TableImage> images;
  auto add = [&](const char* name, auto fill) {
    kernel::ByteWriter out;
    fill(out);
    images.push_back({name, out.bytes()});
  };
  add("last indices", [&](kernel::ByteWriter& out) {
    for (int v : {t.last_point, t.last_line, t.last_circle, t.last_hypercycle, t.last_horocycle}) out.I32(v);
  });
  add("points", [&](kernel::ByteWriter& out) {
    for (int i = 0; i <= t.last_point; ++i) {
      out.U8(t.exists[i]);
      RawReal(out, t.xy[i].x);
      RawReal(out, t.xy[i].y);
    }
  });
  add("names", [&](kernel::ByteWriter& out) {
    for (int i = 0; i <= t.last_point; ++i) engine::WritePointNameRecord(out, t.names[i]);
  });
  add("attributes", [&](kernel::ByteWriter& out) {
    for (int i = 0; i <= t.last_point; ++i) engine::WritePointAttrRecord(out, t.attrs[i]);
  });
  add("label map", [&](kernel::ByteWriter& out) {
    // The bytes I16 writes entry by entry, at once: the map has an entry for every label.
    static_assert(std::endian::native == std::endian::little);
    out.Raw(t.label_map.data(), t.label_map.size() * sizeof(std::int16_t));
  });
  add("lines", [&](kernel::ByteWriter& out) {
    for (int i = 0; i <= t.last_line; ++i) {
      kernel::WriteSegmentRecord(out, t.lines[i]);
      kernel::WriteHypCurveRecord(out, t.line_sides[i]);
    }
  });
  add("circles", [&](kernel::ByteWriter& out) {
    for (int i = 0; i <= t.last_circle; ++i) {
      kernel::WriteCircleRecord(out, t.circles[i]);
      RawReal(out, t.circle_radius[i]);
      RawReal(out, t.circle_arc_radians[i]);
    }
  });
  return images;
}

void ExpectSameTables(const std::vector<TableImage>& partial, const std::vector<TableImage>& whole,
                      const std::string& where) {
  ASSERT_EQ(partial.size(), whole.size());
  for (std::size_t k = 0; k < partial.size(); ++k) {
    const std::vector<std::uint8_t>& p = partial[k].bytes;
    const std::vector<std::uint8_t>& q = whole[k].bytes;
    if (p == q) continue;
    const auto at = std::mismatch(p.begin(), p.end(), q.begin(), q.end()).first - p.begin();
    ADD_FAILURE() << partial[k].name << " differ after " << where << ", first at byte " << at << " of " << p.size()
                  << " and " << q.size();
  }
}

int RandomIndex(int count) { return count <= 0 ? -1 : static_cast<int>(kernel::Rand31() % static_cast<unsigned>(count)); }

// A random figure: free points, segments, rays, lines and circles on them, points on lines and
// circles (placed and random), division points, intersections of every pair of kinds, circumcircles,
// toggled extensions, swapped labels, random triangles and groups of dots.
void BuildRandomFigure(PlaneWindow& w, int steps) {
  engine::FigureTables& t = w.tables();
  auto point = [&] { return RandomIndex(t.last_point + 1); };
  auto two = [&](int& a, int& b) {
    a = point();
    b = point();
    return a != b && t.exists[a] && t.exists[b];
  };
  auto line = [&] { return RandomIndex(t.last_line + 1); };
  auto circle = [&] { return RandomIndex(t.last_circle + 1); };
  for (int s = 0; s < steps; ++s) {
    const int choice = t.last_point < 6 ? 0 : RandomIndex(16);
    int a = 0;
    int b = 0;
    switch (choice) {
      case 0:
      case 1:
        w.FreePoint(kernel::RandomBetween(-4, 4), kernel::RandomBetween(-4, 4));
        break;
      case 2:
      case 3:
        if (two(a, b)) w.Step(choice == 2 ? 111 : (RandomIndex(2) ? 116 : 117), {a, b, -1, 0, 0, 0});
        break;
      case 4:
        if (two(a, b)) w.Step(91, {a, b, -1, 0, 0, 0});
        break;
      case 5:
      case 6: {
        const int l = line();
        if (l < 0 || !t.lines[l].exists) break;
        const kernel::SegmentRecord& r = t.lines[l];
        t.attrs[t.last_point + 1].value = kernel::RandomBetween(-0.2L, 1.2L);
        w.Step(choice == 5 ? 201 : 81, {r.points.entries[0], r.points.entries[r.points.count - 1], l});
        break;
      }
      case 7: {
        const int c = circle();
        if (c < 0 || !t.circles[c].exists) break;
        t.attrs[t.last_point + 1].value = kernel::RandomBetween(0, 1);
        w.Step(RandomIndex(2) ? 202 : 82, {t.circles[c].centre, t.circles[c].points[0], c});
        break;
      }
      case 8:
        if (two(a, b)) w.Step(101, {a, b}, {"0.3"});
        break;
      case 9: {
        const int l1 = line();
        const int l2 = line();
        if (l1 < 0 || l1 == l2) break;
        const kernel::IndexList& p = t.lines[l1].points;
        const kernel::IndexList& q = t.lines[l2].points;
        w.Step(103, {p.entries[0], p.entries[p.count - 1], q.entries[0], q.entries[q.count - 1], l1, l2});
        break;
      }
      case 10: {
        const int l = line();
        const int c = circle();
        if (l >= 0 && c >= 0 && t.lines[l].exists && t.circles[c].exists) w.NewLineCircleIntersection(l, c);
        break;
      }
      case 11: {
        const int c1 = circle();
        const int c2 = circle();
        if (c1 < 0 || c1 == c2 || !t.circles[c1].exists || !t.circles[c2].exists) break;
        w.Step(105, {t.circles[c1].centre, t.circles[c1].points[0], t.circles[c2].centre, t.circles[c2].points[0],
                     c1, c2});
        break;
      }
      case 12: {
        const int c = point();
        if (two(a, b) && c != a && c != b && t.exists[c]) w.Step(131, {a, b, c, 0, 0, 0});
        break;
      }
      case 13: {
        const int l = line();
        if (l >= 0) w.Step(112, {RandomIndex(2) ? 1 : 0xFFFF, l});
        break;
      }
      case 14:
        if (two(a, b)) w.Step(123, {a, b});
        break;
      default:
        if (RandomIndex(2)) {
          w.RandomFigure(60);  // a random triangle
        } else {
          w.Step(66, {2 + RandomIndex(2), 2, -1, 0, 0, 0}, {"1", "1", "30"});  // a group of dots
        }
        break;
    }
  }
}

// Drags point i with the mouse through a few random places; after every move the tables must be
// those of a whole replay.
void DragAndCompare(PlaneWindow& w, int i, int drag) {
  const engine::FigureTables& t = w.tables();
  platform::PointI press;
  w.WorldToPixel(t.xy[i], press);
  platform::ScriptedResponder script;
  script.OnLoop([&](platform::ModalLoop& loop) {
    platform::MouseEvent e;
    e.leftDown = true;
    for (int move = 0; move < 3; ++move) {
      e.x = RandomIndex(w.ClientWidth());
      e.y = RandomIndex(w.ClientHeight());
      if (move < 2) {
        loop.FeedMouseMove(e);
      } else {
        e.leftDown = false;
        loop.FeedMouseUp(e);
      }
      const std::vector<TableImage> partial = Images(t);
      w.ReplayConstruction(true);
      ExpectSameTables(partial, Images(t), "drag " + std::to_string(drag) + " of point " + std::to_string(i) +
                                               ", move " + std::to_string(move));
    }
  });
  platform::MouseEvent down;
  down.x = press.x;
  down.y = press.y;
  down.leftDown = true;
  w.DeliverMouseDown(down);
}

TEST_F(DragReplayProperty, PartialReplayOfADragEqualsTheWholeReplay) {
  for (const unsigned seed : {11u, 2024u, 77031u}) {
    kernel::SeedRandom(seed);
    PlaneWindow w(0);
    w.SetView(0, 0, 5, 5, false);
    w.UpdateView();
    w.autoExtend = seed % 2 == 0;
    BuildRandomFigure(w, 300);
    w.DispatchCommand(plane::kModeDragVertices);
    ASSERT_EQ(w.ToolbarMode(), plane::kModeDragVertices);
    const engine::FigureTables& t = w.tables();
    for (int drag = 0; drag < 25; ++drag) {
      // A point that lies in the view, so that the press finds it (the first point there).
      const int i = RandomIndex(t.last_point + 1);
      platform::PointI pixel;
      if (!t.exists[i] || !w.InView(t.xy[i])) continue;
      w.WorldToPixel(t.xy[i], pixel);
      const int pressed = w.PointNearPixel(pixel, plane::kPressPixels);
      if (pressed < 0) continue;
      DragAndCompare(w, pressed, drag);
      if (HasFailure()) return;
    }
    w.Destroy();
  }
}

}  // namespace
