#pragma once
// The lowest layer of every window of the program: the window's document file with Open, Save
// and Save As, the modified flag and the caption made from the file name, numbered messages and
// questions, the password and author data of figure files, the print and number formats, help
// topics, and services for long work (the key poll and status captions). The layers above fill in
// the actual reading and writing through the virtual operations, whose defaults here do nothing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/author_data.h"
#include "shell/output_formats.h"
#include "kernel/byte_io.h"
#include "kernel/small_records.h"
#include "platform/frame_window.h"

namespace shell {

// Where help texts are cut (their callers keep a buffer one larger).
inline constexpr int kHelpTextLimit = 64000;

// Commands of the layer.
inline constexpr int kCmdFileSave = 57;
inline constexpr int kCmdFileSaveAs = 58;
inline constexpr int kCmdFileOpen = 59;
inline constexpr int kCmdPassword = 76;
inline constexpr int kCmdAuthor = 77;
inline constexpr int kCmdDecimals = 105;
inline constexpr int kCmdFormat = 304;
inline constexpr int kCmdFirstHelpTopic = 330;
inline constexpr int kHelpTopicCount = 13;
inline constexpr int kCmdMainHelp = 354;
inline constexpr int kCmdAskAndHide = 361;
// Close (357, kCloseCommand) hides the window.

// What AskIntInRange returns when the user cancels.
inline constexpr int kAskCancelled = -12;
// What PollKey returns for a key that stops the work: 'Q', and every accelerator key.
inline constexpr int kStopKey = 'Q';

struct FileMsgData {
  // Stored in the files the window writes; the launcher gives its windows 63.
  std::int32_t version = 1;
  // Set by the launcher before the window is created; loaded in the window's set-up.
  std::string startupFileName;
  // The window's current file; an untitled window holds its title here.
  std::string fileName;
  // The open and save dialogs: "description|pattern|..." filters and the extension (without its
  // dot) added to a typed name that has none; set by the window classes.
  std::string filters;
  std::string defaultExtension;
  // Name buffers; the first holds the last file name, which "Open last" loads.
  std::array<std::string, 6> names;
  // Where the window opens, and the default size and top that companion windows also use.
  kernel::WinPlacement placement;
  int defaultSize = 0;
  int defaultTop = 0;
  std::uint8_t modified = 0;
  std::uint8_t named = 0;  // a file name has been chosen, loaded or saved
  std::uint8_t openLast = 0;
  std::uint8_t hidden = 0;
  std::uint8_t markModifiedOnFormat = 1;
  std::uint8_t nameOnlyCaption = 1;  // the caption shows the file's name, not its path
  std::uint8_t hideExtension = 1;    // ... without its extension
  std::uint8_t closing = 0;          // set while the close question runs
  std::uint8_t noOverwriteQuestion = 0;
  std::uint8_t aboutShowing = 0;
  // Help resources: the main help (command 354) and the topics (commands 330 to 342).
  std::string mainHelp;
  std::array<std::string, kHelpTopicCount> helpTopics;
};

// The buttons of an AskBox question.
enum AskBoxType : int { kAskOk = 0, kAskYesNo = 1, kAskYesNoCancel = 2 };

class TFileMsgWin : public platform::FrameWindow {
 public:
  TFileMsgWin(platform::FrameWindow* parent, std::string_view title);

  // Shows message n (string 400 + n) under caption, or under "hmm ..." when none is given.
  void Msg(int n, std::string_view caption = {});
  // Asks text in message dialog boxType (kAskOk, kAskYesNo, else yes/no/cancel); returns
  // platform::IDYES, IDNO, IDOK or IDCANCEL.
  int AskBox(std::string_view text, std::string_view caption, int boxType);
  // One line of input under the caption and prompt strings; the dialog's result (1 for OK).
  int AskValue(int captionId, int promptId, std::string& buffer, int bufferSize);
  // An integer between minimum and maximum: 0, 17 when out of range (the value is stored all the
  // same), kAskCancelled when cancelled (the value stays). With showRange the prompt reads
  // "1 .. points .. 50".
  int AskIntInRange(int promptId, int labelId, int minimum, int maximum, int& value, bool showRange);

  // Before a file is written: unless the no-overwrite-question flag is set, asks whether an
  // existing file of that name is to be replaced; true to go on.
  bool ConfirmOverwrite(const std::string& path);

  // Loads the start-up file, else (with open last) the last file; 0, or 11 when neither loaded.
  int OpenStartupFile();
  // The help text `name`, cut at "???" and at kHelpTextLimit characters; 0, or the message
  // number: 11 when there is no such text, 20 when it does not fit bufferSize.
  int LoadHelpText(std::string_view name, std::string& text, int bufferSize = kHelpTextLimit + 1);

  // During long work: one pending key press of the window, 0 when there is none. Letters come
  // upper-case; an accelerator key gives kStopKey and does not run its command.
  int PollKey();
  // A status line in the caption during long work (kinds as in the string table from 600 on).
  void CaptionStatus(int kind, int a = -1, int b = -1);
  void CheckMenu(int commandId, bool checked);

  // The open file of the window's piece writers and readers: a length-prefixed text.
  void WriteStr(std::string_view text);
  // Reads at most capacity - 1 characters into buffer; false for a corrupt file (the caller
  // reports message 6 and keeps its figure).
  bool ReadStr(std::string& buffer, int capacity);
  // The open file; null when none is being written or read.
  kernel::ByteWriter* OutFile() { return outFile_; }
  kernel::ByteReader* InFile() { return inFile_; }

  // Password and author data.
  void ClearAuthorData();
  // The author piece on the open file; the figure writers write it when the permission word
  // (stored in their header) is not 0.
  void WriteAuthorData();
  // Reads the piece for a file whose stored permission word is `permissions` into `into`, which
  // the reader swaps in once the whole file has been read; false for a corrupt file.
  bool ReadAuthorData(std::uint16_t permissions, AuthorData& into);
  // Whether an operation guarded by the bits of mask may run now (asks for the password).
  bool CheckPassword(std::uint16_t mask);

  // Virtual operations of the layer, with their defaults.
  virtual int ReadData() { return 0; }
  virtual bool WriteData() { return false; }
  virtual bool Save();
  virtual void ClearModified() { fileMsg.modified = 0; }
  virtual bool CanOpen() { return true; }
  virtual bool IsModified() { return true; }
  virtual bool CanSaveAs() { return true; }
  virtual void UpdateCaption(bool saving, std::string_view extraText = {});
  virtual void OpenWithDialog();
  // Reads the file named in fileMsg.fileName; 0 or a message number.
  virtual int LoadFile() { return 0; }
  virtual bool AskAndHide();
  // Hides the window and sets the hidden flag.
  void Hide() override;
  virtual void ShowHelp(std::string_view /*resourceName*/, std::string_view /*extraText*/) {}
  virtual void DefaultFieldWidth();
  // Called after the user confirmed the decimals dialog (the data window asks for a new listing).
  virtual void FormatChanged() {}

  FileMsgData fileMsg;
  AuthorData authorData;
  PrintFormat printFormat;
  std::int16_t formatMode = 1;
  NumberFormat numberFormat;

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  bool CanClose() override;
  void OnDestroy() override;

  // For the layers' LoadFile: reads the whole file named in fileMsg.fileName and runs ReadData
  // on it; 11 when it cannot be read, else ReadData's result. A file read without fault names
  // the window, which is then not modified.
  int ReadDocument();

 private:
  void SaveCommand();
  void SaveAsCommand();
  void PasswordCommand();
  void AuthorCommand();
  void FormatCommand();
  void DecimalsCommand();

  kernel::ByteWriter* outFile_ = nullptr;
  kernel::ByteReader* inFile_ = nullptr;
};

}  // namespace shell
