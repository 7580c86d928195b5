#pragma once
// Kind 300: a prism (flag set) or pyramid over the polygon a plane window handed over. Its n
// points (operand 0) stand in the point table's entries after the last point; operands 1 to n are
// their labels, parameters 1 to 3 the vector from the first base vertex to the first top vertex
// or the apex.

#include <string>

#include "engine/step_engine.h"
#include "solid/model_tables.h"

namespace solid {

int PrismPyramidFromPlane(engine::StepEngine& engine, ModelTables& model, std::string* out);

}  // namespace solid
