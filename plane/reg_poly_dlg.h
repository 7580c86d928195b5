#pragma once
// The regular polygon of the hyperbolic window (Units > Polygon > Regular): the number of sides,
// and either the length of a side or the interior angle, chosen by two radio buttons.

#include <string>

#include "shell/generic_dialogs.h"

namespace plane {

inline constexpr int kRegPolySidesEdit = 211;
inline constexpr int kRegPolyLengthEdit = 212;
inline constexpr int kRegPolyAngleEdit = 213;
inline constexpr int kRegPolyLengthRadio = 251;
inline constexpr int kRegPolyAngleRadio = 252;

// What the polygon is given by: the mode of its step's operand slot 1.
inline constexpr int kRegPolyByLength = 1;
inline constexpr int kRegPolyByAngle = 2;

// On template HREGPOLY. Its set-up shows the three texts and checks "length of side"; clicking a
// radio button puts the caret in its edit with the whole text selected. On OK the three texts
// are read back (each at most textLength characters) and *mode becomes kRegPolyByLength when
// "length of side" is checked, else kRegPolyByAngle.
class THRegPolyDlg : public shell::TGenDlg {
 public:
  THRegPolyDlg(platform::FrameWindow* parent, int* mode, int textLength, std::string* sides, std::string* length,
               std::string* angle);

 protected:
  void SetupWindow() override;
  void OnOk() override;
  void OnNotify(int id, platform::ControlNotification what) override;

 private:
  int* mode_;
};

}  // namespace plane
