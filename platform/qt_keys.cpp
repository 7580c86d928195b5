#include "platform/qt_keys.h"

namespace platform {
namespace {

struct KeyPair {
  int program;
  int qt;
};

const KeyPair kNamedKeys[] = {
    {kKeyDelete, Qt::Key_Delete}, {kKeyInsert, Qt::Key_Insert},     {kKeyHome, Qt::Key_Home},
    {kKeyEnd, Qt::Key_End},       {kKeyPageUp, Qt::Key_PageUp},     {kKeyPageDown, Qt::Key_PageDown},
    {kKeyLeft, Qt::Key_Left},     {kKeyRight, Qt::Key_Right},       {kKeyUp, Qt::Key_Up},
    {kKeyDown, Qt::Key_Down},     {kKeyEscape, Qt::Key_Escape},     {kKeyEnter, Qt::Key_Return},
    {kKeyTab, Qt::Key_Tab},       {kKeyBackspace, Qt::Key_Backspace},
};

}  // namespace

int KeyCodeFromQt(int qtKey) {
  if (qtKey == Qt::Key_Enter) return kKeyEnter;
  for (const KeyPair& pair : kNamedKeys)
    if (pair.qt == qtKey) return pair.program;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return kKeyF1 + (qtKey - Qt::Key_F1);
  if (qtKey >= 0x20 && qtKey < 0x7F) return qtKey >= 'a' && qtKey <= 'z' ? qtKey - 32 : qtKey;
  return 0;
}

unsigned ModifiersFromQt(Qt::KeyboardModifiers modifiers) {
  unsigned result = 0;
  if (modifiers & Qt::ShiftModifier) result |= kShift;
  if (modifiers & Qt::ControlModifier) result |= kControl;
  if (modifiers & Qt::AltModifier) result |= kAlt;
  return result;
}

QKeySequence KeySequenceFor(const Accelerator& accelerator) {
  int qtKey = 0;
  for (const KeyPair& pair : kNamedKeys)
    if (pair.program == accelerator.key) qtKey = pair.qt;
  if (accelerator.key >= kKeyF1 && accelerator.key < kKeyF1 + 12) qtKey = Qt::Key_F1 + (accelerator.key - kKeyF1);
  if (accelerator.key >= 0x20 && accelerator.key < 0x7F) qtKey = accelerator.key;
  int combined = qtKey;
  if (accelerator.modifiers & kShift) combined |= Qt::SHIFT;
  if (accelerator.modifiers & kControl) combined |= Qt::CTRL;
  if (accelerator.modifiers & kAlt) combined |= Qt::ALT;
  return QKeySequence(combined);
}

}  // namespace platform
