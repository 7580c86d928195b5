#pragma once
// A geometry window of the step layer, headless, whose free points (kind 121) wait at their
// places in the slot after the last point, like a plane window's; it counts what the figure layer
// asks of the layers above.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/windows/geom09_win.h"
#include "kernel/labels.h"

namespace engine_windows_test {

inline std::string TestWord(int id) {
  switch (id) {
    case 120: return "label";
    case 189: return "segment";
    case 202: return "on";
    case 179: return "at";
    default: return {};
  }
}

class StepWindow : public engine::TGeom09Win {
 public:
  StepWindow() : TGeom09Win(nullptr, "steps") { stepEngine.LoadWords(&TestWord); }

  int DoMovablePoint(std::string* /*out*/) override {
    ++freePointRuns;
    engine::StepEngine& e = stepEngine;
    const int label = e.current()->operands[0] == kernel::kNoOperand ? -1 : e.current()->operands[0];
    if (e.tables.last_point >= engine::kLastPointLimit) return engine::kMsgNoMoreRoom;
    return e.AddPoint(e.tables.xy[e.tables.last_point + 1], 0, static_cast<std::int16_t>(label)) < 0
               ? engine::kMsgNoMoreRoom
               : 0;
  }
  void Update(bool keepView) override { updates.push_back(keepView); }
  void TransformFills() override { fills.resize(fills.size() + 2); }
  int RenameLabelInTexts(const std::string& oldName, const std::string& newName) override {
    renames.push_back(oldName + ">" + newName);
    return 0;
  }

  // A free point at (x, y) made by a command; its index.
  int FreePoint(kernel::Real x, kernel::Real y) {
    tables().xy[tables().last_point + 1] = {x, y};
    history().BeginStep(121, static_cast<std::int16_t>(tables().FindFreeLabel()));
    EXPECT_EQ(RunNewStep(), 0);
    return tables().last_point;
  }
  // A step of the kind with operands 0.. and texts, run by a command; the executor's result.
  int Step(int kind, std::vector<int> ops, std::vector<std::string> texts = {}) {
    kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind));
    for (std::size_t i = 0; i < ops.size(); ++i) step.operands[i] = static_cast<std::uint16_t>(ops[i]);
    for (std::size_t i = 0; i < texts.size() && i < 3; ++i) step.text[i] = texts[i];
    return RunNewStep();
  }

  int freePointRuns = 0;
  std::vector<bool> updates;
  std::vector<std::string> renames;
};

// What a figure is: indices, labels, exists flags and positions of its points, and its last
// line and circle.
struct Snapshot {
  int lastPoint = -1, lastLine = -1, lastCircle = -1;
  std::vector<int> labels;
  std::vector<int> exists;
  std::vector<kernel::Point2> xy;

  explicit Snapshot(const engine::FigureTables& t)
      : lastPoint(t.last_point), lastLine(t.last_line), lastCircle(t.last_circle) {
    for (int i = 0; i <= t.last_point; ++i) {
      labels.push_back(t.names[i].label);
      exists.push_back(t.exists[i]);
      xy.push_back(t.xy[i]);
    }
  }
  bool operator==(const Snapshot& o) const {
    if (lastPoint != o.lastPoint || lastLine != o.lastLine || lastCircle != o.lastCircle || labels != o.labels ||
        exists != o.exists) {
      return false;
    }
    for (std::size_t i = 0; i < xy.size(); ++i) {
      if (std::fabs(xy[i].x - o.xy[i].x) > 1e-15L || std::fabs(xy[i].y - o.xy[i].y) > 1e-15L) return false;
    }
    return true;
  }
};

}  // namespace engine_windows_test
