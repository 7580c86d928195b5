// The measurement texts of a geometry window: added below one another, shown with their values.
#include "engine/equation_text.h"
#include "engine/windows/geom_win.h"

namespace engine {

namespace {

// The font slot of the measurements (Other > Fonts > Measurements).
constexpr int kMeasurementFontSlot = 2;
constexpr int kFirstPixel = 3;
constexpr int kRowGap = 3;
constexpr std::size_t kValueLead = 3;  // " = " or " : "

}  // namespace

void TGeomWin::AddTextItem(const std::string& text, int resultCode, bool shown) {
  view::TextList& list = textItems.measurements;
  platform::PointI pixel{kFirstPixel, kFirstPixel};
  if (view::TextItem* last = view::TextListLastShown(list, false)) {
    TextToAbsolute(*last);
    if (last->y2 - kRowGap * mapping.unitsPerPixelY >= mapping.box.ymin) {
      pixel = {XToScreen(last->x), YToScreen(last->y2) + kRowGap};
    } else {
      pixel = {ClientWidth() / 2, kFirstPixel};
    }
    TextToRelative(*last);
  }
  view::TextItem item = InitTextItem(pixel, 0, kMeasurementFontSlot);
  item.shown = shown ? 1 : 0;
  item.text = text.substr(0, view::kTextFieldBytes - 1);
  item.evalCode = static_cast<std::uint16_t>(MeasurementState(resultCode));
  item.number = static_cast<std::int16_t>(list.size());
  item.tie = view::kTieFrame;
  TextToRelative(item);
  list.push_back(std::move(item));
}

std::string TGeomWin::GetItemText(const view::TextItem& item) {
  if (item.evalCode >= kMeasurementCodeLimit) return EvaluatedItemText(item);
  std::string value;
  FormatEquation(compiler, item.text, value);
  if (item.evalCode < kValueOnlyCode) return item.text + value;
  return value.size() > kValueLead ? value.substr(kValueLead) : std::string();
}

void TGeomWin::RescaleTexts(kernel::Real newHalfWidth, kernel::Real newHalfHeight, kernel::Real oldHalfWidth,
                            kernel::Real oldHalfHeight) {
  TFuncWin::RescaleTexts(newHalfWidth, newHalfHeight, oldHalfWidth, oldHalfHeight);
  view::TextListRescaleFrameTexts(textItems.measurements, newHalfWidth, newHalfHeight, oldHalfWidth, oldHalfHeight);
}

bool TGeomWin::SetFromCorner(const view::TextItem& item) const { return item.evalCode < kMeasurementCodeLimit; }

}  // namespace engine
