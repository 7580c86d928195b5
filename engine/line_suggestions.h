#pragma once
// The texts a construction dialog offers when it opens, taken from the figure: the first drawn
// line (its first and last listed points), and beside it a second line, a point off the line or
// the line's second point.

#include <string>

#include "engine/figure_tables.h"

namespace engine {

// Modes of SuggestLineInput.
enum class LineSuggestion {
  kLine = 0,          // the first line alone
  kLineAndPoint = 1,  // and the first existing point not listed on it (false when there is none)
  kTwoLines = 2,      // and a second line (false without one)
  kLineAndItsPoint = 3,  // and the line's second listed point
};

// Empties both texts, then fills them as the mode says; false when the figure has no line whose
// first two listed points exist, or lacks what the mode adds.
bool SuggestLineInput(const FigureTables& t, std::string& text1, LineSuggestion mode, std::string& text2);

}  // namespace engine
