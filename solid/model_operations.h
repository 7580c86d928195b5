#pragma once
// What the steps in space do with the model tables: read a typed vertex list into a face, find a
// curve or surface by its number or its points, move the images of the selected points, and copy
// the selected points to their images with the faces among them.

#include <optional>
#include <span>
#include <string_view>

#include "engine/step_engine.h"
#include "solid/model_tables.h"

namespace solid {

// The face of a typed vertex list ("ABC", at most 24 names): the number of its vertices, 0 when
// no vertex was named or a name is not that of an existing point. A closing repetition of the
// first vertex is dropped (ABCA is ABC), but a list of two names stays as it is (AA).
int ParseVertexList(const engine::FigureTables& tables, std::string_view text, kernel::FaceRecord& face);

// The first curve or surface (0 to the last) whose object number (its code / 100) is `number`;
// -1 when none.
int FindSurfaceById(const engine::SolidTables& solid, int number);
// The first curve or surface of the kind whose first points are `points`, in order, and, when a
// parameter is given, whose second parameter lies within 1e-13 of it; -1 when none.
int FindSurfaceByPoints(const engine::SolidTables& solid, int kind, std::span<const std::int16_t> points,
                        std::optional<Real> parameter = std::nullopt);

// Adds d to the image of every selected point from 0 to last.
void TranslateImages(const engine::FigureTables& tables, ModelTables& model, const Point3& d, int last);

// A visible face with each vertex replaced by its image; nullopt when the face is hidden or a
// vertex is not selected or has no image.
std::optional<kernel::FaceRecord> GetFaceMapped(const engine::FigureTables& tables, const engine::SolidTables& solid,
                                                const ModelTables& model, int face);
// An active curve or surface with each point replaced by its image; nullopt when it is hidden or a
// point is not selected, except its second point when `all` is false, which then stays.
std::optional<kernel::SurfaceRecord> GetCurve(const engine::FigureTables& tables, const engine::SolidTables& solid,
                                              const ModelTables& model, int surface, bool all);

// How CopySelection makes its points and faces.
struct CopyOptions {
  int kind = 0;                 // the step kind copying
  bool merge = false;           // an image on an existing point takes that point
  std::uint16_t tag = 0;        // the tag of the new points
  int hideFace = -1;            // a face to hide afterwards (a face moved rather than copied)
  bool attributeCopy = true;    // copied faces keep their colour; else they take faceColour
  std::uint16_t faceColour = 1;
};

// Copies the selected points to their images (ModelTables::images): each image gets the label of
// its source with one prime more when that is free, else the next subscript when free, else the
// first free label; with merge an existing point within the point tolerance is taken instead.
// Then every face of the figure whose vertices all have images is copied, unless an equal face
// (the same vertices in cyclic order) exists; the face table ends at index 1500. The magnified
// copy (kind 390) run again builds its new points where they stand.
void CopySelection(engine::StepEngine& engine, ModelTables& model, const CopyOptions& options);

}  // namespace solid
