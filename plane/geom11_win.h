#pragma once
// The plane command layer: the plane menus and their commands, the history listing, taking back
// imported blocks, the reset of the figure, unit and random figures, the mouse picker and the plane
// transformations.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/windows/geom10_win.h"

namespace plane {

class TGeom11Win : public engine::TGeom10Win {
 public:
  TGeom11Win(platform::FrameWindow* parent, std::string_view title);

  // The label offset (pixels, in x and y) new figures give their points: 0 after Edit > Labels >
  // Home, 10 after Offset.
  std::uint16_t defaultLabelOffset = 10;

  // Empties the figure: no history, no objects, every point's name record reset with the default
  // label offset, the view about the origin with half extents 5, nothing modified.
  void ClearFigure() override;
  // File > New (after the save question): a figure with points is cleared and the window takes
  // the name it was opened with, unsaved.
  void NewFigure() override;

 private:
  std::string defaultFileName_;
};

}  // namespace plane
