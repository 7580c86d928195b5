#pragma once
// The list of a figure's circles that the plane dialogs offer: one line per circle index, so
// line i is always circle i; a circle no longer in use says so.

#include "platform/dialog.h"

namespace engine {
class StepEngine;
}

namespace plane {

// Fills list box `id` with the circles 0 to the last circle index, in the dialog's list font when
// given; the selection is kept when the line is still there.
void FillCircleList(platform::Dialog& dialog, int id, const engine::StepEngine& engine);

// The circle a list of circles stands for: -1 when it is empty, 0 when it holds one line (no
// selection needed), else the selected line (-1 for none).
int ChosenCircle(const platform::Dialog& dialog, int id);

}  // namespace plane
