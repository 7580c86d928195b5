#pragma once
// The lowest layer of the geometry windows: the geometry the window shows (the Euclidean plane,
// the hyperbolic plane in the Poincare disk or the upper half-plane, the sphere) and whether it is
// a plane or a 3-D window. The model-aware primitives themselves are free functions of the engine
// that take these flags (engine/hyperbolic_primitives.h).

#include <string_view>

#include "engine/geometry_model.h"
#include "view/qel_winm.h"

namespace engine {

class TPreGeomWin : public view::TQELWinm {
 public:
  TPreGeomWin(platform::FrameWindow* parent, std::string_view title);

  const GeometryModel& model() const { return model_; }
  // 2 in the plane windows, 3 in the 3-D and spherical windows.
  int dimension() const { return dimension_; }
  // Sets the model flags and the dimension; the figure layers follow with their step engine.
  void SetGeometry(const GeometryModel& model, int dimension);

 protected:
  // After SetGeometry.
  virtual void GeometryChanged() {}

 private:
  GeometryModel model_;
  int dimension_ = 2;
};

}  // namespace engine
