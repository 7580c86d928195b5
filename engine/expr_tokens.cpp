#include "engine/expr_tokens.h"

namespace engine {

const std::array<FunctionNameEntry, kFunctionCount> kFunctionTable = {{
    {"SIN", code::kSin},         {"COS", code::kCos},         {"TAN", code::kTan},
    {"LN", code::kLn},           {"EXP", code::kExp},         {"ARCSIN", code::kArcSin},
    {"ARCCOS", code::kArcCos},   {"ARCTAN", code::kArcTan},   {"ABS", code::kAbs},
    {"SEC", code::kSec},         {"CSC", code::kCsc},         {"COT", code::kCot},
    {"LOG", code::kLog},         {"PI", code::kPi},           {"SQ", code::kSq},
    {"SQR", code::kSqrt},        {"SQRT", code::kSqrt},       {"INT", code::kInt},
    {"FRAC", code::kFrac},       {"SGN", code::kSgn},         {"SLOPE", code::kSlope},
    {"EQN", code::kEqn},         {"SLICE", code::kSlice},     {"PHI", code::kPhi},
    {"TIME", code::kTime},       {"RAD", code::kRad},         {"FCO", code::kFirstCoord},
    {"SCO", code::kSecondCoord}, {"TCO", code::kThirdCoord},  {"SINR", code::kSinR},
    {"COSR", code::kCosR},       {"TANR", code::kTanR},       {"SECR", code::kSecR},
    {"CSCR", code::kCscR},       {"COTR", code::kCotR},       {"ARCSINR", code::kArcSinR},
    {"ARCCOSR", code::kArcCosR}, {"ARCTANR", code::kArcTanR}, {"T", code::kTime},
    {"MAX", code::kMax},         {"MIN", code::kMin},         {"ARCCOT", code::kArcCot},
    {"ARCSEC", code::kArcSec},   {"ARCCSC", code::kArcCsc},   {"ARCCOTR", code::kArcCotR},
    {"ARCSECR", code::kArcSecR}, {"ARCCSCR", code::kArcCscR}, {"PIXELS", code::kPixels},
}};

ExprToken MakeToken(std::uint16_t c) {
  ExprToken token;
  token.code = c;
  return token;
}

ExprToken MakeValueToken(const ExprValue& value, ValueKind kind) {
  ExprToken token;
  token.code = code::kValue;
  token.value = value;
  token.kind = kind;
  return token;
}

bool ExprTokenArray::PushBack(const ExprToken& token) { return Insert(size_, token); }

bool ExprTokenArray::Insert(int pos, const ExprToken& token) {
  if (size_ >= kCapacity || pos < 0 || pos > size_) return false;
  for (int i = size_; i > pos; --i) (*this)[i] = (*this)[i - 1];
  (*this)[pos] = token;
  ++size_;
  return true;
}

void ExprTokenArray::Erase(int first, int next) {
  if (first < 0 || first >= next || next > size_) return;
  for (int i = next; i < size_; ++i) (*this)[first + i - next] = (*this)[i];
  size_ -= next - first;
}

void TokenArrayShift(ExprTokenArray& tokens, int first, int next) {
  const int last = tokens.size() - 1;
  // Only tokens with others behind them are removed: with next = last + 1 nothing moves.
  if (first < 0 || next - first < 1 || next - first > last - first) return;
  tokens.Erase(first, next);
}

void MarkUnaryMinus(ExprTokenArray& tokens) {
  for (int i = 0; i < tokens.size(); ++i) {
    if (tokens[i].code != code::kMinus) continue;
    switch (tokens.CodeAt(i - 1)) {
      case 0:
      case code::kOpenParen:
      case code::kTimes:
      case code::kPlus:
      case code::kDivide:
      case code::kMinus:
      case code::kColonDivide:
      case code::kUnaryMinus:
        tokens[i].code = code::kUnaryMinus;
        break;
      default:
        break;
    }
  }
}

bool IsAllowedCharacter(std::uint8_t c) {
  if (c >= 128) return c != code::kSlopeSeparator && c != code::kEqnSeparator;
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("{|\"'_()<.#$%&?@*+,-/:^").find(static_cast<char>(c)) != std::string_view::npos ||
         c == code::kTime;
}

bool IsBinaryOperator(std::uint16_t c) {
  switch (c) {
    case code::kTimes:
    case code::kPlus:
    case code::kComma:
    case code::kMinus:
    case code::kDivide:
    case code::kColonDivide:
    case code::kPower:
    case code::kMaxSeparator:
    case code::kMinSeparator:
    case code::kSlopeSeparator:
    case code::kEqnSeparator:
      return true;
    default:
      return false;
  }
}

bool IsOperandPredecessor(std::uint16_t c) {
  return c == 0 || c == code::kOpenParen || c == code::kUnaryMinus || IsBinaryOperator(c);
}

bool IsOperandStarter(std::uint16_t c) {
  return c == code::kValue || c == code::kOpenParen || (c >= 128 && c <= 255);
}

bool IsPrefixOperator(std::uint16_t c) {
  return c >= 128 && c <= 255 && c != code::kMaxSeparator && c != code::kMinSeparator && c != code::kSlope &&
         c != code::kEqn && c != code::kSuperscriptTwo;
}

bool IsFunctionCode(std::uint16_t c) { return c >= 128 && c <= 251; }

std::uint16_t FunctionCode(std::string_view name) {
  for (const FunctionNameEntry& entry : kFunctionTable) {
    if (entry.name == name) return entry.code;
  }
  return 0;
}

int FunctionIndex(std::uint16_t c) {
  for (int i = 0; i < kFunctionCount; ++i) {
    if (kFunctionTable[static_cast<std::size_t>(i)].code == c) return i;
  }
  return -1;
}

}  // namespace engine
