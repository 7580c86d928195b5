#pragma once
// The properties every figure window's file must keep, checked on a window that holds a figure:
// File > Open of a file it refuses leaves the figure exactly as it was (what the window saves is
// the same bytes as before); a file it accepts paints, and saved, opened again and saved again
// gives the same bytes.

#include <cmath>
#include <filesystem>
#include <string>

#include "fuzz/support/fuzz_support.h"
#include "kernel/byte_io.h"
#include "platform/scripted_responder.h"
#include "shell/file_msg_win.h"

namespace kvfuzz {

// What the window saves under the scratch name; nothing when it does not save.
template <class Window>
kernel::Bytes SavedBytes(Window& w, const std::string& name) {
  const std::string path = ScratchPath(name);
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  w.fileMsg.fileName = path;
  w.fileMsg.named = 1;
  platform::ScriptedResponder script;  // no question is expected; any is cancelled
  if (!w.Save()) return {};
  return ReadWholeFile(path);
}

// Opens the base file, as the figure every input is opened over; false when the window refuses it.
template <class Window>
bool OpenBase(Window& w, const std::string& basePath) {
  w.fileMsg.fileName = basePath;
  platform::ScriptedResponder script;
  return w.LoadFile() == 0;
}

template <class Window>
void CheckFileOpen(Window& w, const std::string& basePath, const kernel::Bytes& input, const std::string& extension) {
  DeliverPendingEvents();
  Require(OpenBase(w, basePath), "the base figure does not open");
  const kernel::Bytes before = SavedBytes(w, "before" + extension);
  Require(!before.empty(), "the base figure does not save");
  const std::string path = WriteScratchFile("input" + extension, input);
  {
    platform::ScriptedResponder script;
    script.ChooseFile(path);
    w.DispatchCommand(shell::kCmdFileOpen);
  }
  if (w.fileMsg.fileName != path) {
    Require(SavedBytes(w, "before" + extension) == before, "a refused file changed the open figure");
    return;
  }
  Require(std::isfinite(w.mapping.centre.x) && std::isfinite(w.mapping.centre.y) && std::isfinite(w.mapping.halfWidth) &&
              w.mapping.halfWidth > 0,
          "an accepted file leaves no finite view");
  w.UpdateClientArea();
  const kernel::Bytes first = SavedBytes(w, "again" + extension);
  if (first.empty()) return;  // a figure its author protected from saving
  w.fileMsg.fileName = ScratchPath("again" + extension);
  {
    platform::ScriptedResponder script;
    Require(w.LoadFile() == 0, "a saved figure does not open again");
  }
  Require(SavedBytes(w, "again" + extension) == first, "a figure opened and saved again gives other bytes");
}

}  // namespace kvfuzz
