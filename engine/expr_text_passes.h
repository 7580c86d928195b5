#pragma once
// The passes over an expression's text that run before it is cut into tokens: keywords to code
// characters, enclosing parentheses, bracketed function names, and user-defined functions.

#include <span>
#include <string>
#include <string_view>

namespace engine {

// A function the user defined: [NAME](argument) stands for the body with every X replaced by the
// argument.
struct UserFunction {
  static constexpr std::size_t kMaxBody = 60;
  static constexpr std::size_t kMaxName = 9;
  std::string body;  // the variable is the letter X
  std::string name;  // upper case
};

// Longest expression text the user-function expansion may build (exclusive).
inline constexpr std::size_t kExpandedTextLimit = 4001;
// Most function names containing X that can be kept from substitution in one body.
inline constexpr int kMaxMaskedNames = 19;

// Replaces every call [NAME](argument) of a user function by "(" body ")" with the argument,
// parentheses included, put in for each X of the body; the names EXP, MAX and those of the user
// functions are not touched, nor an X directly before "]". Functions are taken from the last of
// the list to the first, so a function may call those listed before it. Returns 0, or 17 when
// the text would reach kExpandedTextLimit characters or a body holds more than
// kMaxMaskedNames names containing X.
int ExpandUserFunctions(std::string& text, std::span<const UserFunction> functions);

// The text a user function's body is tried as: "[X]" becomes "[Y]", and every other X, the
// variable, becomes "#" (so the body compiles as an expression of a slider's value); the names
// of the listed functions and of the built-in functions that contain X are left as they are.
std::string UserFunctionTrialText(std::string_view body, std::span<const UserFunction> functions);

// Each measuring keyword such as "[SEG](" becomes "(" and its code character; then "<<" and "->"
// become their code characters.
void ReplaceMeasuringKeywords(std::string& text);

// Removes the outer parentheses as long as the whole text is one parenthesized group.
void StripOuterParens(std::string& text);

// The superscript two becomes "^2", and every "[NAME]" of the function table its code character.
// Returns 0, or 1 for a "[" without "]" or a name not in the table.
int RewriteSquares(std::string& text);

}  // namespace engine
