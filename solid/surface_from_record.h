#pragma once
// Kind 354: a curve or curved surface stored whole in its step, as the surface copy writes it for
// each copied curve or surface: operand 0 the kind, 1 to 4 the defining points, 5 the fill colour,
// 6 to 8 the tracing triple, 9 the section mark, 10 and 11 the transparent and active bytes, 38 the
// object number; parameters 1 to 4 the record's parameters; text 1 added to the description.

#include <string>

#include "engine/step_engine.h"
#include "solid/model_tables.h"

namespace solid {

// Appends the record (its frame computed when it is active); message 6 for a kind outside 0..16
// or a point outside the figure, 4 when the surface table is full.
int DoSurfaceFromRecord(engine::StepEngine& engine, ModelTables& model, std::string* out);

}  // namespace solid
