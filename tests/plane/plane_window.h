#pragma once
// A plane window as the launcher opens it, created and shown headless with a square client, and
// the commands a test makes steps with.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "kernel/construction_record.h"
#include "plane/geom2_win.h"
#include "platform/application.h"

namespace plane_test {

class PlaneWindow : public plane::TGeom2Win {
 public:
  explicit PlaneWindow(std::uint8_t hyperbolicPlane, int size = 401) : TGeom2Win(nullptr, "plane", hyperbolicPlane) {
    Create();
    Show();
    SetClientSize(size, size);
    platform::Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
  }

  // A free point placed by a command; its index.
  int FreePoint(kernel::Real x, kernel::Real y) {
    tables().xy[tables().last_point + 1] = {x, y};
    history().BeginStep(121, static_cast<std::int16_t>(tables().FindFreeLabel()));
    EXPECT_EQ(RunNewStep(), 0);
    return tables().last_point;
  }
  // A step of the kind with operands from 0, texts and flag byte, made by a command; the
  // executor's result.
  int Step(int kind, std::vector<int> ops, std::vector<std::string> texts = {}, std::uint8_t flag = 0) {
    kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind));
    for (std::size_t i = 0; i < ops.size(); ++i) step.operands[i] = static_cast<std::uint16_t>(ops[i]);
    for (std::size_t i = 0; i < texts.size() && i < 3; ++i) step.text[i] = texts[i];
    step.flag = flag;
    return RunNewStep();
  }
};

}  // namespace plane_test
