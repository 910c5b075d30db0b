// Date values and their masks.
#include "core/dates.h"

#include <gtest/gtest.h>

namespace zebo {
namespace {

TEST(Dates, ValuesAndCalendarFieldsAgree) {
  struct Case {
    int64_t date;
    LocalTime fields;
  } cases[] = {
      {0, {1970, 1, 1, 0, 0, 0}},
      {951782400, {2000, 2, 29, 0, 0, 0}},    // leap day of a year divisible by 400
      {1330596000, {2012, 3, 1, 10, 0, 0}},   // the day after a leap day
      {2147483647, {2038, 1, 19, 3, 14, 7}},  // the last value of a 32-bit date
      {-1, {1969, 12, 31, 23, 59, 59}},
      {4107542399, {2100, 2, 28, 23, 59, 59}},  // 2100 is not a leap year
  };
  for (const auto& c : cases) {
    const LocalTime got = DateFields(c.date);
    EXPECT_EQ(FormatDate("%yyyy-%mm-%dd %hh:%ii:%ss", got),
              FormatDate("%yyyy-%mm-%dd %hh:%ii:%ss", c.fields))
        << c.date;
    EXPECT_EQ(DateValue(c.fields), c.date);
  }
  // Fields out of range carry over.
  EXPECT_EQ(DateValue({2012, 4, 31, 0, 0, 0}), DateValue({2012, 5, 1, 0, 0, 0}));
  EXPECT_EQ(DateValue({2012, 13, 1, 0, 0, 0}), DateValue({2013, 1, 1, 0, 0, 0}));
}

TEST(Dates, FormatsEveryFieldWithoutRegardToCase) {
  const LocalTime t{2026, 3, 7, 9, 5, 4};
  EXPECT_EQ(FormatDate(" the %dd/%mm/%yyyy", t), " the 07/03/2026");
  EXPECT_EQ(FormatDate("%DD/%Mm/%YY %HH:%II:%SS", t), "07/03/26 09:05:04");
  EXPECT_EQ(FormatDate("100% %x %", t), "100% %x %");
  EXPECT_EQ(FormatDate("%dd/%mm/%yyyy %hh:%ii", int64_t{1330596000}), "01/03/2012 10:00");
}

TEST(Dates, ParsesTextsWrittenWithTheMask) {
  const char* mask = "%dd/%mm/%yyyy %hh:%ii";
  EXPECT_EQ(ParseDate(mask, "01/03/2012 10:00"), 1330596000);
  EXPECT_EQ(ParseDate(mask, "1/3/2012 10:0"), 1330596000);
  EXPECT_EQ(ParseDate("%dd/%mm/%yyyy", "29/02/2000"), 951782400);
  EXPECT_EQ(ParseDate("%DD.%MM.%YYYY", "01.01.1970"), 0);
  for (const char* bad :
       {"", "01/03/2012", "01/03/2012 10:00x", "31/04/2012 10:00", "29/02/2100 10:00",
        "00/01/2012 10:00", "01/13/2012 10:00", "01/03/2012 24:00", "01/03/2012 10:60",
        "01-03-2012 10:00", "aa/03/2012 10:00", "012/03/2012 10:00"}) {
    EXPECT_FALSE(ParseDate(mask, bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace zebo
