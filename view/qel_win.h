#pragma once
// The graphics window base, lowest layer of every picture window. It holds a slot of the
// child-window table, owns the companion windows (help text, scratch text, the notebook where
// the window kind offers one, and the colour window through which the colour roles are edited),
// turns colour indices into drawing colours (greys when printing without colour), keeps the
// window kind's settings file (read when the window opens, written when it is destroyed), starts
// every figure file with the common block, and answers New, Notebook, Delay and the colour
// commands. The layers above fill in the figure through its virtual operations.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/pre_win.h"
#include "platform/bitmap.h"
#include "view/common_block.h"

namespace platform {
class DC;
}

namespace shell {
class TColWin;
class TNoteWin;
class TTextWin;
}  // namespace shell

namespace view {

inline constexpr int kCmdToggleColors = 56;
inline constexpr int kCmdNotebook = 75;
inline constexpr int kCmdNew = 78;
inline constexpr int kCmdDelay = 112;
inline constexpr int kCmdFirstColorRole = 200;  // 200 + role, roles 0 to 14
inline constexpr int kCmdLastColorRole = 214;
inline constexpr int kCmdBackColor = 221;
inline constexpr int kCmdImageSize = 90;
inline constexpr int kCmdSelectPrinter = 93;
inline constexpr int kCmdPrint = 303;
inline constexpr int kCmdSimulprint = 307;
inline constexpr int kCmdBitmapToClipboard = 310;
inline constexpr int kCmdLunch = 399;
// Help texts are read into a buffer of this size.
inline constexpr int kHelpBufferSize = 100000;
inline constexpr int kSavedValueCount = 10;
inline constexpr int kPrintFileSlots = 12;
// The smallest placement a loaded file may give the window; below it the window is placed anew.
inline constexpr int kMinimumPlacementWidth = 120;
inline constexpr int kMinimumPlacementHeight = 72;

// How pictures are drawn on the device of the current pass. The printing and metafile code set
// these around a pass; the screen uses the defaults.
struct DrawDevice {
  // Printed marker sizes are scaled by this factor.
  kernel::Real printFactor = 1;
  // Added to every pen while printing (the extra print thickness).
  std::int16_t printerExtraWidth = 0;
  // A metafile written at a higher resolution multiplies pens and frame steps by this; 1 otherwise.
  std::int32_t magnifier = 1;
  std::uint8_t metafileRunning = 0;
  // Labels keep their background colour in a metafile only with this set (command 221).
  std::uint8_t withBackColor = 0;
  // The picture frame is drawn with this width + 1.
  std::int16_t framePenWidth = 0;
};

struct QELWinData {
  // Set while a page is drawn for the printer; colours are then looked up for the printer.
  std::uint8_t printing = 0;
  // Device width / screen width while printing, else 1.
  kernel::Real deviceFactor = 1.0;
  std::int32_t deviceDpi = 72;
  std::int32_t animationDelay = 0;  // milliseconds
  std::uint16_t currentTool = 0;
  // Values of the layers above, kept in the settings file.
  std::array<std::uint16_t, kSavedValueCount> savedValues{24, 6, 7, 0, 10, 8, 13, 2, 14, 17};
  std::int16_t printThicknessFactor = 1;
  std::uint8_t thickPrinting = 0;
  // With the colours flag, a colour edit marks the figure modified.
  std::uint8_t colorTracking = 1;
  std::uint8_t writeSettings = 1;
  // Whether the set-up found and read the settings file.
  std::uint8_t settingsRead = 0;
  std::uint8_t eraseOnLoad = 1;
  // What SetupMenuChecks is given after a file is loaded.
  std::uint8_t menuRedraw = 0;
  std::uint8_t simulprint = 0;
  std::uint8_t colorsFlag = 1;  // command 56
  // The files Simulprint prints; one for an ordinary print.
  std::array<std::string, kPrintFileSlots> printFiles;
  std::int32_t printFileCount = 0;
  // How many print files a Simulprint read into the window; while none was, the window still
  // holds its own figure.
  std::int32_t printFilesRead = 0;
  SettingsArrays settings;
  // The page being printed: dots per inch across and down, and the printable area's offsets.
  std::int32_t printerDpiX = 0;
  std::int32_t printerDpiY = 0;
  std::int32_t printerOffsetX = 0;
  std::int32_t printerOffsetY = 0;
  kernel::Real printerScale = 1.0;  // printer pixels per screen pixel
  std::string pathPrefix = "/";
  // Kept for the geometric layers, which give them their meaning.
  std::array<std::uint8_t, 5> furtherFlags{0, 0, 1, 0, 0};
  std::int32_t furtherValue = 36;
  // The common block: the window kind's file kind, the block version written, and the block
  // version of the file read last.
  std::int32_t fileKind = 0;
  std::int32_t blockVersion = 1;
  std::int32_t versionRead = 1;
  // The window kind's settings file in the settings folder; none when empty.
  std::string settingsFileName;
  // Set when the window was given a start-up file that could not be read; the message has been
  // shown, and the launcher closes a window that was opened only for that file.
  std::uint8_t startupFileFailed = 0;
};

// Whether a loaded placement may be used on a screen of this size: not left of or above it, not
// beyond its right or bottom edge, at least kMinimumPlacementWidth by kMinimumPlacementHeight.
bool PlacementFits(const kernel::WinPlacement& p, int screenWidth, int screenHeight);

// The number of files typed for Simulprint: 1 to kPrintFileSlots, 0 for anything else.
int SimulprintCount(const std::string& text);

class TQELWin : public shell::TPreWin {
 public:
  TQELWin(platform::FrameWindow* parent, std::string_view title);

  // The window's entry in the child-window table (freed when the window is destroyed); -1 for none.
  std::int32_t slotIndex = -1;
  // The set-up reads the window's settings file only when this is 1.
  std::uint8_t readSettings = 1;
  // The set-up creates the notebook companion only when this is 1.
  std::uint8_t notebook = 0;

  QELWinData qelWin;
  DrawDevice device;

  // Reads the file named in fileMsg.fileName and shows the window where the file places it
  // (anywhere on the screen when that place does not fit); 0 or a message number. The figure is
  // replaced by ReadData, which clears it (ClearFigure) only once it has read the whole file, so
  // a missing or damaged file leaves the figure as it was. A file read, like a file saved, becomes
  // the last file (fileMsg.names[0]) that Open last opens.
  int LoadFile() override;
  bool Save() override;
  void Hide() override;
  // Shows the help text in the help window; a topic given is searched there and scrolled into view.
  void ShowHelp(std::string_view resourceName, std::string_view topic) override;
  // Checks command 56 by the colours flag and 221 by the with-back-colour flag.
  void SetupMenuChecks(bool redraw) override;

  // Operations the layers above fill in.
  virtual void ClearFigure() {}
  // One print job through the print dialog: the picture (or, in Simulprint, each print file) on
  // one page. The background role, the printing flag and the client area are restored however
  // the job ends.
  virtual void PrintPicture();
  virtual void UpdateMenu() {}
  // Counts notes edited in the notebook as a change, then asks to save; false when the user cancels.
  virtual bool CheckModified();
  // Closing the window asks CheckModified: the windows whose figure is never worth saving say yes.
  bool QueryClose() override { return CheckModified(); }
  virtual void ResetDeviceState() { ComputeGreys(); }
  // Reads the client size again, rebuilds the clipping region, and draws for the screen again.
  virtual void UpdateClientArea();
  virtual bool PaintPicture(platform::DC& /*dc*/) { return true; }
  virtual bool PaintToBitmap(platform::DC& /*dc*/) { return true; }
  // Loads a file into the hidden window (Simulprint prints each file so); the read's result.
  virtual int ResetDocument(std::string_view fileName);
  // The printed width in inches.
  virtual kernel::Real PictureWidth() { return 3.0; }
  virtual void NewFigure() {}
  virtual void SetCurrentTool(std::uint16_t tool);
  // Opens the colour window on colour role i.
  virtual void EditColor(int i);
  // The picture frame, when the print format asks for one.
  virtual void DrawFrame(platform::DC& dc);

  // Printing services of the picture code. SetPrinterScale takes the device's vertical dots per
  // inch and its width relative to the screen's picture; ScaleFonts(true, dpi) gives every font
  // slot its height for a device of dpi dots per inch, ScaleFonts(false, ...) puts them back.
  void SetPrinterScale(const platform::DC& dc);
  using TFontWin::ScaleFonts;
  void ScaleFonts(bool begin, int dpi);
  // The dots per inch printed texts are sized for: the page's pixels per screen pixel times the
  // screen's, so every font keeps the size it has on the screen next to the figure it labels.
  int PrintedTextDpi() const;
  // The client area's background (colour and background bitmap) on dc.
  void PaintBackground(platform::DC& dc);
  // A picture of the client area: the background, PaintToBitmap and the frame; empty when the
  // bitmap could not be made or the picture not drawn.
  platform::Bitmap ClientPicture();

  // The picture commands.
  void CmPrint();
  void CmSimulprint();
  void CmImageSize();
  void CmBitmapToClipboard();
  void CmSelectPrinter();
  void CmLunch();

  // Colours. While printing without colour printing every colour prints as its grey.
  kernel::ColorRef ColorOf(int index, bool backgroundAware) const;
  // On screen an index equal to the background's becomes 0 (1 when the background is 0), so that
  // nothing is drawn invisibly.
  kernel::ColorRef DrawColor(int index) const;
  // 0 while printing without colour printing; else the index when in 1..60, else 0.
  int ColorIndex(int index) const;
  // "rgb(255,0,0)" for the colour-table entry of index.
  std::string RgbText(int index) const;
  // Opens the colour window on the colour index *index, captioned by string captionId (or by
  // title when captionId is negative); roleKind goes back to ColorChanged with every change.
  void EditColorRole(int captionId, std::uint16_t* index, int roleKind, std::string_view title);
  bool HasColorWindow() const;
  // Closes the colour window when it shows (the role it edits may be going away).
  void UpdateColorWindow();

  // A number in the window's number format; compact uses a field of decimals + 2.
  std::string FormatNumber(kernel::Real value, bool compact) const;
  // A message box with string textId under "success"; name becomes its file name part without
  // extension.
  void ShowSavedMessage(int textId, std::string& name);
  // "current value of x" with the x replaced by letter, cut to length characters.
  std::string CurrentValueCaption(char letter, std::size_t length) const;
  void SetPlacementAndMove(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                           std::uint8_t zoomed);
  void SetPlacementAndSize(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                           std::uint8_t zoomed);
  kernel::WinPlacement ReadPlacement() const;

  // The common block. Writing takes the window's state, with kind when it is 1 or more, else the
  // window's file kind. Reading applies a whole block of the window's kind and returns its format
  // version; 0 for a file of another kind, -1 for a damaged block; then nothing changes.
  CommonBlock MakeCommonBlock(std::int32_t kind) const;
  void ApplyCommonBlock(const CommonBlock& block);
  void WriteCommonBlock(kernel::ByteWriter& out, std::int32_t kind) const;
  int ReadCommonBlock(kernel::ByteReader& in);
  // For the figure writers and readers (inside WriteData and ReadData), on the window's open
  // file: the common block first. Saving is false when no file is open; loading gives what
  // ReadCommonBlock gives (0 when no file is open) and drops the background bitmap once a block
  // was taken.
  bool OpenFileForSave(std::int32_t kind);
  int OpenFileForLoad();
  // The notebook piece on the open file. A window without a notebook writes empty notes and
  // skips the notes it reads; loading is false for a damaged piece.
  void SaveNotebook();
  bool LoadNotebook();

  // The settings file. Reading (only while readSettings is set) is true when a settings file of
  // this window kind was read and taken; a damaged one is reported (message 21) and changes
  // nothing. Writing (only while writeSettings is set) is false when the file could not be
  // written.
  std::string SettingsPath() const;
  bool ReadSettings();
  bool WriteSettings();

  // The companions; null before the set-up and after the window is destroyed.
  shell::TTextWin* helpWindow() const { return helpWindow_; }
  shell::TTextWin* scratchWindow() const { return scratchWindow_; }
  shell::TNoteWin* notebookWindow() const { return notebookWindow_; }
  shell::TColWin* colorWindow() const { return colorWindow_; }

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void OnDestroy() override;
  // Loads the start-up file the window was given and reports a file that could not be loaded.
  void LoadStartupFile();

 private:
  enum class SettingsRead { Taken, NotRead, Damaged };
  SettingsRead LoadSettingsFile();
  void CreateCompanions();
  void ShowNotebook();
  void AskDelay();
  void NewCommand();
  // Places the window anew on the screen when its placement does not fit there.
  void KeepPlacementOnScreen();

  // Owned as child windows.
  shell::TTextWin* helpWindow_ = nullptr;
  shell::TTextWin* scratchWindow_ = nullptr;
  shell::TNoteWin* notebookWindow_ = nullptr;
  shell::TColWin* colorWindow_ = nullptr;
};

}  // namespace view
