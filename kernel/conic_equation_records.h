#pragma once
// Conics of the plane figure and conic equations typed as six coefficient expressions. Both are
// kept in singly linked lists (see linked_record_lists.h); figure files hold a conic as its
// 270-byte image and an equation as its 110-byte image, the link written as 4 zero bytes.
//
// A conic stores its shape in its own frame: a shape point (X, Y) stands for the plane point
// (X cos angle - Y sin angle, X sin angle + Y cos angle), which RotateConicShape applies.
// For a central conic the shape points are the centre and the two semi-axis vectors; for a
// parabola the focus and two points of the directrix; for the degenerate kinds points of the
// lines drawn.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kernel/byte_io.h"
#include "kernel/real.h"

namespace kernel {

inline constexpr std::size_t kConicRecordBytes = 270;     // 266 bytes of data, then the link
inline constexpr std::size_t kEquationRecordBytes = 110;  // the link at byte 106
// A coefficient text is held in 120 bytes with its terminating NUL.
inline constexpr std::size_t kCoefficientTextChars = 119;

// What a conic's equation describes.
enum ConicKind : std::uint16_t {
  kConicEllipse = 0,
  kConicParabola = 1,
  kConicHyperbola = 2,
  kConicOneLine = 3,
  kConicParallelLines = 4,
  kConicCrossingLines = 5,
  kConicSinglePoint = 6,
  kConicNoRealPoint = 7,
  kConicEveryPoint = 8,
};

// The six coefficient texts a..f of a x^2 + b xy + c y^2 + d x + e y + f = 0.
using CoefficientTexts = std::array<std::string, 6>;

struct ConicRecord {
  std::array<std::uint16_t, 5> point_slots{};  // slot numbers of the five defining points
  std::uint16_t drawing_word = 0;              // passed to the drawing routines
  std::uint16_t kind = 0;                      // a ConicKind
  std::array<Point2, 4> shape{};               // shape points in the frame turned by angle
  std::array<Real, 6> coefficients{};          // a..f
  Real angle = 0;                              // rotation of the conic's frame, radians
  std::array<Real, 10> values{};               // further values of the conic's construction
  std::uint8_t shape_set = 0;                  // 1 once SetConicShape has run
  std::uint8_t circle = 0;                     // an ellipse with equal semi-axes
  ConicRecord* next = nullptr;                 // not owned, never stored
};

struct EquationRecord {
  std::uint16_t word = 0;
  bool has_texts = false;          // the coefficient texts are allocated
  CoefficientTexts coefficient_texts;  // as typed, each at most kCoefficientTextChars
  std::array<std::uint8_t, 80> data{};  // bytes 26..105, kept for the equation dialogs
  EquationRecord* next = nullptr;  // not owned, never stored
};

// Slots 0..4, drawing word 0, kind kConicNoRealPoint, shape points, coefficients, angle and
// further values 0. The two flags and the link are left alone.
void InitConicRecord(ConicRecord& record);
// The kind, the shape points (x0, y0), (x1, y1), (x2, y2), (x3, y3), angle 0, shape_set 1, circle 0.
void SetConicShape(ConicRecord& record, std::uint16_t kind, Real x0, Real y0, Real x1, Real y1, Real x2, Real y2,
                   Real x3, Real y3);
// Turns every shape point by the record's angle about the origin.
void RotateConicShape(ConicRecord& record);

// The six texts become allocated and empty / are dropped.
void AllocCoefTexts(EquationRecord& record);
void FreeCoefTexts(EquationRecord& record);

// out = each text followed by "," (the last one too).
void JoinSixStrings(std::string& out, const CoefficientTexts& texts);
// The inverse of JoinSixStrings: the six comma-ended fields of text; a missing field comes out
// empty, and a field is cut to kCoefficientTextChars characters.
void SplitSixStrings(CoefficientTexts& texts, std::string_view text);
// Appends "(a)xx+(b)xy+(c)yy+(d)x+(e)y+(f)=0".
void FormatConicEquation(std::string& out, const CoefficientTexts& texts);

int CountConicList(const ConicRecord* head);
int CountEquationList(const EquationRecord* head);

// Byte images. Readers return nullopt when the bytes run out; the stored link is ignored, and an
// equation is read without texts.
void WriteConicRecord(ByteWriter& writer, const ConicRecord& record);
std::optional<ConicRecord> ReadConicRecord(ByteReader& reader);
void WriteEquationRecord(ByteWriter& writer, const EquationRecord& record);
std::optional<EquationRecord> ReadEquationRecord(ByteReader& reader);

}  // namespace kernel
