#pragma once
// The settings of a graphics window's coordinate frame (axes, ticks, grid, lattice, labels) and of
// its view commands, as plain records the window owns. The axes and grid code read them; the view
// stack saves and restores the part that belongs to a view.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "kernel/real.h"
#include "kernel/stored_plane.h"
#include "view/view_record.h"

namespace view {

struct AxesSettings {
  std::uint8_t axesShown = 0;  // View > Axes

  // Ticks and grid lines lie at origin + spacing x index.
  kernel::Real gridSpacingX = 1;
  kernel::Real gridSpacingY = 1;
  kernel::Real gridOriginX = 0;
  kernel::Real gridOriginY = 0;
  // The first and last tick index in x and y, prepared before each paint.
  std::int32_t tickFirstX = 0;
  std::int32_t tickLastX = 0;
  std::int32_t tickFirstY = 0;
  std::int32_t tickLastY = 0;

  std::uint16_t scaleNumbers = 0;  // 1 x scale, 2 y scale, 4 scale on the border
  std::uint16_t gridKind = 15;     // 1, 2, 4, 8 quadrants I to IV, 16 rectangular, 32 polar, 64 dotted
  std::uint16_t sectorCount = 12;
  std::uint16_t piCharacter = 112;  // the letter p of the symbol font
  std::uint16_t labelSuffix = 176;
  std::uint16_t tickLength = 10;
  std::uint16_t shortTickLength = 7;
  std::uint16_t axesKind = 3;  // 0 none, 1 x axis, 2 y axis, 3 both, 4 polar
  std::uint8_t latticeDots = 0;
  std::uint8_t ticks = 1;
  std::uint8_t showAxisNames = 0;
  std::uint8_t arrows = 0;
  std::uint8_t originLetter = 0;
  std::uint16_t xLabelPlaces = 1;
  std::uint16_t yLabelPlaces = 1;
  std::uint16_t xLabelFrequency = 1;
  std::uint16_t yLabelFrequency = 1;
  std::uint8_t xLabelsInAxisPass = 0;
  std::uint8_t yLabelsInAxisPass = 0;
  std::uint8_t xScalePi = 0;  // the x scale counts in multiples of pi
  std::uint8_t yScalePi = 0;

  std::uint16_t latticeDotSize = 5;  // pixels
  std::uint8_t opaqueLabels = 1;
  std::uint16_t axisPenWidth = 1;  // on screen
  std::uint16_t axisPrintedWidth = 2;
  std::uint16_t gridPenWidth = 1;
  std::uint16_t gridPrintedWidth = 2;
  // Labels may show every "-" as another character (a longer dash).
  std::uint8_t minusSubstitution = 0;
  std::uint16_t minusCharacter = 150;
  // The names written at the axes, at most kAxisNameLength characters each.
  std::array<std::string, 3> axisNames{"x", "y", "z"};

  // The notice that a tick interval was widened: 1 draws it at the next paint (then 2); 0 keeps
  // it off; it is drawn in the colour of noticeColor.
  std::uint16_t noticeState = 0;
  std::uint16_t noticeColor = 5;
  // The colour role behind opaque labels.
  std::uint16_t labelBackgroundRole = 0;
  // Set when the grid settings changed; cleared once the axes are drawn again.
  std::uint8_t gridChanged = 0;
  // The sizes of the marks in world units, kept by the grid layer after every view change: half
  // a tick's length in x and in y units, and the arrowheads' length in x units.
  kernel::Real tickHalfX = 0;
  kernel::Real tickHalfY = 0;
  kernel::Real arrowLength = 0;
};

inline constexpr int kAxisNameLength = 19;

struct WingData {
  kernel::Real zoomFactor = static_cast<kernel::Real>(1.1);
  // One shift command moves the view by this fraction of its full width or height.
  kernel::Real shiftFraction = static_cast<kernel::Real>(0.01);
  std::uint8_t solidArrowheads = 0;
  std::uint8_t shiftEnabled = 1;
  // Set: the view dialog leaves the view alone.
  std::uint8_t viewLocked = 0;
  // The printed pen width (device pixels) follows from this thickness for each print pass.
  std::int16_t printLineThickness = 2;
  std::int32_t printedPenWidth = 1;
  // Cleared by every view change, so the next paint draws the whole picture anew.
  std::uint8_t pictureValid = 0;
  // Earlier views, the last one on top; Last window goes back to it.
  std::vector<ViewRecord> viewStack;
  // The plane that the 3-D windows cut and slice with; normalised, all zero for none.
  kernel::PlaneRecord plane;
};

}  // namespace view
