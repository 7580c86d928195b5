#include "engine/relabel_steps.h"

#include <array>
#include <cctype>

#include "engine/relabel_texts.h"
#include "kernel/label_parsing.h"
#include "kernel/labels.h"

namespace engine {

namespace {

constexpr int kRelabelKind = 120;
constexpr int kSwapKind = 123;
// Placeholders of a swap: texts no label can contain.
constexpr std::string_view kFirstPlaceholder = "```";
constexpr std::string_view kSecondPlaceholder = ";;;";

// The one label of a typed text; -1 when there is none.
int ParseOneLabel(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  kernel::NormalizeLabelList(text);
  std::array<std::uint16_t, 3> out{};
  if (kernel::ParseLabelList(text, out) < 1) return -1;
  return out[0] < kernel::kLabelCount ? out[0] : -1;
}

std::string Name(int label) {
  std::string name;
  kernel::FormatLabel(label, name);
  return name;
}

int Relabel(StepEngine& engine, std::span<std::string> text_items, int point, int new_label) {
  const int old_label = engine.tables.names[point].label;
  const int too_long = RelabelTextItems(text_items, Name(old_label), Name(new_label));
  engine.history.BeginStep(kRelabelKind, static_cast<std::int16_t>(old_label), static_cast<std::int16_t>(point),
                           static_cast<std::int16_t>(new_label));
  engine.RedoStep(nullptr);
  engine.history.AppendStep();
  engine.ends.resize(engine.history.steps.size() - 1);
  engine.ends.push_back(engine.CurrentEnds());
  return too_long;
}

}  // namespace

int RelabelPointTo(StepEngine& engine, std::span<std::string> text_items, int point, std::string typed) {
  if (!engine.tables.PointExists(point)) return kMsgCouldNotFind;
  const int label = ParseOneLabel(std::move(typed));
  if (label < 0) return kMsgCannotUnderstand;
  if (label == engine.tables.names[point].label) return -2;
  if (engine.tables.label_map[label] >= 0) return kMsgLabelInUse;
  return Relabel(engine, text_items, point, label) > 0 ? kMsgTextsTooLong : 0;
}

int RelabelOrSwap(StepEngine& engine, std::span<std::string> text_items, std::string t1, std::string t2) {
  int i = engine.tables.FindPointByName(t1);
  int j = engine.tables.FindPointByName(t2);
  if (i < 0 && j < 0) return kMsgCouldNotFind;
  if (i == j) return kMsgNothingToDo;
  if (i < 0) {
    std::swap(t1, t2);
    i = j;
    j = -1;
  }
  int too_long = 0;
  if (j >= 0) {
    const std::string first = Name(engine.tables.names[i].label);
    const std::string second = Name(engine.tables.names[j].label);
    too_long += RelabelTextItems(text_items, first, kFirstPlaceholder);
    too_long += RelabelTextItems(text_items, second, kSecondPlaceholder);
    too_long += RelabelTextItems(text_items, kSecondPlaceholder, first);
    too_long += RelabelTextItems(text_items, kFirstPlaceholder, second);
    engine.history.BeginStep(kSwapKind, static_cast<std::int16_t>(i), static_cast<std::int16_t>(j));
    engine.RedoStep(nullptr);
    engine.history.AppendStep();
    engine.ends.resize(engine.history.steps.size() - 1);
    engine.ends.push_back(engine.CurrentEnds());
  } else {
    const int label = ParseOneLabel(t2);
    if (label < 0) return kMsgCannotUnderstand;
    too_long = Relabel(engine, text_items, i, label);
  }
  return too_long > 0 ? kMsgTextsTooLong : 0;
}

}  // namespace engine
