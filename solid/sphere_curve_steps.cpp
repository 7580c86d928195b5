// Circles of latitude, meridians, great circles, disks and points at a latitude and longitude.
#include "solid/sphere_curve_steps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "kernel/conics3.h"
#include "kernel/frames3.h"
#include "kernel/surface_frames.h"
#include "kernel/text_utils.h"
#include "kernel/vector3.h"
#include "solid/surface_description.h"

namespace solid {

namespace {

using kernel::SurfaceRecord;

constexpr std::int16_t kWord = 5;
constexpr std::int16_t kName = 6;
constexpr std::int16_t kFirstText = 1;
constexpr std::int16_t kSecondText = 2;
constexpr std::int16_t kWordAt = 179;
constexpr std::int16_t kWordCircle = 201;
constexpr std::int16_t kWordSphere = 744;
constexpr std::int16_t kWordLatitude = 746;
constexpr std::int16_t kWordLongitude = 747;
constexpr std::int16_t kWordMeridian = 766;

constexpr Real kRadiansPerDegree = 0.017453292519943295L;
constexpr Real kLongitudeLimit = 180;
// A negative operand 8 keeps the angles in the texts one by one; otherwise the texts are one
// comma list.
constexpr std::size_t kTextsJoinedOperand = 8;

std::int16_t Item(int i) {
  return static_cast<std::int16_t>(i);
}

// The angle texts of the step: count of them, each from its own text or from the joined list.
std::vector<std::string> AngleTexts(const kernel::ConstructionRecord& step, int count) {
  if (static_cast<std::int16_t>(step.operands[kTextsJoinedOperand]) < 0) {
    return {step.text.begin(), step.text.begin() + count};
  }
  const std::string joined = kernel::JoinConstructionText(step);
  return count == 1 ? std::vector<std::string>{joined} : kernel::SplitCommaList(joined, count);
}

// The sphere frame of a longitude: v towards the reference point's meridian (longitude 0), u
// towards longitude 90, both across the axis a = N - C. Null when G lies on the axis.
void LongitudeFrame(const Point3& a, const Point3& b, Point3& u, Point3& v) {
  u = kernel::Cross3(a, b);
  v = kernel::Cross3(u, a);
}

SurfaceRecord CurveOnSphere(std::int16_t kind, int p0, int p1, Real a, Real b, Real c, int p2, int p3) {
  SurfaceRecord s;
  kernel::InitSurfaceRecord(s, kind, static_cast<std::int16_t>(p0), static_cast<std::int16_t>(p1), a, b, c,
                            -1, static_cast<std::int16_t>(p2), static_cast<std::int16_t>(p3));
  // A curve on a sphere hides nothing.
  s.transparent = 1;
  return s;
}

}  // namespace

int DoLatitudeCircle(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SurfaceStep step(engine, model, {1, 0, 1});
  step.NumberOldFigure(1);
  if (const int code = step.Begin(); code != 0) return code;
  const int c = step.PointOperand(0);
  const int n = step.PointOperand(1);
  if (c < 0 || n < 0) return step.Fail(engine::kMsgCouldNotFind);
  Real phi = 0;
  const std::vector<std::string> texts = AngleTexts(step.record(), 1);
  if (const int code = step.Compile(texts[0], phi, TextRule::kRefusePositiveOrMinus4); code != 0) {
    return step.Fail(code);
  }
  engine::FigureTables& t = step.tables();
  const Point3 a = t.xyz[n] - t.xyz[c];
  const Real radians = phi * kRadiansPerDegree;
  const int l = step.AddPoint(t.xyz[c] + std::sin(radians) * a, step.SharedTag(c, n));
  if (l < 0) return step.Fail(engine::kMsgNoMoreRoom);
  const Real rho = std::cos(radians) * std::sqrt(kernel::Dot3(a, a));
  step.AddSurface(CurveOnSphere(kernel::kSurfaceLatitudeCircle, l, n, rho, 1, phi, -1, c), 0);
  // "L = circle (latitude 30 , sphere CN)"
  const auto items =
      std::to_array<std::int16_t>({kName,         Item(l),     ' ',         '=', ' ',
                                   kWord,         kWordCircle, ' ',         '(', kWord,
                                   kWordLatitude, ' ',         kFirstText,  ' ', ',',
                                   ' ',           kWord,       kWordSphere, ' ', kName,
                                   Item(c),       kName,       Item(n),     ')', engine::kTemplateEnd});
  step.Describe(out, items);
  return 0;
}

int DoMeridian(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SurfaceStep step(engine, model, {1, 0, 1});
  step.NumberOldFigure(1);
  if (const int code = step.Begin(); code != 0) return code;
  const int c = step.PointOperand(0);
  const int g = step.PointOperand(1);
  const int n = step.PointOperand(2);
  if (c < 0 || g < 0 || n < 0) return step.Fail(engine::kMsgCouldNotFind);
  Real lambda = 0;
  const std::vector<std::string> texts = AngleTexts(step.record(), 1);
  if (const int code = step.Compile(texts[0], lambda, TextRule::kRefusePositiveOrMinus4); code != 0) {
    return step.Fail(code);
  }
  if (std::fabs(lambda) > kLongitudeLimit) return step.Fail(engine::kMsgOutOfBounds);
  engine::FigureTables& t = step.tables();
  const Point3 centre = t.xyz[c];
  const Point3 a = t.xyz[n] - centre;
  const Real r = std::sqrt(kernel::Dot3(a, a));
  Point3 u, v;
  LongitudeFrame(a, t.xyz[g] - centre, u, v);
  kernel::ScaleTo3(u, r);
  kernel::ScaleTo3(v, r);
  const Real radians = lambda * kRadiansPerDegree;
  Point3 onEquator;
  kernel::PointInFrame3(centre, v, u, std::cos(radians), std::sin(radians), onEquator);
  const int m = step.AddPoint(onEquator, step.SharedTag(c, n));
  if (m < 0) return step.Fail(engine::kMsgNoMoreRoom);
  step.AddSurface(CurveOnSphere(kernel::kSurfaceMeridian, c, n, r, 0.5L, lambda, m, g), 0);
  // "CM = meridian (longitude 30 , sphere CN(G))"
  const auto items = std::to_array<std::int16_t>({kName,
                                                  Item(c),
                                                  kName,
                                                  Item(m),
                                                  ' ',
                                                  '=',
                                                  ' ',
                                                  kWord,
                                                  kWordMeridian,
                                                  ' ',
                                                  '(',
                                                  kWord,
                                                  kWordLongitude,
                                                  ' ',
                                                  kFirstText,
                                                  ' ',
                                                  ',',
                                                  ' ',
                                                  kWord,
                                                  kWordSphere,
                                                  ' ',
                                                  kName,
                                                  Item(c),
                                                  kName,
                                                  Item(n),
                                                  '(',
                                                  kName,
                                                  Item(g),
                                                  ')',
                                                  ')',
                                                  engine::kTemplateEnd});
  step.Describe(out, items);
  return 0;
}

int DoGreatCircle(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SurfaceStep step(engine, model, {0, 0, 1});
  step.NumberOldFigure(1);
  if (const int code = step.Begin(); code != 0) return code;
  const int c = step.PointOperand(0);
  const int p = step.PointOperand(1);
  const int q = step.PointOperand(2);
  if (c < 0 || p < 0 || q < 0) return step.Fail(engine::kMsgCouldNotFind);
  const engine::FigureTables& t = step.tables();
  // Operand 3: none for the whole circle, 0 for the shorter arc from P to Q, 1 for the longer.
  const int variant = static_cast<std::int16_t>(step.record().operands[3]);
  if (variant > 1) return step.Fail(engine::kMsgInconsistentData);
  const auto kind = static_cast<std::int16_t>(variant < 0 ? kernel::kSurfaceGreatCircle
                                                          : kernel::kSurfaceGreatCircleArc + variant);
  const int k = step.AddSurface(CurveOnSphere(kind, c, -1, 0, 1, -1, p, q), 0);
  // The arcs too take their radius and extent here (the general frame update leaves them).
  if (k >= 0) kernel::UpdateGreatCircle(engine.solid.surfaces[static_cast<std::size_t>(k)], t.xyz);
  if (out != nullptr) *out = DescribeSurface(engine, k);
  return 0;
}

int DoDisk(engine::StepEngine& engine, ModelTables& model, const PlaceSolid& place, std::string* out) {
  const kernel::ConstructionRecord& record = *engine.current();
  const bool free = static_cast<std::int16_t>(record.operands[0]) < 0;
  // A failed disk keeps the room its command reserved: operand 2 points (at most a free disk's 3).
  constexpr int kFreeDiskPoints = 3;
  const int reserved = std::clamp<int>(static_cast<std::int16_t>(record.operands[2]), 0, kFreeDiskPoints);
  SurfaceStep step(engine, model, {reserved, 0, 1});
  step.NumberOldFigure(1);
  if (const int code = step.Begin(); code != 0) return code;
  engine::FigureTables& t = step.tables();
  if (t.last_point + (free ? kFreeDiskPoints : 1) > engine::kLastPointLimit)
    return step.Fail(engine::kMsgNoMoreRoom);
  int d = -1;
  int axis = -1;
  if (!free) {
    d = step.PointOperand(0);
    axis = step.PointOperand(1);
    if (d < 0 || axis < 0) return step.Fail(engine::kMsgCouldNotFind);
  }
  Real rho = 0;
  if (const int code = step.Compile(record.text[0], rho, TextRule::kRefusePositiveOrMinus4); code != 0) {
    return step.Fail(code);
  }
  Point3 across;
  std::uint16_t rimTag = 0;
  if (free) {
    const std::uint16_t tag = step.NewSolidTag();
    d = step.AddAnchor(step.building() ? place({-rho, -rho, 0}, {rho, rho, 0.1L}) : Point3{}, tag);
    axis = d < 0 ? -1 : step.AddPoint(t.xyz[d] + Point3{0, 0, 1}, tag);
    if (axis < 0) return step.Fail(engine::kMsgNoMoreRoom);
    across = {rho, 0, 0};
    rimTag = tag;
  } else {
    Point3 unused;
    kernel::OrthoBasis3(t.xyz[axis] - t.xyz[d], across, unused, false);
    kernel::ScaleTo3(across, rho);
    rimTag = step.SharedTag(d, axis);
  }
  const int rim = step.AddPoint(t.xyz[d] + across, rimTag);
  if (rim < 0) return step.Fail(engine::kMsgNoMoreRoom);
  SurfaceRecord disk;
  kernel::InitSurfaceRecord(disk, kernel::kSurfaceDisk, static_cast<std::int16_t>(d),
                            static_cast<std::int16_t>(axis), rho, 1, -1, -1, static_cast<std::int16_t>(rim),
                            -1);
  const int k = step.AddSurface(disk, 0);
  if (out != nullptr) *out = DescribeSurface(engine, k);
  return 0;
}

int DoLatLongPoint(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SurfaceStep step(engine, model, {1, 0, 0});
  if (const int code = step.Begin(); code != 0) return code;
  const int c = step.PointOperand(0);
  const int g = step.PointOperand(1);
  const int n = step.PointOperand(2);
  if (c < 0 || g < 0 || n < 0) return step.Fail(engine::kMsgCouldNotFind);
  const std::vector<std::string> texts = AngleTexts(step.record(), 2);
  Real phi = 0;
  Real lambda = 0;
  if (const int code = step.Compile(texts[0], phi, TextRule::kRefusePositiveOrMinus4); code != 0) {
    return step.Fail(code);
  }
  if (const int code = step.Compile(texts[1], lambda, TextRule::kRefusePositiveOrMinus4); code != 0) {
    return step.Fail(code);
  }
  engine::FigureTables& t = step.tables();
  const Point3 centre = t.xyz[c];
  const Point3 a = t.xyz[n] - centre;
  Point3 u, v;
  LongitudeFrame(a, t.xyz[g] - centre, u, v);
  kernel::Normalize3(u);
  kernel::Normalize3(v);
  const Real lat = phi * kRadiansPerDegree;
  const Real lon = lambda * kRadiansPerDegree;
  const Point3 h = std::sqrt(kernel::Dot3(a, a)) * (std::cos(lon) * v + std::sin(lon) * u);
  const int m = step.AddPoint(centre + std::cos(lat) * h + std::sin(lat) * a, step.SharedTag(c, n));
  if (m < 0) return step.Fail(engine::kMsgNoMoreRoom);
  // "M at latitude 30; longitude 45; sphere CN(G)"
  const auto items = std::to_array<std::int16_t>({kName,   Item(m),
                                                  ' ',     kWord,
                                                  kWordAt, ' ',
                                                  kWord,   kWordLatitude,
                                                  ' ',     kFirstText,
                                                  ';',     ' ',
                                                  kWord,   kWordLongitude,
                                                  ' ',     kSecondText,
                                                  ';',     ' ',
                                                  kWord,   kWordSphere,
                                                  ' ',     kName,
                                                  Item(c), kName,
                                                  Item(n), '(',
                                                  kName,   Item(g),
                                                  ')',     engine::kTemplateEnd});
  step.Describe(out, items);
  return 0;
}

}  // namespace solid
