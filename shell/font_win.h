#pragma once
// The font layer of every window: ten font slots kept as their stored font records (written to
// and read from the window's files by the drawing code), each with a point size, a colour and an
// effects flag; commands 60 to 69 change a slot through the font dialog. Also the plain-text
// clipboard of the text windows.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/file_msg_win.h"
#include "kernel/colour_values.h"
#include "kernel/font_records.h"
#include "platform/drawing_types.h"

namespace shell {

inline constexpr int kCmdFirstFontSlot = 60;  // 60 slot 0, 61 the main font, 62..69 slots 2..9
inline constexpr int kCmdMainFont = 61;
inline constexpr int kCmdLastFontSlot = 69;

using FontTable = std::array<kernel::FontRecord, kernel::kFontSlotCount>;

struct FontWinData {
  // Made in the set-up from the screen's dots per inch.
  FontTable fonts;
  std::array<std::int32_t, kernel::kFontSlotCount> pointSizes{};  // whole points
  std::array<kernel::ColorRef, kernel::kFontSlotCount> colors{};
  // A set flag lets the font dialog offer colour, underline and strike-out for that slot.
  std::array<std::uint8_t, kernel::kFontSlotCount> effects{};
  // String ids of the font dialog captions, per slot.
  std::array<int, kernel::kFontSlotCount> captions{};
  std::uint8_t fontChangeMarksModified = 1;
  // The slot the window's text windows use (Times 12).
  int textSlot = 4;
  // The copy of the table the drawing code keeps while it prints.
  std::optional<FontTable> savedFonts;
};

class TFontWin : public TFileMsgWin {
 public:
  TFontWin(platform::FrameWindow* parent, std::string_view title);

  // Runs the font dialog on slot k; on OK stores the choice, marks the document modified (when
  // font changes do) and calls ScaleFonts(k). False, with nothing changed, on Cancel.
  bool ChooseFontSlot(int k);
  // Called after slot k changed; the geometry windows derive their smaller fonts here.
  virtual void ScaleFonts(int /*k*/) {}
  // Command 61; the text windows choose their own font.
  virtual void ChooseMainFont() { ChooseFontSlot(1); }

  // The drawing font of slot k.
  platform::FontSpec SlotFont(int k) const;

  FontWinData fontWin;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnDestroy() override;
};

// The plain-text clipboard (texts in Windows-1252).
void CopyTextToClipboard(std::string_view text);
bool CanPasteText();
// The clipboard's text; empty when it holds none.
std::string PasteTextFromClipboard();

}  // namespace shell
