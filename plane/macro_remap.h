#pragma once
// Translating a step of a macro window into the window the macro is applied to: every point,
// line, circle, hypercycle, horocycle and surface the step names becomes the matching object of
// the target, and the labels in its texts become the target's names. Plain functions over the two
// figures' tables, so each rule can be checked without windows.

#include <cstdint>
#include <span>
#include <string>

#include "engine/expr_text_passes.h"
#include "engine/figure_tables.h"
#include "kernel/construction_record.h"

namespace plane {

// What a translation reads: the macro window's tables as they stand before the step, the
// target's tables, and the maps of the application.
struct MacroRemap {
  const engine::FigureTables& macro;
  const engine::FigureTables& target;
  // For each macro point, the target point that stands for it (-1 for none).
  std::span<const std::int16_t> pointMap;
  // For each macro surface number, the target's (-1 for none).
  std::span<const std::int16_t> surfaceMap;
  // The macro window's user functions, expanded in texts before the labels are translated.
  std::span<const engine::UserFunction> functions;
  int dimension = 2;
  // What the target has more than the macro window: points, lines (faces), circles (surfaces).
  int pointOffset = 0;
  int firstOffset = 0;
  int secondOffset = 0;
  // The target's attribute-copy flag and its current colour of the fill role (kind 380).
  bool attributeCopy = true;
  std::uint16_t fillColour = 0;
};

// The target point standing for macro point p; -1 when p is none or has no image.
int MapMacroPoint(const MacroRemap& r, int p);
// The target line through the images of the first and last listed points of macro line l; the
// axes stay themselves; -1 when there is none.
int MapMacroLine(const MacroRemap& r, int l);
// The target circle about the image of macro circle c's centre through the image of its first
// listed point; -1 when there is none.
int MapMacroCircle(const MacroRemap& r, int c);
// The first target hypercycle on the re-found base line through the image of the curve's point.
int MapMacroHypercycle(const MacroRemap& r, int h);
// The target horocycle whose three defining points are the images of the macro horocycle's.
int MapMacroHorocycle(const MacroRemap& r, int h);

// Rewrites the labels of one step text for the target: 0, 1 when a label has no image (or the
// text does not read as an expression), 17 when the result would not fit the 40 characters of a
// step text (the text then stays as it was).
int TranslateStepText(std::string& text, const MacroRemap& r);

// Translates a copied macro step in place: its texts, its object counters and its operands by
// the rules of its kind. 0, or the message of the first failure (1 when an object has no image).
int RemapStep(kernel::ConstructionRecord& step, const MacroRemap& r);

}  // namespace plane
