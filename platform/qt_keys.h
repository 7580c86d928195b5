#pragma once
// Key codes and modifiers between Qt and the program (platform-internal).

#include <QKeySequence>
#include <Qt>

#include "resources/resource_script.h"

namespace platform {

int KeyCodeFromQt(int qtKey);  // 0 for keys the program does not know
unsigned ModifiersFromQt(Qt::KeyboardModifiers modifiers);
QKeySequence KeySequenceFor(const resources::Accelerator& accelerator);

}  // namespace platform
