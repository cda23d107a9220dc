#include "text/leading_number.h"

#include <string>

#include "text/decimal_text.h"

namespace duskfall {

namespace {

bool IsSkipped(wchar_t ch) { return ch == L' ' || ch == L'\t' || ch == L'\n'; }
bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

}  // namespace

double ReadLeadingNumber(std::wstring_view text) {
  std::wstring compact;
  for (wchar_t ch : text) {
    if (!IsSkipped(ch)) compact += ch;
  }
  std::size_t pos = 0;
  bool negative = false;
  if (pos < compact.size() && (compact[pos] == L'+' || compact[pos] == L'-')) {
    negative = compact[pos++] == L'-';
  }
  // The longest prefix that is a number: digits, a period and more digits.
  std::string digits;
  std::size_t digitCount = 0;
  while (pos < compact.size() && IsDigit(compact[pos])) {
    digits += static_cast<char>(compact[pos++]);
    ++digitCount;
  }
  if (pos < compact.size() && compact[pos] == L'.') {
    digits += '.';
    ++pos;
    while (pos < compact.size() && IsDigit(compact[pos])) {
      digits += static_cast<char>(compact[pos++]);
      ++digitCount;
    }
  }
  if (digitCount == 0) return 0.0;
  // An exponent counts only when digits follow it.
  std::int64_t exponent = 0;
  if (pos < compact.size() && (compact[pos] == L'e' || compact[pos] == L'E')) {
    std::size_t next = pos + 1;
    bool negativeExponent = false;
    if (next < compact.size() && (compact[next] == L'+' || compact[next] == L'-')) {
      negativeExponent = compact[next++] == L'-';
    }
    while (next < compact.size() && IsDigit(compact[next])) {
      // Beyond any double either way; stop growing before the count could overflow.
      if (exponent < 100000) exponent = exponent * 10 + (compact[next] - L'0');
      ++next;
    }
    if (negativeExponent) exponent = -exponent;
  }
  return DecimalToDouble(negative, digits, exponent);
}

}  // namespace duskfall
