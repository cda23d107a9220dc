// The C library's reading of decimal text, correctly rounded, as the yardstick for the
// program's own readings of numbers, and a measure of how far apart two doubles are.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace duskfall::fuzzing {

// How far the program's reading of a decimal may be from the nearest double: one step, as a
// reading that scales a truncated mantissa may round once more than the exact one.
inline constexpr std::uint64_t kReadingTolerance = 1;

// The double nearest to an ASCII decimal number (the process keeps the "C" locale, so the
// period separates decimals); numbers beyond a double become the largest double of their sign.
inline double NearestDouble(const std::string& ascii) {
  const double value = std::strtod(ascii.c_str(), nullptr);
  if (std::isinf(value)) return value > 0 ? DBL_MAX : -DBL_MAX;
  return value;
}

// How many representable doubles lie between two values: 0 when they are equal (+0 and -0
// too), 1 for neighbours.
inline std::uint64_t DoublesApart(double a, double b) {
  auto split = [](double value, bool& negative) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const std::uint64_t magnitude = bits & 0x7FFFFFFFFFFFFFFFu;
    negative = (bits >> 63) != 0 && magnitude != 0;
    return magnitude;
  };
  bool negativeA = false;
  bool negativeB = false;
  const std::uint64_t magnitudeA = split(a, negativeA);
  const std::uint64_t magnitudeB = split(b, negativeB);
  if (negativeA != negativeB) return magnitudeA + magnitudeB;  // across zero
  return magnitudeA > magnitudeB ? magnitudeA - magnitudeB : magnitudeB - magnitudeA;
}

}  // namespace duskfall::fuzzing
