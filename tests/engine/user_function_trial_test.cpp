// The text a user function's body is tried as before it is accepted.
#include <gtest/gtest.h>

#include <vector>

#include "engine/expr_text_passes.h"

namespace {

TEST(UserFunctionTrialText, NamesWithAnXStayAndTheVariableBecomesTheSliderSymbol) {
  const std::vector<engine::UserFunction> functions{{"X*X", "XSQ"}};
  EXPECT_EQ(engine::UserFunctionTrialText("[XSQ](X)+[EXP](X)+[MAX](X,1)+[X](A)", functions),
            "[XSQ](#)+[EXP](#)+[MAX](#,1)+[Y](A)");
}

}  // namespace
