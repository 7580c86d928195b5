#include "shell/page_win.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "shell/generic_dialogs.h"
#include "kernel/text_sections.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"

namespace shell {

namespace {
constexpr int kInputString = 5;      // "input"
constexpr int kSectionString = 342;  // "section"
constexpr int kAnswerBufferSize = 31;
constexpr int kPromptLimit = 80;

int IntegerOf(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}
}  // namespace

TPageWin::TPageWin(TFileMsgWin* owner, std::string_view title, std::string_view fileName, std::string_view text,
                   int textSlot)
    : TTextWin(owner, title, fileName, text, textSlot), owner_(owner) {
  SetMenu("PAGEMENU");
  SetAccelerators("PAGEMENU");
  SplitPages();
  pageWin.bufferSize = kTextLimit + 1;
}

void TPageWin::NewLargeText(std::size_t n) {
  pageWin.bufferSize = n;
  preText.text = std::string("new large text").substr(0, n);
  SplitPages();
}

void TPageWin::SplitPages() {
  if (preText.text.size() > pageWin.bufferSize) preText.text.resize(pageWin.bufferSize);
  pageWin.sectionStarts = kernel::SplitSections(preText.text);
  pageWin.current = 0;
}

std::string_view TPageWin::Section(int k) const {
  const std::vector<std::size_t>& starts = pageWin.sectionStarts;
  if (k < 0 || k >= static_cast<int>(starts.size())) return {};
  const std::string_view text = preText.text;
  const std::size_t start = std::min(starts[k], text.size());
  const std::size_t end = k + 1 < static_cast<int>(starts.size()) ? std::min(starts[k + 1], text.size()) : text.size();
  return text.substr(start, end - start);
}

void TPageWin::ShowText() {
  editor().SetVisible(false);
  editor().SetText(Section(pageWin.current));
  editor().SetModified(false);
  editor().ScrollToTop();
  editor().SetSelection(0, 0);
  preText.searchRestart = true;
  editor().SetVisible(true);
}

void TPageWin::ReadEditorText() {
  const std::string shown = editor().Text();
  std::vector<std::size_t>& starts = pageWin.sectionStarts;
  const int k = std::clamp(pageWin.current, 0, static_cast<int>(starts.size()) - 1);
  const std::size_t start = std::min(starts[k], preText.text.size());
  const std::size_t oldLength = Section(k).size();
  preText.text.replace(start, oldLength, shown);
  const long long shift = static_cast<long long>(shown.size()) - static_cast<long long>(oldLength);
  for (std::size_t i = static_cast<std::size_t>(k) + 1; i < starts.size(); ++i)
    starts[i] = static_cast<std::size_t>(static_cast<long long>(starts[i]) + shift);
}

int TPageWin::ReadData() {
  const int result = TTextWin::ReadData();
  if (result == 0) {
    pageWin.bufferSize = std::max(pageWin.bufferSize, preText.text.size() + 1);
    SplitPages();
  }
  return result;
}

void TPageWin::JumpToSection() {
  const int sections = SectionBreaks() + 1;
  std::string answer = std::to_string(pageWin.current + 1);
  const std::string prompt = resources::LoadString(kSectionString, kPromptLimit) + " [1 ... " + std::to_string(sections) + "]";
  TInpDlg dialog(this, resources::LoadString(kInputString, kPromptLimit), prompt, &answer, kAnswerBufferSize);
  if (dialog.Execute() != platform::IDOK) return;
  const int s = IntegerOf(answer);
  if (s < 1 || s > sections || s - 1 == pageWin.current) return;
  pageWin.current = s - 1;
  ShowText();
}

bool TPageWin::OnCommand(int id) {
  switch (id) {
    case kCmdSectionBack:
      if (pageWin.current > 0) {
        --pageWin.current;
        ShowText();
      }
      return true;
    case kCmdSectionJump:
      JumpToSection();
      return true;
    case kCmdSectionForward:
      if (pageWin.current < SectionBreaks()) {
        ++pageWin.current;
        ShowText();
      }
      return true;
    default:
      return TTextWin::OnCommand(id);
  }
}

void TPageWin::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdSectionBack:
      state.enabled = pageWin.current > 0;
      break;
    case kCmdSectionJump:
      state.enabled = SectionBreaks() > 0;
      break;
    case kCmdSectionForward:
      state.enabled = pageWin.current < SectionBreaks();
      break;
    default:
      TTextWin::EnableCommand(state);
  }
}

}  // namespace shell
