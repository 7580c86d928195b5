#include "engine/expr_tokens.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

engine::ExprTokenArray Tokens(int count) {
  engine::ExprTokenArray tokens;
  for (int c = 1; c <= count; ++c) tokens.PushBack(engine::MakeToken(static_cast<std::uint16_t>(c)));
  return tokens;
}

std::vector<int> Codes(const engine::ExprTokenArray& tokens) {
  std::vector<int> codes;
  for (int i = 0; i < tokens.size(); ++i) codes.push_back(tokens[i].code);
  return codes;
}

// Tokens first to next - 1 go only when tokens lie behind them to move down: 1 <= next - first <=
// last - first, last being the index of the last token.
TEST(ExprTokens, TokenArrayShiftMovesTheTokensBehindDown) {
  struct Case {
    int first, next;
    std::vector<int> expected;
  } cases[] = {
      {1, 3, {1, 4, 5}},
      {0, 4, {5}},
      {3, 4, {1, 2, 3, 5}},
      {1, 5, {1, 2, 3, 4, 5}},  // next = last + 1: the trailing tokens stay
      {4, 5, {1, 2, 3, 4, 5}},
      {0, 5, {1, 2, 3, 4, 5}},
      {2, 2, {1, 2, 3, 4, 5}},  // nothing to remove
      {3, 1, {1, 2, 3, 4, 5}},
      {-1, 2, {1, 2, 3, 4, 5}},
      {1, 9, {1, 2, 3, 4, 5}},
  };
  for (const Case& c : cases) {
    engine::ExprTokenArray tokens = Tokens(5);
    engine::TokenArrayShift(tokens, c.first, c.next);
    EXPECT_EQ(Codes(tokens), c.expected) << c.first << ", " << c.next;
  }
}

}  // namespace
