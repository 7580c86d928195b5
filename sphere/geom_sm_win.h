#pragma once
// The spherical geometry window: the one the launcher's Spherical command and ".kvs" files open.

#include <string_view>

#include "sphere/geom_s_win.h"

namespace sphere {

class TGeomSMWin : public TGeomSWin {
 public:
  TGeomSMWin(platform::FrameWindow* parent, std::string_view title);

  // Edit > Macro > Open macro window: a spherical window captioned "macro" on the same parent,
  // taking no entry of the child-window table.
  plane::TMacWin* OpenMacroWindow() override;

 protected:
  void SetupWindow() override;
};

}  // namespace sphere
