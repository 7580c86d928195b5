#pragma once
// What the EPS and SVG writers need to know of their window, filled in by the window once per
// export: the colour table, the screen's resolution, the names written into the file's head, the
// frame count and animation extents, the picture frame's pen, and how texts are measured.

#include <functional>
#include <string>
#include <string_view>

#include "kernel/colour_table.h"
#include "kernel/real.h"
#include "platform/drawing_types.h"
#include "view/figure_painter.h"

namespace view {

// The size of a text in a text style, in pixels of the window's device.
using TextMeasure = std::function<platform::SizeI(const TextStyle& style, std::string_view text)>;

struct VectorExportSettings {
  // Colour indices are looked up here: entries 1 to 60, entry 0 for any other index.
  kernel::ColorArray colors = kernel::DefaultColorTable();
  // Horizontal dots per inch of the screen: pixels become points by 72 / screenDpi.
  int screenDpi = 96;
  // The program that wrote the file (EPS head).
  std::string creator = "kavrine";
  // The figure's file name; the EPS head names it without its folders.
  std::string fileName;
  // The title element of an SVG document.
  std::string title;
  // The creation date written into the EPS head (EpsCreationDate gives today's); set once per
  // export so that every frame file carries the same.
  std::string creationDate;
  // The size of an SVG picture in pixels, 0 for the view's own; the view is scaled into it.
  int pictureWidth = 0;
  int pictureHeight = 0;
  // Frames of an animation; 2 or more place the picture by the animation extents below.
  int frames = 1;
  // Half width of an animation's picture in picture units (its half height follows the view's
  // shape) and the world-to-picture factor of the frame being written.
  kernel::Real animationHalfWidth = 5;
  kernel::Real animationScale = 1;
  // The pen width of the picture frame (the printer's extra width + 1).
  int framePenWidth = 1;
  // Measures texts for their placement; when empty, texts are measured on an off-screen bitmap.
  TextMeasure measureText;
};

// The colour of a colour-table index by the rules of the settings, or the colour itself.
kernel::ColorRef ExportColor(const VectorExportSettings& settings, const InkColor& color);

}  // namespace view
