// A stored logon count-down's minutes, any text (fuzz_input.h), as start-up puts them in the box
// unchecked: each tick writes the minutes read less one (at least 0) as text, and reading that
// text gives the number written; the tip's whole minutes read back exactly.
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "text/decimal_text.h"
#include "text/leading_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace duskfall;
  double minutes = ReadLeadingNumber(testing::ReadFuzzText(data, size).text);
  for (int tick = 0; tick < 3 && minutes > 0.0; ++tick) {
    const double whole = std::ceil(minutes);
    if (whole < 1e15 && ReadLeadingNumber(FixedText(whole)) != whole) std::abort();
    const double written = std::fmax(minutes - 1.0, 0.0);
    minutes = ReadLeadingNumber(FixedText(written));
    // The text holds 15 decimals, or 15 significant digits from 10^18.
    if (std::fabs(minutes - written) > 1e-15 + written * 1e-14) std::abort();
  }
  return 0;
}
