#pragma once
// The texts of the object lists a geometry window shows in its companion text windows: one entry
// per existing point, line or circle, each ended by CR LF, and the table text that collects pasted
// clipboard text.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/figure_tables.h"
#include "kernel/vector2.h"

namespace engine {

// A number in the window's number format.
using NumberFormatter = std::function<std::string(Real)>;

struct ObjectListText {
  std::string text;
  // Entries listed and, for points, the size of the table they come from (last index + 1).
  int count = 0;
  int slots = 0;
};

// The lists stop adding entries once their text reaches these lengths.
inline constexpr std::size_t kPointListLimit = 64000;
inline constexpr std::size_t kCurveListLimit = 32000;

// "n. A = (x, y) (unit t)": the number padded to the width of the largest number; with
// withCoordinates false the coordinates are left out. unitWord is the word before the point's tag.
ObjectListText PointsListText(const FigureTables& t, bool withCoordinates, bool threeD, const NumberFormatter& format,
                              std::string_view unitWord);
// The line through a and b as "y - mx = b" (the coefficient 1 left out) or, vertical, "x = a".
std::string LineEquationText(const Point2& a, const Point2& b, const NumberFormatter& format);
// The names of every point listed on each line, with its equation when withEquations is set.
ObjectListText LinesListText(const FigureTables& t, bool withEquations, const NumberFormatter& format);
// The caption of a list: "3 points" or, with free slots among them, "3/4 points", then the file
// name in brackets.
std::string ObjectListCaption(const ObjectListText& list, std::string_view word, std::string_view fileName);
// The numbers of a pasted text, at most 255 characters each: each starts at a digit, '-' or '.'
// and runs over those characters.
std::vector<std::string> PastedNumbers(std::string_view text);
// The table text with the pasted text appended on a line of its own.
std::string AppendedTableText(std::string_view old, std::string_view pasted);

}  // namespace engine
