#include "toolkit/Text.h"

namespace vantrel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

wchar_t LowerChar(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c;
}

// Appends one code point in the platform's wide form (UTF-16 where wchar_t is 16 bits).
void AppendCodePoint(std::wstring& out, char32_t cp) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(wchar_t(0xD800 + (cp >> 10)));
            out.push_back(wchar_t(0xDC00 + (cp & 0x3FF)));
            return;
        }
    }
    out.push_back(wchar_t(cp));
}

// Reads one code point from the wide text at i, advancing i.
char32_t NextCodePoint(std::wstring_view text, std::size_t& i) {
    char32_t c = char32_t(text[i++]);
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0xD800 && c <= 0xDBFF && i < text.size()) {
            char32_t low = char32_t(text[i]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                ++i;
                return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            }
        }
    }
    return c;
}

} // namespace

std::wstring LowerAscii(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out)
        c = LowerChar(c);
    return out;
}

bool SameTextAscii(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerChar(a[i]) != LowerChar(b[i])) return false;
    return true;
}

std::vector<std::uint8_t> ToUtf16Le(std::wstring_view text, bool withNul) {
    std::vector<std::uint8_t> out;
    out.reserve((text.size() + 1) * 2);
    auto put = [&out](char16_t unit) {
        out.push_back(std::uint8_t(unit & 0xFF));
        out.push_back(std::uint8_t(unit >> 8));
    };
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = NextCodePoint(text, i);
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            cp -= 0x10000;
            put(char16_t(0xD800 + (cp >> 10)));
            put(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            put(char16_t(cp > 0x10FFFF ? kReplacement : cp));
        }
    }
    if (withNul) put(0);
    return out;
}

std::wstring FromUtf16Le(const std::uint8_t* bytes, std::size_t count) {
    std::wstring out;
    std::size_t units = count / 2;
    auto unit = [bytes](std::size_t i) { return char32_t(bytes[2 * i] | (bytes[2 * i + 1] << 8)); };
    for (std::size_t i = 0; i < units; ++i) {
        char32_t c = unit(i);
        if (c == 0) break;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units) {
            char32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendCodePoint(out, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) c = kReplacement;
        AppendCodePoint(out, c);
    }
    return out;
}

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = NextCodePoint(text, i);
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacement;
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::wstring FromUtf8(std::string_view text) {
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    static constexpr unsigned char kLeadMask[] = {0x7F, 0x1F, 0x0F, 0x07};
    std::wstring out;
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80             ? 0
                    : (lead & 0xE0) == 0xC0 ? 1
                    : (lead & 0xF0) == 0xE0 ? 2
                    : (lead & 0xF8) == 0xF0 ? 3
                                            : -1;
        bool ok = extra >= 0 && i + std::size_t(extra) < text.size();
        char32_t cp = ok ? char32_t(lead & kLeadMask[extra]) : 0;
        for (int k = 1; ok && k <= extra; ++k) {
            unsigned char next = static_cast<unsigned char>(text[i + k]);
            ok = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!ok || cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            AppendCodePoint(out, kReplacement);
            ++i;
            continue;
        }
        AppendCodePoint(out, cp);
        i += std::size_t(extra) + 1;
    }
    return out;
}

} // namespace vantrel
