#include "engine/step_kinds.h"

#include <string_view>

#include "engine/figure_tables.h"
#include "engine/step_operations.h"

namespace engine {

namespace {

using kernel::kNoOperand;

enum WindowOperationIndex : std::uint16_t {
#define KV_ENUM(kind, name) kWin_##name##_##kind,
  KV_WINDOW_STEP_OPERATIONS(KV_ENUM)
#undef KV_ENUM
};

enum OwnOperationIndex : std::uint16_t {
#define KV_ENUM(kind, name) kOwn_##name##_##kind,
  KV_OWN_STEP_OPERATIONS(KV_ENUM)
#undef KV_ENUM
};

// Reads an operand signature such as "0P 1P 2L 3a 4a 5a 8*": slot number, then its kind: P point,
// p point or none, L line, C circle, Y hypercycle, H horocycle, B label, N number, a attribute
// word, * anything.
void SetSlots(StepKindInfo& info, std::string_view signature) {
  info.slot_count = 0;
  std::size_t i = 0;
  while (i < signature.size() && info.slot_count < kMaxSlotsPerKind) {
    if (signature[i] == ' ') {
      ++i;
      continue;
    }
    int slot = 0;
    while (i < signature.size() && signature[i] >= '0' && signature[i] <= '9') slot = slot * 10 + (signature[i++] - '0');
    const char code = i < signature.size() ? signature[i++] : '*';
    OperandKind kind = OperandKind::kAny;
    switch (code) {
      case 'P': kind = OperandKind::kPoint; break;
      case 'p': kind = OperandKind::kPointOrNone; break;
      case 'L': kind = OperandKind::kLine; break;
      case 'C': kind = OperandKind::kCircle; break;
      case 'Y': kind = OperandKind::kHypercycle; break;
      case 'H': kind = OperandKind::kHorocycle; break;
      case 'B': kind = OperandKind::kLabel; break;
      case 'N': kind = OperandKind::kNumber; break;
      case 'a': kind = OperandKind::kAttribute; break;
      default: kind = OperandKind::kAny; break;
    }
    info.slots[info.slot_count++] = {static_cast<std::uint8_t>(slot), kind};
  }
}

struct Described {
  int kind;
  std::string_view signature;
  StepCreates creates;
  std::uint16_t flags;
  OperandForm form = OperandForm::kFixed;
  OperandKind list_kind = OperandKind::kUnused;
};

constexpr std::uint16_t kExact = kExactLayout;
constexpr std::uint16_t kUnit = kUsesCounter | kEvaluatesTexts | kExactLayout;
constexpr std::uint16_t kRandomUnit = kUsesRandom | kUsesView | kUsesCounter | kEvaluatesTexts;
constexpr std::uint16_t kTransform = kMovesOtherPoints | kEvaluatesTexts;
constexpr std::uint16_t kTessUnit = kUsesCounter | kEvaluatesTexts | kVariableCount;

// The operand layouts of the kinds whose layouts are fixed; every other kind with an operation
// is opaque (no record check, always replayed).
constexpr Described kDescribed[] = {
    // Tessellation units: no operands; text 1 the inclination.
    // Each takes the next unit tag; the quadrilateral's last two points follow its vertices.
    {11, "", {}, kTessUnit}, {12, "", {}, kTessUnit}, {13, "", {}, kTessUnit}, {14, "", {}, kTessUnit},
    {15, "", {}, kTessUnit}, {16, "", {}, kTessUnit}, {17, "", {}, kTessUnit}, {18, "", {}, kTessUnit},
    {19, "", {}, kTessUnit}, {20, "", {}, kTessUnit}, {21, "", {}, kTessUnit},
    {22, "", {}, kTessUnit | kUsesRandom},
    // Triangles from data and special quadrilaterals.
    {50, "3a 4a 5a 8* 20*", {3, 3}, kUnit}, {51, "3a 4a 5a 8* 20*", {3, 3}, kUnit},
    {52, "3a 4a 5a 8* 20*", {3, 3}, kUnit}, {53, "3a 4a 5a 8* 20*", {3, 3}, kUnit},
    {67, "3a 4a 5a 8* 20*", {3, 3}, kUnit},
    {56, "3a 4a 5a 8*", {4, 4}, kUnit | kUsesView | kUsesRandom},
    {58, "3a 4a 5a 8*", {4, 4}, kUnit | kUsesView | kUsesRandom},
    {63, "3a 4a 5a 8*", {4, 4}, kUnit | kUsesView | kUsesRandom},
    // Random figures and units: the side attributes in 3 to 5.
    {54, "3a 4a 5a", {2, 0, 1}, kRandomUnit | kExact},
    {55, "0N 1N 3a 4a 5a 8*", {}, kRandomUnit | kVariableCount | kExact},
    {57, "3a 4a 5a", {4, 4}, kRandomUnit | kExact}, {59, "3a 4a 5a", {4, 4}, kRandomUnit | kExact},
    {60, "3a 4a 5a", {3, 3}, kRandomUnit | kExact}, {61, "3a 4a 5a", {3, 3}, kRandomUnit | kExact},
    {62, "0N 3a 4a 5a", {}, kRandomUnit | kVariableCount | kExact},
    {64, "3a 4a 5a 8*", {2, 1}, kRandomUnit | kExact},
    {65, "3a 4a 5a", {4, 4}, kRandomUnit | kExact},
    {66, "0N 1N 3a 4a 5a 8*", {}, kRandomUnit | kVariableCount | kExact},
    {71, "3a 4a 5a", {4, 4}, kRandomUnit | kExact}, {72, "3a 4a 5a", {4, 4}, kRandomUnit | kExact},
    {73, "3a 4a 5a", {3, 3}, kRandomUnit | kExact}, {75, "3a 4a 5a", {4, 4}, kRandomUnit | kExact},
    {81, "0P 1P 2L", {1}, kUsesRandom | kExact},
    {82, "0P 1P 2C", {1}, kUsesRandom | kExact},
    // The hyperbolic tessellation: p, q, r, the layers, then its last point and last side.
    {30, "0N 1N 2N 3N 4* 5*", {}, kVariableCount},
    // Circles and arcs.
    {91, "0P 1P 3a 4a 5a", {0, 0, 1}, kExact},
    {92, "0P 1N 3a 4a 5a 8*", {1, 0, 1}, kEvaluatesTexts | kExact},
    {93, "0P 1P 2P 3a 4a 5a", {0, 0, 1}, kExact},
    {94, "0P 1P 3a 4a 5a 8*", {1, 0, 1}, kEvaluatesTexts | kExact},
    {95, "0P 1P 2p 3a 4a 5a", {0, 0, 1}, kExact},
    {208, "", {1, 1}, kExact, OperandForm::kVectorPairs},
    // Points.
    {101, "0P 1P 2L 8*", {1}, kEvaluatesTexts | kExact},
    {102, "0P 1P 2C 8*", {1}, kEvaluatesTexts | kExact},
    {121, "0B", {1}, kExact},
    {122, "8*", {1}, kEvaluatesTexts | kExact},
    {201, "0P 1P 2L", {1}, kExact},
    {202, "0P 1P 2C", {1}, kExact},
    {204, "", {1}, kEvaluatesTexts, OperandForm::kPointRun},
    {207, "0Y", {1}, kExact},
    {209, "0H", {1}, kExact},
    // Intersections.
    {100, "0P 1P 2p 3p 4p 5p 6p 7N 8L", {}, kEvaluatesTexts | kVariableCount | kExact},
    {103, "0P 1P 2P 3P 4L 5L", {1}, kExact},
    {104, "0P 1P 2P 3P 4L 5C 6p", {}, kVariableCount | kExact},
    {105, "0P 1P 2P 3P 4C 5C", {}, kVariableCount | kExact},
    // Centres and special points.
    {99, "0P 1P 2P 3L 4L 5L 6a 7a 8a", {4, 0, 1}, kExact},
    {106, "1P 2P 3P 8*", {1}, kEvaluatesTexts | kExact},
    {107, "0P 1P 2P", {1}, kExact},
    {108, "0N", {1}, kEvaluatesTexts},
    {124, "0P 1P 2P", {1}, kExact},
    {125, "0P 1P 2P", {1}, kExact},
    {126, "0P 1P 2P", {1}, kExact},
    {128, "0P 1P 2P", {1}, kExact},
    {129, "0P 1P 3a 4a 5a 8*", {3, 0, 1}, kEvaluatesTexts | kExact},
    {131, "0P 1P 2P 4a 5a 6a", {1, 0, 1}, kExact},
    {132, "0P 1P 2P 3L 4L 5L 6a 7a 8a", {4, 0, 1}, kExact},
    {134, "0P 1P 2P 3L 4L 5L 6a 7a 8a", {4, 0, 1}, kExact},
    // Lines, angles, perpendiculars, parallels and tangents.
    {111, "0P 1P 3a 4a 5a", {0, 1}, kExact},
    {112, "0N 1L", {}, kExact},
    {113, "0P 1P 2P 3a 4a 5a", {1, 1}, kExact},
    {114, "0P 1P 3a 4a 5a 8*", {1, 1}, kEvaluatesTexts | kExact},
    {115, "0P 1P 2P 3L 4N 5a 6a 7a", {1, 1}, kEvaluatesTexts | kExact},
    {116, "0P 1P 3a 4a 5a", {0, 1}, kExact},
    {117, "0P 1P 3a 4a 5a", {0, 1}, kExact},
    {118, "0C 1P 2P", {3, 0, 1}, kExact},
    {119, "0P 1P 2P 3L 4a 5a 6a", {2, 2}, kExact},
    {130, "0L 1P", {0, 0, 0, 1}, kExact},
    {135, "0P 1P 2P 3C 4a 5a 6a", {2, 2}, kExact},
    {136, "0P 1P 2C 3a 4a 5a", {1, 1}, kExact},
    {137, "0P 1P 2C 3P 4P 5C 6a 7a 8a", {4, 2}, kExact},
    {138, "0P 1P 2L 3P", {0, 0, 0, 0, 1}, kExact},
    {139, "0L 1L 3a 4a 5a", {2, 1}, kExact},
    // Labels, deletions and attributes.
    {120, "0B 1P 2B", {}, kExact | kLabelsOnly},
    {123, "0P 1P", {}, kExact | kLabelsOnly},
    {142, "", {}, 0, OperandForm::kDeletionTriples, OperandKind::kLine},
    {143, "", {}, 0, OperandForm::kDeletionTriples, OperandKind::kCircle},
    {144, "", {}, kExact | kReadsAllLines},
    {160, "", {}, 0, OperandForm::kCountedObjects},
    {169, "8*", {}, kUsesRandom | kUsesView | kUsesCounter | kEvaluatesTexts | kVariableCount,
     OperandForm::kCircleRing},
    // Point deletion, polygons on a side, tangent and Soddy circles, arrays of circles.
    {141, "", {}, 0, OperandForm::kPointRun},
    {149, "0N 1P 2P 3* 4a 5a 6a 39*", {}, kVariableCount | kExact},
    {133, "0P 1P 2P 3N 4a 5a 6a 7* 8* 9* 10* 11* 12* 13*", {}, kVariableCount | kExact},
    {127, "0P 1P 2P 3N 4a 5a 6a 7* 8* 9* 10* 11* 12* 13*", {}, kVariableCount | kExact},
    {167, "0N 1N 2N 3N 4a 5a 6a", {}, kUsesRandom | kUsesView | kUsesCounter | kEvaluatesTexts | kVariableCount | kExact},
    {168, "0N 2N 3N 4a 5a 6a", {}, kUsesRandom | kUsesView | kUsesCounter | kEvaluatesTexts | kVariableCount | kExact},
    // Hyperbolic curves met by lines, circles and each other; 2 the point they already share.
    {171, "0L 1Y 2p", {2}, kExact}, {172, "0C 1Y 2p", {2}, kExact}, {173, "0Y 1Y 2p", {2}, kExact},
    {174, "0H 1H 2p", {2}, kExact}, {175, "0L 1H 2p", {2}, kExact}, {176, "0C 1H 2p", {2}, kExact},
    {177, "0H 1Y 2p", {2}, kExact},
    // Conics and analytic lines and circles.
    {203, "0N 1P 2P 3P", {1}, kEvaluatesTexts | kExact},
    {205, "0N 1N 2N 3N", {2, 1}, kEvaluatesTexts | kExact},
    {206, "0N 1N 2N 3N", {2, 0, 1}, kEvaluatesTexts | kExact},
    {210, "0N 1N 2P 3p 4p 5p 6p 7p 8a 9a 10a", {2, 2}, kEvaluatesTexts | kExact},
    {211, "0N 1N 2N 3p 4p 5p 6p 7p 8a 9a 10a", {}, kEvaluatesTexts | kVariableCount | kExact},
    {212, "0P 1P 2p 3N 4a 5a 6a", {3, 2}, kEvaluatesTexts | kExact},
    // Transformations: they move or copy the points their texts list.
    {145, "0P 1P 2N 39*", {}, kTransform | kVariableCount},
    {146, "0P 39*", {}, kTransform | kVariableCount},
    {147, "0P 1P 39*", {}, kTransform | kVariableCount},
    {148, "0P 1P 39*", {}, kTransform | kVariableCount},
    {150, "0P 1P 39*", {}, kTransform | kVariableCount},
    {155, "0P 1P 2P 3P 4N 39*", {}, kTransform | kVariableCount},
};

// Kinds with an operation whose layout this table does not hold, but whose effect reaches points
// they did not make.
constexpr int kOpaqueMovers[] = {90, 149, 157, 387, 440, 441, 443, 444, 445, 446, 447, 448, 449, 450, 451, 452, 455, 457};

struct Table {
  std::array<StepKindInfo, kStepKindCount> entries{};

  Table() {
    for (StepKindInfo& e : entries) {
      e.dispatch = StepDispatch::kNone;
      e.flags = 0;  // a kind without operation does nothing, so nothing depends on it
    }
#define KV_WINDOW(kind, op_name) Set(kind, StepDispatch::kWindow, kWin_##op_name##_##kind, #op_name);
    KV_WINDOW_STEP_OPERATIONS(KV_WINDOW)
#undef KV_WINDOW
#define KV_OWN(kind, op_name) Set(kind, StepDispatch::kOwn, kOwn_##op_name##_##kind, #op_name);
    KV_OWN_STEP_OPERATIONS(KV_OWN)
#undef KV_OWN
    SetLibrary();
    for (const Described& d : kDescribed) {
      StepKindInfo& e = entries[d.kind - kFirstStepKind];
      SetSlots(e, d.signature);
      e.creates = d.creates;
      e.flags = d.flags;
      e.form = d.form;
      e.list_kind = d.list_kind;
    }
    for (int kind : kOpaqueMovers) entries[kind - kFirstStepKind].flags |= kMovesOtherPoints;
  }

  void Set(int kind, StepDispatch dispatch, std::uint16_t operation, std::string_view name) {
    StepKindInfo& e = entries[kind - kFirstStepKind];
    e.dispatch = dispatch;
    e.operation = operation;
    e.name = name;
    e.flags = kOpaque;
  }

  void Library(int kind, int code) {
    StepKindInfo& e = entries[kind - kFirstStepKind];
    e.dispatch = StepDispatch::kLibrary;
    e.library_code = static_cast<std::uint16_t>(code);
    e.name = "DoLibraryPolyhedron";
    // Operand 0 the centre point or none, 1 the format marker; text 1 the edge length.
    SetSlots(e, "0p 1N");
    e.flags = kEvaluatesTexts | kUsesCounter | kVariableCount;
  }

  void SetLibrary() {
    for (int k = 316; k <= 321; ++k) Library(k, k + 684);
    Library(322, 1115);
    for (int k = 323; k <= 338; ++k) Library(k, k + 683);
    Library(339, 1114);
    Library(340, 1105);
    Library(341, 1072);
    Library(342, 1033);
    Library(343, 1034);
    Library(344, 1038);
    Library(345, 1084);
    for (int k = 346; k <= 350; ++k) Library(k, k + 770);
    for (int k = 501; k <= 592; ++k) {
      // These library kinds are not used: their solids are reached through 340 to 345.
      if (k == 512 || k == 513 || k == 517 || k == 551 || k == 563 || k == 584) continue;
      Library(k, k + 521);
    }
    for (int k = 593; k <= 596; ++k) Library(k, k + 528);
    Library(597, 1125);
    Library(598, 1127);
    Library(599, 1128);
  }
};

const Table& TheTable() {
  static const Table table;
  return table;
}

const StepKindInfo kNothing{StepDispatch::kNone, 0, 0, OperandForm::kFixed, 0, {}, {}, 0, OperandKind::kUnused, {}};

bool InRange(OperandKind kind, std::uint16_t v) {
  switch (kind) {
    case OperandKind::kPoint: return v <= kLastPointLimit;
    case OperandKind::kPointOrNone: return v == kNoOperand || v <= kLastPointLimit;
    // A line index, or an axis: -10 the x axis, any other value below -9 the y axis.
    case OperandKind::kLine: return v <= kLastLineLimit || static_cast<std::int16_t>(v) <= -10;
    case OperandKind::kCircle: return v <= kLastCircleLimit;
    case OperandKind::kHypercycle:
    case OperandKind::kHorocycle: return v <= kLastHypCurveLimit;
    case OperandKind::kLabel: return v == kNoOperand || v <= kLastPointLimit;
    case OperandKind::kUnused: return v == kNoOperand;
    case OperandKind::kAttribute: return v == kNoOperand || v < 1000;
    case OperandKind::kNumber:
    case OperandKind::kAny: return true;
  }
  return false;
}

}  // namespace

bool StepKindInfo::AlwaysReplayed() const {
  return (flags & (kUsesView | kUsesRandom | kUsesCounter | kUsesWindowSize | kEvaluatesTexts | kOpaque)) != 0;
}

const StepKindInfo& StepKindEntry(int kind) {
  if (kind < kFirstStepKind || kind > kLastStepKind) return kNothing;
  return TheTable().entries[kind - kFirstStepKind];
}

std::span<const StepKindInfo, kStepKindCount> StepKindTable() { return TheTable().entries; }

int LibrarySolidCode(int kind, std::uint8_t flag) {
  const StepKindInfo& e = StepKindEntry(kind);
  if (e.dispatch != StepDispatch::kLibrary) return 0;
  if (kind == 597) return flag != 0 ? 1125 : 1126;  // the flag asks for the icosihemidodecahedron
  return e.library_code;
}

int CheckStepOperands(const kernel::ConstructionRecord& record) {
  const int kind = static_cast<std::int16_t>(record.kind);
  const StepKindInfo& info = StepKindEntry(kind);
  if (info.dispatch == StepDispatch::kNone || info.Has(kOpaque)) return 0;
  const auto& op = record.operands;
  constexpr int n_ops = kernel::kConstructionOperands;
  std::array<bool, n_ops> used{};
  for (int s = 0; s < info.slot_count; ++s) {
    const OperandSlot slot = info.slots[s];
    used[slot.slot] = true;
    if (!InRange(slot.kind, op[slot.slot])) return kMsgCannotUnderstand;
  }
  auto mark = [&](int i) { if (i >= 0 && i < n_ops) used[i] = true; };
  switch (info.form) {
    case OperandForm::kFixed:
      break;
    case OperandForm::kPointRun: {
      for (int i = 0; i < n_ops && op[i] != kNoOperand; ++i) {
        if (!InRange(OperandKind::kPoint, op[i])) return kMsgCannotUnderstand;
      }
      break;
    }
    case OperandForm::kVectorPairs: {
      const int n = op[0];
      if (n < 1 || 2 * n + 1 >= n_ops) return kMsgCannotUnderstand;
      for (int i = 1; i <= 2 * n + 1; ++i) {
        if (!InRange(OperandKind::kPoint, op[i])) return kMsgCannotUnderstand;
      }
      break;
    }
    case OperandForm::kDeletionTriples:
      for (int i = 0; i < n_ops && static_cast<std::int16_t>(op[i]) >= 0; i += 3) {
        if (i + 2 >= n_ops) return kMsgCannotUnderstand;
        if (!InRange(OperandKind::kPoint, op[i]) || !InRange(OperandKind::kPointOrNone, op[i + 1]) ||
            !InRange(info.list_kind, op[i + 2])) {
          return kMsgCannotUnderstand;
        }
      }
      break;
    case OperandForm::kCountedObjects: {
      const int n = op[0];
      if (n < 0 || 4 + n > n_ops) return kMsgCannotUnderstand;
      const OperandKind objects = record.flag ? OperandKind::kLine : OperandKind::kCircle;
      for (int i = 4; i < 4 + n; ++i) {
        if (!InRange(objects, op[i])) return kMsgCannotUnderstand;
      }
      break;
    }
    case OperandForm::kCircleRing: {
      const int n = op[0];
      const int mode = op[1];
      if (n < 1 || n > 50 || mode > 2) return kMsgCannotUnderstand;
      const int points = mode >= 1 ? 3 * n + 1 : 3 * n;
      if (op[2] != points || op[3] != n + 1) return kMsgCannotUnderstand;
      for (int i = 0; i <= 6; ++i) mark(i);
      break;
    }
  }
  if (info.Has(kExactLayout) && info.form == OperandForm::kFixed) {
    for (int i = 0; i < n_ops; ++i) {
      if (used[i]) continue;
      // Commands copy the current line attributes into 3 to 5 whether the kind uses them or not.
      const bool attribute_slot = i >= 3 && i <= 5 && InRange(OperandKind::kAttribute, op[i]);
      if (op[i] != kNoOperand && !attribute_slot) return kMsgCannotUnderstand;
    }
  }
  return 0;
}

}  // namespace engine
