#pragma once
// What a graphics window keeps of its exports between runs: for each format the file it was last
// written to and the options last chosen, the animation settings the export dialogs offer, and
// which export is running. Each run takes its own copy of its format's settings, so nothing one
// export chooses reaches another.

#include <array>
#include <cstdint>
#include <string>

#include "kernel/real.h"

namespace view {

enum class ExportKind : int { None = 0, PiCTeX, EPS, SVG, BMP, Metafile };
inline constexpr int kExportKindCount = 6;

constexpr int KindIndex(ExportKind kind) { return static_cast<int>(kind); }

// The flavours of a PiCTeX picture.
inline constexpr int kTeXStandalone = 0;
inline constexpr int kLaTeXStandalone = 1;
inline constexpr int kTeXCompilable = 2;
inline constexpr int kTeXInsertable = 3;

// The longest animation parameter texts the dialogs store.
inline constexpr int kTeXParameterLength = 40;
inline constexpr int kFrameParameterLength = 255;
// The most frames an animated export writes.
inline constexpr int kMaxExportFrames = 999999;

// The frame of an export that a picture pass draws: frame number `frame` (from 0) of `frames`.
struct ExportFrame {
  ExportKind kind = ExportKind::None;
  int frame = 0;
  int frames = 1;
};

struct TeXExportSettings {
  std::int32_t format = kTeXStandalone;
  std::int32_t frames = 1;
  kernel::Real width = 8;  // centimetres
  // Half the width of every frame of an animation, in picture units.
  kernel::Real animationHalfWidth = 5;
  std::string parameterText;
};

// The exports whose options the shared settings dialog asks (SVG, EPS, BMP, metafile).
struct FrameExportSettings {
  std::int32_t frames = 1;
  std::string parameterText;
};

struct ExportSettings {
  // The program named as the writer of EPS files; the geometry windows name themselves.
  std::string creator = "kavrine";
  // Set only while a picture pass of that export runs.
  ExportKind running = ExportKind::None;
  // The enablers of the export commands.
  std::array<std::uint8_t, kExportKindCount> enabled{1, 1, 1, 1, 1, 1};
  // Per format, the file last written (after a successful export, its bare name), without extension.
  std::array<std::string, kExportKindCount> basePaths;
  TeXExportSettings tex;
  FrameExportSettings eps;
  FrameExportSettings svg;
  FrameExportSettings bmp;
  FrameExportSettings metafile;
  // The size of an SVG picture in pixels: the window's size when the SVG export asks, then as
  // confirmed in its settings dialog.
  std::int32_t svgWidth = 400;
  std::int32_t svgHeight = 400;
  // 0 no animation, 1 animation driven by a parameter text, 2 animation driven by the window's own
  // default; the window sets it, the dialogs read it.
  std::int32_t animationMode = 0;
  // What the window answered for the parameter text of the last confirmed export dialog.
  std::int32_t animationControl = 0;
  // The frame count the dialogs offer in mode 2.
  std::int32_t defaultFrameCount = 1;
};

}  // namespace view
