#pragma once
// The outlines of the faces of a model in space as the observer sees them: in pixels for the
// screen and the hidden-point test, in view-plane coordinates for the printer and the exports.
// A face reaching out of the view is cut to the view box, which may give it more corners than it
// has vertices.

#include <cstdint>
#include <vector>

#include "engine/figure_tables.h"
#include "engine/solid_tables.h"
#include "kernel/central_projection.h"
#include "kernel/point_in_polygon.h"
#include "view/view_mapping.h"

namespace solidview {

struct FaceOutlines {
  // Per face: its pixel outline (the first counts[face] entries hold it).
  std::vector<std::vector<kernel::IntPoint2>> pixels;
  std::vector<std::int32_t> counts;
  // Work space of the cut.
  std::vector<kernel::Point2> corners;
  std::vector<kernel::Point2> cut;

  // Room for every face of the model (kept between paints).
  void Reserve(std::size_t faces);
};

// The pixel outline of one face into outlines.pixels[face] and its corner count into
// outlines.counts[face]. The corners are the pixels the projection stored for its vertices (on a
// printer page, the vertices projected afresh onto the page); when the face exists and one of
// them lies outside the client area, the face's view-plane outline is cut to the view box and the
// cut taken to pixels instead.
void ProjectFacePolygon(const engine::FigureTables& tables, const engine::SolidTables& solid,
                        const kernel::ViewFrame& frame, const view::ViewMapping& mapping, int face,
                        FaceOutlines& outlines);

// The view-plane outline of one face into out: its vertices' projected points, cut to the view
// box when one of them lies outside it. Empty for a face that does not exist.
void FaceViewOutline(const engine::FigureTables& tables, const engine::SolidTables& solid,
                     const view::ViewMapping& mapping, int face, std::vector<kernel::Point2>& out);

}  // namespace solidview
