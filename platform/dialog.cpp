#include "platform/dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <map>

#include "platform/frame_window_impl.h"
#include "platform/modal_responder.h"
#include "platform/qt_keys.h"
#include "platform/qt_font.h"
#include "platform/qt_text.h"
#include "resources/resource_library.h"

namespace platform {
namespace {

// Dialog units to pixels, for the program's usual 8-point dialog font.
int UnitsToPixelsX(int units) { return units * 3 / 2; }
int UnitsToPixelsY(int units) { return units * 13 / 8; }

// Pixels a button's text keeps clear of the frame on either side.
constexpr int kButtonTextAir = 2;

// "&Name" shows as "Name" with a mnemonic on buttons; labels show the plain text.
QString PlainLabel(const std::string& text) {
  QString result;
  const QString source = ToQString(text);
  for (qsizetype i = 0; i < source.size(); ++i) {
    if (source[i] == '&' && i + 1 < source.size()) {
      ++i;
    }
    result += source[i];
  }
  return result;
}

// Multi-line edits hold their lines ended by CR LF, as the program's texts are; on screen a line
// ends with LF alone.
std::string WithoutCr(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) result += text[i];
  return result;
}

std::string WithCrLf(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

}  // namespace

class NativeDialog : public QDialog {
 public:
  NativeDialog(QWidget* parent, DialogImpl* impl) : QDialog(parent), impl_(impl) {}
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  DialogImpl* impl_;
};

// Tells the dialog of focus leaving its controls and of function keys in its edits.
class ControlWatcher : public QObject {
 public:
  ControlWatcher(DialogImpl* impl, int id) : QObject(nullptr), impl_(impl), id_(id) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DialogImpl* impl_;
  int id_;
};

struct DialogImpl {
  Dialog* owner = nullptr;
  QPointer<NativeDialog> native;
  std::map<int, QWidget*> controls;
  std::vector<QWidget*> templateOrder;  // every control, in the template's order
  std::map<int, resources::ControlKind> kinds;
  std::map<int, int> textLimits;
  std::map<int, int> extents;  // list boxes' horizontal extents
  std::vector<int> sortedCombos;
  std::vector<int> commandButtons;
  std::vector<QPointer<QObject>> watchers;  // gone before the controls are, so they never outlive the dialog
  int defaultButton = -1;
  int focused = -1;  // the control that has the focus, as far as the dialog knows
  bool modal = false;
  bool running = false;  // a modal run that has not ended
  bool finishing = false;
  int lastX = -1, lastY = -1;

  QWidget* Control(int id) const {
    const auto it = controls.find(id);
    return it == controls.end() ? nullptr : it->second;
  }
  template <typename T>
  T* As(int id) const {
    return dynamic_cast<T*>(Control(id));
  }
  void Command(int id) { owner->OnCommand(id); }
  void Notify(int id, ControlNotification what) { owner->OnNotify(id, what); }
  bool EditKey(int id, int code, unsigned modifiers) { return owner->OnEditKey(id, code, modifiers); }
  void PressEnter() {
    if (defaultButton >= 0) {
      QWidget* button = Control(defaultButton);
      if (button && !button->isHidden() && button->isEnabled()) Command(defaultButton);
      return;
    }
    Command(1);
  }
  // A key the focused control does not use presses the button whose mnemonic it is, as the
  // system's dialogs do. True when there was one.
  bool PressMnemonic(QChar key);
};

bool ControlWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    impl_->focused = id_;
  } else if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (impl_->focused == id_ && !impl_->finishing && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
      impl_->focused = -1;
      impl_->Notify(id_, ControlNotification::FocusLost);
    }
  } else if (event->type() == QEvent::KeyPress && dynamic_cast<QWidget*>(watched) != nullptr) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = KeyCodeFromQt(key->key());
    if (code >= resources::kKeyF1 && code < resources::kKeyF1 + 12 && impl_->kinds[id_] != resources::ControlKind::ListBox) {
      return impl_->EditKey(id_, code, ModifiersFromQt(key->modifiers()));
    }
  }
  return false;
}

// The letter after the single "&" of a button's text; none when it has none.
QChar MnemonicOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1].toLower();
    ++i;
  }
  return {};
}

bool DialogImpl::PressMnemonic(QChar key) {
  const QChar wanted = key.toLower();
  if (wanted.isNull() || wanted.isSpace()) return false;
  for (const auto& [id, widget] : controls) {
    const auto* button = dynamic_cast<QAbstractButton*>(widget);
    if (!button || button->isHidden() || !button->isEnabled() || MnemonicOf(button->text()) != wanted) continue;
    owner->PressButton(id);
    return true;
  }
  return false;
}

void NativeDialog::keyPressEvent(QKeyEvent* event) {
  // Keys that reach the dialog were not taken by its focused control (an edit takes letters).
  const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  const QChar typed = event->text().size() == 1                        ? event->text()[0]
                      : event->key() >= 0x21 && event->key() <= 0x7e ? QChar(event->key())
                                                                      : QChar();
  if (!(event->modifiers() & commandKeys) && impl_->PressMnemonic(typed)) return;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      impl_->PressEnter();
      return;
    case Qt::Key_Escape:
      impl_->Command(2);
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void NativeDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  impl_->Command(2);
}

void NativeDialog::reject() { impl_->Command(2); }

Dialog::Dialog(FrameWindow* owner, std::string_view templateName)
    : owner_(owner), templateName_(templateName), impl_(std::make_unique<DialogImpl>()) {
  impl_->owner = this;
}

Dialog::~Dialog() {
  if (owner_) owner_->RemoveModelessDialog(this);
  for (QPointer<QObject>& watcher : impl_->watchers) delete watcher.data();
  if (impl_->native) {
    impl_->native->hide();
    delete impl_->native.data();
  }
}

void Dialog::Build() {
  const resources::DialogTemplate& source = resources::LoadDialogTemplate(templateName_);
  auto* native = new NativeDialog(NativeWidget(owner_), impl_.get());
  impl_->native = native;
  impl_->controls.clear();
  impl_->templateOrder.clear();
  impl_->kinds.clear();
  impl_->defaultButton = -1;
  native->setWindowTitle(ToQString(source.caption));
  native->setFixedSize(UnitsToPixelsX(source.width), UnitsToPixelsY(source.height));

  QButtonGroup* radioGroup = nullptr;
  bool previousWasRadio = false;
  std::vector<QGroupBox*> groupBoxes;
  for (const resources::ControlTemplate& control : source.controls) {
    QWidget* widget = nullptr;
    const int id = control.id;
    switch (control.kind) {
      case resources::ControlKind::Static: {
        auto* label = new QLabel(PlainLabel(control.text), native);
        label->setWordWrap(true);
        label->setAlignment((control.centered ? Qt::AlignHCenter : control.rightAligned ? Qt::AlignRight : Qt::AlignLeft) |
                           Qt::AlignTop);
        widget = label;
        break;
      }
      case resources::ControlKind::Edit: {
        auto* edit = new QLineEdit(ToQString(control.text), native);
        edit->setReadOnly(control.readOnly);
        QObject::connect(edit, &QLineEdit::textEdited, native,
                         [this, id] { impl_->Notify(id, ControlNotification::EditChanged); });
        widget = edit;
        break;
      }
      case resources::ControlKind::MultiEdit: {
        auto* edit = new QPlainTextEdit(ToQString(control.text), native);
        edit->setReadOnly(control.readOnly);
        widget = edit;
        break;
      }
      case resources::ControlKind::Button:
      case resources::ControlKind::DefButton: {
        auto* button = new QPushButton(ToQString(control.text), native);
        button->setAutoDefault(false);
        if (control.kind == resources::ControlKind::DefButton) impl_->defaultButton = id;
        QObject::connect(button, &QPushButton::clicked, native, [this, id] { impl_->Command(id); });
        widget = button;
        break;
      }
      case resources::ControlKind::CheckBox: {
        auto* box = new QCheckBox(ToQString(control.text), native);
        QObject::connect(box, &QCheckBox::clicked, native,
                         [this, id] { impl_->Notify(id, ControlNotification::Clicked); });
        widget = box;
        break;
      }
      case resources::ControlKind::Radio: {
        auto* radio = new QRadioButton(ToQString(control.text), native);
        if (!radioGroup || control.groupStart || !previousWasRadio) {
          radioGroup = new QButtonGroup(native);
          radioGroup->setExclusive(true);
        }
        radioGroup->addButton(radio);
        QObject::connect(radio, &QRadioButton::clicked, native,
                         [this, id] { impl_->Notify(id, ControlNotification::Clicked); });
        widget = radio;
        break;
      }
      case resources::ControlKind::GroupBox: {
        auto* box = new QGroupBox(PlainLabel(control.text), native);
        groupBoxes.push_back(box);
        widget = box;
        break;
      }
      case resources::ControlKind::ListBox: {
        auto* list = new QListWidget(native);
        list->setSelectionMode(control.multiSelect ? QAbstractItemView::MultiSelection
                                                   : QAbstractItemView::SingleSelection);
        list->setSortingEnabled(control.sorted);
        QObject::connect(list, &QListWidget::itemSelectionChanged, native,
                         [this, id] { impl_->Notify(id, ControlNotification::SelectionChanged); });
        QObject::connect(list, &QListWidget::itemDoubleClicked, native,
                         [this, id] { impl_->Notify(id, ControlNotification::DoubleClicked); });
        widget = list;
        break;
      }
      case resources::ControlKind::ComboBox: {
        auto* combo = new QComboBox(native);
        combo->setEditable(!control.readOnly);
        combo->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(combo, qOverload<int>(&QComboBox::activated), native,
                         [this, id] { impl_->Notify(id, ControlNotification::SelectionChanged); });
        if (QLineEdit* edit = combo->lineEdit()) {
          QObject::connect(edit, &QLineEdit::textEdited, native,
                           [this, id] { impl_->Notify(id, ControlNotification::EditChanged); });
        }
        if (control.sorted) impl_->sortedCombos.push_back(id);
        widget = combo;
        break;
      }
      case resources::ControlKind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, native);
        // Told once the move is done, so a handler that sets the position keeps it.
        QObject::connect(
            bar, &QAbstractSlider::actionTriggered, native,
            [this, id, bar](int action) {
              ScrollKind kind = ScrollKind::Track;
              switch (action) {
                case QAbstractSlider::SliderSingleStepAdd: kind = ScrollKind::LineRight; break;
                case QAbstractSlider::SliderSingleStepSub: kind = ScrollKind::LineLeft; break;
                case QAbstractSlider::SliderPageStepAdd: kind = ScrollKind::PageRight; break;
                case QAbstractSlider::SliderPageStepSub: kind = ScrollKind::PageLeft; break;
                case QAbstractSlider::SliderToMinimum: kind = ScrollKind::Left; break;
                case QAbstractSlider::SliderToMaximum: kind = ScrollKind::Right; break;
                case QAbstractSlider::SliderMove: kind = ScrollKind::Track; break;
                default: return;
              }
              impl_->owner->OnScroll(id, kind, bar->value());
              if (kind != ScrollKind::Track) impl_->owner->OnScroll(id, ScrollKind::EndScroll, bar->value());
            },
            Qt::QueuedConnection);
        QObject::connect(bar, &QAbstractSlider::sliderReleased, native, [this, id, bar] {
          impl_->owner->OnScroll(id, ScrollKind::ThumbPosition, bar->value());
          impl_->owner->OnScroll(id, ScrollKind::EndScroll, bar->value());
        });
        widget = bar;
        break;
      }
    }
    previousWasRadio = control.kind == resources::ControlKind::Radio;
    widget->setGeometry(UnitsToPixelsX(control.x), UnitsToPixelsY(control.y), UnitsToPixelsX(control.width),
                        UnitsToPixelsY(control.height));
    widget->setEnabled(!control.disabled);
    if (control.hidden) widget->hide();
    impl_->templateOrder.push_back(widget);
    if (id >= 0) {
      impl_->controls[id] = widget;
      impl_->kinds[id] = control.kind;
      if (control.kind == resources::ControlKind::Edit || control.kind == resources::ControlKind::MultiEdit ||
          control.kind == resources::ControlKind::ListBox || control.kind == resources::ControlKind::ComboBox) {
        auto* watcher = new ControlWatcher(impl_.get(), id);
        watcher->setParent(widget);
        impl_->watchers.emplace_back(watcher);
        widget->installEventFilter(watcher);
        if (auto* combo = dynamic_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
          combo->lineEdit()->installEventFilter(watcher);
        }
      }
    }
  }
  for (QGroupBox* box : groupBoxes) box->lower();
}

void Dialog::Finish() {
  impl_->finishing = true;
  OnDestroying();
  for (QPointer<QObject>& watcher : impl_->watchers) delete watcher.data();
  impl_->watchers.clear();
  if (impl_->native) {
    impl_->lastX = impl_->native->x();
    impl_->lastY = impl_->native->y();
    impl_->native->hide();
    impl_->native->deleteLater();
    impl_->native = nullptr;
  }
  impl_->controls.clear();
  impl_->templateOrder.clear();
  impl_->kinds.clear();
  impl_->sortedCombos.clear();
  impl_->extents.clear();
  impl_->focused = -1;
  impl_->finishing = false;
  if (!impl_->modal && owner_) owner_->RemoveModelessDialog(this);
}

int Dialog::Execute() {
  if (impl_->native) Finish();
  impl_->modal = true;
  impl_->running = true;
  result_ = IDCANCEL;
  Build();
  SetupWindow();
  if (ModalResponder* responder = CurrentModalResponder()) {
    responder->DriveDialog(*this);
    if (impl_->running) EndDialog(IDCANCEL);
  } else if (impl_->running) {
    impl_->native->setModal(true);
    impl_->native->exec();
  }
  impl_->running = false;
  Finish();
  return result_;
}

void Dialog::Create() {
  if (impl_->native) return;
  impl_->modal = false;
  Build();
  if (owner_) owner_->AddModelessDialog(this);
  SetupWindow();
  RefreshCommandButtons();
}

void Dialog::Show() {
  Create();
  impl_->native->show();
  impl_->native->raise();
}

void Dialog::Hide() {
  if (impl_->native) impl_->native->hide();
}

bool Dialog::IsCreated() const { return impl_->native != nullptr; }
bool Dialog::IsVisible() const { return impl_->native && impl_->native->isVisible(); }
bool Dialog::IsModal() const { return impl_->modal; }

void Dialog::EndDialog(int code) {
  if (impl_->modal) {
    if (!impl_->running) return;  // a modal run that has ended keeps its code
    result_ = code;
    impl_->running = false;
    if (impl_->native && impl_->native->isVisible()) impl_->native->done(code);
    return;
  }
  result_ = code;
  if (impl_->native) Finish();
}

bool Dialog::OnCommand(int id) {
  if (id == 1) {
    OnOk();
    return true;
  }
  if (id == 2) {
    OnCancel();
    return true;
  }
  return false;
}

void Dialog::SetCaption(std::string_view caption) {
  if (impl_->native) impl_->native->setWindowTitle(ToQString(caption));
}

std::string Dialog::Caption() const { return impl_->native ? FromQString(impl_->native->windowTitle()) : std::string(); }

int Dialog::X() const { return impl_->native ? impl_->native->x() : impl_->lastX; }
int Dialog::Y() const { return impl_->native ? impl_->native->y() : impl_->lastY; }

void Dialog::MoveTo(int x, int y) {
  if (impl_->native) impl_->native->move(x, y);
  impl_->lastX = x;
  impl_->lastY = y;
}

bool Dialog::HasItem(int id) const { return impl_->Control(id) != nullptr; }

std::string Dialog::GetItemText(int id) const {
  QWidget* w = impl_->Control(id);
  if (auto* edit = dynamic_cast<QLineEdit*>(w)) return FromQString(edit->text());
  if (auto* text = dynamic_cast<QPlainTextEdit*>(w)) return WithCrLf(FromQString(text->toPlainText()));
  if (auto* label = dynamic_cast<QLabel*>(w)) return FromQString(label->text());
  if (auto* button = dynamic_cast<QAbstractButton*>(w)) return FromQString(button->text());
  if (auto* combo = dynamic_cast<QComboBox*>(w)) return FromQString(combo->currentText());
  if (auto* box = dynamic_cast<QGroupBox*>(w)) return FromQString(box->title());
  return {};
}

void Dialog::SetItemText(int id, std::string_view text) {
  QWidget* w = impl_->Control(id);
  QSignalBlocker blocker(w);
  QString value = ToQString(text);
  if (auto* edit = dynamic_cast<QLineEdit*>(w)) {
    const auto limit = impl_->textLimits.find(id);
    if (limit != impl_->textLimits.end()) value.truncate(limit->second);
    edit->setText(value);
  } else if (auto* multi = dynamic_cast<QPlainTextEdit*>(w)) {
    multi->setPlainText(ToQString(WithoutCr(text)));
  } else if (auto* label = dynamic_cast<QLabel*>(w)) {
    label->setText(value);
  } else if (auto* button = dynamic_cast<QAbstractButton*>(w)) {
    button->setText(value);
  } else if (auto* combo = dynamic_cast<QComboBox*>(w)) {
    if (combo->isEditable()) combo->setEditText(value);
    else combo->setCurrentIndex(combo->findText(value));
  } else if (auto* box = dynamic_cast<QGroupBox*>(w)) {
    box->setTitle(value);
  }
}

void Dialog::EnableItem(int id, bool enabled) {
  if (QWidget* w = impl_->Control(id)) w->setEnabled(enabled);
}

bool Dialog::IsItemEnabled(int id) const {
  QWidget* w = impl_->Control(id);
  return w && w->isEnabled();
}

void Dialog::ShowItem(int id, bool shown) {
  if (QWidget* w = impl_->Control(id)) w->setVisible(shown);
}

bool Dialog::IsItemShown(int id) const {
  QWidget* w = impl_->Control(id);
  return w && !w->isHidden();
}

void Dialog::FocusItem(int id) {
  QWidget* w = impl_->Control(id);
  if (!w) return;
  const int previous = impl_->focused;
  w->setFocus();
  // Where the window is not active the focus events do not come: tell the change all the same.
  if (impl_->focused == previous) {
    impl_->focused = id;
    if (previous >= 0 && previous != id) impl_->Notify(previous, ControlNotification::FocusLost);
  }
}

void Dialog::PressKeyInItem(int id, int keyCode, unsigned modifiers) {
  QWidget* w = impl_->Control(id);
  if (!w) return;
  if (auto* combo = dynamic_cast<QComboBox*>(w); combo && combo->lineEdit()) w = combo->lineEdit();
  resources::Accelerator asKey;
  asKey.key = keyCode;
  asKey.modifiers = modifiers;
  const QKeySequence sequence = KeySequenceFor(asKey);
  if (sequence.isEmpty()) return;
  QKeyEvent press(QEvent::KeyPress, sequence[0].key(), sequence[0].keyboardModifiers());
  QCoreApplication::sendEvent(w, &press);
}

void Dialog::PressButton(int id) {
  QWidget* w = impl_->Control(id);
  if (!w || !w->isEnabled()) return;
  if (auto* check = dynamic_cast<QCheckBox*>(w)) {
    check->click();
  } else if (auto* radio = dynamic_cast<QRadioButton*>(w)) {
    radio->click();
  } else if (dynamic_cast<QPushButton*>(w)) {
    impl_->Command(id);
  }
}

void Dialog::PressKey(int keyCode) {
  if (keyCode == resources::kKeyEnter) impl_->PressEnter();
  if (keyCode == resources::kKeyEscape) impl_->Command(2);
  if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) impl_->PressMnemonic(QChar(keyCode));
}

void Dialog::SetItemFont(int id, const FontSpec& spec) {
  QWidget* w = impl_->Control(id);
  if (!w) return;
  w->setFont(ToQFont(spec, w->font()));
}

Dialog::TextFit Dialog::MeasureControlText(int index) const {
  TextFit fit;
  if (index < 0 || index >= static_cast<int>(impl_->templateOrder.size())) return fit;
  QWidget* w = impl_->templateOrder[index];
  fit.available = w->width();
  const QFontMetrics metrics = w->fontMetrics();
  if (auto* label = dynamic_cast<QLabel*>(w)) {
    // Laid out as the label lays out its plain text: wrapped at spaces, a line break a line break.
    QString text = label->text();
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    const QRect box = label->contentsRect();
    fit.available = box.width();
    fit.visibleLines = box.height() < metrics.ascent() ? 0 : 1 + (box.height() - metrics.ascent()) / metrics.lineSpacing();
    fit.lines = 0;
    if (text.isEmpty()) return fit;
    QTextLayout layout(text, label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(fit.available);
      widest = std::max(widest, line.naturalTextWidth());
      ++fit.lines;
    }
    layout.endLayout();
    fit.needed = fit.visibleLines <= 1 ? metrics.size(0, label->text()).width() : static_cast<int>(std::ceil(widest));
    return fit;
  }
  if (auto* button = dynamic_cast<QAbstractButton*>(w)) {
    if (button->text().isEmpty()) return fit;
    const int textWidth = metrics.size(Qt::TextShowMnemonic, button->text()).width();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (dynamic_cast<QPushButton*>(w)) {
      // Centred in the frame's inside, with a little air on either side so that it does not
      // touch the frame.
      const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
      fit.needed = textWidth + (button->width() - inside.width()) + 2 * kButtonTextAir;
    } else {
      // After the indicator.
      const bool radio = dynamic_cast<QRadioButton*>(w) != nullptr;
      const QRect contents = button->style()->subElementRect(
          radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
      fit.needed = contents.left() + textWidth;
    }
    return fit;
  }
  if (auto* box = dynamic_cast<QGroupBox*>(w)) {
    if (box->title().isEmpty()) return fit;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // As far in from the right edge as from the left.
    fit.needed = title.right() + 1 + title.left();
    return fit;
  }
  fit.lines = 0;
  return fit;
}

bool Dialog::IsChecked(int id) const {
  auto* button = impl_->As<QAbstractButton>(id);
  return button && button->isChecked();
}

void Dialog::CheckItem(int id, bool checked) {
  if (auto* button = impl_->As<QAbstractButton>(id)) {
    QSignalBlocker blocker(button);
    button->setChecked(checked);
  }
}

void Dialog::SetTextLimit(int id, int limit) {
  impl_->textLimits[id] = limit;
  if (auto* edit = impl_->As<QLineEdit>(id)) edit->setMaxLength(std::max(limit, 0));
}

void Dialog::SetReadOnly(int id, bool readOnly) {
  if (auto* edit = impl_->As<QLineEdit>(id)) edit->setReadOnly(readOnly);
  if (auto* multi = impl_->As<QPlainTextEdit>(id)) multi->setReadOnly(readOnly);
}

void Dialog::SelectAllText(int id) {
  if (auto* edit = impl_->As<QLineEdit>(id)) edit->selectAll();
  if (auto* multi = impl_->As<QPlainTextEdit>(id)) multi->selectAll();
}

void Dialog::InsertText(int id, std::string_view text) {
  if (auto* edit = impl_->As<QLineEdit>(id)) edit->insert(ToQString(text));
  if (auto* combo = impl_->As<QComboBox>(id); combo && combo->lineEdit()) combo->lineEdit()->insert(ToQString(text));
  if (auto* multi = impl_->As<QPlainTextEdit>(id)) multi->insertPlainText(ToQString(text));
}

void Dialog::ListClear(int id) {
  if (auto* list = impl_->As<QListWidget>(id)) {
    QSignalBlocker blocker(list);
    list->clear();
  }
  if (auto* combo = impl_->As<QComboBox>(id)) {
    QSignalBlocker blocker(combo);
    combo->clear();
  }
}

int Dialog::ListAdd(int id, std::string_view text) {
  const QString value = ToQString(text);
  if (auto* list = impl_->As<QListWidget>(id)) {
    QSignalBlocker blocker(list);
    auto* item = new QListWidgetItem(value);
    if (const auto extent = impl_->extents.find(id); extent != impl_->extents.end())
      item->setSizeHint(QSize(extent->second, list->fontMetrics().height() + 2));
    list->addItem(item);  // a sorted list sorts it in
    return list->row(item);
  }
  if (auto* combo = impl_->As<QComboBox>(id)) {
    QSignalBlocker blocker(combo);
    int at = combo->count();
    if (std::find(impl_->sortedCombos.begin(), impl_->sortedCombos.end(), id) != impl_->sortedCombos.end()) {
      // Sorted as the system sorts: letter case aside.
      at = 0;
      while (at < combo->count() && QString::compare(combo->itemText(at), value, Qt::CaseInsensitive) <= 0) ++at;
    }
    combo->insertItem(at, value);
    return at;
  }
  return -1;
}

void Dialog::ListInsert(int id, int index, std::string_view text) {
  if (auto* list = impl_->As<QListWidget>(id)) {
    QSignalBlocker blocker(list);
    list->insertItem(index < 0 ? list->count() : index, ToQString(text));
  }
  if (auto* combo = impl_->As<QComboBox>(id)) {
    QSignalBlocker blocker(combo);
    combo->insertItem(index < 0 ? combo->count() : index, ToQString(text));
  }
}

void Dialog::ListDelete(int id, int index) {
  if (auto* list = impl_->As<QListWidget>(id)) {
    QSignalBlocker blocker(list);
    delete list->takeItem(index);
  }
  if (auto* combo = impl_->As<QComboBox>(id)) {
    QSignalBlocker blocker(combo);
    combo->removeItem(index);
  }
}

int Dialog::ListCount(int id) const {
  if (auto* list = impl_->As<QListWidget>(id)) return list->count();
  if (auto* combo = impl_->As<QComboBox>(id)) return combo->count();
  return 0;
}

std::string Dialog::ListText(int id, int index) const {
  if (auto* list = impl_->As<QListWidget>(id)) {
    const QListWidgetItem* item = list->item(index);
    return item ? FromQString(item->text()) : std::string();
  }
  if (auto* combo = impl_->As<QComboBox>(id))
    return index >= 0 && index < combo->count() ? FromQString(combo->itemText(index)) : std::string();
  return {};
}

int Dialog::ListSelection(int id) const {
  if (auto* list = impl_->As<QListWidget>(id)) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
  }
  if (auto* combo = impl_->As<QComboBox>(id)) return combo->currentIndex();
  return -1;
}

void Dialog::ListSelect(int id, int index) {
  if (auto* list = impl_->As<QListWidget>(id)) {
    QSignalBlocker blocker(list);
    list->clearSelection();
    if (index >= 0 && index < list->count()) {
      list->item(index)->setSelected(true);
      list->setCurrentRow(index, QItemSelectionModel::NoUpdate);
    }
  }
  if (auto* combo = impl_->As<QComboBox>(id)) {
    QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
  }
}

std::vector<int> Dialog::ListSelections(int id) const {
  std::vector<int> rows;
  if (auto* list = impl_->As<QListWidget>(id)) {
    for (int row = 0; row < list->count(); ++row)
      if (list->item(row)->isSelected()) rows.push_back(row);
  }
  return rows;
}

void Dialog::ListSetSelected(int id, int index, bool selected) {
  if (auto* list = impl_->As<QListWidget>(id)) {
    QSignalBlocker blocker(list);
    if (QListWidgetItem* item = list->item(index)) item->setSelected(selected);
  }
}

int Dialog::ListFind(int id, std::string_view text) const {
  const QString value = ToQString(text);
  for (int i = 0; i < ListCount(id); ++i)
    if (ToQString(ListText(id, i)) == value) return i;
  return -1;
}

void Dialog::ListSetHorizontalExtent(int id, int pixels) {
  auto* list = impl_->As<QListWidget>(id);
  if (!list) return;
  impl_->extents[id] = std::max(0, pixels);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setTextElideMode(Qt::ElideNone);
  const QSize hint = pixels > 0 ? QSize(pixels, list->fontMetrics().height() + 2) : QSize();
  for (int row = 0; row < list->count(); ++row) list->item(row)->setSizeHint(hint);
}

int Dialog::ListHorizontalExtent(int id) const {
  const auto it = impl_->extents.find(id);
  return it == impl_->extents.end() ? 0 : it->second;
}

int Dialog::ListVisibleRows(int id) const {
  auto* list = impl_->As<QListWidget>(id);
  if (!list || list->count() == 0) return 0;
  // Laid out now, with its scroll bars, rather than at the next turn of the event loop.
  static_cast<QAbstractItemView*>(list)->doItemsLayout();
  const int row = list->sizeHintForRow(0);
  return row > 0 ? list->viewport()->height() / row : 0;
}

void Dialog::ScrollBy(int id, ScrollKind kind, int position) {
  auto* bar = impl_->As<QScrollBar>(id);
  if (!bar || !bar->isEnabled()) return;
  int value = bar->value();
  switch (kind) {
    case ScrollKind::LineLeft: value -= bar->singleStep(); break;
    case ScrollKind::LineRight: value += bar->singleStep(); break;
    case ScrollKind::PageLeft: value -= bar->pageStep(); break;
    case ScrollKind::PageRight: value += bar->pageStep(); break;
    case ScrollKind::Track:
    case ScrollKind::ThumbPosition: value = position; break;
    case ScrollKind::Left: value = bar->minimum(); break;
    case ScrollKind::Right: value = bar->maximum(); break;
    case ScrollKind::EndScroll: break;
  }
  {
    QSignalBlocker blocker(bar);
    bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
  }
  OnScroll(id, kind, bar->value());
  if (kind != ScrollKind::Track && kind != ScrollKind::EndScroll) OnScroll(id, ScrollKind::EndScroll, bar->value());
}

void Dialog::SetCommandButtons(std::vector<int> ids) {
  impl_->commandButtons = std::move(ids);
  RefreshCommandButtons();
}

void Dialog::RefreshCommandButtons() {
  if (!owner_ || !impl_->native) return;
  for (const int id : impl_->commandButtons) EnableItem(id, owner_->QueryCommand(id).enabled);
}

void Dialog::ScrollSetRange(int id, int minimum, int maximum) {
  if (auto* bar = impl_->As<QScrollBar>(id)) {
    QSignalBlocker blocker(bar);
    bar->setRange(minimum, maximum);
  }
}

void Dialog::ScrollSetPage(int id, int page) {
  if (auto* bar = impl_->As<QScrollBar>(id)) bar->setPageStep(page);
}

void Dialog::ScrollSetPosition(int id, int position) {
  if (auto* bar = impl_->As<QScrollBar>(id)) {
    QSignalBlocker blocker(bar);
    bar->setValue(position);
  }
}

int Dialog::ScrollPosition(int id) const {
  auto* bar = impl_->As<QScrollBar>(id);
  return bar ? bar->value() : 0;
}

}  // namespace platform
