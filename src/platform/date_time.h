// Date-time values on the scale of the time picker: whole days counted from the zero date,
// 30 December 1899, and the second of that day.
#pragma once

#include <cstdint>

namespace duskfall {

// A calendar date and time of day, as the system reports it.
struct CivilTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct DateTime {
  std::int32_t days = 0;         // 0 is 30 December 1899
  std::int32_t secondOfDay = 0;  // 0 .. 86399

  bool operator==(const DateTime&) const = default;

  static constexpr std::int32_t kSecondsPerDay = 86400;
  static constexpr DateTime TimeOfDay(int hour, int minute, int second) {
    return DateTime{0, hour * 3600 + minute * 60 + second};
  }
  static DateTime FromCivil(const CivilTime& civil);
  CivilTime ToCivil() const;

  // Seconds since the zero date.
  constexpr std::int64_t TotalSeconds() const {
    return std::int64_t{days} * kSecondsPerDay + secondOfDay;
  }
};

}  // namespace duskfall
