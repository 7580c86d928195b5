#pragma once
// The paged text window: a text longer than the editor holds, shown one section at a time, with
// Back, Jump and Forward between the sections.

#include <cstddef>
#include <string_view>
#include <vector>

#include "shell/pre_text_win.h"

namespace shell {

inline constexpr int kCmdSectionBack = 135;
inline constexpr int kCmdSectionJump = 136;
inline constexpr int kCmdSectionForward = 1162;

struct PageWinData {
  // The most bytes the owner may write into the window's text.
  std::size_t bufferSize = kTextLimit + 1;
  // Where each section starts in the text; the first at 0.
  std::vector<std::size_t> sectionStarts{0};
  int current = 0;  // 0-based
};

class TPageWin : public TTextWin {
 public:
  TPageWin(TFileMsgWin* owner, std::string_view title, std::string_view fileName, std::string_view text,
           int textSlot);

  // Makes room for a text of up to n bytes, which the owner then writes into preText.text before
  // it calls SplitPages and ShowText.
  void NewLargeText(std::size_t n);
  void SplitPages();
  // Shows the current section.
  void ShowText() override;
  void JumpToSection();
  int SectionBreaks() const { return static_cast<int>(pageWin.sectionStarts.size()) - 1; }
  // The text of section k.
  std::string_view Section(int k) const;

  int ReadData() override;
  std::string_view ShownText() const override { return Section(pageWin.current); }

  TFileMsgWin* owner() const { return owner_; }
  PageWinData pageWin;

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  // Edits of the shown section go back into their place in the whole text.
  void ReadEditorText() override;

 private:
  TFileMsgWin* owner_;
};

}  // namespace shell
