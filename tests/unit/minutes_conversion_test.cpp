// The two readings of the minutes text: the validation's whole-text conversion and the tick's
// leading-number reading, with the text the tick writes back.
#include <gtest/gtest.h>

#include <cfloat>

#include "app/decimal_text.h"
#include "app/leading_number.h"
#include "app/minutes_conversion.h"

namespace duskfall {
namespace {

struct Conversion {
  const wchar_t* text;
  std::int32_t value;
  ConversionError error;
};

void PrintTo(const Conversion& conversion, std::ostream* out) {
  *out << '"' << ::testing::PrintToString(std::wstring(conversion.text)) << '"';
}

class MinutesConversion : public ::testing::TestWithParam<Conversion> {};

TEST_P(MinutesConversion, ConvertsTheWholeText) {
  const ConversionResult result = ConvertToInt32(GetParam().text, L".");
  EXPECT_EQ(result.error, GetParam().error);
  if (GetParam().error == ConversionError::kNone) {
    EXPECT_EQ(result.value, GetParam().value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MinutesConversion,
    ::testing::Values(Conversion{L"1", 1, ConversionError::kNone},
                      Conversion{L"2147483647", 2147483647, ConversionError::kNone},
                      Conversion{L"2147483648", 0, ConversionError::kOutOfRange},
                      Conversion{L"99999999999999999999", 0, ConversionError::kOutOfRange},
                      Conversion{L"-2147483648", INT32_MIN, ConversionError::kNone},
                      Conversion{L"-2147483649", 0, ConversionError::kOutOfRange},
                      Conversion{L"0", 0, ConversionError::kNone},
                      Conversion{L"-5", -5, ConversionError::kNone},
                      Conversion{L"+5", 5, ConversionError::kNone},
                      Conversion{L"000000000000007", 7, ConversionError::kNone},
                      Conversion{L" 7 ", 7, ConversionError::kNone},
                      Conversion{L"\t7", 7, ConversionError::kNone},
                      // Halves go to the even neighbour; anything past a half goes up.
                      Conversion{L"2.5", 2, ConversionError::kNone},
                      Conversion{L"3.5", 4, ConversionError::kNone},
                      Conversion{L"0.5", 0, ConversionError::kNone},
                      Conversion{L"1.5", 2, ConversionError::kNone},
                      Conversion{L"2.50001", 3, ConversionError::kNone},
                      Conversion{L"2.4999", 2, ConversionError::kNone},
                      Conversion{L"-2.5", -2, ConversionError::kNone},
                      Conversion{L".5", 0, ConversionError::kNone},
                      Conversion{L"7.", 7, ConversionError::kNone},
                      Conversion{L"2147483647.5", 0, ConversionError::kOutOfRange},
                      Conversion{L"-2147483648.5", INT32_MIN, ConversionError::kNone},
                      Conversion{L"", 0, ConversionError::kNotANumber},
                      Conversion{L"   ", 0, ConversionError::kNotANumber},
                      Conversion{L"abc", 0, ConversionError::kNotANumber},
                      Conversion{L"5 minutes", 0, ConversionError::kNotANumber},
                      Conversion{L"5 5", 0, ConversionError::kNotANumber},
                      Conversion{L"-", 0, ConversionError::kNotANumber},
                      Conversion{L".", 0, ConversionError::kNotANumber},
                      Conversion{L"1e3", 0, ConversionError::kNotANumber},
                      Conversion{L"2,5", 0, ConversionError::kNotANumber}),
    [](const ::testing::TestParamInfo<Conversion>& param) { return std::to_string(param.index); });

TEST(MinutesConversionLocale, TheUsersDecimalCommaSeparatesTheFraction) {
  EXPECT_EQ(ConvertToInt32(L"2,5", L",").value, 2);
  EXPECT_EQ(ConvertToInt32(L"3,5", L",").value, 4);
  EXPECT_EQ(ConvertToInt32(L"2.5", L",").error, ConversionError::kNotANumber);
}

TEST(MinutesConversionLocale, NoSeparatorFromTheLocaleIsAnUnknownFailure) {
  EXPECT_EQ(ConvertToInt32(L"5", L"").error, ConversionError::kNoLocale);
}

TEST(LocaleNumber, ReadsTheValueWithoutRounding) {
  EXPECT_DOUBLE_EQ(*ParseLocaleNumber(L"1.5", L"."), 1.5);
  EXPECT_DOUBLE_EQ(*ParseLocaleNumber(L" -0,25 ", L","), -0.25);
  EXPECT_DOUBLE_EQ(*ParseLocaleNumber(L"45", L"."), 45.0);
  EXPECT_FALSE(ParseLocaleNumber(L"", L".").has_value());
  EXPECT_FALSE(ParseLocaleNumber(L"4 5", L".").has_value());
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L"60"), 60.0);
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L"12abc"), 12.0);
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L"1 0"), 10.0);
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L" \t1\n5"), 15.0);
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L"-5"), -5.0);
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L"2.5"), 2.5);
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L".5"), 0.5);
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L"1.2.3"), 1.2);
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L"1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L"3e"), 3.0);
}

TEST(LeadingNumber, OnlyThePeriodSeparatesDecimals) {
  EXPECT_DOUBLE_EQ(ReadLeadingNumber(L"2,5"), 2.0);
}

TEST(LeadingNumber, NoNumberAtTheStartReadsAsZero) {
  EXPECT_EQ(ReadLeadingNumber(L""), 0.0);
  EXPECT_EQ(ReadLeadingNumber(L"   "), 0.0);
  EXPECT_EQ(ReadLeadingNumber(L"abc12"), 0.0);
  EXPECT_EQ(ReadLeadingNumber(L"-"), 0.0);
  EXPECT_EQ(ReadLeadingNumber(L"."), 0.0);
}

TEST(LeadingNumber, NumbersBeyondADoubleReadAsTheLargestDouble) {
  EXPECT_EQ(ReadLeadingNumber(L"1" + std::wstring(400, L'0')), DBL_MAX);
  EXPECT_EQ(ReadLeadingNumber(L"-1e999"), -DBL_MAX);
}

TEST(WrittenMinutes, WhatIsWrittenReadsBackTheSame) {
  for (double minutes : {59.0, 1.5, 0.25, 1e20, 12345.125, DBL_MAX}) {
    EXPECT_DOUBLE_EQ(ReadLeadingNumber(FixedText(minutes)), minutes) << minutes;
  }
}

}  // namespace
}  // namespace duskfall
