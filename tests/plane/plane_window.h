#pragma once
// A plane window as the launcher opens it, created and shown headless with a square client, and
// the commands a test makes steps with.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kernel/construction_record.h"
#include "plane/geom2_win.h"
#include "platform/application.h"

namespace plane_test {

// A free point at (x, y) in any plane window, made as a command makes it: its index.
inline int FreePointIn(plane::TGeomEWin& w, kernel::Real x, kernel::Real y) {
  w.tables().xy[w.tables().last_point + 1] = {x, y};
  w.history().BeginStep(121, static_cast<std::int16_t>(w.tables().FindFreeLabel()));
  EXPECT_EQ(w.RunNewStep(), 0);
  return w.tables().last_point;
}

// A step of the kind with operands from 0, texts and flag byte, made by a command; the
// executor's result.
inline int StepIn(plane::TGeomEWin& w, int kind, std::vector<int> ops, std::vector<std::string> texts = {},
                  std::uint8_t flag = 0) {
  kernel::ConstructionRecord& step = w.history().BeginStep(static_cast<kernel::StepKind>(kind));
  for (std::size_t i = 0; i < ops.size(); ++i) step.operands[i] = static_cast<std::uint16_t>(ops[i]);
  for (std::size_t i = 0; i < texts.size() && i < 3; ++i) step.text[i] = texts[i];
  step.flag = flag;
  return w.RunNewStep();
}

// A macro or source window opened from a test's window, which has no parent frame to free it:
// closed and freed when the holder goes.
struct CloseAndFree {
  void operator()(plane::TGeomEWin* window) const {
    window->Destroy();
    delete window;
  }
};
using LinkedWindow = std::unique_ptr<plane::TGeomEWin, CloseAndFree>;

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
  int FreePoint(kernel::Real x, kernel::Real y) { return FreePointIn(*this, x, y); }
  int Step(int kind, std::vector<int> ops, std::vector<std::string> texts = {}, std::uint8_t flag = 0) {
    return StepIn(*this, kind, std::move(ops), std::move(texts), flag);
  }
};

}  // namespace plane_test
