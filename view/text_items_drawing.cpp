// Drawing the text items: on the screen, the printer and metafiles through a device context, and
// into the exports through their painters.

#include <optional>

#include "kernel/font_records.h"
#include "kernel/number_text.h"
#include "platform/stored_fonts.h"
#include "view/dc_figure_painter.h"
#include "view/qel_wint.h"

namespace view {

using kernel::Point2;
using kernel::Real;

namespace {

// A metafile's texts are sized for this many dots per inch, times its magnification.
constexpr Real kMetafileDotsPerPoint = static_cast<Real>(1.33);
constexpr int kPointsPerInch = 72;

}  // namespace

void TQELWint::PaintTextItem(FigurePainter& painter, TextItem& item, bool forceTransparent,
                             kernel::ColorRef background) {
  const std::string text = GetItemText(item);
  const int size = TextItemSize(item);
  TextStyle style;
  style.font = platform::FontSpecFromRecord(item.font);
  if (device.metafileRunning) {
    const int dpi = kernel::RoundLD(kMetafileDotsPerPoint * kPointsPerInch * device.magnifier);
    style.font.height = -kernel::MulDiv(size, dpi, kPointsPerInch);
  } else if (qelWin.printing) {
    style.font.height = -kernel::MulDiv(size, PrintedTextDpi(), kPointsPerInch);
  }
  style.pointSize = size;
  style.color = InkColor::Value(item.color);
  painter.SetTextStyle(style);

  TextToAbsolute(item);
  const ViewMapping& m = painter.mapping();
  const platform::SizeI extent = painter.TextExtent(text);
  platform::PointI pixel;
  if (m.printing) {
    // The printer's font is scaled otherwise than the screen's: the text keeps the centre of its box.
    pixel.x = view::XToScreen(m, (item.x + item.x2) / 2) - extent.width / 2;
    pixel.y = view::YToScreen(m, (item.y + item.y2) / 2) - extent.height / 2;
  } else {
    pixel = {view::XToScreen(m, item.x), view::YToScreen(m, item.y)};
  }
  const bool hidden = TextItemHideFlag(item) && !IsObjectShown(item.tie);
  if (pixel.x >= 0 && pixel.y >= 0 && item.shown && !hidden) {
    const bool opaque = !forceTransparent && !item.transparent;
    painter.Text(pixel, text, 1, -1, opaque ? std::optional<kernel::ColorRef>(background) : std::nullopt);
  }
  if (!m.printing) {
    item.x2 = view::XToWorld(m, pixel.x + extent.width);
    item.y2 = view::YToWorld(m, pixel.y + extent.height);
  }
  TextToRelative(item);
}

void TQELWint::DrawTextList(FigurePainter& painter, TextList& list, bool forceTransparent, bool mathMode,
                            int colorRole) {
  if (list.empty()) return;
  painter.Save();
  if (painter.SetsTextsItself()) {
    // Set by the writer's typesetter, each text centred where its box was last drawn.
    for (TextItem& item : list) {
      if (!item.shown || !TextInPass(list, item)) continue;
      const bool fromCorner = SetFromCorner(item);
      TextStyle style = painter.state().text;
      style.formula = mathMode || fromCorner;
      style.display = mathMode && !fromCorner && item.evalCode < kEvalCodeLimit;
      painter.SetTextStyle(style);
      TextToAbsolute(item);
      const Point2 corner{item.x, item.y};
      const Point2 centre{(item.x + item.x2) / 2, (item.y2 + item.y) / 2};
      TextToRelative(item);
      if (fromCorner) {
        painter.TextAtPoint(corner, GetItemText(item), 1, -1);
      } else {
        painter.TextAtPoint(centre, GetItemText(item));
      }
    }
  } else {
    const auto role = static_cast<std::size_t>(std::clamp(colorRole, 0, shell::kColorRoleCount - 1));
    const kernel::ColorRef background = Color(preWin.roles[role]);
    for (TextItem& item : list)
      if (item.shown && TextInPass(list, item)) PaintTextItem(painter, item, forceTransparent, background);
  }
  painter.Restore();
}

void TQELWint::DrawTexts(FigurePainter& painter) {
  DrawTextList(painter, textItems.plain, false, false, 0);
  DrawTextList(painter, textItems.evaluated, false, true, 0);
  DrawTextList(painter, textItems.measurements, false, true, 0);
}

bool TQELWint::ExportPicture(FigurePainter& painter, const ExportFrame& frame) {
  const bool drawn = TGridWin::ExportPicture(painter, frame);
  DrawTexts(painter);
  return drawn;
}

void TQELWint::Paint(platform::DC& dc) {
  TGridWin::Paint(dc);
  DcFigurePainter painter(dc, mapping, DcRules());
  DrawTexts(painter);
}

}  // namespace view
