#pragma once
// The operations a construction dialog hands its typed texts to, one per action kind, and the
// dispatch from an action kind to its operation. Each operation returns 0 on success, a message
// number on a reported failure or a negative value on a silent one; here they all do nothing and
// succeed, and the geometry layers fill the ones their geometry offers.

#include <array>
#include <string>

namespace engine {

// The five texts of a construction dialog, upper-cased.
using DialogTexts = std::array<std::string, 5>;

class DialogActions {
 public:
  virtual ~DialogActions() = default;

  virtual int DoDrawAngle(std::string& /*points*/, std::string& /*value*/) { return 0; }
  // mode 2, 3 or 4: the kind of line through the point (parallel, perpendicular, altitude).
  virtual int DoParallelPerpendicular(std::string& /*line*/, std::string& /*point*/, int /*mode*/) { return 0; }
  virtual int DoRelativePoint(int /*which*/, std::string& /*t1*/, std::string& /*t2*/, std::string& /*t3*/,
                              std::string& /*t4*/) {
    return 0;
  }
  virtual int DoDivideCircles(std::string& /*circles*/, std::string& /*count*/) { return 0; }
  virtual int DoLineIntersection(std::string& /*line1*/, std::string& /*line2*/) { return 0; }
  virtual int DoRelabelOrSwap(std::string& /*t1*/, std::string& /*t2*/) { return 0; }
  virtual int DoPointFromCoordinates(std::string& /*x*/, std::string& /*y*/) { return 0; }
  virtual int DoAttachRegular(std::string& /*t1*/, std::string& /*t2*/) { return 0; }
  // t3 is null for the plane form of the command.
  virtual int DoAttachFigure(std::string& /*t1*/, std::string& /*t2*/, std::string* /*t3*/, int /*choice*/) { return 0; }
  virtual int DoReflect(std::string& /*t1*/, std::string& /*t2*/) { return 0; }
  virtual int DoPointOnPolygon(std::string& /*t1*/, std::string& /*t2*/, int /*choice*/) { return 0; }
  virtual int DoParallelNonEuclidean(std::string& /*t1*/, std::string& /*t2*/) { return 0; }
  virtual int DoEquidistantCurve(std::string& /*t1*/, std::string& /*t2*/) { return 0; }
  virtual int DoHorocycleThrough(std::string& /*t1*/, std::string& /*t2*/) { return 0; }
  virtual int DoCommonPerpendicular(std::string& /*t1*/, std::string& /*t2*/) { return 0; }
  virtual int DoCircleChain(std::string& /*t1*/, std::string& /*t2*/, int /*choice*/, int /*extra*/) { return 0; }
  virtual int DoPointFromCoordinates3D(DialogTexts& /*texts*/, int /*choice*/) { return 0; }
  virtual int DoAltitude3D(int /*which*/, std::string& /*t1*/, std::string& /*t2*/) { return 0; }
  virtual int DoHinge(std::string& /*t1*/, std::string& /*t2*/, std::string& /*t3*/) { return 0; }
  virtual int DoGreatCircleThrough(std::string& /*t1*/, std::string& /*t2*/, std::string& /*t3*/, int /*choice*/) {
    return 0;
  }
  virtual int DoMeridianThrough(DialogTexts& /*texts*/) { return 0; }
  virtual int DoLatitude(std::string& /*t1*/, std::string& /*t2*/, std::string& /*t3*/) { return 0; }
  virtual int DoPointAtLatLong(DialogTexts& /*texts*/) { return 0; }
  virtual int DoPrismPyramid(std::string& /*t1*/, std::string& /*t2*/, std::string& /*t3*/, int /*pyramid*/,
                             int /*choice*/) {
    return 0;
  }
  virtual int DoRandomPrismPyramid(std::string& /*t1*/, int /*choice*/, int /*pyramid*/) { return 0; }
  virtual int DoAntiprism(std::string& /*t1*/, std::string& /*t2*/, std::string& /*t3*/) { return 0; }
  virtual int DoPolarPolyhedron(std::string& /*t1*/, std::string& /*t2*/, std::string& /*t3*/, int /*choice*/) {
    return 0;
  }
};

// Runs the operation of the action kind with the texts, the choice (1 to 3) and the extra value;
// the operation's code. Action kinds without an operation do nothing and give 0.
int RunDialogAction(DialogActions& actions, int actionKind, DialogTexts& texts, int choice, int extra);

}  // namespace engine
