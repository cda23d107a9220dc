// Fuzzes the minutes box's two readings of a whole text, ConvertToInt32 and ParseLocaleNumber,
// over any text and any decimal separator. The input's first line is the separator and the rest
// the text; an input without a line feed is all text, read with a period.
//
// The readings must take as numbers exactly the texts of a sign, digits and the separator, read
// the number the C library reads from the same digits, round it to the nearest integer with
// halves going to the even one, refuse exactly what lies outside the 32-bit range, ignore blanks
// around the number, treat a leading minus as a negation, and agree with the count-down's own
// reading (ReadLeadingNumber) when the separator is the period.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/leading_number.h"
#include "app/minutes_conversion.h"
#include "fuzz/decimal_reference.h"
#include "fuzz/fuzz_input.h"

namespace duskfall {
namespace {

// A double within this of a decimal number below 2^31 stands for it: the reading of the text
// into a double may be off by half a unit in the last place, about 2.4e-7 at 2^31.
constexpr double kReadingError = 1e-6;
constexpr double kHighestRounded = 2147483647.5;  // rounds up to 2^31: out of range
constexpr double kLowestRounded = -2147483648.5;  // rounds to -2^31, the even neighbour
// A decimal of at most 15 significant digits survives the trip through a double exactly.
constexpr std::size_t kExactDigits = 15;

bool IsBlank(wchar_t ch) { return ch == L' ' || ch == L'\t'; }

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t DigitCount(std::wstring_view text) {
  std::size_t count = 0;
  for (wchar_t ch : text) count += ch >= L'0' && ch <= L'9';
  return count;
}

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

// The number as the C library writes it: the sign, the digits, the separator made a period.
// Empty when the text is not a sign, digits and at most one separator.
std::string AsciiNumber(std::wstring_view text, std::wstring_view separator) {
  std::string ascii;
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
    ascii += static_cast<char>(text[pos++]);
  }
  while (pos < text.size() && IsDigit(text[pos])) ascii += static_cast<char>(text[pos++]);
  if (text.substr(pos, separator.size()) == separator) {
    pos += separator.size();
    ascii += '.';
    while (pos < text.size() && IsDigit(text[pos])) ascii += static_cast<char>(text[pos++]);
  }
  if (pos != text.size()) return "";
  return ascii;
}

bool SameResult(ConversionResult a, ConversionResult b) {
  return a.error == b.error && a.value == b.value;
}

void CheckReadings(const std::wstring& text, const std::wstring& separator) {
  const ConversionResult result = ConvertToInt32(text, separator);
  const std::optional<double> number = ParseLocaleNumber(text, separator);

  if (separator.empty()) {
    DUSKFALL_FUZZ_CHECK(result.error == ConversionError::kNoLocale && result.value == 0);
    DUSKFALL_FUZZ_CHECK(!number.has_value());
    return;
  }
  DUSKFALL_FUZZ_CHECK(result.error == ConversionError::kNone ||
                      result.error == ConversionError::kOutOfRange ||
                      result.error == ConversionError::kNotANumber);
  DUSKFALL_FUZZ_CHECK(result.error == ConversionError::kNone || result.value == 0);
  // Both readings take the same texts as numbers.
  DUSKFALL_FUZZ_CHECK(number.has_value() == (result.error != ConversionError::kNotANumber));
  if (!number) return;

  const double value = *number;
  DUSKFALL_FUZZ_CHECK(!std::isnan(value));
  const std::string ascii = AsciiNumber(Trimmed(text), separator);
  DUSKFALL_FUZZ_CHECK(!ascii.empty());
  DUSKFALL_FUZZ_CHECK(fuzzing::DoublesApart(value, fuzzing::NearestDouble(ascii)) <=
                      fuzzing::kReadingTolerance);
  // A number is the text's digits: it cannot be other than zero without a digit other than 0.
  if (value != 0.0) DUSKFALL_FUZZ_CHECK(text.find_first_of(L"123456789") != std::wstring::npos);

  const bool inside =
      value > kLowestRounded + kReadingError && value < kHighestRounded - kReadingError;
  const bool outside =
      value < kLowestRounded - kReadingError || value > kHighestRounded + kReadingError;
  if (inside) DUSKFALL_FUZZ_CHECK(result.error == ConversionError::kNone);
  if (outside) DUSKFALL_FUZZ_CHECK(result.error == ConversionError::kOutOfRange);
  if (result.error == ConversionError::kNone) {
    // The nearest integer, and on a tie the even one.
    DUSKFALL_FUZZ_CHECK(std::fabs(result.value - value) <= 0.5 + kReadingError);
    if (DigitCount(text) <= kExactDigits && std::fabs(result.value - value) == 0.5) {
      DUSKFALL_FUZZ_CHECK(result.value % 2 == 0);
    }
  }

  // Blanks around the number change nothing.
  DUSKFALL_FUZZ_CHECK(SameResult(ConvertToInt32(L" \t" + text + L"\t ", separator), result));

  // A minus before an unsigned number negates it; a plus keeps it.
  const std::wstring_view bare = Trimmed(text);
  if (!bare.empty() && bare.front() != L'-' && bare.front() != L'+') {
    const std::wstring negated = L"-" + std::wstring(bare);
    const std::optional<double> negatedNumber = ParseLocaleNumber(negated, separator);
    DUSKFALL_FUZZ_CHECK(negatedNumber.has_value() && *negatedNumber == -value);
    const ConversionResult negatedResult = ConvertToInt32(negated, separator);
    if (result.error == ConversionError::kNone) {
      DUSKFALL_FUZZ_CHECK(negatedResult.error == ConversionError::kNone &&
                          negatedResult.value == -result.value);
    }
    if (negatedResult.error == ConversionError::kNone && negatedResult.value != INT32_MIN) {
      DUSKFALL_FUZZ_CHECK(result.error == ConversionError::kNone &&
                          result.value == -negatedResult.value);
    }
    DUSKFALL_FUZZ_CHECK(SameResult(ConvertToInt32(L"+" + std::wstring(bare), separator), result));
  }

  // The count-down reads the same number from a text the validation let through (a number
  // beyond a double it reads as the largest double).
  if (separator == L".") {
    const double expected = std::isinf(value) ? std::copysign(DBL_MAX, value) : value;
    DUSKFALL_FUZZ_CHECK(ReadLeadingNumber(text) == expected);
  }
}

}  // namespace
}  // namespace duskfall

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::wstring separator = L".";
  if (input.find('\n') != std::string_view::npos) {
    separator = duskfall::fuzzing::DecodeText(duskfall::fuzzing::NextLine(input));
  }
  duskfall::CheckReadings(duskfall::fuzzing::DecodeText(input), separator);
  return 0;
}
