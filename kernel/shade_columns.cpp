#include "kernel/shade_columns.h"

#include <cmath>

namespace kernel {

namespace {

constexpr Real kLevel = static_cast<Real>(1e-13);
constexpr Real kBreakGap = static_cast<Real>(0.0001);

bool Level(Real a, Real b) { return std::fabs(a - b) <= kLevel; }

// The chain without the points at its ends that lie level with their neighbours, so that it starts
// and ends with a step in x; false when nothing of it is left.
bool TrimChain(std::vector<Point2>& chain) {
  std::size_t first = 0;
  while (first + 1 < chain.size() && Level(chain[first + 1].x, chain[first].x)) ++first;
  std::size_t last = chain.size() - 1;
  while (last > first && Level(chain[last - 1].x, chain[last].x)) --last;
  if (last <= first) return false;
  chain.erase(chain.begin() + static_cast<std::ptrdiff_t>(last + 1), chain.end());
  chain.erase(chain.begin(), chain.begin() + static_cast<std::ptrdiff_t>(first));
  return true;
}

// The y of the edge from a to b at x; the far end's y for an edge with no width.
Real YOnEdge(const Point2& a, const Point2& b, Real x) {
  if (std::fabs(b.x - a.x) < kLevel) return b.y;
  return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

}  // namespace

bool ShadeColumns(std::span<const Point2> outline, std::vector<ShadeColumn>& columns) {
  columns.clear();
  const std::size_t n = outline.size();
  if (n < 3) return false;
  auto at = [&outline, n](std::size_t i) -> const Point2& { return outline[i % n]; };

  std::size_t start = 0;
  Real xmin = outline[0].x;
  Real xmax = outline[0].x;
  for (std::size_t i = 1; i < n; ++i) {
    if (outline[i].x < xmin) {
      xmin = outline[i].x;
      start = i;
    }
    if (outline[i].x > xmax) xmax = outline[i].x;
  }
  if (!(xmax >= xmin + kLevel)) return false;

  // From the leftmost point rightwards as long as x does not fall, to the rightmost point; from
  // there leftwards as long as x does not rise; what is left must lie at the left edge.
  std::size_t i = start;
  std::size_t forward = 0;
  while (forward < n && at(i + 1).x > at(i).x - kLevel) {
    ++i;
    ++forward;
  }
  if (!Level(at(i).x, xmax)) return false;
  std::size_t j = i;
  std::size_t back = 0;
  while (back < n && at(j + 1).x < at(j).x + kLevel) {
    ++j;
    ++back;
  }
  for (std::size_t k = j + 1; k < start + n; ++k)
    if (!Level(at(k).x, xmin)) return false;

  std::vector<Point2> first;
  for (std::size_t k = start; k <= start + forward; ++k) first.push_back(at(k));
  std::vector<Point2> second;
  for (std::size_t k = start + forward + back + 1; k-- > start + forward;) second.push_back(at(k));
  if (!TrimChain(first) || !TrimChain(second)) return false;

  // Walked counter-clockwise, the rightward chain is the lower boundary.
  Real twiceArea = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const Point2& p = outline[k];
    const Point2& q = at(k + 1);
    twiceArea += p.x * q.y - q.x * p.y;
  }
  const std::vector<Point2>& lower = twiceArea > 0 ? first : second;
  const std::vector<Point2>& upper = twiceArea > 0 ? second : first;

  std::size_t li = 0;
  std::size_t ui = 0;
  columns.push_back({lower[0].x, lower[0].y, upper[0].y, false});
  while (true) {
    const bool moreLower = li + 1 < lower.size();
    const bool moreUpper = ui + 1 < upper.size();
    if (!moreLower && !moreUpper) break;
    ShadeColumn c;
    if (moreLower && moreUpper && Level(lower[li + 1].x, upper[ui + 1].x)) {
      c = {lower[li + 1].x, lower[li + 1].y, upper[ui + 1].y, false};
      ++li;
      ++ui;
    } else if (moreUpper && (!moreLower || upper[ui + 1].x < lower[li + 1].x)) {
      const Real x = upper[ui + 1].x;
      c = {x, moreLower ? YOnEdge(lower[li], lower[li + 1], x) : lower[li].y, upper[ui + 1].y, false};
      ++ui;
    } else {
      const Real x = lower[li + 1].x;
      c = {x, lower[li + 1].y, moreUpper ? YOnEdge(upper[ui], upper[ui + 1], x) : upper[ui].y, false};
      ++li;
    }
    columns.push_back(c);
  }
  for (std::size_t k = 0; k < columns.size(); ++k) {
    if (!(columns[k].lower <= columns[k].upper + kLevel)) {
      columns.clear();
      return false;
    }
    if (k + 1 < columns.size() && columns[k + 1].x < columns[k].x + kBreakGap) columns[k].breakAfter = true;
  }
  return true;
}

}  // namespace kernel
