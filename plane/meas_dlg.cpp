#include "plane/meas_dlg.h"

#include <algorithm>

#include "engine/equation_text.h"
#include "engine/expr_tokens.h"
#include "plane/geom11_win.h"
#include "plane/measuring_terms.h"
#include "resources/resource_script.h"

namespace plane {

namespace {

constexpr std::size_t kEditChars = 60;
constexpr int kListExtent = 1000;
constexpr int kMsgCannotUnderstand = 1;
constexpr int kMsgMakeSelection = 15;
constexpr int kValueOnlyDigit = 1000;

}  // namespace

std::string TranslateSymbols(std::string text, const MeasurementSymbols& symbols) {
  for (char& c : text) {
    const auto u = static_cast<std::uint8_t>(c);
    if (u == symbols.pi) {
      c = static_cast<char>(engine::code::kPi);
    } else if (u == symbols.square) {
      c = static_cast<char>(engine::code::kSuperscriptTwo);
    } else if (u == symbols.root) {
      c = static_cast<char>(engine::code::kSqrt);
    } else if (u == symbols.phi) {
      c = static_cast<char>(engine::code::kPhi);
    }
  }
  return text;
}

TMeasDlg::TMeasDlg(TGeom11Win* window, const MeasurementSymbols& symbols)
    : TDlg(window, "MEAS"), window_(window), symbols_(symbols) {}

std::string TMeasDlg::ListLine(std::size_t item) {
  const view::TextItem& text = window_->textItems.measurements[item];
  std::string value;
  engine::FormatEquation(window_->compiler, text.text, value);
  return text.text + value;
}

void TMeasDlg::SetupWindow() {
  TDlg::SetupWindow();
  const platform::FontSpec font = window_->SlotFont(0);
  SetItemFont(kMeasEdit, font);
  SetItemFont(kMeasList, font);
  SetTextLimit(kMeasEdit, static_cast<int>(kEditChars));
  ListSetHorizontalExtent(kMeasList, kListExtent);
  ListClear(kMeasList);
  for (std::size_t i = 0; i < window_->textItems.measurements.size(); ++i) ListAdd(kMeasList, ListLine(i));
  const int first = window_->measurementIndex;
  if (first >= 0 && first < ListCount(kMeasList)) ListSetSelected(kMeasList, first, true);
}

bool TMeasDlg::OnEditKey(int id, int keyCode, unsigned /*modifiers*/) {
  if (id != kMeasEdit) return false;
  const auto one = [](std::uint8_t c) { return std::string(1, static_cast<char>(c)); };
  switch (keyCode) {
    case resources::kKeyF1: InsertText(kMeasEdit, one(symbols_.pi)); return true;
    case resources::kKeyF1 + 1: InsertText(kMeasEdit, one(symbols_.root) + "("); return true;
    case resources::kKeyF1 + 2: InsertText(kMeasEdit, one(symbols_.square)); return true;
    case resources::kKeyF1 + 4: InsertText(kMeasEdit, one(symbols_.phi)); return true;
    default: return false;
  }
}

void TMeasDlg::AddMeasurement() {
  std::string text = GetItemText(kMeasEdit).substr(0, kEditChars);
  if (text.empty()) return;
  text = TranslateSymbols(std::move(text), symbols_);
  std::string value;
  const int result = engine::FormatEquation(window_->compiler, text, value);
  if (result >= 1) {
    // A point that is gone is named as such; every other failure is a text not understood.
    window_->Msg(result == kMsgNoSuchPoint ? kMsgNoSuchPoint : kMsgCannotUnderstand);
    return;
  }
  window_->AddTextItem(text, result, true);
  for (int i = 0; i < ListCount(kMeasList); ++i) ListSetSelected(kMeasList, i, false);
  const int line = ListAdd(kMeasList, ListLine(window_->textItems.measurements.size() - 1));
  ListSetSelected(kMeasList, line, true);
  SetItemText(kMeasEdit, "");
  window_->MeasurementsChanged();
}

void TMeasDlg::ActOnSelection(int id) {
  std::vector<int> selected = ListSelections(kMeasList);
  if (selected.empty()) {
    window_->Msg(kMsgMakeSelection);
    return;
  }
  view::TextList& list = window_->textItems.measurements;
  if (id == kMeasCopy) {
    const auto first = static_cast<std::size_t>(*std::min_element(selected.begin(), selected.end()));
    if (first < list.size()) InsertText(kMeasEdit, list[first].text);
    FocusItem(kMeasEdit);
    return;
  }
  // From the last to the first, so that a deletion leaves the earlier positions as they are.
  std::sort(selected.begin(), selected.end(), std::greater<>());
  for (const int line : selected) {
    const auto i = static_cast<std::size_t>(line);
    if (i >= list.size()) continue;
    view::TextItem& item = list[i];
    switch (id) {
      case kMeasDisplay: item.shown = item.shown ? 0 : 1; break;
      case kMeasDelete:
        list.erase(list.begin() + line);
        ListDelete(kMeasList, line);
        break;
      case kMeasFormula: {
        const int digit = item.evalCode / kValueOnlyDigit % 10;
        const int flipped = item.evalCode - digit * kValueOnlyDigit + (digit == 0 ? kValueOnlyDigit : 0);
        item.evalCode = static_cast<std::uint16_t>(flipped);
        break;
      }
      default: break;
    }
  }
  if (id == kMeasDelete) view::TextListRenumber(list, 0);
  window_->MeasurementsChanged();
  FocusItem(kMeasEdit);
}

bool TMeasDlg::OnCommand(int id) {
  switch (id) {
    case kMeasAdd: AddMeasurement(); return true;
    case kMeasDisplay:
    case kMeasDelete:
    case kMeasCopy:
    case kMeasFormula: ActOnSelection(id); return true;
    case kMeasHelp: window_->ShowHelp(window_->fileMsg.mainHelp, {}); return true;
    default: return TDlg::OnCommand(id);
  }
}

}  // namespace plane
