// The commands of the Anim menu, Meas and Edit > Macro > Define: the slider panels, their scroll
// bars and links, the measurements dialog, the graph of two measurements and the macro of the
// figure.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "engine/windows/slide_dlg.h"
#include "plane/geom11_win.h"
#include "plane/meas_dlg.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "shell/author_data.h"

namespace plane {

namespace {

constexpr int kCmdFirstSlider = 691;
constexpr int kCmdLastSlider = 697;
constexpr int kCmdCalibrate = 1169;
constexpr int kCmdAutopilotLink = 1170;
constexpr int kCmdMeasurements = 760;
constexpr int kCmdGraphWindow = 1116;
constexpr int kCmdDefineMacro = 1121;

constexpr int kMsgOutOfBounds = 17;
constexpr int kMsgUndefinedMacro = 132;

constexpr int kStringLinkedSliders = 797;
constexpr int kStringListParameters = 798;
constexpr int kStringMacro = 141;
constexpr int kStringMacroUndefined = 655;
constexpr int kLinkTextSize = 256;
constexpr int kCalibrateChars = 20;
constexpr int kMacroPoints = 20;
constexpr int kLinkedSliders = 6;

constexpr int kCalibSmall = 211;
constexpr int kCalibMedium = 212;

// Anim > Calibrate scrollbars: the two numbers of the scroll bars, read as the user typed them.
class TCalibDlg : public shell::TDlg {
 public:
  TCalibDlg(platform::FrameWindow* window, std::string* small, std::string* medium)
      : TDlg(window, "CALIB"), small_(small), medium_(medium) {}

 protected:
  void SetupWindow() override {
    TDlg::SetupWindow();
    SetTextLimit(kCalibSmall, kCalibrateChars);
    SetTextLimit(kCalibMedium, kCalibrateChars);
    SetItemText(kCalibSmall, *small_);
    SetItemText(kCalibMedium, *medium_);
  }
  void OnOk() override {
    *small_ = GetItemText(kCalibSmall).substr(0, kCalibrateChars);
    *medium_ = GetItemText(kCalibMedium).substr(0, kCalibrateChars);
    TDlg::OnOk();
  }

 private:
  std::string* small_;
  std::string* medium_;
};

// A whole number as typed; false for anything else.
bool ReadWhole(const std::string& text, long long& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtoll(text.c_str(), &end, 10);
  return end != text.c_str() && *end == '\0' && errno == 0;
}

void RemoveBlanksAndCommas(std::string& text) {
  std::erase(text, ' ');
  std::erase(text, ',');
}

}  // namespace

void TGeom11Win::CalibrateScrollbars() {
  std::string small = std::to_string(sliders.steps);
  std::string medium = std::to_string(sliders.steps / std::max(sliders.stepRatio, 1));
  TCalibDlg dialog(this, &small, &medium);
  if (dialog.Execute() != platform::IDOK) return;
  long long s = 0;
  long long m = 0;
  if (!ReadWhole(small, s) || !ReadWhole(medium, m) || s < 2 || s > 2147483647LL || m < 1 || s < m) {
    Msg(kMsgOutOfBounds);
    return;
  }
  sliders.steps = static_cast<std::int32_t>(s);
  sliders.stepRatio = static_cast<std::int32_t>(s / m);
  SetModified();
  SetupSliderDialogs();
}

void TGeom11Win::AutopilotLink() {
  std::string text;
  for (int i = 0; i < kLinkedSliders; ++i)
    if (sliders.linked[static_cast<std::size_t>(i)]) text += engine::kSliderSymbols[i];
  if (AskValue(kStringLinkedSliders, kStringListParameters, text, kLinkTextSize) != platform::IDOK) return;
  for (int i = 0; i < kLinkedSliders; ++i)
    sliders.linked[static_cast<std::size_t>(i)] = text.find(engine::kSliderSymbols[i]) != std::string::npos ? 1 : 0;
  SetupMenuChecks(false);
}

void TGeom11Win::ShowMeasurements() {
  HideGraphWindow();
  TMeasDlg dialog(this, Symbols());
  dialog.Execute();
}

void TGeom11Win::MeasurementsChanged() {
  wing.pictureValid = 0;
  Invalidate(false);
  SetModified();
  SetupMenuChecks(false);
}

void TGeom11Win::DefineMacro() {
  if (!CheckPassword(shell::kGuardHistory)) return;
  // One line per step, from the first: its number and its description.
  std::string history;
  PrepareStepEngine();
  std::vector<std::string> lines = stepEngine.StepDescriptions();
  for (std::size_t i = 0; i < lines.size(); ++i) history += std::to_string(i) + ": " + lines[i] + "\r\n";
  const engine::FigureTables& t = tables();
  const auto asList = [](const std::vector<std::uint16_t>& points) {
    return std::vector<std::int16_t>(points.begin(), points.end());
  };
  std::string inputs;
  std::string outputs;
  t.PointListWithCommas(asList(macroInputs), inputs);
  t.PointListWithCommas(asList(macroOutputs), outputs);
  engine::MacroRange range = macroRange;
  engine::TMacDlg dialog(this, history, &range, &inputs, &outputs);
  if (dialog.Execute() != platform::IDOK) return;

  RemoveBlanksAndCommas(inputs);
  RemoveBlanksAndCommas(outputs);
  std::vector<std::uint16_t> in(kMacroPoints + 1);
  std::vector<std::uint16_t> out(kMacroPoints + 1);
  const int inCount = t.ParseExistingPoints(inputs, in, kMacroPoints);
  const int outCount = t.ParseExistingPoints(outputs, out, kMacroPoints);
  in.resize(static_cast<std::size_t>(inCount));
  out.resize(static_cast<std::size_t>(outCount));
  std::string inNames;
  if (inCount == 0 || t.PointListWithCommas(asList(in), inNames) != inCount) {
    Msg(kMsgUndefinedMacro);
    return;
  }
  macroInputs = std::move(in);
  macroOutputs = std::move(out);
  RebuildMacroCaption();
  macroRange = range;
  wing.pictureValid = 0;
  Invalidate(false);
  SetModified();
}

bool TGeom11Win::RebuildMacroCaption() {
  const engine::FigureTables& t = tables();
  const auto asList = [](const std::vector<std::uint16_t>& points) {
    return std::vector<std::int16_t>(points.begin(), points.end());
  };
  macroCaption.clear();
  std::string inNames;
  const int inCount = t.PointListWithCommas(asList(macroInputs), inNames);
  if (macroInputs.empty() || inCount != static_cast<int>(macroInputs.size())) return false;
  macroCaption = resources::LoadString(kStringMacro) + "(" + inNames + ")";
  std::string outNames;
  if (t.PointListWithCommas(asList(macroOutputs), outNames) == inCount) macroCaption += "-->(" + outNames + ")";
  return true;
}

bool TGeom11Win::AnimMeasCommand(int id) {
  if (id >= kCmdFirstSlider && id <= kCmdLastSlider) {
    ShowSliderDialog(id - kCmdFirstSlider);
    SetModified();
    return true;
  }
  switch (id) {
    case kCmdCalibrate: CalibrateScrollbars(); return true;
    case kCmdAutopilotLink: AutopilotLink(); return true;
    case kCmdMeasurements: ShowMeasurements(); return true;
    case kCmdGraphWindow: OpenGraphWindow(); return true;
    case kCmdDefineMacro: DefineMacro(); return true;
    default: return false;
  }
}

bool TGeom11Win::EnableAnimMeasCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdMeasurements:
    case kCmdDefineMacro:
      state.enabled = !history().steps.empty();
      return true;
    case kCmdAutopilotLink:
      state.checked = std::any_of(sliders.linked.begin(), sliders.linked.begin() + kLinkedSliders,
                                  [](std::uint8_t linked) { return linked != 0; });
      return true;
    default:
      return false;
  }
}

}  // namespace plane
