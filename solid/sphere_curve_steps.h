#pragma once
// Curves on a sphere given by its centre C and its pole N, and flat disks: the circle of a
// latitude (kind 357), the meridian of a longitude counted from a reference point G (358), the
// great circle or great-circle arc through two points (359), a disk about an axis or a free disk
// (360), and the point at a latitude and a longitude (370). Angles are typed in degrees. Each
// returns 0 or a message number and keeps the point indices of later steps when it fails.

#include <string>

#include "engine/step_engine.h"
#include "solid/model_tables.h"
#include "solid/surface_step.h"

namespace solid {

int DoLatitudeCircle(engine::StepEngine& engine, ModelTables& model, std::string* out);
int DoMeridian(engine::StepEngine& engine, ModelTables& model, std::string* out);
int DoGreatCircle(engine::StepEngine& engine, ModelTables& model, std::string* out);
int DoDisk(engine::StepEngine& engine, ModelTables& model, const PlaceSolid& place, std::string* out);
int DoLatLongPoint(engine::StepEngine& engine, ModelTables& model, std::string* out);

}  // namespace solid
