#include "text/decimal_text.h"

#include <cfloat>
#include <cmath>

namespace duskfall {

namespace {

constexpr int kSignificantDigits = 19;  // what a 64-bit integer holds without overflow
constexpr int kFractionDigits = 15;

// 10^exponent by squaring, in the extra precision of long double, so that scaling a 19-digit
// mantissa by it and rounding to a double lands on the nearest double.
long double PowerOfTen(std::uint64_t exponent) {
  long double result = 1.0L;
  long double factor = 10.0L;
  while (exponent > 0) {
    if ((exponent & 1) != 0) result *= factor;
    factor *= factor;
    exponent >>= 1;
  }
  return result;
}

void AppendDigits(std::wstring& text, std::uint64_t value, int minimumWidth = 1) {
  wchar_t digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<wchar_t>(L'0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count < minimumWidth) digits[count++] = L'0';
  while (count > 0) text += digits[--count];
}

}  // namespace

std::wstring DecimalText(std::int64_t value) {
  std::wstring text;
  auto magnitude = static_cast<std::uint64_t>(value);
  if (value < 0) {
    text += L'-';
    magnitude = 0 - magnitude;
  }
  AppendDigits(text, magnitude);
  return text;
}

std::optional<std::int64_t> ParseDecimalInteger(std::wstring_view text) {
  std::size_t pos = 0;
  const bool negative = !text.empty() && text[0] == L'-';
  if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) ++pos;
  if (pos == text.size()) return std::nullopt;
  const std::uint64_t limit = negative ? 9223372036854775808u : 9223372036854775807u;
  std::uint64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    if (text[pos] < L'0' || text[pos] > L'9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(text[pos] - L'0');
    if (magnitude > (limit - digit) / 10) return std::nullopt;
    magnitude = magnitude * 10 + digit;
  }
  return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

double DecimalToDouble(bool negative, std::string_view digits, std::int64_t exponent) {
  std::uint64_t mantissa = 0;
  int kept = 0;
  bool fraction = false;
  for (char ch : digits) {
    if (ch == '.') {
      fraction = true;
      continue;
    }
    if (mantissa == 0 && ch == '0') {
      if (fraction) --exponent;  // a leading zero after the point only shifts the scale
      continue;
    }
    if (kept < kSignificantDigits) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(ch - '0');
      ++kept;
      if (fraction) --exponent;
    } else if (!fraction) {
      ++exponent;  // digits beyond what is kept still count in the integer part
    }
  }
  if (mantissa == 0) return negative ? -0.0 : 0.0;
  // Far beyond any double: no need to compute a power that overflows long double too.
  const std::int64_t magnitude = exponent + kept;
  if (magnitude > 400) return negative ? -DBL_MAX : DBL_MAX;
  if (magnitude < -400) return negative ? -0.0 : 0.0;
  const long double value =
      exponent >= 0
          ? static_cast<long double>(mantissa) * PowerOfTen(static_cast<std::uint64_t>(exponent))
          : static_cast<long double>(mantissa) / PowerOfTen(static_cast<std::uint64_t>(-exponent));
  if (value > static_cast<long double>(DBL_MAX)) return negative ? -DBL_MAX : DBL_MAX;
  const auto result = static_cast<double>(value);
  return negative ? -result : result;
}

std::wstring FixedText(double value) {
  if (!std::isfinite(value)) return L"0";
  std::wstring text;
  if (value < 0) text += L'-';
  long double magnitude = std::fabs(static_cast<long double>(value));
  if (magnitude >= 1e18L) {
    // Whole and too large for a 64-bit integer: 15 significant digits, then zeros.
    int zeros = 0;
    while (magnitude >= 1e15L) {
      magnitude /= 10.0L;
      ++zeros;
    }
    AppendDigits(text, static_cast<std::uint64_t>(std::llround(magnitude)));
    text.append(static_cast<std::size_t>(zeros), L'0');
    return text;
  }
  auto whole = static_cast<std::uint64_t>(magnitude);
  const long double fraction = magnitude - static_cast<long double>(whole);
  auto decimals = static_cast<std::uint64_t>(std::llround(fraction * 1e15L));
  if (decimals == 1000000000000000u) {
    ++whole;
    decimals = 0;
  }
  AppendDigits(text, whole);
  if (decimals != 0) {
    text += L'.';
    AppendDigits(text, decimals, kFractionDigits);
    while (text.back() == L'0') text.pop_back();
  }
  if (text == L"-0") text = L"0";
  return text;
}

}  // namespace duskfall
