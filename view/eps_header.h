#pragma once
// The page of an EPS picture: its size in points, the scales from world units to points, the
// dash settings of the pen styles, and the texts at the head and the end of every file.

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "kernel/real.h"
#include "view/vector_export_settings.h"
#include "view/view_mapping.h"

namespace view {

struct EpsPage {
  // The picture in points, whole numbers.
  kernel::Real width = 0;
  kernel::Real height = 0;
  kernel::Real pointsPerPixel = 0;
  // Points per world unit.
  kernel::Real xScale = 0;
  kernel::Real yScale = 0;
  // An animation's picture extents (used with 2 or more frames).
  int frames = 1;
  kernel::Real animationHalfWidth = 5;
  kernel::Real animationHalfHeight = 5;
  // "[...] 0 setdash" for pen styles 0 (solid) to 4.
  std::array<std::string, 5> dash;
};

// The picture size (client width - 1 pixels wide, in the client's shape), the points per pixel
// and the dashes for a client of this size on a screen of dpi dots per inch.
void SetEpsPageMetrics(EpsPage& page, int clientWidth, int clientHeight, int dpi);
// The page of an export of the view: the size rounded up to whole points, and the scales that
// put the view box (or, for an animation, the animation extents) on it.
EpsPage MakeEpsPage(const ViewMapping& mapping, const VectorExportSettings& settings);

// The head of every file of the export, and its end. The head declares the bounding box and
// clips the picture to it.
std::string EpsHeaderText(const EpsPage& page, const VectorExportSettings& settings);
std::string EpsTrailerText();

// The date in a long form in plain ASCII ("Monday, March 3, 2025"), in local time.
std::string EpsCreationDate(std::time_t when);

// Numbers of the files: coordinates and radii (width 5, 3 decimals), angles (8, 6), line widths
// (4, 2).
std::string EpsNumber(kernel::Real x);
std::string EpsAngle(kernel::Real degrees);
std::string EpsLineWidth(kernel::Real points);
// The red, green and blue channels of a colour between 0 and 1.
std::string EpsColorText(kernel::ColorRef color);
// A text as the body of a PostScript string: "(", ")" and "\" get a backslash; control
// characters and bytes 128 to 255 are written as octal escapes, so the file stays plain ASCII.
std::string PostScriptEscape(std::string_view text);

}  // namespace view
