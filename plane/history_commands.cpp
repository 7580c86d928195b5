// The history listing in the companion page window, its header, Edit > Undo and Redo, and the
// marks by which an imported or macro-applied block of steps is taken back as a whole.
#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/equation_text.h"
#include "kernel/file_names.h"
#include "platform/modal_responder.h"
#include "plane/geom11_win.h"
#include "resources/resource_library.h"
#include "shell/author_data.h"
#include "shell/page_win.h"

namespace plane {

namespace {

constexpr int kCmdUndo = 98;
constexpr int kCmdRedo = 94;
constexpr int kCmdHistory = 748;
constexpr int kCmdHeader = 887;

constexpr int kStringDescription = 107;  // "description of figure"
constexpr int kStringHeader = 108;       // "history header"
constexpr int kStringParameters = 112;   // "current parameter values"
constexpr int kStringFunctions = 113;    // "user-defined functions"
constexpr int kStringTracings = 114;     // "tracings"
constexpr int kStringHistory = 115;      // "history"
constexpr int kStringSteps = 142;        // "steps"
constexpr int kStringMeasurements = 787; // "current measurements"
constexpr int kMsgCannotUndo = 106;
constexpr int kCurveMarkKind = 157;

// The header holds at most 59 characters.
constexpr int kHeaderBuffer = 60;
// The listing's budget: this much plus 60 characters a step.
constexpr std::size_t kListingBase = 4000;
constexpr std::size_t kListingPerStep = 60;
constexpr std::size_t kPageMargin = 1000;
constexpr std::size_t kPageGrowth = 1100;
// Where the page window opens.
constexpr int kTextSlot = 4;

constexpr const char* kLineEnd = "\r\n";
// The slider symbols in the order of the expression parameters; the time parameter comes last.
constexpr char kSliderSymbols[] = {'#', '$', '@', '&', '%', '?'};

}  // namespace

bool TGeom11Win::HistoryCommand(int id) {
  switch (id) {
    case kCmdUndo: UndoRedo(0, true); return true;
    case kCmdRedo: UndoRedo(-1, true); return true;
    case kCmdHistory: ShowHistoryList(); return true;
    case kCmdHeader: EditHeader(); return true;
    default: return false;
  }
}

bool TGeom11Win::EnableHistoryCommand(platform::CommandState& state) {
  const engine::StepHistory& h = history();
  if (state.id == kCmdUndo) {
    state.enabled = !h.steps.empty() && h.steps.back().sequence > std::max<int>(0, h.protected_step);
    return true;
  }
  if (state.id == kCmdRedo) {
    state.enabled = !h.redo.empty();
    return true;
  }
  return false;
}

std::string TGeom11Win::HistoryListing(int& steps) {
  const engine::StepHistory& h = history();
  const std::size_t n = h.steps.empty() ? 0 : static_cast<std::size_t>(std::max<int>(h.steps.back().sequence, 0));
  const std::size_t budget = n * kListingPerStep + kListingBase;
  std::string text = historyHeader + kLineEnd + kLineEnd;
  steps = HistoryText(text, budget);

  text += std::string(kLineEnd) + kLineEnd + resources::LoadString(kStringParameters) + ":" + kLineEnd;
  const auto& parameters = compiler.settings.parameters;
  for (std::size_t k = 0; k < std::size(kSliderSymbols); ++k) {
    text += std::string(" ") + kSliderSymbols[k] + "  = " + FormatNumber(parameters[k].value, false) + kLineEnd;
  }
  text += "[t] = " + FormatNumber(parameters[engine::kAnimationParameterCount - 1].value, false) + kLineEnd + kLineEnd;

  const auto& functions = compiler.settings.user_functions;
  if (!functions.empty()) {
    text += resources::LoadString(kStringFunctions) + ":" + kLineEnd;
    for (const engine::UserFunction& f : functions) {
      if (text.size() >= budget) break;
      text += f.name + "(X) = " + f.body + kLineEnd;
    }
    text += kLineEnd;
  }

  if (!traces.empty()) {
    text += resources::LoadString(kStringTracings) + ":" + kLineEnd;
    for (const kernel::TraceRecord& trace : traces) {
      if (text.size() >= budget) break;
      text += TraceItemText(trace) + kLineEnd;
    }
    text += kLineEnd;
  }

  const view::TextList& measured = textItems.measurements;
  if (!measured.empty()) {
    text += resources::LoadString(kStringMeasurements) + ":" + kLineEnd;
    for (const view::TextItem& item : measured) {
      if (text.size() >= budget) break;
      if (!item.shown) continue;
      std::string value;
      engine::FormatEquation(compiler, item.text, value);
      text += item.text + value + kLineEnd;
    }
    text += kLineEnd;
  }
  return text;
}

void TGeom11Win::ShowHistoryList() {
  if (!CheckPassword(shell::kGuardHistory)) return;
  int steps = 0;
  const std::string text = HistoryListing(steps);
  const std::string title = resources::LoadString(kStringHistory);
  if (historyWindow_ == nullptr) {
    historyWindow_ = new shell::TPageWin(this, title, title + ".txt", {}, kTextSlot);
    historyWindow_->fileMsg.hidden = 1;
    historyWindow_->Create();
  }
  shell::TPageWin& page = *historyWindow_;
  if (page.pageWin.bufferSize < text.size() + kPageMargin) page.NewLargeText(text.size() + kPageGrowth);
  page.SetCaption(title + " [" + kernel::FileNamePart(fileMsg.fileName, false) + "] " +
                  resources::LoadString(kStringSteps) + ": " + std::to_string(steps));
  page.preText.text = text;
  page.SplitPages();
  page.ShowText();
  page.Show();
  page.fileMsg.hidden = 0;
}

void TGeom11Win::EditHeader() {
  std::string header = historyHeader;
  if (AskValue(kStringHeader, kStringDescription, header, kHeaderBuffer) != platform::IDOK) return;
  historyHeader = header.substr(0, kHeaderBuffer - 1);
  SetModified();
}

// --- Imported blocks ---------------------------------------------------------------------------

void TGeom11Win::PushImportMark() {
  const engine::StepHistory& h = history();
  importMarks.steps.push_back(h.steps.empty() ? static_cast<std::int16_t>(-1) : h.steps.back().sequence);
}

void TGeom11Win::PushCurveMarks() {
  PushUndoMark(kCurveMarkKind);
  for (int k = 0; k < 3; ++k) importMarks.curves[static_cast<std::size_t>(k)].push_back(CurveListCount(k));
}

void TGeom11Win::EndCurveMarks() {
  for (int k = 0; k < 3; ++k) {
    std::vector<int>& marks = importMarks.curves[static_cast<std::size_t>(k)];
    if (!marks.empty()) marks.back() = std::max(CurveListCount(k) - marks.back(), 0);
  }
}

void TGeom11Win::PopCurveList(int k) {
  std::vector<int>& marks = importMarks.curves[static_cast<std::size_t>(k)];
  if (marks.empty()) return;
  const int added = marks.back();
  marks.pop_back();
  DropCurveListHead(k, std::min(added, CurveListCount(k)));
}

int TGeom11Win::UndoImport() {
  std::vector<std::int16_t>& marks = importMarks.steps;
  // A block is marked where it began and where it ended.
  if (marks.size() < 2) return engine::kMsgNothingToDo;
  const engine::StepHistory& h = history();
  const int last = h.steps.empty() ? -1 : h.steps.back().sequence;
  if (last != marks.back()) return kMsgCannotUndo;
  marks.pop_back();
  for (int d = last - marks.back(); d > 0; --d) {
    if (UndoRedo(0, true) == 0) break;
  }
  marks.pop_back();
  return 0;
}

}  // namespace plane
