#pragma once
// The lowest layer of every window of the program: the window's document file names, its version
// number, numbered messages and yes/no/cancel questions, help texts and its default placement.
// The layers above fill in the actual loading through the virtual operations.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "kernel/small_records.h"
#include "platform/frame_window.h"

namespace app {

// Where help texts are cut (their callers keep a buffer one larger).
inline constexpr int kHelpTextLimit = 64000;

struct FileMsgData {
  // Stored in the files the window writes; the launcher gives its windows 63.
  std::int32_t version = 1;
  // Set by the launcher before the window is created; loaded in the window's set-up.
  std::string startupFileName;
  // The window's current file.
  std::string fileName;
  // Name buffers; the first holds the last file name, which "Open last" loads.
  std::array<std::string, 6> names;
  // Where the window opens, and the default size and top that companion windows also use.
  kernel::WinPlacement placement;
  int defaultSize = 0;
  int defaultTop = 0;
  std::uint8_t openLast = 0;
  std::uint8_t hidden = 0;
};

class TFileMsgWin : public platform::FrameWindow {
 public:
  TFileMsgWin(platform::FrameWindow* parent, std::string_view title);

  // Shows message n (string 400 + n) under caption, or under "hmm ..." when none is given.
  void Msg(int n, std::string_view caption = {});
  // Asks text in message dialog boxType (0 ok, 1 yes/no, else yes/no/cancel); returns 6 for yes,
  // 7 for no, 1 for ok, 2 for cancel.
  int AskBox(std::string_view text, std::string_view caption, int boxType);

  // Loads the start-up file, else (with open last) the last file; 0, or 11 when neither loaded.
  int OpenStartupFile();
  // The help text `name`, cut at "???" and at kHelpTextLimit characters; 0, or the message
  // number: 11 when there is no such text, 20 when it does not fit bufferSize.
  int LoadHelpText(std::string_view name, std::string& text, int bufferSize = kHelpTextLimit + 1);

  virtual int LoadFile() { return 0; }
  virtual void Hide();
  virtual void ShowHelp(std::string_view /*resourceName*/, std::string_view /*extraText*/) {}

  FileMsgData fileMsg;

 protected:
  void OnDestroy() override;
};

}  // namespace app
