#pragma once
// The per-kind step operations that the window layers fill (the plane, 3-D and spherical layers),
// and the geometry operations the step layer's own executors call. Every default does nothing and
// returns 0, except where the step layer itself gives the kind its meaning (deleting all lines,
// the chain and ring of circles, placing a point on a segment or circle).
//
// An operation reads the current step (StepEngine::current()), changes the engine's tables, writes
// the step's description into out when out is not null, and returns 0 or a message number.

#include <cstdint>
#include <span>
#include <string>

#include "engine/step_operations.h"
#include "kernel/real.h"

namespace engine {

class StepEngine;

class StepExecutors {
 public:
  virtual ~StepExecutors() = default;

#define KV_DECLARE_STEP_OPERATION(kind, name) virtual int name(std::string* out);
  KV_WINDOW_STEP_OPERATIONS(KV_DECLARE_STEP_OPERATION)
#undef KV_DECLARE_STEP_OPERATION

  // Runs a kind whose operation the window does not fill. Here the step layer's own meaning of the
  // kind (deleting all lines, the chain and ring of circles), else nothing and 0; a window that
  // knows every kind it can run fails the others through the step contract.
  virtual int Unexecuted(int kind, std::string* out);

  // Builds a polyhedron of the library by its solid code (the plane windows leave it empty).
  virtual int DoLibraryPolyhedron(int /*code*/, std::string* /*out*/) { return 0; }

  // The triangle solvers of the unit figures: the plane window solves the Euclidean cases, the
  // hyperbolic and spherical windows their own.
  virtual int SolveTrianglePlane() { return 0; }
  virtual int SolveTriangleASA() { return 0; }
  virtual void RandomFigureHook(std::uint16_t /*kind*/) {}
  virtual int SolveTriangleAAAHyperbolic() { return 0; }
  virtual int SolveTriangleAAASpherical() { return 0; }
  virtual int SolveTriangleSASHyperbolic(bool /*quadrilateral*/) { return 0; }
  virtual int SolveTriangleSASSpherical(bool /*quadrilateral*/) { return 0; }
  virtual int SolveTriangleSSSHyperbolic() { return 0; }
  virtual int SolveTriangleSSSSpherical() { return 0; }
  virtual int SolveTriangleASAHyperbolic() { return 0; }
  virtual int SolveTriangleASASpherical() { return 0; }

  // Places a point at the ratio t from a to b, or at an angle on a circle, in the window geometry.
  // The defaults work in the engine's model (the Euclidean plane or a hyperbolic model).
  virtual kernel::Point2 PlacePointOnSegment(const kernel::Point2& a, const kernel::Point2& b, kernel::Real t);
  virtual kernel::Point2 PlacePointOnCircle(const kernel::Point2& centre, const kernel::Point2& on_circle,
                                            kernel::Real radians);

  // Whether the polygon of a point list (at most 24 point indices, ended by the first entry with
  // the high bit set) may carry a sliding point: 0, or 144 ("polygon too concave"). The plane
  // window tests it; the other windows accept every polygon.
  virtual int CheckConvexPolygon(std::span<const std::uint16_t> /*list*/) { return 0; }

  // Evaluates a typed number of a step; 0 (or below) on success, else a message number.
  virtual int EvaluateText(std::string& text, kernel::Real& value);

  // The engine these operations work on; set by StepEngine::SetExecutors.
  StepEngine* engine() const { return engine_; }

 private:
  friend class StepEngine;
  StepEngine* engine_ = nullptr;
};

}  // namespace engine
