#pragma once
// The window of the classic tessellations of the plane: each Units command builds a unit of
// polygons as the first step of a new figure, colours it, and copies it by two rows of
// translations until the copies cover the view. The view never leaves the tiled region: zooming
// out stops at its edge, and shifting jumps back by a lattice vector. The tiling is an ordinary
// figure, so the quadrilateral's vertices can be dragged with the whole tiling following.

#include <string_view>

#include "kernel/plain_records.h"
#include "kernel/real.h"
#include "kernel/tessellation_cover.h"
#include "plane/geom_e_win.h"
#include "special/classic_tessellation_units.h"

namespace special {

inline constexpr int kCmdInclination = 890;

class TGeomTWin : public plane::TGeomEWin {
 public:
  TGeomTWin(platform::FrameWindow* parent, std::string_view title);

  // The turn of the unit in radians that the next unit command builds with.
  kernel::Real inclination = 0;
  // The step kind of the unit built last.
  int unitKind = 0;
  // The vectors from the unit to its neighbouring copies, and how many are in use.
  kernel::NeighbourVectorArray neighbourVectors{};
  int neighbourCount = 0;
  // The region the copies are sure to cover.
  kernel::Box2 coverBox{};

  // A Units command: the figure becomes the tiling of that unit. False for other ids.
  bool CmUnit(int command);
  void BuildUnit(const ClassicUnit& unit);
  // Other > Inclination: asks the turn in degrees for the next unit; 0, -1 when cancelled, or
  // the message shown when the text is not understood.
  int CmInclination();

  // The view keeps inside the tiled region.
  void Zoom(bool out) override;
  void ShiftView(kernel::Real dx, kernel::Real dy) override;
  // Closing never asks to save: any tiling can be built again.
  bool CheckModified() override { return true; }

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  // Clears the figure and runs the unit step of the kind with the current inclination.
  int StartUnit(int kind, int flag);
  void AddUnitFill(std::string_view labels, int colour);
  // The two rows of translations, the view and the points' looks.
  void FinishUnit(const ClassicUnit& unit);
  void ComputeCoverBox(int kind, kernel::Real angle);
  // Runs the begun translation step with the fill copies a translation command makes.
  void RunTranslationStep();
  // Moves the view centre towards the unit by lattice vectors.
  void RecentreView();
  bool ViewInsideCoverBox() const { return kernel::BoxStrictlyInside(mapping.box, coverBox); }
  // Sets the view's centre and half extents as given and fits it to the client area.
  void PlaceView(const kernel::Point2& centre, kernel::Real halfWidth, kernel::Real halfHeight);
  void ViewChanged();
};

}  // namespace special
