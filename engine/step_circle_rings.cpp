// The chain or ring of circles about an inner circle (step kind 169), in the Euclidean plane and
// in the hyperbolic plane (built in the disk about its centre).

#include <array>
#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/number_text.h"
#include "kernel/random.h"
#include "kernel/tangent_rings.h"
#include "kernel/text_utils.h"
#include "kernel/vector2.h"

namespace engine {

namespace {

constexpr int kMaxRingCircles = 50;

// Evaluates a radius text; -4 (a point) does not stop the ring.
int EvaluateRadius(StepExecutors& executors, std::string text, Real& value) {
  const int result = executors.EvaluateText(text, value);
  return result >= 1 ? result : 0;
}

}  // namespace

int StepEngine::ChainOfCircles(std::string* out) {
  kernel::ConstructionRecord& step = *history.current;
  const int n = static_cast<std::int16_t>(step.operands[0]);
  const int mode = static_cast<std::int16_t>(step.operands[1]);
  const bool ring = mode >= 1;
  const int point_count = static_cast<std::int16_t>(step.operands[2]);
  const int circle_count = static_cast<std::int16_t>(step.operands[3]);
  // The counts come from a file as well: none of them is trusted.
  if (n < (ring ? 3 : 1) || n > kMaxRingCircles || mode > 2 || point_count != (ring ? 3 * n + 1 : 3 * n) ||
      circle_count != n + 1) {
    return kMsgInconsistentData;
  }
  if (tables.last_point + point_count > kLastPointLimit || tables.last_circle + circle_count > kLastCircleLimit) {
    return kMsgNoMoreRoom;
  }
  const int b = tables.last_point + 1;
  const bool hyperbolic = model.Hyperbolic;
  std::string inner_text = step.text[0];
  std::string outer_text = step.text[1];
  if (static_cast<std::int16_t>(step.operands[8]) >= 0) {
    const std::vector<std::string> parts = kernel::SplitCommaList(kernel::JoinConstructionText(step), 2);
    inner_text = parts[0];
    outer_text = parts[1];
  }
  const Real s = std::sin(kernel::Pi / n);
  Real r1 = 0;
  Real r2 = 0;
  int result = 0;
  const bool congruent_new = hyperbolic && mode == 2 && building;
  if (congruent_new) {
    const Real c = std::cos(2 * kernel::Pi / n);
    r1 = (std::log(c + std::sqrt(2 * c - 1)) - std::log(1 - c)) / 2;
  } else {
    result = EvaluateRadius(executors(), inner_text, r1);
  }
  if (result == 0) {
    if (ring) {
      r2 = r1;
    } else {
      result = EvaluateRadius(executors(), outer_text, r2);
    }
  }
  if (result == 0 && (r1 < kernel::SnapTolerance || r2 < kernel::SnapTolerance)) result = kMsgPositiveValue;
  if (result == 0 && hyperbolic && ring && r1 + kernel::NullTolerance + std::log(s) > 0) result = kMsgInconsistentData;
  if (result != 0) {
    AdjustTables(point_count, 0, circle_count);
    return result;
  }

  std::array<Point2, 3 * kMaxRingCircles + 2> v{};
  for (int k = 0; k < point_count; ++k) v[k] = tables.xy[b + k];
  if (building) {
    if (hyperbolic) {
      v[0] = {kernel::RandomBetween(static_cast<Real>(-0.3), static_cast<Real>(0.3)),
              kernel::RandomBetween(static_cast<Real>(-0.3), static_cast<Real>(0.3))};
    } else {
      v[0] = {view_centre.x + half_width * kernel::RandomBetween(static_cast<Real>(-0.1), static_cast<Real>(0.1)),
              view_centre.y + half_height * kernel::RandomBetween(static_cast<Real>(-0.1), static_cast<Real>(0.1))};
    }
    v[1] = 2 * v[0];
    if (congruent_new) step.text[0] = kernel::FormatLD(r1, 16, 14).substr(0, kernel::kConstructionTextFieldChars);
    if (hyperbolic && model.HalfPlane) {
      DiskToHalfPlane(v[0]);
      DiskToHalfPlane(v[1]);
    }
  }

  Real rho1 = r1;
  Real rho2 = r2;
  const Point2 q = v[0];
  if (hyperbolic) {
    TranslateToOrigin(model, q, v[1], false);
    v[0] = {0, 0};
    const Real e = std::exp(r1);
    rho1 = (e - 1) / (e + 1);
    if (ring) {
      rho2 = rho1 * s / (1 - s);
      r2 = (std::log(e - s) - r1 - std::log(1 - s * e)) / 2;
    } else {
      const Real big_e = std::exp(r1 + 2 * r2);
      rho2 = ((big_e - 1) / (big_e + 1) - rho1) / 2;
    }
  } else if (ring) {
    rho2 = rho1 * s / (1 - s);
  }
  const Real d = std::sqrt(rho1 * (rho1 + 2 * rho2));
  const std::array<Real, 3> radii{rho1, rho2, d};
  kernel::Kind169Plane2(std::span<Point2>(v.data(), 3 * n + 1), radii, n, ring);
  if (hyperbolic) {
    const Real e2 = std::exp(r1 + r2);
    const Real t = (e2 - 1) / (e2 + 1);
    const Real f = rho1 + rho2 > kernel::NullTolerance ? t / (rho1 + rho2) : 1;
    for (int k = n + 1; k <= 2 * n; ++k) v[k] = f * v[k];
    for (int k = 1; k < point_count; ++k) TranslateFromOrigin(model, q, v[k], false);
    v[0] = q;
  }
  for (int k = 0; k < point_count; ++k) tables.xy[b + k] = v[k];

  randomize_allowed = 1;
  ++figure_counter;
  tables.AddPoints(point_count, static_cast<std::int16_t>(figure_counter), building != 0, 1, 2);

  const kernel::LinePen pen{static_cast<std::uint16_t>(step.operands[4] + 1),
                            static_cast<std::uint16_t>(step.operands[5] + 1),
                            static_cast<std::uint16_t>(step.operands[6] + 1)};
  auto add_circle = [&](int centre, std::initializer_list<int> listed) {
    const int c = ++tables.last_circle;
    kernel::CircleRecord& circle = tables.circles[c];
    kernel::InitCircleRecord(circle, static_cast<std::uint16_t>(centre), -1, 360, -1, -1);
    circle.count = 0;
    for (int p : listed) circle.points[circle.count++] = static_cast<std::uint16_t>(p);
    circle.pen = pen;
    tables.circle_radius[c] = Distance(model, tables.xy[centre], tables.xy[circle.points[0]]);
  };
  {
    const int c = ++tables.last_circle;
    kernel::CircleRecord& inner = tables.circles[c];
    kernel::InitCircleRecord(inner, static_cast<std::uint16_t>(b), -1, 360, -1, -1);
    inner.count = static_cast<std::int16_t>(n);
    for (int k = 1; k <= n; ++k) inner.points[k - 1] = static_cast<std::uint16_t>(b + k);
    inner.pen = pen;
    tables.circle_radius[c] = Distance(model, tables.xy[b], tables.xy[b + 1]);
  }
  for (int k = 1; k <= n; ++k) {
    const int centre = b + n + k;
    if (ring) {
      add_circle(centre, {b + 2 * n + k, b + k, k == 1 ? b + 3 * n : b + 2 * n + k - 1});
    } else if (n == 1) {
      add_circle(centre, {b + 1});
    } else if (k == 1) {
      add_circle(centre, {b + 2 * n + 1, b + 1});
    } else if (k == n) {
      add_circle(centre, {b + n, b + 3 * n - 1});
    } else {
      add_circle(centre, {b + 2 * n + k, b + k, b + 2 * n + k - 1});
    }
  }

  if (out != nullptr) {
    std::vector<std::int16_t> items{6, static_cast<std::int16_t>(b), 6, static_cast<std::int16_t>(b + 1), '(', 6,
                                    static_cast<std::int16_t>(b + n + 1), 6, static_cast<std::int16_t>(b + 2 * n + 1),
                                    ',', '.', '.', '.', ',', 6, static_cast<std::int16_t>(b + 2 * n), 6,
                                    static_cast<std::int16_t>(b + point_count - 1), ')', ' ', '=', ' ', 5,
                                    static_cast<std::int16_t>(250 + mode), ' ', '(', 23, static_cast<std::int16_t>(n),
                                    ',', 1};
    if (ring) {
      items.push_back(')');
    } else {
      for (std::int16_t item : std::initializer_list<std::int16_t>{',', 2, ')', ' ', 30, 4}) items.push_back(item);
    }
    items.push_back(kTemplateEnd);
    ExpandTemplate(out, items);
  }
  return 0;
}

}  // namespace engine
