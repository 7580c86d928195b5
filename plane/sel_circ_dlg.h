#pragma once
// The choice of a circle of the figure from a list (modal): OK gives the chosen circle's index,
// and stays open while no circle is chosen.

#include <cstdint>
#include <string_view>

#include "platform/drawing_types.h"
#include "shell/dlg.h"

namespace engine {
class TGeom10Win;
}

namespace plane {

inline constexpr int kCircleListId = 293;

class TSelCircDlg : public shell::TDlg {
 public:
  // result: the caller's circle index, written only when the dialog ends with OK.
  TSelCircDlg(engine::TGeom10Win* owner, std::string_view resource, std::int16_t* result);

 protected:
  void SetupWindow() override;
  void OnOk() override;

 private:
  engine::TGeom10Win* owner_;
  std::int16_t* result_;
  platform::FontSpec listFont_;
};

}  // namespace plane
