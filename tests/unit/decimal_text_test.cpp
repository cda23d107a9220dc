// The program's own decimal conversions, held against the C library's where it has one.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "app/decimal_text.h"

namespace duskfall {
namespace {

TEST(DecimalText, WritesIntegersAsPlainDigits) {
  EXPECT_EQ(DecimalText(0), L"0");
  EXPECT_EQ(DecimalText(1300), L"1300");
  EXPECT_EQ(DecimalText(-2147024891), L"-2147024891");
  EXPECT_EQ(DecimalText(INT64_MIN), L"-9223372036854775808");
  EXPECT_EQ(DecimalText(INT64_MAX), L"9223372036854775807");
}

TEST(DecimalText, ParsesOnlyASignAndDigits) {
  EXPECT_EQ(ParseDecimalInteger(L"-2147483646"), -2147483646);
  EXPECT_EQ(ParseDecimalInteger(L"+7"), 7);
  EXPECT_EQ(ParseDecimalInteger(L"-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(ParseDecimalInteger(L"9223372036854775807"), INT64_MAX);
  for (const wchar_t* refused : {L"", L"-", L"+", L" 7", L"7 ", L"1e3", L"0x10", L"12a",
                                 L"9223372036854775808", L"-9223372036854775809"}) {
    EXPECT_FALSE(ParseDecimalInteger(refused).has_value());
  }
}

TEST(DecimalText, ReadsDecimalsAsTheNearestDouble) {
  EXPECT_EQ(DecimalToDouble(false, "0.1"), 0.1);
  EXPECT_EQ(DecimalToDouble(false, "2.5"), 2.5);
  EXPECT_EQ(DecimalToDouble(true, "45"), -45.0);
  EXPECT_EQ(DecimalToDouble(false, "000.000"), 0.0);
  EXPECT_EQ(DecimalToDouble(false, "12345678901234567890123"), 1.2345678901234568e22);
  EXPECT_EQ(DecimalToDouble(false, "1", 308), 1e308);
  EXPECT_EQ(DecimalToDouble(false, "1", 400), DBL_MAX);
  EXPECT_EQ(DecimalToDouble(true, "1", 99999), -DBL_MAX);
  EXPECT_EQ(DecimalToDouble(false, "1", -99999), 0.0);
}

TEST(DecimalText, AgreesWithTheCLibraryOnRandomDecimals) {
  std::mt19937_64 random(20261206);
  std::uniform_int_distribution<int> length(1, 25);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-30, 30);
  int offByOneUnit = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string digits;
    const int count = length(random);
    const int point = std::uniform_int_distribution<int>(0, count)(random);
    for (int d = 0; d < count; ++d) {
      if (d == point) digits += '.';
      digits += static_cast<char>('0' + digit(random));
    }
    const int power = exponent(random);
    const double expected = std::strtod((digits + "e" + std::to_string(power)).c_str(), nullptr);
    const double actual = DecimalToDouble(false, digits, power);
    if (actual != expected) {
      ASSERT_EQ(std::nextafter(actual, expected), expected) << digits << "e" << power;
      ++offByOneUnit;
    }
  }
  // Extended precision keeps the rare misses to the last bit, and rare they are.
  EXPECT_LT(offByOneUnit, 20);
}

TEST(DecimalText, WritesFixedTextWithoutNoise) {
  EXPECT_EQ(FixedText(59.0), L"59");
  EXPECT_EQ(FixedText(0.0), L"0");
  EXPECT_EQ(FixedText(2147483646.0), L"2147483646");
  EXPECT_EQ(FixedText(1.5), L"1.5");
  EXPECT_EQ(FixedText(-5.0), L"-5");
  EXPECT_EQ(FixedText(0.5), L"0.5");
  EXPECT_EQ(FixedText(-0.25), L"-0.25");
  EXPECT_EQ(FixedText(2.3 - 1.0), L"1.3");
  EXPECT_EQ(FixedText(0.9999999999999999), L"1");
  EXPECT_EQ(FixedText(1e-20), L"0");
  EXPECT_EQ(FixedText(-1e-20), L"0");
  EXPECT_EQ(FixedText(9007199254740991.0), L"9007199254740991");
  EXPECT_EQ(FixedText(1e20), L"100000000000000000000");
  EXPECT_EQ(FixedText(NAN), L"0");
}

}  // namespace
}  // namespace duskfall
