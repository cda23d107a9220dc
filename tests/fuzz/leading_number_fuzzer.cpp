// The count-down's reading of the minutes text and the text it writes back: any text reads as a
// finite number, and the written number reads back within its fifteen decimals or fifteen
// significant digits.
#include <cmath>
#include <cstdlib>

#include "app/decimal_text.h"
#include "app/leading_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const double minutes = duskfall::ReadLeadingNumber(std::wstring(data, data + size));
  const double back = duskfall::ReadLeadingNumber(duskfall::FixedText(minutes));
  if (!std::isfinite(minutes) || std::fabs(back - minutes) > 5.1e-16 + std::fabs(minutes) * 1e-14) {
    std::abort();
  }
  return 0;
}
