// The figure level of a window in space: faces painted farthest first, and the edge passes of the
// hidden-line modes, on the screen, the printer and the exports alike.
#include <algorithm>

#include "kernel/segment_clip.h"
#include "kernel/vector3.h"
#include "solidview/depth_keys.h"
#include "solidview/geom_q_win.h"

namespace solidview {

namespace {

using kernel::Point2;
using kernel::Point3;
using kernel::Real;

// Keys at or below this keep an element out of the painter's order.
constexpr Real kKeyTolerance = static_cast<Real>(1e-13);
// The caption's "press Q to quit".
constexpr int kStatusQuit = 1;
// Colour indices: the colour of lines, and white, which a PiCTeX file leaves unshaded (and
// printing takes as the background).
constexpr int kLineColour = 0;
constexpr int kWhite = 1;

constexpr view::LinePen kBlackSolid{view::InkColor::Value(0), 1, view::kLineSolid};
constexpr view::LinePen kBlackDotted{view::InkColor::Value(0), 1, view::kLineDot};

}  // namespace

int TGeomQWin::HighestPointTag() const {
  const engine::FigureTables& t = tables();
  int highest = 0;
  for (int i = 0; i <= t.last_point; ++i) {
    if (t.exists[i]) highest = std::max<int>(highest, t.attrs[static_cast<std::size_t>(i)].tag);
  }
  return highest;
}

void TGeomQWin::PaintFigure(view::FigurePainter& painter) {
  // The space axes, the curved elements, the markings and the tracings join this pass with their
  // own drawers.
  if (history().steps.empty()) return;
  DrawAllFaces();
  ComputePointVisibility();
  const int mode = display.displayMode;
  if (mode == kPainted || mode == kPaintedAndDotted) PaintDepthSorted(painter);
  if (mode == kDotHiddenLines || mode == kPaintedAndDotted) DrawEdgesHidden(painter);
  if (mode == kShowHiddenLines) DrawEdgesHaloed(painter);
  if (mode == kPaintedAndDotted || (display.outlinesOn && (mode == kPainted || mode == kRayTraced))) {
    DrawEdgesHiddenDotted(painter);
  }
}

void TGeomQWin::PaintAll(view::FigurePainter& painter) {
  TGeomPSWin::PaintAll(painter);
  DrawLabels(painter, -1, false);
}

void TGeomQWin::DrawAllFaces() {
  const engine::SolidTables& s = solid();
  faceOutlines.Reserve(static_cast<std::size_t>(s.last_face + 1));
  for (int face = 0; face <= s.last_face; ++face) ProjectFacePolygon(tables(), s, frame, mapping, face, faceOutlines);
}

void TGeomQWin::ComputePointVisibility() {
  const engine::FigureTables& t = tables();
  pointVisible.resize(std::max<std::size_t>(pointVisible.size(), static_cast<std::size_t>(t.last_point + 1)));
  const int mode = display.displayMode;
  const bool all = mode == kShowHiddenLines ||
                   (display.labelsInDottedMode && (mode == kDotHiddenLines || mode == kPaintedAndDotted));
  for (int i = 0; i <= t.last_point; ++i) pointVisible[static_cast<std::size_t>(i)] = all || IsPointVisible(t.xyz[i]);
}

void TGeomQWin::DrawFace(view::FigurePainter& painter, int face) {
  const kernel::FaceRecord& record = solid().faces[static_cast<std::size_t>(face)];
  const auto f = static_cast<std::size_t>(face);
  if (!record.visible || f >= faceOutlines.counts.size() || faceOutlines.counts[f] < 3) return;
  const view::InkColor colour = view::InkColor::Index(record.colour);
  painter.SetBrush({record.transparent == 0, colour, 0});
  painter.SetPen({display.outlinesOn ? view::InkColor::Value(0) : colour, record.style.a, view::kLineSolid});
  if (painter.ClipsToView()) {
    // The screen: the pixel outline the projection gave.
    outline_.clear();
    for (int k = 0; k < faceOutlines.counts[f]; ++k) {
      const kernel::IntPoint2& pixel = faceOutlines.pixels[f][static_cast<std::size_t>(k)];
      outline_.push_back(view::PixelToWorld(mapping, {pixel.x, pixel.y}));
    }
  } else {
    FaceViewOutline(tables(), solid(), mapping, face, outline_);
    if (outline_.size() < 3) return;
  }
  painter.Region(outline_, "face", false);
}

void TGeomQWin::PaintDepthSorted(view::FigurePainter& painter) {
  const engine::SolidTables& s = solid();
  const int faces = s.last_face + 1;
  const int n = faces + s.last_surface + 1;
  if (n <= 0) return;
  if (Exporting(view::ExportKind::PiCTeX)) {
    // No opaque fills in TeX: the edges with their hidden parts, and the faces shaded.
    DrawEdgesHidden(painter);
    TeXShadeFaces(painter);
    return;
  }
  painter.Save();
  keys_.assign(static_cast<std::size_t>(n), 0);
  centroids_.assign(static_cast<std::size_t>(std::max(faces, 0)), Point3{});
  order_.assign(static_cast<std::size_t>(n), 0);
  DepthKeys(tables(), s, observer, keys_, centroids_);
  if (n >= 2) {
    kernel::InitSortKeys(sortKeys_, keys_, kernel::kSortDescending);
    kernel::HeapSortIndices(sortKeys_, order_);
  }
  // One solid and nothing curved: a face whose centroid is hidden is a back face of a convex
  // solid and is not drawn at all.
  const bool backFacesHidden = convexityAssumed && s.last_surface < 0 && HighestPointTag() <= 1;
  for (const std::uint32_t k : order_) {
    if (!(keys_[k] > kKeyTolerance)) continue;
    if (static_cast<int>(k) >= faces) {
      const kernel::SurfaceRecord& surface = s.surfaces[k - static_cast<std::size_t>(faces)];
      if (surface.active) DrawSurface(painter, static_cast<int>(k) - faces);
    } else if (!backFacesHidden || IsPointVisible(centroids_[k])) {
      DrawFace(painter, static_cast<int>(k));
    }
  }
  painter.Restore();
}

void TGeomQWin::DrawEdgesHiddenDotted(view::FigurePainter& painter) {
  const int last = solid::BuildEdgeList(solid(), modelTables, edgeScratch_);
  const std::uint8_t convexity = convexityAssumed;
  convexityAssumed = 0;
  painter.Save();
  const engine::FigureTables& t = tables();
  for (int e = 0; e <= last; ++e) {
    const solid::EdgeRecord& edge = modelTables.edges[static_cast<std::size_t>(e)];
    DrawSegmentHidden(painter, t.xyz[edge.a], t.xyz[edge.b], kBlackSolid, kBlackDotted);
  }
  painter.Restore();
  convexityAssumed = convexity;
}

void TGeomQWin::DrawEdgesHidden(view::FigurePainter& painter) {
  if (solid().last_face < 0) return;
  const int last = solid::BuildEdgeList(solid(), modelTables, edgeScratch_);
  const bool announce = !LongOperationRunning();
  if (announce) CaptionStatus(kStatusQuit);
  const view::LinePen solidPen{view::InkColor::Index(kLineColour), 1, view::kLineSolid};
  const view::LinePen dottedPen{view::InkColor::Index(kLineColour), 1, view::kLineDot};
  painter.Save();
  const engine::FigureTables& t = tables();
  for (int e = 0; e <= last; ++e) {
    const solid::EdgeRecord& edge = modelTables.edges[static_cast<std::size_t>(e)];
    DrawSegmentHidden(painter, t.xyz[edge.a], t.xyz[edge.b], solidPen, dottedPen);
    if (announce && PollKey() == shell::kStopKey) break;
  }
  painter.Restore();
  // The space axes are drawn after the edges by their own pass.
  if (announce && !IsDestroyed()) UpdateCaption(false);
}

void TGeomQWin::DrawEdgesHaloed(view::FigurePainter& painter) {
  const int last = solid::BuildEdgeList(solid(), modelTables, edgeScratch_);
  if (last < 0) return;
  const auto n = static_cast<std::size_t>(last + 1);
  keys_.assign(n, 0);
  order_.assign(n, 0);
  EdgeDepthKeys(tables(), modelTables, observer, keys_);
  kernel::InitSortKeys(sortKeys_, keys_, kernel::kSortDescending);
  kernel::HeapSortIndices(sortKeys_, order_);
  const bool printing = mapping.printing;
  const view::InkColor background =
      printing ? view::InkColor::Index(kWhite) : view::InkColor::Value(Color(preWin.roles[0]));
  const view::LinePen haloPen{background, haloWidth, view::kLineSolid};
  const view::LinePen edgePen{view::InkColor::Index(kLineColour), 1, view::kLineSolid};
  const bool pictex = Exporting(view::ExportKind::PiCTeX);
  painter.Save();
  const engine::FigureTables& t = tables();
  for (const std::uint32_t e : order_) {
    if (pictex) {
      const solid::EdgeRecord& edge = modelTables.edges[e];
      DrawSegment3D(painter, t.xyz[edge.a], t.xyz[edge.b], edgePen, false);
    } else {
      DrawHaloEdge(painter, static_cast<int>(e), haloPen, edgePen);
    }
  }
  painter.Restore();
}

void TGeomQWin::DrawHaloEdge(view::FigurePainter& painter, int edge, const view::LinePen& haloPen,
                             const view::LinePen& edgePen) {
  const engine::FigureTables& t = tables();
  const solid::EdgeRecord& record = modelTables.edges[static_cast<std::size_t>(edge)];
  Point2 p = mapping.printing ? ProjectToView(t.xyz[record.a]) : t.xy[record.a];
  Point2 q = mapping.printing ? ProjectToView(t.xyz[record.b]) : t.xy[record.b];
  if (!view::InView(mapping, p) || !view::InView(mapping, q)) {
    const kernel::Box2& box = mapping.box;
    const Real mx = mapping.unitsPerPixelX / 10;
    const Real my = mapping.unitsPerPixelY / 10;
    if (!kernel::ClipSegment(box.xmin - mx, box.xmax + mx, box.ymin - my, box.ymax + my, p, q, false)) return;
  }
  painter.SetPen(haloPen);
  painter.Segment(p, q, false);
  painter.SetPen(edgePen);
  painter.Segment(p, q, false);
}

void TGeomQWin::TeXShadeFaces(view::FigurePainter& painter) {
  const engine::FigureTables& t = tables();
  const engine::SolidTables& s = solid();
  painter.Save();
  painter.SetPen({view::InkColor::Index(kLineColour), 0, view::kLineNone});
  for (int face = 0; face <= s.last_face; ++face) {
    const kernel::FaceRecord& record = s.faces[static_cast<std::size_t>(face)];
    if (!record.visible || record.colour == kWhite || record.transparent) continue;
    const int count = std::min<int>(record.count, kernel::kFaceVertexCapacity);
    outline_.clear();
    bool shaded = count >= 3;
    for (int k = 0; k < count && shaded; ++k) {
      const std::uint16_t v = record.vertices[static_cast<std::size_t>(k)];
      shaded = v < pointVisible.size() && pointVisible[v] && view::InView(mapping, t.xy[v]);
      outline_.push_back(t.xy[v]);
    }
    if (!shaded) continue;
    painter.SetBrush({true, view::InkColor::Index(record.colour), 0});
    painter.Region(outline_, "face", false);
  }
  painter.Restore();
}

}  // namespace solidview
