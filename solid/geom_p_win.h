#pragma once
// The 3-D model layer: the tables of the solid model, projection and observer, the 3-D terms of
// expressions, point picking, plane sections, sections of curved surfaces and curve copies.

#include <memory>
#include <string>
#include <string_view>

#include "kernel/byte_io.h"
#include "kernel/central_projection.h"
#include "plane/mac_win.h"
#include "solid/model_operations.h"
#include "solid/model_tables.h"
#include "solid/solid_step.h"

namespace solid {

class TObsDlg;

class TGeomPWin : public plane::TMacWin {
 public:
  TGeomPWin(platform::FrameWindow* parent, std::string_view title);
  ~TGeomPWin() override;

  // --- The view ---------------------------------------------------------------------------
  // The eye point and the point it looks at, in model coordinates.
  kernel::Point3 observer{25, 32, 18};
  kernel::Point3 viewCentre{1, 1, 1};
  // The lowest and highest x, y and z of the model.
  kernel::Point3 boxMin{0, 0, 0};
  kernel::Point3 boxMax{2, 2, 2};
  // The lengths of the drawn axes, and whether they stay as set.
  kernel::Point3 axisLengths{2, 2, 2};
  std::uint8_t axisLengthsFixed = 0;
  // The solids are taken to be convex when faces are sorted and hidden lines found.
  std::uint8_t convexityAssumed = 1;
  // The angle of one turn of the observer (5 degrees).
  Real rotationStep = kernel::Pi / 36;
  // The weights of the light in the ray-traced picture.
  Real shadingWeights[2] = {50, 100 - 50};
  // The viewing frame (sight vector, distances, the screen axes U and V), valid after
  // ComputeViewFromObserver.
  kernel::ViewFrame frame;

  // --- The model tables -------------------------------------------------------------------
  // Face planes and screen boxes, images, edges, cutting plane, rotation rows, attached lists.
  ModelTables modelTables;

  // The frame of the observer and the view centre. False, the frame kept, when the observer
  // stands straight above or below the centre.
  virtual bool ComputeViewFromObserver();
  // Central projection from the observer onto the view plane.
  virtual kernel::Point2 ProjectToView(const kernel::Point3& p) const;
  // The model point of the view plane at view coordinates ab (the inverse of ProjectToView there).
  kernel::Point3 ViewPlanePoint(const kernel::Point2& ab) const;
  // Point i (every point for i below 0) projected: its view position and pixel, the screen boxes
  // of the faces, the planes of the faces it moved.
  virtual void UpdateProjection(int i);
  // The pixel of a model point.
  engine::PixelPoint PointToScreen(const kernel::Point3& p) const;
  // The point of the unit ball nearest the observer on the line of sight through the pixel; false
  // when the line misses the ball.
  bool SightLineHit(platform::PointI pixel, kernel::Point3& out) const;
  // Where a new free solid spanning low to high around its reference point is built.
  kernel::Point3 PlaceNewSolid(const kernel::Point3& low, const kernel::Point3& high) const;
  bool ObserverTooClose(const kernel::Point3& p) const;
  bool ObserverTooFar(const kernel::Point3& p) const;
  // The view is computed again from the observer and the model is shown anew (by the viewing
  // layer); here nothing.
  virtual void Redraw(int /*flag*/) {}

  // --- The model --------------------------------------------------------------------------
  void SyncPointCount() { solid::SyncPointCount(stepEngine); }
  void AdjustTables(int delta) { solid::AdjustTables(stepEngine, delta); }
  void FacePlane(int face);
  // The frames of all active curves and surfaces recomputed from where their points stand.
  void UpdateSurfaces();
  void FacePlanesOf(int vertex);
  int ParseVertexList(std::string_view text, kernel::FaceRecord& face) const {
    return solid::ParseVertexList(tables(), text, face);
  }
  // Copies the selected points to their images with the faces among them; the window's "Attribute
  // copy" toggle and face colour decide the colour of the copied faces.
  void CopySelection(int kind, bool merge, std::uint16_t pointKind, int hideFace);
  // The imported point-list block of the 3-D figure file. A damaged block is refused (false) and
  // the window's lists stay.
  void WritePointLists(kernel::ByteWriter& out) const;
  bool ReadPointLists(kernel::ByteReader& in);

  // --- The observer dialog ----------------------------------------------------------------
  // Opens the modeless "observer coordinates" dialog (made on first use) with the observer in it.
  TObsDlg* ShowObserverDialog();
  TObsDlg* observerDialog() const { return observerDialog_.get(); }
  void CloseObserverDialog();

  // --- The polyhedral library's builds (the 3-D window runs them; nothing here) -----------
  // A solid of the library by its step kind: the edge-length text, one colour for every face
  // (-1: the table's colours), the mirror image, the centre point (-1: none). The executor's
  // result.
  virtual int BuildLibraryPolyhedron(int /*kind*/, const std::string& /*edge*/, int /*colour*/, bool /*mirror*/,
                                     int /*centre*/) {
    return 0;
  }
  // The n-prism (303) or n-antiprism (306) of n sides; nothing for n below 3.
  virtual int BuildLibraryPolyhedronEx(int /*kind*/, const std::string& /*edge*/, int /*n*/, int /*colour*/,
                                       int /*centre*/) {
    return 0;
  }

  // The colour new faces take.
  std::uint16_t faceColour = 1;

 private:
  std::unique_ptr<TObsDlg> observerDialog_;
};

}  // namespace solid
