#include "text/minutes_conversion.h"

#include <string>

#include "text/decimal_text.h"

namespace duskfall {

namespace {

bool IsBlank(wchar_t ch) { return ch == L' ' || ch == L'\t'; }
bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

// A decimal number split into its parts, exactly as written.
struct DecimalParts {
  bool negative = false;
  std::wstring whole;     // digits before the separator, leading zeros removed
  std::wstring fraction;  // digits after it
};

std::optional<DecimalParts> Split(std::wstring_view text, std::wstring_view separator) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  text = text.substr(begin, end - begin);

  DecimalParts number;
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
    number.negative = text[pos] == L'-';
    ++pos;
  }
  std::size_t digits = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    if (!(number.whole.empty() && text[pos] == L'0')) number.whole += text[pos];
    ++pos;
    ++digits;
  }
  if (pos < text.size() && text.substr(pos, separator.size()) == separator) {
    pos += separator.size();
    while (pos < text.size() && IsDigit(text[pos])) {
      number.fraction += text[pos];
      ++pos;
      ++digits;
    }
  }
  if (digits == 0 || pos != text.size()) return std::nullopt;
  return number;
}

// Rounds half to even: 2.5 gives 2, 3.5 gives 4.
bool RoundsUp(const DecimalParts& number, std::int64_t whole) {
  if (number.fraction.empty()) return false;
  const wchar_t first = number.fraction[0];
  if (first > L'5') return true;
  if (first < L'5') return false;
  if (number.fraction.find_first_not_of(L'0', 1) != std::wstring::npos) return true;
  return whole % 2 != 0;
}

}  // namespace

ConversionResult ConvertToInt32(std::wstring_view text, std::wstring_view decimalSeparator) {
  if (decimalSeparator.empty()) return {0, ConversionError::kNoLocale};
  const std::optional<DecimalParts> number = Split(text, decimalSeparator);
  if (!number) return {0, ConversionError::kNotANumber};
  // Eleven digits or more are out of range whatever the sign.
  if (number->whole.size() > 10) return {0, ConversionError::kOutOfRange};
  std::int64_t magnitude = 0;
  for (wchar_t digit : number->whole) magnitude = magnitude * 10 + (digit - L'0');
  if (RoundsUp(*number, magnitude)) ++magnitude;
  const std::int64_t value = number->negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return {0, ConversionError::kOutOfRange};
  return {static_cast<std::int32_t>(value), ConversionError::kNone};
}

std::optional<double> ParseLocaleNumber(std::wstring_view text,
                                        std::wstring_view decimalSeparator) {
  if (decimalSeparator.empty()) return std::nullopt;
  const std::optional<DecimalParts> number = Split(text, decimalSeparator);
  if (!number) return std::nullopt;
  std::string digits;
  for (wchar_t digit : number->whole) digits += static_cast<char>(digit);
  digits += '.';
  for (wchar_t digit : number->fraction) digits += static_cast<char>(digit);
  return DecimalToDouble(number->negative, digits);
}

}  // namespace duskfall
