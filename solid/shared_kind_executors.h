#pragma once
// The executors in space of five step kinds the plane windows also have: a movable point (121), the
// common perpendicular of two lines with its feet and segment (139), point deletion (141), deletion
// of every face and segment (144) and the vector sum with its segment (208). A segment in space is
// a face of two vertices.

#include <string>

#include "engine/step_engine.h"
#include "solid/model_tables.h"

namespace solid {

// Kind 121: a free point at the coordinates waiting in the entry after the last point.
int MovablePoint3D(engine::StepEngine& engine, ModelTables& model, std::string* out);
// Kind 139, operands A, B, C, D: the feet on AB and CD and the segment between them; 143 for
// parallel lines.
int CommonPerpendicular3D(engine::StepEngine& engine, ModelTables& model, std::string* out);
// Kind 141: the points of the operands, up to the first negative one, cease to exist.
int DeletePoints3D(engine::StepEngine& engine, ModelTables& model, std::string* out);
// Kind 144: every face and segment ceases to exist; the face table keeps its length.
int DeleteAllFaces(engine::StepEngine& engine, ModelTables& model, std::string* out);
// Kind 208, operands n, n pairs (tail, head), the start S: S moved by every vector, and the
// segment from S to it.
int VectorSum3D(engine::StepEngine& engine, ModelTables& model, std::string* out);

}  // namespace solid
