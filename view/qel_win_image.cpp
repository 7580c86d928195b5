// The picture commands that do not print: Image size, the bitmap copy to the clipboard and the
// Lunch dialog.

#include <memory>
#include <optional>
#include <string>

#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "shell/generic_dialogs.h"
#include "shell/lunch_dlg.h"
#include "shell/message_numbers.h"
#include "view/image_size.h"
#include "view/qel_win.h"

namespace view {

namespace {
constexpr int kSizeOfDrawingString = 26;  // "size of drawing"
constexpr int kWidthString = 27;          // "width"
constexpr int kHeightString = 28;         // "height"
constexpr int kSizeFieldLength = 20;
constexpr int kImagePlaceX = 10;
constexpr int kImagePlaceY = 10;
}  // namespace

void TQELWin::PaintBackground(platform::DC& dc) { TPreWin::Paint(dc); }

platform::Bitmap TQELWin::ClientPicture() {
  UpdateClientArea();
  platform::Bitmap picture(preWin.width, preWin.height);
  if (picture.IsEmpty()) return picture;
  std::unique_ptr<platform::DC> dc = picture.CreateDC();
  PaintBackground(*dc);
  if (PaintToBitmap(*dc)) DrawFrame(*dc);
  return picture;
}

void TQELWin::CmBitmapToClipboard() {
  const platform::Bitmap picture = ClientPicture();
  if (picture.IsEmpty()) {
    Msg(shell::kLowMemoryTrouble);
    return;
  }
  platform::CopyImageToClipboard(picture);
}

void TQELWin::CmImageSize() {
  ImageSizeLimits limits;
  if (std::unique_ptr<platform::DC> dc = GetDC()) {
    const platform::DeviceCaps caps = dc->GetDeviceCaps();
    limits.dpiX = caps.dpiX > 0 ? caps.dpiX : limits.dpiX;
    limits.dpiY = caps.dpiY > 0 ? caps.dpiY : limits.dpiY;
  }
  const platform::WindowRect outer = Placement();
  limits.borderWidth = outer.width - ClientWidth();
  limits.borderHeight = outer.height - ClientHeight();
  const platform::WindowRect screen = ScreenRect();
  limits.screenWidth = screen.width;
  limits.screenHeight = screen.height;

  std::string width = CentimetreText(ClientWidth(), limits.dpiX);
  std::string height = CentimetreText(ClientHeight(), limits.dpiY);
  shell::TInp2Dlg dialog(this, resources::LoadString(kSizeOfDrawingString), "TWOINPUT",
                         resources::LoadString(kWidthString), resources::LoadString(kHeightString), &width,
                         &height, kSizeFieldLength + 1);
  if (dialog.Execute() != platform::IDOK) return;
  const std::optional<platform::SizeI> size = ParseImageSize(width, height, limits);
  if (!size) {
    Msg(shell::kOutOfBounds);
    return;
  }
  // The client area gets the size; the menu bar may wrap, so the frame is measured afterwards.
  SetClientSize(size->width, size->height);
  const platform::WindowRect now = Placement();
  SetPlacementAndMove(kImagePlaceX, kImagePlaceY, now.width, now.height, 0);
  Show();
  UpdateClientArea();
  ResetDeviceState();
  Invalidate(true);
}

void TQELWin::CmLunch() {
  shell::TLunch lunch(this);
  if (lunch.Execute() == platform::IDOK) Msg(shell::kKitchenClosedToday);
}

}  // namespace view
