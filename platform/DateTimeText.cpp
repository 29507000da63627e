#include "platform/DateTimeText.h"

#include "toolkit/Text.h"

#include <array>

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

namespace {

enum class Part { Day, Month, Year };

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == 0xA0;
}

// The letters of a picture outside quoted literals, each with its position.
template <class Visit> void ForEachPictureChar(std::wstring_view picture, Visit visit) {
    bool quoted = false;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (picture[i] == L'\'') {
            quoted = !quoted;
            continue;
        }
        if (!quoted) visit(i, picture[i]);
    }
}

// The order of day, month and year in a short-date picture; nothing when one is missing.
std::optional<std::array<Part, 3>> DateOrder(std::wstring_view picture) {
    std::array<Part, 3> order{};
    std::size_t found = 0;
    bool seen[3] = {};
    ForEachPictureChar(picture, [&](std::size_t, wchar_t c) {
        int part = c == L'd' ? 0 : c == L'M' ? 1 : c == L'y' ? 2 : -1;
        if (part < 0 || seen[part] || found == 3) return;
        seen[part] = true;
        order[found++] = Part(part);
    });
    if (found != 3) return std::nullopt;
    return order;
}

// The first character of a picture that is no picture letter and no blank.
wchar_t SeparatorOf(std::wstring_view picture, wchar_t fallback) {
    wchar_t separator = 0;
    ForEachPictureChar(picture, [&](std::size_t, wchar_t c) {
        if (separator || IsPictureLetter(c) || IsBlank(c)) return;
        separator = c;
    });
    return separator ? separator : fallback;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

class Scanner {
public:
    explicit Scanner(std::wstring_view text) : text_(text) {}

    bool AtEnd() {
        SkipBlanks();
        return pos_ == text_.size();
    }
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
    }
    // A run of at most 4 digits; its length goes to `digits`.
    bool Number(int& value, std::size_t& digits) {
        SkipBlanks();
        std::size_t start = pos_;
        value = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_]) && pos_ - start < 4)
            value = value * 10 + int(text_[pos_++] - L'0');
        digits = pos_ - start;
        return digits > 0 && (pos_ == text_.size() || !IsDigit(text_[pos_]));
    }
    bool Char(wchar_t c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool Word(std::wstring_view word) {
        SkipBlanks();
        if (word.empty() || !SameTextAscii(text_.substr(pos_, word.size()), word)) return false;
        pos_ += word.size();
        return true;
    }
    bool NextIsDigit() {
        SkipBlanks();
        return pos_ < text_.size() && IsDigit(text_[pos_]);
    }

private:
    std::wstring_view text_;
    std::size_t pos_ = 0;
};

enum class Designator { None, Am, Pm };

Designator ScanDesignator(Scanner& in, const os::DateTimeConventions& c) {
    if (in.Word(c.am) || in.Word(L"AM")) return Designator::Am;
    if (in.Word(c.pm) || in.Word(L"PM")) return Designator::Pm;
    return Designator::None;
}

bool ScanDate(Scanner& in, const os::DateTimeConventions& c, os::LocalTime& t) {
    auto order = DateOrder(c.shortDate);
    if (!order) return false;
    wchar_t separator = SeparatorOf(c.shortDate, L'/');
    int values[3] = {};
    std::size_t yearDigits = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0 && !in.Char(separator)) return false;
        std::size_t digits = 0;
        if (!in.Number(values[int((*order)[i])], digits)) return false;
        if ((*order)[i] == Part::Year) yearDigits = digits;
    }
    in.Char(separator); // some short dates end with their separator
    t.day = values[0];
    t.month = values[1];
    t.year = values[2];
    if (yearDigits <= 2) t.year += t.year < 50 ? 2000 : 1900;
    if (t.year < 1 || t.month < 1 || t.month > 12) return false;
    if (t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return false;
    t.dayOfWeek = DayOfWeek(t.year, t.month, t.day);
    return true;
}

bool ScanTime(Scanner& in, const os::DateTimeConventions& c, os::LocalTime& t) {
    wchar_t separator = SeparatorOf(c.longTime, L':');
    Designator designator = ScanDesignator(in, c);
    int fields[3] = {};
    std::size_t digits = 0;
    if (!in.Number(fields[0], digits)) return false;
    for (int i = 1; i < 3 && in.Char(separator); ++i)
        if (!in.Number(fields[i], digits)) return false;
    if (designator == Designator::None) designator = ScanDesignator(in, c);
    int hour = fields[0];
    if (designator != Designator::None) {
        if (hour > 12) return false;
        if (hour == 12) hour = 0;
        if (designator == Designator::Pm) hour += 12;
    }
    if (hour > 23 || fields[1] > 59 || fields[2] > 59) return false;
    t.hour = hour;
    t.minute = fields[1];
    t.second = fields[2];
    return true;
}

} // namespace

int DayOfWeek(int year, int month, int day) {
    static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

std::optional<os::LocalTime> ParseDateTimeText(std::wstring_view text,
                                               const os::DateTimeConventions& conventions) {
    Scanner in(text);
    os::LocalTime t;
    if (!ScanDate(in, conventions, t)) return std::nullopt;
    if (!in.AtEnd() && !ScanTime(in, conventions, t)) return std::nullopt;
    if (!in.AtEnd()) return std::nullopt;
    return t;
}

} // namespace vantrel
