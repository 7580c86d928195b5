#pragma once
// The Penrose tiling window: kites and darts, or rhombs.

#include <cstdint>
#include <string_view>

#include "engine/windows/fill_win.h"

namespace special {

class TPenrWin : public engine::TFillWin {
 public:
  // tilingKind: 0 kites and darts, 1 rhombs.
  TPenrWin(platform::FrameWindow* parent, std::string_view title, std::uint8_t tilingKind);

  std::uint8_t tiling;

 protected:
  void SetupWindow() override;
};

}  // namespace special
