#include "platform/message_box.h"

#include <QMessageBox>

#include "platform/frame_window_impl.h"
#include "platform/qt_text.h"

namespace platform {

int MessageBox(FrameWindow* owner, std::string_view text, std::string_view caption, MessageButtons buttons) {
  if (ModalResponder* responder = CurrentModalResponder())
    return responder->AnswerMessageBox({std::string(text), std::string(caption), buttons});

  QMessageBox box(NativeWidget(owner));
  box.setWindowTitle(ToQString(caption));
  box.setText(ToQString(text));
  box.setWindowModality(Qt::ApplicationModal);
  switch (buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    case QMessageBox::Cancel:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

}  // namespace platform
