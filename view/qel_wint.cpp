#include "view/qel_wint.h"

#include <algorithm>
#include <cmath>

#include "kernel/number_text.h"
#include "platform/dc.h"
#include "platform/frame_window.h"
#include "platform/modal_responder.h"
#include "platform/stored_fonts.h"
#include "resources/resource_library.h"

namespace view {

using kernel::Point2;
using kernel::Real;

namespace {

// Views closer than this part of their size are the same view (rounding of the box arithmetic).
constexpr Real kSameViewTolerance = static_cast<Real>(1e-12);
constexpr int kDeleteAllTextString = 69;
constexpr int kCarefulString = 2;
// Home positions keep this many pixels from the view's edges.
constexpr int kHomeMargin = 3;

}  // namespace

TQELWint::TQELWint(platform::FrameWindow* parent, std::string_view title) : TGridWin(parent, title) {
  SetEvalTableSize(kEvalTableInitialHighest);
}

// --- View changes -------------------------------------------------------------------------------

template <class Change>
void TQELWint::RescalingView(Change change) {
  const Real oldWidth = mapping.halfWidth;
  const Real oldHeight = mapping.halfHeight;
  change();
  RescaleTexts(mapping.halfWidth, mapping.halfHeight, oldWidth, oldHeight);
}

void TQELWint::SetViewBox(const Point2& centre, Real halfWidth, Real halfHeight, bool unequal) {
  previousHalfWidth = mapping.halfWidth;
  previousHalfHeight = mapping.halfHeight;
  const Real tolerance = kSameViewTolerance * std::max(mapping.halfWidth, mapping.halfHeight);
  const bool same = (mapping.unequal != 0) == unequal &&
                    std::fabs(mapping.centre.x - centre.x) <= tolerance &&
                    std::fabs(mapping.centre.y - centre.y) <= tolerance &&
                    std::fabs(mapping.halfWidth - halfWidth) <= tolerance &&
                    std::fabs(mapping.halfHeight - halfHeight) <= tolerance;
  if (!same) {
    RescalingView([&] {
      ViewStack(1);
      SetView(centre.x, centre.y, halfWidth, halfHeight, unequal);
    });
  }
  wing.pictureValid = 0;
  Invalidate(false);
}

void TQELWint::OnSize(int width, int height) {
  RescalingView([&] { TGridWin::OnSize(width, height); });
}

void TQELWint::LastView() {
  RescalingView([this] { TGridWin::LastView(); });
}

void TQELWint::ResetView() {
  RescalingView([this] { TGridWin::ResetView(); });
}

void TQELWint::SetSquareView(const Point2& centre, Real halfWidth) {
  RescalingView([&] { TGridWin::SetSquareView(centre, halfWidth); });
}

void TQELWint::SetViewExtents(Real cx, Real cy, Real hw, Real hh, bool unequal) {
  RescalingView([&] { TGridWin::SetViewExtents(cx, cy, hw, hh, unequal); });
}

void TQELWint::RescaleTexts(Real newHalfWidth, Real newHalfHeight, Real oldHalfWidth, Real oldHalfHeight) {
  TextListRescaleFrameTexts(textItems.plain, newHalfWidth, newHalfHeight, oldHalfWidth, oldHalfHeight);
}

// --- Items --------------------------------------------------------------------------------------

TextList& TQELWint::List(TextListKind kind) {
  switch (kind) {
    case TextListKind::Evaluated:
      return textItems.evaluated;
    case TextListKind::Measurements:
      return textItems.measurements;
    default:
      return textItems.plain;
  }
}

Point2 TQELWint::TextAnchor(const TextItem& item) {
  if (TiedToObject(item)) return ObjectPosition(item.tie);
  if (TiedToFrame(item)) return mapping.centre;
  return {0, 0};
}

void TQELWint::TextToAbsolute(TextItem& item) {
  const Point2 anchor = TextAnchor(item);
  item.x += anchor.x;
  item.y += anchor.y;
}

void TQELWint::TextToRelative(TextItem& item) {
  const Point2 anchor = TextAnchor(item);
  item.x -= anchor.x;
  item.y -= anchor.y;
}

TextItem TQELWint::InitTextItem(platform::PointI pixel, int colorIndex, int fontSlot) const {
  TextItem item;
  const auto slot = static_cast<std::size_t>(std::clamp(fontSlot, 0, kernel::kFontSlotCount - 1));
  item.font = fontWin.fonts[slot];
  item.color = Color(colorIndex);
  item.x = item.x2 = XToWorld(pixel.x);
  item.y = item.y2 = YToWorld(pixel.y);
  item.sizeWord = static_cast<std::uint16_t>(std::clamp(fontWin.pointSizes[slot], 0, 99));
  return item;
}

void TQELWint::SetEvalTableSize(int highest) {
  textItems.evalTable.assign(static_cast<std::size_t>(highest) + 1, EvalTextEntry{});
  textItems.lastEvalEntry = -1;
}

void TQELWint::GrowEvalTable() {
  // The entries in use keep their settings and strings; the new ones start empty.
  textItems.evalTable.resize(textItems.evalTable.size() + kEvalTableGrowth);
}

bool TQELWint::WriteTexts(const TextList& list) {
  kernel::ByteWriter* out = OutFile();
  if (out == nullptr) return false;
  WriteTextList(*out, list);
  return true;
}

bool TQELWint::ReadTexts(bool keepShownFlags, TextList& list) {
  kernel::ByteReader* in = InFile();
  return in != nullptr && ReadTextList(*in, keepShownFlags, list);
}

// --- Home positions, showing and deleting -------------------------------------------------------

void TQELWint::ArrangeHomePositions() {
  TextList& list = textItems.measurements;
  if (list.empty()) return;
  int tallest = 0;
  if (auto dc = GetDC()) {
    for (const TextItem& item : list) {
      if (!item.shown) continue;
      dc->SelectFont(platform::FontSpecFromRecord(item.font));
      tallest = std::max(tallest, dc->GetTextExtent(GetItemText(item)).height);
    }
  }
  Real rowHeight = tallest * mapping.unitsPerPixelY;
  const bool repaint = rowHeight >= static_cast<Real>(1e-13);
  if (!repaint) rowHeight = static_cast<Real>(0.1) * mapping.halfHeight;
  // A text taller than the view still gets a row of its own in each column.
  const int rows = std::max(
      1, kernel::RoundLD((2 * mapping.halfHeight - 2 * kHomeMargin * mapping.unitsPerPixelY) / rowHeight));
  const int count = static_cast<int>(list.size());
  const int columns = (count + rows - 1) / rows;
  const Real columnWidth = (2 * mapping.halfWidth - 2 * kHomeMargin * mapping.unitsPerPixelX) / columns;
  for (int k = 0; k < count; ++k) {
    TextItem& item = list[static_cast<std::size_t>(k)];
    item.x = mapping.box.xmin + kHomeMargin * mapping.unitsPerPixelX + columnWidth * (k / rows);
    item.y = mapping.box.ymax - rowHeight * (k % rows) - kHomeMargin * mapping.unitsPerPixelY;
    item.tie = kTieFrame;
    item.font.escapement = 0;
    TextToRelative(item);
  }
  fileMsg.modified = 1;
  if (repaint) {
    TextPictureChanged();
    Invalidate(false);
  }
}

void TQELWint::TextListBringIntoView(TextList& list) {
  int k = 0;
  for (TextItem& item : list) {
    if (!TiedToFrame(item)) continue;
    TextToAbsolute(item);
    if (!InView({item.x, item.y})) {
      ++k;
      item.x = mapping.box.xmin + static_cast<Real>(0.1) * mapping.halfWidth;
      item.y = mapping.box.ymax - static_cast<Real>(0.1) * mapping.halfHeight * k;
    }
    TextToRelative(item);
  }
}

void TQELWint::FreeTexts() {
  textItems.plain.clear();
  textItems.evaluated.clear();
  textItems.lastEvalEntry = -1;
}

void TQELWint::CmDeleteTexts() {
  if (AskBox(resources::LoadString(kDeleteAllTextString), resources::LoadString(kCarefulString),
             shell::kAskYesNo) != platform::IDYES)
    return;
  FreeTexts();
  TextsChanged();
}

void TQELWint::CmToggleTexts() {
  for (TextList* list : {&textItems.plain, &textItems.evaluated, &textItems.measurements})
    TextListToggleShown(*list);
  for (TextList* list : {&textItems.plain, &textItems.evaluated, &textItems.measurements})
    TextListBringIntoView(*list);
  TextPictureChanged();
  Invalidate(false);
}

void TQELWint::TextsChanged() {
  fileMsg.modified = 1;
  TextPictureChanged();
  InvalidateBuffer(0);
  Invalidate(false);
}

// --- Commands -----------------------------------------------------------------------------------

bool TQELWint::OnCommand(int id) {
  switch (id) {
    case kCmdDeleteTexts:
      CmDeleteTexts();
      return true;
    case kCmdHomePositions:
      ArrangeHomePositions();
      return true;
    case kCmdToggleTexts:
      CmToggleTexts();
      return true;
    case kCmdTextTool:
    case kCmdEvalTextTool:
      SetCurrentTool(static_cast<std::uint16_t>(id));
      return true;
    default:
      return TGridWin::OnCommand(id);
  }
}

void TQELWint::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdDeleteTexts:
    case kCmdToggleTexts:
      state.enabled = !textItems.plain.empty() || !textItems.evaluated.empty();
      return;
    case kCmdHomePositions:
      state.enabled = !textItems.measurements.empty();
      return;
    case kCmdTextTool:
    case kCmdEvalTextTool:
      state.checked = qelWin.currentTool == state.id;
      return;
    default:
      TGridWin::EnableCommand(state);
  }
}

}  // namespace view
