// The time of day as the history shows it: the user's long time format, without a date.
#pragma once

#include <windows.h>

#include <string>

namespace pastelle {

// What the long time format takes from a locale.
struct TimeFormatSettings {
  bool leadingZeroHours = false;  // "09:05:07" rather than "9:05:07"
  bool twelveHourClock = false;
  bool designatorFirst = false;  // "PM 9:05:07" rather than "9:05:07 PM"
  std::string separator = ":";
  std::string amDesignator;
  std::string pmDesignator;

  static TimeFormatSettings FromLocale(LCID locale);
  static TimeFormatSettings FromUserLocale() { return FromLocale(LOCALE_USER_DEFAULT); }
};

std::string FormatTimeOfDay(const SYSTEMTIME& time, const TimeFormatSettings& settings);

}  // namespace pastelle
