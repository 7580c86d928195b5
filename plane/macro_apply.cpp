// Applying a macro: choosing the target points of its given points, replaying its steps into the
// target one by one with everything they name translated, copying its fills and conics, and
// taking an application back as a whole.
#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "engine/figure_tables.h"
#include "kernel/conic_equation_records.h"
#include "plane/conic_inventories.h"
#include "plane/mac_win.h"
#include "plane/macro_remap.h"
#include "resources/resource_library.h"
#include "platform/modal_responder.h"
#include "shell/generic_dialogs.h"

namespace plane {

namespace {

constexpr int kStringApply = 106;
constexpr int kStringMacro = 141;
constexpr int kStringToVertices = 284;
constexpr int kApplyTextChars = 256;
constexpr int kFillColorRole = 11;
constexpr int kFillVertexLimit = 100;
constexpr std::uint16_t kFillLast = 5;

bool IsTransformKind(int kind) { return kind >= 145 && kind <= 150; }

}  // namespace

int TMacWin::GivenCount() const {
  int n = 0;
  while (n < static_cast<int>(macroInputs.size()) && macroInputs[static_cast<std::size_t>(n)] < engine::kPointCapacity) ++n;
  return n;
}

bool TMacWin::CanReapply() const {
  if (applyMarks.empty()) return false;
  const int n = GivenCount();
  if (n < 1 || static_cast<int>(macroOutputs.size()) < n) return false;
  for (int i = 0; i < n; ++i) {
    const int r = macroOutputs[static_cast<std::size_t>(i)];
    if (r >= engine::kPointCapacity || pointMap[static_cast<std::size_t>(r)] < 0) return false;
  }
  return true;
}

int TMacWin::ChooseMacroPoints(bool reapply, bool mouse) {
  if (linkedParent == nullptr) return engine::kMsgNothingToDo;
  TMacWin& target = *linkedParent;
  const engine::FigureTables& tt = target.tables();
  const bool ready = CanReapply();
  const int n = GivenCount();
  int e = 0;
  if (n < 1 || macroRange.last == 0) {
    e = kMsgUndefinedMacro;
  } else if (reapply && !ready) {
    e = engine::kMsgInconsistentData;
  } else if (tt.last_point + 1 < n) {
    e = kMsgNotEnoughVertices;
  }
  if (e != 0) return e;

  std::vector<int> d(static_cast<std::size_t>(n));
  std::string defaults;
  for (int i = 0; i < n; ++i) {
    d[static_cast<std::size_t>(i)] =
        ready ? pointMap[macroOutputs[static_cast<std::size_t>(i)]] : tt.last_point + 1 - n + i;
    tt.AppendPointName(defaults, d[static_cast<std::size_t>(i)]);
  }
  if (mouse) {
    std::string names;
    tables().PointListWithCommas(std::vector<std::int16_t>(macroInputs.begin(), macroInputs.begin() + n), names);
    std::vector<std::int16_t> picked(static_cast<std::size_t>(n) + 1, -1);
    if (const int r = target.PickPoints(picked, n, names, kStringMacro); r != 0) return r;
    for (int i = 0; i < n; ++i) d[static_cast<std::size_t>(i)] = picked[static_cast<std::size_t>(i)];
  } else if (!reapply) {
    std::string text = defaults;
    shell::TInpDlg dialog(this, resources::LoadString(kStringApply) + " " + macroCaption,
                          resources::LoadString(kStringToVertices), &text, kApplyTextChars);
    if (dialog.Execute() != platform::IDOK) return -1;
    std::vector<std::uint16_t> found(kMacroPointLimit + 1);
    if (tt.ParseExistingPoints(text, found, kMacroPointLimit) < n) return engine::kMsgInconsistentData;
    for (int i = 0; i < n; ++i) d[static_cast<std::size_t>(i)] = found[static_cast<std::size_t>(i)];
  }
  std::fill(pointMap.begin(), pointMap.end(), -1);
  std::fill(surfaceMap.begin(), surfaceMap.end(), -1);
  bool complete = true;
  for (int i = 0; i < n; ++i) {
    pointMap[macroInputs[static_cast<std::size_t>(i)]] = static_cast<std::int16_t>(d[static_cast<std::size_t>(i)]);
    complete = complete && d[static_cast<std::size_t>(i)] >= 0;
  }
  return complete ? 0 : engine::kMsgInconsistentData;
}

void TMacWin::MarkApply(bool push) {
  if (!push) {
    if (!applyMarks.empty()) applyMarks.pop_back();
    return;
  }
  if (linkedParent == nullptr) return;
  TMacWin& target = *linkedParent;
  ApplyMark mark;
  const engine::StepHistory& h = target.history();
  mark.sequence = h.steps.empty() ? static_cast<std::int16_t>(-1) : h.steps.back().sequence;
  mark.fills = static_cast<int>(target.fills.size());
  for (int k = 0; k < 3; ++k) mark.curves[static_cast<std::size_t>(k)] = target.CurveListCount(k);
  applyMarks.push_back(mark);
}

int TMacWin::ReplayMacroSteps(TMacWin& target, std::vector<kernel::ConstructionRecord>& stretch, MacroRemap& remap) {
  engine::StepHistory& th = target.history();
  engine::StepHistory& mh = history();
  target.PrepareStepEngine();
  for (const kernel::ConstructionRecord& macroStep : stretch) {
    kernel::ConstructionRecord& pending = th.BeginStep(macroStep.kind);
    kernel::CopyConstruction(pending, macroStep);
    pending.sequence = -1;
    const int e = RemapStep(pending, remap);

    // The macro window advances by this step, so the next one finds what it made.
    const int surfacesBefore = SurfaceCounter();
    mh.steps.push_back(macroStep);
    ReplayConstruction(true);
    const int made = SurfaceCounter() - surfacesBefore;
    if (e != 0) {
      th.EndStep(true);
      return e;
    }
    if (made > 0) {
      const bool operand37 = macroStep.kind == 448 || macroStep.kind == 450;
      const std::size_t slot = operand37 ? 37 : 38;
      int counter = target.SurfaceCounter();
      if (!operand37) ++counter;
      pending.operands[slot] = static_cast<std::uint16_t>(counter);
      int j = static_cast<std::int16_t>(macroStep.operands[slot]) + (operand37 ? 1 : 0);
      for (int k = 0; k < made; ++k, ++j, ++counter) {
        if (j >= 0) {
          if (static_cast<int>(surfaceMap.size()) <= j) surfaceMap.resize(static_cast<std::size_t>(j) + 1, -1);
          surfaceMap[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(counter);
        }
      }
      target.SetSurfaceCounter(counter);
      remap.surfaceMap = surfaceMap;
    }
    th.current = &pending;
    target.stepEngine.building = 1;
    target.RedoStep(nullptr);
    target.stepEngine.building = 0;
    target.AppendStep();
    if (IsTransformKind(macroStep.kind)) {
      if (engine::StepHistory::HasUndoMark(macroStep.kind)) target.PushUndoMark(macroStep.kind);
      target.TransformFills();
    }
  }
  return 0;
}

int TMacWin::ApplyMacro() {
  if (linkedParent == nullptr) return engine::kMsgInconsistentData;
  TMacWin& target = *linkedParent;
  engine::StepHistory& th = target.history();
  // What a failed application must give back exactly.
  const std::vector<kernel::ConstructionRecord> redo = th.redo;
  const std::vector<engine::UndoMark> undoMarks = th.marks;
  const std::uint8_t repeatable = th.last_step_repeatable;
  const std::uint8_t historyModified = th.modified;
  const std::uint8_t fileModified = target.fileMsg.modified;

  MarkApply(true);
  const ApplyMark before = applyMarks.back();

  // The macro window goes back to the figure before its first macro step.
  engine::StepHistory& mh = history();
  std::deque<kernel::ConstructionRecord> all = std::move(mh.steps);
  mh.steps.clear();
  std::vector<kernel::ConstructionRecord> stretch;
  for (const kernel::ConstructionRecord& step : all) {
    if (step.sequence < macroRange.first) {
      mh.steps.push_back(step);
    } else if (step.sequence <= macroRange.last) {
      stretch.push_back(step);
    }
  }
  PrepareStepEngine();
  ReplayConstruction(true);

  const engine::FigureTables& mt = tables();
  const engine::FigureTables& tt = target.tables();
  pointOffset = tt.last_point - mt.last_point;
  firstOffset = tt.last_line - mt.last_line;
  secondOffset = tt.last_circle - mt.last_circle;
  for (int i = mt.last_point + 1; i < engine::kPointCapacity; ++i) {
    const int image = i + pointOffset;
    pointMap[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(image < engine::kPointCapacity ? image : -1);
  }

  MacroRemap remap{mt, tt, pointMap, surfaceMap, compiler.settings.user_functions};
  remap.dimension = dimension();
  remap.pointOffset = pointOffset;
  remap.firstOffset = firstOffset;
  remap.secondOffset = secondOffset;
  remap.attributeCopy = target.transform.attributeCopy != 0;
  remap.fillColour = target.preWin.roles[kFillColorRole];
  const int error = ReplayMacroSteps(target, stretch, remap);

  // The macro window gets its whole history back.
  mh.steps = std::move(all);
  mh.current = nullptr;

  if (error == 0) {
    CopyMacroFills(target);
    CopyMacroConics(target);
    ReplayConstruction(true);
    target.ReplayConstruction(true);
    target.RecomputeMeasurements(-1);
    MarkApply(true);
    AfterTargetChange(target);
    BringToFront();
    return 0;
  }

  while (!th.steps.empty() && th.steps.back().sequence > before.sequence) th.steps.pop_back();
  th.current = nullptr;
  th.redo = redo;
  th.marks = undoMarks;
  th.last_step_repeatable = repeatable;
  th.modified = historyModified;
  target.fileMsg.modified = fileModified;
  target.TruncateItemList(before.fills);
  ReplayConstruction(true);
  target.ReplayConstruction(true);
  MarkApply(false);
  target.wing.pictureValid = 0;
  target.Invalidate(false);
  return error;
}

void TMacWin::CopyMacroFills(TMacWin& target) {
  if (fills.empty() || transform.fillCopy == 0) return;
  const engine::FigureTables& mt = tables();
  // Only points the application reached count: a fill never refers to a point the target lacks.
  const auto image = [this, &target](int p) {
    const int q = p >= 0 && p < engine::kPointCapacity ? pointMap[static_cast<std::size_t>(p)] : -1;
    return target.tables().PointExists(q) ? q : -1;
  };
  for (const kernel::FillRecord& source : fills) {
    kernel::FillRecord copy = source;
    copy.next = nullptr;
    bool maps = true;
    if (source.mode == kernel::kFillInsideCircle) {
      const int c = source.circle;
      maps = c >= 0 && c <= mt.last_circle;
      if (maps) {
        const kernel::CircleRecord& circle = mt.circles[static_cast<std::size_t>(c)];
        const int centre = image(circle.centre);
        int through = -1;
        for (int k = 0; k < circle.count && k < kernel::kCirclePointCapacity && through < 0; ++k) {
          through = image(circle.points[static_cast<std::size_t>(k)]);
        }
        // The circle is looked up among the target's circles, where the images are.
        const int found = centre >= 0 && through >= 0 ? target.FindCircle(centre, through, -1.0L) : -1;
        maps = found >= 0;
        copy.circle = static_cast<std::int16_t>(found);
      }
    } else if (source.mode == kernel::kFillPolygon || source.mode == 2 || source.mode == 3 || source.mode == kFillLast) {
      const int limit = source.mode == kernel::kFillPolygon ? kFillVertexLimit : source.mode;
      int k = 0;
      for (; k < limit && maps; ++k) {
        const std::uint16_t p = source.vertices[static_cast<std::size_t>(k)];
        if (source.mode == kernel::kFillPolygon && p >= 0x8000) break;
        const int q = image(p);
        maps = q >= 0;
        copy.vertices[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(q);
      }
      maps = maps && k > 0;
    } else {
      maps = false;
    }
    if (!maps) continue;
    copy.word0 = target.fills.empty() ? 0 : static_cast<std::uint16_t>(target.fills.back().word0 + 1);
    target.fills.push_back(copy);
  }
}

void TMacWin::CopyMacroConics(TMacWin& target) {
  ConicInventories* from = conicLists();
  ConicInventories* to = target.conicLists();
  if (from == nullptr || to == nullptr) return;
  const auto image = [this, &target](int p) {
    const int q = p >= 0 && p < engine::kPointCapacity ? pointMap[static_cast<std::size_t>(p)] : -1;
    return target.tables().PointExists(q) ? q : -1;
  };
  bool copied = false;
  // Oldest first, so the copies keep their order at the head of the target's lists.
  for (auto it = from->threePoint.rbegin(); it != from->threePoint.rend(); ++it) {
    ConicDefinitionFields fields = ReadDefinition(*it);
    bool maps = true;
    for (int& p : fields.points) {
      p = image(p);
      maps = maps && p >= 0;
    }
    if (!maps) continue;
    ConicDefinition copy = *it;
    const ConicDefinition mapped = MakeDefinition(fields);
    // Only the three point words change; the rest of the record is copied as it is.
    std::copy(mapped.begin(), mapped.begin() + 6, copy.begin());
    to->threePoint.insert(to->threePoint.begin(), copy);
    copied = true;
  }
  for (auto it = from->fivePoint.rbegin(); it != from->fivePoint.rend(); ++it) {
    std::array<std::uint16_t, 5> slots{};
    bool maps = true;
    for (std::size_t k = 0; k < slots.size() && maps; ++k) {
      const int p = image(it->point_slots[k]);
      maps = p >= 0;
      slots[k] = static_cast<std::uint16_t>(p);
    }
    if (!maps) continue;
    kernel::ConicRecord copy;
    kernel::InitConicRecord(copy);
    copy.point_slots = slots;
    copy.drawing_word = it->drawing_word;
    to->fivePoint.insert(to->fivePoint.begin(), copy);
    copied = true;
  }
  if (copied) target.RefreshConicDialog();
}

int TMacWin::UndoMacro() {
  if (applyMarks.size() < 2 || linkedParent == nullptr) return engine::kMsgNothingToDo;
  TMacWin& target = *linkedParent;
  const engine::StepHistory& th = target.history();
  const int last = th.steps.empty() ? -1 : th.steps.back().sequence;
  if (last != applyMarks.back().sequence) return kMsgCannotUndoThis;
  MarkApply(false);
  const ApplyMark before = applyMarks.back();
  for (int k = last - before.sequence; k > 0; --k) {
    if (target.UndoRedo(0, false) == 0) break;
  }
  if (static_cast<int>(target.fills.size()) > before.fills) target.TruncateItemList(before.fills);
  for (int k = 0; k < 3; ++k) {
    target.DropCurveListHead(k, target.CurveListCount(k) - before.curves[static_cast<std::size_t>(k)]);
  }
  target.ReplayConstruction(true);
  MarkApply(false);
  AfterTargetChange(target);
  return 0;
}

}  // namespace plane
