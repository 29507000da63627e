#include "platform/DisplayDate.h"

#include "platform/DateTimeText.h"
#include "toolkit/Guarded.h"

namespace vantrel {

std::wstring FormatDisplayDate(std::wstring_view text, const os::DateTimeConventions& program,
                               const os::DateTimeConventions& display) {
    return GuardedOr(std::wstring(), [&] {
        auto moment = ParseDateTimeText(text, program);
        if (!moment) return std::wstring();
        return FormatDateTimePicture(display.longDate, *moment, display) + L" - " +
               FormatDateTimePicture(display.longTime, *moment, display);
    });
}

std::wstring FormatDisplayDate(std::wstring_view text, os::Locale& locale) {
    return GuardedOr(std::wstring(), [&] {
        return FormatDisplayDate(text, locale.User(), locale.SystemDefault());
    });
}

} // namespace vantrel
