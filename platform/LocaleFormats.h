#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Dates and times written in the user's locale: the short date format, and
// the long time format (with seconds, without a time zone).
std::string FormatLocaleShortDate(int year, int month, int day);
std::string FormatLocaleTime(int hour, int minute, int second);

// Makes the locale these use the named one ("en_US"; empty: the user's
// own again); for tests, which pin the formats they check.
void SetFormatLocale(std::string_view name);

}  // namespace corvane
