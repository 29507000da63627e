#include "os/win32/Win32Locale.h"

#include <windows.h>

namespace vantrel::os {
namespace {

// GetLocaleInfoW for one text item.
std::wstring Item(LCID locale, LCTYPE type) {
    int size = GetLocaleInfoW(locale, type, nullptr, 0);
    if (size <= 0) return {};
    std::wstring text(std::size_t(size), L'\0');
    size = GetLocaleInfoW(locale, type, text.data(), size);
    text.resize(size > 0 ? std::size_t(size - 1) : 0);
    return text;
}

DateTimeConventions Read(LCID locale) {
    DateTimeConventions c;
    c.shortDate = Item(locale, LOCALE_SSHORTDATE);
    c.longDate = Item(locale, LOCALE_SLONGDATE);
    c.longTime = Item(locale, LOCALE_STIMEFORMAT);
    c.am = Item(locale, LOCALE_S1159);
    c.pm = Item(locale, LOCALE_S2359);
    for (int i = 0; i < 12; ++i) {
        c.longMonths[i] = Item(locale, LOCALE_SMONTHNAME1 + i);
        c.shortMonths[i] = Item(locale, LOCALE_SABBREVMONTHNAME1 + i);
    }
    // Windows counts day names from Monday; the conventions count from Sunday.
    for (int i = 0; i < 7; ++i) {
        c.longDays[(i + 1) % 7] = Item(locale, LOCALE_SDAYNAME1 + i);
        c.shortDays[(i + 1) % 7] = Item(locale, LOCALE_SABBREVDAYNAME1 + i);
    }
    return c;
}

} // namespace

DateTimeConventions Win32Locale::User() { return Read(LOCALE_USER_DEFAULT); }

DateTimeConventions Win32Locale::SystemDefault() {
    LCID system = GetSystemDefaultLCID();
    return IsValidLocale(system, LCID_INSTALLED) ? Read(LOCALE_SYSTEM_DEFAULT) : User();
}

} // namespace vantrel::os
