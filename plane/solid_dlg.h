#pragma once
// The data of a prism or pyramid to be built on a polygon of the plane figure (modal): the base
// polygon, the altitude, and where the apex or top stands, above a named point (the foot of the
// altitude) or at an offset from the first base vertex. The dialog edits the caller's texts and
// choice only when it ends with OK.

#include <string>
#include <string_view>

#include "shell/dlg.h"

namespace plane {

inline constexpr int kSolidBaseEdit = 211;
inline constexpr int kSolidAltitudeEdit = 212;
inline constexpr int kSolidFootEdit = 213;
inline constexpr int kSolidXOffsetEdit = 214;
inline constexpr int kSolidYOffsetEdit = 215;
inline constexpr int kSolidFootChoice = 251;
inline constexpr int kSolidOffsetChoice = 252;

// The texts the dialog edits.
struct SolidBaseTexts {
  std::string base = "ABC";
  std::string altitude = "2.72";
  std::string foot = "A";
  std::string xOffset = "0.00";
  std::string yOffset = "0.00";
};

class TSolidDlg : public shell::TDlg {
 public:
  // choice: 1 when the apex stands above the foot of the altitude, 2 at the offset; textLimit:
  // characters per text, its end included.
  TSolidDlg(platform::FrameWindow* parent, std::string_view resource, int* choice, int textLimit, SolidBaseTexts* texts);

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override;

 private:
  int* choice_;
  int textLimit_;
  SolidBaseTexts* texts_;
};

}  // namespace plane
