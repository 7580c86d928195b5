#pragma once
// Where the view of a model in space looks and how wide it is: the model box measured from the
// points and curved elements, and the 2-D view fitted around the box as the observer sees it.

#include "engine/figure_tables.h"
#include "engine/solid_tables.h"
#include "kernel/central_projection.h"
#include "kernel/model_box.h"
#include "view/view_mapping.h"

namespace solid {

// The box of the existing points and active curved elements (with the axis ends when the axes
// are fixed or there is no point), finished by kernel::FinishModelBox into lo..hi.
kernel::ModelBoxView ComputeModelBox(const engine::FigureTables& tables, const engine::SolidTables& solid,
                                     const kernel::Point3& axisLengths, bool axesFixed, kernel::Point3& lo,
                                     kernel::Point3& hi);

// The view centred on the projected box with 0.55 of its extent (plus a hair) on each side, the
// scales equal, widened when the client's shape would cut off the height. False, the mapping as
// it was, when the client area has no width or height (a minimised window).
bool FitViewToBox(const kernel::ViewFrame& frame, const kernel::Point3& lo, const kernel::Point3& hi,
                  view::ViewMapping& mapping);

}  // namespace solid
