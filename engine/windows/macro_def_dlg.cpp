#include "engine/windows/macro_def_dlg.h"

#include <algorithm>

#include "engine/windows/geom10_win.h"
#include "resources/resource_library.h"

namespace engine {

namespace {

constexpr int kStringMacro = 141;
constexpr int kStringSteps = 142;
constexpr int kMsgMakeSelection = 15;
constexpr int kMsgChangesLabels = 110;
constexpr int kMsgMouseData = 111;
constexpr int kMsgDeletesAllLines = 112;
constexpr int kMsgRandomElements = 113;
constexpr std::size_t kEditChars = 255;

// What a macro cannot hold: the message of a step kind, or 0.
int RefusalOfKind(int kind) {
  switch (kind) {
    case 120: return kMsgChangesLabels;
    case 121: return kMsgMouseData;
    case 144: return kMsgDeletesAllLines;
    case 90: return kMsgRandomElements;
    default: return kind < 81 ? kMsgRandomElements : 0;
  }
}

}  // namespace

TMacDlg::TMacDlg(TGeom10Win* window, std::string historyText, MacroRange* range, std::string* variables,
                 std::string* returns)
    : TDlg(window, "MACDEF"),
      window_(window),
      historyText_(std::move(historyText)),
      callerRange_(range),
      variables_(variables),
      returns_(returns),
      range_(*range) {}

void TMacDlg::SetupWindow() {
  TDlg::SetupWindow();
  ListClear(kMacroSteps);
  // Only lines ended by a carriage return count.
  std::size_t start = 0;
  for (std::size_t end = historyText_.find('\r'); end != std::string::npos; end = historyText_.find('\r', start)) {
    ListAdd(kMacroSteps, historyText_.substr(start, end - start));
    start = end + 1;
    if (start < historyText_.size() && historyText_[start] == '\n') ++start;
  }
  SetTextLimit(kMacroVariables, kMacroVariableChars);
  SetTextLimit(kMacroReturns, kMacroVariableChars);
  SetItemText(kMacroVariables, *variables_);
  SetItemText(kMacroReturns, *returns_);
  ShowCaption();
}

void TMacDlg::ShowCaption() {
  SetCaption(resources::LoadString(kStringMacro) + " = " + resources::LoadString(kStringSteps) + " " +
             std::to_string(range_.first) + " ... " + std::to_string(range_.last));
}

int TMacDlg::SelectedLine() const {
  const int count = ListCount(kMacroSteps);
  if (count == 0) return -1;
  if (count == 1) return 0;
  return ListSelection(kMacroSteps);
}

bool TMacDlg::OnCommand(int id) {
  if (id != kMacroStart && id != kMacroStop) return TDlg::OnCommand(id);
  const int line = SelectedLine();
  if (line < 0) {
    window_->Msg(kMsgMakeSelection);
    return true;
  }
  if (id == kMacroStart) {
    range_.first = static_cast<std::int16_t>(line);
  } else {
    range_.last = static_cast<std::int16_t>(line);
  }
  range_.last = std::max(range_.last, range_.first);
  ShowCaption();
  return true;
}

int TMacDlg::CheckRange() const {
  int message = 0;
  for (const kernel::ConstructionRecord& step : window_->history().steps) {
    if (step.sequence < range_.first || step.sequence > range_.last) continue;
    if (const int refusal = RefusalOfKind(step.kind); refusal != 0) message = refusal;
  }
  return message;
}

void TMacDlg::OnOk() {
  if (const int message = CheckRange(); message != 0) {
    window_->Msg(message);
    return;
  }
  *callerRange_ = range_;
  *variables_ = GetItemText(kMacroVariables).substr(0, kEditChars);
  *returns_ = GetItemText(kMacroReturns).substr(0, kEditChars);
  EndDialog(1);
}

}  // namespace engine
