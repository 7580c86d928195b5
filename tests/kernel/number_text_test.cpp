#include "kernel/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

using namespace kernel;

TEST(NumberText, RoundLDRoundsHalvesTowardZeroAndSaturates) {
  const Real inf = std::numeric_limits<Real>::infinity();
  struct Case {
    Real x;
    std::int32_t expected;
  } cases[] = {
      {0.5, 0},
      {1.5, 1},
      {2.5, 2},
      {-2.5, -2},
      {2.51, 3},
      {-1.7, -2},
      {-0.4, 0},
      {0, 0},
      {1.5000001, 2},
      {3e9, 2147483647},
      {-3e9, -2147483647},
      {2147483646.0L, 2147483646},
      {2147483646.5L, 2147483647},
      {-2147483647.9L, -2147483647},
      {inf, 2147483647},
      {-inf, -2147483647},
      {std::numeric_limits<Real>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundLD(c.x), c.expected) << static_cast<double>(c.x);
}

TEST(NumberText, FormatLDIsTheFixedPointTextOfTheCLibrary) {
  struct Case {
    Real x;
    int width;
    int decimals;
    const char* expected;
  } cases[] = {
      {3.14159, 8, 3, "   3.142"},
      {-3.14159, 8, 3, "  -3.142"},
      {3.14159, 2, 3, "3.142"},  // a width that is too small is ignored
      {1.5, -6, 1, "1.5   "},    // a negative width fills on the right
      {0.125L, 0, 2, "0.12"},    // exact halves go to the even digit
      {2.675, 0, 2, "2.67"},     // the widened double lies just below 2.675
      {2.5, 0, 0, "2"},
      {-0.0L, 5, 1, " -0.0"},
      {1e20L, 0, 2, "100000000000000000000.00"},
      {1.0L / 3, 0, 20, "0.33333333333333333334"},  // all the digits of the extended real
      {std::numeric_limits<Real>::infinity(), 5, 2, "  inf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatLD(c.x, c.width, c.decimals), c.expected) << c.expected;
  }
  // The largest reals have thousands of digits before the point.
  const std::string huge = FormatLD(std::numeric_limits<Real>::max(), 0, 3);
  EXPECT_EQ(huge.size(), 4933u + 4u);
  EXPECT_EQ(huge.substr(0, 6), "118973");
}

TEST(NumberText, FormatSciInBothForms) {
  struct Case {
    Real x;
    int decimals;
    const char* plain;
    const char* star;
  } cases[] = {
      {1250, 2, "1.25E+03", "1.25*10^+03"},
      {-1250, 1, "-1.2E+03", "-1.2*10^+03"},
      {0.000123L, 3, "1.230E-04", "1.230*10^-04"},
      {1e300L, 2, "1.00E+300", "1.00*10^+300"},
      {0, 0, "0E+00", "0*10^+00"},
      {std::numeric_limits<Real>::infinity(), 2, "  INF", "  INF"},  // filled to width 5
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatSci(c.x, c.decimals, false), c.plain);
    EXPECT_EQ(FormatSci(c.x, c.decimals, true), c.star);
  }
}

TEST(NumberText, FormatLDAutoWritesSmallNumbersWithANegativePower) {
  struct Case {
    Real x;
    int n;
    const char* expected;
  } cases[] = {
      {0.00123, 2, "1.23E-3"}, {-0.00123, 2, "-1.23E-3"}, {0.01, 2, "1.00E-2"},
      {0.001, 2, "1.00E-3"},   {0.05, 3, "0.050"},  // n decimals show it well enough
      {0.5, 2, "0.50"},        {3.14159, 2, "3.14"},      {-123456, 2, "-123456.00"},
      {0, 2, "0.0000"},  // zero: width n, n + 2 decimals
      {1e-3000L, 1, "0.000"},  {-1e-3000L, 2, "-0.0000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatLDAuto(c.x, c.n), c.expected) << c.expected;
}

TEST(NumberText, StrToLDTakesTheLongestValidPrefix) {
  const Real inf = std::numeric_limits<Real>::infinity();
  struct Case {
    const char* text;
    Real expected;
  } cases[] = {
      {"  12.5e3xyz", 12500},
      {"-0.25", -0.25},
      {"+7", 7},
      {"\t\n3", 3},
      {".5", 0.5},
      {"1,5", 1},
      {"abc", 0},
      {"", 0},
      {"+-7", 0},
      {"-", 0},
      {"0x1p4", 16},
      {"0x", 0},
      {"0xg", 0},
      {"1e5000", inf},
      {"-1e5000", -inf},
      {"1e-5000", 0},
      {"inf", inf},
      {"12e", 12},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToLD(c.text), c.expected) << c.text;
  EXPECT_EQ(StrToLD("0.1"), 0.1L);  // read as an extended real, not a double
  EXPECT_TRUE(std::isnan(StrToLD("nan")));
}

// A field of a buffer is read only as far as the field goes, also for the words the C library
// would read on past it.
TEST(NumberText, StrToLDReadsOnlyItsView) {
  const std::string buffer = "infinity nan(7) 1e5";
  EXPECT_EQ(StrToLD(std::string_view(buffer).substr(0, 2)), 0);  // "in"
  EXPECT_EQ(StrToLD(std::string_view(buffer).substr(0, 3)), std::numeric_limits<Real>::infinity());
  EXPECT_EQ(StrToLD(std::string_view(buffer).substr(9, 2)), 0);  // "na"
  EXPECT_TRUE(std::isnan(StrToLD(std::string_view(buffer).substr(9, 4))));  // "nan("
  EXPECT_EQ(StrToLD(std::string_view(buffer).substr(16, 1)), 1);  // "1" of "1e5"
  // A view that ends the allocation: nothing after it may be read (the sanitizer build checks).
  for (const char* word : {"inf", "nan", "infinit", "nan(12", "0x1p", "1e-"}) {
    const std::size_t size = std::strlen(word);
    const std::unique_ptr<char[]> field(new char[size]);
    std::memcpy(field.get(), word, size);
    const Real value = StrToLD(std::string_view(field.get(), size));
    EXPECT_TRUE(std::isnan(value) || value == std::strtold(word, nullptr)) << word;
  }
}

// Numbers below the smallest normal 80-bit real (about 3.4e-4932) read as the C library reads
// them, so a tiny value written out reads back.
TEST(NumberText, StrToLDReadsSubnormalNumbers) {
  for (const char* text : {"2e-4932", "1e-4940", "3.7e-4951", "-5e-4945", "0x1p-16445"}) {
    const Real value = StrToLD(text);
    EXPECT_NE(value, 0) << text;
    EXPECT_EQ(value, std::strtold(text, nullptr)) << text;
  }
  EXPECT_EQ(StrToLD("1e-5000"), 0);  // below the smallest subnormal
  const Real tiny = std::numeric_limits<Real>::denorm_min() * 12345;
  EXPECT_EQ(StrToLD(FormatSci(tiny, 20, false)), tiny);
}

TEST(NumberText, GcdAndWidenRange) {
  struct Case {
    std::int32_t a, b, expected;
  } cases[] = {
      {12, 18, 6}, {7, 0, 7}, {0, 7, 7}, {-4, 6, 2}, {17, 5, 1}, {INT32_MIN, -1, -1},  // must not trap
  };
  for (const Case& c : cases) EXPECT_EQ(Gcd(c.a, c.b), c.expected) << c.a << ", " << c.b;

  Real lo = 1, hi = 1;
  for (Real x : {Real(3), Real(-2), Real(0.5)}) WidenRange(x, lo, hi);
  EXPECT_EQ(lo, -2);
  EXPECT_EQ(hi, 3);
}
