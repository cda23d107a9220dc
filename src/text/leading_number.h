// The count-down's reading of the minutes text; it writes the rest back with FixedText
// (text/decimal_text.h).
#pragma once

#include <string>
#include <string_view>

namespace duskfall {

// Reads the number at the start of the text: blanks, tabs and line feeds anywhere are skipped,
// only the period separates decimals, and reading stops at the first character that cannot
// continue the number. A text with no number at its start reads as 0. A number too large for a
// double reads as the largest double.
double ReadLeadingNumber(std::wstring_view text);

}  // namespace duskfall
