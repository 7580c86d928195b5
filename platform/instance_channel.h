#pragma once
// Keeps one instance of the program running. The running launcher listens on a local socket in
// the user's runtime folder; a second start hands its file name over and ends.
//
// On the wire: a 4-byte little-endian length, then the name's bytes; the receiver answers one
// byte once it has dealt with the name (opened the file, or failed to).

#include <functional>
#include <memory>
#include <string>

namespace platform {

// $XDG_RUNTIME_DIR/kavrine-kvprev, else <temp>/kavrine-kvprev-<uid>.
std::string InstanceSocketPath();

// Sends `name` to a running instance and waits for its answer. False when no instance listens
// (nothing was handed over). Needs no application object.
bool HandOffToRunningInstance(const std::string& name, int timeoutMilliseconds = 10000);

// Listens for hand-offs while it lives; each name received is passed to `onName` inside the
// event loop. A socket left behind by an instance that crashed is removed first.
class InstanceListener {
 public:
  explicit InstanceListener(std::function<void(const std::string&)> onName);
  ~InstanceListener();
  InstanceListener(const InstanceListener&) = delete;
  InstanceListener& operator=(const InstanceListener&) = delete;
  bool IsListening() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
