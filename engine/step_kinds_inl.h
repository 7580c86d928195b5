#pragma once
// The operand walk of the step-kind table (included by step_kinds.h).

namespace engine {

inline bool IsObjectOperand(OperandKind kind) {
  switch (kind) {
    case OperandKind::kPoint:
    case OperandKind::kPointOrNone:
    case OperandKind::kLine:
    case OperandKind::kCircle:
    case OperandKind::kHypercycle:
    case OperandKind::kHorocycle:
      return true;
    default:
      return false;
  }
}

template <class Visit>
void ForEachObjectOperand(const kernel::ConstructionRecord& record, const StepKindInfo& info, Visit&& visit) {
  const auto& op = record.operands;
  constexpr int n_ops = kernel::kConstructionOperands;
  for (int s = 0; s < info.slot_count; ++s) {
    const OperandSlot& slot = info.slots[s];
    if (IsObjectOperand(slot.kind) && op[slot.slot] != kernel::kNoOperand) {
      visit(slot.kind == OperandKind::kPointOrNone ? OperandKind::kPoint : slot.kind, op[slot.slot]);
    }
  }
  switch (info.form) {
    case OperandForm::kPointRun:
      for (int i = 0; i < n_ops && op[i] != kernel::kNoOperand; ++i) visit(OperandKind::kPoint, op[i]);
      break;
    case OperandForm::kVectorPairs: {
      const int n = op[0];
      if (n >= 0 && 2 * n + 1 < n_ops) {
        for (int i = 1; i <= 2 * n + 1; ++i) {
          if (op[i] != kernel::kNoOperand) visit(OperandKind::kPoint, op[i]);
        }
      }
      break;
    }
    case OperandForm::kDeletionTriples:
      for (int i = 0; i + 2 < n_ops && static_cast<std::int16_t>(op[i]) >= 0; i += 3) {
        visit(OperandKind::kPoint, op[i]);
        if (op[i + 1] != kernel::kNoOperand) visit(OperandKind::kPoint, op[i + 1]);
        if (op[i + 2] != kernel::kNoOperand) visit(info.list_kind, op[i + 2]);
      }
      break;
    case OperandForm::kCountedObjects: {
      const int n = op[0];
      if (n >= 0 && 4 + n <= n_ops) {
        const OperandKind kind = record.flag ? OperandKind::kLine : OperandKind::kCircle;
        for (int i = 4; i < 4 + n; ++i) {
          if (op[i] != kernel::kNoOperand) visit(kind, op[i]);
        }
      }
      break;
    }
    case OperandForm::kFixed:
    case OperandForm::kCircleRing:
      break;
  }
}

}  // namespace engine
