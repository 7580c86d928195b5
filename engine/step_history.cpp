#include "engine/step_history.h"

#include "kernel/labels.h"

namespace engine {

namespace {

constexpr int kRelabelKind = 120;
constexpr int kCopyKind = 457;

std::string LabelName(std::uint16_t label) {
  std::string name;
  kernel::FormatLabel(label, name);
  return name;
}

// Redoing these rewrites their save-labels word from the current option.
bool TakesSaveLabelsOption(int kind) {
  return kind == 90 || (kind >= 145 && kind <= 150) || kind == 155 || kind == 387;
}

}  // namespace

StepHistory::StepHistory() = default;

bool StepHistory::IsRepeatableKind(int kind) {
  return kind == 145 || kind == 146 || kind == 150 || (kind >= 443 && kind <= 446);
}

bool StepHistory::HasUndoMark(int kind) {
  return kind == 90 || kind == 145 || kind == 146 || kind == 147 || kind == 150 || kind == 155 || kind == 157;
}

ConstructionRecord& StepHistory::BeginStep(kernel::StepKind kind, std::int16_t op0, std::int16_t op1,
                                           std::int16_t op2, std::int16_t op3, std::int16_t op4,
                                           std::int16_t op5) {
  pending_ = std::make_unique<ConstructionRecord>();
  kernel::InitConstruction(*pending_, kind, op0, op1, op2, op3, op4, op5, 0, 0, 0, 0, 0, 0);
  current = pending_.get();
  return *pending_;
}

void StepHistory::AppendStep(HistoryHooks* hooks) {
  if (!pending_) return;
  pending_->sequence = steps.empty() ? 0 : static_cast<std::int16_t>(steps.back().sequence + 1);
  pending_->next = nullptr;
  last_step_repeatable = IsRepeatableKind(pending_->kind) ? 1 : 0;
  steps.push_back(std::move(*pending_));
  pending_.reset();
  current = &steps.back();
  modified = 1;
  if (hooks != nullptr) hooks->UpdateMenuChecks();
  redo.clear();
}

int StepHistory::EndStep(bool cancelled, HistoryHooks* hooks) {
  if (cancelled) {
    if (current == pending_.get()) current = nullptr;
    pending_.reset();
    return 0;
  }
  AppendStep(hooks);
  return 1;
}

void StepHistory::ClearHistory() {
  steps.clear();
  pending_.reset();
  current = nullptr;
  redo.clear();
}

int StepHistory::LastStepType() const {
  if (steps.empty() || steps.back().sequence == 0) return -1;
  return steps.back().kind;
}

void StepHistory::PushUndoMark(std::uint16_t kind, int fill_count) {
  marks.push_back({static_cast<std::uint16_t>(fill_count), kind});
}

int StepHistory::PopUndoMark(std::uint16_t kind) {
  if (marks.empty() || marks.back().kind != kind) return -1;
  const int count = marks.back().count;
  marks.pop_back();
  return count;
}

int StepHistory::UndoRedo(int type, bool update, HistoryHooks& hooks) {
  if (steps.empty()) return 0;
  if (type < 0 && redo.empty()) return 0;
  if (!hooks.CheckEditLock()) return 0;
  ConstructionRecord& last = steps.back();
  if (type > 0 && last.kind != type) return 0;
  if (type >= 0 && last.sequence <= protected_step) return 0;

  int redone_kind = -1;
  if (type < 0) {
    ConstructionRecord step = std::move(redo.back());
    redo.pop_back();
    if (step.kind == kRelabelKind) hooks.RenameLabelInTexts(LabelName(step.operands[0]), LabelName(step.operands[2]));
    if (TakesSaveLabelsOption(step.kind)) step.operands[39] = save_labels ? kernel::kNoOperand : 1;
    step.next = nullptr;
    if (step.kind == kCopyKind) ++copy_counter;
    redone_kind = step.kind;
    steps.push_back(std::move(step));
  } else {
    if (last.sequence == 0) return 0;
    if (last.kind == kRelabelKind) hooks.RenameLabelInTexts(LabelName(last.operands[2]), LabelName(last.operands[0]));
    const std::int16_t s = static_cast<std::int16_t>(last.sequence - 1);
    if (macro_last > s) macro_last = s;
    if (macro_first > macro_last) macro_first = macro_last;
    const int kind = last.kind;
    redo.push_back(std::move(last));
    steps.pop_back();
    last_step_repeatable = 0;
    if (kind == kCopyKind) --copy_counter;
    if (HasUndoMark(kind)) {
      const int count = PopUndoMark(static_cast<std::uint16_t>(kind));
      if (count >= 0) hooks.TruncateFills(count);
    }
  }
  current = nullptr;
  hooks.ReplayConstruction();
  if (redone_kind >= 0 && HasUndoMark(redone_kind)) {
    PushUndoMark(static_cast<std::uint16_t>(redone_kind), hooks.FillCount());
    hooks.TransformFills();
  }
  hooks.AfterUndoRedo(update);
  hooks.UpdateMenuChecks();
  modified = 1;
  return 1;
}

}  // namespace engine
