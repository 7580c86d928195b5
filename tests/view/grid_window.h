#pragma once
// A window of the grid layer for the tests: created, shown with that client size and the plane
// window's menu.

#include "platform/application.h"
#include "view/grid_win.h"

class GridWindow : public view::TGridWin {
 public:
  GridWindow(int width, int height) : TGridWin(nullptr, "grid") {
    Create();
    SetMenu("GEO2MENU");
    Show();
    Resize(width, height);
  }
  void Resize(int width, int height) {
    SetClientSize(width, height);
    platform::Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
  }
  // The dialogs give tick lengths as a share of this.
  int ScreenWidthPixels() const override { return 1000; }
};
