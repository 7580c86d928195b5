#include "solid/surface_description.h"

#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace solid {

namespace {

// Template codes of StepEngine::ExpandTemplate.
constexpr std::int16_t kWord = 5;
constexpr std::int16_t kName = 6;
constexpr std::int16_t kNumber = 31;
constexpr std::size_t kExpandLimit = 1000;

constexpr std::int16_t kWordParabola = 166;
constexpr std::int16_t kWordEllipse = 165;
constexpr std::int16_t kWordHyperbola = 167;
constexpr std::int16_t kWordRadius = 169;
constexpr std::int16_t kWordCenter = 171;
constexpr std::int16_t kWordSegment = 189;
constexpr std::int16_t kWordCircle = 201;
constexpr std::int16_t kWordIntersect = 203;
constexpr std::int16_t kWordPerpTo = 210;
constexpr std::int16_t kWordPlaneNormal = 653;
constexpr std::int16_t kWordVertices = 733;
constexpr std::int16_t kWordVertex = 735;
constexpr std::int16_t kWordHeight = 741;
constexpr std::int16_t kWordSphere = 744;
constexpr std::int16_t kWordHemisphere = 745;
constexpr std::int16_t kWordLatitude = 746;
constexpr std::int16_t kWordLongitude = 747;
constexpr std::int16_t kWordDisk = 748;
constexpr std::int16_t kWordCylinder = 750;
constexpr std::int16_t kWordAxis = 763;
constexpr std::int16_t kWordFrustum = 764;
constexpr std::int16_t kWordCone = 765;
constexpr std::int16_t kWordMeridian = 766;
constexpr std::int16_t kWordGreatCircle = 767;
constexpr std::int16_t kWordFocus = 821;

// The template of one line, built item by item.
class LineTemplate {
 public:
  LineTemplate& Word(std::int16_t id) { return Add({kWord, id}); }
  LineTemplate& Name(std::int16_t point) { return Add({kName, point}); }
  LineTemplate& Number(std::int16_t k) { return Add({kNumber, k}); }
  LineTemplate& Text(std::string_view s) {
    for (char c : s) items_.push_back(static_cast<std::int16_t>(c));
    return *this;
  }
  std::vector<std::int16_t>& Finish() {
    items_.push_back(engine::kTemplateEnd);
    return items_;
  }

 private:
  LineTemplate& Add(std::initializer_list<std::int16_t> codes) {
    items_.insert(items_.end(), codes);
    return *this;
  }
  std::vector<std::int16_t> items_;
};

// The rim point of the base disk that follows a cylinder, cone or frustum record; none when the
// table ends first.
std::int16_t RimOfFollowingDisk(const engine::SolidTables& solid, int i, int k) {
  const int j = i + k;
  return j <= solid.last_surface && j < static_cast<int>(solid.surfaces.size())
             ? solid.surfaces[static_cast<std::size_t>(j)].points[2]
             : std::int16_t{-1};
}

}  // namespace

std::string DescribeSurface(engine::StepEngine& engine, int i, std::size_t maxLen) {
  const engine::SolidTables& solid = engine.solid;
  if (i < 0 || i > solid.last_surface || i >= static_cast<int>(solid.surfaces.size())) return {};
  const kernel::SurfaceRecord& s = solid.surfaces[static_cast<std::size_t>(i)];
  const auto [p0, p1, p2, p3] = s.points;
  LineTemplate t;
  switch (s.kind) {
    case kernel::kSurfaceCylinder:
    case kernel::kSurfaceCone:
      t.Word(s.kind == kernel::kSurfaceCone ? kWordCone : kWordCylinder).Text(" (").Word(kWordAxis).Text(" ");
      t.Name(p0)
          .Name(p1)
          .Text(", ")
          .Word(kWordRadius)
          .Text(" ")
          .Name(p0)
          .Name(RimOfFollowingDisk(solid, i, 1));
      t.Text(")");
      break;
    case kernel::kSurfaceFrustum:
      t.Word(kWordFrustum).Text(" (").Word(kWordAxis).Text(" ").Name(p0).Name(p1).Text(", ");
      t.Word(kWordRadius).Text("1 ").Name(p0).Name(RimOfFollowingDisk(solid, i, 1)).Text(", ");
      t.Word(kWordRadius).Text("2 ").Name(p1).Name(RimOfFollowingDisk(solid, i, 2)).Text(")");
      break;
    case kernel::kSurfaceSphere:
      if (s.param1 + 1 < kernel::NullTolerance || std::fabs(s.param1) < kernel::NullTolerance) {
        t.Word(s.param1 + 1 < kernel::NullTolerance ? kWordSphere : kWordHemisphere)
            .Text(" ")
            .Name(p0)
            .Name(p1);
      } else {
        t.Word(kWordSphere)
            .Text(" ")
            .Word(kWordSegment)
            .Text(" (")
            .Word(kWordAxis)
            .Text(" = ")
            .Name(p0)
            .Name(p1);
        t.Text(", ").Word(kWordHeight).Text(" = ").Number(2).Text(")");
      }
      break;
    case kernel::kSurfaceCircle:
    case kernel::kSurfaceCircle2:
    case kernel::kSurfaceDisk:
      t.Word(s.kind == kernel::kSurfaceDisk ? kWordDisk : kWordCircle).Text(" (").Word(kWordRadius).Text(" ");
      t.Name(p0).Name(p2).Text(", ").Word(kWordPerpTo).Text(" ").Name(p0).Name(p1).Text(")");
      break;
    case kernel::kSurfaceLatitudeCircle:
      t.Name(p0).Text(" = ").Word(kWordCircle).Text(" (").Word(kWordLatitude).Text(" ").Number(2).Text(", ");
      t.Word(kWordSphere).Text(" ").Name(p3).Name(p1).Text(")");
      break;
    case kernel::kSurfaceMeridian:
      t.Name(p0).Name(p2).Text(" = ").Word(kWordMeridian).Text(" (").Word(kWordLongitude).Text(" ").Number(2);
      t.Text(", ").Word(kWordSphere).Text(" ").Name(p0).Name(p1).Text("(").Name(p3).Text("))");
      break;
    case kernel::kSurfaceGreatCircle:
    case kernel::kSurfaceGreatCircleArc:
    case kernel::kSurfaceGreatCircleArc2:
      t.Word(kWordGreatCircle).Text(" (").Name(p2).Name(p3).Text(", ").Word(kWordCenter).Text(" ").Name(p0);
      t.Text(")");
      break;
    case kernel::kSurfaceCylinderSphereCurve:
      t.Word(kWordCylinder).Text(" (").Name(p2).Name(p3).Text(", ").Word(kWordRadius).Text(" ").Number(1);
      t.Text(") ").Word(kWordIntersect).Text(" ").Word(kWordSphere).Text(" (").Name(p0).Text(", ");
      t.Word(kWordRadius).Text(" ").Number(0).Text(")");
      break;
    case kernel::kSurfaceEllipse:
    case kernel::kSurfaceHyperbola:
      t.Word(s.kind == kernel::kSurfaceHyperbola ? kWordHyperbola : kWordEllipse)
          .Text(" (")
          .Word(kWordCenter);
      t.Text(" ").Name(p0);
      // The conic of a plane section is known by its centre alone.
      if (s.sectionMark == 0) {
        t.Text("; ")
            .Word(kWordVertices)
            .Text(" ")
            .Name(p2)
            .Name(p3)
            .Text("; ")
            .Word(kWordPlaneNormal)
            .Text(" ");
        t.Name(p0).Name(p1);
      }
      t.Text(")");
      break;
    case kernel::kSurfaceParabola:
      t.Word(kWordParabola)
          .Text(" (")
          .Word(kWordFocus)
          .Text(" ")
          .Name(p0)
          .Text("; ")
          .Word(kWordVertex)
          .Text(" ");
      t.Name(p2).Text(")");
      break;
    default:
      return {};
  }
  const kernel::Real numbers[] = {s.param0, s.param1, s.param2, s.param3};
  std::string line;
  engine.ExpandTemplate(&line, t.Finish(), kExpandLimit, numbers);
  if (line.size() > maxLen) line.resize(maxLen);
  return line;
}

}  // namespace solid
