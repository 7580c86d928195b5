#include "kernel/hyperbolic_tiling.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace kernel {

namespace {

using Complex = std::complex<Real>;

constexpr Real kPi = static_cast<Real>(3.141592653589793238462643383279502884L);
// A vertex this close to the disk's rim is finer than any view shows: its triangles are left out.
constexpr Real kRimMargin = static_cast<Real>(5e-4);
// Images closer than this (sum of coordinate differences) are one vertex.
constexpr Real kSameVertex = static_cast<Real>(1e-9);
constexpr Real kGridCell = static_cast<Real>(1e-4);
// Two sides leave a vertex in opposite directions when their angles differ from pi by less.
constexpr Real kOppositeSlack = static_cast<Real>(1e-7);
// More layers than this would overflow any table long before.
constexpr int kLayerCap = 12;

Complex ToComplex(const Point2& p) { return {p.x, p.y}; }
Point2 ToPoint(const Complex& z) { return {z.real(), z.imag()}; }

// z turned about c by the unit number `turn`, as a motion of the disk.
Complex TurnAbout(const Complex& z, const Complex& c, const Complex& turn) {
  const Complex w = turn * (z - c) / (static_cast<Real>(1) - std::conj(c) * z);
  return (w + c) / (static_cast<Real>(1) + std::conj(c) * w);
}

// The direction at v of the geodesic from v towards w.
Real DirectionAt(const Point2& v, const Point2& w) {
  const Complex cv = ToComplex(v);
  const Complex cw = ToComplex(w);
  return std::arg((cw - cv) / (static_cast<Real>(1) - std::conj(cv) * cw));
}

std::int64_t CellKey(std::int64_t gx, std::int64_t gy) { return gx * 1000003 + gy; }

class Builder {
 public:
  Builder(const std::array<int, 3>& orders, HyperbolicTiling& out) : orders_(orders), t_(out) {}

  int FindOrAdd(const Complex& z, std::uint8_t type) {
    const auto gx = static_cast<std::int64_t>(std::floor(z.real() / kGridCell));
    const auto gy = static_cast<std::int64_t>(std::floor(z.imag() / kGridCell));
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
      for (std::int64_t dy = -1; dy <= 1; ++dy) {
        const auto found = grid_.find(CellKey(gx + dx, gy + dy));
        if (found == grid_.end()) continue;
        for (const std::uint32_t i : found->second) {
          const Point2& p = t_.points[i];
          if (std::fabs(p.x - z.real()) + std::fabs(p.y - z.imag()) < kSameVertex) return static_cast<int>(i);
        }
      }
    }
    const auto i = static_cast<std::uint32_t>(t_.points.size());
    t_.points.push_back(ToPoint(z));
    t_.types.push_back(type);
    incident_.emplace_back();
    grid_[CellKey(gx, gy)].push_back(i);
    return static_cast<int>(i);
  }

  void AddTriangle(std::array<std::uint16_t, 3> v, std::uint8_t filled) {
    std::array<std::uint16_t, 3> key = v;
    std::sort(key.begin(), key.end());
    const std::uint64_t packed = (static_cast<std::uint64_t>(key[0]) << 32) | (static_cast<std::uint64_t>(key[1]) << 16) | key[2];
    if (!triangleKeys_.insert(packed).second) return;
    const auto index = static_cast<std::uint32_t>(t_.triangles.size());
    t_.triangles.push_back(v);
    t_.filled.push_back(filled);
    for (const std::uint16_t p : v) incident_[p].push_back(index);
  }

  // Completes the fan of triangles about vertex v: its triangles turned by every rotation its
  // angle allows. False when the point table would overflow.
  bool CompleteFan(int v, int maxPoints) {
    const int k = orders_[t_.types[static_cast<std::size_t>(v)]];
    const std::vector<std::uint32_t> around = incident_[static_cast<std::size_t>(v)];
    const Complex centre = ToComplex(t_.points[static_cast<std::size_t>(v)]);
    for (int m = 1; m < k; ++m) {
      const Complex turn = std::polar(static_cast<Real>(1), 2 * kPi * m / k);
      for (const std::uint32_t ti : around) {
        const std::array<std::uint16_t, 3> source = t_.triangles[ti];
        std::array<Complex, 3> images{};
        bool inside = true;
        for (int j = 0; j < 3; ++j) {
          images[j] = source[j] == v ? centre : TurnAbout(ToComplex(t_.points[source[j]]), centre, turn);
          if (static_cast<Real>(1) - std::abs(images[j]) < kRimMargin) inside = false;
        }
        if (!inside) continue;
        std::array<std::uint16_t, 3> image{};
        for (int j = 0; j < 3; ++j) {
          const int p = source[j] == v ? v : FindOrAdd(images[j], t_.types[source[j]]);
          if (static_cast<int>(t_.points.size()) > maxPoints) return false;
          image[j] = static_cast<std::uint16_t>(p);
        }
        AddTriangle(image, t_.filled[ti]);
      }
    }
    return true;
  }

  // Drops every point and triangle from the given counts on.
  void Truncate(std::size_t points, std::size_t triangles) {
    t_.points.resize(points);
    t_.types.resize(points);
    t_.triangles.resize(triangles);
    t_.filled.resize(triangles);
    incident_.resize(points);
    for (auto& list : incident_) {
      list.erase(std::remove_if(list.begin(), list.end(), [&](std::uint32_t i) { return i >= triangles; }), list.end());
    }
    grid_.clear();
    for (std::uint32_t i = 0; i < points; ++i) {
      const Point2& p = t_.points[i];
      grid_[CellKey(static_cast<std::int64_t>(std::floor(p.x / kGridCell)), static_cast<std::int64_t>(std::floor(p.y / kGridCell)))]
          .push_back(i);
    }
    triangleKeys_.clear();
    for (const auto& v : t_.triangles) {
      std::array<std::uint16_t, 3> key = v;
      std::sort(key.begin(), key.end());
      triangleKeys_.insert((static_cast<std::uint64_t>(key[0]) << 32) | (static_cast<std::uint64_t>(key[1]) << 16) | key[2]);
    }
  }

  // The mirror lines: edges that go on straight through a vertex are one side.
  void BuildSides(int p, int maxSidePoints) {
    std::vector<std::pair<std::uint16_t, std::uint16_t>> edges;
    std::unordered_map<std::uint32_t, int> edgeIndex;
    std::vector<std::vector<int>> at(t_.points.size());
    auto addEdge = [&](std::uint16_t a, std::uint16_t b) {
      const std::uint32_t key = a < b ? (static_cast<std::uint32_t>(a) << 16) | b : (static_cast<std::uint32_t>(b) << 16) | a;
      if (edgeIndex.contains(key)) return;
      edgeIndex[key] = static_cast<int>(edges.size());
      at[a].push_back(static_cast<int>(edges.size()));
      at[b].push_back(static_cast<int>(edges.size()));
      edges.emplace_back(a, b);
    };
    // The star's sides first: from the centre to each star vertex, then around the star.
    for (int k = 1; k <= 2 * p; ++k) addEdge(0, static_cast<std::uint16_t>(k));
    for (int k = 1; k <= 2 * p; ++k) addEdge(static_cast<std::uint16_t>(k), static_cast<std::uint16_t>(k % (2 * p) + 1));
    for (const auto& tri : t_.triangles) {
      addEdge(tri[0], tri[1]);
      addEdge(tri[1], tri[2]);
      addEdge(tri[2], tri[0]);
    }
    auto other = [&](int e, int v) { return edges[e].first == v ? edges[e].second : edges[e].first; };
    // The edge that continues e straight on through its end v, or -1.
    std::unordered_map<std::uint64_t, int> onward;
    for (std::size_t v = 0; v < at.size(); ++v) {
      const auto& list = at[v];
      std::vector<Real> angle(list.size());
      for (std::size_t i = 0; i < list.size(); ++i) {
        angle[i] = DirectionAt(t_.points[v], t_.points[static_cast<std::size_t>(other(list[i], static_cast<int>(v)))]);
      }
      for (std::size_t i = 0; i < list.size(); ++i) {
        for (std::size_t j = i + 1; j < list.size(); ++j) {
          const Real turn = std::fabs(std::remainder(angle[i] - angle[j], 2 * kPi));
          if (std::fabs(turn - kPi) < kOppositeSlack) {
            onward[(static_cast<std::uint64_t>(list[i]) << 16) | v] = list[j];
            onward[(static_cast<std::uint64_t>(list[j]) << 16) | v] = list[i];
          }
        }
      }
    }
    auto next = [&](int e, int v) {
      const auto found = onward.find((static_cast<std::uint64_t>(e) << 16) | static_cast<std::uint64_t>(v));
      return found == onward.end() ? -1 : found->second;
    };
    std::vector<std::uint8_t> used(edges.size(), 0);
    t_.sides.clear();
    for (std::size_t e0 = 0; e0 < edges.size(); ++e0) {
      if (used[e0]) continue;
      // Back to the first edge of the line, then along it.
      int e = static_cast<int>(e0);
      int v = edges[e0].first;
      for (std::size_t guard = 0; guard < edges.size(); ++guard) {
        const int before = next(e, v);
        if (before < 0 || used[static_cast<std::size_t>(before)]) break;
        v = other(before, v);
        e = before;
        if (e == static_cast<int>(e0)) break;
      }
      std::vector<std::uint16_t> line{static_cast<std::uint16_t>(v)};
      while (e >= 0 && !used[static_cast<std::size_t>(e)]) {
        used[static_cast<std::size_t>(e)] = 1;
        v = other(e, v);
        line.push_back(static_cast<std::uint16_t>(v));
        e = next(e, v);
      }
      // A long line in pieces that share their meeting vertex.
      for (std::size_t start = 0; start + 1 < line.size(); start += static_cast<std::size_t>(maxSidePoints - 1)) {
        const std::size_t end = std::min(line.size(), start + static_cast<std::size_t>(maxSidePoints));
        t_.sides.emplace_back(line.begin() + static_cast<std::ptrdiff_t>(start), line.begin() + static_cast<std::ptrdiff_t>(end));
      }
    }
  }

 private:
  std::array<int, 3> orders_;
  HyperbolicTiling& t_;
  std::vector<std::vector<std::uint32_t>> incident_;
  std::unordered_map<std::int64_t, std::vector<std::uint32_t>> grid_;
  std::unordered_set<std::uint64_t> triangleKeys_;
};

}  // namespace

bool IsHyperbolicTriangleGroup(int p, int q, int r) {
  if (p < 2 || q < 2 || r < 2) return false;
  // 1/p + 1/q + 1/r < 1 in integers.
  return static_cast<long long>(q) * r + static_cast<long long>(p) * r + static_cast<long long>(p) * q <
         static_cast<long long>(p) * q * r;
}

bool TriangleGroupOrdersInBounds(int p, int q, int r) {
  return p >= kMinTriangleGroupOrder && p <= kMaxTriangleGroupOrder && q >= kMinTriangleGroupOrder &&
         q <= kMaxTriangleGroupOrder && r >= kMinTriangleGroupOrder && r <= kMaxTriangleGroupOrder;
}

bool TriangleGroupTooLargeToDraw(int p, int q, int r) {
  const int qr = q + r;
  if (p >= 8) return qr >= 13;
  if (p == 7) return qr > 13;
  if (p == 6) return qr > 14;
  return qr > 15;
}

std::array<Real, 2> FundamentalRadii(int p, int q, int r) {
  const Real a = kPi / p;
  const Real b = kPi / q;
  const Real c = kPi / r;
  // The angle form of the law of cosines gives each side from the angles; the vertex of angle b
  // lies across from c, and the vertex of angle c across from b.
  const Real toB = std::acosh((std::cos(c) + std::cos(a) * std::cos(b)) / (std::sin(a) * std::sin(b)));
  const Real toC = std::acosh((std::cos(b) + std::cos(a) * std::cos(c)) / (std::sin(a) * std::sin(c)));
  return {std::tanh(toB / 2), std::tanh(toC / 2)};
}

bool BuildHyperbolicTiling(int p, int q, int r, int layers, const TilingLimits& limits, HyperbolicTiling& out) {
  out = {};
  if (!IsHyperbolicTriangleGroup(p, q, r) || 2 * p + 1 > limits.maxPoints || 2 * p + 1 > 65535) return false;
  Builder builder({p, q, r}, out);
  const std::array<Real, 2> radii = FundamentalRadii(p, q, r);
  builder.FindOrAdd({0, 0}, 0);
  for (int i = 0; i < p; ++i) {
    builder.FindOrAdd(std::polar(radii[0], 2 * kPi * i / p), 1);
    builder.FindOrAdd(std::polar(radii[1], 2 * kPi * i / p + kPi / p), 2);
  }
  for (int i = 0; i < p; ++i) {
    const auto b = static_cast<std::uint16_t>(2 * i + 1);
    const auto c = static_cast<std::uint16_t>(2 * i + 2);
    const auto nextB = static_cast<std::uint16_t>(2 * ((i + 1) % p) + 1);
    builder.AddTriangle({0, b, c}, 1);
    builder.AddTriangle({0, c, nextB}, 0);
  }
  // Each layer of the figure turned about its ring reaches about twice as far: its fans of
  // triangles grow by as many rings as the figure had.
  const int fanLayers = (1 << std::clamp(layers, 0, kLayerCap)) - 1;
  std::vector<std::pair<std::size_t, std::size_t>> layerStarts;
  std::size_t ringBegin = 1;
  for (int layer = 0; layer < fanLayers; ++layer) {
    const std::size_t points = out.points.size();
    const std::size_t triangles = out.triangles.size();
    bool fits = true;
    for (std::size_t v = ringBegin; v < points && fits; ++v) fits = builder.CompleteFan(static_cast<int>(v), limits.maxPoints);
    if (!fits) {
      builder.Truncate(points, triangles);
      break;
    }
    if (out.points.size() == points) break;
    layerStarts.emplace_back(points, triangles);
    ringBegin = points;
  }
  builder.BuildSides(p, limits.maxSidePoints);
  while (static_cast<int>(out.sides.size()) > limits.maxSides && !layerStarts.empty()) {
    builder.Truncate(layerStarts.back().first, layerStarts.back().second);
    layerStarts.pop_back();
    builder.BuildSides(p, limits.maxSidePoints);
  }
  return static_cast<int>(out.sides.size()) <= limits.maxSides;
}

}  // namespace kernel
