// Evaluated texts: a caption and up to three expressions whose values are shown, each with its
// own number of decimals, optionally with the expressions themselves as names.
#include <cstdio>
#include <string>

#include "engine/windows/geom_win.h"

namespace engine {

namespace {

constexpr std::uint16_t kEvalCodeBase = 5000;
constexpr int kMsgNoRoom = 4;
constexpr int kEmptyFirstExpression = -12;
constexpr std::size_t kCaption = 3;
constexpr std::size_t kNamesShown = 4;
constexpr char kPartSeparator = '~';

}  // namespace

int TGeomWin::GetEvalTextEntry(view::EvalTextEntry& entry, int code) {
  if (code < kEvalCodeBase) return 0;
  const auto e = static_cast<std::size_t>(code - kEvalCodeBase);
  if (e >= textItems.evalTable.size()) return 0;
  entry = textItems.evalTable[e];
  return 1;
}

int TGeomWin::FormatEvalText(view::EvalTextEntry& entry, std::uint16_t& code, bool check) {
  if (check) {
    for (std::size_t i = 0; i < view::kEvalExpressions; ++i) {
      if (!entry.switches[i] || entry.strings[i].empty()) continue;
      std::string text = entry.strings[i];
      ExprValue value;
      if (const int result = CompileExpression(text, value); result > 0) return result;
    }
    if (entry.strings[0].empty() && !entry.switches[0]) return kEmptyFirstExpression;
    return 0;
  }
  // A new text (its code below 0 as a signed number, or a plain code) takes the next free entry.
  if (code < kEvalCodeBase || code >= view::kEvalCodeLimit) {
    const int next = textItems.lastEvalEntry + 1;
    if (next >= static_cast<int>(textItems.evalTable.size()) && kEvalCodeBase + next + view::kEvalTableGrowth < view::kEvalCodeLimit)
      GrowEvalTable();
    if (next >= static_cast<int>(textItems.evalTable.size())) return kMsgNoRoom;
    ++textItems.lastEvalEntry;
    code = static_cast<std::uint16_t>(kEvalCodeBase + textItems.lastEvalEntry);
  }
  const auto e = static_cast<std::size_t>(code - kEvalCodeBase);
  if (e >= textItems.evalTable.size()) return kMsgNoRoom;
  view::EvalTextEntry& stored = textItems.evalTable[e];
  stored.strings = entry.strings;
  view::CopyEvalTextEntry(stored, entry);
  return 0;
}

std::string TGeomWin::ExpandEvalText(const std::string& text, bool expressionFirst, int decimals) {
  std::string out;
  bool expression = expressionFirst;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(kPartSeparator, start);
    const std::string part = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (expression) {
      std::string copy = part;
      ExprValue value;
      if (CompileExpression(copy, value) > 0) {
        out += "?";
      } else {
        char number[96];
        std::snprintf(number, sizeof number, "%*.*Lf", decimals + 2, decimals, value.x);
        out += number;
      }
    } else {
      out += part;
    }
    if (end == std::string::npos) break;
    start = end + 1;
    expression = !expression;
  }
  return out;
}

std::string TGeomWin::EvaluatedItemText(const view::TextItem& item) {
  view::EvalTextEntry entry;
  if (GetEvalTextEntry(entry, item.evalCode) == 0) return item.text;
  std::string result;
  if (entry.switches[kCaption]) result = ExpandEvalText(entry.strings[kCaption], false, numberFormat.decimals) + " ";
  const int count = entry.expressionCount;
  if (count < 1) return result;
  std::string names;
  std::string values;
  int remaining = count;
  for (std::size_t i = 0; i < view::kEvalExpressions; ++i) {
    if (!entry.switches[i]) continue;
    values += ExpandEvalText(entry.strings[i], true, entry.places[i]);
    --remaining;
    if (entry.switches[kNamesShown]) {
      names += entry.strings[i];
      if (remaining > 0) names += ",";
    }
    if (remaining > 0) values += ",";
  }
  if (entry.hyphenChar > 0) {
    const char c = static_cast<char>(entry.hyphenChar & 0xFF);
    for (char& ch : names)
      if (ch == '-') ch = c;
  }
  if (entry.switches[kNamesShown]) result += count > 1 ? "(" + names + ") = " : names + " = ";
  result += count > 1 ? "(" + values + ")" : values;
  return result;
}

}  // namespace engine
