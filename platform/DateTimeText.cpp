#include "platform/DateTimeText.h"

namespace vantrel {
namespace {

std::wstring Number(int value, std::size_t minDigits) {
    std::wstring digits = std::to_wstring(value < 0 ? -value : value);
    if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), L'0');
    return value < 0 ? L"-" + digits : digits;
}

int Hour12(int hour) {
    int h = hour % 12;
    return h == 0 ? 12 : h;
}

// One run of a picture letter (such as "MMM") turned into text.
std::wstring Field(wchar_t letter, std::size_t count, const os::LocalTime& t,
                   const os::DateTimeConventions& c) {
    auto month = std::size_t((t.month + 11) % 12);
    auto weekday = std::size_t(((t.dayOfWeek % 7) + 7) % 7);
    switch (letter) {
    case L'd':
        if (count >= 4) return c.longDays[weekday];
        if (count == 3) return c.shortDays[weekday];
        return Number(t.day, count);
    case L'M':
        if (count >= 4) return c.longMonths[month];
        if (count == 3) return c.shortMonths[month];
        return Number(t.month, count);
    case L'y':
        if (count >= 3) return Number(t.year, 4);
        return Number(t.year % 100, count);
    case L'h':
        return Number(Hour12(t.hour), count >= 2 ? 2 : 1);
    case L'H':
        return Number(t.hour, count >= 2 ? 2 : 1);
    case L'm':
        return Number(t.minute, count >= 2 ? 2 : 1);
    case L's':
        return Number(t.second, count >= 2 ? 2 : 1);
    case L't': {
        const std::wstring& designator = t.hour < 12 ? c.am : c.pm;
        return count >= 2 ? designator : designator.substr(0, 1);
    }
    case L'g':
        return {}; // era: none in the Gregorian calendar the program uses
    default:
        return std::wstring(count, letter);
    }
}

bool IsPictureLetter(wchar_t c) {
    return std::wstring_view(L"dMyhHmstg").find(c) != std::wstring_view::npos;
}

} // namespace

std::wstring FormatDateTimePicture(std::wstring_view picture, const os::LocalTime& time,
                                   const os::DateTimeConventions& conventions) {
    std::wstring out;
    for (std::size_t i = 0; i < picture.size();) {
        wchar_t c = picture[i];
        if (c == L'\'') {
            // Quoted literal; two quotes in a row stand for one.
            ++i;
            while (i < picture.size()) {
                if (picture[i] == L'\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == L'\'') {
                        out.push_back(L'\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out.push_back(picture[i++]);
            }
            continue;
        }
        if (!IsPictureLetter(c)) {
            out.push_back(c);
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        out += Field(c, run, time, conventions);
        i += run;
    }
    return out;
}

std::wstring MakeDateTimeText(const os::LocalTime& time,
                              const os::DateTimeConventions& conventions) {
    std::wstring text = FormatDateTimePicture(conventions.shortDate, time, conventions);
    if (time.hour != 0 || time.minute != 0 || time.second != 0)
        text += L' ' + FormatDateTimePicture(conventions.longTime, time, conventions);
    return text;
}

} // namespace vantrel
