#include "solid/loaded_step_repair.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "kernel/label_parsing.h"
#include "kernel/labels.h"

namespace solid {

namespace {

constexpr std::uint16_t kAddDeleteFaceKind = 380;
constexpr std::uint16_t kFaceColourKind = 381;
constexpr std::uint16_t kReflectionKind = 447;
constexpr std::size_t kVertexCountOperand = 39;
// Room of the vertex list of a face step (operands 0 to 37).
constexpr int kFaceStepVertices = 38;
constexpr std::size_t kLabelListCapacity = 100;

void OpenClosedVertexList(kernel::ConstructionRecord& step) {
  const int count = step.operands[kVertexCountOperand];
  if (count < 3 || count > kFaceStepVertices) return;
  const auto last = static_cast<std::size_t>(count - 1);
  if (step.operands[last] != step.operands[0]) return;
  step.operands[last] = kernel::kNoOperand;
  step.operands[kVertexCountOperand] = static_cast<std::uint16_t>(count - 1);
}

void NormaliseFaceText(kernel::ConstructionRecord& step) {
  std::string text;
  for (const char c : step.text[0])
    if (c != ' ') text.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  text.push_back('/');
  std::array<std::uint16_t, kLabelListCapacity + 2> parsed{};
  const int end = kernel::ParseLabelList(text, parsed);
  std::vector<std::uint16_t> labels;
  for (int i = 0; i <= end; ++i)
    if (parsed[static_cast<std::size_t>(i)] != kernel::kLabelGroupEnd) labels.push_back(parsed[static_cast<std::size_t>(i)]);
  if (labels.size() > 2 && labels.back() == labels.front()) labels.pop_back();
  if (labels.size() <= 1) return;
  const std::string formatted = kernel::FormatLabelList(labels);
  if (formatted.size() <= kernel::kConstructionTextFieldChars) step.text[0] = formatted;
}

}  // namespace

void RepairLoadedSteps(std::deque<kernel::ConstructionRecord>& steps) {
  for (kernel::ConstructionRecord& step : steps) {
    if (step.kind == kAddDeleteFaceKind && step.flag != 0) {
      OpenClosedVertexList(step);
    } else if (step.kind == kFaceColourKind || step.kind == kAddDeleteFaceKind) {
      NormaliseFaceText(step);
    } else if (step.kind == kReflectionKind && step.text[2].empty()) {
      step.text[2] = step.text[1];
    }
  }
}

}  // namespace solid
