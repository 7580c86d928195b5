#include "kernel/segment_clip.h"

#include <cmath>
#include <initializer_list>

namespace kernel {

namespace {

// The points met along the segment, in ascending parameter; at most the two ends and four sides.
class Crossings {
 public:
  explicit Crossings(bool force) : force_(force) {}

  // A crossing outside 0..1 is dropped unless force is on. A new crossing goes before the first
  // one whose parameter is at least its own, but never before a first one of the same parameter.
  void Insert(const Point2& point, Real t) {
    if (!force_ && (t < 0 || t > 1)) return;
    int at = 0;
    if (count_ > 0 && !(t < entries_[0].t)) {
      at = 1;
      while (at < count_ && entries_[at].t < t) ++at;
    }
    for (int i = count_; i > at; --i) entries_[i] = entries_[i - 1];
    entries_[at] = {point, t};
    ++count_;
  }
  bool empty() const { return count_ == 0; }
  const Point2& first() const { return entries_[0].point; }
  const Point2& last() const { return entries_[count_ - 1].point; }

 private:
  struct Entry {
    Point2 point;
    Real t = 0;
  };
  bool force_;
  int count_ = 0;
  Entry entries_[6];
};

bool InBox(const Point2& p, Real xmin, Real xmax, Real ymin, Real ymax) {
  return p.x >= xmin && p.x <= xmax && p.y >= ymin && p.y <= ymax;
}

}  // namespace

bool ClipSegment(Real xmin, Real xmax, Real ymin, Real ymax, Point2& p, Point2& q, bool force) {
  const bool pIn = InBox(p, xmin, xmax, ymin, ymax);
  const bool qIn = InBox(q, xmin, xmax, ymin, ymax);
  if (pIn && qIn && !force) return true;

  Crossings crossings(force);
  if (pIn) crossings.Insert(p, 0);
  const Real dx = q.x - p.x;
  const Real dy = q.y - p.y;
  if (std::fabs(dx) > NullTolerance) {
    for (const Real side : {xmax, xmin}) {
      const Real t = (side - p.x) / dx;
      const Real y = p.y + dy * t;
      if (y >= ymin && y <= ymax) crossings.Insert({side, y}, t);
    }
  }
  if (std::fabs(dy) > NullTolerance) {
    for (const Real side : {ymax, ymin}) {
      const Real t = (side - p.y) / dy;
      const Real x = p.x + dx * t;
      if (x >= xmin && x <= xmax) crossings.Insert({x, side}, t);
    }
  }
  if (crossings.empty()) return false;
  if (qIn) crossings.Insert(q, 1);
  const Point2 first = crossings.first();
  const Point2 last = crossings.last();
  p = first;
  q = last;
  return true;
}

}  // namespace kernel
