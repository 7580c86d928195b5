// The points placed without a construction: the free (movable) point, whose position lives in
// the point table, and the point at typed coordinates, evaluated again at every execution.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/construction_record.h"
#include "kernel/text_utils.h"
#include "plane/geom_c2_win.h"

namespace plane {

namespace {

// The longest coordinate text a movable point's description shows.
constexpr std::size_t kCoordinateTextLimit = 40;
constexpr int kWordMovable = 211;

}  // namespace

int TGeomC2Win::DoMovablePoint(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const std::uint16_t label = step.operands[0];
  if (const int code = engine::CheckRoom(e.tables, {1}); code != 0) return code;
  const std::int16_t id = label < engine::kPointCapacity ? static_cast<std::int16_t>(label) : std::int16_t{-1};
  // A label that another point holds already (a history read from a file) gives way to a free one.
  const bool taken = id >= 0 && e.tables.label_map[id] >= 0 && e.tables.label_map[id] != e.tables.last_point + 1;
  if (e.AddPoint(e.tables.xy[e.tables.last_point + 1], 0, taken ? std::int16_t{-1} : id) < 0) {
    return engine::kMsgNoMoreRoom;
  }
  if (out == nullptr) return 0;

  static constexpr std::array<std::int16_t, 6> kEuclidean{5, kWordMovable, ' ', 9, 3, engine::kTemplateEnd};
  static constexpr std::array<std::int16_t, 5> kHyperbolic{5, kWordMovable, ' ', 9, engine::kTemplateEnd};
  if (model().Hyperbolic) {
    e.ExpandTemplate(out, kHyperbolic);
    return 0;
  }
  std::string coordinates;
  e.PointCoordText(coordinates, e.tables.last_point);
  if (coordinates.size() > kCoordinateTextLimit) coordinates.resize(kCoordinateTextLimit);
  step.text[2] = " = " + coordinates;
  e.ExpandTemplate(out, kEuclidean);
  step.text[2].clear();
  return 0;
}

int TGeomC2Win::DoCoordinatePoint(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  std::string xText;
  std::string yText;
  if (step.operands[8] == kernel::kNoOperand || static_cast<std::int16_t>(step.operands[8]) < 0) {
    xText = step.text[0];
    yText = step.text[1];
  } else {
    const std::vector<std::string> fields = kernel::SplitCommaList(kernel::JoinConstructionText(step), 2);
    xText = fields[0];
    yText = fields[1];
  }
  const engine::StepCreates creates{1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  // Both texts are evaluated, x first; the y text's code wins when both fail.
  kernel::Point2 p;
  const int xCode = e.Evaluate(xText, p.x);
  const int yCode = e.Evaluate(yText, p.y);
  if (yCode != 0 || xCode != 0) return engine::FailStep(e, creates, yCode != 0 ? yCode : xCode);
  if (e.AddPoint(p, static_cast<std::uint16_t>(-1), -1) < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);

  if (out != nullptr) {
    std::string& text = *out;
    text.clear();
    e.tables.AppendPointName(text, e.tables.last_point);
    text += " = (" + xText + "," + yText + ")";
  }
  return 0;
}

}  // namespace plane
