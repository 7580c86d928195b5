#include "platform/qt_keys.h"

namespace platform {
namespace {

struct KeyPair {
  int program;
  int qt;
};

const KeyPair kNamedKeys[] = {
    {resources::kKeyDelete, Qt::Key_Delete}, {resources::kKeyInsert, Qt::Key_Insert},     {resources::kKeyHome, Qt::Key_Home},
    {resources::kKeyEnd, Qt::Key_End},       {resources::kKeyPageUp, Qt::Key_PageUp},     {resources::kKeyPageDown, Qt::Key_PageDown},
    {resources::kKeyLeft, Qt::Key_Left},     {resources::kKeyRight, Qt::Key_Right},       {resources::kKeyUp, Qt::Key_Up},
    {resources::kKeyDown, Qt::Key_Down},     {resources::kKeyEscape, Qt::Key_Escape},     {resources::kKeyEnter, Qt::Key_Return},
    {resources::kKeyTab, Qt::Key_Tab},       {resources::kKeyBackspace, Qt::Key_Backspace},
};

}  // namespace

int KeyCodeFromQt(int qtKey) {
  if (qtKey == Qt::Key_Enter) return resources::kKeyEnter;
  for (const KeyPair& pair : kNamedKeys)
    if (pair.qt == qtKey) return pair.program;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return resources::kKeyF1 + (qtKey - Qt::Key_F1);
  if (qtKey >= 0x20 && qtKey < 0x7F) return qtKey >= 'a' && qtKey <= 'z' ? qtKey - 32 : qtKey;
  return 0;
}

unsigned ModifiersFromQt(Qt::KeyboardModifiers modifiers) {
  unsigned result = 0;
  if (modifiers & Qt::ShiftModifier) result |= resources::kShift;
  if (modifiers & Qt::ControlModifier) result |= resources::kControl;
  if (modifiers & Qt::AltModifier) result |= resources::kAlt;
  return result;
}

QKeySequence KeySequenceFor(const resources::Accelerator& accelerator) {
  int qtKey = 0;
  for (const KeyPair& pair : kNamedKeys)
    if (pair.program == accelerator.key) qtKey = pair.qt;
  if (accelerator.key >= resources::kKeyF1 && accelerator.key < resources::kKeyF1 + 12) qtKey = Qt::Key_F1 + (accelerator.key - resources::kKeyF1);
  if (accelerator.key >= 0x20 && accelerator.key < 0x7F) qtKey = accelerator.key;
  int combined = qtKey;
  if (accelerator.modifiers & resources::kShift) combined |= Qt::SHIFT;
  if (accelerator.modifiers & resources::kControl) combined |= Qt::CTRL;
  if (accelerator.modifiers & resources::kAlt) combined |= Qt::ALT;
  return QKeySequence(combined);
}

}  // namespace platform
