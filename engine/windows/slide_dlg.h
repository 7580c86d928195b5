#pragma once
// The modeless panel of one slider (template NEWPARAM): the value typed (211, Enter sets it) or
// dragged on the scroll bar (295), the ends of the range set from the typed value ("set L" 804,
// "set R" 805), the animation buttons ("reverse" 996, "cycle" 997, "forward" 998, "time" 999)
// with "stop at" (271, value 213, a final "<" runs forward from the value the last run started
// at), a new movable point at a named point ("vert at" 91, name 212) and "undo" (98) of such a
// point. Every change replays the figure, so everything that depends on the slider follows.

#include <string>
#include <string_view>

#include "engine/expr_compiler.h"
#include "shell/dlg.h"

namespace engine {

class TGeomWin;

inline constexpr int kSliderSetLow = 804;
inline constexpr int kSliderValue = 211;
inline constexpr int kSliderSetHigh = 805;
inline constexpr int kSliderScroll = 295;
inline constexpr int kSliderReverse = 996;
inline constexpr int kSliderCycle = 997;
inline constexpr int kSliderForward = 998;
inline constexpr int kSliderTime = 999;
inline constexpr int kSliderVertexAt = 91;
inline constexpr int kSliderPoint = 212;
inline constexpr int kSliderStopAt = 271;
inline constexpr int kSliderStopValue = 213;
inline constexpr int kSliderUndo = 98;

// The symbols of the seven sliders, as expressions write them.
inline constexpr char kSliderSymbols[] = "#$@&%?t";

class TSlideDlg : public shell::TDlg {
 public:
  // templateName: the full panel, or a short form with fewer of its controls.
  TSlideDlg(TGeomWin* window, int slider, std::string_view templateName = "NEWPARAM");

  int slider() const { return slider_; }
  // The scroll bar's range, page and position from the window's settings and the slider.
  void SetupSlider();
  // The value in the edit (fixed-point, the window's decimals) and on the scroll bar.
  void ShowValue();
  // The undo button follows the history: on while the last step is a movable point.
  void RefreshUndo();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override;
  void OnCancel() override { Hide(); }
  void OnNotify(int id, platform::ControlNotification what) override;
  void OnScroll(int id, platform::ScrollKind kind, int position) override;

 private:
  AnimationParameter& Slider();
  // The value edit evaluated; false (nothing shown) when it does not evaluate.
  bool TypedValue(Real& value);
  void SetLow();
  void SetHigh();
  // Reads "stop at": false when its text does not evaluate (the message is shown).
  bool ReadStopSettings();
  void Animate(int mode);
  void VertexAt();

  TGeomWin* window_;
  int slider_;
  bool stop_ = false;
  Real stopValue_ = 0;
  bool restart_ = false;
  // The value when the panel was made or the last forward or time run began.
  Real startValue_ = 0;
};

}  // namespace engine
