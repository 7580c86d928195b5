#pragma once
// The colour, thickness and style that new lines and circles of a geometry window receive, and
// how the attribute dialog changes them: thick lines are drawn solid (style 0) or not at all
// (style 5); the dashed and dotted styles 1 to 4 need a thin pen.

#include <cstdint>

namespace engine {

inline constexpr int kMaxLineThickness = 12;
inline constexpr int kLineStyles = 6;
inline constexpr std::uint16_t kHiddenLineStyle = 5;

struct LineAttributes {
  std::uint16_t colour = 0;
  std::uint16_t thickness = 1;
  std::uint16_t style = 0;
};

// A thickness chosen in the list (0 to 12); a thick pen takes back a dashed or dotted style.
inline void ChooseThickness(LineAttributes& a, int thickness) {
  if (thickness < 0 || thickness > kMaxLineThickness) return;
  a.thickness = static_cast<std::uint16_t>(thickness);
  if (a.thickness > 1 && a.style >= 1 && a.style <= 4) a.style = 0;
}

// The next style; with a thick pen only solid and hidden alternate.
inline void AdvanceStyle(LineAttributes& a) {
  const int next = (a.style + 1) % kLineStyles;
  if (a.thickness > 1) {
    a.style = next == 1 ? kHiddenLineStyle : 0;
  } else {
    a.style = static_cast<std::uint16_t>(next);
  }
}

}  // namespace engine
