#pragma once
// Dates and times as text, following a locale's conventions. Portable: the conventions come
// from the operating system (os::Locale), the formatting rules live here.

#include "os/Clock.h"
#include "os/Locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Formats a moment with a Windows date/time picture: d dd ddd dddd, M MM MMM MMMM, y yy yyyy,
// h hh H HH, m mm, s ss, t tt, text in single quotes ('' for a quote); other characters are
// copied as they stand.
std::wstring FormatDateTimePicture(std::wstring_view picture, const os::LocalTime& time,
                                   const os::DateTimeConventions& conventions);

// The stored date-time text of a moment: the short date, one blank and the long time, or
// the short date alone when the time is exactly 00:00:00 (milliseconds are not looked at).
std::wstring MakeDateTimeText(const os::LocalTime& time,
                              const os::DateTimeConventions& conventions);

// Reads a date-time text back with a locale's conventions: the short date, its day, month
// and year in the order of the short-date picture and separated by its separator, then
// optionally a time of day (hours, and optionally minutes and seconds, separated by the
// time picture's separator, with an optional AM or PM designator before or after). Blanks
// around the parts are allowed. Nothing when the text is not such a date or names no real
// day.
std::optional<os::LocalTime> ParseDateTimeText(std::wstring_view text,
                                               const os::DateTimeConventions& conventions);

// The weekday of a date in the Gregorian calendar, 0 = Sunday.
int DayOfWeek(int year, int month, int day);

} // namespace vantrel
