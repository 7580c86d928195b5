#pragma once
// The plane geometry window, Euclidean or hyperbolic, that the launcher opens, and the linked
// windows it opens beside itself: a macro window and a source window to attach figures from.

#include <cstdint>
#include <string_view>

#include "plane/geom_e_win.h"

namespace plane {

class TGeom2Win : public TGeomEWin {
 public:
  // hyperbolicPlane: 0 for the Euclidean plane, 1 for the hyperbolic plane.
  TGeom2Win(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane);

  // A macro window of this window's geometry and model, captioned "noname[macro]"; null, after
  // "no more room", when the table of windows is full.
  TGeomEWin* OpenMacroWindow() override;
  // A Euclidean window to attach figures from, captioned "noname[attach]"; null as above.
  TGeomEWin* OpenSourceWindow() override;

 private:
  TGeomEWin* OpenLinkedWindow(bool macro);
};

}  // namespace plane
