// Building with the mouse on a fixed view, driven by synthetic mouse events: new points at the
// right button (free, on a line, at a line-circle crossing), the coordinate editor and deletion of
// the point under it, segments, rays, lines and circles dragged from point to point.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/vector2.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "plane_window.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using MouseConstruction = IsolatedFolders;

// A window showing -5..5 both ways, 401 pixels square: 0.025 units a pixel.
struct FixedView : PlaneWindow {
  explicit FixedView(std::uint8_t hyperbolicPlane = 0) : PlaneWindow(hyperbolicPlane) {
    if (!hyperbolicPlane) SetView(0, 0, 5, 5, false);
    UpdateView();
  }
  platform::PointI Pixel(Real x, Real y) const {
    platform::PointI p;
    WorldToPixel({x, y}, p);
    return p;
  }
  void Click(platform::MouseButton button, platform::PointI at) {
    platform::MouseEvent e;
    e.x = at.x;
    e.y = at.y;
    e.button = button;
    DeliverMouseDown(e);
  }
  void RightClick(Real x, Real y) { Click(platform::MouseButton::Right, Pixel(x, y)); }
  // A left-button drag from one world point to another, as the user moves the mouse.
  void Drag(Point2 from, Point2 to) {
    platform::ScriptedResponder script;
    const platform::PointI end = Pixel(to.x, to.y);
    script.OnLoop([end](platform::ModalLoop& loop) {
      platform::MouseEvent e;
      e.leftDown = true;
      e.x = end.x - 7;
      e.y = end.y + 3;
      loop.FeedMouseMove(e);
      e.x = end.x;
      e.y = end.y;
      loop.FeedMouseMove(e);
      e.leftDown = false;
      loop.FeedMouseUp(e);
    });
    Click(platform::MouseButton::Left, Pixel(from.x, from.y));
    EXPECT_TRUE(script.Unexpected().empty());
  }
  const kernel::ConstructionRecord& Last() const { return history().steps.back(); }
  std::string Name(int i) const {
    std::string name;
    tables().GetPointName(i, name);
    return name;
  }
  int Kind() const { return history().steps.empty() ? -1 : Last().kind; }
};

TEST_F(MouseConstruction, TheRightButtonMakesFreePointsPointsOnLinesAndIntersections) {
  FixedView w;
  w.RightClick(1, 1);
  ASSERT_EQ(w.history().steps.size(), 1u);
  EXPECT_EQ(w.Kind(), 121);
  EXPECT_EQ(w.tables().names[0].label, 0);  // A, the next free label
  w.RightClick(-2, 1);
  EXPECT_EQ(w.tables().names[1].label, 1);
  // The view stays where the user works.
  EXPECT_EQ(w.mapping.halfWidth, 5);

  // Near segment AB a point bound to it, at the place nearest the click.
  ASSERT_EQ(w.Step(111, {0, 1, -1, 0, 0, 0}), 0);
  w.RightClick(0.5L, 1.05L);
  EXPECT_EQ(w.Kind(), 201);
  const int c = w.tables().last_point;
  EXPECT_EQ(w.tables().attrs[c].words[0], 0);
  EXPECT_NEAR(static_cast<double>(w.tables().xy[c].x), 0.5, 1e-12);
  EXPECT_NEAR(static_cast<double>(w.tables().xy[c].y), 1.0, 1e-12);

  // Near the crossing of the segment and a circle both intersection points.
  const int m = w.FreePoint(-1, 0);
  const int q = w.FreePoint(-1, 1.5L);
  ASSERT_EQ(w.Step(91, {m, q, -1, 0, 0, 0}), 0);
  const int before = w.tables().last_point;
  // The circle about (-1, 0) of radius 1.5 meets y = 1 at x = -1 +- sqrt(1.25).
  w.RightClick(-1 + std::sqrt(1.25L), 1.02L);
  EXPECT_EQ(w.Kind(), 104);
  EXPECT_EQ(w.tables().last_point, before + 2);
}

TEST_F(MouseConstruction, TheRightButtonOnAPointEditsOrDeletesIt) {
  FixedView w;
  w.RightClick(1, 1);
  // Again at the same place: the coordinate editor of the point.
  {
    platform::ScriptedResponder script;
    script.FillAndPress("XYEDIT", {{211, "2*3"}, {212, "1"}}, platform::IDOK);
    w.RightClick(1.05L, 1);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  ASSERT_EQ(w.history().steps.size(), 1u);
  EXPECT_EQ(w.Kind(), 122);
  EXPECT_EQ(w.tables().xy[0], (Point2{6, 1}));
  // Clearing a field makes it a movable point again where it stands.
  {
    platform::ScriptedResponder script;
    script.OnDialog("XYEDIT", [](platform::Dialog& d) {
      EXPECT_EQ(d.GetItemText(211), "2*3");
      d.SetItemText(212, "");
      d.PressButton(platform::IDOK);
    });
    w.SetView(6, 1, 5, 5, false);
    w.UpdateView();
    w.RightClick(6, 1);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  EXPECT_EQ(w.Kind(), 121);
  EXPECT_EQ(w.tables().xy[0], (Point2{6, 1}));
  EXPECT_EQ(w.tables().names[0].label, 0);

  // With deletion by redrawing the click deletes the point.
  w.DispatchCommand(plane::kCmdDeletionByRedrawing);
  w.RightClick(6, 1);
  EXPECT_EQ(w.Kind(), 141);
  EXPECT_FALSE(w.tables().exists[0]);

  // A point not made by the mouse or by coordinates cannot be edited.
  FixedView v;
  const int a = v.FreePoint(0, 0);
  const int b = v.FreePoint(2, 0);
  ASSERT_EQ(v.Step(101, {a, b}, {"0.5"}), 0);
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  v.RightClick(1, 0);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"cannot edit this"}));
}

TEST_F(MouseConstruction, DraggingBetweenPointsMakesAndTogglesLines) {
  FixedView w;
  const int a = w.FreePoint(-2, 0);
  const int b = w.FreePoint(2, 0);
  const Point2 pa{-2, 0};
  const Point2 pb{2, 0};
  w.Drag(pa, pb);
  ASSERT_EQ(w.Kind(), 111);
  EXPECT_EQ(w.Last().operands[0], a);
  EXPECT_EQ(w.Last().operands[1], b);
  const std::size_t steps = w.history().steps.size();

  // Ray mode over the unextended segment from A to B: the extension beyond B.
  w.DispatchCommand(plane::kModeRays);
  w.Drag(pa, pb);
  ASSERT_EQ(w.history().steps.size(), steps + 1);
  EXPECT_EQ(w.Kind(), 112);
  EXPECT_EQ(w.Last().operands[0], 1);
  EXPECT_TRUE(w.tables().lines[0].extends_first);
  // Segment mode over it takes the extension away again.
  w.DispatchCommand(plane::kModeSegments);
  w.Drag(pa, pb);
  EXPECT_FALSE(w.tables().lines[0].extends_first);
  // From B to A in ray mode: the extension beyond A.
  w.DispatchCommand(plane::kModeRays);
  w.Drag(pb, pa);
  EXPECT_EQ(w.Last().operands[0], 0xFFFF);
  EXPECT_TRUE(w.tables().lines[0].extends_second);
  // Line mode turns on what is still off.
  w.DispatchCommand(plane::kModeLines);
  w.Drag(pa, pb);
  EXPECT_TRUE(w.tables().lines[0].extends_first && w.tables().lines[0].extends_second);
  // Nothing left to toggle: with deletion by redrawing the line goes.
  w.DispatchCommand(plane::kCmdDeletionByRedrawing);
  w.Drag(pa, pb);
  EXPECT_EQ(w.Kind(), 142);
  EXPECT_FALSE(w.tables().lines[0].exists);

  // Released in empty space a segment drag makes nothing.
  w.DispatchCommand(plane::kModeSegments);
  const std::size_t now = w.history().steps.size();
  w.Drag(pa, {0, 3});
  EXPECT_EQ(w.history().steps.size(), now);
}

TEST_F(MouseConstruction, ACircleDraggedIntoEmptySpaceMakesItsPoint) {
  FixedView w;
  const int a = w.FreePoint(0, 0);
  w.DispatchCommand(plane::kModeCircles);
  w.Drag({0, 0}, {2, 1});
  ASSERT_GE(w.history().steps.size(), 3u);
  const kernel::ConstructionRecord& point = w.history().steps[w.history().steps.size() - 2];
  EXPECT_EQ(point.kind, 121);
  EXPECT_EQ(w.Kind(), 91);
  EXPECT_EQ(w.Last().operands[0], a);
  EXPECT_EQ(w.tables().last_circle, 0);
  EXPECT_EQ(w.tables().names[1].label, 1);
  EXPECT_NEAR(static_cast<double>(w.CircleRadius(0)), std::sqrt(5.0), 0.04);
}

TEST_F(MouseConstruction, OutsideTheDiskTheRightButtonMakesNothing) {
  FixedView w(1);
  // The pixel whose world point lies on the boundary circle or just beyond it.
  w.Click(platform::MouseButton::Right, {w.XToScreen(1) + 1, w.YToScreen(0)});
  w.RightClick(0, -1.2L);
  EXPECT_TRUE(w.history().steps.empty());
  w.RightClick(0.3L, 0.2L);
  EXPECT_EQ(w.Kind(), 121);
}

// A hyperbolic figure with a curved segment AB, its hypercycle through C, the x axis as the line
// DE, a circle about F through G and a horocycle touching DE at E.
struct CurveFigure {
  explicit CurveFigure(PlaneWindow& w) {
    const engine::FigureTables& t = w.tables();
    const int a = w.FreePoint(-0.6L, 0.5L);
    const int b = w.FreePoint(0.6L, 0.5L);
    EXPECT_EQ(w.Step(111, {a, b}), 0);
    w.FreePoint(0, -0.2L);
    std::string lineText = "AB";
    std::string pointText = "C";
    EXPECT_EQ(w.DoEquidistantCurve(lineText, pointText), 0);
    hypercycle = t.last_hypercycle;
    const int d = w.FreePoint(-0.1L, 0);
    const int e = w.FreePoint(0.1L, 0);
    EXPECT_EQ(w.Step(116, {d, e}), 0);
    line = t.last_line;
    const int f = w.FreePoint(0, 0);
    const int g = w.FreePoint(0.4L, 0);
    EXPECT_EQ(w.Step(91, {f, g}), 0);
    circle = t.last_circle;
    lineText = "ED";
    pointText = "E";
    EXPECT_EQ(w.DoHorocycleThrough(lineText, pointText), 0);
    horocycle = t.last_horocycle;
  }
  int hypercycle = -1;
  int line = -1;
  int circle = -1;
  int horocycle = -1;
};

TEST_F(MouseConstruction, TheRightButtonAtACrossingWithAHyperbolicCurveMakesItsIntersection) {
  struct Case {
    int kind;
    int CurveFigure::*first;
    int CurveFigure::*second;
  };
  const Case cases[] = {{171, &CurveFigure::line, &CurveFigure::hypercycle},
                        {172, &CurveFigure::circle, &CurveFigure::hypercycle},
                        {177, &CurveFigure::horocycle, &CurveFigure::hypercycle}};
  for (const Case& k : cases) {
    // Where the two meet, as the step maker finds it in a twin window.
    Point2 crossing;
    {
      FixedView twin(1);
      const CurveFigure f(twin);
      const int before = twin.tables().last_point;
      ASSERT_EQ(twin.NewCurveIntersection(k.kind, f.*k.first, f.*k.second), 0) << k.kind;
      // A crossing no third object passes near.
      int made = -1;
      for (int x = before + 1; x <= twin.tables().last_point && made < 0; ++x) {
        const Point2 p = twin.tables().xy[x];
        const int near = twin.FindLinesAt(p).Any() + twin.FindCirclesAt(p).Any() + twin.FindHypercyclesAt(p).Any() +
                         twin.FindHorocyclesAt(p).Any();
        if (twin.tables().PointExists(x) && near == 2) made = x;
      }
      ASSERT_GE(made, 0) << k.kind;
      crossing = twin.tables().xy[made];
    }
    FixedView w(1);
    const CurveFigure f(w);
    const std::size_t steps = w.history().steps.size();
    w.RightClick(crossing.x, crossing.y);
    ASSERT_EQ(w.history().steps.size(), steps + 1) << k.kind;
    EXPECT_EQ(w.Kind(), k.kind);
    EXPECT_EQ(w.Last().operands[0], f.*k.first);
    EXPECT_EQ(w.Last().operands[1], f.*k.second);
  }
}

TEST_F(MouseConstruction, TheRightButtonOnALabelInTextModeRelabelsThePoint) {
  FixedView w;
  const int a = w.FreePoint(1, 1);
  w.FreePoint(-2, 1);
  w.AddTextItem("AB", -1, true);
  // A paint lays out the label boxes the click is tested against.
  {
    platform::Bitmap picture(w.ClientWidth(), w.ClientHeight());
    const std::unique_ptr<platform::DC> dc = picture.CreateDC();
    w.PaintInto(*dc);
  }
  const engine::PointNameRecord& name = w.tables().names[a];
  platform::PointI label = w.Pixel(1, 1);
  label.x += name.dx;
  label.y += name.dy;
  w.DispatchCommand(plane::kModeText);
  const std::size_t steps = w.history().steps.size();
  {
    platform::ScriptedResponder script;
    script.OnDialog("ONEINPUT", [](platform::Dialog& d) {
      EXPECT_EQ(d.GetItemText(211), "A");
      d.SetItemText(211, "q");
      d.PressButton(platform::IDOK);
    });
    w.Click(platform::MouseButton::Right, label);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  ASSERT_EQ(w.history().steps.size(), steps + 1);
  EXPECT_EQ(w.Kind(), 120);
  EXPECT_EQ(w.Name(a), "Q");
  EXPECT_EQ(w.textItems.measurements[0].text, "QB");
  EXPECT_TRUE(w.IsModified());

  // Undo and redo carry the texts back and forth.
  w.DispatchCommand(98);
  EXPECT_EQ(w.Name(a), "A");
  EXPECT_EQ(w.textItems.measurements[0].text, "AB");
  w.DispatchCommand(94);
  EXPECT_EQ(w.Name(a), "Q");
  EXPECT_EQ(w.textItems.measurements[0].text, "QB");

  // A label another point carries or no label at all is refused with its message; the point's
  // own label or Cancel make nothing.
  {
    platform::ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, "b"}}, platform::IDOK).AnswerMessage(platform::IDOK);
    script.FillAndPress("ONEINPUT", {{211, "?"}}, platform::IDOK).AnswerMessage(platform::IDOK);
    script.FillAndPress("ONEINPUT", {{211, "Q"}}, platform::IDOK);
    script.FillAndPress("ONEINPUT", {{211, "Z"}}, platform::IDCANCEL);
    for (int k = 0; k < 4; ++k) w.Click(platform::MouseButton::Right, label);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_EQ(script.Messages(), (std::vector<std::string>{"label in use", "cannot understand"}));
  }
  EXPECT_EQ(w.history().steps.size(), steps + 1);
  EXPECT_EQ(w.Name(a), "Q");
}

}  // namespace
