#pragma once
// The measuring terms of expressions: the lengths, areas and angles of the figure that a typed
// expression names by their points (plane/measuring_terms.h), and the options that say how a
// negative angle is shown.

#include <string_view>

#include "plane/mac_win.h"
#include "plane/measuring_terms.h"

namespace plane {

class TGeomAWin : public TMacWin {
 public:
  TGeomAWin(platform::FrameWindow* parent, std::string_view title);

  // Set by Other > Negative angles and CCL angles.
  AngleOptions angleOptions;

  // Measures every measuring term of a compiled expression on the current figure, then marks
  // unary minus; 0 or the code of the term that failed.
  int CompileHook116(engine::ExprTokenArray& tokens) override {
    return ResolveMeasuringTerms(tokens, tables(), model(), angleOptions);
  }
};

}  // namespace plane
