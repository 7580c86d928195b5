#pragma once
// Relabelling a point and swapping the labels of two points as steps of the history (kinds 120
// and 123), with the figure's text items renamed to follow.

#include <span>
#include <string>

#include "engine/step_engine.h"

namespace engine {

// Gives point a new label typed by the user: 0 when done; 1 when the text is no label, 118 when
// another point carries it, -2 (silent) when it is the point's own label.
int RelabelPointTo(StepEngine& engine, std::span<std::string> text_items, int point, std::string typed);

// The relabel-or-swap action of the label dialog: t1 names a point, t2 another point (the two
// labels are swapped) or a free label (the point is relabelled). 0 when done; 2 when neither
// names a point, 9 when both name the same one, 1 when t2 is no label, 142 when a text item
// became too long.
int RelabelOrSwap(StepEngine& engine, std::span<std::string> text_items, std::string t1, std::string t2);

}  // namespace engine
