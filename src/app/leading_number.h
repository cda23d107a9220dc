// The count-down's reading of the minutes text, and the text it writes back.
#pragma once

#include <string>
#include <string_view>

namespace duskfall {

// Reads the number at the start of the text: blanks, tabs and line feeds anywhere are skipped,
// only the period separates decimals, and reading stops at the first character that cannot
// continue the number. A text with no number at its start reads as 0. A number too large for a
// double reads as the largest double.
double ReadLeadingNumber(std::wstring_view text);

// Writes remaining minutes back: whole numbers as plain digits, fractions with a period and no
// trailing zeros (1.5, 0.5).
std::wstring FormatMinutes(double minutes);

}  // namespace duskfall
