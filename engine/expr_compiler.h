#pragma once
// The expression compiler a figure window owns: turns an expression text into a tree of tokens
// and evaluates it. The window supplies what only it knows through ExpressionContext: the two
// measuring hooks that turn measuring keywords and point labels into values, its geometry model,
// scale, number format and dimension.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/expr_text_passes.h"
#include "engine/expr_tokens.h"
#include "engine/expr_value.h"

namespace engine {

// Results of CompileExpression above zero; each is shown as message 400 + number.
namespace expr_error {
inline constexpr int kCannotUnderstand = 1;
inline constexpr int kTooLong = 3;          // "low memory...trouble!"
inline constexpr int kInconsistentData = 6;
inline constexpr int kNothingToDo = 9;
inline constexpr int kEmptyText = 12;       // "cannot save file"
inline constexpr int kOutOfBounds = 17;
inline constexpr int kEvaluationFailed = 36;
inline constexpr int kMismatch = 123;
}  // namespace expr_error

// Longest text the tokenizer takes.
inline constexpr std::size_t kMaxExpressionLength = 1985;

class ExpressionContext {
 public:
  virtual ~ExpressionContext() = default;

  // Called in this order on the token array once labels and numbers are resolved. The geometry
  // windows replace each measuring code with its label operands, and each label, by one value
  // token carrying the measured value and its kind (with TokenArrayShift), and mark unary minus
  // (MarkUnaryMinus). Return 0 to go on or an error number that ends the compilation.
  virtual int CompileHook117(ExprTokenArray& /*tokens*/) { return 0; }
  virtual int CompileHook116(ExprTokenArray& /*tokens*/) { return 0; }

  // True in a plane window showing a hyperbolic model or a 3-D window in spherical mode, where a
  // vertical bar has no meaning.
  virtual bool InNonEuclideanModel() const { return false; }
  // Pixels per world unit along x, for [PIXELS].
  virtual Real PixelsPerUnitX() const = 0;
  // The window's number text.
  virtual std::string FormatNumber(Real x) const = 0;
  // 2 in the plane windows, 3 in the 3-D and sphere windows.
  virtual int Dimension() const = 0;
  virtual char DegreeCharacter() const { return kDegreeCharacter; }
};

// One of the symbols "#", "$", "@", "&", "%", "?" and [TIME] that sliders and animations drive.
struct AnimationParameter {
  Real low = 0;
  Real value = 0;
  Real high = 1;
  Real steps = 8;
};

inline constexpr int kAnimationParameterCount = 7;
// The parameter of a symbol ("#", "$", "@", "&", "%", "?" or code::kTime), -1 for other codes.
int AnimationParameterIndex(std::uint16_t code);

// What the user sets for the expression language of one window.
struct ExpressionSettings {
  std::vector<UserFunction> user_functions;  // in list order
  std::array<AnimationParameter, kAnimationParameterCount> parameters = DefaultParameters();
  bool show_units = false;                   // equation texts name the kind of their value

  static std::array<AnimationParameter, kAnimationParameterCount> DefaultParameters();
};

class ExpressionCompiler {
 public:
  explicit ExpressionCompiler(ExpressionContext& context);
  ExpressionCompiler(const ExpressionCompiler&) = delete;
  ExpressionCompiler& operator=(const ExpressionCompiler&) = delete;

  // Compiles and evaluates text, which loses its blanks. Returns a positive error number (value
  // then stays zero), or on success 0 or minus the ValueKind of the result.
  int CompileExpression(std::string& text, ExprValue& value);
  // The number reader of every numeric field: x of the value; the error number or 0.
  int ParseNumber(std::string& text, Real& out);

  ExpressionSettings settings;
  ExpressionContext& context() const { return context_; }

 private:
  int Tokenize(const std::string& text);
  int CheckParens() const;
  void ResolveParameters();
  void ResolveConstants();
  void ResolveLabels();
  void ResolveNumbers();
  int CheckSyntax();
  int ResolveCommas();
  int BuildTree();
  int BindGroup(int first, int& last);
  // 0 when an operator was bound, -1 when none of the level is left, else an error.
  int BindOperator(int level, int first, int& last);
  ExprNode* NewNode(std::uint16_t code, const ExprValue& value, ValueKind kind);
  void FreeTree();

  ExpressionContext& context_;
  ExprTokenArray tokens_;
  std::vector<ExprNode> nodes_;  // room for one node per token, reserved once
  ExprNode* root_ = nullptr;
};

}  // namespace engine
