// The time text in the long time formats of real locales.
#include "app/time_text.h"

#include <gtest/gtest.h>

#include "framework/text.h"

namespace {

SYSTEMTIME At(int hour, int minute, int second) {
  SYSTEMTIME t{};
  t.wHour = static_cast<WORD>(hour);
  t.wMinute = static_cast<WORD>(minute);
  t.wSecond = static_cast<WORD>(second);
  return t;
}

TEST(TimeText, FollowsTheFormatSettings) {
  pastelle::TimeFormatSettings h24;
  pastelle::TimeFormatSettings h24zero;
  h24zero.leadingZeroHours = true;
  h24zero.separator = ".";
  pastelle::TimeFormatSettings h12;
  h12.twelveHourClock = true;
  h12.amDesignator = "AM";
  h12.pmDesignator = "PM";
  pastelle::TimeFormatSettings h12first = h12;
  h12first.designatorFirst = true;

  struct Case {
    const pastelle::TimeFormatSettings* settings;
    SYSTEMTIME time;
    const char* expected;
  };
  const Case cases[] = {
      {&h24, At(9, 5, 7), "9:05:07"},      {&h24, At(21, 0, 59), "21:00:59"},   {&h24, At(0, 0, 0), "0:00:00"},
      {&h24zero, At(9, 5, 7), "09.05.07"}, {&h12, At(9, 5, 7), "9:05:07 AM"},   {&h12, At(21, 5, 7), "9:05:07 PM"},
      {&h12, At(0, 30, 0), "12:30:00 AM"}, {&h12, At(12, 0, 0), "12:00:00 PM"}, {&h12first, At(13, 1, 2), "PM 1:01:02"},
  };
  for (const Case& c : cases) EXPECT_EQ(pastelle::FormatTimeOfDay(c.time, *c.settings), c.expected);
}

TEST(TimeText, ReadsTwelveAndTwentyFourHourLocales) {
  auto english =
      pastelle::TimeFormatSettings::FromLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
  EXPECT_TRUE(english.twelveHourClock);
  EXPECT_EQ(pastelle::FormatTimeOfDay(At(21, 5, 7), english), "9:05:07 PM");

  auto german =
      pastelle::TimeFormatSettings::FromLocale(MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT));
  EXPECT_FALSE(german.twelveHourClock);
  EXPECT_EQ(pastelle::FormatTimeOfDay(At(21, 5, 7), german), "21:05:07");
  EXPECT_EQ(pastelle::FormatTimeOfDay(At(9, 5, 7), german), "09:05:07");
}

}  // namespace
