#include "app/time_text.h"

#include <cstdio>

namespace pastelle {

namespace {

std::string LocaleText(LCID locale, LCTYPE type, const char* fallback = "") {
  char buffer[80] = {};
  int length = GetLocaleInfoA(locale, type, buffer, sizeof buffer);
  return std::string(length > 1 ? buffer : fallback);
}

}  // namespace

TimeFormatSettings TimeFormatSettings::FromLocale(LCID locale) {
  TimeFormatSettings s;
  s.leadingZeroHours = LocaleText(locale, LOCALE_ITLZERO) == "1";
  s.twelveHourClock = LocaleText(locale, LOCALE_ITIME) == "0";
  s.designatorFirst = LocaleText(locale, LOCALE_ITIMEMARKPOSN) == "1";
  s.separator = LocaleText(locale, LOCALE_STIME, ":");
  s.amDesignator = LocaleText(locale, LOCALE_S1159);
  s.pmDesignator = LocaleText(locale, LOCALE_S2359);
  return s;
}

std::string FormatTimeOfDay(const SYSTEMTIME& time, const TimeFormatSettings& s) {
  int hour = time.wHour;
  if (s.twelveHourClock) {
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  char digits[32];
  std::snprintf(digits, sizeof digits, s.leadingZeroHours ? "%02d" : "%d", hour);
  std::string text = digits;
  std::snprintf(digits, sizeof digits, "%02d", time.wMinute);
  text += s.separator + digits;
  std::snprintf(digits, sizeof digits, "%02d", time.wSecond);
  text += s.separator + digits;
  if (s.twelveHourClock) {
    const std::string& designator = time.wHour < 12 ? s.amDesignator : s.pmDesignator;
    if (!designator.empty()) text = s.designatorFirst ? designator + " " + text : text + " " + designator;
  }
  return text;
}

}  // namespace pastelle
