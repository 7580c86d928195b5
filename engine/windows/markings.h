#pragma once
// The markings of a figure: ticks and arrowheads on segments, angle arcs, directed angle arcs,
// perpendicular brackets, rays or vectors (and, in the 3-D window, segments). The window keeps
// them as the 14-byte records its figure file holds, so a file read and written again comes out
// byte for byte; the fields are read and written here.
//
// A record: i16 first point A at byte 0, i16 second point B at 2, i16 object at 4 (the line
// through A and B for ticks, arrows and rays; the third point C for angle marks), u16 type code at
// 6 (kind + 10 x size step), i16 number and colour at 8 (strokes + 100 x colour index), and the
// four bytes of the link at 10 (kept as read, zero in new records).

#include <cstdint>
#include <string>

#include "engine/windows/figure_file_pieces.h"
#include "kernel/real.h"

namespace engine {

enum MarkingKind : int {
  kMarkTick = 1,
  kMarkArrow = 2,
  kMarkAngleArc = 3,
  kMarkPerpBracket = 4,
  kMarkRay = 5,
  kMarkDirectedAngle = 6,
  kMarkSegment = 7,
};

struct MarkingFields {
  std::int16_t a = 0;
  std::int16_t b = 0;
  std::int16_t object = -1;
  std::uint16_t type = 0;
  std::int16_t value = 0;
};

MarkingFields FieldsOfMarking(const Marking& record);
Marking MarkingOfFields(const MarkingFields& fields);

inline int KindOfMarking(const MarkingFields& m) { return m.type % 10; }
inline int SizeStepOfMarking(const MarkingFields& m) { return m.type / 10; }
inline int StrokesOfMarking(const MarkingFields& m) { return m.value % 100; }
inline int ColourOfMarking(const MarkingFields& m) { return m.value / 100; }
// (size step + 10) x 0.1: steps 0 to 20 give 1.0 to 3.0.
kernel::Real RelativeMarkingSize(const MarkingFields& m);
// Whether the kind marks a segment (ticks, arrows, rays and 3-D segments: two points) or an
// angle (three points, the vertex in the middle).
inline bool MarksAngle(int kind) { return kind == kMarkAngleArc || kind == kMarkPerpBracket || kind == kMarkDirectedAngle; }

// What the markings dialog stores for its choices: the type code (size step x 10 + type) and the
// number-and-colour word (1 for brackets and, outside the 3-D window, rays; otherwise the number;
// plus 100 x colour unless the marking takes its line's colour: ticks, arrows and, outside the
// 3-D window, rays).
std::uint16_t MarkingTypeCode(int sizeStep, int type);
std::int16_t MarkingNumberAndColour(int type, int number, int colour, bool solidWindow);

// The marking sizes of a window: four settings in tenths of a per cent of the screen width (tick
// length, arc radius, bracket length, arrow length), each accepted between 0.2 and 99.8 per cent.
struct MarkingSettings {
  static constexpr int kTick = 0;
  static constexpr int kArcRadius = 1;
  static constexpr int kBracket = 2;
  static constexpr int kArrow = 3;
  std::int16_t settings[4] = {20, 30, 15, 15};
  // The screen width in pixels, taken when the window is made.
  int screenWidth = 1280;
  // Size i in world units for the given world units per pixel; the tick length is halved (it
  // reaches out to both sides of the segment).
  kernel::Real Size(int i, kernel::Real unitsPerPixel) const;
};

// A percentage typed for a marking size: true with the setting (the nearest integer to 10 v) when
// 0.2 <= v <= 99.8.
bool MarkingSettingOfPercentage(kernel::Real v, std::int16_t& setting);

}  // namespace engine
