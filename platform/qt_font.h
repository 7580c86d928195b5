#pragma once
// Internal to platform/: the one conversion of a font description into a Qt font, used by the
// device contexts, dialog controls and text editors alike.
//
// A negative height is the character height in pixels (the em square), a positive one the whole
// cell (ascent plus descent), scaled to fit the face's own leading; 0 keeps the base font's size.
// Text is laid out glyph by glyph with no kerning and no ligatures, so widths add up the way
// the drawing code measures them and every printed word reads back letter by letter.

#include <QFont>

#include "platform/drawing_types.h"

class QPaintDevice;

namespace platform {

// device: the paint device whose resolution measures a positive (cell) height; null for the
// screen.
QFont ToQFont(const FontSpec& spec, const QFont& base, const QPaintDevice* device = nullptr);

// The base of drawn text: the size a device context uses for a height of 0.
QFont DefaultDrawingFont();

}  // namespace platform
