#include "plane/circle_list.h"

#include <string>

#include "engine/step_engine.h"
#include "resources/resource_library.h"

namespace plane {

namespace {

constexpr int kStringNotUsed = 162;
// The list scrolls across lines wider than itself.
constexpr int kListExtentPixels = 1000;

}  // namespace

void FillCircleList(platform::Dialog& dialog, int id, const engine::StepEngine& engine) {
  const int selected = dialog.ListSelection(id);
  dialog.ListClear(id);
  dialog.ListSetHorizontalExtent(id, kListExtentPixels);
  for (int c = 0; c <= engine.tables.last_circle; ++c) {
    std::string text;
    const bool used = engine.CircleText(c, text, false, false, false) != 0;
    std::string line = std::to_string(c) + ": " + text;
    if (!used) line += " (" + resources::LoadString(kStringNotUsed) + ")";
    dialog.ListAdd(id, line);
  }
  if (selected >= 0 && selected < dialog.ListCount(id)) dialog.ListSelect(id, selected);
}

int ChosenCircle(const platform::Dialog& dialog, int id) {
  const int count = dialog.ListCount(id);
  if (count == 0) return -1;
  if (count == 1) return 0;
  return dialog.ListSelection(id);
}

}  // namespace plane
