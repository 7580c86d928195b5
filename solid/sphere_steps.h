#pragma once
// The steps that build spheres: by centre and point, by centre and radius, a free sphere of a
// radius (kind 361, operand 2 the mode 0, 1 or 2); the sphere through four points (363); a free
// hemisphere with its base disk (364); the segment of a sphere a fraction of the diameter high,
// with its base disk (365); the sphere inscribed in a tetrahedron with its four points of contact
// (366). Each returns 0 or a message number and keeps the point indices of later steps when it
// fails.

#include <string>

#include "engine/step_engine.h"
#include "solid/model_tables.h"
#include "solid/surface_step.h"

namespace solid {

int DoSphere(engine::StepEngine& engine, ModelTables& model, const PlaceSolid& place, std::string* out);
int DoCircumsphere(engine::StepEngine& engine, ModelTables& model, std::string* out);
int DoHemisphere(engine::StepEngine& engine, ModelTables& model, const PlaceSolid& place, std::string* out);
int DoSphereSegment(engine::StepEngine& engine, ModelTables& model, std::string* out);
int DoInsphere(engine::StepEngine& engine, ModelTables& model, std::string* out);

}  // namespace solid
