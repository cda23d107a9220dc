#include "app/leading_number.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

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
  // Copy the longest prefix that is a number, as plain ASCII for strtod.
  std::string number;
  std::size_t pos = 0;
  if (pos < compact.size() && (compact[pos] == L'+' || compact[pos] == L'-')) {
    number += static_cast<char>(compact[pos++]);
  }
  std::size_t digits = 0;
  while (pos < compact.size() && IsDigit(compact[pos])) {
    number += static_cast<char>(compact[pos++]);
    ++digits;
  }
  if (pos < compact.size() && compact[pos] == L'.') {
    number += '.';
    ++pos;
    while (pos < compact.size() && IsDigit(compact[pos])) {
      number += static_cast<char>(compact[pos++]);
      ++digits;
    }
  }
  if (digits == 0) return 0.0;
  // An exponent counts only when digits follow it.
  if (pos < compact.size() && (compact[pos] == L'e' || compact[pos] == L'E')) {
    std::size_t next = pos + 1;
    std::string exponent = "e";
    if (next < compact.size() && (compact[next] == L'+' || compact[next] == L'-')) {
      exponent += static_cast<char>(compact[next++]);
    }
    if (next < compact.size() && IsDigit(compact[next])) {
      while (next < compact.size() && IsDigit(compact[next])) {
        exponent += static_cast<char>(compact[next++]);
      }
      number += exponent;
    }
  }
  const double value = std::strtod(number.c_str(), nullptr);
  if (std::isinf(value)) return value > 0 ? DBL_MAX : -DBL_MAX;
  return value;
}

std::wstring FormatMinutes(double minutes) {
  char buffer[400];
  const bool whole = std::floor(minutes) == minutes;
  std::snprintf(buffer, sizeof buffer, whole ? "%.0f" : "%.15f", minutes);
  std::string text = buffer;
  if (!whole) {
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    if (text == "-0" || text.empty()) text = "0";
  }
  return std::wstring(text.begin(), text.end());
}

}  // namespace duskfall
