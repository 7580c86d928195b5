#pragma once
// The frame every step executor in space runs in. A step is run again at every replay, so it must
// find its points at the same indices each time and rebuild them from what they depend on:
//
//   SolidStep step(engine, model, {points, faces, surfaces});  // what success makes
//   if (const int code = step.Begin()) return code;   // point count synced, room checked
//   Real a = 0;                                       // typed texts, by the engine's evaluator
//   if (const int code = step.Evaluate(0, a)) return step.Fail(code);
//   const std::uint16_t tag = step.NewSolidTag();     // a new solid's points share its number
//   step.AddAnchor(placed, tag);                      // free points: placed only while building
//   step.AddPoint(p, tag);                            // points built from the anchors
//   step.AddFace(vertices, colour);                   // closed, visible, with its plane
//   auto items = kTemplate; items[i] = value;         // a per-call copy of the description
//   step.Describe(out, items);
//   return 0;
//
// A step that fails leaves placeholder points (labelled, not existing) for all the points success
// would have made and takes back its faces and surfaces, so every later step keeps its indices.

#include <cstdint>
#include <span>
#include <string>

#include "engine/step_engine.h"
#include "solid/model_tables.h"

namespace solid {

// Called first by every executor in space: a step run for the first time records the last point
// index before it (the record's first spare word); a step run again first grows or shrinks the
// point table to that index, so it makes its points where it made them before.
void SyncPointCount(engine::StepEngine& engine);

// The 3-D table growth: a positive delta adds that many placeholder points (as far as free labels
// and the 7878 entries allow), a negative one frees the labels of the last points and drops them.
// Faces and surfaces stay.
void AdjustTables(engine::StepEngine& engine, int delta);

// Whether a new point at index may take label: the label is free, or (a step run again) it is the
// label that point already had.
bool LabelAvailable(const engine::FigureTables& tables, int label, int index);

// What a step in space makes when it succeeds.
struct SolidStepNeeds {
  int points = 0;
  int faces = 0;
  int surfaces = 0;
};

class SolidStep {
 public:
  SolidStep(engine::StepEngine& engine, ModelTables& model, SolidStepNeeds needs);

  // SyncPointCount, then the room check: 0, or 4 ("no more room") with the placeholders left.
  int Begin();
  // Leaves the placeholders and returns code.
  int Fail(int code);

  const kernel::ConstructionRecord& record() const { return *engine_.current(); }
  bool building() const { return engine_.building != 0; }
  engine::FigureTables& tables() { return engine_.tables; }
  engine::SolidTables& solid() { return engine_.solid; }
  // The last point index before the step.
  int first_point() const { return first_point_ + 1; }

  // Text k (0 to 2) of the step evaluated: 0, or a message number (1 when it is no number).
  int Evaluate(int k, Real& value);
  // The tag of a new solid's points: the solid counter raised by one.
  std::uint16_t NewSolidTag();
  // A new point at p with the tag and the label (-1, or a label already taken: the first free
  // one); its index, or -1 when the table is full.
  int AddPoint(const Point3& p, std::uint16_t tag, int label = -1);
  // A free point of the step: placed at `placed` while the step is built, where it stands (it may
  // have been dragged) when the step runs again.
  int AddAnchor(const Point3& placed, std::uint16_t tag, int label = -1);
  // A new visible face of the vertices, closed, in the colour, with its plane; its index, or -1
  // when the table is full or the list is not 2 to 24 points.
  int AddFace(std::span<const std::uint16_t> vertices, std::uint16_t colour);
  // The step's description from the items (see StepEngine::ExpandTemplate), when out is not null.
  void Describe(std::string* out, std::span<const std::int16_t> items, const Real* numbers = nullptr);

 private:
  engine::StepEngine& engine_;
  ModelTables& model_;
  SolidStepNeeds needs_;
  int first_point_ = -1;
  int first_face_ = -1;
  int first_surface_ = -1;
};

}  // namespace solid
