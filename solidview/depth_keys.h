#pragma once
// How far each element of a model in space lies from the observer, for drawing the farthest
// first: a face by its centroid, a curved element by a point of its own, an edge by its midpoint.
// A key of 0 keeps an element out of the painter's order.

#include <span>

#include "engine/figure_tables.h"
#include "engine/solid_tables.h"
#include "solid/model_tables.h"

namespace solidview {

// The keys need (last face + 1) + (last surface + 1) entries: the faces first, then surface j at
// last face + 1 + j; the centroids one entry per face. A face that does not exist gets the
// observer as its centroid (key 0). Curved elements: cylinders, frustums and cones by the middle
// of their axis, a sphere by the point of its axis at its parameter (A at -1, B at 1), circles and
// disks by their centre, the conics by the middle of two of their points; every other kind, and
// an element whose points are missing, 0.
void DepthKeys(const engine::FigureTables& tables, const engine::SolidTables& solid, const kernel::Point3& observer,
               std::span<kernel::Real> keys, std::span<kernel::Point3> centroids);

// One key per edge 0..last edge: the distance from the observer to the edge's midpoint.
void EdgeDepthKeys(const engine::FigureTables& tables, const solid::ModelTables& model, const kernel::Point3& observer,
                   std::span<kernel::Real> keys);

}  // namespace solidview
