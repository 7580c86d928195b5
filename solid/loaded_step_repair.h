#pragma once
// Steps of older 3-D figure files brought to the form the executors expect.

#include <deque>

#include "kernel/construction_record.h"

namespace solid {

// For each step of a history read from a file:
// - an added face (kind 380, flag set) whose vertex list (its length in operand 39) ends with the
//   vertex it begins with loses the closing vertex (its operand becomes 0xFFFF);
// - a face given by its labels (kind 381, and 380 with the flag clear) has its first text written
//   anew as plain labels, without the repeated first vertex of a closed polygon; a text that does
//   not give more than one label stays as it was;
// - a reflection in a plane (kind 447) with an empty third text takes its second.
void RepairLoadedSteps(std::deque<kernel::ConstructionRecord>& steps);

}  // namespace solid
