#pragma once
// The box of a text on the screen, turned by the text's angle about its top-left corner: the
// pixel vectors along its width and down its height, whether a point hits it, and its outline.

#include <array>

#include "platform/drawing_types.h"

namespace view {

struct TextBoxVectors {
  platform::PointI along;  // the top edge, from the top-left corner
  platform::PointI down;   // the left edge, from the top-left corner
};

// The edges of a box of width w and height h pixels turned counter-clockwise by angleTenths
// (tenths of a degree); screen y grows downwards.
TextBoxVectors TurnedTextBox(int w, int h, int angleTenths);

// Whether a point at `offset` from the box's top-left corner lies strictly inside the box.
bool HitsTextBox(platform::PointI offset, int w, int h, int angleTenths);

// The four corners of the box with its top-left corner at `corner`, in order round the box.
std::array<platform::PointI, 4> TextBoxOutline(platform::PointI corner, int w, int h, int angleTenths);

}  // namespace view
