#pragma once
// Date and time conventions of a locale, as Windows reports them (GetLocaleInfoW): pictures
// in the Windows notation (d, M, y, h, H, m, s, t and quoted literals) and the names they use.

#include <array>
#include <string>

namespace vantrel::os {

struct DateTimeConventions {
    std::wstring shortDate; // LOCALE_SSHORTDATE, e.g. M/d/yyyy
    std::wstring longDate;  // LOCALE_SLONGDATE, e.g. dddd, MMMM d, yyyy
    std::wstring longTime;  // LOCALE_STIMEFORMAT, e.g. h:mm:ss tt
    std::wstring am;        // LOCALE_S1159
    std::wstring pm;        // LOCALE_S2359
    std::array<std::wstring, 12> longMonths;
    std::array<std::wstring, 12> shortMonths;
    std::array<std::wstring, 7> longDays; // Sunday first
    std::array<std::wstring, 7> shortDays;
};

class Locale {
public:
    virtual ~Locale() = default;
    // The current user's conventions (LOCALE_USER_DEFAULT).
    virtual DateTimeConventions User() = 0;
    // The system default locale's conventions (LOCALE_SYSTEM_DEFAULT); the user's when that
    // locale is not installed.
    virtual DateTimeConventions SystemDefault() = 0;
};

} // namespace vantrel::os
