#include "engine/windows/func_win.h"

namespace engine {

TFuncWin::TFuncWin(platform::FrameWindow* parent, std::string_view title) : TFillWin(parent, title) {}

int TFuncWin::ParseNumber(std::string_view text, Real& value) {
  std::string copy(text);
  return compiler.ParseNumber(copy, value);
}

bool TFuncWin::InNonEuclideanModel() const { return model().Hyperbolic || model().Spherical; }

}  // namespace engine
