// Transformations of a chosen set of points and of the lines and circles through them:
// translation (kind 145), inversion in a circle (kind 148), glide reflection (kind 150), the copy
// attached by the similarity carrying AB onto CD (kind 155) and the magnified copy (kind 90).
// Each moves copies of the selected points' coordinates and lets transform_images.h make the
// image objects; inversion maps lines and circles itself, since it turns lines into circles.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/curve_tables.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/inversion.h"
#include "kernel/line_circle_records.h"
#include "kernel/plane_primitives.h"
#include "kernel/random.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_operands.h"
#include "plane/transform_images.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr std::int16_t kWordAxis = 122;
constexpr std::int16_t kWordWith = 161;
constexpr std::int16_t kWordCopy = 197;
constexpr std::int16_t kWordMagnified = 198;
constexpr std::int16_t kWordTranslate = 221;
constexpr std::int16_t kWordPreviousImages = 222;
constexpr std::int16_t kWordInvert = 227;
constexpr std::int16_t kWordInCircle = 228;
constexpr std::int16_t kWordAttach = 229;
constexpr std::int16_t kWordGlideReflect = 788;
constexpr std::size_t kNamesShown = 5;
constexpr std::size_t kNamesShownAttach = 12;
constexpr Real kSmallestLength = static_cast<Real>(1e-16);

// Selects the points of the text, or the previous images when previous is set; their coordinates.
std::vector<Point2> SelectAndSave(engine::FigureTables& t, const std::string& text, bool previous) {
  t.SelectPoints(previous ? std::string_view{} : std::string_view{text});
  return std::vector<Point2>(t.xy.begin(), t.xy.end());
}

// The hyperbolic translation along AB carrying A to B, applied to Z (window's model).
Point2 HyperbolicTranslate(const engine::GeometryModel& model, const Point2& a, const Point2& b, Point2 z) {
  Point2 target = b;
  engine::TranslateToOrigin(model, a, target, false);
  engine::TranslateToOrigin(model, a, z, false);
  engine::TranslateFromOrigin(engine::kPoincareDisk, target, z, true);
  engine::TranslateFromOrigin(model, a, z, false);
  return z;
}

// The reflection of Z in the hyperbolic line AB (window's model).
Point2 HyperbolicReflect(const engine::GeometryModel& model, const Point2& a, const Point2& b, Point2 z) {
  Point2 direction = b;
  engine::TranslateToOrigin(model, a, direction, false);
  engine::TranslateToOrigin(model, a, z, false);
  if (kernel::Normalize2(direction)) z = 2 * kernel::Dot2(z, direction) * direction - z;
  engine::TranslateFromOrigin(model, a, z, false);
  return z;
}

// "<images> = <word> <selection>" with the selection as text 2 or as "previous images".
std::string Head(engine::StepEngine& e, const TransformImages& images, std::int16_t word, bool previous, std::size_t shown) {
  std::string text = ImageNames(e.tables, images, shown) + " = " + e.words(word) + " ";
  text += previous ? e.words(kWordPreviousImages) : " " + e.current()->text[1];
  return text;
}

std::string PointName(const engine::FigureTables& t, int i) {
  std::string name;
  t.GetPointName(i, name);
  return name;
}

}  // namespace

int TGeomC2Win::DoTranslate(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  const bool vectorMode = Op(step, 2) > 0;
  const bool previous = step.flag == 1;
  Point2 v;
  if (vectorMode && !e.model.Hyperbolic) {
    if (const int code = EvaluateVectorText(e, step.text[2], v); code != 0) return FailTransform(e, code);
  } else if (!e.tables.PointExists(a) || !e.tables.PointExists(b)) {
    return FailTransform(e, engine::kMsgCouldNotFind);
  }
  Real k = 1;
  if (!e.model.Hyperbolic && e.Evaluate(step.text[0].empty() ? "1" : step.text[0], k) != 0) {
    return FailTransform(e, engine::kMsgCannotUnderstand);
  }
  std::vector<Point2> moved = SelectAndSave(e.tables, step.text[1], previous);
  const Point2 pa = e.tables.xy[a < 0 ? 0 : a];
  const Point2 pb = e.tables.xy[b < 0 ? 0 : b];
  if (!vectorMode && !e.model.Hyperbolic) v = pb - pa;
  for (const int i : SelectedPoints(e.tables)) {
    moved[i] = e.model.Hyperbolic ? HyperbolicTranslate(e.model, pa, pb, moved[i]) : moved[i] + k * v;
  }
  const int lines = e.tables.last_line;
  const int circles = e.tables.last_circle;
  TransformImages images;
  if (!AddImagePoints(e, moved, Op(step, 39) < 0, -1, images)) return FailTransform(e, engine::kMsgNoMoreRoom);
  AddImageLines(e, images, lines);
  AddImageCircles(e, images, circles, false);
  RecordStepCounts(e);
  if (out == nullptr) return 0;
  *out = Head(e, images, kWordTranslate, previous, kNamesShown);
  if (e.model.Hyperbolic) {
    *out += "; " + e.words(kWordAxis) + " " + PointName(e.tables, a) + PointName(e.tables, b);
  } else if (vectorMode) {
    *out += " (" + step.text[0] + ")*[" + step.text[2] + "]";
  } else {
    *out += " (" + step.text[0] + ")*" + PointName(e.tables, a) + PointName(e.tables, b);
  }
  return 0;
}

int TGeomC2Win::DoGlideReflect(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  const bool previous = step.flag == 1;
  if (!e.tables.PointExists(a) || !e.tables.PointExists(b)) return FailTransform(e, engine::kMsgCouldNotFind);
  Real k = 1;
  if (e.Evaluate(step.text[0].empty() ? "1" : step.text[0], k) != 0) return FailTransform(e, engine::kMsgCannotUnderstand);
  const Point2 pa = e.tables.xy[a];
  const Point2 pb = e.tables.xy[b];
  const Point2 d = pb - pa;
  Point2 normal{-d.y, d.x};
  // An axis without a direction: nothing to reflect in.
  if (!kernel::Normalize2(normal)) return FailTransform(e, engine::kMsgCannotUnderstand);
  std::vector<Point2> moved = SelectAndSave(e.tables, step.text[1], previous);
  for (const int i : SelectedPoints(e.tables)) {
    if (e.model.Hyperbolic) {
      moved[i] = HyperbolicReflect(e.model, pb, pa, HyperbolicTranslate(e.model, pa, pb, moved[i]));
    } else {
      const Point2 x = moved[i] + k * d;
      moved[i] = x - 2 * kernel::Dot2(x - pa, normal) * normal;
    }
  }
  const int lines = e.tables.last_line;
  const int circles = e.tables.last_circle;
  TransformImages images;
  if (!AddImagePoints(e, moved, Op(step, 39) < 0, -1, images)) return FailTransform(e, engine::kMsgNoMoreRoom);
  AddImageLines(e, images, lines);
  AddImageCircles(e, images, circles, true);
  RecordStepCounts(e);
  if (out == nullptr) return 0;
  *out = Head(e, images, kWordGlideReflect, previous, kNamesShown) + "; " + e.words(kWordAxis) + " = ";
  if (!e.model.Hyperbolic) *out += "(" + step.text[0] + ")*";
  *out += PointName(e.tables, a) + PointName(e.tables, b);
  return 0;
}

int TGeomC2Win::DoKind155(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  const int c = Op(step, 2);
  const int d = Op(step, 3);
  for (const int p : {a, b, c, d}) {
    if (!e.tables.PointExists(p)) return FailTransform(e, engine::kMsgCouldNotFind);
  }
  if (a == b || c == d) return FailTransform(e, engine::kMsgDuplicateLabel);
  const Point2 pa = e.tables.xy[a];
  const Point2 pb = e.tables.xy[b];
  const Point2 pc = e.tables.xy[c];
  const Point2 pd = e.tables.xy[d];
  const Real ab = kernel::Dist2(pa, pb);
  if (ab < kSmallestLength) return FailTransform(e, engine::kMsgOutOfBounds);
  std::vector<Point2> moved = SelectAndSave(e.tables, step.text[0], false);
  const Point2 shift = pc - pa;
  const Real angle = kernel::SignedAngle2(pb + shift, pc, pd);
  const Real ratio = kernel::Dist2(pc, pd) / ab;
  for (const int i : SelectedPoints(e.tables)) {
    Point2 offset = moved[i] + shift - pc;
    kernel::Rotate2(offset, angle);
    moved[i] = pc + ratio * offset;
  }
  const int lines = e.tables.last_line;
  const int circles = e.tables.last_circle;
  TransformImages images;
  if (!AddImagePoints(e, moved, Op(step, 39) < 0, -1, images)) return FailTransform(e, engine::kMsgNoMoreRoom);
  AddImageLines(e, images, lines);
  AddImageCircles(e, images, circles, false);
  RecordStepCounts(e);
  if (out == nullptr) return 0;
  *out = ImageNames(e.tables, images, kNamesShownAttach) + " = " + e.words(kWordAttach) + " " + e.words(kWordCopy) +
         "(" + step.text[0] + ") " + e.words(kWordWith) + " " + PointName(e.tables, a) + PointName(e.tables, b) +
         " ==> " + PointName(e.tables, c) + PointName(e.tables, d);
  return 0;
}

int TGeomC1Win::DoKind90(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const Real factor = step.parameters[0];
  e.tables.SelectPoints(step.text[1]);
  const std::vector<int> sources = SelectedPoints(e.tables);
  if (magnifiedCopyPositions.size() < static_cast<std::size_t>(engine::kPointCapacity)) {
    magnifiedCopyPositions.assign(engine::kPointCapacity, Point2{});
    magnifiedCopyKnown.assign(engine::kPointCapacity, 0);
  }
  if (e.building) {
    const Real turn = step.flag == 1 ? kernel::RandomBetween(0, 1) * kFullTurn : 0;
    const Point2 centre{kernel::RandomBetween(e.view_centre.x - e.half_width, e.view_centre.x + e.half_width),
                        kernel::RandomBetween(e.view_centre.y - e.half_height, e.view_centre.y + e.half_height)};
    for (const int i : sources) {
      Point2 offset = factor * (e.tables.xy[i] - centre);
      kernel::Rotate2(offset, turn);
      magnifiedCopyPositions[i] = centre + offset;
      magnifiedCopyKnown[i] = 1;
    }
  }
  std::vector<Point2> moved(engine::kPointCapacity);
  int next = e.tables.last_point + 1;
  for (const int i : sources) {
    // A copy read from a file has no remembered positions: its images stay where the coordinate
    // table holds them.
    moved[i] = magnifiedCopyKnown[i] ? magnifiedCopyPositions[i] : e.tables.xy[std::min(next, engine::kLastPointLimit)];
    ++next;
  }
  const int lines = e.tables.last_line;
  const int circles = e.tables.last_circle;
  ++e.figure_counter;
  TransformImages images;
  if (!AddImagePoints(e, moved, false, e.figure_counter, images)) return FailTransform(e, engine::kMsgNoMoreRoom);
  AddImageLines(e, images, lines);
  AddImageCircles(e, images, circles, false);
  RecordStepCounts(e);
  if (out == nullptr) return 0;
  *out = ImageNames(e.tables, images, kNamesShownAttach) + " = " + e.words(kWordCopy) + "(" + step.text[1] + ") " +
         e.words(kWordMagnified) + " " + step.text[0];
  return 0;
}

int TGeomC2Win::DoInvert(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const int o = Op(step, 0);
  const int q = Op(step, 1);
  if (!e.tables.PointExists(o) || !e.tables.PointExists(q)) return FailTransform(e, engine::kMsgCouldNotFind);
  step.text[2] = step.text[1];
  std::vector<Point2> moved = SelectAndSave(e.tables, step.text[1], false);
  e.tables.selected[o] = 0;
  const Point2 po = e.tables.xy[o];
  const Real power = kernel::Dot2(e.tables.xy[q] - po, e.tables.xy[q] - po);
  for (const int i : SelectedPoints(e.tables)) kernel::InvertInCircle2(po, power, moved[i]);
  const int lines = e.tables.last_line;
  const int circles = e.tables.last_circle;
  TransformImages images;
  if (!AddImagePoints(e, moved, Op(step, 39) < 0, -1, images)) return FailTransform(e, engine::kMsgNoMoreRoom);
  InvertLines(e, o, power, images, lines);
  InvertCircles(e, o, power, images, circles);
  RecordStepCounts(e);
  if (out != nullptr) {
    *out = ImageNames(e.tables, images, kNamesShown) + " = " + e.words(kWordInvert) + " " + step.text[2] + " " +
           e.words(kWordInCircle) + " " + PointName(e.tables, o) + PointName(e.tables, q);
  }
  step.text[2].clear();
  return 0;
}

}  // namespace plane
