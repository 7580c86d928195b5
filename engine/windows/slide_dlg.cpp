#include "engine/windows/slide_dlg.h"

#include <algorithm>
#include <cmath>

#include "engine/windows/geom_win.h"
#include "kernel/number_text.h"

namespace engine {

namespace {

constexpr std::size_t kValueChars = 29;
constexpr std::size_t kStopChars = 119;
constexpr std::size_t kPointChars = 19;
constexpr std::size_t kCaptionChars = 50;
constexpr int kMovablePointKind = 121;
const Real kBoundGap = static_cast<Real>(1e-16);

std::string Trimmed(std::string text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

TSlideDlg::TSlideDlg(TGeomWin* window, int slider, std::string_view templateName)
    : TDlg(window, templateName), window_(window), slider_(std::clamp(slider, 0, kSliderCount - 1)) {
  startValue_ = Slider().value;
}

AnimationParameter& TSlideDlg::Slider() { return window_->sliderValues()[static_cast<std::size_t>(slider_)]; }

void TSlideDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetupSlider();
  SetItemText(kSliderValue, Trimmed(window_->FormatNumber(Slider().value, true)));
  SetItemText(kSliderStopValue, Trimmed(window_->FormatNumber(window_->sliders.stopValue[static_cast<std::size_t>(slider_)], true)));
  SetItemText(kSliderPoint, "A");
  SetCaption(window_->CurrentValueCaption(kSliderSymbols[slider_], kCaptionChars));
  const bool may = window_->MayAnimate();
  for (int id : {kSliderReverse, kSliderCycle, kSliderForward, kSliderTime}) EnableItem(id, may);
  RefreshUndo();
}

void TSlideDlg::SetupSlider() {
  const int steps = std::max(window_->sliders.steps, 1);
  ScrollSetRange(kSliderScroll, 0, steps);
  ScrollSetPage(kSliderScroll, std::max(window_->sliders.stepRatio, 1));
  ScrollSetPosition(kSliderScroll, SliderScrollPosition(Slider(), steps));
}

void TSlideDlg::ShowValue() {
  SetItemText(kSliderValue, Trimmed(window_->FormatNumber(Slider().value, true)));
  ScrollSetPosition(kSliderScroll, SliderScrollPosition(Slider(), std::max(window_->sliders.steps, 1)));
}

void TSlideDlg::RefreshUndo() { EnableItem(kSliderUndo, window_->LastStepType() == kMovablePointKind); }

bool TSlideDlg::TypedValue(Real& value) {
  return window_->ParseNumber(GetItemText(kSliderValue).substr(0, kValueChars), value) == 0;
}

void TSlideDlg::OnOk() {
  Real value = 0;
  if (!TypedValue(value)) {
    window_->Msg(expr_error::kCannotUnderstand);
    return;
  }
  AnimationParameter& s = Slider();
  s.low = std::min(s.low, value);
  s.high = std::max(s.high, value);
  s.value = value;
  window_->RefreshAfterSliderChange();
  window_->RecordDataRow();
  ShowValue();
}

void TSlideDlg::SetLow() {
  Real value = 0;
  AnimationParameter& s = Slider();
  if (!TypedValue(value) || value + kBoundGap > s.high) return;
  s.low = s.value = value;
  ScrollSetPosition(kSliderScroll, 0);
  window_->RefreshAfterSliderChange();
}

void TSlideDlg::SetHigh() {
  Real value = 0;
  AnimationParameter& s = Slider();
  if (!TypedValue(value) || s.low > value - kBoundGap) return;
  s.high = s.value = value;
  ScrollSetPosition(kSliderScroll, std::max(window_->sliders.steps, 1));
  window_->RefreshAfterSliderChange();
}

void TSlideDlg::OnScroll(int id, platform::ScrollKind kind, int position) {
  TDlg::OnScroll(id, kind, position);
  if (id != kSliderScroll || kind == platform::ScrollKind::EndScroll) return;
  Slider().value = SliderValueAt(Slider(), std::max(window_->sliders.steps, 1), ScrollPosition(kSliderScroll));
  window_->RefreshAfterSliderChange();
  window_->RecordDataRow();
  SetItemText(kSliderValue, Trimmed(window_->FormatNumber(Slider().value, true)));
}

bool TSlideDlg::ReadStopSettings() {
  stop_ = false;
  std::string text = GetItemText(kSliderStopValue).substr(0, kStopChars);
  restart_ = !text.empty() && text.back() == '<';
  if (restart_) text.pop_back();
  if (!IsChecked(kSliderStopAt)) return true;
  Real value = 0;
  if (const int e = window_->ParseNumber(text, value)) {
    window_->Msg(e);
    return false;
  }
  stop_ = true;
  stopValue_ = value;
  return true;
}

void TSlideDlg::Animate(int mode) {
  const auto how = static_cast<SliderMode>(mode);
  const bool forward = how == SliderMode::kForward || how == SliderMode::kTime;
  if (how != SliderMode::kReverse && !ReadStopSettings()) return;
  if (forward) {
    if (restart_) Slider().value = startValue_;
    startValue_ = Slider().value;
  }
  Hide();
  window_->AnimateSlider(slider_, how, forward && stop_, stopValue_);
  if (window_->IsDestroyed()) return;
  window_->UpdateNow();
  window_->RecordDataRow();
  Show();
  closed = 0;
  if (forward) Slider().high = std::max(Slider().high, Slider().value);
  ShowValue();
}

void TSlideDlg::VertexAt() {
  const int point = window_->FindPointByName(GetItemText(kSliderPoint).substr(0, kPointChars));
  if (point >= 0) window_->NewPointStep(point);
  RefreshUndo();
}

bool TSlideDlg::OnCommand(int id) {
  switch (id) {
    case kSliderSetLow: SetLow(); return true;
    case kSliderSetHigh: SetHigh(); return true;
    case kSliderReverse: Animate(0); return true;
    case kSliderCycle: Animate(1); return true;
    case kSliderForward: Animate(2); return true;
    case kSliderTime: Animate(3); return true;
    case kSliderVertexAt: VertexAt(); return true;
    case kSliderUndo:
      window_->UndoRedo(kMovablePointKind, true);
      RefreshUndo();
      return true;
    default: return TDlg::OnCommand(id);
  }
}

void TSlideDlg::OnNotify(int id, platform::ControlNotification what) {
  if (id != kSliderStopAt || what != platform::ControlNotification::Clicked) return;
  const bool checked = IsChecked(kSliderStopAt);
  ShowItem(kSliderReverse, !checked);
  ShowItem(kSliderCycle, !checked);
}

}  // namespace engine
