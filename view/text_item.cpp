#include "view/text_item.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace view {

namespace {

constexpr std::size_t kPointerBytes = 4;

bool Finite(kernel::Real v) {
  return std::isfinite(v);
}

}  // namespace

int TextItemSize(const TextItem& item) {
  return item.sizeWord % kHideWithObjectFlag;
}

void TextItemSetSize(TextItem& item, int tenths) {
  const int size = std::abs(tenths / 10) % kHideWithObjectFlag;
  item.sizeWord = static_cast<std::uint16_t>(size + (TextItemHideFlag(item) ? kHideWithObjectFlag : 0));
}

bool TextItemHideFlag(const TextItem& item) {
  return item.sizeWord >= kHideWithObjectFlag;
}

void TextItemSetHideFlag(TextItem& item, bool hide) {
  item.sizeWord = static_cast<std::uint16_t>(TextItemSize(item) + (hide ? kHideWithObjectFlag : 0));
}

std::int32_t TextAngleTenths(int degrees) {
  return static_cast<std::int32_t>((std::int64_t{degrees} * 10) % 3600);
}

TextItem* TextListLastShown(TextList& list, bool anyItem) {
  if (list.empty()) return nullptr;
  if (anyItem) return &list.back();
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    if (it->shown) return &*it;
  return nullptr;
}

void TextListRenumber(TextList& list, int start) {
  for (TextItem& item : list) item.number = static_cast<std::int16_t>(start++);
}

bool DeleteTextItem(TextList& list, int number) {
  for (auto it = list.begin(); it != list.end(); ++it) {
    if (it->number != number) continue;
    list.erase(it);
    TextListRenumber(list, 0);
    return true;
  }
  return false;
}

void TextListClearEvalCodes(TextList& list) {
  for (TextItem& item : list) item.evalCode = kPlainTextCode;
}

void TextListToggleShown(TextList& list) {
  if (list.empty()) return;
  const std::uint8_t shown = list.front().shown ? 0 : 1;
  for (TextItem& item : list) item.shown = shown;
}

void TextListRescaleFrameTexts(TextList& list, kernel::Real newHalfWidth, kernel::Real newHalfHeight,
                               kernel::Real oldHalfWidth, kernel::Real oldHalfHeight) {
  if (oldHalfWidth == 0 || oldHalfHeight == 0) return;
  const kernel::Real fx = newHalfWidth / oldHalfWidth;
  const kernel::Real fy = newHalfHeight / oldHalfHeight;
  for (TextItem& item : list) {
    if (!TiedToFrame(item)) continue;
    item.x *= fx;
    item.y *= fy;
  }
}

void WriteTextItem(kernel::ByteWriter& out, const TextItem& item) {
  out.I16(item.number);
  out.U8(item.transparent);
  out.FixedText(std::string_view(item.text).substr(0, kTextFieldBytes - 1), kTextFieldBytes);
  out.U32(item.color);
  out.Real80(item.x);
  out.Real80(item.x2);
  out.Real80(item.y2);
  out.Real80(item.y);
  kernel::WriteFontRecord(out, item.font);
  out.U16(item.sizeWord);
  out.Zeros(kPointerBytes);
  out.I16(item.tie);
  out.U8(item.shown);
  out.U16(item.evalCode);
}

bool ReadTextItem(kernel::ByteReader& in, TextItem& item) {
  TextItem read;
  read.number = in.I16();
  read.transparent = in.U8();
  read.text = in.FixedText(kTextFieldBytes);
  read.text.resize(std::min(read.text.size(), kTextFieldBytes - 1));
  read.color = in.U32();
  read.x = in.Real80();
  read.x2 = in.Real80();
  read.y2 = in.Real80();
  read.y = in.Real80();
  read.font = kernel::ReadFontRecord(in);
  read.font.faceName.resize(std::min(read.font.faceName.size(), kernel::kFaceNameBytes - 1));
  read.sizeWord = in.U16();
  in.Skip(kPointerBytes);
  read.tie = in.I16();
  read.shown = in.U8();
  read.evalCode = in.U16();
  if (!in.ok() || !Finite(read.x) || !Finite(read.y) || !Finite(read.x2) || !Finite(read.y2)) return false;
  item = std::move(read);
  return true;
}

void WriteTextList(kernel::ByteWriter& out, const TextList& list) {
  out.U16(static_cast<std::uint16_t>(list.size()));
  for (const TextItem& item : list) WriteTextItem(out, item);
}

bool ReadTextList(kernel::ByteReader& in, bool keepShownFlags, TextList& list) {
  const std::size_t count = in.U16();
  if (!in.ok() || count * kTextItemBytes > in.remaining()) {
    in.Skip(in.remaining() + 1);  // leaves the reader failed
    return false;
  }
  TextList read(count);
  for (TextItem& item : read) {
    if (!ReadTextItem(in, item)) {
      in.Skip(in.remaining() + 1);
      return false;
    }
    if (!keepShownFlags) item.shown = 1;
  }
  TextListRenumber(read, 0);
  list = std::move(read);
  return true;
}

void CopyEvalTextEntry(EvalTextEntry& to, const EvalTextEntry& from) {
  to.places = from.places;
  to.switches = from.switches;
  to.expressionCount = 0;
  for (int i = 0; i < kEvalExpressions; ++i)
    to.expressionCount += to.switches[static_cast<std::size_t>(i)] ? 1 : 0;
  to.hyphenChar = from.hyphenChar;
  to.values = from.values;
}

}  // namespace view
