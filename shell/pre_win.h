#pragma once
// The picture layer of every graphics window: a table of 61 colours with their grey equivalents
// for printing without colour, fifteen colour roles (role 0 is the background), the client size,
// up to three off-screen bitmaps that hold finished pictures, a clipping region of the client
// area, and an optional background bitmap under the picture (opened from a BMP file or pasted).
// Its paint fills the client area with the background colour and lays the background bitmap
// over it; the layers above draw the figure on top.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/font_win.h"
#include "kernel/colour_table.h"
#include "platform/bitmap.h"
#include "platform/region.h"

namespace shell {

inline constexpr int kColorRoleCount = 15;
inline constexpr std::uint16_t kLightGreyIndex = 19;
inline constexpr int kBitmapLevels = 3;
// The levels of a window that keeps its picture in layers: the background, the figure over it,
// and the whole picture (the figure with the texts and labels over it).
inline constexpr int kBackgroundBitmap = 0;
inline constexpr int kFigureBitmap = 1;
inline constexpr int kWholeBitmap = 2;
inline constexpr int kMinimumClientHeight = 40;

inline constexpr int kCmdOpenBackBitmap = 372;
inline constexpr int kCmdPasteBackBitmap = 373;
inline constexpr int kCmdRemoveBackBitmap = 356;

// What ListingText is given to rebuild the whole listing.
inline constexpr int kWholeListing = -1;

struct PreWinData {
  kernel::ColorArray colors{};
  kernel::GreyArray greys{};
  kernel::FillArray fills{};
  // Colour indexes; role 0 is the background. Each window class sets its own.
  std::array<std::uint16_t, kColorRoleCount> roles{};
  // Two values per role whose meaning the window classes give (one may hold a command id).
  std::array<std::int32_t, kColorRoleCount> roleValues{};
  std::array<std::int32_t, kColorRoleCount> roleCommands{};
  // The colour the screen really shows for the background.
  kernel::ColorRef actualBackground = 0;

  int width = 11;
  int height = 11;
  int originX = 0;
  int originY = 0;
  int eighthWidth = 1;
  int eighthHeight = 1;
  std::uint8_t forceResize = 1;
  // A change of the client size counts as a change of the document.
  std::uint8_t trackSize = 0;

  // Finished pictures, each of the client size, and which of them are up to date.
  std::array<std::optional<platform::Bitmap>, kBitmapLevels> buffers;
  std::array<std::uint8_t, kBitmapLevels> bufferValid{};
  int bitmapLevel = 0;
  platform::Region clientRegion;

  std::optional<platform::Bitmap> backBitmap;
  int backWidth = 0;
  int backHeight = 0;
  std::uint8_t backFromFile = 0;  // 1: opened from a file, 0: pasted
  std::string backBitmapName;
};

class TPreWin : public TFontWin {
 public:
  TPreWin(platform::FrameWindow* parent, std::string_view title);

  // The colour of index i; any index outside 1..60 gives entry 0.
  kernel::ColorRef Color(int i) const;
  // The grey of index i for printing without colour; any index outside 0..60 gives that of 0.
  kernel::ColorRef GreyColor(int i) const;
  void ResetColors();
  void ComputeGreys();

  void MakeClientRegion();
  // New off-screen bitmaps of the client size: 0 when level >= 0, also 1 when level >= 1, also 2
  // when level >= 2; all of them out of date. The last one gets the background.
  void RebuildBitmaps(int level);
  // Copies off-screen bitmap 0 (level below 1), 1 or 2 (level 2 and above) onto dc.
  void BlitBuffer(int level, platform::DC& dc) const;
  // Marks bitmap 0, 1 or 2 (level above 1) out of date; a negative level does nothing.
  void InvalidateBuffer(int level);
  void FillRectangle(platform::DC& dc, int x1, int y1, int x2, int y2, int colorIndex, bool outlined) const;
  void ReadClientSize();
  // Reads the client size again; true when it changed or a resize was forced.
  bool UpdateClientSize();

  // Hooks of the layers above.
  virtual void ColorChanged(int /*roleKind*/) {}
  virtual void SetupMenuChecks(bool /*redraw*/) {}
  virtual void CommitColor() {}
  // Rebuilds the listing shown in the window's data window (kWholeListing for all of it).
  virtual void ListingText(int /*row*/) {}

  // Background bitmap.
  void OpenBackBitmap();
  // Loads the file named by backBitmapName: 0, 2 when it cannot be found, 11 when it is no bitmap.
  int LoadBackBitmap();
  // Replaces the background by the clipboard's picture; message 5 and nothing changed when the
  // clipboard holds none.
  void PasteBackBitmap();
  void DeleteBackBitmap();
  // The figure file's name with its extension replaced by "1.bmp" (tri.kv2 -> tri1.bmp); none
  // when the file name has no dot.
  static std::optional<std::string> DefaultBitmapName(std::string_view path);
  // Saves the window's file; a pasted background bitmap is then offered for saving beside it.
  // False only when the file itself was not saved.
  bool Save() override;
  void OfferToSaveBackBitmap();

  PreWinData preWin;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  // Fills the client area with the background colour and lays the background bitmap over it.
  void Paint(platform::DC& dc) override;
  // Keeps the client area at least kMinimumClientHeight high and marks the picture out of date.
  void OnSize(int width, int height) override;

 private:
  // The new background bitmap is in place: its size, the too-large warning, a repaint.
  void BackBitmapChanged();
};

}  // namespace shell
