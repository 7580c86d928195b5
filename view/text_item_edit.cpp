// Placing and editing texts through the text dialogs.

#include <optional>

#include "view/qel_wint.h"
#include "view/text_item_dlg.h"

namespace view {

namespace {

// What a click of a text tool edits: a text found under the pointer (its list and place), or a
// template for a new one.
struct EditTarget {
  TextList* list = nullptr;
  std::optional<std::size_t> hit;
  bool fromMeasurements = false;
};

// The new item takes the look and tie of the text it starts from; a text edited in place also
// its code and its box.
void TakeFrom(TextItem& item, const TextItem& from, bool whole) {
  item.transparent = from.transparent;
  item.text = from.text;
  item.color = from.color;
  item.font = from.font;
  item.sizeWord = from.sizeWord;
  item.tie = from.tie;
  if (!whole) return;
  item.evalCode = from.evalCode;
  item.x = from.x;
  item.x2 = from.x2;
  item.y2 = from.y2;
  item.y = from.y;
}

// The edited item goes back into the one it was taken from.
void PutBack(TextItem& into, const TextItem& from, bool withText) {
  if (withText) into.text = from.text;
  into.transparent = from.transparent;
  into.color = from.color;
  into.font = from.font;
  into.sizeWord = from.sizeWord;
  into.tie = from.tie;
  into.x = from.x;
  into.x2 = from.x2;
  into.y2 = from.y2;
  into.y = from.y;
  into.shown = from.shown;
}

}  // namespace

void TQELWint::EditText(platform::PointI pixel) {
  if (qelWin.currentTool == kCmdEvalTextTool) {
    EditEvalText(pixel);
    return;
  }
  TextItem item = InitTextItem(pixel, 0, kTextFontSlot);
  EditTarget target{&textItems.plain, std::nullopt, false};
  if (const auto hit = HitText(pixel, textItems.plain)) {
    target.hit = hit->index;
  } else if (const auto measured = HitText(pixel, textItems.measurements)) {
    target = {&textItems.measurements, measured->index, true};
  }
  if (target.hit) {
    TakeFrom(item, (*target.list)[*target.hit], true);
    TextToAbsolute(item);
  } else if (const TextItem* last = TextListLastShown(textItems.plain, true)) {
    TakeFrom(item, *last, false);
    item.number = static_cast<std::int16_t>(last->number + 1);
  }
  TTextDlg dialog(this, "NEWTEXT", &item, target.fromMeasurements, nullptr);
  if (dialog.Execute() != 1) return;
  if (item.text.empty()) {
    if (!target.hit || target.fromMeasurements) return;
    DeleteTextItem(textItems.plain, (*target.list)[*target.hit].number);
  } else {
    TextToRelative(item);
    if (target.hit)
      PutBack((*target.list)[*target.hit], item, !target.fromMeasurements);
    else
      textItems.plain.push_back(std::move(item));
  }
  TextsChanged();
}

void TQELWint::EditEvalText(platform::PointI pixel) {
  TextItem item = InitTextItem(pixel, 0, kTextFontSlot);
  EvalTextEntry entry;
  const std::optional<TextHit> hit = HitText(pixel, textItems.evaluated);
  if (hit) {
    const TextItem& found = textItems.evaluated[hit->index];
    TakeFrom(item, found, true);
    TextToAbsolute(item);
    GetEvalTextEntry(entry, found.evalCode);
  } else {
    if (const TextItem* last = TextListLastShown(textItems.evaluated, true)) {
      TakeFrom(item, *last, false);
      item.number = static_cast<std::int16_t>(last->number + 1);
    }
    if (textItems.lastEvalEntry + 1 >= static_cast<int>(textItems.evalTable.size())) GrowEvalTable();
  }
  TTextDlg dialog(this, "NEWTEXT1", &item, false, &entry);
  if (dialog.Execute() != 1) return;
  if (item.text.empty()) {
    if (!hit) return;
    DeleteTextItem(textItems.evaluated, textItems.evaluated[hit->index].number);
  } else {
    FormatEvalText(entry, item.evalCode, false);
    TextToRelative(item);
    if (hit) {
      TextItem& into = textItems.evaluated[hit->index];
      PutBack(into, item, true);
      into.evalCode = item.evalCode;
    } else {
      textItems.evaluated.push_back(std::move(item));
    }
  }
  TextsChanged();
}

}  // namespace view
