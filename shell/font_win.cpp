#include "shell/font_win.h"

#include "platform/clipboard.h"
#include "platform/font_dialog.h"
#include "resources/resource_library.h"
#include "platform/stored_fonts.h"

namespace shell {

namespace {
constexpr int kTextWindowCaption = 63;
constexpr int kCaptionLimit = 255;
}  // namespace

TFontWin::TFontWin(platform::FrameWindow* parent, std::string_view title) : TFileMsgWin(parent, title) {
  fontWin.captions.fill(kTextWindowCaption);
}

void TFontWin::SetupWindow() {
  TFileMsgWin::SetupWindow();
  const auto slots = kernel::DefaultFontSlots(platform::ScreenDpiY());
  for (int k = 0; k < kernel::kFontSlotCount; ++k) {
    fontWin.fonts[k] = slots[k].font;
    fontWin.pointSizes[k] = slots[k].points;
  }
  fontWin.colors.fill(kernel::kBlackRef);
  fontWin.effects.fill(0);
}

bool TFontWin::ChooseFontSlot(int k) {
  if (k < 0 || k >= kernel::kFontSlotCount) return false;
  kernel::FontRecord& record = fontWin.fonts[k];
  platform::FontDialogRequest request;
  request.caption = resources::LoadString(fontWin.captions[k], kCaptionLimit);
  request.font = SlotFont(k);
  request.pointTenths = fontWin.pointSizes[k] * 10;
  request.color = platform::Color::FromColorRef(fontWin.colors[k]);
  request.strikeOut = record.strikeOut != 0;
  request.effects = fontWin.effects[k] != 0;
  const std::optional<platform::FontChoice> choice = platform::ChooseFont(this, request);
  if (!choice) return false;
  platform::StoreFontChoice(record, *choice);
  fontWin.pointSizes[k] = choice->pointTenths / 10;
  fontWin.colors[k] = choice->color.ToColorRef();
  if (fontWin.fontChangeMarksModified) fileMsg.modified = 1;
  ScaleFonts(k);
  return true;
}

platform::FontSpec TFontWin::SlotFont(int k) const {
  if (k < 0 || k >= kernel::kFontSlotCount) k = 0;
  return platform::FontSpecFromRecord(fontWin.fonts[k]);
}

bool TFontWin::OnCommand(int id) {
  if (id == kCmdMainFont) {
    ChooseMainFont();
    return true;
  }
  if (id >= kCmdFirstFontSlot && id <= kCmdLastFontSlot) {
    ChooseFontSlot(id - kCmdFirstFontSlot);
    return true;
  }
  return TFileMsgWin::OnCommand(id);
}

void TFontWin::OnDestroy() {
  fontWin.savedFonts.reset();
  TFileMsgWin::OnDestroy();
}

void CopyTextToClipboard(std::string_view text) { platform::CopyTextToClipboard(text); }

bool CanPasteText() { return platform::ClipboardHasText(); }

std::string PasteTextFromClipboard() { return platform::ClipboardText().value_or(std::string()); }

}  // namespace shell
