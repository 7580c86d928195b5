// The point markers and labels that end every drawing pass of a geometry window: a marker of the
// point's style, then its name in the label font with the subscript in a smaller font, placed at
// the point's label offset; in a writer that sets texts itself, the name as a TeX formula.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/windows/geom10_win.h"
#include "kernel/labels.h"
#include "kernel/number_text.h"

namespace engine {

namespace {

// The marker shape of each point style (the painter's marker styles).
constexpr std::uint32_t kShapeOfStyle[kMarkerStyles] = {0, 1, 1, 8, 9};

}  // namespace

void TGeom10Win::DrawLabels(view::FigurePainter& painter, int point, bool emphasised) {
  const FigureTables& t = tables();
  if (t.last_point < 0) return;
  const int first = point < 0 ? 0 : point;
  const int last = point < 0 ? t.last_point : std::min<int>(point, t.last_point);

  view::TextStyle font;
  font.font = SlotFont(emphasised ? 3 : 0);
  font.color = view::InkColor::Index(labelDisplay.labelColor);
  view::TextStyle subscriptFont = font;
  subscriptFont.font.height = font.font.height * 2 / 3;
  if (subscriptFont.font.height == 0) subscriptFont.font.height = -10;
  const bool keepBoxes = !qelWin.printing && device.magnifier == 1;

  painter.Save();
  // The label font's height measured on "M", the subscript's width on "2": once a pass.
  LabelFonts fonts{font, subscriptFont, 0, 0, keepBoxes};
  painter.SetTextStyle(subscriptFont);
  fonts.subscriptWidth = painter.TextExtent("2").width;
  painter.SetTextStyle(font);
  fonts.height = painter.TextExtent("M").height;
  painter.Comment("begin labels");
  for (int i = first; i <= last; ++i) {
    if (point < 0 && static_cast<std::size_t>(i) < labelLayer.size() && labelLayer[i] == labelLayerSkip) continue;
    DrawPointLabel(painter, i, fonts);
  }
  painter.Comment("end labels");
  painter.Restore();
}

platform::Rect TGeom10Win::LabelBox(int i) const {
  const FigureTables& t = tables();
  if (i < 0 || i > t.last_point || !t.exists[i] || !t.second_flag[i] || !InView(t.xy[i])) return {};
  platform::PointI pixel;
  WorldToPixel(t.xy[i], pixel);
  const PointNameRecord& name = t.names[i];
  platform::Rect box;
  const int style = labelDisplay.globalMarker != 0 ? labelDisplay.globalMarker : name.marker;
  if (style > 0 && style < kMarkerStyles) {
    // The marker reaches its size to each side of the point, its pen one pixel further.
    const int r = std::max<int>(labelDisplay.markerSize, 1) + 2;
    box = {pixel.x - r, pixel.y - r, pixel.x + r + 1, pixel.y + r + 1};
  }
  const bool labelled = labelDisplay.labelMode == 1 || (labelDisplay.labelMode == 0 && name.shown != 0);
  if (labelled && name.width > 0 && name.height > 0) {
    // The subscript hangs below the letter's box by up to half its height.
    const int left = pixel.x + name.left - 3;
    const int top = pixel.y + name.top - 3;
    box = platform::Unite(box, {left, top, left + name.width + 6, top + name.height * 3 / 2 + 6});
  }
  return box;
}

void TGeom10Win::DrawPointLabel(view::FigurePainter& painter, int i, const LabelFonts& fonts) {
  FigureTables& t = tables();
  if (!t.exists[i] || !t.second_flag[i]) return;
  const Point2& p = t.xy[i];
  if (!InView(p)) return;
  platform::PointI pixel;
  WorldToPixel(p, pixel);
  PointNameRecord& name = t.names[i];

  const int style = labelDisplay.globalMarker != 0 ? labelDisplay.globalMarker : name.marker;
  if (style > 0 && style < kMarkerStyles) {
    const int colour = style == 2 ? labelDisplay.secondMarkerColor : labelDisplay.markerColor;
    painter.SetPen({view::InkColor::Index(colour), 1, view::kLineSolid});
    painter.SetBrush({true, view::InkColor::Index(colour), 0});
    const int size = style == 3 ? labelDisplay.markerSize * 80 / 100 : labelDisplay.markerSize;
    painter.Marker(p, kShapeOfStyle[style], std::max(size, 1));
  }

  const bool labelled = labelDisplay.labelMode == 1 || (labelDisplay.labelMode == 0 && name.shown != 0);
  if (!labelled) return;
  if (painter.SetsTextsItself()) {
    // A writer that sets its texts itself (PiCTeX) gets the label as one formula, "A_{1}" or
    // "A'", centred where the label's box is centred on the screen.
    std::string tex;
    if (!kernel::IndexToTeXLabel(name.label, tex)) return;
    view::TextStyle formula = fonts.font;
    formula.formula = true;
    formula.display = false;
    painter.SetTextStyle(formula);
    painter.TextAtPoint({p.x + name.dx * mapping.unitsPerPixelX, p.y - name.dy * mapping.unitsPerPixelY}, tex);
    return;
  }
  std::string letter;
  std::string subscript;
  if (!kernel::IndexToLabel(name.label, letter, subscript)) return;

  painter.SetTextStyle(fonts.font);
  const platform::SizeI letterSize = painter.TextExtent(letter);
  const int h = fonts.height;
  const int w = letterSize.width + static_cast<int>(subscript.size()) * fonts.subscriptWidth;
  // On a printed page the offset grows with the figure.
  const kernel::Real scale = qelWin.printing ? device.printFactor : kernel::Real{1};
  const int left = kernel::RoundLD(scale * name.dx) - w / 2;
  const int top = kernel::RoundLD(scale * name.dy) - h / 2;
  if (fonts.keepBoxes) {
    name.left = static_cast<std::int16_t>(left);
    name.top = static_cast<std::int16_t>(top);
    name.width = static_cast<std::int16_t>(w);
    name.height = static_cast<std::int16_t>(h);
  }
  const platform::PointI at{pixel.x + left, pixel.y + top};
  painter.Text(at, letter, 1, -1, std::nullopt);
  if (!subscript.empty()) {
    painter.SetTextStyle(fonts.subscript);
    painter.Text({at.x + letterSize.width, at.y + h * 15 / 32}, subscript, 1, -1, std::nullopt);
  }
}

}  // namespace engine
