// A solid of the polyhedron library built from its unit-edge tables.
#include "solid/library_polyhedron.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "kernel/observer_placement.h"
#include "kernel/vector3.h"
#include "solid/library_constants.h"
#include "solid/solid_step.h"

namespace solid {

namespace {

// An edge shorter than this makes no solid.
constexpr Real kShortestEdge = static_cast<Real>(1e-16);
constexpr int kStringEdgeLength = 700;
constexpr int kNamesShown = 12;
// The most vertices a library solid has.
constexpr int kMostLibraryVertices = 120;

// "ABCD = regular tetrahedron; edge length 1.00", and "-[...]" around the name of a step with the
// flag byte set (a mirror image). The placeholders take the point count and the solid's name.
constexpr std::array<std::int16_t, 15> kDescription{25, 0, kNamesShown, ' ', '=', ' ', 5, 0, ';', ' ',
                                                    5, kStringEdgeLength, ' ', 1, engine::kTemplateEnd};
constexpr std::array<std::int16_t, 18> kMirrorDescription{25, 0, kNamesShown, ' ', '=', ' ', '-', '[', 5, 0,
                                                          ']', ';', ' ', 5, kStringEdgeLength, ' ', 1,
                                                          engine::kTemplateEnd};
constexpr std::size_t kCountItem = 1;
constexpr std::size_t kNameItem = 7;
constexpr std::size_t kMirrorNameItem = 9;

// Vertex i of the table scaled by t.
Point3 TableVertex(const LibraryVertexTable& table, int i, Real t) {
  const auto w = table.subspan(1 + 3 * static_cast<std::size_t>(i), 3);
  return {t * LibraryTableValue(w[0]), t * LibraryTableValue(w[1]), t * LibraryTableValue(w[2])};
}

// The colour of each face in turn from colour runs {length, colour}, ended by a length of 0 or
// less; faces after the last run keep colour 1.
class ColourRunWalker {
 public:
  explicit ColourRunWalker(LibraryColorRuns runs) : runs_(runs) { Enter(0); }

  std::uint16_t Next() {
    while (left_ == 0 && run_ + 2 < runs_.size() && runs_[run_] > 0) Enter(run_ + 2);
    if (left_ == 0) return 1;
    --left_;
    return colour_;
  }

 private:
  void Enter(std::size_t run) {
    run_ = run;
    const bool valid = run + 1 < runs_.size() && runs_[run] > 0;
    left_ = valid ? runs_[run] : 0;
    colour_ = valid ? static_cast<std::uint16_t>(runs_[run + 1]) : 1;
  }

  LibraryColorRuns runs_;
  std::size_t run_ = 0;
  int left_ = 0;
  std::uint16_t colour_ = 1;
};

// The one colour of "all faces same" (parameter 6 = colour + 1, colours 0 to 59), else -1.
int UniformColour(Real parameter) {
  const Real g = std::trunc(parameter - 1);
  return g >= 0 && g <= 59 ? static_cast<int>(g) : -1;
}

bool TablesHold(const LibrarySolid& solid, int n, int f) {
  return n >= 1 && n <= kMostLibraryVertices && f >= 0 && solid.vertexTable.size() >= 1 + 3 * static_cast<std::size_t>(n);
}

}  // namespace

int BuildLibrarySolid(engine::StepEngine& engine, ModelTables& model, const LibrarySolid& solid,
                      const NewSolidView& view, std::string* out) {
  const LibraryFaceTable faces = solid.faceTable;
  const int n = faces.size() >= 2 ? faces[0] : 0;
  const int f = faces.size() >= 2 ? faces[1] : 0;
  if (!TablesHold(solid, n, f)) return engine::kMsgInconsistentData;

  SolidStep step(engine, model, {n, f, 0});
  if (const int code = step.Begin(); code != 0) return code;
  const kernel::ConstructionRecord& record = step.record();
  engine::FigureTables& t = step.tables();

  // Whatever keeps the edge text from giving a number, the user is told it was not understood.
  Real a = 0;
  int code = step.Evaluate(0, a) != 0 ? engine::kMsgCannotUnderstand : 0;
  if (code == 0 && !(a >= kShortestEdge && std::isfinite(a))) code = engine::kMsgOutOfBounds;
  const std::uint16_t centreOperand = record.operands[0];
  const int centre = centreOperand == kernel::kNoOperand ? -1 : centreOperand;
  if (centre >= 0 && !t.PointExists(centre)) code = engine::kMsgCouldNotFind;
  if (code != 0) return step.Fail(code);

  // A point reflection through the table's origin makes the mirror image.
  const bool mirror = solid.chiral && record.flag != 0;
  const Real scale = mirror ? -a : a;
  std::array<Point3, kMostLibraryVertices> vertices;
  Point3 sum{0, 0, 0};
  for (int i = 0; i < n; ++i) {
    vertices[static_cast<std::size_t>(i)] = TableVertex(solid.vertexTable, i, scale);
    sum = sum + vertices[static_cast<std::size_t>(i)];
  }
  const Point3 centroid = (static_cast<Real>(1.0) / n) * sum;

  const int last = t.last_point;
  Point3 shift;
  if (centre >= 0) {
    // Older steps subtract the centroid of the unscaled table.
    const Point3 unscaled{centroid.x / scale, centroid.y / scale, centroid.z / scale};
    shift = t.xyz[centre] - (record.operands[1] == kNewFormatMarker ? centroid : unscaled);
  } else if (step.building()) {
    const Real s = a * LibraryTableValue(solid.vertexTable[0]);
    shift = kernel::PlaceNewSolid(last < 0, view.boxMin, view.boxMax, view.viewCentre, view.observer, {-s, -s, -s},
                                  {s, s, s});
  } else {
    shift = t.xyz[last + 1] - vertices[0];
  }

  const std::uint16_t tag = centre >= 0 ? static_cast<std::uint16_t>(t.attrs[centre].tag) : step.NewSolidTag();
  for (int i = 0; i < n; ++i) {
    if (step.AddPoint(vertices[static_cast<std::size_t>(i)] + shift, tag) < 0) {
      return step.Fail(engine::kMsgNoMoreRoom);
    }
  }

  const int uniform = UniformColour(record.parameters[5]);
  ColourRunWalker runs(uniform >= 0 ? LibraryColorRuns{} : solid.colorRuns);
  std::array<std::uint16_t, kernel::kFaceVertexCapacity> list{};
  std::size_t pos = 2;
  for (int j = 0; j < f; ++j) {
    const int k = pos < faces.size() ? faces[pos] : 0;
    if (k < 2 || k > kernel::kFaceVertexCapacity || pos + 1 + static_cast<std::size_t>(k) > faces.size()) {
      return step.Fail(engine::kMsgInconsistentData);
    }
    for (int v = 0; v < k; ++v) {
      const int number = faces[pos + 1 + static_cast<std::size_t>(v)];
      if (number < 1 || number > n) return step.Fail(engine::kMsgInconsistentData);
      list[static_cast<std::size_t>(v)] = static_cast<std::uint16_t>(last + number);
    }
    pos += 1 + static_cast<std::size_t>(k);
    const std::uint16_t colour = uniform >= 0 ? static_cast<std::uint16_t>(uniform) : runs.Next();
    step.AddFace(std::span(list).first(static_cast<std::size_t>(k)), colour);
  }

  if (out == nullptr) return 0;
  if (record.flag != 0) {
    std::array<std::int16_t, kMirrorDescription.size()> items = kMirrorDescription;
    items[kCountItem] = static_cast<std::int16_t>(n);
    items[kMirrorNameItem] = static_cast<std::int16_t>(solid.code);
    step.Describe(out, items);
  } else {
    std::array<std::int16_t, kDescription.size()> items = kDescription;
    items[kCountItem] = static_cast<std::int16_t>(n);
    items[kNameItem] = static_cast<std::int16_t>(solid.code);
    step.Describe(out, items);
  }
  return 0;
}

int LibraryPolyhedronStep(engine::StepEngine& engine, ModelTables& model, int code, const NewSolidView& view,
                          std::string* out) {
  const LibrarySolid* solid = FindLibrarySolid(code);
  if (solid == nullptr) return engine::kMsgNothingToDo;
  return BuildLibrarySolid(engine, model, *solid, view, out);
}

bool IsConvexLibraryCode(int kind) {
  return !((kind >= 335 && kind <= 339) || (kind >= 346 && kind <= 350) || (kind >= 593 && kind <= 599));
}

}  // namespace solid
