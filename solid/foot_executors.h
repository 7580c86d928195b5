#pragma once
// The feet of perpendiculars in space: from a point to a line or a coordinate axis (kind 402) and
// to a plane or a coordinate plane (kind 403), each with the segment from the point to its foot.
//
// Kind 402: operands A, B (the line), P, the axis code (1 x, 2 y, 3 z, otherwise the line AB);
// text 3 names the line. Kind 403: operands A, B, C (the plane), P, the plane code (1 x = 0,
// 2 y = 0, 3 z = 0, otherwise the plane ABC); text 3 names the plane.

#include <string>

#include "engine/step_engine.h"
#include "solid/model_tables.h"

namespace solid {

int FootToLine(engine::StepEngine& engine, ModelTables& model, std::string* out);
int FootToPlane(engine::StepEngine& engine, ModelTables& model, std::string* out);

}  // namespace solid
