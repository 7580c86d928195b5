#pragma once
// The 3-D construction layer: the polyhedron library and the solid builders, spheres, cylinders
// and cones, intersections of lines, planes and surfaces, face attributes, and the 3-D executors of
// the step kinds.

#include <cstddef>
#include <string>
#include <string_view>

#include "solid/geom_p_win.h"
#include "solid/surface_description.h"
#include "solid/surface_step.h"

namespace solid {

class TGeomPSWin : public TGeomPWin {
 public:
  TGeomPSWin(platform::FrameWindow* parent, std::string_view title);

  // Kind 300: the prism or pyramid over a polygon handed over by a plane window.
  int DoPrismPyramidFrom2D(std::string* out) override;

  // --- points in space --------------------------------------------------------------------
  // The kinds the plane has too: movable point, common perpendicular, point deletion, deletion of
  // every face and segment, vector sum; and the feet of perpendiculars to a line or a plane.
  int DoMovablePoint(std::string* out) override;
  int DoPerpendicular(std::string* out) override;
  int DoDeletePoint(std::string* out) override;
  int DoDeleteAllLines(std::string* out) override;
  int DoVectorSum(std::string* out) override;
  int DoFootToLine(std::string* out) override;
  int DoFootToPlane(std::string* out) override;
  // The construction dialogs' steps: the foot from the named point to the typed line (mode 1) or
  // plane (mode 2), given by its points or as "XX", "YYY", ...; the common perpendicular of two
  // typed lines; a new movable point where point p stands.
  int DoAltitude3D(int mode, std::string& lineOrPlane, std::string& pointName) override;
  int DoCommonPerpendicular(std::string& firstLine, std::string& secondLine) override;
  int NewPointStep(int p) override;

  // Spheres, curves on spheres, disks and stored surface records.
  int DoSurfaceFromRecord(std::string* out) override;
  int DoLatitudeCircle(std::string* out) override;
  int DoMeridian(std::string* out) override;
  int DoGreatCircle(std::string* out) override;
  int DoDisk(std::string* out) override;
  int DoSphere(std::string* out) override;
  int DoCircumsphere(std::string* out) override;
  int DoHemisphere(std::string* out) override;
  int DoSphereSegment(std::string* out) override;
  int DoInsphere(std::string* out) override;
  int DoLatLongPoint(std::string* out) override;

  // The one-line text of surface record i.
  std::string DescribeSurface(int i, std::size_t maxLen = kSurfaceLineLength);

  // The library kinds: the solid of the code built from its tables.
  int DoLibraryPolyhedron(int code, std::string* out) override;
  // The n-prism (303) and n-antiprism (306) are not built here yet: message 1, with the
  // placeholders their step makes.
  int Unexecuted(int kind, std::string* out) override;

 private:
  PlaceSolid Placement() const;
};

}  // namespace solid
