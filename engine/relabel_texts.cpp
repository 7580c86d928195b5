#include "engine/relabel_texts.h"

namespace engine {

namespace {

// Inside a bracketed keyword such as [SEG]: a "]" comes before any "[".
bool InsideBrackets(std::string_view text, std::size_t pos) {
  const std::size_t close = text.find(']', pos);
  if (close == std::string_view::npos) return false;
  const std::size_t open = text.find('[', pos);
  return open == std::string_view::npos || open > close;
}

// A prime or a subscript behind the label makes it part of another label (A' or A_1 for A).
bool ContinuesLabel(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return false;
  const char c = text[pos];
  return c == '\'' || c == '"' || c == '_' || (c >= '0' && c <= '9');
}

}  // namespace

bool RelabelText(std::string& text, std::string_view old_label, std::string_view new_label) {
  if (old_label.empty()) return true;
  std::string result = text;
  for (std::size_t pos = result.find(old_label); pos != std::string::npos; pos = result.find(old_label, pos)) {
    const std::size_t behind = pos + old_label.size();
    if (InsideBrackets(result, behind) || ContinuesLabel(result, behind)) {
      pos = behind;
      continue;
    }
    result.replace(pos, old_label.size(), new_label);
    pos += new_label.size();
  }
  if (result.size() > kTextItemMaxLength) return false;
  text = std::move(result);
  return true;
}

int RelabelTextItems(std::span<std::string> texts, std::string_view old_label, std::string_view new_label) {
  int too_long = 0;
  for (std::string& text : texts) {
    if (!RelabelText(text, old_label, new_label)) ++too_long;
  }
  return too_long;
}

}  // namespace engine
