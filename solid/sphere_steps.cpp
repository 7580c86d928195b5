// Spheres, circumspheres, hemispheres, sphere segments and inspheres.
#include "solid/sphere_steps.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "kernel/frames3.h"
#include "kernel/polygon_measures3.h"
#include "kernel/vector3.h"
#include "solid/surface_description.h"

namespace solid {

namespace {

using kernel::SurfaceRecord;

constexpr std::int16_t kWord = 5;
constexpr std::int16_t kName = 6;
constexpr std::int16_t kFirstText = 1;
constexpr std::int16_t kWordRadius = 169;
constexpr std::int16_t kWordCircumcenter = 212;
constexpr std::int16_t kWordIncenter = 213;
constexpr std::int16_t kWordTangency = 214;
constexpr std::int16_t kWordAt = 179;
constexpr std::int16_t kWordSphere = 744;
constexpr std::int16_t kWordHemisphere = 745;

constexpr int kSphereByPoint = 0;
constexpr int kSphereByRadius = 1;
constexpr int kFreeSphere = 2;

// Parameters of a sphere record: the level of the cutting plane and the height kept.
constexpr Real kWholeSphere = -1;
constexpr Real kHemisphere = 0;

SurfaceRecord Sphere(int centre, int pole, Real r, Real level, Real height) {
  SurfaceRecord s;
  kernel::InitSurfaceRecord(s, kernel::kSurfaceSphere, static_cast<std::int16_t>(centre),
                            static_cast<std::int16_t>(pole), r, level, height, 0, -1, -1);
  return s;
}

SurfaceRecord BaseDisk(int centre, int pole, Real r, Real last, int rim) {
  SurfaceRecord s;
  kernel::InitSurfaceRecord(s, kernel::kSurfaceDisk, static_cast<std::int16_t>(centre),
                            static_cast<std::int16_t>(pole), r, 1, last, last, static_cast<std::int16_t>(rim),
                            -1);
  return s;
}

bool TooSmall(Real r) {
  return !(r >= kernel::NullTolerance);
}

std::int16_t Item(int i) {
  return static_cast<std::int16_t>(i);
}

// The step's first four point operands; false when one of them is missing.
bool FourPointOperands(SurfaceStep& step, std::array<int, 4>& v) {
  for (int k = 0; k < 4; ++k) {
    v[static_cast<std::size_t>(k)] = step.PointOperand(k);
    if (v[static_cast<std::size_t>(k)] < 0) return false;
  }
  return true;
}

}  // namespace

int DoSphere(engine::StepEngine& engine, ModelTables& model, const PlaceSolid& place, std::string* out) {
  const kernel::ConstructionRecord& record = *engine.current();
  const int mode = static_cast<std::int16_t>(record.operands[2]);
  const bool known = mode >= kSphereByPoint && mode <= kFreeSphere;
  SurfaceStep step(engine, model, {known ? mode : 0, 0, 1});
  step.NumberOldFigure(1);
  if (const int code = step.Begin(); code != 0) return code;
  if (!known) return step.Fail(engine::kMsgInconsistentData);
  // Every point given must exist, and the ones the mode builds on must be given.
  const int centre = step.PointOperand(0);
  const int second = step.PointOperand(1);
  const bool given0 = record.operands[0] != kernel::kNoOperand;
  const bool given1 = record.operands[1] != kernel::kNoOperand;
  if ((given0 && centre < 0) || (given1 && second < 0)) return step.Fail(engine::kMsgCouldNotFind);
  if ((mode != kFreeSphere && centre < 0) || (mode == kSphereByPoint && second < 0)) {
    return step.Fail(engine::kMsgCouldNotFind);
  }
  engine::FigureTables& t = step.tables();

  int c = centre;
  int pole = second;
  Real r = 0;
  if (mode == kSphereByPoint) {
    r = kernel::Dist3(t.xyz[c], t.xyz[pole]);
  } else {
    if (const int code = step.Compile(record.text[0], r, TextRule::kRefusePositive); code != 0) {
      return step.Fail(code);
    }
    if (TooSmall(r)) return step.Fail(engine::kMsgPositiveValue);
    const Point3 up{0, 0, r};
    if (mode == kSphereByRadius) {
      pole = step.AddPoint(t.xyz[c] + up, static_cast<std::uint16_t>(t.attrs[c].tag));
    } else {
      const std::uint16_t tag = step.NewSolidTag();
      c = step.AddAnchor(step.building() ? place({-r, -r, -r}, {r, r, r}) : Point3{}, tag);
      pole = c < 0 ? -1 : step.AddPoint(t.xyz[c] + up, tag);
    }
    if (pole < 0) return step.Fail(engine::kMsgNoMoreRoom);
  }
  step.AddSurface(Sphere(c, pole, r, kWholeSphere, 2 * r), 0);

  if (mode == kSphereByPoint) {
    const auto items = std::to_array<std::int16_t>(
        {kName, Item(c), kName, Item(pole), ' ', '=', ' ', kWord, kWordSphere, engine::kTemplateEnd});
    step.Describe(out, items);
  } else {
    const auto items =
        std::to_array<std::int16_t>({kName, Item(c), kName, Item(pole), ' ', '=', ' ', kWord, kWordSphere,
                                     ';', ' ', kWord, kWordRadius, ' ', kFirstText, engine::kTemplateEnd});
    step.Describe(out, items);
  }
  return 0;
}

int DoCircumsphere(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SurfaceStep step(engine, model, {1, 0, 1});
  step.NumberOldFigure(1);
  if (const int code = step.Begin(); code != 0) return code;
  std::array<int, 4> v{};
  if (!FourPointOperands(step, v)) return step.Fail(engine::kMsgCouldNotFind);
  engine::FigureTables& t = step.tables();
  Point3 centre;
  if (const int code = kernel::Circumsphere3(t.xyz[v[0]], t.xyz[v[1]], t.xyz[v[2]], t.xyz[v[3]], centre);
      code != 0) {
    return step.Fail(code);
  }
  const int o = step.AddPoint(centre, step.SharedTag(v[0], v[1], v[2], v[3]));
  if (o < 0) return step.Fail(engine::kMsgNoMoreRoom);
  const Real r = kernel::Dist3(t.xyz[v[0]], t.xyz[o]);
  step.AddSurface(Sphere(o, v[0], r, kWholeSphere, 2 * r), 0);
  // "O = circumcenter (ABCD)"
  const auto items = std::to_array<std::int16_t>({kName, Item(o), ' ', '=', ' ', kWord, kWordCircumcenter,
                                                  ' ', '(', 10, 11, 12, 13, ')', engine::kTemplateEnd});
  step.Describe(out, items);
  return 0;
}

int DoHemisphere(engine::StepEngine& engine, ModelTables& model, const PlaceSolid& place, std::string* out) {
  SurfaceStep step(engine, model, {3, 0, 2});
  step.NumberOldFigure(2);
  if (const int code = step.Begin(); code != 0) return code;
  Real r = 0;
  if (const int code = step.Compile(step.record().text[0], r, TextRule::kRefusePositiveOrMinus4); code != 0) {
    return step.Fail(code);
  }
  if (TooSmall(r)) return step.Fail(engine::kMsgPositiveValue);
  engine::FigureTables& t = step.tables();
  const std::uint16_t tag = step.NewSolidTag();
  // The hemisphere stands on the plane of its base.
  const int c = step.AddAnchor(step.building() ? place({-r, -r, 0}, {r, r, r}) : Point3{}, tag);
  if (c < 0) return step.Fail(engine::kMsgNoMoreRoom);
  const Point3 centre = t.xyz[c];
  const int pole = step.AddPoint(centre + Point3{0, 0, r}, tag);
  const int rim = step.AddPoint(centre + Point3{r, 0, 0}, tag);
  if (pole < 0 || rim < 0) return step.Fail(engine::kMsgNoMoreRoom);
  step.AddSurface(Sphere(c, pole, r, kHemisphere, r), 0);
  step.AddSurface(BaseDisk(c, pole, r, 0, rim), 1);
  const auto items =
      std::to_array<std::int16_t>({kName, Item(c), kName, Item(rim), ' ', '=', ' ', kWord, kWordHemisphere,
                                   ';', ' ', kWord, kWordRadius, ' ', kFirstText, engine::kTemplateEnd});
  step.Describe(out, items);
  return 0;
}

int DoSphereSegment(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SurfaceStep step(engine, model, {2, 0, 2});
  step.NumberOldFigure(2);
  if (const int code = step.Begin(); code != 0) return code;
  const int c = step.PointOperand(0);
  const int pole = step.PointOperand(1);
  if (c < 0 || pole < 0) return step.Fail(engine::kMsgCouldNotFind);
  // The fraction of the diameter the cap keeps, measured from the pole.
  Real f = 0;
  if (const int code = step.Compile(step.record().text[0], f, TextRule::kRefuseNonZero); code != 0) {
    return step.Fail(code);
  }
  if (TooSmall(f) || !(f + kernel::NullTolerance <= 1)) return step.Fail(engine::kMsgPositiveValue);
  engine::FigureTables& t = step.tables();
  const Point3 d = t.xyz[c] - t.xyz[pole];
  const Real r = std::sqrt(kernel::Dot3(d, d));
  Point3 across, unused;
  kernel::OrthoBasis3(d, across, unused, false);
  const std::uint16_t tag = step.SharedTag(c, pole);
  const int base = step.AddPoint(t.xyz[pole] + (2 * f) * d, tag);
  if (base < 0) return step.Fail(engine::kMsgNoMoreRoom);
  const int sphere = step.AddSurface(Sphere(c, pole, r, 1 - 2 * f, 2 * f * r), 0);
  const Real rho = 2 * r * std::sqrt(f * (1 - f));
  kernel::ScaleTo3(across, rho);
  const int rim = step.AddPoint(t.xyz[base] + across, tag);
  if (rim < 0) return step.Fail(engine::kMsgNoMoreRoom);
  step.AddSurface(BaseDisk(base, pole, rho, -1, rim), 1);
  if (out != nullptr) *out = DescribeSurface(engine, sphere);
  return 0;
}

int DoInsphere(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SurfaceStep step(engine, model, {5, 0, 1});
  step.NumberOldFigure(1);
  if (const int code = step.Begin(); code != 0) return code;
  std::array<int, 4> v{};
  if (!FourPointOperands(step, v)) return step.Fail(engine::kMsgCouldNotFind);
  engine::FigureTables& t = step.tables();
  const Point3 &a = t.xyz[v[0]], &b = t.xyz[v[1]], &c = t.xyz[v[2]], &d = t.xyz[v[3]];
  // Four vertices in one plane bound no solid: refused as the circumsphere refuses them.
  if (std::fabs(kernel::Det3(b - a, c - a, d - a)) < kernel::NullTolerance) {
    return step.Fail(kernel::kCoplanarPointsMessage);
  }
  std::array<Point3, 5> found{};
  kernel::Insphere3(a, b, c, d, found[0], found[1], found[2], found[3], found[4]);
  const std::uint16_t tag = step.SharedTag(v[0], v[1], v[2], v[3]);
  std::array<int, 5> p{};
  for (std::size_t k = 0; k < found.size(); ++k) {
    p[k] = step.AddPoint(found[k], tag);
    if (p[k] < 0) return step.Fail(engine::kMsgNoMoreRoom);
  }
  const Real r = kernel::Dist3(t.xyz[p[0]], t.xyz[p[1]]);
  step.AddSurface(Sphere(p[0], p[1], r, kWholeSphere, 2 * r), 0);
  // "I = incenter (ABCD); tangency at T3T2T1T4"
  const auto items = std::to_array<std::int16_t>({kName,
                                                  Item(p[0]),
                                                  ' ',
                                                  '=',
                                                  ' ',
                                                  kWord,
                                                  kWordIncenter,
                                                  ' ',
                                                  '(',
                                                  10,
                                                  11,
                                                  12,
                                                  13,
                                                  ')',
                                                  ';',
                                                  ' ',
                                                  kWord,
                                                  kWordTangency,
                                                  kWord,
                                                  kWordAt,
                                                  ' ',
                                                  kName,
                                                  Item(p[3]),
                                                  kName,
                                                  Item(p[2]),
                                                  kName,
                                                  Item(p[1]),
                                                  kName,
                                                  Item(p[4]),
                                                  engine::kTemplateEnd});
  step.Describe(out, items);
  return 0;
}

}  // namespace solid
