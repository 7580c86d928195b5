#include "solid/shared_kind_executors.h"

#include <array>
#include <cstdint>

#include "kernel/frames3.h"
#include "kernel/vector3.h"
#include "solid/solid_step.h"

namespace solid {

namespace {

constexpr std::int16_t kWordAt = 179;
constexpr std::int16_t kWordPerpTo = 210;
constexpr std::int16_t kWordMovable = 211;
constexpr std::int16_t kWordPointDeletion = 218;
constexpr std::int16_t kWordVectorSum = 652;
constexpr std::int16_t kWordFaces = 729;
constexpr std::int16_t kWordDelete = 754;
constexpr int kMsgCoplanarPoints = 143;
// The vector sum's operands: n, 2n ends, the start; the record has 40 operands.
constexpr int kMostVectors = 19;
constexpr std::uint16_t kSegmentColour = 1;
constexpr std::uint16_t kFreePointTag = 0;
constexpr auto kUnsharedTag = static_cast<std::uint16_t>(-1);

int Operand(const kernel::ConstructionRecord& record, int k) { return static_cast<std::int16_t>(record.operands[k]); }

void AddSegment(SolidStep& step, int a, int b) {
  const std::array<std::uint16_t, 2> ends{static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b)};
  step.AddFace(ends, kSegmentColour);
}

}  // namespace

int MovablePoint3D(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SolidStep step(engine, model, {1, 0, 0});
  if (const int code = step.Begin(); code != 0) return code;
  const engine::FigureTables& t = step.tables();
  if (step.AddPoint(t.xyz[t.last_point + 1], kFreePointTag) < 0) return step.Fail(engine::kMsgNoMoreRoom);
  static constexpr std::array<std::int16_t, 9> kDescription{5, kWordMovable, ' ', 9, ' ', 5, kWordAt, ' ', 27};
  step.Describe(out, kDescription);
  return 0;
}

int CommonPerpendicular3D(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SolidStep step(engine, model, {2, 1, 0});
  if (const int code = step.Begin(); code != 0) return code;
  const kernel::ConstructionRecord& record = step.record();
  const engine::FigureTables& t = step.tables();
  const std::array<int, 4> ends{Operand(record, 0), Operand(record, 1), Operand(record, 2), Operand(record, 3)};
  for (const int p : ends) {
    if (!t.PointExists(p)) return step.Fail(engine::kMsgCouldNotFind);
  }
  Point3 p;
  Point3 q;
  if (!kernel::CommonPerpendicularFeet3(t.xyz[ends[0]], t.xyz[ends[1]], t.xyz[ends[2]], t.xyz[ends[3]], p, q)) {
    return step.Fail(kMsgCoplanarPoints);
  }
  const auto tag = static_cast<std::uint16_t>(t.CommonPointTag(ends[0], ends[1], ends[2], ends[3]));
  const int first = step.AddPoint(p, tag);
  const int second = step.AddPoint(q, tag);
  if (first < 0 || second < 0) return step.Fail(engine::kMsgNoMoreRoom);
  AddSegment(step, first, second);
  static constexpr std::array<std::int16_t, 10> kDescription{8, 9, ' ', 5, kWordPerpTo, ' ', 1, ',', ' ', 2};
  step.Describe(out, kDescription);
  return 0;
}

int DeletePoints3D(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SolidStep step(engine, model, {});
  if (const int code = step.Begin(); code != 0) return code;
  engine::FigureTables& t = step.tables();
  for (const std::uint16_t operand : step.record().operands) {
    const int p = static_cast<std::int16_t>(operand);
    if (p < 0) break;
    if (p > t.last_point) continue;
    t.exists[p] = 0;
    const int label = t.names[p].label;
    if (label < engine::kPointCapacity && t.label_map[label] == p) t.FreeLabel(label);
  }
  static constexpr std::array<std::int16_t, 5> kDescription{5, kWordPointDeletion, ':', ' ', 1};
  step.Describe(out, kDescription);
  return 0;
}

int DeleteAllFaces(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SolidStep step(engine, model, {});
  if (const int code = step.Begin(); code != 0) return code;
  engine::SolidTables& s = step.solid();
  for (int f = 0; f <= s.last_face; ++f) s.faces[static_cast<std::size_t>(f)].visible = 0;
  static constexpr std::array<std::int16_t, 6> kDescription{5, kWordFaces, ':', ' ', 5, kWordDelete};
  step.Describe(out, kDescription);
  return 0;
}

int VectorSum3D(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SolidStep step(engine, model, {1, 1, 0});
  if (const int code = step.Begin(); code != 0) return code;
  const kernel::ConstructionRecord& record = step.record();
  const engine::FigureTables& t = step.tables();
  const int n = record.operands[0] == kernel::kNoOperand ? 0 : record.operands[0];
  if (n > kMostVectors) return step.Fail(engine::kMsgCouldNotFind);
  for (int k = 1; k <= 2 * n + 1; ++k) {
    if (!t.PointExists(Operand(record, k))) return step.Fail(engine::kMsgCouldNotFind);
  }
  const int start = Operand(record, 2 * n + 1);
  Point3 end = t.xyz[start];
  for (int k = 1; k <= n; ++k) end = end + (t.xyz[Operand(record, 2 * k)] - t.xyz[Operand(record, 2 * k - 1)]);
  const int e = step.AddPoint(end, kUnsharedTag);
  if (e < 0) return step.Fail(engine::kMsgNoMoreRoom);
  AddSegment(step, start, e);
  const std::array<std::int16_t, 11> description{6, static_cast<std::int16_t>(start), 9, ' ', '=', ' ', 5,
                                                 kWordVectorSum, '(', 1, ')'};
  step.Describe(out, description);
  return 0;
}

}  // namespace solid
