#pragma once
// The key poll of long work (drawing, animation, replay): between two steps the work asks for
// one pending key press of its window, and never waits for one. Pending input is processed
// first; while that happens, key presses meant for the window are held back from their normal
// delivery and kept for the poll. A key that is one of the window's accelerators is reported as
// such, and its command does not run: the key only stops the work.

#include <optional>
#include <string_view>

#include "platform/frame_window.h"

namespace platform {

struct PolledKey {
  KeyEvent key;
  bool accelerator = false;  // one of the window's accelerator keys
};

// The next key press of `window` that has not been taken yet, or none.
std::optional<PolledKey> TakePendingKey(FrameWindow* window);

// Keeps a key press of the window for its next poll (a pause of long work takes the window's keys
// so that the work stops on them at its next step).
void KeepKeyForPoll(FrameWindow* window, const KeyEvent& key);

// Whether a key press is one of the window's accelerator keys (a modal loop, which receives the
// accelerator keys itself, stops on them).
bool IsAcceleratorKey(FrameWindow* window, const KeyEvent& key);

// Tests: posts a key press to the window as the keyboard would give it: first offered to a key
// poll and the window's accelerators (an enabled accelerator with that key runs its command),
// then delivered as a key press. key is a KeyCode, modifiers KeyModifier bits, text the
// character typed (program text), if any.
void PostKeyPressForTesting(FrameWindow* window, int key, unsigned modifiers, std::string_view text);

// Tests: posts a click on the window's menu item with this command id, as the mouse would give
// it; nothing happens when the item is not there or its menu is out of reach.
void PostMenuClickForTesting(FrameWindow* window, int id);

}  // namespace platform
