// The name of the x axis drawn from a text of the figure: the graph window names its current
// measurement so.
#include <algorithm>

#include "engine/windows/geom_win.h"

namespace engine {

namespace {

// The measurements font, the axes' colour.
constexpr int kMeasurementFontSlot = 2;
constexpr int kAxisColorRole = 3;
// The text ends this many pixels left of the view's right edge and stands this many above the
// tick marks.
constexpr int kGapPixelsX = 4;
constexpr int kGapPixelsY = 2;

}  // namespace

void TGeomWin::DrawAxisNameText(view::FigurePainter& painter, const std::string& text) {
  if (text.empty()) return;
  const view::ViewMapping& m = mapping;
  // The printed page keeps the screen's proportions.
  const Real magnifier = qelWin.printing ? qelWin.deviceFactor : 1;
  const Real gapX = kGapPixelsX * m.unitsPerPixelX * magnifier;
  const Real gapY = kGapPixelsY * m.unitsPerPixelY * magnifier;
  const Real halfTick = axes.tickLength * m.unitsPerPixelY / 2;
  const Point2 anchor{m.box.xmax - gapX, halfTick + gapY};

  painter.Save();
  view::TextStyle style = painter.state().text;
  style.font = SlotFont(kMeasurementFontSlot);
  style.pointSize = fontWin.pointSizes[kMeasurementFontSlot];
  style.color = view::InkColor::Index(preWin.roles[kAxisColorRole]);
  style.formula = false;
  style.display = false;
  painter.SetTextStyle(style);
  // The text ends at the anchor and stands on it.
  if (painter.SetsTextsItself()) {
    painter.TextAtPoint(anchor, text, -1, 1);
  } else {
    const auto backgroundRole = static_cast<std::size_t>(
        std::clamp<int>(axes.labelBackgroundRole, 0, shell::kColorRoleCount - 1));
    DrawLabel(painter, text, {XToScreen(anchor.x), YToScreen(anchor.y)}, -1, 1, Color(preWin.roles[backgroundRole]));
  }
  painter.Restore();
}

}  // namespace engine
