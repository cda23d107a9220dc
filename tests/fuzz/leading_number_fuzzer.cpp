// Fuzzes the count-down's reading of the minutes text, ReadLeadingNumber, and the text it writes
// back, FixedText. The whole input is the text; its first eight bytes, taken as a double,
// are also written back, so that every finite double gets written, not only those a text holds.
//
// The reading must give the number the C library reads from the same text (within a step of
// the nearest double, and the largest double for more), ignore blanks, tabs and line feeds
// wherever they are, stop at what cannot continue a number, and treat a leading minus as a
// negation. The written text must be plain digits with at most one period, no trailing zeros
// and no negative zero, and must read back to the number written: exactly for whole numbers
// that a double holds to the unit, within 15 decimals or 15 significant digits otherwise.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "app/decimal_text.h"
#include "app/leading_number.h"
#include "fuzz/decimal_reference.h"
#include "fuzz/fuzz_input.h"

namespace duskfall {
namespace {

bool IsSkipped(wchar_t ch) { return ch == L' ' || ch == L'\t' || ch == L'\n'; }
bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

// Every whole number up to 2^53 is a double; past it the steps between doubles exceed one.
constexpr double kExactWholeLimit = 9007199254740992.0;
// Fifteen significant digits, rounded: a relative error of at most half of 1e-14, plus a step
// or two of the reading.
constexpr double kSignificantError = 5e-15 + 4 * DBL_EPSILON;

// What the C library reads at the start of the same text once blanks, tabs and line feeds are
// gone. Its grammar also takes hexadecimal, "inf" and "nan", which are no numbers here: a text
// that starts with a letter reads as 0, and "0x..." as its leading 0.
double ReferenceReading(const std::wstring& text) {
  std::string ascii;
  for (wchar_t ch : text) {
    if (IsSkipped(ch)) continue;
    if (ch <= 0 || ch >= 0x80) break;  // nothing outside ASCII continues a number
    ascii += static_cast<char>(ch);
  }
  const std::size_t pos = !ascii.empty() && (ascii[0] == '+' || ascii[0] == '-') ? 1 : 0;
  if (pos < ascii.size() && ascii[pos] == '0' && pos + 1 < ascii.size() &&
      (ascii[pos + 1] == 'x' || ascii[pos + 1] == 'X')) {
    ascii.resize(pos + 1);
  }
  if (pos >= ascii.size() || !(IsDigit(ascii[pos]) || ascii[pos] == '.')) return 0.0;
  return fuzzing::NearestDouble(ascii);
}

void CheckWritten(double minutes) {
  const std::wstring text = FixedText(minutes);
  DUSKFALL_FUZZ_CHECK(!text.empty());
  const std::size_t start = text[0] == L'-' ? 1 : 0;
  DUSKFALL_FUZZ_CHECK(start < text.size() && IsDigit(text[start]));
  std::size_t periods = 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    DUSKFALL_FUZZ_CHECK(IsDigit(text[i]) || text[i] == L'.');
    periods += text[i] == L'.';
  }
  DUSKFALL_FUZZ_CHECK(periods <= 1);
  const std::size_t period = text.find(L'.');
  // No leading zeros: "0" and "0.5" but never "05".
  DUSKFALL_FUZZ_CHECK(text[start] != L'0' || start + 1 == text.size() || period == start + 1);
  if (period != std::wstring::npos) {
    DUSKFALL_FUZZ_CHECK(period + 1 < text.size() && text.back() != L'0');
  }
  // A count-down never shows "-0", whether the zero came from a whole number or a fraction.
  DUSKFALL_FUZZ_CHECK(text != L"-0");

  const double back = ReadLeadingNumber(text);
  if (std::floor(minutes) == minutes) {
    DUSKFALL_FUZZ_CHECK(period == std::wstring::npos);
    if (std::fabs(minutes) <= kExactWholeLimit) {
      DUSKFALL_FUZZ_CHECK(back == minutes);
    } else {
      DUSKFALL_FUZZ_CHECK(std::fabs(back - minutes) <= std::fabs(minutes) * kSignificantError);
    }
  } else {
    // Fifteen decimals: off by half of 1e-15 (and a hair for rounding near a tie), plus a
    // step or two of the reading.
    DUSKFALL_FUZZ_CHECK(std::fabs(back - minutes) <=
                        5.01e-16 + std::fabs(minutes) * 2 * DBL_EPSILON);
  }
  if (minutes > 0.0) DUSKFALL_FUZZ_CHECK(text[0] != L'-');
  if (minutes < 0.0 && back != 0.0) DUSKFALL_FUZZ_CHECK(text[0] == L'-');
}

void CheckReading(const std::wstring& text, std::size_t insertAt) {
  const double minutes = ReadLeadingNumber(text);
  DUSKFALL_FUZZ_CHECK(std::isfinite(minutes));
  DUSKFALL_FUZZ_CHECK(fuzzing::DoublesApart(minutes, ReferenceReading(text)) <=
                      fuzzing::kReadingTolerance);
  if (text.find_first_of(L"123456789") == std::wstring::npos) DUSKFALL_FUZZ_CHECK(minutes == 0.0);

  // Nothing after the number counts once a character that cannot continue it comes.
  DUSKFALL_FUZZ_CHECK(ReadLeadingNumber(text + L"x") == minutes);
  DUSKFALL_FUZZ_CHECK(ReadLeadingNumber(text + L"x9") == minutes);
  // Blanks, tabs and line feeds are skipped wherever they stand.
  const std::size_t at = insertAt % (text.size() + 1);
  for (const wchar_t* blank : {L" ", L"\t", L"\n", L" \n\t "}) {
    std::wstring spaced = text;
    spaced.insert(at, blank);
    DUSKFALL_FUZZ_CHECK(ReadLeadingNumber(spaced) == minutes);
  }
  // A minus in front of an unsigned text negates what it reads.
  const std::size_t first = text.find_first_not_of(L" \t\n");
  if (first == std::wstring::npos || (text[first] != L'-' && text[first] != L'+')) {
    DUSKFALL_FUZZ_CHECK(ReadLeadingNumber(L"-" + text) == -minutes);
    DUSKFALL_FUZZ_CHECK(ReadLeadingNumber(L"+" + text) == minutes);
  }
  CheckWritten(minutes);
}

}  // namespace
}  // namespace duskfall

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  duskfall::CheckReading(duskfall::fuzzing::DecodeText(input), size == 0 ? 0 : data[size - 1]);
  double minutes = 0.0;
  if (size >= sizeof minutes) {
    std::memcpy(&minutes, data, sizeof minutes);
    if (std::isfinite(minutes)) duskfall::CheckWritten(minutes);
  }
  return 0;
}
