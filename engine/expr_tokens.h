#pragma once
// Tokens of the expression language: their codes, the fixed-size token array the compiler works
// on (and the window's measuring hooks rewrite), the character classes and the table of
// function names written in square brackets.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/expr_value.h"

namespace engine {

// Token codes below 256 are the expression's characters themselves or the single code character
// a bracketed name is rewritten to; label tokens are kLabelCodeBase + point index.
namespace code {
inline constexpr std::uint16_t kTime = 31;  // [TIME] and [T]
inline constexpr std::uint16_t kValue = 35;  // a value token; typed, "#" is an animation parameter
inline constexpr std::uint16_t kOpenParen = '(';
inline constexpr std::uint16_t kCloseParen = ')';
inline constexpr std::uint16_t kTimes = '*';
inline constexpr std::uint16_t kPlus = '+';
inline constexpr std::uint16_t kComma = ',';
inline constexpr std::uint16_t kMinus = '-';
inline constexpr std::uint16_t kDivide = '/';
inline constexpr std::uint16_t kColonDivide = ':';
inline constexpr std::uint16_t kPower = '^';

inline constexpr std::uint16_t kArcTan = 128;
inline constexpr std::uint16_t kTan = 129;
inline constexpr std::uint16_t kCos = 130;
inline constexpr std::uint16_t kExp = 131;
inline constexpr std::uint16_t kSq = 132;
inline constexpr std::uint16_t kInt = 133;
inline constexpr std::uint16_t kArcCos = 137;
inline constexpr std::uint16_t kLn = 138;
inline constexpr std::uint16_t kAbs = 139;
inline constexpr std::uint16_t kArcSin = 140;
inline constexpr std::uint16_t kSin = 142;
inline constexpr std::uint16_t kSec = 143;
inline constexpr std::uint16_t kCsc = 144;
inline constexpr std::uint16_t kCot = 145;
inline constexpr std::uint16_t kUnaryMinus = 146;
inline constexpr std::uint16_t kSgn = 148;
inline constexpr std::uint16_t kFrac = 149;
inline constexpr std::uint16_t kLog = 150;
inline constexpr std::uint16_t kMaxSeparator = 153;
inline constexpr std::uint16_t kMinSeparator = 154;
inline constexpr std::uint16_t kSlope = 170;
inline constexpr std::uint16_t kEqn = 171;
inline constexpr std::uint16_t kSlice = 172;
inline constexpr std::uint16_t kSlopeSeparator = 180;
inline constexpr std::uint16_t kEqnSeparator = 181;
inline constexpr std::uint16_t kSolidVolume = 188;     // [SVOL](
inline constexpr std::uint16_t kConeVolume = 189;      // [CVOL](
inline constexpr std::uint16_t kSector = 190;          // [SECTOR]( and [PIE](
inline constexpr std::uint16_t kCircle = 191;          // [CIR](
inline constexpr std::uint16_t kVolume = 192;          // [VOL](
inline constexpr std::uint16_t kAngleAtPoint = 193;    // [ANGP](
inline constexpr std::uint16_t kSegment = 194;         // [SEG](
inline constexpr std::uint16_t kFirstCoord = 195;      // [X]( and [FCO]
inline constexpr std::uint16_t kSecondCoord = 196;     // [Y]( and [SCO]
inline constexpr std::uint16_t kThirdCoord = 197;      // [Z]( and [TCO]
inline constexpr std::uint16_t kAngleAtPointRad = 198; // [ANGPR](
inline constexpr std::uint16_t kSinR = 200;
inline constexpr std::uint16_t kCosR = 201;
inline constexpr std::uint16_t kTanR = 202;
inline constexpr std::uint16_t kSecR = 203;
inline constexpr std::uint16_t kCscR = 204;
inline constexpr std::uint16_t kCotR = 205;
inline constexpr std::uint16_t kArcSinR = 206;
inline constexpr std::uint16_t kArcCosR = 207;
inline constexpr std::uint16_t kArcTanR = 208;
inline constexpr std::uint16_t kMax = 213;
inline constexpr std::uint16_t kMin = 214;
inline constexpr std::uint16_t kArcCot = 215;
inline constexpr std::uint16_t kArcSec = 216;
inline constexpr std::uint16_t kArcCsc = 217;
inline constexpr std::uint16_t kArcCotR = 218;
inline constexpr std::uint16_t kArcSecR = 219;
inline constexpr std::uint16_t kArcCscR = 220;
inline constexpr std::uint16_t kPixels = 221;
inline constexpr std::uint16_t kPickI = 222;           // [PICKI](
inline constexpr std::uint16_t kPickB = 223;           // [PICKB](
inline constexpr std::uint16_t kPi = 227;              // also the typed pi character
inline constexpr std::uint16_t kPerimeter = 228;       // [PER](
inline constexpr std::uint16_t kPhi = 232;             // also the typed phi character
inline constexpr std::uint16_t kArc = 234;             // [ARC](
inline constexpr std::uint16_t kArrow = 249;           // "->"
inline constexpr std::uint16_t kDoubleAngle = 250;     // "<<"
inline constexpr std::uint16_t kSqrt = 251;            // also the typed root character
inline constexpr std::uint16_t kSuperscriptTwo = 253;
inline constexpr std::uint16_t kRad = 255;
inline constexpr std::uint16_t kLabelBase = 1000;
}  // namespace code

// The degree sign the windows show behind angles (code page 437).
inline constexpr char kDegreeCharacter = static_cast<char>(248);

struct ExprToken {
  ExprValue value;                 // a value token holds its number in x
  std::uint16_t code = 0;
  ExprNode* node = nullptr;        // set while the tree is built
  ValueKind kind = ValueKind::kGeneral;
  std::uint16_t commas = 0;        // commas of a SLOPE, EQN, MAX or MIN token
};

// A token made from one character of the expression (or one token code).
ExprToken MakeToken(std::uint16_t code);
// A value token: code kValue holding value with its kind.
ExprToken MakeValueToken(const ExprValue& value, ValueKind kind);

// The token array of one compilation: at most kCapacity tokens, nothing is ever written beyond.
class ExprTokenArray {
 public:
  static constexpr int kCapacity = 2000;

  ExprTokenArray() : tokens_(kCapacity) {}

  int size() const { return size_; }
  bool empty() const { return size_ == 0; }
  ExprToken& operator[](int i) { return tokens_[static_cast<std::size_t>(i)]; }
  const ExprToken& operator[](int i) const { return tokens_[static_cast<std::size_t>(i)]; }
  // The code of token i, 0 outside the array (the start or the end of the expression).
  std::uint16_t CodeAt(int i) const { return i >= 0 && i < size_ ? (*this)[i].code : 0; }

  void Clear() { size_ = 0; }
  // False, the array unchanged, when it is full.
  bool PushBack(const ExprToken& token);
  bool Insert(int pos, const ExprToken& token);
  // Removes tokens first to next - 1; does nothing unless 0 <= first < next <= size().
  void Erase(int first, int next);

 private:
  std::vector<ExprToken> tokens_;
  int size_ = 0;
};

// Removes tokens first to next - 1 by moving the tokens next to last (the array's last token) down;
// the hooks use it to collapse a measuring code and its operands into one value token. It does
// nothing unless 1 <= next - first <= last - first: in particular with next = last + 1, when no
// token lies behind the removed ones, the array is left as it is. A hook whose term ends the array
// cuts its operands off the end with ExprTokenArray::Erase.
void TokenArrayShift(ExprTokenArray& tokens, int first, int next);
// Every "-" that starts the expression or follows "(", "*", "+", "/", "-", ":" or a unary minus
// becomes a unary minus. Called by the windows' measuring hooks.
void MarkUnaryMinus(ExprTokenArray& tokens);

// Character classes of the tokenizer and the syntax check; a label token is in none of them.
bool IsAllowedCharacter(std::uint8_t c);
bool IsBinaryOperator(std::uint16_t code);
bool IsOperandPredecessor(std::uint16_t code);  // binary operators, the start (0), "(", unary minus
bool IsOperandStarter(std::uint16_t code);      // a value, "(" and the codes 128 to 255
bool IsPrefixOperator(std::uint16_t code);      // codes 128 to 255 but 153, 154, 170, 171, 253
bool IsFunctionCode(std::uint16_t code);        // codes 128 to 251

// The names that may be written in square brackets.
struct FunctionNameEntry {
  std::string_view name;
  std::uint16_t code;
};
inline constexpr int kFunctionCount = 48;
extern const std::array<FunctionNameEntry, kFunctionCount> kFunctionTable;

// The code of the function named exactly name, 0 when there is none.
std::uint16_t FunctionCode(std::string_view name);
// The index of the first table entry with that code, -1 when there is none.
int FunctionIndex(std::uint16_t code);

}  // namespace engine
