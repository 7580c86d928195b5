// Colour lookup for drawing and printing, and the colour roles edited in the colour window.

#include "shell/col_win.h"
#include "view/qel_win.h"
#include "resources/resource_library.h"

namespace view {

namespace {
constexpr int kRgbString = 56;  // "rgb"
constexpr std::size_t kRgbWordLimit = 20;
}  // namespace

kernel::ColorRef TQELWin::ColorOf(int index, bool backgroundAware) const {
  if (qelWin.printing && !printFormat.colorPrinter) return GreyColor(index);
  return backgroundAware ? DrawColor(index) : Color(index);
}

kernel::ColorRef TQELWin::DrawColor(int index) const {
  if (!qelWin.printing && index == preWin.roles[0]) index = index == 0 ? 1 : 0;
  return Color(index);
}

int TQELWin::ColorIndex(int index) const {
  if (qelWin.printing && !printFormat.colorPrinter) return 0;
  return index >= 1 && index < kernel::kColorCount ? index : 0;
}

std::string TQELWin::RgbText(int index) const {
  const kernel::ColorRef c = Color(index);
  return resources::LoadString(kRgbString, kRgbWordLimit) + "(" + std::to_string(kernel::RedOf(c)) + "," +
         std::to_string(kernel::GreenOf(c)) + "," + std::to_string(kernel::BlueOf(c)) + ")";
}

void TQELWin::EditColor(int i) {
  if (i < 0 || i >= shell::kColorRoleCount) return;
  // The role's first word names its caption string; a role without one shows no caption.
  const int caption = preWin.roleCommands[i];
  EditColorRole(caption > 0 && resources::HasString(caption) ? caption : -1, &preWin.roles[i],
                preWin.roleValues[i], {});
  if (qelWin.colorTracking && qelWin.colorsFlag) fileMsg.modified = 1;
}

void TQELWin::EditColorRole(int captionId, std::uint16_t* index, int roleKind, std::string_view title) {
  if (colorWindow_) colorWindow_->EditRole(captionId, index, roleKind, title);
}

bool TQELWin::HasColorWindow() const { return colorWindow_ && !colorWindow_->fileMsg.hidden; }

void TQELWin::UpdateColorWindow() {
  if (HasColorWindow()) colorWindow_->Hide();
}

}  // namespace view
