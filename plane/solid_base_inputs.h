#pragma once
// What the solid dialog's texts mean in the figure, checked before any 3-D window is made: the
// base polygon's points, the altitude and where the apex or top stands.

#include <vector>

#include "kernel/real.h"
#include "plane/solid_dlg.h"

namespace engine {
class StepEngine;
}

namespace plane {

// The most vertices a base polygon has.
inline constexpr int kSolidBaseVertices = 24;

struct SolidBase {
  std::vector<int> vertices;  // the base's existing points, in order
  kernel::Real altitude = 0;
  kernel::Real dx = 0;        // the foot of the altitude from the first base vertex
  kernel::Real dy = 0;
};

// 0 with the base read, else the message of the first fault: 1 when the base holds fewer than
// three existing points, 2 when the named foot is no point of the figure, or the code of an
// altitude or offset that does not evaluate. choice 1: the foot is a named point; 2: offsets.
int ReadSolidBase(engine::StepEngine& engine, SolidBaseTexts texts, int choice, SolidBase& out);

}  // namespace plane
