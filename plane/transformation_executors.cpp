// Transformations of a chosen set of points and of the lines and circles through them:
// translation (kind 145), rotation with dilation (kind 146), reflection in a line (kind 147),
// inversion in a circle (kind 148), glide reflection (kind 150), the copy attached by the
// similarity carrying AB onto CD (kind 155) and the magnified copy (kind 90). Each moves the
// selected points' entries of the backup table with the window's per-point transformations and
// lets transform_images.h make the image objects; inversion maps lines and circles itself, since
// it turns lines into circles.
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
#include "plane/moving_objects.h"
#include "plane/step_operands.h"
#include "plane/transform_images.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr int kMagnifiedCopyKind = 90;
constexpr std::int16_t kWordAxis = 122;
constexpr std::int16_t kWordWith = 161;
constexpr std::int16_t kWordCopy = 197;
constexpr std::int16_t kWordMagnified = 198;
constexpr std::int16_t kWordTranslate = 221;
constexpr std::int16_t kWordPreviousImages = 222;
constexpr std::int16_t kWordRotateDilate = 224;
constexpr std::int16_t kWordReflect = 225;
constexpr std::int16_t kWordInvert = 227;
constexpr std::int16_t kWordInCircle = 228;
constexpr std::int16_t kWordAttach = 229;
constexpr std::int16_t kWordGlideReflect = 788;
constexpr std::size_t kNamesShown = 5;
constexpr std::size_t kNamesShownAttach = 12;
constexpr Real kSmallestLength = static_cast<Real>(1e-16);

// "<images> = <word> <selection>" with the selection as typed or as "previous images".
std::string Head(engine::StepEngine& e, const TransformImages& images, std::int16_t word, bool previous,
                 std::size_t shown, const std::string& objects) {
  std::string text = ImageNames(e.tables, images, shown) + " = " + e.words(word) + " ";
  text += previous ? e.words(kWordPreviousImages) : " " + objects;
  return text;
}

// The images of the moved points and of the lines and circles through them (with merge, an image
// falling on an existing point is that point); the step's table ends recorded or restored. 0, or
// the message of a full point table.
int MakeImages(engine::StepEngine& e, const std::vector<Point2>& moved, bool merge, int tag, bool reverses,
               const kernel::LinePen* pen, TransformImages& images) {
  const int lines = e.tables.last_line;
  const int circles = e.tables.last_circle;
  if (!AddImagePoints(e, moved, merge, tag, images)) return FailTransform(e, engine::kMsgNoMoreRoom);
  AddImageLines(e, images, lines, pen);
  AddImageCircles(e, images, circles, reverses, pen);
  RecordStepCounts(e);
  return 0;
}

// The same, merging as operand 39 of the step asks.
int MakeImages(engine::StepEngine& e, const std::vector<Point2>& moved, int tag, bool reverses,
               const kernel::LinePen* pen, TransformImages& images) {
  return MakeImages(e, moved, Op(*e.current(), 39) < 0, tag, reverses, pen, images);
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
  SelectTransformed(step.text[1], previous);
  if (e.model.Hyperbolic) {
    TranslateSelectedHyperbolic(a, b);
  } else {
    if (!vectorMode) v = e.tables.xy[b] - e.tables.xy[a];
    TranslateSelected(k * v, e.tables.last_point);
  }
  if (const int code = MakeImages(e, backupPoints, -1, false, ImagePen(), transformImages); code != 0) return code;
  if (out == nullptr) return 0;
  *out = Head(e, transformImages, kWordTranslate, previous, kNamesShown, step.text[1]);
  if (e.model.Hyperbolic) {
    *out += "; " + e.words(kWordAxis) + " " + PointName(e.tables, a) + PointName(e.tables, b);
  } else if (vectorMode) {
    *out += " (" + step.text[0] + ")*[" + step.text[2] + "]";
  } else {
    *out += " (" + step.text[0] + ")*" + PointName(e.tables, a) + PointName(e.tables, b);
  }
  return 0;
}

int TGeomC2Win::DoTransform146(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int centre = Op(step, 0);
  const bool previous = step.flag == 1;
  if (!e.tables.PointExists(centre)) return FailTransform(e, engine::kMsgCouldNotFind);
  Real degrees = 0;
  Real factor = 1;
  if (e.Evaluate(step.text[0], degrees) != 0 || e.Evaluate(step.text[1], factor) != 0) {
    return FailTransform(e, engine::kMsgCannotUnderstand);
  }
  SelectTransformed(step.text[2], previous);
  RotateDilatePoint(centre, factor, degrees * kRadiansPerDegree);
  if (const int code = MakeImages(e, backupPoints, -1, false, ImagePen(), transformImages); code != 0) return code;
  if (out == nullptr) return 0;
  *out = Head(e, transformImages, kWordRotateDilate, previous, kNamesShown, step.text[2]) + "; " +
         PointName(e.tables, centre) + ", " + step.text[0] + ", " + step.text[1];
  return 0;
}

int TGeomC2Win::DoTransform147(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  const bool previous = step.flag == 1;
  if (!e.tables.PointExists(a) || !e.tables.PointExists(b)) return FailTransform(e, engine::kMsgCouldNotFind);
  SelectTransformed(step.text[1], previous);
  ReflectInModelLine(a, b);
  if (const int code = MakeImages(e, backupPoints, -1, true, ImagePen(), transformImages); code != 0) return code;
  if (out == nullptr) return 0;
  *out = Head(e, transformImages, kWordReflect, previous, kNamesShown, step.text[1]) + "; " + e.words(kWordAxis) +
         " " + PointName(e.tables, a) + PointName(e.tables, b);
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
  const Point2 d = e.tables.xy[b] - e.tables.xy[a];
  Point2 normal{-d.y, d.x};
  // An axis without a direction: nothing to reflect in.
  if (!kernel::Normalize2(normal)) return FailTransform(e, engine::kMsgCannotUnderstand);
  SelectTransformed(step.text[1], previous);
  if (e.model.Hyperbolic) {
    TranslateSelectedHyperbolic(a, b);
    ReflectInModelLine(b, a);
  } else {
    TranslateSelected(k * d, e.tables.last_point);
    ReflectPoint(a, b);
  }
  if (const int code = MakeImages(e, backupPoints, -1, true, ImagePen(), transformImages); code != 0) return code;
  if (out == nullptr) return 0;
  *out = Head(e, transformImages, kWordGlideReflect, previous, kNamesShown, step.text[1]) + "; " + e.words(kWordAxis) +
         " = ";
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
  SelectTransformed(step.text[0], false);
  // Carry A onto C, then turn and scale about C so that B lands on D.
  const Point2 shift = pc - pa;
  TranslateSelected(shift, e.tables.last_point);
  RotateDilatePoint(c, kernel::Dist2(pc, pd) / ab, kernel::SignedAngle2(pb + shift, pc, pd));
  if (const int code = MakeImages(e, backupPoints, -1, false, ImagePen(), transformImages); code != 0) return code;
  if (out == nullptr) return 0;
  *out = ImageNames(e.tables, transformImages, kNamesShownAttach) + " = " + e.words(kWordAttach) + " " + e.words(kWordCopy) +
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
  const int position = step.sequence >= 0 ? step.sequence : static_cast<int>(history().steps.size());
  if (e.building) {
    const Real turn = step.flag == 1 ? kernel::RandomBetween(0, 1) * kFullTurn : 0;
    const Point2 centre{kernel::RandomBetween(e.view_centre.x - e.half_width, e.view_centre.x + e.half_width),
                        kernel::RandomBetween(e.view_centre.y - e.half_height, e.view_centre.y + e.half_height)};
    std::vector<Point2>& places = magnifiedCopyPlaces[position];
    places.clear();
    for (const int i : sources) {
      Point2 offset = factor * (e.tables.xy[i] - centre);
      kernel::Rotate2(offset, turn);
      places.push_back(centre + offset);
    }
  }
  const auto known = magnifiedCopyPlaces.find(position);
  const std::vector<Point2>* places =
      known != magnifiedCopyPlaces.end() && known->second.size() == sources.size() ? &known->second : nullptr;
  std::vector<Point2> moved(engine::kPointCapacity);
  int next = e.tables.last_point + 1;
  for (std::size_t k = 0; k < sources.size(); ++k) {
    // A copy read from a file has no remembered places: its images stay where the coordinate
    // table holds them.
    moved[sources[k]] = places != nullptr ? (*places)[k] : e.tables.xy[std::min(next, engine::kLastPointLimit)];
    ++next;
  }
  ++e.figure_counter;
  if (const int code = MakeImages(e, moved, false, e.figure_counter, false, ImagePen(), transformImages); code != 0) {
    return code;
  }
  if (out == nullptr) return 0;
  *out = ImageNames(e.tables, transformImages, kNamesShownAttach) + " = " + e.words(kWordCopy) + "(" + step.text[1] + ") " +
         e.words(kWordMagnified) + " " + step.text[0];
  return 0;
}

void TGeomC1Win::KeepMagnifiedCopyPlaces(std::span<const std::uint16_t> moved, bool everything) {
  if (magnifiedCopyPlaces.empty()) return;
  const std::vector<engine::StepEnds>& ends = stepEngine.ends;
  if (ends.size() != history().steps.size()) return;
  const engine::FigureTables& t = tables();
  // The images of a copy are the points its step made, in the order of their sources.
  auto keep = [&](int p) {
    const int position = StepOfPoint(ends, p);
    if (position < 0 || history().steps[static_cast<std::size_t>(position)].kind != kMagnifiedCopyKind) return;
    const auto places = magnifiedCopyPlaces.find(position);
    if (places == magnifiedCopyPlaces.end()) return;
    const int first = position == 0 ? 0 : ends[static_cast<std::size_t>(position - 1)].points + 1;
    const auto k = static_cast<std::size_t>(p - first);
    if (k < places->second.size()) places->second[k] = t.xy[static_cast<std::size_t>(p)];
  };
  if (everything) {
    for (int p = 0; p <= t.last_point; ++p) keep(p);
  } else {
    for (const std::uint16_t p : moved) keep(p);
  }
}

int TGeomC2Win::DoInvert(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const int o = Op(step, 0);
  const int q = Op(step, 1);
  if (!e.tables.PointExists(o) || !e.tables.PointExists(q)) return FailTransform(e, engine::kMsgCouldNotFind);
  step.text[2] = step.text[1];
  e.tables.SelectPoints(step.text[1]);
  e.tables.selected[o] = 0;
  std::vector<Point2> moved(e.tables.xy.begin(), e.tables.xy.end());
  const Point2 po = e.tables.xy[o];
  const Real power = kernel::Dot2(e.tables.xy[q] - po, e.tables.xy[q] - po);
  for (const int i : SelectedPoints(e.tables)) kernel::InvertInCircle2(po, power, moved[i]);
  const int lines = e.tables.last_line;
  const int circles = e.tables.last_circle;
  TransformImages& images = transformImages;
  if (!AddImagePoints(e, moved, Op(step, 39) < 0, -1, images)) return FailTransform(e, engine::kMsgNoMoreRoom);
  const kernel::LinePen* pen = ImagePen();
  InvertLines(e, o, power, images, lines, pen);
  InvertCircles(e, o, power, images, circles, pen);
  RecordStepCounts(e);
  if (out != nullptr) {
    *out = ImageNames(e.tables, images, kNamesShown) + " = " + e.words(kWordInvert) + " " + step.text[2] + " " +
           e.words(kWordInCircle) + " " + PointName(e.tables, o) + PointName(e.tables, q);
  }
  step.text[2].clear();
  return 0;
}

}  // namespace plane
