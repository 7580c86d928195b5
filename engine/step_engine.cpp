#include "engine/step_engine.h"

#include <algorithm>

#include <array>

#include "engine/expr_compiler.h"
#include "engine/step_kinds.h"
#include "kernel/number_text.h"
#include "resources/resource_library.h"

namespace engine {

namespace {

using WindowOperation = int (StepExecutors::*)(std::string*);
using OwnOperation = int (StepEngine::*)(std::string*);

constexpr WindowOperation kWindowOperations[] = {
#define KV_POINTER(kind, name) &StepExecutors::name,
    KV_WINDOW_STEP_OPERATIONS(KV_POINTER)
#undef KV_POINTER
};

constexpr OwnOperation kOwnOperations[] = {
#define KV_POINTER(kind, name) &StepEngine::name,
    KV_OWN_STEP_OPERATIONS(KV_POINTER)
#undef KV_POINTER
};

// Words 173 to 178: the names of the line styles.
constexpr int kFirstStyleWord = 173;
// The description a step has when it could not be made.
constexpr int kImpossibleStepWord = 235;

}  // namespace

std::string StringTableWord(int id) {
  if (!resources::HasString(id)) return {};
  return resources::LoadString(id, 255);
}

StepEngine::StepEngine() : polygons(kPolygonCapacity) {
  executors_ = &default_executors_;
  default_executors_.engine_ = this;
  LoadWords(&StringTableWord);
}

void StepEngine::LoadWords(WordLookup lookup) {
  words = lookup;
  for (int i = 0; i < 6; ++i) style_names[i] = words(kFirstStyleWord + i).substr(0, 40);
}

void StepEngine::SetExecutors(StepExecutors* executors) {
  executors_ = executors != nullptr ? executors : &default_executors_;
  executors_->engine_ = this;
}

StepEnds StepEngine::CurrentEnds() const {
  return {tables.last_point,     tables.last_line, tables.last_circle, tables.last_hypercycle,
          tables.last_horocycle, last_polygon,     figure_counter,     solid.last_face,
          solid.last_surface,    solid.object_counter};
}

void StepEngine::RestoreEnds(const StepEnds& at) {
  tables.last_point = at.points;
  tables.last_line = at.lines;
  tables.last_circle = at.circles;
  tables.last_hypercycle = at.hypercycles;
  tables.last_horocycle = at.horocycles;
  last_polygon = at.polygons;
  figure_counter = at.counter;
  solid.last_face = at.faces;
  solid.last_surface = at.surfaces;
  solid.object_counter = at.objects;
}

int StepEngine::RunOperation(const kernel::ConstructionRecord& step, std::string* out) {
  const int kind = static_cast<std::int16_t>(step.kind);
  const StepKindInfo& info = StepKindEntry(kind);
  switch (info.dispatch) {
    case StepDispatch::kNone:
      return 0;
    case StepDispatch::kWindow:
      return (executors_->*kWindowOperations[info.operation])(out);
    case StepDispatch::kOwn:
      return (this->*kOwnOperations[info.operation])(out);
    case StepDispatch::kLibrary:
      return executors_->DoLibraryPolyhedron(LibrarySolidCode(kind, step.flag), out);
  }
  return 0;
}

int StepEngine::RedoStep(std::string* out) {
  if (history.current == nullptr) return 0;
  return RunOperation(*history.current, out);
}

int StepEngine::ReplayConstruction(
    bool replaying_flag, const std::function<void(const kernel::ConstructionRecord&, const std::string&)>& describe) {
  tables.ResetForReplay();
  RestoreEnds(StepEnds{});
  history.replaying = replaying_flag ? 1 : 0;
  ends.resize(history.steps.size());
  int count = 0;
  for (kernel::ConstructionRecord& step : history.steps) {
    history.current = &step;
    if (describe) {
      std::string text = words(kImpossibleStepWord);
      RedoStep(&text);
      describe(step, text);
    } else {
      RedoStep(nullptr);
    }
    ends[count++] = CurrentEnds();
  }
  history.current = nullptr;
  history.replaying = 0;
  return count;
}

int StepEngine::ReplayThrough(int last, bool replaying_flag) {
  tables.ResetForReplay();
  RestoreEnds(StepEnds{});
  history.replaying = replaying_flag ? 1 : 0;
  ends.resize(history.steps.size());
  const int count = std::min(last + 1, static_cast<int>(history.steps.size()));
  for (int i = 0; i < count; ++i) {
    history.current = &history.steps[static_cast<std::size_t>(i)];
    RedoStep(nullptr);
    ends[static_cast<std::size_t>(i)] = CurrentEnds();
  }
  history.current = nullptr;
  history.replaying = 0;
  return std::max(count, 0);
}

std::vector<std::string> StepEngine::StepDescriptions() {
  std::vector<std::string> lines;
  lines.reserve(history.steps.size());
  ReplayConstruction(true, [&lines](const kernel::ConstructionRecord&, const std::string& text) { lines.push_back(text); });
  return lines;
}

int StepEngine::ReplaySteps(std::span<const int> positions) {
  if (ends.size() != history.steps.size()) return ReplayConstruction(true);
  const StepEnds high = CurrentEnds();
  tables.keep_labels_through = high.points;
  history.replaying = 1;
  int count = 0;
  bool moved_ends = false;
  for (int pos : positions) {
    if (pos < 0 || static_cast<std::size_t>(pos) >= history.steps.size()) continue;
    RestoreEnds(pos == 0 ? StepEnds{} : ends[pos - 1]);
    history.current = &history.steps[pos];
    RedoStep(nullptr);
    ++count;
    if (!(CurrentEnds() == ends[pos])) {
      moved_ends = true;
      break;
    }
  }
  tables.keep_labels_through = -1;
  history.current = nullptr;
  history.replaying = 0;
  if (moved_ends) return ReplayConstruction(true);
  RestoreEnds(high);
  return count;
}

int StepEngine::ExecuteNewStep(std::string* out) {
  if (history.pending() == nullptr) return 0;
  const StepEnds before = CurrentEnds();
  history.current = history.pending();
  building = 1;
  const int result = RedoStep(out);
  building = 0;
  // The deletions answer with the number of objects they deleted, not with a message.
  const int kind = history.pending()->kind;
  const bool counts = kind == 142 || kind == 143;
  if (result > 0 && !counts) {
    const StepEnds after = CurrentEnds();
    AdjustTables(before.points - after.points, before.lines - after.lines, before.circles - after.circles,
                 before.hypercycles - after.hypercycles, before.horocycles - after.horocycles);
    // The counters, a polygon the failed step set up, its faces and surfaces go too.
    figure_counter = before.counter;
    last_polygon = before.polygons;
    solid.last_face = before.faces;
    solid.last_surface = before.surfaces;
    solid.object_counter = before.objects;
    history.EndStep(true);
    return result;
  }
  history.AppendStep();
  ends.resize(history.steps.size() - 1);
  ends.push_back(CurrentEnds());
  return result;
}

int StepEngine::Evaluate(std::string text, Real& value) {
  const int result = executors_->EvaluateText(text, value);
  if (result == -4 || result >= 1) return result >= 1 ? result : kMsgCannotUnderstand;
  return 0;
}

std::string StepEngine::FormatNumber(Real x) const { return kernel::FormatLD(x, number_width, number_decimals); }

std::string StepEngine::RgbText(int colour_index) const {
  const kernel::ColorArray& table = colours != nullptr ? *colours : kernel::DefaultColorTable();
  const kernel::ColorRef c = (colour_index >= 1 && colour_index <= 60) ? table[colour_index] : table[0];
  return words(56) + "(" + std::to_string(kernel::RedOf(c)) + "," + std::to_string(kernel::GreenOf(c)) + "," +
         std::to_string(kernel::BlueOf(c)) + ")";
}

std::string StepEngine::StyleName(int style) const {
  if (style < 0 || style >= static_cast<int>(style_names.size())) return {};
  return style_names[style];
}

}  // namespace engine
