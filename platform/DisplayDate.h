#pragma once
// The last-updated date as the main window shows it.

#include "os/Locale.h"

#include <string>
#include <string_view>

namespace vantrel {

// Reads a stored date-time text with the program's own conventions (the user's, as read at
// start-up, the ones the text was written with) and shows it in the display conventions'
// long forms: "dddddd - tt", the long date, " - ", the long time. A text without a time
// shows midnight. Empty when the text is empty or does not parse.
std::wstring FormatDisplayDate(std::wstring_view text, const os::DateTimeConventions& program,
                               const os::DateTimeConventions& display);

// The same with the locale's conventions: the user's to read, the system default locale's
// to show.
std::wstring FormatDisplayDate(std::wstring_view text, os::Locale& locale);

} // namespace vantrel
