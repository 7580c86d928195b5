#include "platform/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>
#include <memory>

#include "platform/frame_window_impl.h"
#include "platform/qt_text.h"

namespace platform {

namespace {

// A title bar shows its caption in a bold face beside an icon and the minimise, maximise and
// close buttons; each of those takes about a line and a half of the caption's height.
constexpr int kTitleBarButtonLines = 6;

void SetButtons(QMessageBox& box, MessageButtons buttons) {
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
}

std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, std::string_view text, std::string_view caption,
                                     MessageButtons buttons) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(ToQString(caption));
  box->setText(ToQString(text));
  box->setWindowModality(Qt::ApplicationModal);
  SetButtons(*box, buttons);
  // The box sizes itself to its text and buttons; a strut across its layout keeps it wide enough
  // for the caption too.
  if (auto* grid = dynamic_cast<QGridLayout*>(box->layout())) {
    grid->addItem(new QSpacerItem(CaptionWidthNeeded(caption), 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box;
}

}  // namespace

int CaptionWidthNeeded(std::string_view caption) {
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(ToQString(caption)) + kTitleBarButtonLines * metrics.height();
}

MessageBoxLayout LayOutMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons) {
  std::unique_ptr<QMessageBox> box = MakeBox(nullptr, text, caption, buttons);
  box->setAttribute(Qt::WA_DontShowOnScreen);
  box->show();  // the box settles its size when it is shown
  MessageBoxLayout layout;
  layout.width = box->width();
  if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
    const QFontMetrics metrics = label->fontMetrics();
    for (const QString& line : label->text().split(QLatin1Char('\n')))
      layout.textWidth = std::max(layout.textWidth, metrics.horizontalAdvance(line));
  }
  box->hide();
  return layout;
}

int MessageBox(FrameWindow* owner, std::string_view text, std::string_view caption, MessageButtons buttons) {
  if (ModalResponder* responder = CurrentModalResponder())
    return responder->AnswerMessageBox({std::string(text), std::string(caption), buttons});

  std::unique_ptr<QMessageBox> box = MakeBox(NativeWidget(owner), text, caption, buttons);
  switch (box->exec()) {
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
