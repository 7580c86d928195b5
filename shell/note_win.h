#pragma once
// The notebook of a graphics window: free text about the figure, stored with the figure rather
// than in a file of its own. Hiding it marks the figure modified so that the notes are saved.

#include <string_view>

#include "shell/pre_text_win.h"

namespace shell {

class TNoteWin : public TPreTextWin {
 public:
  TNoteWin(TFileMsgWin* owner, std::string_view title, std::string_view fileName, std::string_view text,
           int textSlot);

  // Closing never asks: the notes travel with the figure.
  bool SaveIfModified() override { return true; }
  void Hide() override;
  // Empties the notes.
  void Reset();
  void SetText(std::string_view text);
  // "notebook [tri.kv2]", after the owner's file.
  void SetTitle();

  TFileMsgWin* owner() const { return owner_; }

 private:
  TFileMsgWin* owner_;
};

}  // namespace shell
