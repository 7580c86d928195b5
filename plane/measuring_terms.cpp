#include "plane/measuring_terms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "engine/hyperbolic_primitives.h"
#include "engine/polygon_areas.h"
#include "kernel/plane_primitives.h"
#include "kernel/point_in_polygon.h"
#include "kernel/vector2.h"

namespace plane {

namespace {

using engine::ExprTokenArray;
using engine::ValueKind;
using kernel::Point2;
using kernel::Real;
namespace code = engine::code;

// The constants of the measurements: the double-precision values widened.
const Real kPi = static_cast<Real>(3.141592653589793);
const Real kTwoPi = 2 * kPi;
const Real kFourPi = 4 * kPi;
const Real kDegreesPerRadian = static_cast<Real>(57.29577951308232);
const Real kRadiansPerDegree = static_cast<Real>(0.017453292519943295);
const Real kTolerance = static_cast<Real>(1e-13);

// The points one term names, with room for the polygon routines to close the polygon.
constexpr std::size_t kScratchPoints = kMaxTermPoints + 3;

constexpr int kMalformed = 1;
constexpr int kBadRange = 6;
constexpr int kTooManyPoints = 17;

bool IsLabel(std::uint16_t c) { return c >= code::kLabelBase; }

bool IsKeyword(std::uint16_t c, bool hyperbolic) {
  switch (c) {
    case code::kFirstCoord:
    case code::kSecondCoord:
    case code::kCircle:
    case code::kSector:
    case code::kSegment:
    case code::kArc:
    case code::kPerimeter:
    case code::kPickI:
    case code::kPickB:
    case '<':
      return true;
    case code::kAngleAtPoint:
    case code::kAngleAtPointRad:
      return hyperbolic;
    default:
      return false;
  }
}

// Whether n points fit the term's keyword (0 for a term without one).
bool CountFits(std::uint16_t keyword, int n, bool twoLines) {
  if (n == 0) return false;
  if (twoLines) return n == 4;
  switch (keyword) {
    case code::kCircle:
    case code::kAngleAtPoint:
    case code::kAngleAtPointRad: return n == 2;
    case code::kFirstCoord:
    case code::kSecondCoord: return n == 1;
    case code::kPickI:
    case code::kPickB:
    case code::kPerimeter: return n >= 3;
    case code::kSector: return n == 2 || n == 3;
    case code::kSegment:
    case '<':
    case code::kArc: return n == 3;
    default: return true;
  }
}

// The operands of one term as they are collected.
struct Term {
  std::array<Point2, kScratchPoints> points{};
  int count = 0;  // points named, also beyond the room
  bool twoLines = false;
};

class Measurer {
 public:
  Measurer(const engine::FigureTables& tables, const engine::GeometryModel& model, const AngleOptions& angles)
      : tables_(tables), model_(model), angles_(angles) {}

  // Adds the point of a label; 0 or 54.
  int AddLabel(Term& term, int label) const {
    const int index = label >= 0 && static_cast<std::size_t>(label) < tables_.label_map.size()
                          ? tables_.label_map[static_cast<std::size_t>(label)]
                          : -1;
    if (index < 0 || !tables_.PointExists(index)) return kMsgNoSuchPoint;
    if (term.count < kMaxTermPoints)
      term.points[static_cast<std::size_t>(term.count)] = tables_.xy[static_cast<std::size_t>(index)];
    ++term.count;
    return 0;
  }

  // The signed angle at b from a to c in the window's geometry, radians.
  Real SignedAngle(const Point2& a, const Point2& b, const Point2& c) const {
    return model_.Hyperbolic ? engine::AngleAt(model_, a, b, c) : kernel::SignedAngle2(a, b, c);
  }

  // A negative angle made non-negative as the options ask, with fullTurn for a turn.
  Real Shown(Real angle, Real fullTurn) const {
    if (angle < 0 && angles_.anglesNonNegative) return angles_.anglesCounterclockwise ? angle + fullTurn : -angle;
    return angle;
  }

  // The value and kind of a term whose operand count fits; false when it cannot be measured.
  bool Measure(std::uint16_t keyword, Term& term, engine::ExprValue& value, ValueKind& kind) const {
    auto& p = term.points;
    const int n = term.count;
    const bool hyperbolic = model_.Hyperbolic;
    const auto distance = [&](const Point2& a, const Point2& b) { return engine::Distance(model_, a, b); };
    // The full disk of radius d.
    const auto disk = [&](Real d) {
      if (!hyperbolic) return kPi * d * d;
      const Real s = std::sinh(d / 2);
      return kFourPi * s * s;
    };
    // The angle ABC for the sector forms, radians, made non-negative as the options ask.
    const auto theta = [&] { return Shown(SignedAngle(p[0], p[1], p[2]), kTwoPi); };

    if (term.twoLines) {
      const Point2 u = p[1] - p[0];
      const Point2 w = p[3] - p[2];
      value.x = Shown(kDegreesPerRadian * SignedAngle(u, Point2{0, 0}, w), 360);
      kind = ValueKind::kAngle;
      return true;
    }
    switch (keyword) {
      case code::kFirstCoord:
      case code::kSecondCoord:
        value.x = keyword == code::kFirstCoord ? p[0].x : p[0].y;
        kind = ValueKind::kNumber;
        return true;
      case code::kCircle: {
        const Real d = distance(p[0], p[1]);
        value.x = kTwoPi * (hyperbolic ? std::sinh(d) : d);
        kind = ValueKind::kLength;
        return true;
      }
      case code::kSector: {
        const Real full = disk(distance(p[0], p[1]));
        value.x = n == 2 ? full : full * std::fabs(theta()) / kTwoPi;
        kind = ValueKind::kArea;
        return true;
      }
      case code::kSegment: {
        const Real d = distance(p[0], p[1]);
        const Real t = theta();
        value.x = disk(d) * std::fabs(t) / kTwoPi - TriangleTerm(d, t);
        kind = ValueKind::kArea;
        return true;
      }
      case code::kArc: {
        const Real d = distance(p[0], p[1]);
        value.x = std::fabs(theta()) * (hyperbolic ? std::sinh(d) : d);
        kind = ValueKind::kLength;
        return true;
      }
      case code::kPerimeter:
        value.x = Polygon(term).perimeter;
        kind = ValueKind::kLength;
        return true;
      case code::kPickI:
      case code::kPickB: {
        Point2 counts;
        if (!kernel::LatticePointCounts(std::span<const Point2>(p.data(), static_cast<std::size_t>(n)), counts))
          return false;
        value.x = keyword == code::kPickI ? counts.x : counts.y;
        kind = ValueKind::kLength;
        return true;
      }
      case code::kAngleAtPoint:
      case code::kAngleAtPointRad:
        value.x = engine::AngleOfParallelism(model_, p[0], p[1]);
        if (keyword == code::kAngleAtPointRad) value.x *= kRadiansPerDegree;
        kind = ValueKind::kAngle;
        return true;
      case '<':
        value.x = Shown(kDegreesPerRadian * SignedAngle(p[0], p[1], p[2]), 360);
        kind = ValueKind::kAngle;
        return true;
      default:
        break;
    }
    // A term without keyword: a point, a distance or the area of a polygon.
    if (n == 1) {
      value = {p[0].x, p[0].y, 0};
      kind = ValueKind::kPoint;
    } else if (n == 2) {
      value.x = value.y = distance(p[0], p[1]);
      kind = ValueKind::kLength;
    } else {
      value.x = Polygon(term).area;
      kind = ValueKind::kArea;
    }
    return true;
  }

 private:
  kernel::AreaPerimeter Polygon(Term& term) const {
    const std::span<Point2> vertices(term.points.data(), term.points.size());
    return model_.Hyperbolic ? engine::HyperbolicPolygonArea(model_, vertices, term.count - 1)
                             : kernel::PolygonAreaPerimeter2(vertices, term.count - 1);
  }

  // What [SEG]( takes off the sector: the triangle of the two radii and the chord.
  Real TriangleTerm(Real d, Real theta) const {
    if (!model_.Hyperbolic) return d * d * std::sin(theta) / 2;
    const Real c = std::cosh(d);
    const Real s = (c - 1) * std::sin(theta);
    const Real q = 2 * ((c * c + 1) - (c * c - 1) * std::cos(theta));
    const Real t = std::fabs(s / std::sqrt(q));
    return t + kTolerance <= 1 ? 2 * std::asin(t) : kPi;
  }

  const engine::FigureTables& tables_;
  const engine::GeometryModel& model_;
  const AngleOptions& angles_;
};

}  // namespace

int ResolveMeasuringTerms(ExprTokenArray& tokens, const engine::FigureTables& tables,
                          const engine::GeometryModel& model, const AngleOptions& angles) {
  const Measurer measurer(tables, model, angles);
  int e = 0;
  Term term;
  for (int k = 0; k < tokens.size(); ++k) {
    const std::uint16_t keyword = tokens[k].code;
    const bool hasKeyword = IsKeyword(keyword, model.Hyperbolic);
    if (!hasKeyword && !IsLabel(keyword)) continue;

    // Collect the operands from after the keyword, or from the first point.
    term.count = 0;
    term.twoLines = false;
    int q = hasKeyword ? k + 1 : k;
    for (; q < tokens.size(); ++q) {
      const std::uint16_t c = tokens[q].code;
      if (c == '|') {
        if (!hasKeyword && term.count == 2 && !term.twoLines) {
          term.twoLines = true;
        } else {
          e = kMalformed;
        }
      } else if (c == code::kArrow) {
        if (term.count == 0 || !IsLabel(tokens.CodeAt(q - 1)) || !IsLabel(tokens.CodeAt(q + 1))) {
          e = kBadRange;
          continue;
        }
        const int from = tokens[q - 1].code - code::kLabelBase;
        const int to = tokens[q + 1].code - code::kLabelBase;
        if (term.count + std::max(to - from, 0) > kMaxTermPoints) {
          e = kTooManyPoints;
          continue;
        }
        for (int label = from + 1; label < to; ++label) {
          if (const int r = measurer.AddLabel(term, label)) e = r;
        }
      } else if (IsLabel(c)) {
        if (const int r = measurer.AddLabel(term, c - code::kLabelBase)) e = r;
      } else {
        break;
      }
    }
    if (term.count > kMaxTermPoints) e = kTooManyPoints;
    // The operands go; the keyword, or the first point of a term without one, carries the value.
    if (q > k + 1) tokens.Erase(k + 1, q);
    if (e != 0) continue;

    // A number in place of the points: the radius of [PIE](, [SEG]( and [CIR](.
    const bool radiusForm = keyword == code::kSector || keyword == code::kSegment || keyword == code::kCircle;
    if (radiusForm && term.count == 0 && tokens.CodeAt(k + 1) == code::kValue) {
      const Real r = tokens[k + 1].value.x;
      if (r < 0) {
        e = kMalformed;
        continue;
      }
      tokens[k] = keyword == code::kCircle ? engine::MakeValueToken({kTwoPi * r, 0, 0}, ValueKind::kLength)
                                           : engine::MakeValueToken({kPi * r * r, 0, 0}, ValueKind::kArea);
      tokens.Erase(k + 1, k + 2);
      continue;
    }

    const std::uint16_t measured = hasKeyword ? keyword : 0;
    const bool lattice = keyword == code::kPickI || keyword == code::kPickB;
    if (!CountFits(measured, term.count, term.twoLines) || (lattice && (model.Hyperbolic || model.Spherical))) {
      e = kMalformed;
      continue;
    }
    engine::ExprValue value;
    ValueKind kind = ValueKind::kNumber;
    if (!measurer.Measure(measured, term, value, kind)) {
      e = kTooManyPoints;  // a lattice count over a polygon too large to scan
      continue;
    }
    tokens[k] = engine::MakeValueToken(value, kind);
  }
  if (e != 0) return e;

  engine::MarkUnaryMinus(tokens);
  if (tokens.size() == 3 && tokens[0].code == '(' && tokens[2].code == ')') {
    tokens.Erase(2, 3);
    tokens.Erase(0, 1);
  }
  return 0;
}

}  // namespace plane
