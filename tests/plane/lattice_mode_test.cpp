// Lattice-point mode and the Pick's theorem picture: the dialog's checks, snapping of free points
// (by the mode, by the mouse), the picture's dots and outline, and the check marks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "plane/pick_dlg.h"
#include "plane_window.h"
#include "platform/menu.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"
#include "view/figure_painter.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using LatticeMode = IsolatedFolders;

struct LatticeWindow : PlaneWindow {
  LatticeWindow() : PlaneWindow(0) {
    SetView(0, 0, 5, 5, false);
    UpdateView();
  }
  // Runs Pick's theorem with the text typed and OK pressed; the messages shown.
  std::vector<std::string> Pick(const std::string& text) {
    platform::ScriptedResponder script;
    script.FillAndPress("MACDEF", {{plane::kPickVertexEdit, text}}, 1).AnswerMessage(platform::IDOK);
    script.OnDialog("MACDEF", [](platform::Dialog& d) { d.PressButton(2); });
    EXPECT_TRUE(DispatchCommand(plane::kCmdPickTheorem));
    return script.Messages();
  }
  bool Checked(int id) { return QueryCommand(id).checked.value_or(false); }
};

// Counts what DrawPicks asks for: dot markers by colour, outline segments and comments.
class PickRecorder : public view::FigurePainter {
 public:
  explicit PickRecorder(const view::ViewMapping& m) : FigurePainter(m) {}
  std::vector<Point2> interior, boundary;
  int segments = 0;
  std::vector<std::string> comments;
  int interiorColour = plane::kPickInteriorColor;

 protected:
  void DoMarker(const view::MarkerPlace& at, std::uint32_t style, int) override {
    EXPECT_EQ(style, 1u);
    (state().brush.color.index == interiorColour ? interior : boundary).push_back(at.world);
  }
  bool DoSegment(const Point2&, const Point2&, bool) override {
    ++segments;
    return true;
  }
  void DoComment(std::string_view text) override { comments.emplace_back(text); }
  void DoText(platform::PointI, std::string_view, int, int, std::optional<kernel::ColorRef>) override {}
  platform::SizeI DoTextExtent(std::string_view) override { return {}; }
};

TEST_F(LatticeMode, ThePickDialogRefusesShortCoincidentAndBoundVertexLists) {
  LatticeWindow w;
  w.FreePoint(0, 0);                      // A
  w.FreePoint(4, 0);                      // B
  w.FreePoint(0, 4);                      // C
  w.FreePoint(0.2L, 0.1L);                // D, close to A
  const int e = w.FreePoint(2, 2);        // E
  w.tables().attrs[e].tag = 1;            // a point of a unit
  struct Case {
    const char* text;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases{{"AB", {"nothing to do"}},
                                {"ABZ", {"nothing to do"}},  // Z does not exist
                                {"ABD", {"coincident points"}},
                                {"ABE", {"inconsistent data"}},
                                {"", {"nothing to do"}}};
  for (const Case& c : cases) {
    EXPECT_EQ(w.Pick(c.text), c.messages) << c.text;
    EXPECT_TRUE(w.pickVertices.empty()) << c.text;
  }
  EXPECT_TRUE(w.Pick("ABC").empty());
  EXPECT_EQ(w.pickVertices, (std::vector<std::int16_t>{0, 1, 2}));
  EXPECT_EQ(w.pickText, "ABC");
  // The check mark shows a polygon only in lattice-point mode.
  EXPECT_FALSE(w.Checked(plane::kCmdPickTheorem));
  w.DispatchCommand(plane::kCmdLatticeMode);
  EXPECT_TRUE(w.Checked(plane::kCmdLatticeMode));
  EXPECT_TRUE(w.Checked(plane::kCmdPickTheorem));
  // Cancelling the dialog drops the polygon. The borrowed template's label reads "points".
  platform::ScriptedResponder script;
  std::string label;
  script.OnDialog("MACDEF", [&](platform::Dialog& d) {
    label = d.GetItemText(plane::kPickPointsLabel);
    d.PressButton(2);
  });
  w.DispatchCommand(plane::kCmdPickTheorem);
  EXPECT_EQ(label, "points");
  EXPECT_TRUE(w.pickVertices.empty());
  EXPECT_FALSE(w.Checked(plane::kCmdPickTheorem));
}

TEST_F(LatticeMode, TurningTheModeOnSnapsFreePointsAndWhatIsBuiltOnThemFollows) {
  LatticeWindow w;
  const int a = w.FreePoint(0.4L, 1.6L);
  const int b = w.FreePoint(2.7L, -0.2L);
  ASSERT_EQ(w.Step(101, {a, b}, {"0.5"}), 0);  // the midpoint
  const int m = w.tables().last_point;
  w.DispatchCommand(plane::kCmdLatticeMode);
  const engine::FigureTables& t = w.tables();
  EXPECT_EQ(t.xy[a].x, 0);
  EXPECT_EQ(t.xy[a].y, 2);
  EXPECT_EQ(t.xy[b].x, 3);
  EXPECT_EQ(t.xy[b].y, 0);
  EXPECT_EQ(t.xy[m].x, 1.5L);
  EXPECT_EQ(t.xy[m].y, 1);
  // Off again: nothing moves.
  w.tables().xy[a] = {0.25L, 2};
  w.DispatchCommand(plane::kCmdLatticeMode);
  EXPECT_FALSE(w.Checked(plane::kCmdLatticeMode));
  EXPECT_EQ(t.xy[a].x, 0.25L);
}

TEST_F(LatticeMode, NewRandomTrianglesCirclesAndConvexPolygonsStandOnTheLattice) {
  constexpr int kCmdRandomTriangle = 712;
  constexpr int kCmdRandomCircle = 706;
  constexpr int kCmdConvexPolygon = 715;
  constexpr int kCmdInscribedPolygon = 714;
  LatticeWindow w;
  w.SetView(0, 0, 50, 50, false);
  w.UpdateView();
  w.DispatchCommand(plane::kCmdLatticeMode);
  platform::ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "6"}}, platform::IDOK).FillAndPress("ONEINPUT", {{211, "5"}}, platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(kCmdRandomTriangle));
  ASSERT_TRUE(w.DispatchCommand(kCmdRandomCircle));
  ASSERT_TRUE(w.DispatchCommand(kCmdConvexPolygon));
  const int lastSnapped = w.tables().last_point;
  ASSERT_TRUE(w.DispatchCommand(kCmdInscribedPolygon));
  const engine::FigureTables& t = w.tables();
  int free = 0;
  for (int i = 0; i <= lastSnapped; ++i) {
    if (!t.PointExists(i) || t.attrs[i].tag != 0) continue;
    ++free;
    EXPECT_EQ(t.xy[i].x, std::round(t.xy[i].x)) << i;
    EXPECT_EQ(t.xy[i].y, std::round(t.xy[i].y)) << i;
  }
  EXPECT_GE(free, 3 + 6);
  // The inscribed polygon's vertices belong to their circle: they stay where it put them.
  bool offLattice = false;
  for (int i = lastSnapped + 1; i <= t.last_point; ++i) offLattice |= t.xy[i].x != std::round(t.xy[i].x);
  EXPECT_TRUE(offLattice);
  EXPECT_TRUE(script.Finished());
}

TEST_F(LatticeMode, TheMousePlacesAndDragsFreePointsOnLatticePoints) {
  LatticeWindow w;
  w.DispatchCommand(plane::kCmdLatticeMode);
  const auto pixel = [&](Real x, Real y) {
    platform::PointI p;
    w.WorldToPixel({x, y}, p);
    return p;
  };
  platform::MouseEvent click;
  click.button = platform::MouseButton::Right;
  const platform::PointI at = pixel(1.3L, -2.2L);
  click.x = at.x;
  click.y = at.y;
  w.DeliverMouseDown(click);
  ASSERT_EQ(w.tables().last_point, 0);
  EXPECT_EQ(w.tables().xy[0].x, 1);
  EXPECT_EQ(w.tables().xy[0].y, -2);
  // A second click near the same lattice point makes no second point there.
  const platform::PointI near = pixel(0.8L, -1.8L);
  click.x = near.x;
  click.y = near.y;
  w.DeliverMouseDown(click);
  EXPECT_EQ(w.tables().last_point, 0);

  w.DispatchCommand(plane::kModeDragVertices);
  platform::ScriptedResponder script;
  const platform::PointI to = pixel(3.35L, 0.6L);
  script.OnLoop([to](platform::ModalLoop& loop) {
    platform::MouseEvent e;
    e.leftDown = true;
    e.x = to.x;
    e.y = to.y;
    loop.FeedMouseMove(e);
    e.leftDown = false;
    loop.FeedMouseUp(e);
  });
  platform::MouseEvent press;
  press.leftDown = true;
  const platform::PointI from = pixel(1, -2);
  press.x = from.x;
  press.y = from.y;
  w.DeliverMouseDown(press);
  EXPECT_EQ(w.tables().xy[0].x, 3);
  EXPECT_EQ(w.tables().xy[0].y, 1);
}

TEST_F(LatticeMode, ThePickPictureDotsTheLatticePointsAndOutlinesThePolygon) {
  LatticeWindow w;
  w.FreePoint(0, 0);
  w.FreePoint(4, 0);
  w.FreePoint(0, 4);
  ASSERT_TRUE(w.Pick("ABC").empty());
  {
    PickRecorder off(w.mapping);
    EXPECT_EQ(w.DrawPicks(off), 9);  // not in lattice-point mode
    EXPECT_TRUE(off.boundary.empty() && off.interior.empty());
  }
  w.DispatchCommand(plane::kCmdLatticeMode);
  PickRecorder r(w.mapping);
  EXPECT_EQ(w.DrawPicks(r), 0);
  EXPECT_EQ(r.interior.size(), 3u);
  EXPECT_EQ(r.boundary.size(), 12u);
  EXPECT_EQ(r.segments, 3);
  EXPECT_EQ(r.comments, (std::vector<std::string>{"begin Pick", "end Pick"}));

  // A vertex out of view: dots and outline, no comments.
  w.tables().xy[1] = {40, 0};
  PickRecorder out(w.mapping);
  EXPECT_EQ(w.DrawPicks(out), 0);
  EXPECT_TRUE(out.comments.empty());
  EXPECT_FALSE(out.boundary.empty());
}

// The polygon names points of the figure it was chosen in: another figure, opened or new, has none,
// while the mode stays the window's.
TEST_F(LatticeMode, ThePickPolygonGoesWithItsFigure) {
  LatticeWindow w;
  w.qelWin.writeSettings = 0;
  w.FreePoint(0, 0);
  w.FreePoint(4, 0);
  w.FreePoint(0, 4);
  w.DispatchCommand(plane::kCmdLatticeMode);
  ASSERT_TRUE(w.Pick("ABC").empty());
  w.fileMsg.fileName = (folder_ / "pick.kv2").string();
  w.fileMsg.named = 1;
  ASSERT_TRUE(w.Save());

  ASSERT_EQ(w.LoadFile(), 0);
  EXPECT_EQ(w.tables().last_point, 2);
  EXPECT_TRUE(w.pickVertices.empty());
  EXPECT_FALSE(w.Checked(plane::kCmdPickTheorem));
  EXPECT_TRUE(w.Checked(plane::kCmdLatticeMode));
  PickRecorder r(w.mapping);
  EXPECT_EQ(w.DrawPicks(r), 9);

  ASSERT_TRUE(w.Pick("ABC").empty());
  w.NewFigure();
  w.FreePoint(1, 1);
  w.FreePoint(3, 1);
  w.FreePoint(1, 3);
  EXPECT_TRUE(w.pickVertices.empty());
  EXPECT_EQ(w.DrawPicks(r), 9);
}

TEST_F(LatticeMode, PopupsAreGreyedWhileTheFigureLacksTheirObjects) {
  const auto enabled = [](PlaneWindow& w, const char* top, const char* item) {
    const auto& bar = w.menu().items();
    for (const auto& popup : bar) {
      if (popup.text != top) continue;
      if (item == nullptr) return popup.enabled;
      for (const auto& child : popup.children)
        if (child.text == item) return child.enabled;
    }
    ADD_FAILURE() << top;
    return false;
  };
  PlaneWindow euclidean(0);
  euclidean.SetupMenuChecks(false);
  EXPECT_FALSE(enabled(euclidean, "&Transf", nullptr));
  EXPECT_FALSE(enabled(euclidean, "&Point", "&Special"));
  EXPECT_TRUE(enabled(euclidean, "&Edit", nullptr));
  for (int k = 0; k < 3; ++k) euclidean.FreePoint(k, k * k);
  euclidean.SetupMenuChecks(false);
  EXPECT_TRUE(enabled(euclidean, "&Transf", nullptr));
  EXPECT_TRUE(enabled(euclidean, "&Point", "&Special"));
  EXPECT_FALSE(enabled(euclidean, "&Line", "&Angles"));

  PlaneWindow hyperbolic(1);
  hyperbolic.SetupMenuChecks(false);
  EXPECT_FALSE(enabled(hyperbolic, "&Point", "&Special"));
  // Lattice points mean nothing in the hyperbolic plane.
  EXPECT_FALSE(hyperbolic.QueryCommand(plane::kCmdLatticeMode).enabled);
}

}  // namespace
