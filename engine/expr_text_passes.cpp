#include "engine/expr_text_passes.h"

#include <array>
#include <vector>

#include "engine/expr_tokens.h"

namespace engine {

namespace {

// The position of the ")" that closes the "(" at open, npos when there is none.
std::size_t MatchingParen(std::string_view text, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size())) {
    text.replace(pos, from.size(), to);
  }
}

// The body of the call in parentheses with the argument put in for each free X. False when more
// names than kMaxMaskedNames would have to be kept.
bool SubstituteArgument(std::string_view body, std::string_view argument,
                        std::span<const UserFunction> functions, std::string& out) {
  const std::string replacement = "(" + std::string(body) + ")";
  std::vector<std::string_view> names = {"EXP", "MAX"};
  for (const UserFunction& f : functions) names.emplace_back(f.name);

  // Positions covered by a function name with an X in it are kept as they are.
  std::vector<bool> kept(replacement.size(), false);
  int masked = 0;
  for (std::string_view name : names) {
    if (name.empty() || name.find('X') == std::string_view::npos) continue;
    std::size_t pos = replacement.find(name);
    if (pos == std::string::npos) continue;
    if (++masked > kMaxMaskedNames) return false;
    for (; pos != std::string::npos; pos = replacement.find(name, pos + 1)) {
      for (std::size_t i = 0; i < name.size(); ++i) kept[pos + i] = true;
    }
  }

  out.clear();
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    const bool before_bracket = i + 1 < replacement.size() && replacement[i + 1] == ']';
    if (replacement[i] == 'X' && !kept[i] && !before_bracket) {
      out += argument;
    } else {
      out += replacement[i];
    }
  }
  return true;
}

struct MeasuringKeyword {
  std::string_view keyword;
  std::uint16_t code;
};

constexpr std::array<MeasuringKeyword, 16> kMeasuringKeywords = {{
    {"[SVOL](", code::kSolidVolume},
    {"[CIR](", code::kCircle},
    {"[CVOL](", code::kConeVolume},
    {"[VOL](", code::kVolume},
    {"[X](", code::kFirstCoord},
    {"[ANGP](", code::kAngleAtPoint},
    {"[Y](", code::kSecondCoord},
    {"[ANGPR](", code::kAngleAtPointRad},
    {"[Z](", code::kThirdCoord},
    {"[SEG](", code::kSegment},
    {"[ARC](", code::kArc},
    {"[SECTOR](", code::kSector},
    {"[PER](", code::kPerimeter},
    {"[PICKI](", code::kPickI},
    {"[PIE](", code::kSector},
    {"[PICKB](", code::kPickB},
}};

std::string CodeCharacter(std::uint16_t c) { return std::string(1, static_cast<char>(c)); }

}  // namespace

int ExpandUserFunctions(std::string& text, std::span<const UserFunction> functions) {
  for (std::size_t k = functions.size(); k-- > 0 && text.size() < kExpandedTextLimit - 1;) {
    const UserFunction& f = functions[k];
    if (f.name.empty()) continue;
    const std::string call = "[" + f.name + "]";
    std::string replacement;
    for (;;) {
      const std::size_t start = text.find(call);
      if (start == std::string::npos) break;
      const std::size_t open = start + call.size();
      if (open >= text.size() || text[open] != '(') break;
      const std::size_t close = MatchingParen(text, open);
      if (close == std::string::npos) break;
      const std::string argument = text.substr(open, close - open + 1);
      if (!SubstituteArgument(f.body, argument, functions, replacement)) return 17;
      if (text.size() + replacement.size() >= kExpandedTextLimit) return 17;
      text.replace(start, close - start + 1, replacement);
    }
  }
  return 0;
}

std::string UserFunctionTrialText(std::string_view body, std::span<const UserFunction> functions) {
  std::string text(body);
  ReplaceAll(text, "[X]", "[Y]");
  std::vector<bool> kept(text.size(), false);
  std::vector<std::string_view> names;
  for (const FunctionNameEntry& entry : kFunctionTable) names.push_back(entry.name);
  for (const UserFunction& f : functions) names.emplace_back(f.name);
  for (std::string_view name : names) {
    if (name.empty() || name.find('X') == std::string_view::npos) continue;
    for (std::size_t pos = text.find(name); pos != std::string::npos; pos = text.find(name, pos + 1)) {
      for (std::size_t i = 0; i < name.size(); ++i) kept[pos + i] = true;
    }
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == 'X' && !kept[i]) text[i] = '#';
  }
  return text;
}

void ReplaceMeasuringKeywords(std::string& text) {
  for (const MeasuringKeyword& k : kMeasuringKeywords) ReplaceAll(text, k.keyword, "(" + CodeCharacter(k.code));
  ReplaceAll(text, "<<", CodeCharacter(code::kDoubleAngle));
  ReplaceAll(text, "->", CodeCharacter(code::kArrow));
}

void StripOuterParens(std::string& text) {
  for (;;) {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return;
    int depth = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] == '(') ++depth;
      if (text[i] == ')') --depth;
      if (depth <= 0) return;
    }
    text = text.substr(1, text.size() - 2);
  }
}

int RewriteSquares(std::string& text) {
  ReplaceAll(text, CodeCharacter(code::kSuperscriptTwo), "^2");
  for (std::size_t open = text.find('['); open != std::string::npos; open = text.find('[', open + 1)) {
    const std::size_t close = text.find(']', open + 1);
    if (close == std::string::npos) return 1;
    const std::uint16_t c = FunctionCode(std::string_view(text).substr(open + 1, close - open - 1));
    if (c == 0) return 1;
    text.replace(open, close - open + 1, CodeCharacter(c));
  }
  return 0;
}

}  // namespace engine
