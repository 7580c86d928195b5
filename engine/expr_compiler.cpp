#include "engine/expr_compiler.h"

#include <algorithm>
#include <array>

#include "engine/expr_evaluator.h"
#include "kernel/constants.h"
#include "kernel/label_parsing.h"
#include "kernel/number_text.h"

namespace engine {

namespace {

// The pi/180 of [RAD]: the double-precision value widened.
constexpr Real kRadValue = static_cast<Real>(0.017453292519943295);
// Room for the point indices of one run of labels.
constexpr std::size_t kLabelIndexRoom = 255;

bool IsCapital(std::uint16_t c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(std::uint16_t c) { return c >= '0' && c <= '9'; }
bool IsLabelContinuation(std::uint16_t c) {
  return IsCapital(c) || IsDigit(c) || c == '\'' || c == '"' || c == '_';
}
bool IsValueOrClose(std::uint16_t c) { return c == code::kValue || c == code::kCloseParen; }
bool EndsOperand(std::uint16_t c) { return c == 0 || c == code::kCloseParen || IsBinaryOperator(c); }

// The separator a comma becomes inside the parentheses of a function with several arguments, 0
// for other functions.
std::uint16_t SeparatorOf(std::uint16_t function) {
  switch (function) {
    case code::kSlope: return code::kSlopeSeparator;
    case code::kEqn: return code::kEqnSeparator;
    case code::kMax: return code::kMaxSeparator;
    case code::kMin: return code::kMinSeparator;
    default: return 0;
  }
}

// The operators each binding level takes, tightest first.
bool InLevel(int level, std::uint16_t c) {
  switch (level) {
    case 1: return IsPrefixOperator(c) && c != code::kUnaryMinus;
    case 2: return c == code::kUnaryMinus || c == code::kPower;
    case 3: return c == code::kTimes || c == code::kDivide || c == code::kColonDivide;
    case 4: return c == code::kPlus || c == code::kMinus;
    default: return c == code::kMaxSeparator || c == code::kMinSeparator;
  }
}
constexpr int kBindingLevels = 5;
bool ScansRightToLeft(int level) { return level == 2; }

void ToUpperAscii(std::string& text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

}  // namespace

int AnimationParameterIndex(std::uint16_t c) {
  switch (c) {
    case '#': return 0;
    case '$': return 1;
    case '@': return 2;
    case '&': return 3;
    case '%': return 4;
    case '?': return 5;
    case code::kTime: return 6;
    default: return -1;
  }
}

std::array<AnimationParameter, kAnimationParameterCount> ExpressionSettings::DefaultParameters() {
  std::array<AnimationParameter, kAnimationParameterCount> p{};
  p[0].value = static_cast<Real>(2) / 3;
  p[1].value = static_cast<Real>(1) / 3;
  for (int i = 2; i < 6; ++i) p[static_cast<std::size_t>(i)].value = static_cast<Real>(0.5);
  p[6].value = 0;
  return p;
}

ExpressionCompiler::ExpressionCompiler(ExpressionContext& context) : context_(context) {
  nodes_.reserve(ExprTokenArray::kCapacity);
}

int ExpressionCompiler::ParseNumber(std::string& text, Real& out) {
  ExprValue value;
  const int result = CompileExpression(text, value);
  if (result > 0) return result;
  out = value.x;
  return 0;
}

int ExpressionCompiler::CompileExpression(std::string& text, ExprValue& value) {
  value = {};
  if (text.empty()) return expr_error::kEmptyText;
  std::erase(text, ' ');
  if (text.find('|') != std::string::npos && context_.InNonEuclideanModel()) return expr_error::kCannotUnderstand;

  std::string work = text;
  ToUpperAscii(work);
  kernel::InsertSubscriptMarks(work);
  root_ = nullptr;
  if (const int e = ExpandUserFunctions(work, settings.user_functions)) return e;
  ReplaceMeasuringKeywords(work);
  StripOuterParens(work);
  if (const int e = RewriteSquares(work)) return e;
  if (const int e = Tokenize(work)) return e;
  if (const int e = CheckParens()) return e;
  ResolveParameters();
  ResolveConstants();
  ResolveLabels();
  ResolveNumbers();

  int result = context_.CompileHook117(tokens_);
  if (result == 0) result = context_.CompileHook116(tokens_);
  if (result == 0) result = CheckSyntax();
  if (result == 0) result = ResolveCommas();
  if (result == 0) result = BuildTree();
  if (result == 0) {
    if (Evaluate(root_, context_.PixelsPerUnitX())) {
      value = root_->value;
      result = -static_cast<int>(root_->kind);
    } else {
      result = expr_error::kEvaluationFailed;
    }
  }
  FreeTree();
  return result;
}

int ExpressionCompiler::Tokenize(const std::string& text) {
  tokens_.Clear();
  if (text.size() > kMaxExpressionLength) return expr_error::kTooLong;
  if (text.empty()) return expr_error::kEmptyText;
  for (char ch : text) {
    const auto c = static_cast<std::uint8_t>(ch);
    if (!IsAllowedCharacter(c)) {
      tokens_.Clear();
      return expr_error::kCannotUnderstand;
    }
    tokens_.PushBack(MakeToken(c));  // fits: the text is shorter than the array
  }
  return 0;
}

int ExpressionCompiler::CheckParens() const {
  int depth = 0;
  for (int i = 0; i < tokens_.size(); ++i) {
    if (tokens_[i].code == code::kOpenParen) ++depth;
    if (tokens_[i].code == code::kCloseParen && --depth < 0) return expr_error::kMismatch;
  }
  return depth == 0 ? 0 : expr_error::kMismatch;
}

void ExpressionCompiler::ResolveParameters() {
  for (int i = 0; i < tokens_.size(); ++i) {
    const int p = AnimationParameterIndex(tokens_[i].code);
    if (p < 0) continue;
    tokens_[i] = MakeValueToken({settings.parameters[static_cast<std::size_t>(p)].value, 0, 0}, ValueKind::kNumber);
  }
}

void ExpressionCompiler::ResolveConstants() {
  for (int i = 0; i < tokens_.size(); ++i) {
    Real constant;
    switch (tokens_[i].code) {
      case code::kPi: constant = kernel::Pi; break;
      case code::kPhi: constant = kernel::GoldenRatio; break;
      case code::kRad: constant = kRadValue; break;
      default: continue;
    }
    tokens_[i] = MakeValueToken({constant, 0, 0}, ValueKind::kNumber);
  }
}

void ExpressionCompiler::ResolveLabels() {
  std::array<std::uint16_t, kLabelIndexRoom> indices{};
  for (int i = 0; i < tokens_.size(); ++i) {
    if (!IsCapital(tokens_[i].code)) continue;
    int end = i + 1;
    while (end < tokens_.size() && IsLabelContinuation(tokens_[end].code)) ++end;
    std::string run;
    for (int k = i; k < end; ++k) run += static_cast<char>(tokens_[k].code);
    const int last = kernel::LabelToIndex(run, indices);
    const int count = std::min(last + 1, end - i);  // none for an invalid run
    for (int k = 0; k < count; ++k) {
      tokens_[i + k].code = static_cast<std::uint16_t>(code::kLabelBase + indices[static_cast<std::size_t>(k)]);
    }
    tokens_.Erase(i + std::max(count, 0), end);
    i += std::max(count, 0) - 1;
  }
}

void ExpressionCompiler::ResolveNumbers() {
  const auto in_number = [](std::uint16_t c) { return IsDigit(c) || c == '.'; };
  for (int i = 0; i < tokens_.size(); ++i) {
    if (!in_number(tokens_[i].code)) continue;
    int end = i + 1;
    while (end < tokens_.size() && in_number(tokens_[end].code)) ++end;
    std::string run;
    for (int k = i; k < end; ++k) run += static_cast<char>(tokens_[k].code);
    tokens_[i] = MakeValueToken({kernel::StrToLD(run), 0, 0}, ValueKind::kNumber);
    tokens_.Erase(i + 1, end);
  }
}

int ExpressionCompiler::CheckSyntax() {
  if (tokens_.empty()) return expr_error::kNothingToDo;
  for (int i = 0; i < tokens_.size(); ++i) {
    const std::uint16_t c = tokens_[i].code;
    const std::uint16_t p = tokens_.CodeAt(i - 1);
    std::uint16_t n = tokens_.CodeAt(i + 1);
    if (IsValueOrClose(c) && (n == code::kValue || n == code::kOpenParen || IsFunctionCode(n))) {
      // A value directly before another operand multiplies it.
      if (!tokens_.Insert(i + 1, MakeToken(code::kTimes))) return expr_error::kTooLong;
      n = code::kTimes;
    }
    const bool accepted =
        (c == code::kOpenParen && IsOperandStarter(n) && (IsFunctionCode(p) || IsOperandPredecessor(p))) ||
        (c == code::kCloseParen && IsValueOrClose(p) && EndsOperand(n)) ||
        (c == code::kValue && IsOperandPredecessor(p) && EndsOperand(n)) ||
        (IsBinaryOperator(c) && IsValueOrClose(p) && IsOperandStarter(n)) ||
        (IsFunctionCode(c) && (p == code::kValue || IsOperandPredecessor(p)) && IsOperandStarter(n));
    if (!accepted) return expr_error::kInconsistentData;
  }
  return 0;
}

int ExpressionCompiler::ResolveCommas() {
  if (tokens_.empty()) return expr_error::kNothingToDo;
  for (int i = 0; i < tokens_.size(); ++i) {
    if (tokens_[i].code != code::kComma) continue;
    int depth = 0;
    int open = i - 1;
    for (; open >= 0; --open) {
      const std::uint16_t c = tokens_[open].code;
      if (c == code::kCloseParen) ++depth;
      if (c == code::kOpenParen && depth-- == 0) break;
    }
    if (open < 1) return expr_error::kCannotUnderstand;
    ExprToken& function = tokens_[open - 1];
    const std::uint16_t separator = SeparatorOf(function.code);
    if (separator == 0) return expr_error::kCannotUnderstand;
    tokens_[i].code = separator;
    ++function.commas;
  }
  for (int i = 0; i < tokens_.size(); ++i) {
    const std::uint16_t c = tokens_[i].code;
    if (SeparatorOf(c) == 0) continue;
    const bool one_comma_only = c == code::kSlope || c == code::kEqn;
    if (tokens_[i].commas == 0 || (one_comma_only && tokens_[i].commas != 1)) return expr_error::kCannotUnderstand;
    tokens_.Erase(i, i + 1);
    --i;
  }
  return 0;
}

ExprNode* ExpressionCompiler::NewNode(std::uint16_t c, const ExprValue& value, ValueKind kind) {
  if (nodes_.size() >= nodes_.capacity()) return nullptr;  // never: one node per token at most
  ExprNode& node = nodes_.emplace_back();
  node.code = c;
  node.value = value;
  node.kind = kind;
  return &node;
}

int ExpressionCompiler::BuildTree() {
  for (int i = 0; i < tokens_.size(); ++i) {
    ExprToken& token = tokens_[i];
    if (token.code != code::kValue) continue;
    token.node = NewNode(token.code, token.value, token.kind);
    if (token.node == nullptr) return expr_error::kInconsistentData;
    root_ = token.node;
  }
  if (root_ == nullptr) return expr_error::kInconsistentData;

  for (;;) {
    int close = 0;
    while (close < tokens_.size() && tokens_[close].code != code::kCloseParen) ++close;
    if (close == tokens_.size()) break;
    int open = close - 1;
    while (open >= 0 && tokens_[open].code != code::kOpenParen) --open;
    if (open < 0) return expr_error::kInconsistentData;
    int last = close - 1;
    if (const int e = BindGroup(open + 1, last)) return e;
    tokens_.Erase(last + 1, last + 2);
    tokens_.Erase(open, open + 1);
  }
  int last = tokens_.size() - 1;
  if (const int e = BindGroup(0, last)) return e;
  // Anything left beside the one result has no place in the expression.
  return tokens_.size() == 1 && tokens_[0].node == root_ ? 0 : expr_error::kInconsistentData;
}

int ExpressionCompiler::BindGroup(int first, int& last) {
  for (int level = 1; level <= kBindingLevels; ++level) {
    int result;
    while ((result = BindOperator(level, first, last)) == 0) {
    }
    if (result > 0) return result;
  }
  return 0;
}

int ExpressionCompiler::BindOperator(int level, int first, int& last) {
  int k = -1;
  if (ScansRightToLeft(level)) {
    for (int i = last; i >= first && k < 0; --i) {
      if (InLevel(level, tokens_[i].code)) k = i;
    }
  } else {
    for (int i = first; i <= last && k < 0; ++i) {
      if (InLevel(level, tokens_[i].code)) k = i;
    }
  }
  if (k < 0) return -1;

  const ExprToken op = tokens_[k];
  ExprNode* node = NewNode(op.code, {}, op.kind);
  if (node == nullptr) return expr_error::kInconsistentData;
  if (k + 1 >= tokens_.size() || tokens_[k + 1].node == nullptr) return expr_error::kInconsistentData;
  node->right = tokens_[k + 1].node;
  tokens_.Erase(k + 1, k + 2);
  --last;
  if (IsBinaryOperator(op.code)) {
    if (k < 1 || tokens_[k - 1].node == nullptr) return expr_error::kInconsistentData;
    node->left = tokens_[k - 1].node;
    tokens_.Erase(k - 1, k);
    --last;
    --k;
  }
  tokens_[k].code = code::kValue;
  tokens_[k].node = node;
  root_ = node;
  return 0;
}

void ExpressionCompiler::FreeTree() {
  for (int i = 0; i < tokens_.size(); ++i) tokens_[i].node = nullptr;
  nodes_.clear();
  root_ = nullptr;
}

}  // namespace engine
