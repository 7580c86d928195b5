#pragma once
// A window of the launcher's special kinds opened headless, as the launcher opens it: settings
// files left alone and the figure version the launcher gives its windows.

#include <memory>
#include <utility>

template <class Window, class... Arguments>
std::unique_ptr<Window> OpenAsLauncherWould(Arguments&&... arguments) {
  auto w = std::make_unique<Window>(nullptr, std::forward<Arguments>(arguments)...);
  w->qelWin.writeSettings = 0;
  w->fileMsg.version = 63;
  w->Create();
  return w;
}
