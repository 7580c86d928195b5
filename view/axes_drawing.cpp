// The coordinate frame of the graphics layer, axis half: the entry that paints the whole frame,
// the two axes with their ticks and arrowheads, the scale labels (numbers or multiples of pi), the
// axis names, the origin letter and the tick-interval notice.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "kernel/scale_text.h"
#include "resources/resource_library.h"
#include "view/line_style.h"
#include "view/qel_wing.h"

namespace view {

using kernel::Point2;
using kernel::Real;
using platform::PointI;

namespace {

constexpr Real kZero = static_cast<Real>(1e-13);
constexpr Real kNull = static_cast<Real>(1e-16);
constexpr Real kAxisInset = static_cast<Real>(0.002);
constexpr int kLabelGap = 4;  // pixels between a tick's end and its label
constexpr int kScaleFontSlot = 1;
constexpr int kNameFontSlot = 5;
constexpr int kAxisRole = 3;
constexpr int kGridRole = 10;
constexpr int kNoticeString = 14;  // "tick interval changed"
constexpr std::size_t kNoticeLength = 255;
constexpr Real kArrowWidthRatio = static_cast<Real>(0.9);

// A tick index range no window of sane size shows (the intervals are widened to at most one tick
// every 8 pixels); such a range is not walked.
bool WalkableRange(std::int32_t first, std::int32_t last, int pixels) {
  return static_cast<long long>(last) - first <= 2LL * pixels + 16;
}

}  // namespace

// Pens, fonts and colours of one pass over the frame.
struct TQELWing::AxisInk {
  LinePen axis;
  LinePen major;
  LinePen minor;
  std::int32_t majorAttribute = 0;
  TextStyle scale;
  TextStyle names;
  kernel::ColorRef labelBackground = 0;
  bool border = false;
};

TQELWing::AxisInk TQELWing::MakeAxisInk() const {
  AxisInk ink;
  const bool printing = mapping.printing;
  const int axisWidth = printing ? axes.axisPrintedWidth : axes.axisPenWidth;
  const InkColor axisColor = InkColor::Index(preWin.roles[kAxisRole]);
  ink.axis = {axisColor, axisWidth, kLineSolid};
  const int gridWidth = printing ? axes.gridPrintedWidth : axes.gridPenWidth;
  const int minorWidth = gridWidth - 1 == 0 ? 1 : gridWidth - 1;
  const int gridStyle = (axes.gridKind & 64) ? kLineDot : kLineSolid;
  const int gridIndex = preWin.roles[kGridRole];
  ink.major = {InkColor::Index(gridIndex), gridWidth, gridStyle};
  ink.minor = {InkColor::Index(gridIndex), minorWidth, gridStyle};
  ink.majorAttribute = MakeAttribute(gridIndex, gridWidth);
  ink.scale.font = SlotFont(kScaleFontSlot);
  ink.scale.pointSize = fontWin.pointSizes[kScaleFontSlot];
  ink.scale.color = axisColor;
  ink.scale.formula = true;
  ink.names = ink.scale;
  ink.names.font = SlotFont(kNameFontSlot);
  ink.names.pointSize = fontWin.pointSizes[kNameFontSlot];
  ink.labelBackground = Color(preWin.roles[std::min<int>(axes.labelBackgroundRole, shell::kColorRoleCount - 1)]);
  ink.border = (axes.scaleNumbers & 4) != 0;
  return ink;
}

void TQELWing::DrawAxes(FigurePainter& painter) {
  if (!axes.axesShown && !axes.latticeDots && axes.gridKind == 0) return;
  const AxisInk ink = MakeAxisInk();
  painter.Save();
  PaintGrid();
  DrawGridlines(painter, ink.major, ink.minor);
  DrawPolarGrid(painter, ink.major);
  DrawLatticeDots(painter, ink.majorAttribute);
  DrawXAxis(painter, ink);
  DrawYAxis(painter, ink);
  if (!axes.opaqueLabels) DrawAxisNames(painter);
  painter.Restore();
  axes.gridChanged = 0;
  DrawIntervalNotice(painter);
}

void TQELWing::DrawXAxis(FigurePainter& painter, const AxisInk& ink) {
  const ViewMapping& m = mapping;
  const kernel::Box2& box = m.box;
  int y0 = 0;
  const bool onScreen = YToScreenChecked(m, 0, y0);
  const int kind = axes.axesKind;
  const bool drawn = axes.axesShown && onScreen && kind != 0 && kind != 2;
  const bool otherAxis = axes.axesShown && (kind == 2 || kind == 3);
  const bool firstQuadrantOnly = (axes.gridKind & 31) == 17;
  Point2 start{box.xmin + kAxisInset * m.halfWidth, 0};
  const Point2 end{box.xmax - kAxisInset * m.halfWidth, 0};
  if ((firstQuadrantOnly || kind == 4) && start.x < 0) start.x = 0;
  painter.SetPen(ink.axis);
  if (drawn) {
    painter.Comment("x axis begin");
    painter.Segment(start, end, false);
    if (axes.arrows) {
      const Real length = axes.arrowLength;
      ArrowheadShape shape{length, kArrowWidthRatio, static_cast<Real>(0.5), wing.solidArrowheads != 0};
      painter.Arrowhead({end.x - m.unitsPerPixelX, 0}, {length, 0}, shape);
    }
    painter.Comment("x axis end");
  }

  const Real t = axes.tickHalfY;
  std::int32_t first = axes.tickFirstX;
  if (firstQuadrantOnly) first = std::max<std::int32_t>(first, 0);
  if (kind == 4) first = std::max<std::int32_t>(first, 1);
  const std::int32_t last = axes.tickLastX;
  if (!WalkableRange(first, last, m.width)) return;
  const bool ticks = axes.ticks && drawn;
  const std::optional<kernel::ColorRef> background = ink.labelBackground;
  painter.Save();
  painter.SetTextStyle(ink.scale);
  if (ticks) painter.Comment("x-ticks begin");
  const int freq = std::max<int>(axes.xLabelFrequency, 1);
  const int p = static_cast<int>(std::fabs(t) * m.pixelsPerUnitY);
  for (std::int32_t i = first; i <= last; ++i) {
    const Real x = axes.gridOriginX + i * axes.gridSpacingX;
    if (ticks && (std::fabs(x) > kZero || kind == 1)) {
      const int px = XToScreen(x);
      painter.PixelSegment({px, y0 + p}, {px, y0 - p - 1});
    }
    if (axes.xLabelsInAxisPass && (drawn || ink.border) && i % freq == 0 && (std::fabs(x) > kZero || !otherAxis)) {
      const Point2 anchor{x, ink.border ? box.ymin : -t};
      DrawTickLabel(painter, x, anchor, ink.border, background);
    }
  }
  if (ticks) painter.Comment("x-ticks end");
  painter.Restore();
}

void TQELWing::DrawYAxis(FigurePainter& painter, const AxisInk& ink) {
  const ViewMapping& m = mapping;
  const kernel::Box2& box = m.box;
  int x0 = 0;
  const bool onScreen = XToScreenChecked(m, 0, x0);
  const int kind = axes.axesKind;
  const bool drawn = axes.axesShown && onScreen && (kind == 2 || kind == 3);
  const bool otherAxis = axes.axesShown && (kind == 1 || kind == 3);
  const bool firstQuadrantOnly = (axes.gridKind & 31) == 17;
  Point2 start{0, box.ymin + kAxisInset * m.halfHeight};
  const Point2 end{0, box.ymax - kAxisInset * m.halfHeight};
  if ((firstQuadrantOnly || kind == 4) && start.y < 0) start.y = 0;
  painter.SetPen(ink.axis);
  if (drawn) {
    painter.Comment("y axis begin");
    painter.Segment(start, end, false);
    if (axes.arrows) {
      const Real length = axes.arrowLength;
      ArrowheadShape shape{length, kArrowWidthRatio, static_cast<Real>(0.5), wing.solidArrowheads != 0};
      painter.Arrowhead({0, end.y - m.unitsPerPixelY}, {0, length * m.aspect}, shape);
    }
    painter.Comment("y axis end");
  }

  const Real t = axes.tickHalfX;
  std::int32_t first = axes.tickFirstY;
  if (firstQuadrantOnly) first = std::max<std::int32_t>(first, 0);
  if (kind == 4) first = std::max<std::int32_t>(first, 1);
  const std::int32_t last = axes.tickLastY;
  if (!WalkableRange(first, last, m.height)) return;
  const bool ticks = axes.ticks && drawn;
  const std::optional<kernel::ColorRef> background = ink.labelBackground;
  painter.Save();
  painter.SetTextStyle(ink.scale);
  if (ticks) painter.Comment("y-ticks begin");
  const int freq = std::max<int>(axes.yLabelFrequency, 1);
  const int p = static_cast<int>(std::fabs(t) * m.pixelsPerUnitX);
  for (std::int32_t i = first; i <= last; ++i) {
    const Real y = axes.gridOriginY + i * axes.gridSpacingY;
    if (ticks && (std::fabs(y) > kZero || kind == 2)) {
      const int py = YToScreen(y);
      painter.PixelSegment({x0 - p, py}, {x0 + p + 1, py});
    }
    if (axes.yLabelsInAxisPass && (drawn || ink.border) && i % freq == 0 && (std::fabs(y) > kZero || !otherAxis)) {
      const Point2 anchor{ink.border ? box.xmin : -t, y};
      DrawYTickLabel(painter, y, anchor, ink.border, background);
    }
  }
  if (ticks) painter.Comment("y-ticks end");
  painter.Restore();
}

void TQELWing::DrawXScaleLabels(FigurePainter& painter, const AxisInk& ink) {
  if (!(axes.scaleNumbers & 1)) return;
  const ViewMapping& m = mapping;
  int y0 = 0;
  const int kind = axes.axesKind;
  const bool drawn = axes.axesShown && YToScreenChecked(m, 0, y0) && kind != 0 && kind != 2;
  const bool otherAxis = axes.axesShown && (kind == 2 || kind == 3);
  if (!drawn && !ink.border) return;
  std::int32_t first = axes.tickFirstX;
  if ((axes.gridKind & 31) == 17) first = std::max<std::int32_t>(first, 0);
  if (kind == 4) first = std::max<std::int32_t>(first, 1);
  if (!WalkableRange(first, axes.tickLastX, m.width)) return;
  const int freq = std::max<int>(axes.xLabelFrequency, 1);
  for (std::int32_t i = first; i <= axes.tickLastX; ++i) {
    const Real x = axes.gridOriginX + i * axes.gridSpacingX;
    if (i % freq != 0 || (std::fabs(x) <= kZero && otherAxis)) continue;
    DrawTickLabel(painter, x, {x, ink.border ? m.box.ymin : -axes.tickHalfY}, ink.border, ink.labelBackground);
  }
}

void TQELWing::DrawYScaleLabels(FigurePainter& painter, const AxisInk& ink) {
  if (!(axes.scaleNumbers & 2)) return;
  const ViewMapping& m = mapping;
  int x0 = 0;
  const int kind = axes.axesKind;
  const bool drawn = axes.axesShown && XToScreenChecked(m, 0, x0) && (kind == 2 || kind == 3);
  const bool otherAxis = axes.axesShown && (kind == 1 || kind == 3);
  if (!drawn && !ink.border) return;
  std::int32_t first = axes.tickFirstY;
  if ((axes.gridKind & 31) == 17) first = std::max<std::int32_t>(first, 0);
  if (kind == 4) first = std::max<std::int32_t>(first, 1);
  if (!WalkableRange(first, axes.tickLastY, m.height)) return;
  const int freq = std::max<int>(axes.yLabelFrequency, 1);
  for (std::int32_t i = first; i <= axes.tickLastY; ++i) {
    const Real y = axes.gridOriginY + i * axes.gridSpacingY;
    if (i % freq != 0 || (std::fabs(y) <= kZero && otherAxis)) continue;
    DrawYTickLabel(painter, y, {ink.border ? m.box.xmin : -axes.tickHalfX, y}, ink.border, ink.labelBackground);
  }
}

void TQELWing::DrawTickLabel(FigurePainter& painter, Real x, Point2 anchor, bool border,
                             std::optional<kernel::ColorRef> background) {
  const int dir = border ? 1 : -1;
  anchor.y += kLabelGap * dir * mapping.unitsPerPixelY;
  std::string text = XTickText(painter, x);
  if (!axes.opaqueLabels) background.reset();
  const PointI pixel{XToScreen(anchor.x), YToScreen(anchor.y)};
  PixelBox rect;
  if (!PlaceLabel(painter, text, anchor, 0, dir, rect)) return;
  painter.Text(pixel, text, 0, dir, background);
}

void TQELWing::DrawYTickLabel(FigurePainter& painter, Real y, Point2 anchor, bool border,
                              std::optional<kernel::ColorRef> background) {
  if (anchor.y < mapping.box.ymin) return;
  const int dir = border ? 1 : -1;
  anchor.x += kLabelGap * dir * mapping.unitsPerPixelX;
  std::string text = YTickText(painter, y);
  if (!axes.opaqueLabels) background.reset();
  const PointI pixel{XToScreen(anchor.x), YToScreen(anchor.y)};
  PixelBox rect;
  if (!PlaceLabel(painter, text, anchor, dir, 0, rect)) return;
  painter.Text(pixel, text, dir, 0, background);
}

namespace {

std::string TickText(const FigurePainter& painter, Real value, int places, bool pi, std::uint16_t piCharacter,
                     std::uint16_t suffix) {
  const std::string piChar(1, static_cast<char>(piCharacter));
  kernel::ScaleTextStyle style;
  style.places = places;
  style.multiplesOfPi = pi;
  style.piText = painter.FormulaSymbolsAsCommands() ? std::string_view("\\pi") : std::string_view(piChar);
  style.suffix = static_cast<char>(suffix);
  return kernel::ScaleLabelText(value, style);
}

}  // namespace

std::string TQELWing::XTickText(const FigurePainter& painter, Real value) const {
  return TickText(painter, value, axes.xLabelPlaces, axes.xScalePi != 0, axes.piCharacter, axes.labelSuffix);
}

std::string TQELWing::YTickText(const FigurePainter& painter, Real value) const {
  return TickText(painter, value, axes.yLabelPlaces, axes.yScalePi != 0, axes.piCharacter, axes.labelSuffix);
}

void TQELWing::DrawScaleLabels(FigurePainter& painter) {
  const AxisInk ink = MakeAxisInk();
  painter.Save();
  painter.SetTextStyle(ink.scale);
  if (!axes.xLabelsInAxisPass) DrawXScaleLabels(painter, ink);
  if (!axes.yLabelsInAxisPass) DrawYScaleLabels(painter, ink);
  if (axes.originLetter && !ink.border) {
    std::string text = "O";
    Point2 at{-axes.tickHalfX, -axes.tickHalfY};
    const PointI pixel{XToScreen(at.x), YToScreen(at.y)};
    PixelBox rect;
    if (PlaceLabel(painter, text, at, -1, -1, rect)) painter.Text(pixel, text, -1, -1, ink.labelBackground);
  }
  painter.Restore();
  if (axes.opaqueLabels) DrawAxisNames(painter);
}

void TQELWing::DrawAxisNames(FigurePainter& painter) {
  if (!axes.showAxisNames || !axes.axesShown) return;
  const AxisInk ink = MakeAxisInk();
  const ViewMapping& m = mapping;
  const kernel::Box2& box = m.box;
  const Real gapX = kLabelGap * m.unitsPerPixelX;
  const Real gapY = kLabelGap * m.unitsPerPixelY;
  painter.Save();
  painter.SetTextStyle(ink.names);
  const auto place = [&](std::string text, Point2 anchor, int h, int v) {
    const PointI pixel{XToScreen(anchor.x), YToScreen(anchor.y)};
    PixelBox rect;
    if (PlaceLabel(painter, text, anchor, h, v, rect)) painter.Text(pixel, text, h, v, ink.labelBackground);
  };
  const bool above = (axes.scaleNumbers & 1) && !ink.border;
  if (above ? box.ymin <= kNull : box.ymax >= -kNull) {
    const Real y = above ? axes.tickHalfY + gapY : -axes.tickHalfY - gapY;
    place(axes.axisNames[0], {box.xmax - gapX, y}, -1, above ? 1 : -1);
  }
  const bool right = (axes.scaleNumbers & 2) && !ink.border;
  if (right ? box.xmin + kNull <= 0 : box.xmax >= kNull) {
    const Real x = right ? axes.tickHalfX + gapX : -axes.tickHalfX - gapX;
    place(axes.axisNames[1], {x, box.ymax - 2 * m.unitsPerPixelY}, right ? 1 : -1, -1);
  }
  painter.Restore();
}

void TQELWing::DrawIntervalNotice(FigurePainter& painter) {
  if (axes.noticeState != 1 || !painter.ShowsNotices()) return;
  std::string text = resources::LoadString(kNoticeString);
  if (text.size() > kNoticeLength) text.resize(kNoticeLength);
  TextStyle style = painter.state().text;
  style.color = InkColor::Index(axes.noticeColor);
  style.formula = false;
  painter.Save();
  painter.SetTextStyle(style);
  painter.Text({mapping.width - 2, mapping.height - 2}, text, -1, 1, Color(preWin.roles[0]));
  painter.Restore();
  axes.noticeState = 2;
}

}  // namespace view
