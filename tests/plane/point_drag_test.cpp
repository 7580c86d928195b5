// Dragging points with the mouse on a fixed view: a free vertex ends at the world point of the
// release pixel and what is built on it follows; a point on a segment stops at its ends unless
// Autoextend is on; a group moves rigidly; a fixed point moves the view; rotation turns free
// points and leaves bound ones; closing the window mid-drag ends the drag; and the picture the
// drag paints in two layers is the picture a whole repaint gives, with the fills, texts and
// markings on what moves following it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "engine/step_dependencies.h"
#include "engine/windows/markings.h"
#include "kernel/vector2.h"
#include "plane/drag_repaint.h"
#include "plane_window.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"
#include "view/text_item.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using PointDrag = IsolatedFolders;

struct DragWindow : PlaneWindow {
  DragWindow() : PlaneWindow(0) {
    SetView(0, 0, 5, 5, false);
    UpdateView();
    DispatchCommand(plane::kModeDragVertices);
  }
  platform::PointI Pixel(const Point2& p) const {
    platform::PointI q;
    WorldToPixel(p, q);
    return q;
  }
  // Presses at `from`, moves through `through` and lets go at the last of them; `during` runs
  // inside the drag after the moves.
  void Drag(const Point2& from, std::vector<platform::PointI> through, std::function<void()> during = {}) {
    platform::ScriptedResponder script;
    script.OnLoop([&](platform::ModalLoop& loop) {
      platform::MouseEvent e;
      e.leftDown = true;
      for (std::size_t k = 0; k + 1 < through.size(); ++k) {
        e.x = through[k].x;
        e.y = through[k].y;
        loop.FeedMouseMove(e);
      }
      if (during) during();
      if (!loop.running()) return;
      e.x = through.back().x;
      e.y = through.back().y;
      e.leftDown = false;
      loop.FeedMouseUp(e);
    });
    platform::MouseEvent down;
    const platform::PointI p = Pixel(from);
    down.x = p.x;
    down.y = p.y;
    down.leftDown = true;
    DeliverMouseDown(down);
  }
  // The moving flags of a drag of point d, as the drag sets them.
  void MarkDragOf(int d) {
    const std::uint16_t moved[] = {static_cast<std::uint16_t>(d)};
    engine::DownstreamFinder finder;
    MarkMovingObjects(finder.Find(history(), stepEngine.ends, moved), moved);
  }
  // Paints a drag of point d through three places in the two layers the moving flags give and
  // counts the pixels where the last frame differs from a whole repaint; `frame` sees each box
  // repainted.
  int LayeredDragDifference(int d, const std::function<void(const platform::Rect&)>& frame = {}) {
    const std::uint16_t moved[] = {static_cast<std::uint16_t>(d)};
    platform::Bitmap screen(ClientWidth(), ClientHeight());
    const std::unique_ptr<platform::DC> dc = screen.CreateDC();
    plane::DragRepaint picture(*this, -1);
    picture.Begin(*dc);
    for (const Point2& to : {Point2{2.5L, 2.2L}, Point2{3.5L, 2}, Point2{3.4L, 2.6L}}) {
      tables().xy[d] = to;
      ReplayMovedPoints(moved);
      const platform::Rect box = picture.Frame(*dc);
      if (frame) frame(box);
    }
    moving = {};
    platform::Bitmap whole(ClientWidth(), ClientHeight());
    PaintInto(*whole.CreateDC());
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y) {
      for (int x = 0; x < whole.width(); ++x) differing += screen.GetPixel(x, y) != whole.GetPixel(x, y);
    }
    return differing;
  }
};

TEST_F(PointDrag, AFreeVertexEndsAtTheReleasePixelAndItsCircumcircleFollows) {
  DragWindow w;
  const int a = w.FreePoint(-2, 0);
  const int b = w.FreePoint(2, 0);
  const int c = w.FreePoint(0, 2);
  ASSERT_EQ(w.Step(131, {a, b, c, 0, 0, 0}), 0);  // circumcentre and circumcircle
  w.fileMsg.modified = 0;
  const platform::PointI release{w.Pixel({1, 3}).x + 3, w.Pixel({1, 3}).y - 2};
  w.Drag({0, 2}, {{250, 100}, release});
  const Point2 expected{w.XToWorld(release.x), w.YToWorld(release.y)};
  EXPECT_EQ(w.tables().xy[c], expected);
  // The circle passes through the three vertices again.
  const Point2 centre = w.tables().xy[w.tables().circles[0].centre];
  const Real r = kernel::Dist2(centre, w.tables().xy[a]);
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(centre, w.tables().xy[c])), static_cast<double>(r), 1e-12);
  EXPECT_EQ(w.fileMsg.modified, 1);
  EXPECT_EQ(w.history().steps.size(), 4u);  // dragging makes no step
}

TEST_F(PointDrag, APointOnASegmentStopsAtItsEndsUnlessAutoextendIsOn) {
  DragWindow w;
  const int a = w.FreePoint(-2, 0);
  const int b = w.FreePoint(2, 0);
  ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);
  w.tables().attrs[w.tables().last_point + 1].value = 0.5L;
  ASSERT_EQ(w.Step(201, {a, b, 0}), 0);
  const int p = w.tables().last_point;
  w.Drag({0, 0}, {w.Pixel({3, 0.5L}), w.Pixel({4, 1})});
  EXPECT_EQ(w.tables().xy[p], w.tables().xy[b]);
  EXPECT_EQ(w.tables().attrs[p].value, 1);
  // Back in the middle (a press at B would take B, the first point there).
  auto middle = [&] {
    w.tables().attrs[p].value = 0.5L;
    w.ReplayConstruction(true);
  };
  middle();
  w.Drag({0, 0}, {w.Pixel({-4, 0.2L})});
  EXPECT_EQ(w.tables().xy[p], w.tables().xy[a]);
  middle();
  w.DispatchCommand(plane::kCmdAutoextend);
  w.Drag({0, 0}, {w.Pixel({-3, 0.3L})});
  EXPECT_NEAR(static_cast<double>(w.tables().attrs[p].value), -0.25, 0.01);
  EXPECT_NEAR(static_cast<double>(w.tables().xy[p].y), 0, 1e-15);  // still on the line
}

TEST_F(PointDrag, AGroupMovesRigidlyAndAFixedPointMovesTheView) {
  DragWindow w;
  // A grid of two by two dots: one group.
  ASSERT_EQ(w.Step(66, {2, 2, -1, 0, 0, 0}, {"1", "1", "0"}), 0);
  const engine::FigureTables& t = w.tables();
  const Point2 a = t.xy[0];
  const Point2 b = t.xy[1];
  const Point2 c = t.xy[2];
  ASSERT_GT(t.attrs[0].tag, 0);
  const platform::PointI to{w.Pixel(a).x + 40, w.Pixel(a).y - 20};
  w.Drag(a, {to});
  const Point2 d = t.xy[0] - a;
  EXPECT_NEAR(static_cast<double>(d.x), 40 * 0.025, 0.03);
  EXPECT_EQ(t.xy[1] - b, d);
  EXPECT_EQ(t.xy[2] - c, d);

  // A point given by coordinates cannot move: dragging it moves the view the other way.
  DragWindow v;
  ASSERT_EQ(v.Step(122, {}, {"1", "1"}), 0);
  const Point2 centre = v.mapping.centre;
  v.Drag({1, 1}, {{v.Pixel({1, 1}).x + 40, v.Pixel({1, 1}).y}});
  EXPECT_EQ(v.tables().xy[0], (Point2{1, 1}));
  EXPECT_NEAR(static_cast<double>(v.mapping.centre.x - centre.x), -1.0, 0.03);
}

TEST_F(PointDrag, RotationTurnsFreePointsAboutTheCentreAndLeavesBoundOnes) {
  DragWindow w;
  const int a = w.FreePoint(2, 0);
  const int b = w.FreePoint(-2, 0);
  ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);
  w.tables().attrs[w.tables().last_point + 1].value = 0.25L;
  ASSERT_EQ(w.Step(201, {a, b, 0}), 0);
  const int bound = w.tables().last_point;
  w.DispatchCommand(plane::kModeRotation);
  ASSERT_EQ(w.ToolbarMode(), plane::kModeRotation);
  platform::MouseEvent right;
  right.button = platform::MouseButton::Right;
  right.x = w.Pixel({0, 0}).x;
  right.y = w.Pixel({0, 0}).y;
  w.DeliverMouseDown(right);
  EXPECT_NEAR(static_cast<double>(w.rotationCentre.x), 0, 0.03);
  w.rotationCentre = {0, 0};
  w.Drag({2, 0}, {w.Pixel({0, 3})});  // a quarter turn
  EXPECT_NEAR(static_cast<double>(w.tables().xy[a].x), 0, 1e-12);
  EXPECT_NEAR(static_cast<double>(w.tables().xy[a].y), 2, 1e-12);
  const Point2 before = w.tables().xy[bound];
  w.Drag(before, {w.Pixel({0, -3})});
  EXPECT_EQ(w.tables().xy[bound], before);
  // A press on the centre itself does nothing.
  w.fileMsg.modified = 0;
  const int o = w.FreePoint(0, 0);
  w.fileMsg.modified = 0;
  w.Drag({0, 0}, {w.Pixel({1, 1})});
  EXPECT_EQ(w.tables().xy[o], (Point2{0, 0}));
}

TEST_F(PointDrag, ClosingTheWindowEndsTheDragCleanly) {
  auto* w = new DragWindow;
  w->FreePoint(0, 0);
  w->Drag({0, 0}, {{230, 190}, {240, 180}}, [w] { w->RequestClose(); });
  EXPECT_FALSE(w->dragging);
  EXPECT_EQ(w->moving.points.size(), 0u);
  w->fileMsg.modified = 0;  // no save question
  platform::Application::ProcessPendingEvents();
  if (!w->IsDestroyed()) w->Destroy();
  delete w;
}

// The two-layer picture of a drag: after several moves it is the picture a whole repaint gives,
// the old places of the moving objects restored from the still part, and the marker of a still
// point that a moving segment ends at and a still text it passes under still drawn over it.
TEST_F(PointDrag, TheDragPictureIsTheWholePicture) {
  DragWindow w;
  const int a = w.FreePoint(-4, -4);
  const int b = w.FreePoint(-3, -4);
  ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);  // still, away from what moves
  const int c = w.FreePoint(2, 2);
  const int d = w.FreePoint(3, 3);
  ASSERT_EQ(w.Step(91, {c, d, -1, 0, 0, 0}), 0);
  ASSERT_EQ(w.Step(111, {c, d, -1, 0, 0, 0}), 0);
  // A still text that the segment passes under.
  view::TextItem over;
  over.text = "over CD";
  over.tie = view::kTieFigure;
  over.x = 2.5L;
  over.y = 2.45L;
  w.textItems.plain.push_back(over);
  w.MarkDragOf(d);
  ASSERT_EQ(w.moving.points[c], 0);
  EXPECT_EQ(w.LayeredDragDifference(d, [&w](const platform::Rect& box) {
    EXPECT_FALSE(box.IsEmpty());
    EXPECT_LT(box.Width(), w.ClientWidth() / 2);  // only what moved
  }), 0);
}

TEST_F(PointDrag, FillsAndTextsOnMovingPointsFollowTheDrag) {
  for (const bool filled : {false, true}) {
    DragWindow w;
    const int a = w.FreePoint(-4, -4);
    const int b = w.FreePoint(-3, -4);
    ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);
    const int c = w.FreePoint(2, 2);
    const int d = w.FreePoint(3, 3);
    ASSERT_EQ(w.Step(91, {c, d, -1, 0, 0, 0}), 0);
    if (filled) {
      kernel::FillRecord fill;
      kernel::InitFillRecord(fill);
      fill.mode = kernel::kFillPolygon;
      fill.style = 4;
      fill.vertices[0] = static_cast<std::uint16_t>(a);
      fill.vertices[1] = static_cast<std::uint16_t>(c);
      fill.vertices[2] = static_cast<std::uint16_t>(d);
      fill.vertices[3] = kernel::kFillListEnd;
      w.fills.push_back(fill);
    }
    // A text tied to D, one on the figure away from it, and the measured length CD.
    view::TextItem tied;
    tied.text = "tied";
    tied.tie = static_cast<std::int16_t>(d);
    tied.x = 0.2L;
    tied.y = 0.2L;
    w.textItems.plain.push_back(tied);
    view::TextItem still = tied;
    still.text = "still";
    still.tie = view::kTieFigure;
    still.x = -4;
    still.y = 4;
    w.textItems.plain.push_back(still);
    w.AddTextItem("CD", -1, true);

    const std::uint16_t moved[] = {static_cast<std::uint16_t>(d)};
    const std::vector<int> positions{5};
    w.MarkMovingObjects(positions, moved);
    EXPECT_TRUE(w.TextMoves(w.textItems.plain, w.textItems.plain[0]));
    EXPECT_FALSE(w.TextMoves(w.textItems.plain, w.textItems.plain[1]) && !filled);
    EXPECT_EQ(w.moving.lines[0] != 0, filled);  // a moving fill moves the whole figure
    EXPECT_EQ(w.LayeredDragDifference(d), 0) << filled;
  }
}

// Ticks, arrowheads, arcs, brackets and rays on what a drag moves are drawn with the moving
// objects, also when what moves is a constructed point they are drawn from; a marking on still
// objects stays in the still picture.
TEST_F(PointDrag, MarkingsOnMovingObjectsFollowTheDrag) {
  enum Place { kOnCD, kAtC, kOnMidpointSegment };
  struct Case {
    int type;  // kind + 10 x size step
    Place place;
  };
  const Case cases[] = {
      {1, kOnCD},  {2, kOnCD},  {5, kOnCD},  {13, kAtC},  {4, kAtC}, {6, kAtC},
      {201, kOnCD},  // the largest size step
      {1, kOnMidpointSegment},
  };
  for (const Case& c : cases) {
    DragWindow w;
    const int a = w.FreePoint(-4, -4);
    const int b = w.FreePoint(-3, -4);
    ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);
    const int ab = w.tables().last_line;
    const int pc = w.FreePoint(2, 2);
    const int pd = w.FreePoint(3, 3);
    const int pe = w.FreePoint(3.5L, 1);
    ASSERT_EQ(w.Step(111, {pc, pd, -1, 0, 0, 0}), 0);
    const int cd = w.tables().last_line;
    ASSERT_EQ(w.Step(101, {pc, pd}, {"0.5"}), 0);
    const int m = w.tables().last_point;
    ASSERT_EQ(w.Step(111, {m, pe, -1, 0, 0, 0}), 0);
    const int me = w.tables().last_line;
    const auto i16 = [](int v) { return static_cast<std::int16_t>(v); };
    const std::uint16_t type = static_cast<std::uint16_t>(c.type);
    engine::MarkingFields marking;
    switch (c.place) {
      case kOnCD: marking = {i16(pc), i16(pd), i16(cd), type, 3}; break;
      case kAtC: marking = {i16(pd), i16(pc), i16(pe), type, 3 + 100 * 4}; break;
      case kOnMidpointSegment: marking = {i16(m), i16(pe), i16(me), type, 2}; break;
    }
    w.markings.push_back(engine::MarkingOfFields(marking));
    const engine::MarkingFields still{i16(a), i16(b), i16(ab), 1, 2};
    w.markings.push_back(engine::MarkingOfFields(still));

    w.MarkDragOf(pd);
    EXPECT_TRUE(w.MarkingMoves(marking)) << c.type;
    EXPECT_FALSE(w.MarkingMoves(still));
    EXPECT_EQ(w.LayeredDragDifference(pd, [&w](const platform::Rect& box) {
      EXPECT_LT(box.Width(), w.ClientWidth() / 2);  // the still marking is not drawn again
    }), 0) << c.type << " " << c.place;
  }
}

TEST_F(PointDrag, DraggedImagesOfAMagnifiedCopyStayWhereTheyAreLeft) {
  DragWindow w;
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);
  auto copy = [&w] {
    kernel::ConstructionRecord& step = w.history().BeginStep(90);
    step.parameters[0] = 2;
    step.text[0] = "2";
    step.text[1] = "AB";
    ASSERT_EQ(w.RunNewStep(), 0);
  };
  copy();
  const int image = 2;
  // The copy is put where the drag can reach it, then dragged by its first image.
  const Point2 from{-3, 3};
  const Point2 shift = from - w.tables().xy[image];
  w.tables().xy[image] = from;
  w.tables().xy[image + 1] = w.tables().xy[image + 1] + shift;
  const std::uint16_t images[] = {image, image + 1};
  w.KeepMagnifiedCopyPlaces(images, false);
  w.ReplayConstruction(true);
  ASSERT_EQ(w.tables().xy[image], from);
  w.Drag(from, {w.Pixel({-2.5L, 3}), w.Pixel({-2, 2})});
  const Point2 left = w.tables().xy[image];
  const Point2 other = w.tables().xy[image + 1];
  EXPECT_NEAR(static_cast<double>(left.x), -2, 0.03);
  EXPECT_NEAR(static_cast<double>(left.y), 2, 0.03);
  // Every later run of the copy keeps it there, a second copy of the same points included.
  w.ReplayConstruction(true);
  EXPECT_EQ(w.tables().xy[image], left);
  EXPECT_EQ(w.tables().xy[image + 1], other);
  copy();
  w.ReplayConstruction(true);
  EXPECT_EQ(w.tables().xy[image], left);
  EXPECT_EQ(w.tables().xy[image + 1], other);
}

// A conic through or from a dragged point is drawn with the moving objects, one on still points
// with the still picture; a conic by an equation that reads the figure moves with anything.
TEST_F(PointDrag, ConicsOnMovingPointsFollowTheDrag) {
  enum Kind { kTwoFoci, kThreePoint, kFivePoint, kEquation };
  for (const Kind kind : {kTwoFoci, kThreePoint, kFivePoint, kEquation}) {
    DragWindow w;
    const int a = w.FreePoint(-4, -4);
    const int b = w.FreePoint(-3, -4);
    const int c = w.FreePoint(2, 2);
    const int d = w.FreePoint(3, 3);
    const int e = w.FreePoint(3.5L, 1);
    const int f = w.FreePoint(1.5L, 1.2L);
    const int g = w.FreePoint(2.6L, 0.4L);
    // A still conic of each list keeps its place in the still picture.
    w.conics.twoFoci.push_back(plane::MakeDefinition({{a, b, b}, 1, plane::kDefinitionTwoFoci, "0.5", 0}));
    w.conics.equations.push_back(plane::MakeEquationRecord({"1", "0", "1", "0", "0", "-1"}, 0));
    switch (kind) {
      case kTwoFoci:
        w.conics.twoFoci.push_back(plane::MakeDefinition({{c, d, d}, 4, plane::kDefinitionTwoFoci, "0.5", 0}));
        break;
      case kThreePoint:
        w.conics.threePoint.push_back(plane::MakeDefinition({{c, d, e}, 4, plane::kDefinitionEllipse, "", 0}));
        break;
      case kFivePoint: w.conics.fivePoint.push_back(plane::MakeFivePointRecord({c, d, e, f, g}, 4)); break;
      case kEquation: {
        // x^2 + y^2 = CD^2: the circle about the origin of radius CD.
        kernel::Real value = 0;
        ASSERT_EQ(w.ParseNumber("-CD*CD", value), 0);
        EXPECT_NEAR(static_cast<double>(value), -2, 1e-12);
        w.conics.equations.push_back(plane::MakeEquationRecord({"1", "0", "1", "0", "0", "-CD*CD"}, 4));
        break;
      }
    }
    w.MarkDragOf(d);
    EXPECT_EQ(w.LayeredDragDifference(d), 0) << kind;
  }
}

}  // namespace
