// The commands of the Transf menu that rotate, dilate and reflect the chosen points, repeat the
// last transformation on its images, and the fills the images of filled shapes receive.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/step_engine.h"
#include "engine/windows/do_undo_dlg.h"
#include "kernel/fill_trace_records.h"
#include "kernel/vector2.h"
#include "plane/geom11_win.h"
#include "platform/modal_responder.h"
#include "shell/generic_dialogs.h"

namespace plane {

namespace {

constexpr int kCmdRotate = 752;
constexpr int kCmdMirror = 753;
constexpr int kCmdDilate = 754;
constexpr int kCmdLastRepeat = 352;
constexpr int kCmdTranslate = 751;
constexpr int kCmdGlideReflect = 756;
constexpr int kCmdInvert = 802;

constexpr int kKindTranslate = 145;
constexpr int kKindRotateDilate = 146;
constexpr int kKindReflect = 147;
constexpr int kKindInvert = 148;
constexpr int kKindGlideReflect = 150;
constexpr int kReflectAction = 16;
constexpr int kTransformTextLimit = 40;
constexpr int kMsgCoincidentPoints = 127;
// A vertex this close to the centre of inversion has no image.
constexpr kernel::Real kCentreTolerance = static_cast<kernel::Real>(1e-13);

// A polygon fill lists at most this many vertices.
constexpr int kPolygonFillVertices = 100;
constexpr std::uint16_t kFillPolygonMode = 0;
constexpr std::uint16_t kFillCircleMode = 1;

void UpperCase(std::string& text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

// Operand 39 of a transformation: -1 when images falling on existing points are those points
// (labels kept), 1 otherwise.
std::uint16_t SaveLabelsOperand(const engine::StepHistory& h) { return h.save_labels ? kernel::kNoOperand : 1; }

// The points a transformation offers to move: every existing point, as "first-last".
std::string DefaultObjects(const engine::FigureTables& t) {
  std::string text;
  t.PointNameRange(text);
  return text;
}

// The existing points the text names, at most n; their number.
int ExistingPoints(const engine::FigureTables& t, std::string text, std::vector<std::uint16_t>& out, int n) {
  out.assign(static_cast<std::size_t>(n) + 1, 0);
  return t.ParseExistingPoints(text, out, n);
}

// The dialog of a translation or glide reflection: in the Euclidean plane the multiple, the vector
// (or axis) and the points; in the hyperbolic plane the points and the axis. True after OK.
bool AskMultipleVectorObjects(platform::FrameWindow* owner, bool hyperbolic, const char* euclideanResource,
                              const char* hyperbolicResource, std::string& multiple, std::string& vector,
                              std::string& objects) {
  if (hyperbolic) {
    shell::TGenDlg dialog(owner, hyperbolicResource, kTransformTextLimit, &objects, &vector);
    return dialog.Execute() == platform::IDOK;
  }
  shell::TGenDlg dialog(owner, euclideanResource, kTransformTextLimit, &multiple, &vector, &objects);
  return dialog.Execute() == platform::IDOK;
}

// The number of vertices a fill of the mode defines by its points; 0 for the polygon and the
// circle fills (their own rules) and for modes without points.
int FixedVertexCount(std::uint16_t mode) {
  switch (mode) {
    case 2: return 2;
    case 3: return 3;
    case 5: return 5;
    default: return 0;
  }
}

}  // namespace

bool TGeom11Win::TransformCommand(int id) {
  switch (id) {
    case kCmdRotate: Rotate(); return true;
    case kCmdDilate: Dilate(); return true;
    case kCmdMirror: Mirror(); return true;
    case kCmdLastRepeat: LastRepeat(); return true;
    case kCmdTranslate: Translate(); return true;
    case kCmdGlideReflect: GlideReflect(); return true;
    case kCmdInvert: Invert(); return true;
    default: return false;
  }
}

void TGeom11Win::Rotate() { RotateDilate("1.0", transform.angleText); }

void TGeom11Win::Dilate() { RotateDilate(transform.factorText, "0.0"); }

int TGeom11Win::RotateDilate(std::string factorText, std::string angleText) {
  const engine::FigureTables& t = tables();
  std::string centre;
  for (int i = t.last_point; i >= 0 && centre.empty(); --i) {
    if (t.PointExists(i)) t.GetPointName(i, centre);
  }
  std::string objects = DefaultObjects(t);
  shell::TGenDlg dialog(this, "ROTDIL", kTransformTextLimit, &angleText, &centre, &factorText, &objects);
  if (dialog.Execute() != platform::IDOK) return -1;
  std::vector<std::uint16_t> found;
  UpperCase(centre);
  if (ExistingPoints(t, centre, found, 2) != 1) return -1;
  UpperCase(objects);
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kKindRotateDilate));
  step.operands[0] = found[0];
  step.operands[39] = SaveLabelsOperand(history());
  step.text[0] = angleText;
  step.text[1] = factorText;
  step.text[2] = objects;
  const int result = RunNewStep();
  if (result > 0) {
    Msg(result);
    return result;
  }
  FinishTransform(kKindRotateDilate, true);
  transform.angleText = angleText;
  transform.factorText = factorText;
  return 0;
}

void TGeom11Win::FinishTransform(int kind, bool activate) {
  PushUndoMark(static_cast<std::uint16_t>(kind));
  TransformFills();
  Update(true);
  AfterTransform();
  wing.pictureValid = 0;
  Invalidate(false);
  RefreshConstructionDialogs();
  if (activate) BringToFront();
}

void TGeom11Win::Mirror() {
  const engine::FigureTables& t = tables();
  std::string line;
  int found = 0;
  for (int i = 0; i <= t.last_point && found < 2; ++i) {
    if (t.PointExists(i)) {
      t.AppendPointName(line, i);
      ++found;
    }
  }
  if (found < 2) return;
  if (!mirrorDialog_) {
    mirrorDialog_ = std::make_unique<engine::TDoUndoDlg>(this, "MIRRA", kReflectAction, kKindReflect,
                                                         engine::kDoUndoTextLimit,
                                                         engine::DialogTexts{line, DefaultObjects(t), "", "", ""});
  }
  mirrorDialog_->Show();
}

int TGeom11Win::DoReflect(std::string& line, std::string& objects) {
  std::vector<std::uint16_t> found;
  if (ExistingPoints(tables(), line, found, 3) != 2) return engine::kMsgCouldNotFind;
  return RunTransformStep(kKindReflect, {found[0], found[1], kernel::kNoOperand}, {"", objects, ""}, false);
}

void TGeom11Win::Translate() {
  const engine::FigureTables& t = tables();
  std::string objects = DefaultObjects(t);
  // With no point at all there is nothing to move.
  if (objects.empty()) return;
  std::string multiple = "1.0";
  std::string vector;
  if (!t.ListPointNames(vector, 2)) vector = "[2,-1]";
  if (!AskMultipleVectorObjects(this, model().Hyperbolic, "VECBOX", "TRANSLATE", multiple, vector, objects)) return;
  if (const int code = TranslateStep(multiple, vector, objects); code > 0) Msg(code);
}

int TGeom11Win::TranslateStep(const std::string& multiple, std::string vector, std::string objects) {
  const bool typed = !model().Hyperbolic && !vector.empty() && vector.front() == '[';
  std::vector<std::uint16_t> found(3, kernel::kNoOperand);
  std::string components;
  if (typed) {
    const std::size_t close = vector.find(']');
    if (close == std::string::npos) return engine::kMsgCouldNotFind;
    components = vector.substr(1, close - 1);
  } else {
    UpperCase(vector);
    if (ExistingPoints(tables(), vector, found, 3) != 2) return engine::kMsgCouldNotFind;
  }
  return RunTransformStep(kKindTranslate, {found[0], found[1], static_cast<std::uint16_t>(typed ? 1 : kernel::kNoOperand)},
                          {multiple, objects, components}, true);
}

int TGeom11Win::RunTransformStep(int kind, std::array<std::uint16_t, 3> operands, std::array<std::string, 3> texts,
                                 bool activate) {
  UpperCase(texts[1]);
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind));
  for (std::size_t k = 0; k < operands.size(); ++k) step.operands[k] = operands[k];
  step.operands[39] = SaveLabelsOperand(history());
  for (std::size_t k = 0; k < texts.size(); ++k) step.text[k] = texts[k];
  if (const int result = RunNewStep(); result > 0) return result;
  FinishTransform(kind, activate);
  return 0;
}

void TGeom11Win::GlideReflect() {
  const engine::FigureTables& t = tables();
  std::string axis;
  if (!t.ListPointNames(axis, 2)) return;
  std::string objects = DefaultObjects(t);
  std::string multiple = "1.0";
  if (!AskMultipleVectorObjects(this, model().Hyperbolic, "GLIDER", "HGLIDER", multiple, axis, objects)) return;
  if (const int code = GlideReflectStep(multiple, axis, objects); code > 0) Msg(code);
}

int TGeom11Win::GlideReflectStep(const std::string& multiple, std::string axis, std::string objects) {
  std::vector<std::uint16_t> found;
  UpperCase(axis);
  if (ExistingPoints(tables(), axis, found, 3) != 2) return engine::kMsgCouldNotFind;
  return RunTransformStep(kKindGlideReflect, {found[0], found[1], kernel::kNoOperand}, {multiple, objects, ""}, true);
}

std::string TGeom11Win::SuggestCircleInput() const {
  const engine::FigureTables& t = tables();
  std::string text;
  for (int c = 0; c <= t.last_circle; ++c) {
    const kernel::CircleRecord& circle = t.circles[static_cast<std::size_t>(c)];
    if (!circle.exists || circle.count < 1 || !t.PointExists(circle.centre) || !t.PointExists(circle.points[0])) {
      continue;
    }
    t.AppendPointName(text, circle.centre);
    t.AppendPointName(text, circle.points[0]);
    return text;
  }
  if (!t.ListPointNames(text, 2)) text.clear();
  return text;
}

void TGeom11Win::Invert() {
  std::string circle = SuggestCircleInput();
  if (circle.empty()) return;
  std::string objects = DefaultObjects(tables());
  shell::TGenDlg dialog(this, "INVBOX", kTransformTextLimit, &objects, &circle);
  if (dialog.Execute() != platform::IDOK) return;
  if (const int code = InvertStep(circle, objects); code > 0) Msg(code);
}

int TGeom11Win::InvertStep(std::string circle, std::string objects) {
  engine::FigureTables& t = tables();
  std::vector<std::uint16_t> found;
  UpperCase(circle);
  if (ExistingPoints(t, circle, found, 3) != 2) return engine::kMsgCouldNotFind;
  const int centre = found[0];
  UpperCase(objects);
  // A vertex at the centre would go to infinity.
  t.SelectPoints(objects);
  for (int i = 0; i <= t.last_point; ++i) {
    if (i == centre || t.selected[static_cast<std::size_t>(i)] == 0 || !t.PointExists(i)) continue;
    if (kernel::Dist2(t.xy[static_cast<std::size_t>(i)], t.xy[static_cast<std::size_t>(centre)]) <= kCentreTolerance) {
      return kMsgCoincidentPoints;
    }
  }
  return RunTransformStep(kKindInvert, {found[0], found[1], kernel::kNoOperand}, {"", objects, ""}, true);
}

void TGeom11Win::LastRepeat() {
  engine::StepHistory& h = history();
  if (h.steps.empty()) return;
  const kernel::ConstructionRecord last = h.steps.back();
  const int kind = last.kind;
  if (kind != kKindTranslate && kind != kKindRotateDilate && kind != kKindGlideReflect) return;
  kernel::ConstructionRecord& step = h.BeginStep(static_cast<kernel::StepKind>(kind));
  kernel::CopyConstruction(step, last);
  step.sequence = -1;
  step.flag = 1;
  // A new step records where it ends the tables.
  step.extra_words.fill(kernel::kNoOperand);
  const int result = RunNewStep();
  if (result > 0) {
    Msg(result);
    return;
  }
  FinishTransform(kind, true);
}

void TGeom11Win::TransformFills() {
  if (fills.empty() || transform.fillCopy == 0) return;
  const std::vector<int>& image = transformImages.image_of;
  if (image.empty()) return;
  const engine::FigureTables& t = tables();
  const auto mapped = [&](int p) {
    return p >= 0 && p <= t.last_point && t.selected[static_cast<std::size_t>(p)] != 0 && image[static_cast<std::size_t>(p)] >= 0;
  };
  const std::size_t before = fills.size();
  for (std::size_t f = 0; f < before; ++f) {
    kernel::FillRecord copy = fills[f];
    copy.next = nullptr;
    bool maps = true;
    if (copy.mode == kFillPolygonMode) {
      int n = 0;
      while (n < kPolygonFillVertices && copy.vertices[static_cast<std::size_t>(n)] < 0x8000) ++n;
      for (int k = 0; k < n && maps; ++k) {
        const int p = copy.vertices[static_cast<std::size_t>(k)];
        maps = mapped(p);
        if (maps) copy.vertices[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(image[static_cast<std::size_t>(p)]);
      }
      maps = maps && n > 0;
    } else if (copy.mode == kFillCircleMode) {
      const int c = copy.circle;
      maps = false;
      if (c >= 0 && c <= t.last_circle && t.circles[static_cast<std::size_t>(c)].exists) {
        const kernel::CircleRecord& circle = t.circles[static_cast<std::size_t>(c)];
        for (int k = 0; k < circle.count && k < kernel::kCirclePointCapacity && !maps; ++k) {
          const int p = circle.points[static_cast<std::size_t>(k)];
          if (!mapped(circle.centre) || !mapped(p)) continue;
          const int made = FindCircle(image[circle.centre], image[static_cast<std::size_t>(p)], -1.0L);
          if (made < 0) break;
          copy.circle = static_cast<std::int16_t>(made);
          maps = true;
        }
      }
    } else if (const int n = FixedVertexCount(copy.mode); n > 0) {
      for (int k = 0; k < n && maps; ++k) {
        const int p = copy.vertices[static_cast<std::size_t>(k)];
        maps = mapped(p);
        if (maps) copy.vertices[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(image[static_cast<std::size_t>(p)]);
      }
    } else {
      maps = false;
    }
    if (!maps) continue;
    copy.word0 = static_cast<std::uint16_t>(fills.back().word0 + 1);
    fills.push_back(std::move(copy));
  }
}

int TGeom11Win::RemoveDuplicateFills(int from) {
  const auto vertexSet = [](const kernel::FillRecord& record) {
    std::vector<std::uint16_t> set;
    for (int k = 0; k < kPolygonFillVertices && record.vertices[static_cast<std::size_t>(k)] < 0x8000; ++k) {
      set.push_back(record.vertices[static_cast<std::size_t>(k)]);
    }
    std::sort(set.begin(), set.end());
    set.erase(std::unique(set.begin(), set.end()), set.end());
    return set;
  };
  for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < fills.size(); ++i) {
    if (fills[i].mode != kFillPolygonMode) continue;
    const std::vector<std::uint16_t> set = vertexSet(fills[i]);
    for (std::size_t j = i + 1; j < fills.size();) {
      if (fills[j].mode == kFillPolygonMode && vertexSet(fills[j]) == set) {
        fills.erase(fills.begin() + static_cast<std::ptrdiff_t>(j));
      } else {
        ++j;
      }
    }
  }
  for (std::size_t i = 0; i < fills.size(); ++i) fills[i].word0 = static_cast<std::uint16_t>(i);
  return static_cast<int>(fills.size());
}

}  // namespace plane
