#pragma once
// What the steps that make curves and curved surfaces share, on the frame of the steps in space
// (SolidStep): the object numbers of older figures, the points named by operands, the tag a point
// built from given points takes, the typed numbers, and the new records with their frames.
//
//   SurfaceStep step(engine, model, {points, 0, records});
//   step.NumberOldFigure(records);                   // first, whether the step fails or not
//   if (const int code = step.Begin()) return code;
//   const int c = step.PointOperand(0);               // -1: the point is missing
//   if (c < 0) return step.Fail(engine::kMsgNotFound);
//   ...
//   const int k = step.AddSurface(record, 0);         // numbered operand 38 + 0, frame computed

#include <cstdint>
#include <functional>
#include <string>

#include "kernel/face_surface_records.h"
#include "solid/solid_step.h"

namespace solid {

// Where a new free solid spanning low to high around its reference point is built.
using PlaceSolid = std::function<Point3(const Point3& low, const Point3& high)>;

// The first figure-file version whose steps carry their object number in operand 38.
inline constexpr int kObjectNumberFileVersion = 23;
inline constexpr int kObjectNumberOperand = 38;

// How a typed number's compiler result is taken: any positive result refuses it, or also -4, or
// any result but 0.
enum class TextRule : std::uint8_t { kRefusePositive, kRefusePositiveOrMinus4, kRefuseNonZero };

class SurfaceStep : public SolidStep {
 public:
  SurfaceStep(engine::StepEngine& engine, ModelTables& model, SolidStepNeeds needs);

  kernel::ConstructionRecord& step() { return *engine_.current(); }
  engine::StepEngine& engine() { return engine_; }

  // In a figure older than version 23 the step takes its object numbers now: operand 38 the
  // counter raised by one, the counter raised once more for each further record.
  void NumberOldFigure(int records);
  // The point operand k names: its index, or -1 when it is none, outside the table or not an
  // existing point.
  int PointOperand(int k);
  // The tag of a point built from the given ones: the tag they share, else none (-1).
  std::uint16_t SharedTag(int a, int b, int c = -1, int d = -1) const {
    return static_cast<std::uint16_t>(engine_.tables.CommonPointTag(a, b, c, d));
  }
  // A typed number: 0, or 1 ("cannot understand") when the rule refuses the compiler's result.
  int Compile(std::string text, Real& value, TextRule rule);
  // The record appended to the surface table, numbered operand 38 plus offset, its frame computed
  // when it is active; its index, or -1 when the table is full.
  int AddSurface(kernel::SurfaceRecord record, int offset);

 private:
  engine::StepEngine& engine_;
};

}  // namespace solid
