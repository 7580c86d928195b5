#include "kernel/conic_sampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "kernel/segment_clip.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kAsymptoteCos = static_cast<Real>(1e-16);

bool InBox(const Box2& b, const Point2& p) {
  return p.x >= b.xmin && p.x <= b.xmax && p.y >= b.ymin && p.y <= b.ymax;
}

}  // namespace

void SampleCentralConic(const ConicAxes& axes, bool ellipse, std::vector<CurveSample>& out) {
  out.clear();
  const Real delta = 2 * std::numbers::pi_v<Real> / kCentralConicSteps;
  const Real cd = std::cos(delta);
  const Real sd = std::sin(delta);
  Real c = 1;
  Real s = 0;
  const Point2& m = axes[0];
  const Point2& u = axes[1];
  const Point2& v = axes[2];
  for (int k = 0; k <= kCentralConicSteps; ++k) {
    if (ellipse) {
      out.push_back({m + c * u + s * v, false});
    } else if (std::fabs(c) < kAsymptoteCos) {
      out.push_back({m, true});
    } else {
      out.push_back({m + (u + s * v) * (1 / c), false});
    }
    const Real cn = c * cd - s * sd;
    s = s * cd + c * sd;
    // A change of sign of the cosine crosses an asymptote: the pen lifts.
    if (!ellipse && k < kCentralConicSteps && (cn < 0) != (c < 0)) out.push_back({m, true});
    c = cn;
  }
}

void SampleParabola(const Point2& focus, const Point2& d1, const Point2& d2, const Box2& box,
                    std::vector<CurveSample>& out) {
  out.clear();
  const Point2 dir = d2 - d1;
  const Real len = std::sqrt(Dot2(dir, dir));
  if (!(len > NullTolerance)) return;
  const Point2 along = dir * (1 / len);
  const Point2 normal{-along.y, along.x};
  // F must lie off the directrix.
  const Real h = Dot2(focus - d1, normal);
  if (std::fabs(h) < NullTolerance) return;
  const Point2 centre{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
  const Point2 foot = d1 + Dot2(centre - d1, along) * along;
  const Real reach = std::max(Dist2(foot, Point2{box.xmin, box.ymin}), Dist2(foot, Point2{box.xmax, box.ymin}));
  const Real reach2 = std::max(Dist2(foot, Point2{box.xmin, box.ymax}), Dist2(foot, Point2{box.xmax, box.ymax}));
  const Real r = std::max(reach, reach2);
  const Point2 start = foot - r * along;
  for (int k = 0; k <= kParabolaSteps; ++k) {
    const Point2 d = start + (2 * r * static_cast<Real>(k) / kParabolaSteps) * along;
    // On the perpendicular at D, the point as far from D as from F: D + t n with
    // t = |F - D|^2 / (2 (F - D).n).
    const Point2 fd = focus - d;
    const Real t = Dot2(fd, fd) / (2 * Dot2(fd, normal));
    if (!std::isfinite(t)) {
      out.push_back({d, true});
      continue;
    }
    out.push_back({d + t * normal, false});
  }
}

void VisibleRuns(std::span<const CurveSample> samples, const Box2& box, std::vector<std::vector<Point2>>& runs,
                 bool closed) {
  runs.clear();
  std::vector<Point2> run;
  bool joined = false;  // the run ends at the last sample, unclipped
  const auto flush = [&] {
    if (run.size() >= 2) runs.push_back(run);
    run.clear();
    joined = false;
  };
  for (std::size_t i = 1; i < samples.size(); ++i) {
    const CurveSample& a = samples[i - 1];
    const CurveSample& b = samples[i];
    if (a.brk || b.brk) {
      flush();
      continue;
    }
    Point2 p = a.p;
    Point2 q = b.p;
    if (!ClipSegment(box.xmin, box.xmax, box.ymin, box.ymax, p, q, false)) {
      flush();
      continue;
    }
    if (!(joined && InBox(box, a.p))) {
      flush();
      run.push_back(p);
    }
    run.push_back(q);
    joined = InBox(box, b.p);
    if (!joined) flush();
  }
  const bool endsAtLast = joined;
  flush();
  // A closed curve whose start lies in the box: its last run goes on into its first.
  if (closed && endsAtLast && runs.size() >= 2 && !samples.empty() && !samples.front().brk &&
      InBox(box, samples.front().p)) {
    std::vector<Point2>& last = runs.back();
    last.insert(last.end(), runs.front().begin() + 1, runs.front().end());
    runs.front() = std::move(last);
    runs.pop_back();
  }
}

}  // namespace kernel
