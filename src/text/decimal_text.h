// Numbers as decimal text and back, in the program's own few lines: the C library's
// conversions follow the process locale and bring tens of kilobytes into a small program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duskfall {

// Plain digits with a leading '-' for negative values.
std::wstring DecimalText(std::int64_t value);

// A whole text of an optional sign and digits; nothing else, no blanks.
std::optional<std::int64_t> ParseDecimalInteger(std::wstring_view text);

// The double for sign, digits (with an optional '.') and a power of ten: the nearest one, or
// in a few cases in ten thousand its neighbour (the arithmetic is extended precision, not
// exact). Digits must hold only '0'-'9' and at most one '.'. Values beyond the range of a
// double become the largest double of that sign.
double DecimalToDouble(bool negative, std::string_view digits, std::int64_t exponent = 0);

// Whole values as plain digits; other values with a period and at most 15 decimals, without
// trailing zeros.
std::wstring FixedText(double value);

}  // namespace duskfall
