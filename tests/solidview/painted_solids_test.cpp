// The painted and hidden-line pictures of a solid: which points the observer sees, segments with
// their hidden runs, faces and their order, and the edge passes, on a recording painter and in
// the EPS and PiCTeX writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "kernel/vector3.h"
#include "platform/application.h"
#include "platform/key_poll.h"
#include "shell/child_windows.h"
#include "solidview/depth_keys.h"
#include "solidview/geom3_win.h"
#include "solidview/solid_window_opening.h"
#include "support/isolated_folders.h"
#include "view/eps_painter.h"
#include "view/export_output.h"
#include "view/pictex_painter.h"

namespace {

using kernel::Point2;
using kernel::Point3;
using kernel::Real;
using solidview::TGeom3Win;

// A window without a parent is its opener's to delete once it is closed.
struct CloseCubeWindow {
  void operator()(TGeom3Win* w) const {
    w->Destroy();
    platform::Application::ProcessPendingEvents();
    delete w;
  }
};
using CubeWindow = std::unique_ptr<TGeom3Win, CloseCubeWindow>;

// What reaches the target: segments with their pen, regions with their brush.
class PassRecorder : public view::FigurePainter {
 public:
  explicit PassRecorder(const view::ViewMapping& m) : FigurePainter(m) {}
  struct Line {
    Point2 p, q;
    view::LinePen pen;
  };
  struct Fill {
    std::vector<Point2> outline;
    view::FillBrush brush;
    view::LinePen pen;
  };
  std::vector<Line> lines;
  std::vector<Fill> fills;
  bool clips = true;

  int CountStyle(int style) const {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const Line& l) { return l.pen.style == style; }));
  }

 protected:
  bool DoSegment(const Point2& p, const Point2& q, bool) override {
    lines.push_back({p, q, state().pen});
    return true;
  }
  void DoRegion(std::span<const Point2> points, std::string_view, bool) override {
    fills.push_back({{points.begin(), points.end()}, state().brush, state().pen});
  }
  bool DoClipsToView() const override { return clips; }
  void DoText(platform::PointI, std::string_view, int, int, std::optional<kernel::ColorRef>) override {}
  platform::SizeI DoTextExtent(std::string_view) override { return {}; }
};

class PaintedSolids : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
    w = Cube();
    // The vertex nearest the observer and the one farthest from it.
    const engine::FigureTables& t = w->tables();
    Real nearest = 1e30L;
    Real farthest = -1;
    for (int i = 0; i <= t.last_point; ++i) {
      if (!t.exists[i]) continue;
      const Real d = kernel::Dist3(t.xyz[i], w->observer);
      if (d < nearest) nearest = d, near = t.xyz[i];
      if (d > farthest) farthest = d, far = t.xyz[i];
    }
    w->DrawAllFaces();
  }
  void TearDown() override {
    w.reset();
    shell::ChildWindows().fill(0);
    IsolatedFolders::TearDown();
  }
  // The unit cube: a prism of altitude 1 over the unit square.
  static CubeWindow Cube(int slot = 0) {
    plane::SolidHandOver cube;
    cube.prism = true;
    cube.base = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    cube.labels = {0, 1, 2, 3};
    cube.altitude = 1;
    return CubeWindow(static_cast<TGeom3Win*>(solidview::OpenSolidWindow(nullptr, "cube.kv3", slot, cube)));
  }
  engine::SolidTables& Faces() { return w->solid(); }
  // The face indices in the order their fills reached the painter (each face coloured by index).
  std::vector<int> PaintedFaceOrder(PassRecorder& painter) {
    for (int i = 0; i <= Faces().last_face; ++i) Faces().faces[static_cast<std::size_t>(i)].colour = static_cast<std::uint16_t>(10 + i);
    w->PaintDepthSorted(painter);
    std::vector<int> order;
    for (const PassRecorder::Fill& f : painter.fills) order.push_back(f.brush.color.index - 10);
    return order;
  }

  CubeWindow w;
  Point3 near;
  Point3 far;
};

TEST_F(PaintedSolids, TheObserverSeesTheNearCornerAndOnlyOpaqueFacesHideTheFarOne) {
  ASSERT_EQ(Faces().last_face, 5);
  EXPECT_TRUE(w->IsPointVisible(near));
  EXPECT_FALSE(w->IsPointVisible(far));
  // Seen through transparent faces, past faces of two vertices, and everything in Show hidden lines.
  for (int change = 0; change < 3; ++change) {
    CubeWindow fresh = Cube(1);
    fresh->DrawAllFaces();
    for (kernel::FaceRecord& face : fresh->solid().faces) {
      if (change == 0) face.transparent = 1;
      if (change == 1 && face.count > 2) face.count = 2;
    }
    if (change == 2) fresh->display.displayMode = solidview::kShowHiddenLines;
    EXPECT_TRUE(fresh->IsPointVisible(far)) << change;
  }
}

TEST_F(PaintedSolids, AFaceHidesAPixelOnlyWithinTheClientArea) {
  // The far corner lifted towards the observer, as the test does, and the faces that hide it.
  Point3 lift = w->observer - far;
  kernel::ScaleTo3(lift, 10 * w->modelEpsilon);
  const Point3 q = far + lift;
  const engine::PixelPoint pixel = w->PointToScreen(q);
  int hiding = -1;
  for (int i = 0; i <= Faces().last_face; ++i) {
    if (w->FaceHidesPoint(i, q, pixel.x, pixel.y)) hiding = i;
  }
  ASSERT_GE(hiding, 0);
  // The same face, its outline stretched beyond the client area, never hides a pixel outside it.
  std::vector<kernel::IntPoint2>& outline = w->faceOutlines.pixels[static_cast<std::size_t>(hiding)];
  outline = {{-50, -50}, {5000, -50}, {5000, 5000}, {-50, 5000}};
  w->faceOutlines.counts[static_cast<std::size_t>(hiding)] = 4;
  EXPECT_TRUE(w->FaceHidesPoint(hiding, q, pixel.x, pixel.y));
  EXPECT_FALSE(w->FaceHidesPoint(hiding, q, -1, pixel.y));
  EXPECT_FALSE(w->FaceHidesPoint(hiding, q, pixel.x, w->mapping.height));
}

TEST_F(PaintedSolids, ASegmentIntoTheSolidHasASolidRunAndADottedOneOnlyInTheDottedModes) {
  const view::LinePen seen{view::InkColor::Index(0), 1, view::kLineSolid};
  const view::LinePen hidden{view::InkColor::Index(0), 1, view::kLineDot};
  w->convexityAssumed = 0;
  struct Case {
    int mode;
    bool dotted;
  } cases[] = {{solidview::kPainted, false}, {solidview::kDotHiddenLines, true}, {solidview::kPaintedAndDotted, true},
               {solidview::kRayTraced, false}};
  for (const Case& c : cases) {
    w->display.displayMode = static_cast<std::uint16_t>(c.mode);
    PassRecorder painter(w->mapping);
    w->DrawSegmentHidden(painter, near, far, seen, hidden);
    EXPECT_EQ(painter.CountStyle(view::kLineSolid), 1) << c.mode;
    EXPECT_EQ(painter.CountStyle(view::kLineDot), c.dotted ? 1 : 0) << c.mode;
    // The runs meet and cover the segment.
    ASSERT_FALSE(painter.lines.empty());
    EXPECT_NEAR(painter.lines.front().p.x, w->ProjectToView(near).x, 1e-9L);
    if (c.dotted) {
      EXPECT_NEAR(painter.lines[0].q.x, painter.lines[1].p.x, 1e-12L);
      EXPECT_NEAR(painter.lines[1].q.y, w->ProjectToView(far).y, 1e-9L);
    }
  }
}

TEST_F(PaintedSolids, WithConvexityAssumedOnlyTheEndsAndTheMiddleDecide) {
  const view::LinePen seen{view::InkColor::Index(0), 1, view::kLineSolid};
  const view::LinePen hidden{view::InkColor::Index(0), 1, view::kLineDot};
  w->convexityAssumed = 1;
  w->display.displayMode = solidview::kDotHiddenLines;
  // A seen edge is one solid segment; the diagonal to the hidden corner one dotted segment.
  PassRecorder painter(w->mapping);
  const Point3 top = near;
  Point3 side = near;
  side.z = far.z;
  w->DrawSegmentHidden(painter, top, side, seen, hidden);
  w->DrawSegmentHidden(painter, near, far, seen, hidden);
  ASSERT_EQ(painter.lines.size(), 2u);
  EXPECT_EQ(painter.lines[0].pen.style, view::kLineSolid);
  EXPECT_EQ(painter.lines[1].pen.style, view::kLineDot);
  // Ray-traced: a segment not wholly seen is not drawn.
  w->display.displayMode = solidview::kRayTraced;
  PassRecorder traced(w->mapping);
  w->DrawSegmentHidden(traced, near, far, seen, hidden);
  EXPECT_TRUE(traced.lines.empty());
}

TEST_F(PaintedSolids, ASegmentReachingFarOutIsSampledOnlyWhereItIsInView) {
  const view::LinePen seen{view::InkColor::Index(0), 1, view::kLineSolid};
  w->convexityAssumed = 0;
  w->display.displayMode = solidview::kShowHiddenLines;
  PassRecorder painter(w->mapping);
  // Far off sideways, at the near corner's depth.
  const Point3 out = near + 1e6L * kernel::Cross3(w->frame.sight, Point3{0, 0, 1});
  w->DrawSegmentHidden(painter, near, out, seen, seen);
  ASSERT_EQ(painter.lines.size(), 1u);
  // It starts at the near corner and ends on the view widened by a pixel.
  EXPECT_NEAR(painter.lines[0].p.x, w->ProjectToView(near).x, 1e-9L);
  const kernel::Box2& box = w->mapping.box;
  const Point2 end = painter.lines[0].q;
  const Real slack = 1.01L * w->mapping.unitsPerPixelX;
  EXPECT_TRUE(end.x >= box.xmin - slack && end.x <= box.xmax + slack && end.y >= box.ymin - slack &&
              end.y <= box.ymax + slack);
}

TEST_F(PaintedSolids, FaceOutlinesAreCopiedWhenInsideAndCutWhenAVertexIsOutside) {
  const kernel::FaceRecord& face = Faces().faces[0];
  const std::uint16_t first = face.vertices[0];
  engine::FigureTables& t = w->tables();
  // A stored pixel inside the client area is copied as it stands.
  t.projected[first] = {3, 4};
  solidview::ProjectFacePolygon(t, Faces(), w->frame, w->mapping, 0, w->faceOutlines);
  ASSERT_EQ(w->faceOutlines.counts[0], face.count);
  EXPECT_EQ(w->faceOutlines.pixels[0][0].x, 3);
  EXPECT_EQ(w->faceOutlines.pixels[0][0].y, 4);
  // One outside: the whole face is cut from its view-plane outline, which lies in view.
  t.projected[first] = {-100, -100};
  solidview::ProjectFacePolygon(t, Faces(), w->frame, w->mapping, 0, w->faceOutlines);
  ASSERT_GE(w->faceOutlines.counts[0], 3);
  for (int k = 0; k < w->faceOutlines.counts[0]; ++k) {
    const kernel::IntPoint2& p = w->faceOutlines.pixels[0][static_cast<std::size_t>(k)];
    EXPECT_TRUE(view::PixelInClient(w->mapping, p.x, p.y)) << p.x << "," << p.y;
  }
}

TEST_F(PaintedSolids, AFaceIsFilledInItsColourOutlinedByTheOutlinesOptionAndHollowWhenTransparent) {
  kernel::FaceRecord& face = Faces().faces[0];
  face.colour = 7;
  struct Case {
    std::uint8_t outlines, transparent;
    view::InkColor pen;
  } cases[] = {{1, 0, view::InkColor::Value(0)}, {0, 0, view::InkColor::Index(7)}, {1, 1, view::InkColor::Value(0)}};
  for (const Case& c : cases) {
    w->display.outlinesOn = c.outlines;
    face.transparent = c.transparent;
    PassRecorder painter(w->mapping);
    w->DrawFace(painter, 0);
    ASSERT_EQ(painter.fills.size(), 1u);
    EXPECT_EQ(painter.fills[0].brush.filled, c.transparent == 0);
    EXPECT_EQ(painter.fills[0].brush.color, view::InkColor::Index(7));
    EXPECT_EQ(painter.fills[0].pen.color, c.pen);
    EXPECT_EQ(painter.fills[0].outline.size(), static_cast<std::size_t>(face.count));
  }
  // Fewer than three pixel points, or a face that does not exist: nothing.
  w->faceOutlines.counts[0] = 2;
  PassRecorder degenerate(w->mapping);
  w->DrawFace(degenerate, 0);
  w->DrawAllFaces();
  face.visible = 0;
  w->DrawFace(degenerate, 0);
  EXPECT_TRUE(degenerate.fills.empty());
}

TEST_F(PaintedSolids, TheEpsFileHoldsAClosedFaceFill) {
  view::StringOutput eps;
  {
    view::EpsPainter painter(eps, w->mapping, view::VectorExportSettings{});
    w->DrawFace(painter, 0);
  }
  const std::string& text = eps.text();
  const std::size_t begin = text.find("% begin face fill");
  ASSERT_NE(begin, std::string::npos) << text;
  const std::size_t move = text.find(" moveto", begin);
  const std::size_t lineStart = text.rfind('\n', move) + 1;
  const std::string first = text.substr(lineStart, move - lineStart);
  const std::size_t fill = text.find("fill", move);
  // The path comes back to its first point before it is filled.
  EXPECT_NE(text.rfind(first + " lineto", fill), std::string::npos) << text;
}

TEST(DepthKeys, FacesByCentroidMissingFacesZeroAndASphereByItsParameter) {
  engine::FigureTables t;
  engine::SolidTables s;
  s.Allocate();
  t.last_point = 1;
  t.xyz[0] = {0, 0, 0};
  t.xyz[1] = {0, 0, 2};
  const std::array<std::uint16_t, 3> triangle{0, 1, 0};
  kernel::InitFaceListFrom(s.faces[0], 3, triangle);
  kernel::InitFaceListFrom(s.faces[1], 3, triangle);
  s.faces[1].visible = 0;
  s.last_face = 1;
  kernel::InitSurfaceRecord(s.surfaces[0], kernel::kSurfaceSphere, 0, 1, 0, 0, 0, 0, -1, -1);
  kernel::InitSurfaceRecord(s.surfaces[1], kernel::kSurfaceMeridian, 0, 1, 0, 0, 0, 0, -1, -1);
  s.last_surface = 1;
  const Point3 eye{0, 0, 10};
  std::vector<Real> keys(4);
  std::vector<Point3> centroids(2);
  for (const auto& [t1, expected] : {std::pair<Real, Real>{-1, 10}, {1, 8}, {0, 9}}) {
    s.surfaces[0].param1 = t1;
    solidview::DepthKeys(t, s, eye, keys, centroids);
    EXPECT_NEAR(keys[2], expected, 1e-15L) << t1;
  }
  EXPECT_NEAR(keys[0], Real{10} - Real{2} / 3, 1e-15L);
  EXPECT_EQ(keys[1], 0);
  EXPECT_EQ(centroids[1].z, eye.z);
  EXPECT_EQ(keys[3], 0);  // a meridian is not in the painter's order
}

TEST_F(PaintedSolids, FacesArePaintedFarthestFirstAndBackFacesOfOneConvexSolidLeftOut) {
  w->convexityAssumed = 0;
  PassRecorder all(w->mapping);
  const std::vector<int> order = PaintedFaceOrder(all);
  ASSERT_EQ(order.size(), 6u);
  std::vector<Real> keys(6);
  std::vector<Point3> centroids(6);
  solidview::DepthKeys(w->tables(), Faces(), w->observer, keys, centroids);
  for (std::size_t k = 1; k < order.size(); ++k) EXPECT_GE(keys[order[k - 1]], keys[order[k]]);
  // Convexity assumed: only the three faces turned to the observer.
  w->convexityAssumed = 1;
  PassRecorder front(w->mapping);
  EXPECT_EQ(PaintedFaceOrder(front).size(), 3u);
  // A curved element in the figure: every face again.
  kernel::InitSurfaceRecord(Faces().surfaces[0], kernel::kSurfaceMeridian, 0, 1, 0, 0, 0, 0, -1, -1);
  Faces().last_surface = 0;
  PassRecorder withCurve(w->mapping);
  EXPECT_EQ(PaintedFaceOrder(withCurve).size(), 6u);
  // A single face is painted without a sort.
  Faces().last_surface = -1;
  Faces().last_face = 0;
  PassRecorder single(w->mapping);
  EXPECT_EQ(PaintedFaceOrder(single), std::vector<int>{0});
}

TEST_F(PaintedSolids, APiCTeXFileTakesEdgesAndShadingInsteadOfFills) {
  for (kernel::FaceRecord& face : Faces().faces) face.colour = 5;
  w->ComputePointVisibility();
  w->exports.running = view::ExportKind::PiCTeX;
  view::StringOutput tex;
  {
    view::PiCTeXPainter painter(w->mapping, tex, view::PiCTeXPicture{});
    w->PaintDepthSorted(painter);
  }
  w->exports.running = view::ExportKind::None;
  const std::string& text = tex.text();
  EXPECT_NE(text.find("shade"), std::string::npos) << text;
  EXPECT_TRUE(text.find("\\plot") != std::string::npos || text.find("\\putrule") != std::string::npos) << text;
  EXPECT_EQ(text.find("begin face fill"), std::string::npos);
}

TEST_F(PaintedSolids, QStopsTheHiddenLinePassAfterTheEdgeItIsOnAndTheCaptionComesBack) {
  w->display.displayMode = solidview::kDotHiddenLines;
  w->convexityAssumed = 0;
  w->UpdateCaption(false);
  const std::string caption = w->Caption();
  PassRecorder whole(w->mapping);
  w->DrawEdgesHidden(whole);
  EXPECT_EQ(w->modelTables.last_edge, 11);
  EXPECT_EQ(whole.CountStyle(view::kLineDot), 3);

  platform::PostKeyPressForTesting(w.get(), 'Q', 0, "q");
  PassRecorder stopped(w->mapping);
  w->DrawEdgesHidden(stopped);
  EXPECT_GE(stopped.lines.size(), 1u);
  EXPECT_LT(stopped.lines.size(), whole.lines.size());
  EXPECT_EQ(w->Caption(), caption);
}

TEST_F(PaintedSolids, HaloedEdgesGoFarthestFirstEachOverItsBackgroundBand) {
  w->display.displayMode = solidview::kShowHiddenLines;
  PassRecorder painter(w->mapping);
  w->DrawEdgesHaloed(painter);
  ASSERT_EQ(painter.lines.size(), 24u);
  std::vector<Real> keys(12);
  solidview::EdgeDepthKeys(w->tables(), w->modelTables, w->observer, keys);
  Real previous = 1e30L;
  for (std::size_t k = 0; k < painter.lines.size(); k += 2) {
    const PassRecorder::Line& band = painter.lines[k];
    const PassRecorder::Line& edge = painter.lines[k + 1];
    EXPECT_EQ(band.pen.width, 4);
    EXPECT_EQ(band.pen.color, view::InkColor::Value(w->Color(w->preWin.roles[0])));
    EXPECT_EQ(edge.pen.width, 1);
    EXPECT_EQ(band.p.x, edge.p.x);
    // The edge's distance: its midpoint, found among the keys by its ends.
    Real key = -1;
    for (int e = 0; e <= w->modelTables.last_edge; ++e) {
      const solid::EdgeRecord& r = w->modelTables.edges[static_cast<std::size_t>(e)];
      const Point2 a = w->tables().xy[r.a];
      const Point2 b = w->tables().xy[r.b];
      if ((a.x == edge.p.x && a.y == edge.p.y && b.x == edge.q.x) || (b.x == edge.p.x && b.y == edge.p.y && a.x == edge.q.x)) {
        key = keys[static_cast<std::size_t>(e)];
      }
    }
    EXPECT_LE(key, previous);
    previous = key;
  }
}

}  // namespace
