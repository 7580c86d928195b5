// Running a command's step, committing it, and Undo and Redo over the history.

#include "engine/windows/geom_win.h"

#include "shell/author_data.h"

namespace engine {

namespace {

// The deletions of lines and circles answer with the number of objects they deleted.
bool AnswersWithCount(int kind) { return kind == 142 || kind == 143; }

}  // namespace

int TGeomWin::RunNewStep() {
  kernel::ConstructionRecord* step = history().pending();
  if (step == nullptr) return 0;
  PrepareStepEngine();
  const StepEnds before = stepEngine.CurrentEnds();
  history().current = step;
  stepText.clear();
  stepEngine.building = 1;
  const int result = RedoStep(&stepText);
  stepEngine.building = 0;
  if (result > 0 && !AnswersWithCount(step->kind)) {
    const StepEnds after = stepEngine.CurrentEnds();
    stepEngine.AdjustTables(before.points - after.points, before.lines - after.lines, before.circles - after.circles,
                            before.hypercycles - after.hypercycles, before.horocycles - after.horocycles);
    stepEngine.figure_counter = before.counter;
    EndStep(true);
    return result;
  }
  EndStep(false);
  return result;
}

void TGeomWin::AppendStep() {
  if (history().pending() == nullptr) return;
  history().AppendStep(&hooks_);
  // Where the tables ended after each step lets a drag replay only what the moved points feed;
  // when they are not known for every earlier step, the next drag replays everything.
  std::vector<StepEnds>& ends = stepEngine.ends;
  if (ends.size() + 1 == history().steps.size()) {
    ends.push_back(stepEngine.CurrentEnds());
  } else {
    ends.clear();
  }
  SetModified();
}

int TGeomWin::EndStep(bool cancelled) {
  if (cancelled || history().pending() == nullptr) {
    history().EndStep(true);
    return 0;
  }
  AppendStep();
  Update(true);
  wing.pictureValid = 0;
  Invalidate(false);
  DrawGraphs();
  return 1;
}

void TGeomWin::ClearHistory() {
  history().ClearHistory();
  stepEngine.ends.clear();
}

int TGeomWin::UndoRedo(int type, bool update) {
  if (history().UndoRedo(type, update, hooks_) == 0) return 0;
  SetModified();
  return 1;
}

void TGeomWin::PushUndoMark(std::uint16_t kind) { history().PushUndoMark(kind, static_cast<int>(fills.size())); }

void TGeomWin::PopUndoMark(std::uint16_t kind) {
  const int count = history().PopUndoMark(kind);
  if (count >= 0) TruncateItemList(count);
}

void TGeomWin::TruncateItemList(int n) {
  if (n >= 0 && static_cast<std::size_t>(n) < fills.size()) fills.resize(static_cast<std::size_t>(n));
}

void TGeomWin::RecomputeAndRepaint() {
  ReplayConstruction(true);
  wing.pictureValid = 0;
  Invalidate(false);
}

// --- What Undo and Redo ask of the window -------------------------------------------------

bool TGeomWin::Hooks::CheckEditLock() { return window_.CheckPassword(shell::kGuardHistory); }

void TGeomWin::Hooks::RenameLabelInTexts(const std::string& oldName, const std::string& newName) {
  window_.RenameLabelInTexts(oldName, newName);
}

int TGeomWin::Hooks::FillCount() const { return static_cast<int>(window_.fills.size()); }

void TGeomWin::Hooks::TruncateFills(int count) { window_.TruncateItemList(count); }

void TGeomWin::Hooks::TransformFills() { window_.TransformFills(); }

void TGeomWin::Hooks::ReplayConstruction() { window_.ReplayConstruction(true); }

void TGeomWin::Hooks::AfterUndoRedo(bool update) {
  if (window_.dimension() > 2) {
    window_.RecomputeMeasurements(-1);
  } else if (update) {
    window_.Update(true);
  }
  window_.wing.pictureValid = 0;
  window_.Invalidate(false);
  window_.RefreshDialogLists();
  window_.RefreshFaceDialog();
  window_.DrawGraphs();
}

void TGeomWin::Hooks::UpdateMenuChecks() { window_.SetupMenuChecks(true); }

}  // namespace engine
