#include "platform/font_dialog.h"

#include <QFontDialog>
#include <cmath>

#include "kernel/font_records.h"
#include "platform/frame_window_impl.h"
#include "platform/qt_text.h"
#include "platform/stored_fonts.h"

namespace platform {

std::optional<FontChoice> ChooseFont(FrameWindow* owner, const FontDialogRequest& request) {
  if (ModalResponder* responder = CurrentModalResponder()) return responder->AnswerFontDialog(request);

  QFont initial;
  if (!request.font.face.empty()) initial.setFamily(ToQString(request.font.face));
  initial.setPointSizeF(std::max(1, request.pointTenths) / 10.0);
  initial.setWeight(static_cast<QFont::Weight>(request.font.weight <= 0 ? 400 : request.font.weight));
  initial.setItalic(request.font.italic);
  initial.setUnderline(request.font.underline);
  initial.setStrikeOut(request.strikeOut);

  bool accepted = false;
  const QFont chosen = QFontDialog::getFont(&accepted, initial, NativeWidget(owner), ToQString(request.caption));
  if (!accepted) return std::nullopt;

  FontChoice choice;
  choice.pointTenths = static_cast<int>(std::lround(chosen.pointSizeF() * 10));
  choice.font = request.font;
  choice.font.face = FromQString(chosen.family());
  choice.font.height = -kernel::MulDiv(choice.pointTenths, ScreenDpiY(), 720);
  choice.font.weight = chosen.weight();
  choice.font.italic = chosen.italic();
  // The dialog has no colour; underline and strike-out count only where effects are offered.
  choice.color = request.color;
  choice.font.underline = request.effects ? chosen.underline() : request.font.underline;
  choice.strikeOut = request.effects ? chosen.strikeOut() : request.strikeOut;
  return choice;
}

}  // namespace platform
