// The hyperbolic tessellation window as its user drives it: Tess checks the typed group and
// refuses it with everything as it was; an accepted group is one step whose filled triangles have
// the group's angles, measured in the disk; the caption and the view; the fill colour, random at
// the start and given to every fill at once; closing asks nothing; an SVG export writes one frame.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "kernel/file_bytes.h"
#include "kernel/fill_trace_records.h"
#include "kernel/random.h"
#include "kernel/vector2.h"
#include "platform/scripted_responder.h"
#include "shell/col_win.h"
#include "special/hyperbolic_tessellation_win.h"
#include "special_window.h"
#include "support/isolated_folders.h"
#include "view/export_formats.h"
#include "view/export_readers.h"

using kernel::Point2;
using kernel::Real;
using special::TGeomUWin;

namespace {

constexpr Real kPiLD = 3.14159265358979323846264338327950288L;

Real DotOf(const Point2& a, const Point2& b) { return a.x * b.x + a.y * b.y; }
Real CrossOf(const Point2& a, const Point2& b) { return a.x * b.y - a.y * b.x; }

// The circle through a and b that meets the unit circle at right angles: the centre c solves
// c.a = (1 + |a|^2) / 2 and c.b = (1 + |b|^2) / 2. False when a, b and the disk's centre are on
// one line, so that the geodesic is a diameter.
bool OrthogonalCircle(const Point2& a, const Point2& b, Point2& centre) {
  const Real det = CrossOf(a, b);
  if (std::fabs(det) < 1e-14L) return false;
  const Real ka = (1 + DotOf(a, a)) / 2;
  const Real kb = (1 + DotOf(b, b)) / 2;
  centre = {(ka * b.y - kb * a.y) / det, (a.x * kb - b.x * ka) / det};
  return true;
}

// The unit tangent at a of the geodesic from a towards b.
Point2 GeodesicTangent(const Point2& a, const Point2& b) {
  Point2 t = b - a;
  Point2 c;
  if (OrthogonalCircle(a, b, c)) {
    const Point2 radius = a - c;
    t = {-radius.y, radius.x};
    if (DotOf(t, b - a) < 0) t = Point2{-t.x, -t.y};
  }
  const Real n = std::sqrt(DotOf(t, t));
  return {t.x / n, t.y / n};
}

// The angle at a between the geodesics to b and to c: the disk model keeps angles.
Real HyperbolicAngle(const Point2& a, const Point2& b, const Point2& c) {
  const Point2 u = GeodesicTangent(a, b);
  const Point2 v = GeodesicTangent(a, c);
  return std::atan2(std::fabs(CrossOf(u, v)), DotOf(u, v));
}

class HyperbolicTessellationWindow : public IsolatedFolders {
 protected:
  std::unique_ptr<TGeomUWin> Open() {
    auto w = OpenAsLauncherWould<TGeomUWin>("hyperbolic tessellations");
    w->SetClientSize(400, 300);
    w->UpdateClientArea();
    return w;
  }

  // Tess with the three texts typed and OK pressed; the messages shown.
  static std::vector<std::string> Tess(TGeomUWin& w, const std::array<std::string, 3>& orders) {
    platform::ScriptedResponder script;
    script.FillAndPress("HTESS", {{211, orders[0]}, {212, orders[1]}, {213, orders[2]}}, platform::IDOK)
        .AnswerMessage(platform::IDOK);
    w.DispatchCommand(special::kCmdTess);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_FALSE(script.shown().empty());
    return script.Messages();
  }

  // The tessellation's own geometry, checked without the executor: every filled triangle has the
  // angle pi/p at the centre and pi/q, pi/r at its other two vertices; every vertex lies inside the
  // unit disk; every side is a diameter or an arc of a circle orthogonal to the unit circle.
  static void ExpectTriangleGroupGeometry(const TGeomUWin& w, int p, int q, int r) {
    const engine::FigureTables& t = w.tables();
    ASSERT_EQ(static_cast<int>(w.fills.size()), p);
    for (const kernel::FillRecord& f : w.fills) {
      ASSERT_EQ(f.vertices[3], kernel::kFillListEnd);
      const Point2& centre = t.xy[f.vertices[0]];
      const Point2& b = t.xy[f.vertices[1]];
      const Point2& c = t.xy[f.vertices[2]];
      EXPECT_LT(std::hypot(centre.x, centre.y), 1e-15L);
      EXPECT_NEAR(static_cast<double>(HyperbolicAngle(centre, b, c) - kPiLD / p), 0, 1e-12);
      EXPECT_NEAR(static_cast<double>(HyperbolicAngle(b, c, centre) - kPiLD / q), 0, 1e-12);
      EXPECT_NEAR(static_cast<double>(HyperbolicAngle(c, centre, b) - kPiLD / r), 0, 1e-12);
    }
    for (int i = 0; i <= t.last_point; ++i) EXPECT_LT(DotOf(t.xy[i], t.xy[i]), 1) << i;
    ASSERT_GE(t.last_line, 0);
    for (int i = 0; i <= t.last_line; ++i) {
      const kernel::SegmentRecord& side = t.lines[i];
      const int n = side.points.count;
      ASSERT_GE(n, 2) << i;
      const Point2& a = t.xy[side.points.entries[0]];
      const Point2& b = t.xy[side.points.entries[n - 1]];
      Point2 c;
      const bool arc = OrthogonalCircle(a, b, c);
      const Real radius = std::hypot(a.x - c.x, a.y - c.y);
      for (int k = 1; k + 1 < n; ++k) {
        const Point2& m = t.xy[side.points.entries[k]];
        const Real off = arc ? std::hypot(m.x - c.x, m.y - c.y) - radius : CrossOf(m - a, b - a);
        EXPECT_NEAR(static_cast<double>(off), 0, 1e-9) << "side " << i << ", vertex " << k;
      }
    }
  }
};

// Tess, case after case on one window: a refused group leaves the figure, the group offered next
// time and the caption as they were; an accepted one is the figure's only step.
TEST_F(HyperbolicTessellationWindow, TessChecksTheGroupAndBuildsOneStep) {
  struct Case {
    std::array<std::string, 3> orders;
    const char* message;  // none: accepted
    int depth;
  };
  const Case cases[] = {
      {{"2", "3", "7"}, nullptr, 4},
      {{"3", "3", "3"}, "inconsistent data", 0},
      {{"2", "3", "6"}, "inconsistent data", 0},
      {{"7", "7", "7"}, "out of bounds", 0},  // q + r = 14 is too fine for p = 7
      {{"10", "3", "3"}, "out of bounds", 0},
      {{"1", "5", "5"}, "out of bounds", 0},
      {{"abc", "3", "7"}, "out of bounds", 0},
      {{"2", "4.5", "5"}, "out of bounds", 0},
      {{"2", "4", "5"}, nullptr, 4},
      {{"7", "6", "7"}, nullptr, 2},
  };
  auto w = Open();
  EXPECT_EQ(w->Caption(), "hyperbolic tesselation");
  EXPECT_EQ(w->triple, (std::array<std::int16_t, 3>{5, 4, 3}));
  EXPECT_TRUE(w->history().steps.empty());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.orders[0] + "," + c.orders[1] + "," + c.orders[2]);
    const std::array<std::int16_t, 3> triple = w->triple;
    const std::string caption = w->Caption();
    const int points = w->tables().last_point;
    const std::vector<std::string> messages = Tess(*w, c.orders);
    if (c.message != nullptr) {
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_EQ(messages[0], c.message);
      EXPECT_EQ(w->triple, triple);
      EXPECT_EQ(w->Caption(), caption);
      EXPECT_EQ(w->tables().last_point, points);
      continue;
    }
    EXPECT_TRUE(messages.empty());
    const std::string group = "(" + c.orders[0] + "," + c.orders[1] + "," + c.orders[2] + ")";
    EXPECT_EQ(w->Caption(), "hyperbolic tesselation" + group);
    ASSERT_EQ(w->history().steps.size(), 1u);
    const kernel::ConstructionRecord& step = w->history().steps.front();
    EXPECT_EQ(step.kind, 30);
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_EQ(step.operands[k], std::stoi(c.orders[k]));
      EXPECT_EQ(w->triple[k], std::stoi(c.orders[k]));
    }
    EXPECT_EQ(step.operands[3], c.depth);
    EXPECT_EQ(step.text[0], "hyperbolic tesselation" + group);
    EXPECT_GT(w->tables().last_point, 2 * w->triple[0]);
    // The unit disk with a margin, about the centre.
    EXPECT_EQ(w->mapping.centre.x, 0);
    EXPECT_EQ(w->mapping.centre.y, 0);
    EXPECT_EQ(std::min(w->mapping.halfWidth, w->mapping.halfHeight), 1.07L);
  }
  // The dialog offers the group built last; Cancel changes nothing.
  platform::ScriptedResponder script;
  script.OnDialog("HTESS", [](platform::Dialog& d) {
    EXPECT_EQ(d.GetItemText(211), "7");
    EXPECT_EQ(d.GetItemText(212), "6");
    EXPECT_EQ(d.GetItemText(213), "7");
    d.PressButton(platform::IDCANCEL);
  });
  EXPECT_EQ(w->CmTess(), -1);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(w->history().steps.size(), 1u);
}

TEST_F(HyperbolicTessellationWindow, TheFilledTrianglesHaveTheGroupsAngles) {
  auto w = Open();
  for (const std::array<int, 3>& g : {std::array<int, 3>{2, 3, 7}, {2, 4, 5}, {7, 6, 7}, {4, 3, 5}}) {
    SCOPED_TRACE(std::to_string(g[0]) + "," + std::to_string(g[1]) + "," + std::to_string(g[2]));
    ASSERT_EQ(w->Tessellate(g[0], g[1], g[2]), 0);
    ExpectTriangleGroupGeometry(*w, g[0], g[1], g[2]);
  }
}

// A new window: lines and letters hidden, vertices dragged, one frame per export, the menu of the
// window.
TEST_F(HyperbolicTessellationWindow, ANewWindowsSettingsAndMenu) {
  auto w = Open();
  EXPECT_EQ(w->hyperbolic, 1);
  EXPECT_TRUE(w->model().Hyperbolic);
  EXPECT_EQ(w->ToolbarMode(), 122);
  EXPECT_EQ(w->dragHighlight, 0);
  EXPECT_EQ(w->fill.hideLines, 1);
  EXPECT_EQ(w->labelDisplay.labelMode, 0);
  EXPECT_EQ(w->exports.animationMode, 0);
  EXPECT_EQ(w->qelWin.settingsFileName, "tess.ini");
  EXPECT_EQ(w->fileMsg.mainHelp, "HTESSHELP");
  for (int id : {special::kCmdTess, 205, 877, 87}) {
    EXPECT_NE(w->menu().Find(id), nullptr) << id;
    EXPECT_TRUE(w->QueryCommand(id).enabled) << id;
  }
  EXPECT_TRUE(w->menu().IsChecked(877));
  // Meas and Fill regions once there is a tessellation.
  for (int id : {760, 788}) {
    ASSERT_NE(w->menu().Find(id), nullptr) << id;
    EXPECT_FALSE(w->QueryCommand(id).enabled) << id;
  }
  ASSERT_EQ(w->Tessellate(2, 3, 7), 0);
  for (int id : {760, 788}) EXPECT_TRUE(w->QueryCommand(id).enabled) << id;
  // Letters on/off (Ctrl+L) brings the vertices' letters, which none shows at first.
  const engine::FigureTables& t = w->tables();
  w->ReplayConstruction(true);
  for (int i = 0; i <= t.last_point; ++i) ASSERT_EQ(t.names[i].shown, 0) << i;
  ASSERT_TRUE(w->DispatchCommand(823));
  EXPECT_EQ(w->labelDisplay.labelMode, 1);
  // No files of its own, and the labels submenu without Swap.
  for (int id : {59, 57, 58, 1112, 909}) EXPECT_EQ(w->menu().Find(id), nullptr) << id;
}

// The fill colour starts at a random index from 4 to 10; the triangles are built in it, and a
// new fill colour chosen in the colour window goes to every fill at once.
TEST_F(HyperbolicTessellationWindow, EveryFillTakesTheFillColour) {
  std::set<int> starts;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    kernel::SeedRandom(seed);
    TGeomUWin w(nullptr, "hyperbolic tessellations");
    const int colour = w.preWin.roles[plane::kFillColorRole];
    EXPECT_GE(colour, 4);
    EXPECT_LE(colour, 10);
    starts.insert(colour);
  }
  EXPECT_GT(starts.size(), 2u);

  auto w = Open();
  ASSERT_EQ(w->Tessellate(2, 3, 7), 0);
  const std::uint16_t start = w->preWin.roles[plane::kFillColorRole];
  ASSERT_EQ(w->fills.size(), 2u);
  for (const kernel::FillRecord& f : w->fills) {
    EXPECT_EQ(f.mode, kernel::kFillPolygon);
    EXPECT_EQ(f.style, start);
  }
  // Other > Fill color: the colour window on the fill colour, reporting a fill colour change.
  ASSERT_TRUE(w->DispatchCommand(205));
  shell::TColWin* colours = w->colorWindow();
  ASSERT_NE(colours, nullptr);
  EXPECT_EQ(colours->roleKind(), special::kFillColourChange);
  colours->Pick(2, 3);  // a colour of the grid beyond the starting ones
  const std::uint16_t chosen = w->preWin.roles[plane::kFillColorRole];
  ASSERT_NE(chosen, start);
  for (const kernel::FillRecord& f : w->fills) EXPECT_EQ(f.style, chosen);
  // Other colour changes leave the fills alone.
  w->fills[0].style = 9;
  w->ColorChanged(0);
  EXPECT_EQ(w->fills[0].style, 9);
}

TEST_F(HyperbolicTessellationWindow, ClosingAndNewNeverAskToSave) {
  auto w = Open();
  ASSERT_EQ(w->Tessellate(2, 4, 5), 0);
  ASSERT_EQ(w->fileMsg.modified, 1);
  platform::ScriptedResponder script;  // any question would be unexpected
  EXPECT_TRUE(w->CheckModified());
  ASSERT_TRUE(w->DispatchCommand(78));
  EXPECT_TRUE(w->history().steps.empty());
  EXPECT_EQ(w->Caption(), "hyperbolic tesselation");
  ASSERT_EQ(w->Tessellate(2, 4, 5), 0);
  EXPECT_TRUE(w->Close());
  EXPECT_TRUE(script.shown().empty());
}

// File > Export graphics > SVG writes one picture of the disk with the filled triangles, and it
// reads as SVG.
TEST_F(HyperbolicTessellationWindow, AnSvgExportIsOneReadablePicture) {
  auto w = Open();
  ASSERT_EQ(w->Tessellate(2, 3, 7), 0);
  const std::filesystem::path path = folder_ / "tess237.svg";
  platform::ScriptedResponder script;
  script.ChooseFile(path.string()).FillAndPress("SVG", {}, platform::IDOK).AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w->DispatchCommand(view::kCmdExportSVG));
  EXPECT_TRUE(script.Unexpected().empty());
  const kernel::Bytes bytes = kernel::ReadFileBytes(path.string()).value_or(kernel::Bytes{});
  const std::string svg(bytes.begin(), bytes.end());
  int polygons = 0;
  for (std::size_t at = svg.find("<polygon"); at != std::string::npos; at = svg.find("<polygon", at + 1)) ++polygons;
  EXPECT_GE(polygons, 2);
  export_test::ExpectSvgReadable(svg);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder_)) files += entry.path().extension() == ".svg";
  EXPECT_EQ(files, 1);
}

}  // namespace
