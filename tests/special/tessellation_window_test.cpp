// The classic tessellation window as its user drives it: every unit of the Units menu builds its
// tiling under its own name and covers the view, also turned and after zooming and shifting; the
// two snub hexagonal units are mirror images; the inclination dialog and its refusal; dragging a
// vertex of the quadrilateral; a saved tiling opens in the 2-D window.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "kernel/fill_trace_records.h"
#include "kernel/tessellation_cover.h"
#include "kernel/vector2.h"
#include "plane/geom2_win.h"
#include "platform/scripted_responder.h"
#include "special/tessellation_win.h"
#include "special_window.h"
#include "support/isolated_folders.h"

using kernel::Point2;
using kernel::Real;
using special::TGeomTWin;

namespace {

constexpr Real kPi = 3.14159265358979323846264338327950288L;

class TessellationWindow : public IsolatedFolders {
 protected:
  std::unique_ptr<TGeomTWin> Open() {
    auto w = OpenAsLauncherWould<TGeomTWin>("classic tessellations");
    w->SetClientSize(400, 300);
    w->UpdateClientArea();
    return w;
  }

  static std::vector<Point2> FillPolygon(const TGeomTWin& w, const kernel::FillRecord& f) {
    std::vector<Point2> p;
    for (std::uint16_t v : f.vertices) {
      if (v == kernel::kFillListEnd) break;
      p.push_back(w.tables().xy[v]);
    }
    return p;
  }
  static bool Inside(const std::vector<Point2>& poly, const Point2& q) {
    bool in = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
      const Point2& a = poly[i];
      const Point2& b = poly[j];
      if ((a.y > q.y) != (b.y > q.y) && q.x < (b.x - a.x) * (q.y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
  }
  // Every point of a grid over the view lies in a filled polygon of the tiling: the points
  // that fall in no fill.
  static std::vector<Point2> UncoveredPoints(const TGeomTWin& w) {
    std::vector<std::vector<Point2>> polys;
    for (const kernel::FillRecord& f : w.fills) polys.push_back(FillPolygon(w, f));
    std::vector<Point2> uncovered;
    const kernel::Box2& b = w.mapping.box;
    constexpr int kSteps = 13;
    for (int i = 0; i <= kSteps; ++i) {
      for (int j = 0; j <= kSteps; ++j) {
        // Off the grid lines of the tilings, which run through simple coordinates.
        const Point2 q{b.xmin + (b.xmax - b.xmin) * (i + 0.0137L) / (kSteps + 0.03L),
                       b.ymin + (b.ymax - b.ymin) * (j + 0.0291L) / (kSteps + 0.06L)};
        bool covered = false;
        for (const auto& poly : polys) covered = covered || Inside(poly, q);
        if (!covered) uncovered.push_back(q);
      }
    }
    return uncovered;
  }
  static bool ViewInsideCover(const TGeomTWin& w) { return kernel::BoxStrictlyInside(w.mapping.box, w.coverBox); }
  // Sets the inclination through its dialog with the text typed.
  static void TypeInclination(TGeomTWin& w, const char* text) {
    platform::ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, text}}, platform::IDOK);
    w.CmInclination();
  }
};

TEST_F(TessellationWindow, ANewWindowShowsTheSquareTilingUnderItsName) {
  auto w = Open();
  EXPECT_EQ(w->unitKind, 16);
  EXPECT_EQ(w->inclination, 0);
  EXPECT_EQ(w->fileMsg.fileName, "tess4444.kv2");
  EXPECT_EQ(w->fileMsg.named, 0);
  ASSERT_FALSE(w->history().steps.empty());
  EXPECT_EQ(w->history().steps.front().kind, 16);
  EXPECT_EQ(w->ToolbarMode(), 122);
  EXPECT_TRUE(w->CheckModified());
  // Four squares of the unit in colours 3 and 24, the last listed at the head of the fills.
  ASSERT_GE(w->fills.size(), 4u);
  EXPECT_EQ(FillPolygon(*w, w->fills[0]).size(), 4u);
  EXPECT_EQ(w->fills[0].style, 24);
  EXPECT_EQ(w->fills[1].style, 3);
  EXPECT_TRUE(UncoveredPoints(*w).empty());
  for (int id : {640, 652, special::kCmdInclination, 57, 58}) EXPECT_TRUE(w->QueryCommand(id).enabled) << id;
  // Undo takes back the last row of copies with the fills it made.
  const std::size_t steps = w->history().steps.size();
  const std::size_t fills = w->fills.size();
  EXPECT_TRUE(w->DispatchCommand(98));
  EXPECT_EQ(w->history().steps.size(), steps - 1);
  EXPECT_LT(w->fills.size(), fills);
}

// Each unit command: its step kind and flag, its file name, the two rows of translations, the
// unit's polygons as listed, a view inside the region the copies cover and covered by them.
TEST_F(TessellationWindow, EveryUnitBuildsItsTilingAndCoversTheView) {
  auto w = Open();
  for (const special::ClassicUnit& unit : special::ClassicUnits()) {
    SCOPED_TRACE(unit.command);
    platform::ScriptedResponder script;  // any message would fail the test
    w->DispatchCommand(unit.command);
    const auto& steps = w->history().steps;
    ASSERT_EQ(static_cast<int>(steps.size()), 1 + unit.count1 + unit.count2);
    EXPECT_EQ(steps.front().kind, unit.kind);
    EXPECT_EQ(steps.front().flag, unit.flag);
    for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_EQ(steps[i].kind, 145);
    // Factors 1, -1, 2 ... along the first row, 1, -2, 3 ... along the second.
    const auto factor = [&](std::size_t i) { return std::stod(steps[i].text[0]); };
    EXPECT_EQ(factor(1), 1);
    EXPECT_EQ(factor(2), -1);
    EXPECT_EQ(factor(3), 2);
    EXPECT_EQ(factor(static_cast<std::size_t>(unit.count1) + 1), 1);
    EXPECT_EQ(factor(static_cast<std::size_t>(unit.count1) + 2), -2);
    EXPECT_EQ(steps[static_cast<std::size_t>(unit.count1) + 2].flag, 1);
    EXPECT_EQ(w->unitKind, unit.kind);
    // The unit's own fills sit at the tail of the list in reverse order, as they were made.
    const std::size_t n = unit.polygons.size();
    ASSERT_GT(w->fills.size(), n);
    for (std::size_t k = 0; k < n; ++k) {
      const kernel::FillRecord& f = w->fills[n - 1 - k];
      EXPECT_EQ(f.style, unit.polygons[k].colour);
      std::size_t labels = 0;
      for (char c : unit.polygons[k].labels) labels += c >= 'A' && c <= 'Z';
      EXPECT_EQ(FillPolygon(*w, f).size(), labels) << unit.polygons[k].labels;
    }
    EXPECT_GT(w->fills.size(), n * static_cast<std::size_t>(unit.count1));
    EXPECT_TRUE(ViewInsideCover(*w));
    EXPECT_TRUE(UncoveredPoints(*w).empty());
    EXPECT_TRUE(script.shown().empty());
  }
  EXPECT_EQ(w->fileMsg.fileName, "quadtess.kv2");
  w->DispatchCommand(647);
  EXPECT_EQ(w->fileMsg.fileName, "tess33336l.kv2");
  w->DispatchCommand(648);
  EXPECT_EQ(w->fileMsg.fileName, "tess33336r.kv2");
}

TEST_F(TessellationWindow, TheTwoSnubHexagonalUnitsAreMirrorImages) {
  for (const char* degrees : {"0", "17"}) {
    SCOPED_TRACE(degrees);
    auto w = Open();
    TypeInclination(*w, degrees);
    w->DispatchCommand(647);
    const std::vector<Point2> left(w->tables().xy.begin(), w->tables().xy.begin() + 12);
    w->DispatchCommand(648);
    const std::vector<Point2> right(w->tables().xy.begin(), w->tables().xy.begin() + 12);
    // Mirrored in the y axis, point for point; the orientation of each triangle flips.
    for (std::size_t i = 0; i < left.size(); ++i) {
      EXPECT_NEAR(static_cast<double>(left[i].x), static_cast<double>(-right[i].x), 1e-12);
      EXPECT_NEAR(static_cast<double>(left[i].y), static_cast<double>(right[i].y), 1e-12);
    }
    const auto turn = [](const std::vector<Point2>& p) { return kernel::Cross2(p[1] - p[0], p[11] - p[0]); };
    EXPECT_LT(turn(left) * turn(right), 0);
    EXPECT_TRUE(UncoveredPoints(*w).empty());
  }
}

TEST_F(TessellationWindow, TheInclinationTurnsTheNextUnitByItsReducedAngle) {
  auto w = Open();
  const std::vector<Point2> flat(w->tables().xy.begin(), w->tables().xy.begin() + 9);
  // A quarter turn maps the square tiling onto itself: the unit is built unturned.
  TypeInclination(*w, "90");
  EXPECT_NEAR(static_cast<double>(w->inclination), static_cast<double>(kPi / 2), 1e-15);
  EXPECT_EQ(w->unitKind, 16);  // nothing is rebuilt yet
  w->DispatchCommand(643);
  for (std::size_t i = 0; i < flat.size(); ++i) {
    EXPECT_NEAR(static_cast<double>(kernel::Dist2(w->tables().xy[i], flat[i])), 0, 1e-12);
  }
  // A turn that is not a symmetry still covers the view, as an expression in degrees.
  TypeInclination(*w, "60/2");
  for (int command : {643, 641, 640, 650}) {
    SCOPED_TRACE(command);
    w->DispatchCommand(command);
    EXPECT_TRUE(ViewInsideCover(*w));
    EXPECT_TRUE(UncoveredPoints(*w).empty());
  }
  const Real before = w->inclination;
  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "*30"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  EXPECT_EQ(w->CmInclination(), 1);
  ASSERT_EQ(script.Messages().size(), 1u);
  EXPECT_EQ(script.Messages()[0], "cannot understand");
  EXPECT_EQ(w->inclination, before);
}

TEST(TessellationCover, TheInclinationIsReducedByTheUnitsPeriod) {
  struct Case {
    int kind;
    Real period;
  };
  for (const Case& c : {Case{16, kPi / 2}, Case{15, kPi / 2}, Case{11, kPi}, Case{20, kPi}, Case{13, 2 * kPi / 3},
                        Case{14, 2 * kPi / 3}, Case{12, kPi / 3}, Case{17, kPi / 3}, Case{18, kPi / 3},
                        Case{19, kPi / 3}, Case{21, kPi / 3}, Case{22, 0}}) {
    SCOPED_TRACE(c.kind);
    EXPECT_NEAR(static_cast<double>(kernel::UnitRotationPeriod(c.kind)), static_cast<double>(c.period), 1e-18);
    for (Real t : {0.0L, 0.3L, 1.0L, 2.5L, 7.0L, -0.3L, -5.0L}) {
      const Real r = kernel::ReducedInclination(t, c.period);
      if (c.period == 0) {
        EXPECT_EQ(r, 0);
        continue;
      }
      EXPECT_GE(r, -c.period / 2);
      EXPECT_LT(r, c.period / 2);
      const Real turns = (t - r) / c.period;
      EXPECT_NEAR(static_cast<double>(turns), std::round(static_cast<double>(turns)), 1e-12);
    }
  }
}

TEST_F(TessellationWindow, ZoomAndShiftKeepTheViewInsideTheTiling) {
  auto w = Open();
  for (int command : {643, 642, 647, 652}) {
    SCOPED_TRACE(command);
    w->DispatchCommand(command);
    // Zooming out stops at the region's edge.
    Real last = w->mapping.halfWidth;
    for (int i = 0; i < 30; ++i) {
      w->Zoom(true);
      ASSERT_TRUE(ViewInsideCover(*w));
      ASSERT_GE(w->mapping.halfWidth, last);
      last = w->mapping.halfWidth;
    }
    w->Zoom(true);
    EXPECT_EQ(w->mapping.halfWidth, last);
    EXPECT_TRUE(UncoveredPoints(*w).empty());
    // Shifting on in one direction jumps back by lattice vectors and never leaves the tiling.
    for (int i = 0; i < 40; ++i) {
      w->ShiftView(0.3L, i % 3 == 0 ? -0.2L : 0);
      ASSERT_TRUE(ViewInsideCover(*w));
    }
    EXPECT_TRUE(UncoveredPoints(*w).empty());
    w->Zoom(false);
    EXPECT_LT(w->mapping.halfWidth, last);
    EXPECT_TRUE(UncoveredPoints(*w).empty());
  }
}

TEST_F(TessellationWindow, DraggingAVertexOfTheQuadrilateralMovesEveryCopy) {
  auto w = Open();
  w->DispatchCommand(652);
  const engine::FigureTables& t = w->tables();
  for (int i = 0; i <= t.last_point; ++i) {
    EXPECT_EQ(t.names[static_cast<std::size_t>(i)].marker, i < 4 ? 1 : 0) << i;
    EXPECT_EQ(t.names[static_cast<std::size_t>(i)].shown, 0) << i;
  }
  // Drag C a little outwards with the left button, as the toolbar's drag mode does.
  const Point2 from = t.xy[2];
  const Point2 to = from + Point2{0.6L, -0.4L};
  platform::ScriptedResponder script;
  script.OnLoop([&](platform::ModalLoop& loop) {
    platform::MouseEvent e;
    e.leftDown = true;
    e.x = w->XToScreen(to.x);
    e.y = w->YToScreen(to.y);
    loop.FeedMouseMove(e);
    e.leftDown = false;
    loop.FeedMouseUp(e);
  });
  platform::MouseEvent down;
  down.x = w->XToScreen(from.x);
  down.y = w->YToScreen(from.y);
  down.leftDown = true;
  w->DeliverMouseDown(down);
  const Point2 c = t.xy[2];
  ASSERT_GT(kernel::Dist2(c, from), 0.3L);
  // The copy of C one step along the first row followed it.
  const Point2 copy = c + (t.xy[1] - t.xy[3]);
  bool found = false;
  for (int i = 4; i <= t.last_point && !found; ++i) found = kernel::Dist2(t.xy[static_cast<std::size_t>(i)], copy) < 1e-9L;
  EXPECT_TRUE(found);
  EXPECT_TRUE(UncoveredPoints(*w).empty());
  w->ShiftView(0.4L, 0);
  EXPECT_TRUE(ViewInsideCover(*w));
  EXPECT_TRUE(UncoveredPoints(*w).empty());
}

TEST_F(TessellationWindow, ASavedTilingOpensInTheTwoDimensionalWindow) {
  const std::string path = (folder_ / "tess4444.kv2").string();
  auto w = Open();
  w->DispatchCommand(646);
  {
    platform::ScriptedResponder script;
    script.ChooseFile(path);
    w->DispatchCommand(57);
    EXPECT_EQ(w->fileMsg.fileName, path);
  }
  auto reader = std::make_unique<plane::TGeom2Win>(nullptr, "noname1.kv2", 0);
  reader->qelWin.writeSettings = 0;
  reader->Create();
  reader->fileMsg.fileName = path;
  ASSERT_EQ(reader->LoadFile(), 0);
  const engine::FigureTables& a = w->tables();
  const engine::FigureTables& b = reader->tables();
  ASSERT_EQ(b.last_point, a.last_point);
  EXPECT_EQ(reader->history().steps.size(), w->history().steps.size());
  EXPECT_EQ(reader->fills.size(), w->fills.size());
  for (int i = 0; i <= a.last_point; ++i) EXPECT_LT(kernel::Dist2(a.xy[i], b.xy[i]), 1e-12L) << i;
  reader->Destroy();
}

}  // namespace
