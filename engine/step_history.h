#pragma once
// The history of a figure: the steps in the order they were made, the steps taken back by Undo
// (for Redo), the undo marks of the transformations and the protections. Plain data the window
// owns; what Undo and Redo do to the rest of the window (texts, fills, replay, repaint) goes
// through HistoryHooks.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <span>
#include <vector>

#include "kernel/construction_record.h"

namespace engine {

using kernel::ConstructionRecord;

// A mark pushed by a transformation after it added the fills of its images: Undo of that step
// cuts the fill list back to count.
struct UndoMark {
  std::uint16_t count = 0;
  std::uint16_t kind = 0;
};

// What Undo and Redo need of the window around the history.
class HistoryHooks {
 public:
  virtual ~HistoryHooks() = default;
  // The figure's edit lock (password with mask 2); false denies Undo and Redo.
  virtual bool CheckEditLock() { return true; }
  // Renames a label in every text item of the figure.
  virtual void RenameLabelInTexts(const std::string& /*old_name*/, const std::string& /*new_name*/) {}
  // The fill records: their number, and cutting them back to a count.
  virtual int FillCount() const { return 0; }
  virtual void TruncateFills(int /*count*/) {}
  // Adds the fills of the images of a transformation that was redone.
  virtual void TransformFills() {}
  // Rebuilds the figure from the history.
  virtual void ReplayConstruction() {}
  // After Undo or Redo: the view update, the repaint, the dialog lists and the menu checks.
  virtual void AfterUndoRedo(bool /*update*/) {}
  virtual void UpdateMenuChecks() {}
};

class StepHistory {
 public:
  StepHistory();
  StepHistory(const StepHistory&) = delete;
  StepHistory& operator=(const StepHistory&) = delete;

  // The steps in order; each one's sequence number is its position.
  std::deque<ConstructionRecord> steps;
  // Steps taken back by Undo; the most recent is the last.
  std::vector<ConstructionRecord> redo;
  std::vector<UndoMark> marks;  // the top mark is the last

  // The step being built by a command (not yet committed) or, during a replay, the step being
  // executed. Points either at pending or into steps.
  ConstructionRecord* current = nullptr;

  std::uint8_t last_step_repeatable = 0;
  std::int16_t protected_step = -1;  // steps up to it belong to a starting figure
  std::int16_t macro_first = -1;
  std::int16_t macro_last = -1;
  std::int16_t copy_counter = 0;
  std::uint8_t save_labels = 1;
  std::uint8_t replaying = 0;
  std::uint8_t modified = 0;

  // Starts a new step: a fresh record of the kind and operands, made current.
  ConstructionRecord& BeginStep(kernel::StepKind kind, std::int16_t op0 = -1, std::int16_t op1 = -1,
                                std::int16_t op2 = -1, std::int16_t op3 = -1, std::int16_t op4 = -1,
                                std::int16_t op5 = -1);
  ConstructionRecord* pending() { return pending_.get(); }

  // Links the pending step at the end of the history and empties the redo list.
  void AppendStep(HistoryHooks* hooks = nullptr);
  // Commits the pending step and returns 1, or drops it when cancelled and returns 0.
  int EndStep(bool cancelled, HistoryHooks* hooks = nullptr);
  void ClearHistory();
  void ClearRedo() { redo.clear(); }
  // The kind of the last step; -1 when the history is empty or holds only its first step.
  int LastStepType() const;

  // Undo (type 0, or the kind the last step must have) or Redo (type -1); 1 when done, 0 when
  // refused (nothing changes then).
  int UndoRedo(int type, bool update, HistoryHooks& hooks);

  void PushUndoMark(std::uint16_t kind, int fill_count);
  // When the top mark belongs to kind: pops it and returns the fill count to cut back to; else -1.
  int PopUndoMark(std::uint16_t kind);
  void ClearUndoMarks() { marks.clear(); }

  void SetModified() { modified = 1; }
  bool IsModified() const { return !steps.empty() && modified != 0; }

  // Kinds whose step may be repeated by Transf > Last repeat.
  static bool IsRepeatableKind(int kind);
  // Transformations whose Undo pops their undo mark.
  static bool HasUndoMark(int kind);

 private:
  std::unique_ptr<ConstructionRecord> pending_;
};

}  // namespace engine
