// Temporary tracing (a trail of dots left by chosen points while the figure moves) and the sum of
// vectors given by pairs of points.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "engine/windows/geom10_win.h"
#include "kernel/construction_record.h"
#include "platform/message_box.h"
#include "view/view_mapping.h"

namespace engine {

namespace {

constexpr int kStringMakeList = 105;
constexpr int kStringTraceVertices = 283;
constexpr int kStringListVectors = 651;
constexpr int kStringVectorSum = 652;
constexpr int kTraceTextSize = 120;
constexpr int kVectorTextSize = 40;
constexpr std::size_t kMostTrailPoints = 20;
constexpr int kMostVectorEntries = 99;
constexpr int kMsgCouldNotFindHere = 2;
constexpr int kMsgInconsistent = 6;
constexpr int kMsgMissing = 24;
constexpr int kKindVectorSum = 208;
constexpr int kDotStyle = 1;

}  // namespace

void TGeom10Win::SetTrailPoints(std::string text) {
  trailPoints.clear();
  std::array<std::uint16_t, kMostTrailPoints + 1> parsed{};
  const int last = tables().ParsePointList(text, parsed, static_cast<int>(kMostTrailPoints));
  for (int k = 0; k <= last && trailPoints.size() < kMostTrailPoints; ++k) {
    const int i = parsed[static_cast<std::size_t>(k)];
    if (i >= 0 && i <= tables().last_point) trailPoints.push_back(static_cast<std::int16_t>(i));
  }
}

void TGeom10Win::CmTemporaryTracing() {
  std::string text;
  for (std::int16_t i : trailPoints) tables().AppendPointName(text, i);
  if (AskValue(kStringMakeList, kStringTraceVertices, text, kTraceTextSize) != platform::IDOK) return;
  FreeTrail();
  SetModified();
  SetTrailPoints(text);
  SetupMenuChecks(false);
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeom10Win::RecordTrailSample() {
  for (std::int16_t i : trailPoints) {
    if (!tables().PointExists(i)) continue;
    const Point2& p = tables().xy[static_cast<std::size_t>(i)];
    if (view::InView(mapping, p)) trail.push_back(p);
  }
}

void TGeom10Win::DrawMarkList(view::FigurePainter& painter) {
  if (trail.empty()) return;
  painter.Save();
  const view::InkColor ink = view::InkColor::Index(labelDisplay.markerColor);
  painter.SetPen({ink, 1, view::kLineSolid});
  painter.SetBrush({true, ink, 0});
  for (auto it = trail.rbegin(); it != trail.rend(); ++it) painter.Marker(*it, kDotStyle, labelDisplay.markerSize);
  painter.Restore();
}

int TGeom10Win::CmVectorSum() {
  std::string text = "AB CD; E";
  if (AskValue(kStringListVectors, kStringVectorSum, text, kVectorTextSize) != platform::IDOK) return -1;
  const int result = VectorSum(text);
  if (result > 0) Msg(result);
  return result;
}

int TGeom10Win::VectorSum(const std::string& typed) {
  std::string upper = typed;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  int error = 0;
  if (typed.find(';') == std::string::npos) error = kMsgCouldNotFindHere;
  std::string text = typed;
  std::array<std::uint16_t, kMostVectorEntries + 1> entries{};
  // n: the place of the last entry, the end of the base's group.
  const int n = tables().ParsePointList(text, entries, kMostVectorEntries);
  if (n < 4) error = kMsgMissing;
  else if (n % 3 != 1) error = kMsgInconsistent;
  if (error != 0) return error;
  const int k = (n - 1) / 3;
  std::vector<int> points;
  for (int i = 0; i < k; ++i) {
    points.push_back(entries[static_cast<std::size_t>(3 * i)]);
    points.push_back(entries[static_cast<std::size_t>(3 * i + 1)]);
  }
  points.push_back(entries[static_cast<std::size_t>(3 * k)]);
  for (int p : points)
    if (!tables().PointExists(p)) return kMsgInconsistent;
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kKindVectorSum));
  step.operands[0] = static_cast<std::uint16_t>(k);
  for (std::size_t i = 0; i < points.size(); ++i) step.operands[i + 1] = static_cast<std::uint16_t>(points[i]);
  step.text[0] = upper.substr(0, kVectorTextSize);
  const int result = RunNewStep();
  if (result == 0) {
    RefreshFaceDialog();
    RecomputeMeasurements(tables().last_point);
  }
  return result > 0 ? result : 0;
}

int TGeom10Win::ParseVectorText(const std::string& text, Point3& out) {
  const std::size_t first = text.find(',');
  if (first == std::string::npos) return kMsgInconsistent;
  std::vector<std::string> parts{text.substr(0, first)};
  std::string rest = text.substr(first + 1);
  if (dimension() == 3) {
    const std::size_t second = rest.find(',');
    if (second == std::string::npos) return kMsgInconsistent;
    parts.push_back(rest.substr(0, second));
    rest = rest.substr(second + 1);
  }
  parts.push_back(rest);
  int result = 0;
  Real* fields[] = {&out.x, &out.y, &out.z};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    ExprValue value;
    result = CompileExpression(parts[i], value);
    if (result > 0) return result;
    *fields[i] = value.x;
  }
  return 0;
}

}  // namespace engine
