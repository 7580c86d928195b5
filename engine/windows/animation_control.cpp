// Animated exports: the animation text of the export dialog names what changes from frame to
// frame (sliders by their symbols, listed points by their parameters, or a turn of a 3-D view),
// and each frame is drawn from the figure built again for its value; the figure is put back as it
// was when the export ends, however it ends.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "engine/windows/geom10_win.h"
#include "kernel/vector3.h"

namespace engine {

namespace {

// The slider symbols in slider order; the time slider is named "[T]" or "[TIME]".
constexpr std::array<char, kSliderCount - 1> kSliderSymbols{'#', '$', '@', '&', '%', '?'};
constexpr int kTimeSlider = kSliderCount - 1;
// Two points closer than this give no axis.
constexpr Real kLeastAxisLength = static_cast<Real>(1e-16);

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace

int TGeom10Win::ParsePointSelection(std::string text) {
  std::vector<std::uint16_t> list(kMaxAnimatedPoints + 1);
  const int n = tables().ParseExistingPoints(text, list, kMaxAnimatedPoints);
  animation.selected.assign(list.begin(), list.begin() + std::max(n, 0));
  return n > 0 ? kAnimatePoints : kAnimateNothing;
}

int TGeom10Win::SetAnimationControl(std::string_view parameterText) {
  const std::string text = UpperCase(parameterText);
  animation.mode = kAnimateNothing;
  animation.symbols = {};
  animation.selected.clear();
  animation.axis = {0, 0, 0};
  std::size_t uTurn = std::string::npos;
  bool vTurn = false;
  if (const std::size_t slash = text.find('\\'); slash != std::string::npos) {
    uTurn = text.find("UTURN", slash);
    vTurn = text.find("VTURN", slash) != std::string::npos;
  } else {
    for (std::size_t k = 0; k < kSliderSymbols.size(); ++k) {
      if (text.find(kSliderSymbols[k]) != std::string::npos) animation.symbols[k] = 1;
    }
    if (text.find("[T]") != std::string::npos || text.find("[TIME]") != std::string::npos) {
      animation.symbols[kTimeSlider] = 1;
    }
    if (std::any_of(animation.symbols.begin(), animation.symbols.end(), [](std::uint8_t f) { return f != 0; })) {
      animation.mode = kAnimateSliders;
    }
  }
  const bool space = dimension() > 2;
  if (vTurn && space) animation.mode = kAnimateVTurn;
  if (uTurn != std::string::npos && space) {
    std::string rest;
    for (const char c : text.substr(uTurn + 5)) {
      if (c != ' ') rest.push_back(c);
    }
    if (rest == "XX" || rest == "YY" || rest == "ZZ") {
      animation.mode = kAnimateUTurn;
      animation.axis = {rest[0] == 'X' ? 1.0L : 0.0L, rest[0] == 'Y' ? 1.0L : 0.0L, rest[0] == 'Z' ? 1.0L : 0.0L};
    } else {
      std::array<std::uint16_t, 4> points{};
      const int n = tables().ParsePointList(rest, points, 3);
      if (n >= 1 && tables().PointExists(points[0]) && tables().PointExists(points[1])) {
        kernel::Point3 axis = tables().xyz[points[1]] - tables().xyz[points[0]];
        animation.mode = kAnimateUTurn;
        const Real length = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
        if (length > kLeastAxisLength) animation.axis = {axis.x / length, axis.y / length, axis.z / length};
      }
    }
  }
  if (animation.mode == kAnimateNothing) animation.mode = ParsePointSelection(text);
  return animation.mode;
}

void TGeom10Win::PrepareExportFrame(const view::ExportFrame& frame) {
  const int mode = exports.animationControl > 0 ? animation.mode : kAnimateNothing;
  SliderValues& values = sliderValues();
  engine::FigureTables& t = tables();
  if (frame.frame == 0 && frame.frames > 1) {
    // The values the frames change are kept for the end of the export.
    animation.saved = true;
    for (int k = 0; k < kSliderCount; ++k) animation.savedSliders[k] = values[k].value;
    animation.savedParameters.clear();
    for (const std::uint16_t p : animation.selected) animation.savedParameters.push_back(t.attrs[p].value);
  }
  if (frame.frames > 1) {
    const Real s = static_cast<Real>(frame.frame) / static_cast<Real>(frame.frames - 1);
    if (mode == kAnimateSliders) {
      for (int k = 0; k < kSliderCount; ++k) {
        if (animation.symbols[k]) values[k].value = values[k].low + s * (values[k].high - values[k].low);
      }
    } else if (mode == kAnimatePoints) {
      for (const std::uint16_t p : animation.selected) t.attrs[p].value = s;
    }
  }
  ReplayConstruction(true);
  RecomputeMeasurements(-1);
}

void TGeom10Win::FinishExport(view::ExportKind /*kind*/) {
  if (!animation.saved) return;
  SliderValues& values = sliderValues();
  for (int k = 0; k < kSliderCount; ++k) values[k].value = animation.savedSliders[k];
  for (std::size_t i = 0; i < animation.selected.size() && i < animation.savedParameters.size(); ++i) {
    tables().attrs[animation.selected[i]].value = animation.savedParameters[i];
  }
  animation.saved = false;
  ReplayConstruction(true);
  RecomputeMeasurements(-1);
  wing.pictureValid = 0;
  Invalidate(false);
}

}  // namespace engine
