#include "kernel/label_parsing.h"

#include <utility>
#include <vector>

#include "kernel/labels.h"

namespace kernel {

namespace {

// Inside LabelToIndex: stands between the two ends of a range.
constexpr int kRangeMark = 20000;

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLetter(char c) { return IsCapital(c) || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsPrime(char c) { return c == '\'' || c == '"'; }

// At most three apostrophes, or one double prime, after each letter.
bool PrimeCountsAcceptable(std::string_view text) {
  int primes = 0;
  for (char c : text) {
    if (IsLetter(c)) primes = 0;
    if (c == '\'') primes += 1;
    if (c == '"') primes += 3;
    if (primes > 3) return false;
  }
  return true;
}

// Right to left: each prime travels left past the characters that are neither letters nor
// apostrophes, and apostrophes in a row merge into one double prime.
void GatherPrimes(std::string& text) {
  for (std::size_t i = text.size(); i-- > 1;) {
    if (!IsPrime(text[i])) continue;
    std::size_t at = i;
    while (at > 0 && !IsLetter(text[at - 1]) && text[at - 1] != '\'') {
      std::swap(text[at - 1], text[at]);
      --at;
    }
    if (at > 0 && text[at - 1] == '\'') {
      text[at - 1] = '"';
      text.erase(at, 1);
    }
  }
}

// The grammar of a normalised group over capitals, primes, "-", "_" and digits.
bool FollowsGrammar(std::string_view text) {
  char previous = '\0';
  int digits_in_run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool last = i + 1 == text.size();
    if (IsCapital(c)) {
      if (previous == '_') return false;
    } else if (c == '-') {
      if (previous == '-' || previous == '_' || last) return false;
    } else if (c == '_') {
      if (previous == '-' || previous == '_' || IsDigit(previous) || last) return false;
    } else if (IsDigit(c)) {
      if (previous != '_' && !IsDigit(previous)) return false;
    } else if (!IsPrime(c)) {
      return false;
    }
    digits_in_run = IsDigit(c) ? digits_in_run + 1 : 0;
    // Subscripts run from 0 to 99: a longer subscript has no label.
    if (digits_in_run > 2) return false;
    previous = c;
  }
  return true;
}

// The label numbers of a valid group in order, with kRangeMark for each "-".
std::vector<int> RawEntries(std::string_view text) {
  std::vector<int> raw;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsCapital(c)) {
      raw.push_back(c - 'A');
    } else if (c == '-') {
      raw.push_back(kRangeMark);
    } else if (raw.empty() || raw.back() == kRangeMark) {
      continue;  // the grammar gives every prime and subscript a label before it
    } else if (c == '\'') {
      raw.back() += kLabelsPerPrime;
    } else if (c == '"') {
      raw.back() += 2 * kLabelsPerPrime;
    } else if (c == '_' && IsDigitAt(text, i + 1)) {
      int subscript = text[++i] - '0';
      if (IsDigitAt(text, i + 1)) subscript = subscript * 10 + (text[++i] - '0');
      raw.back() += (subscript + 1) * kLabelLetters;
    }
  }
  return raw;
}

}  // namespace

void InsertSubscriptMarks(std::string& text) {
  std::string marked;
  marked.reserve(text.size() + 4);
  bool in_brackets = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '[') in_brackets = true;
    if (c == ']') in_brackets = false;
    if (!in_brackets && i > 0 && IsDigit(c) && (IsLetter(text[i - 1]) || IsPrime(text[i - 1]))) marked += '_';
    marked += c;
  }
  text = std::move(marked);
}

bool NormalizeLabel(std::string& text) {
  // A group starts with its first label: a leading prime, range or subscript has nothing to
  // belong to.
  if (text.empty() || IsPrime(text[0]) || text[0] == '-' || text[0] == '_') return false;
  if (!PrimeCountsAcceptable(text)) return false;
  GatherPrimes(text);
  InsertSubscriptMarks(text);
  // Every prime now stands right after a letter unless it travelled to the front.
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsPrime(text[i]) && (i == 0 || !IsLetter(text[i - 1]))) return false;
  }
  return true;
}

bool IsValidLabel(std::string& text) { return NormalizeLabel(text) && FollowsGrammar(text); }

int LabelToIndex(std::string& text, std::span<std::uint16_t> out) {
  if (!IsValidLabel(text)) return kInvalidLabelText;
  const std::vector<int> raw = RawEntries(text);
  if (raw.empty() || out.empty()) return kNoLabelInText;
  const int max = static_cast<int>(out.size()) - 1;
  int pos = -1;
  for (std::size_t i = 0; i < raw.size() && pos < max; ++i) {
    if (raw[i] != kRangeMark) {
      out[++pos] = static_cast<std::uint16_t>(raw[i]);
      continue;
    }
    const int end = raw[++i];
    const int step = end >= out[pos] ? 1 : -1;
    for (int value = out[pos]; value != end;) {
      value += step;
      if (pos < max) ++pos;
      out[pos] = static_cast<std::uint16_t>(value);
    }
  }
  return pos;
}

void NormalizeLabelList(std::string& text) {
  std::string list;
  bool in_run = false;
  for (char c : text) {
    if (IsLabelChar(c)) {
      list += c;
      in_run = true;
    } else if (in_run) {
      list += '/';
      in_run = false;
    }
  }
  if (in_run) list += '/';
  text = std::move(list);
}

int ParseLabelList(std::string_view text, std::span<std::uint16_t> out) {
  if (out.size() < 2) return -1;
  const std::size_t capacity = out.size() - 2;
  std::size_t pos = 0;
  std::size_t group_start = 0;
  while (pos <= capacity) {
    const std::size_t slash = text.find('/', group_start);
    if (slash == std::string_view::npos) break;
    std::string group(text.substr(group_start, slash - group_start));
    group_start = slash + 1;
    const int last = LabelToIndex(group, out.subspan(pos, capacity - pos + 1));
    if (last < 0) {
      out[pos] = kLabelGroupEnd;  // overwritten by the next group
      continue;
    }
    pos += static_cast<std::size_t>(last) + 1;
    out[pos++] = kLabelGroupEnd;
  }
  return static_cast<int>(pos) - 1;
}

int ParseLabelWithOptions(std::string& item, std::string& label, Short3& options) {
  std::size_t label_end = 0;
  while (label_end < item.size() && IsLabelChar(item[label_end])) ++label_end;
  label = item.substr(0, label_end);
  std::size_t options_end = label_end;
  while (options_end < item.size() && !IsCapital(item[options_end])) ++options_end;
  const std::string_view text = std::string_view(item).substr(label_end, options_end - label_end);

  options = {0, 1, 0};
  int result = kNoColourOption;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '>') {
      options.c = 1;
      ++i;
    } else if (c == '@') {
      if (!IsDigitAt(text, i + 1) || text[i + 1] == '0') {
        result = kBadLabelOption;
        break;
      }
      options.b = static_cast<std::uint16_t>(text[i + 1] - '0');
      i += 2;
    } else if (c == '#') {
      if (!IsDigitAt(text, i + 1)) {
        result = kBadLabelOption;
        break;
      }
      int number = text[i + 1] - '0';
      i += 2;
      if (IsDigitAt(text, i)) number = number * 10 + (text[i++] - '0');
      if (number > kMaxColourOption) {
        result = kColourOptionTooLarge;
        break;
      }
      options.a = static_cast<std::uint16_t>(number);
      result = kColourOption;
    } else if (IsLabelChar(c)) {
      result = kBadLabelOption;
      break;
    } else {
      break;  // any other character ends the options
    }
  }
  item.erase(0, options_end);
  return result;
}

std::size_t SkipToNumber(std::string_view text, bool allow_dot, bool allow_minus) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c) || (allow_dot && c == '.') || (allow_minus && c == '-')) return i;
  }
  return std::string_view::npos;
}

std::size_t ScanNumber(std::string_view text, bool allow_dot, bool allow_minus, int& digit_count) {
  digit_count = 0;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      ++digit_count;
    } else if (!(allow_dot && c == '.') && !(allow_minus && c == '-')) {
      break;
    }
  }
  return i;
}

}  // namespace kernel
