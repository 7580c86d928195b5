#pragma once
// The units of the classic tessellation window: for each Units command, the unit's step kind and
// hand, the name its figure is saved under, the two rows of translations that copy it over the
// plane (counts and the points whose difference is the vector), the unit's points and its
// coloured polygons.

#include <span>
#include <string_view>

namespace special {

// A polygon of the unit by its vertex labels ("E_0" is E with subscript 0) and its colour index.
struct UnitPolygon {
  std::string_view labels;
  int colour = 0;
};

struct ClassicUnit {
  int command = 0;
  int kind = 0;
  int flag = 0;     // the step's flag byte: 1 chooses the mirror image of the kind-21 unit
  int nameId = 0;   // the string the figure's file name is made of
  int count1 = 0;   // copies of the unit along the first vector
  int from1 = 0;    // the first vector runs from this point index ...
  int to1 = 0;      // ... to this one
  int count2 = 0;   // copies of that strip along the second vector
  int from2 = 0;
  int to2 = 0;
  std::string_view points;  // the unit's points, as the translations name them
  std::span<const UnitPolygon> polygons;
};

inline constexpr int kCmdFirstUnit = 640;
inline constexpr int kCmdLastUnit = 652;
// The unit a new window shows.
inline constexpr int kCmdUnit4444 = 643;

// The unit of a Units command, or null.
const ClassicUnit* ClassicUnitOfCommand(int command);
// Every unit, in command order.
std::span<const ClassicUnit> ClassicUnits();

}  // namespace special
