#include "solid/solid_step.h"

#include <algorithm>

#include "solid/model_projection.h"

namespace solid {

void SyncPointCount(engine::StepEngine& engine) {
  kernel::ConstructionRecord* step = engine.current();
  if (step == nullptr) return;
  std::uint16_t& recorded = step->extra_words[0];
  if (step->sequence >= 0) {
    AdjustTables(engine, static_cast<std::int16_t>(recorded) - engine.tables.last_point);
  } else {
    recorded = static_cast<std::uint16_t>(engine.tables.last_point);
  }
}

void AdjustTables(engine::StepEngine& engine, int delta) { engine.AdjustTables(delta, 0, 0); }

bool LabelAvailable(const engine::FigureTables& tables, int label, int index) {
  if (label < 0 || label > engine::kLastPointLimit) return false;
  return tables.label_map[label] < 0 || tables.label_map[label] == index;
}

SolidStep::SolidStep(engine::StepEngine& engine, ModelTables& model, SolidStepNeeds needs)
    : engine_(engine), model_(model), needs_(needs) {}

int SolidStep::Begin() {
  SyncPointCount(engine_);
  first_point_ = engine_.tables.last_point;
  first_face_ = engine_.solid.last_face;
  first_surface_ = engine_.solid.last_surface;
  const bool fits = first_point_ + needs_.points <= engine::kLastPointLimit &&
                    first_face_ + needs_.faces <= engine::kFaceCapacity - 1 &&
                    first_surface_ + needs_.surfaces <= engine::kSurfaceCapacity - 1;
  return fits ? 0 : Fail(engine::kMsgNoMoreRoom);
}

int SolidStep::Fail(int code) {
  AdjustTables(engine_, first_point_ + needs_.points - engine_.tables.last_point);
  engine_.solid.last_face = static_cast<std::int16_t>(first_face_);
  engine_.solid.last_surface = static_cast<std::int16_t>(first_surface_);
  return code;
}

int SolidStep::Evaluate(int k, Real& value) {
  if (k < 0 || k >= static_cast<int>(record().text.size())) return engine::kMsgCannotUnderstand;
  return engine_.Evaluate(record().text[static_cast<std::size_t>(k)], value);
}

std::uint16_t SolidStep::NewSolidTag() { return ++engine_.figure_counter; }

int SolidStep::AddPoint(const Point3& p, std::uint16_t tag, int label) {
  engine::FigureTables& t = engine_.tables;
  const int index = t.last_point + 1;
  const auto asked = static_cast<std::int16_t>(LabelAvailable(t, label, index) ? label : -1);
  if (engine_.AddPoint3D(p, tag, asked) < 0) return -1;
  return t.last_point;
}

int SolidStep::AddAnchor(const Point3& placed, std::uint16_t tag, int label) {
  const engine::FigureTables& t = engine_.tables;
  if (t.last_point >= engine::kLastPointLimit) return -1;
  return AddPoint(building() ? placed : t.xyz[t.last_point + 1], tag, label);
}

int SolidStep::AddFace(std::span<const std::uint16_t> vertices, std::uint16_t colour) {
  engine::SolidTables& s = engine_.solid;
  const int n = static_cast<int>(vertices.size());
  if (n < 2 || n > kernel::kFaceVertexCapacity || s.last_face >= engine::kFaceCapacity - 1 ||
      s.last_face + 1 >= static_cast<int>(s.faces.size())) {
    return -1;
  }
  const int k = s.last_face + 1;
  kernel::FaceRecord& face = s.faces[static_cast<std::size_t>(k)];
  kernel::InitFaceListFrom(face, n, vertices);
  kernel::ResetFaceStyle(face, colour);
  s.last_face = static_cast<std::int16_t>(k);
  FacePlane(engine_.tables, s, model_, k);
  return k;
}

void SolidStep::Describe(std::string* out, std::span<const std::int16_t> items, const Real* numbers) {
  if (out != nullptr) engine_.ExpandTemplate(out, items, 0, numbers);
}

}  // namespace solid
