#pragma once
// The figure of a geometry window as plain data: its points with their labels, names and
// attributes, the lines, circles and hyperbolic curves built on them, and the point lists users
// type into dialogs. The window layers own one FigureTables by value; steps fill it, a replay
// rebuilds it, and nothing here draws.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/sphere_frames.h"
#include "kernel/byte_io.h"
#include "kernel/line_circle_records.h"
#include "kernel/real.h"

namespace engine {

using kernel::Point2;
using kernel::Point3;
using kernel::Real;

// Capacities: the largest index of each table.
inline constexpr int kPointCapacity = 7878;
inline constexpr int kLastPointLimit = kPointCapacity - 1;  // 7877
inline constexpr int kLastLineLimit = 9000;
inline constexpr int kLastCircleLimit = 1000;
inline constexpr int kLastHypCurveLimit = 25;

// Ends a point list handed to callers that want points only.
inline constexpr std::uint16_t kPointListEnd = 65535;
// Ends each group of a parsed point list.
inline constexpr std::uint16_t kGroupEnd = 10000;

// Message numbers the tables and steps report.
inline constexpr int kMsgCannotUnderstand = 1;
inline constexpr int kMsgCouldNotFind = 2;
inline constexpr int kMsgNoMoreRoom = 4;
inline constexpr int kMsgInconsistentData = 6;
inline constexpr int kMsgNothingToDo = 9;
inline constexpr int kMsgPositiveValue = 14;
inline constexpr int kMsgOutOfBounds = 17;
inline constexpr int kMsgNoSuchLine = 105;
inline constexpr int kMsgLabelInUse = 118;
inline constexpr int kMsgTextsTooLong = 142;

// Label and label display of a point (17 bytes in figure files).
struct PointNameRecord {
  std::uint16_t label = 0;   // label id 0..7877
  std::uint8_t shown = 0;    // label shown
  std::uint16_t marker = 0;  // point marker style 0..4
  std::int16_t left = 0;     // label rectangle relative to the point's screen position
  std::int16_t top = 0;
  std::int16_t width = 0;
  std::int16_t height = 0;
  std::int16_t dx = 0;  // label offset from the point, pixels
  std::int16_t dy = 0;
};
inline constexpr std::size_t kPointNameRecordBytes = 17;

// What a point belongs to and its parameter (20 bytes in figure files).
struct PointAttrRecord {
  std::int16_t tag = 0;  // the unit the point belongs to when at least 1
  std::array<std::int16_t, 4> words{-1, -1, -1, -1};
  Real value = 0;  // the parameter of a movable point
};
inline constexpr std::size_t kPointAttrRecordBytes = 20;

void WritePointNameRecord(kernel::ByteWriter& writer, const PointNameRecord& record);
std::optional<PointNameRecord> ReadPointNameRecord(kernel::ByteReader& reader);
void WritePointAttrRecord(kernel::ByteWriter& writer, const PointAttrRecord& record);
std::optional<PointAttrRecord> ReadPointAttrRecord(kernel::ByteReader& reader);

// A pixel position.
struct PixelPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

class FigureTables {
 public:
  FigureTables();

  // --- points ---------------------------------------------------------------------------
  std::int16_t last_point = -1;  // -1 when the figure has no point
  std::vector<Point2> xy;        // coordinates stay across a replay
  std::vector<Point3> xyz;
  std::vector<std::uint8_t> exists;
  std::vector<std::int16_t> label_map;  // label id -> point index, -1 when free
  std::vector<PointNameRecord> names;
  std::vector<PointAttrRecord> attrs;
  std::vector<std::uint8_t> selected;
  std::vector<std::uint8_t> saved_selected;
  std::vector<std::int16_t> order;       // per-point numbers compared by AppendStepPointNames
  std::vector<std::uint16_t> scratch;    // 7879 entries, work list of SelectPoints
  std::vector<PixelPoint> projected;     // screen positions of a projected 3-D view
  std::vector<std::uint8_t> second_flag; // 1 for every point when the window is made

  // --- lines, circles, hyperbolic curves --------------------------------------------------
  std::int16_t last_line = -1;
  std::vector<kernel::SegmentRecord> lines;        // 9001 entries
  std::vector<kernel::HypCurveRecord> line_sides;  // hyperbolic window: the drawn geodesic of each line
  std::int16_t last_circle = -1;
  std::vector<kernel::CircleRecord> circles;  // 1001 entries
  std::vector<Real> circle_radius;            // the radius kept for each circle when it was made
  std::vector<Real> circle_arc_radians;       // hyperbolic arcs: the arc's angle
  std::int16_t last_hypercycle = -1;
  std::vector<kernel::SegmentRecord> hypercycle_points;  // 26 point lists
  std::vector<kernel::HypCurveRecord> hypercycles;
  std::int16_t last_horocycle = -1;
  std::vector<kernel::SegmentRecord> horocycle_points;
  std::vector<kernel::HypCurveRecord> horocycles;
  // Spherical window: the frames of the lines and circles (empty in other windows).
  SphereFrames sphere_frames;

  // While a part of the history is replayed, a point made again at an index up to this one keeps
  // the label it had, so the labels of the later points stay where they are. -1 otherwise.
  std::int16_t keep_labels_through = -1;

 private:
  mutable int free_label_hint_ = 0;  // no label below it is free

 public:

  // Empties the tables before the history is replayed: labels, exists flags, label map and last
  // indices; coordinates and attribute values stay.
  void ResetForReplay();

  // --- points and labels ------------------------------------------------------------------
  bool PointExists(int i) const;
  bool AllPointsExist(int n, std::span<const std::uint16_t> list) const;
  // Lowest free label id; -1 when all 7878 are taken.
  int FindFreeLabel() const;
  // Frees a label: its label map entry becomes -1. Labels are freed only through this (or
  // ResetForReplay), so the search for the lowest free label can start where it last ended.
  void FreeLabel(int label);
  // Appends n points without coordinates; the caller makes sure there is room. False (nothing
  // added) when there is not.
  bool AddPoints(int n, std::int16_t tag, bool has_display, std::uint8_t shown, std::uint16_t marker);
  // The label a new point at index i takes: its own while a part replay keeps labels, else the
  // lowest free one (-1 when none).
  int LabelForNewPoint(int i) const;

  // --- point lists ------------------------------------------------------------------------
  // Parses what the user typed ("AB/CD", or point numbers with a backslash) into point indices,
  // each group ended by 10000; out needs n + 1 entries and out[n] is always 10000. Returns the
  // index of the last entry written, -1 when none. The text is left in its normalised form.
  int ParsePointList(std::string& text, std::span<std::uint16_t> out, int n) const;
  int ParsePointNumbers(std::string_view text, std::span<std::uint16_t> out, int n) const;
  // The existing points of the text, at most n, then 65535 (out needs n + 1 entries).
  int ParseExistingPoints(std::string& text, std::span<std::uint16_t> out, int n) const;
  int FindPointByName(std::string_view text) const;
  void SelectPoints(std::string_view text);

  // --- names ------------------------------------------------------------------------------
  // Writes the name of point i: 1, or 0 with an empty text outside 0..last point index.
  int GetPointName(int i, std::string& out) const;
  int AppendPointName(std::string& text, int i) const;
  bool ListPointNames(std::string& text, int n) const;
  void AppendNewPointNames(std::string& text, int k, int m) const;
  void AppendStepPointNames(std::string& text, int k, int m);
  void PointListText(const kernel::IndexList& list, std::string& text, int max_length) const;
  int PointListNames(std::span<const std::int16_t> list, std::string& text) const;
  int PointListWithCommas(std::span<const std::int16_t> list, std::string& text) const;
  int PointNameRange(std::string& text) const;
  void LineName(int i, std::string& text) const;
  void CircleName(int i, std::string& text) const;
  void HypercycleName(int i, std::string& text) const;
  void HorocycleName(int i, std::string& text) const;

  // --- finding points ---------------------------------------------------------------------
  int FindPointNear(Real x, Real y, Real tolerance) const;
  int FindPoint3DNear(const Point3& p, Real tolerance) const;
  // The first existing point whose label rectangle holds the mouse strictly inside.
  int FindLabelAt(PixelPoint mouse, const std::function<PixelPoint(int)>& to_pixel, int all_labels_counter) const;
  // The tag all the given points share when it is at least 1, else -1; a negative index ends
  // the list.
  int CommonPointTag(int i1, int i2, int i3 = -1, int i4 = -1, int i5 = -1) const;
};

}  // namespace engine
