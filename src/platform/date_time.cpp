#include "platform/date_time.h"

namespace duskfall {

namespace {

// Days since 1 March of year 0 in the proleptic Gregorian calendar (the usual days-from-civil
// algorithm).
constexpr std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra);
}

constexpr std::int64_t kZeroDate = DaysFromCivil(1899, 12, 30);

}  // namespace

DateTime DateTime::FromCivil(const CivilTime& civil) {
  const std::int64_t days = DaysFromCivil(civil.year, static_cast<unsigned>(civil.month),
                                          static_cast<unsigned>(civil.day)) -
                            kZeroDate;
  return DateTime{static_cast<std::int32_t>(days),
                  civil.hour * 3600 + civil.minute * 60 + civil.second};
}

CivilTime DateTime::ToCivil() const {
  const std::int64_t total = kZeroDate + days;
  const std::int64_t era = (total >= 0 ? total : total - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(total - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shifted = (5 * dayOfYear + 2) / 153;
  CivilTime civil;
  civil.day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
  civil.month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
  civil.year =
      static_cast<int>(static_cast<std::int64_t>(yearOfEra) + era * 400 + (civil.month <= 2));
  civil.hour = secondOfDay / 3600;
  civil.minute = secondOfDay / 60 % 60;
  civil.second = secondOfDay % 60;
  return civil;
}

}  // namespace duskfall
