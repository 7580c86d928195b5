// The history as text, one line a step: the listing window and the macro dialog show it.
#include <string>

#include "engine/windows/geom10_win.h"

namespace engine {

namespace {

constexpr int kSaveLabelsWord = 827;

}  // namespace

int TGeom10Win::HistoryText(std::string& out, std::size_t capacity) {
  const StepHistory& h = history();
  const int last = h.steps.empty() ? 0 : h.steps.back().sequence;
  const std::size_t width = last < 100 ? 2 : last < 1000 ? 3 : 4;
  const std::string saveLabels = " [" + stepEngine.words(kSaveLabelsWord) + "]";
  PrepareStepEngine();
  const int walked = stepEngine.ReplayConstruction(true, [&](const ConstructionRecord& step, const std::string& text) {
    if (step.sequence <= h.protected_step || out.size() >= capacity) return;
    std::string number = std::to_string(step.sequence);
    if (number.size() < width) number.insert(0, width - number.size(), '0');
    out += number + ": " + text;
    if (StepEngine::IsTransformStep(step) != 0) out += saveLabels;
    out += "\r\n";
  });
  return walked;
}

}  // namespace engine
