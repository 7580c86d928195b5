#pragma once
// The image objects of a plane transformation: image points at the moved positions of the
// selected points (named after their sources), the lines and circles among them, and the rule that
// brings the tables back to where the step ended when it was first made.

#include <string>
#include <vector>

#include "engine/step_engine.h"
#include "kernel/line_circle_records.h"
#include "kernel/real.h"

namespace plane {

struct TransformImages {
  // The image of each point index, -1 for none.
  std::vector<int> image_of;
  // The images in the order of their sources.
  std::vector<int> images;
};

// The selected existing points, by index.
std::vector<int> SelectedPoints(const engine::FigureTables& t);

// The label the image of a point labelled source takes: the source's label with one prime more
// when that label is free, else with the next subscript when free; -1 for the next free label.
int ImageLabel(const engine::FigureTables& t, int source);

// The image of point `source` at position p, named by label (-1: the next free one): with
// searchExisting, an existing point at p is the image instead of a new point. Records it in
// images and marks it as one of the "previous images". False when the point table is full.
bool AddImagePoint(engine::StepEngine& e, int source, const kernel::Point2& p, int label, int tag,
                   bool searchExisting, TransformImages& images);
// Adds an image point (AddImagePoint) for every selected point at moved[index], named by
// ImageLabel. The images become the "previous images" an empty selection stands for. False when
// the point table is full.
bool AddImagePoints(engine::StepEngine& e, const std::vector<kernel::Point2>& moved, bool merge, int tag,
                    TransformImages& out);

// Adds the image of every line (circle) made before the step that lists at least two (a centre
// and one) selected points with images, unless a line already holds two of the images. The images
// take the source's pen, or the given one. reverses: the map turns the plane over, so arcs run the
// other way.
void AddImageLines(engine::StepEngine& e, const TransformImages& images, int lastLineBefore,
                   const kernel::LinePen* pen = nullptr);
void AddImageCircles(engine::StepEngine& e, const TransformImages& images, int lastCircleBefore, bool reverses,
                     const kernel::LinePen* pen = nullptr);

// The table ends of a step whose object count depends on the figure: recorded in the step on its
// first execution, restored (the tables grown or cut) on every later one.
void RecordStepCounts(engine::StepEngine& e);
// A failed transformation: a step of the history still ends the tables where it ended when it was
// made, so later steps keep their indices; a new step adds nothing. Returns code.
int FailTransform(engine::StepEngine& e, int code);

// The names of the images, at most limit of them, then "..." when some were left out.
std::string ImageNames(const engine::FigureTables& t, const TransformImages& images, std::size_t limit);

}  // namespace plane

namespace plane {

// Inversion in the circle of centre point o and the given power (the squared radius): the image of
// every line made before the step (a line through O gives a line for each side of O that has
// images, any other a circle through O, an arc of it for a segment) and of every circle made
// before the step whose centre (or O) and first point are selected; a circle through O gives a
// line (taken by any of its selected points), any other a circle whose centre is added as a point.
// The images take the source's pen, or the given one.
void InvertLines(engine::StepEngine& e, int o, kernel::Real power, const TransformImages& images, int lastLineBefore,
                 const kernel::LinePen* pen = nullptr);
void InvertCircles(engine::StepEngine& e, int o, kernel::Real power, const TransformImages& images,
                   int lastCircleBefore, const kernel::LinePen* pen = nullptr);

}  // namespace plane
