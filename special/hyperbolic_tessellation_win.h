#pragma once
// The window of the tessellations of the hyperbolic plane by the triangle groups (p, q, r):
// triangles with the angles 180/p, 180/q and 180/r degrees, reflected in their sides, in the
// Poincare disk. Tess asks for p, q and r, checks that the group is hyperbolic and small enough to
// draw, and makes the tessellation the figure's one step. The figure is an ordinary hyperbolic
// figure: it is measured, filled, printed and exported as any other.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "plane/geom_e_win.h"
#include "special/triangle_group_window.h"

namespace special {

inline constexpr int kCmdTess = 653;

class TGeomUWin : public TriangleGroupWindow<plane::TGeomEWin> {
 public:
  TGeomUWin(platform::FrameWindow* parent, std::string_view title);

  // The group built last, (p, q, r); Tess offers it again.
  std::array<std::int16_t, 3> triple{5, 4, 3};

  // Tess: asks for p, q and r and builds their tessellation; 0, -1 when cancelled, or the
  // message shown.
  int CmTess();
  // The tessellation of the orders typed, or the message (not shown) with everything as it was:
  // "out of bounds" for an order that is not a whole number from 2 to 9 or a group whose tiles
  // get too small to draw, "inconsistent data" for a group that is not hyperbolic.
  int Tessellate(const std::array<std::string, 3>& orders);
  int Tessellate(int p, int q, int r);

  // File > New: an empty disk under the window's own name.
  void NewFigure() override;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  // The figure's name, which the caption shows.
  void Rename(std::string name);
};

}  // namespace special
