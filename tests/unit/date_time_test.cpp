// Calendar dates on the picker's scale, whose day 0 is 30 December 1899.
#include <gtest/gtest.h>

#include "platform/date_time.h"

namespace duskfall {
namespace {

TEST(DateTimeScale, TheZeroDateIsDayZero) {
  EXPECT_EQ(DateTime::FromCivil({1899, 12, 30, 12, 0, 0}), DateTime::TimeOfDay(12, 0, 0));
}

TEST(DateTimeScale, KnownDaysLandWhereTheyShould) {
  EXPECT_EQ(DateTime::FromCivil({1900, 1, 1, 0, 0, 0}).days, 2);
  EXPECT_EQ(DateTime::FromCivil({2000, 3, 1, 0, 0, 0}).days, 36586);  // after a leap day
  EXPECT_EQ(DateTime::FromCivil({1601, 1, 1, 0, 0, 0}).days, -109205);
  EXPECT_EQ(DateTime::FromCivil({9999, 12, 31, 23, 59, 59}).days, 2958465);
}

TEST(DateTimeScale, ConvertsBothWaysAcrossThePickersRange) {
  for (std::int32_t day = -109205; day <= 2958465; day += 997) {
    const DateTime value{day, 3723};
    EXPECT_EQ(DateTime::FromCivil(value.ToCivil()), value) << day;
  }
  const CivilTime civil = DateTime{0, 45296}.ToCivil();
  EXPECT_EQ(civil.year, 1899);
  EXPECT_EQ(civil.month, 12);
  EXPECT_EQ(civil.day, 30);
  EXPECT_EQ(civil.hour, 12);
  EXPECT_EQ(civil.minute, 34);
  EXPECT_EQ(civil.second, 56);
}

}  // namespace
}  // namespace duskfall
