#pragma once
// The builder of the polyhedron library's solids: one step of a library kind turns the solid's
// unit-edge tables into points and faces of the model. The edge length is the step's text 1;
// operand 0 a centre point (0xFFFF for none), operand 1 the marker 2010 of the library dialog's
// steps; the flag byte asks for the mirror image of a chiral solid; parameter 6 is one colour for
// every face plus 1 (0: the table's colours).
//
// Built for the first time the solid stands on its centre point, or beside the model where the
// observer sees it; run again it stands on its centre point, or its first vertex stays where that
// point is now (dragged or not), so the solid does not jump.

#include <string>

#include "engine/step_engine.h"
#include "kernel/real.h"
#include "solid/library_solid_tables.h"
#include "solid/model_tables.h"

namespace solid {

// The marker in operand 1 of the library dialog's steps: the scaled centroid lands on the centre.
inline constexpr std::uint16_t kNewFormatMarker = 2010;

// What a new free solid's place depends on: the model box and where the observer looks from.
struct NewSolidView {
  kernel::Point3 boxMin;
  kernel::Point3 boxMax;
  kernel::Point3 viewCentre;
  kernel::Point3 observer;
};

// Runs the current step as a build of the solid: 0, or 1 (the edge length is no number), 17 (it
// is below 1e-16), 2 (the centre point does not exist) or 4 (no room for its points and faces),
// with placeholders for its points left in every failure.
int BuildLibrarySolid(engine::StepEngine& engine, ModelTables& model, const LibrarySolid& solid,
                      const NewSolidView& view, std::string* out);

// The library step of the solid code; 9 ("nothing to do") for a code whose tables the library
// does not hold.
int LibraryPolyhedronStep(engine::StepEngine& engine, ModelTables& model, int code, const NewSolidView& view,
                          std::string* out);

// Whether a solid built by the step kind is convex (the hidden-line and painting shortcuts hold);
// the star solids, compounds and hemipolyhedra are not.
bool IsConvexLibraryCode(int kind);

}  // namespace solid
