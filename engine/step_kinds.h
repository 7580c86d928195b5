#pragma once
// What each step kind 11..599 is, written once as data: how the dispatcher runs it, which of its
// operands name which objects, how many objects it makes, and whether its result depends on more
// than its operands. The dispatcher, the history reader (which refuses records that do not fit
// their kind), the descriptions and the drag path (which replays only the steps downstream of
// what moved) all read this table.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "kernel/construction_record.h"

namespace engine {

inline constexpr int kFirstStepKind = 11;
inline constexpr int kLastStepKind = 599;
inline constexpr int kStepKindCount = kLastStepKind - kFirstStepKind + 1;  // 589

enum class StepDispatch : std::uint8_t {
  kNone,       // no operation: the step does nothing
  kWindow,     // a per-kind operation of the window layers
  kOwn,        // a routine of the step layer itself
  kLibrary,    // a polyhedron of the library, by its solid code
};

// What an operand slot holds.
enum class OperandKind : std::uint8_t {
  kUnused,      // must be none (0xFFFF) in a record of a kind whose layout is exact
  kPoint,       // a point index
  kPointOrNone, // a point index or none
  kLine,
  kCircle,
  kHypercycle,
  kHorocycle,
  kLabel,       // a label id, or none
  kNumber,      // a count, mode or option of the kind
  kAttribute,   // one word of a colour/thickness/style triple, stored one less than its value
  kAny,         // written by the executor, or a marker (long text, degenerate code)
};

// How the operands are laid out beyond the fixed slots.
enum class OperandForm : std::uint8_t {
  kFixed,          // only the slots of the table
  kPointRun,       // points from slot 0 while not none (at most 24 before the closing none)
  kVectorPairs,    // slot 0 n, slots 1..2n tail/head point pairs, slot 2n+1 the start point
  kDeletionTriples,// (point, point, object) triples from slot 0 while the triple's first is a point
  kCountedObjects, // slot 0 n, slots 1..3 attributes, then n line or circle indices
  kCircleRing,     // slot 0 n, 1 mode, 2 points, 3 circles, 4..6 attributes
};

// Why a step must be replayed even when none of its operands moved.
enum StepKindFlag : std::uint16_t {
  kUsesView = 1 << 0,         // places objects relative to the view
  kUsesRandom = 1 << 1,       // draws random values while the step is new
  kUsesCounter = 1 << 2,      // takes the next unit tag
  kUsesWindowSize = 1 << 3,   // the window's size or pixel scale
  kEvaluatesTexts = 1 << 4,   // typed expressions that may name points, sliders and functions
  kMovesOtherPoints = 1 << 5, // moves or copies points it did not make (transformations)
  kOpaque = 1 << 6,           // operand layout not held in this table: no record check, always replayed
  kExactLayout = 1 << 7,      // every slot outside the table must be none
  kVariableCount = 1 << 8,    // the number of objects it makes depends on the figure
  kLabelsOnly = 1 << 9,       // changes labels only: points made again keep theirs, so it never runs again
  kReadsAllLines = 1 << 10,   // acts on every line: runs again when any line was made again
};

// What a step makes when it runs (or reserves when it fails).
struct StepCreates {
  std::int16_t points = 0;
  std::int16_t lines = 0;
  std::int16_t circles = 0;
  std::int16_t hypercycles = 0;
  std::int16_t horocycles = 0;
};

inline constexpr int kMaxSlotsPerKind = 16;

struct OperandSlot {
  std::uint8_t slot = 0;
  OperandKind kind = OperandKind::kUnused;
};

struct StepKindInfo {
  StepDispatch dispatch = StepDispatch::kNone;
  std::uint16_t operation = 0;     // index of the operation (window or own list)
  std::uint16_t library_code = 0;  // kLibrary: the solid code (597 chooses by its flag byte)
  OperandForm form = OperandForm::kFixed;
  std::uint8_t slot_count = 0;
  std::array<OperandSlot, kMaxSlotsPerKind> slots{};
  StepCreates creates;
  std::uint16_t flags = kOpaque;
  OperandKind list_kind = OperandKind::kUnused;  // the objects of a deletion or attribute list
  std::string_view name;  // the name of its operation

  bool Has(StepKindFlag flag) const { return (flags & flag) != 0; }
  // True when the step must run in every replay, moved operands or not.
  bool AlwaysReplayed() const;
};

// The entry of a kind; a kind outside 11..599 gets an entry that does nothing.
const StepKindInfo& StepKindEntry(int kind);
std::span<const StepKindInfo, kStepKindCount> StepKindTable();

// The solid code a library step builds: its entry's code, 1125 or 1126 for kind 597 by the flag
// byte (set: 1126); 0 when the kind is not a library kind.
int LibrarySolidCode(int kind, std::uint8_t flag);

// Checks a record read from a file against its kind: every object operand in range (or none
// where allowed), counts within the 40 operands, the slots an exact layout leaves free empty.
// 0 when it fits, else message 1 ("cannot understand").
int CheckStepOperands(const kernel::ConstructionRecord& record);

// The object operands of a step, each handed to visit(kind, index); lists are walked by their
// form. Only the operands the table knows are visited.
template <class Visit>
void ForEachObjectOperand(const kernel::ConstructionRecord& record, const StepKindInfo& info, Visit&& visit);

}  // namespace engine

#include "engine/step_kinds_inl.h"
