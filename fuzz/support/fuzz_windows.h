#pragma once
// The windows the window targets open their inputs on, made once per process and shown headless,
// and the figures they hold before each input.

#include <cstdint>
#include <string>
#include <vector>

#include "kernel/real.h"
#include "plane/geom2_win.h"
#include "special/penrose_win.h"
#include "special/voronoi_win.h"

namespace kvfuzz {

// The plane window of the plane (0 Euclidean, 1 hyperbolic), empty when first made.
plane::TGeom2Win& PlaneWindowOf(std::uint8_t hyperbolic);
special::TGeomVWin& VoronoiWindow();
// The kites-and-darts (0) or rhombs (1) window.
special::TPenrWin& PenroseWindowOf(std::uint8_t tilingKind);

// A free point at (x, y), made as a command makes it; its index.
int AddFreePoint(plane::TGeomEWin& w, kernel::Real x, kernel::Real y);
// A step of the kind with the operands and texts, made as a command makes it; the executor's result.
int AddStep(plane::TGeomEWin& w, int kind, const std::vector<int>& operands, const std::vector<std::string>& texts = {});

// Empties the window's figure and builds the small figure the seeds and the window targets start
// from: four free points, the lines through two pairs and their intersection.
void BuildSampleFigure(plane::TGeomEWin& w);
// The sample figure of each window saved once in the scratch folder; its path.
std::string PlaneBaseFile(std::uint8_t hyperbolic);
std::string VoronoiBaseFile();
std::string PenroseBaseFile(std::uint8_t tilingKind);

}  // namespace kvfuzz
