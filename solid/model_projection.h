#pragma once
// The model seen from the observer: every point's position in the view plane and its pixel, the
// screen box of every face and the plane of every face, kept up to date as points move.

#include "engine/figure_tables.h"
#include "engine/solid_tables.h"
#include "kernel/central_projection.h"
#include "solid/model_tables.h"
#include "view/view_mapping.h"

namespace solid {

// The pixel of a view-plane position: rounded, half-way values toward zero.
engine::PixelPoint ViewToPixel(const view::ViewMapping& mapping, const Point2& p);
// The pixel of a model point.
engine::PixelPoint PointToScreen(const kernel::ViewFrame& frame, const view::ViewMapping& mapping, const Point3& p);

// Recomputes the stored plane of one face from its first three vertices. A face of fewer than
// three vertices, or whose first three vertices are collinear, keeps the plane it had.
void FacePlane(const engine::FigureTables& tables, const engine::SolidTables& solid, ModelTables& model, int face);
// The planes of every face (vertex below 0) or of the faces that hold the vertex.
void FacePlanesOf(const engine::FigureTables& tables, const engine::SolidTables& solid, ModelTables& model,
                  int vertex);

// Projects point i (every point from 0 to the last when i is below 0): its view-plane position
// into tables.xy and its pixel into tables.projected; then the screen box of every face and the
// planes of the faces that moved (FacePlanesOf(i)).
void UpdateProjection(const kernel::ViewFrame& frame, const view::ViewMapping& mapping, engine::FigureTables& tables,
                      const engine::SolidTables& solid, ModelTables& model, int i);

}  // namespace solid
