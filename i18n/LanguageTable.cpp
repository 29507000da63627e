#include "i18n/LanguageTable.h"

#include "toolkit/Text.h"

#include <algorithm>

namespace vantrel {
namespace {

struct ByteOrderMark {
    std::uint8_t bytes[3];
    std::size_t size;
    enum { Utf16Le, Utf16Be, Utf8 } encoding;
};

constexpr ByteOrderMark kMarks[] = {
    {{0xFF, 0xFE}, 2, ByteOrderMark::Utf16Le},
    {{0xFE, 0xFF}, 2, ByteOrderMark::Utf16Be},
    {{0xEF, 0xBB, 0xBF}, 3, ByteOrderMark::Utf8},
};

bool StartsWith(std::span<const std::uint8_t> bytes, const ByteOrderMark& mark) {
    return bytes.size() >= mark.size &&
           std::equal(mark.bytes, mark.bytes + mark.size, bytes.begin());
}

std::wstring FromUtf16Be(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> swapped(bytes.begin(), bytes.end() - bytes.size() % 2);
    for (std::size_t i = 0; i + 1 < swapped.size(); i += 2)
        std::swap(swapped[i], swapped[i + 1]);
    return FromUtf16Le(swapped.data(), swapped.size());
}

std::string_view AsChars(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool IsBlank(wchar_t c) {
    return c >= 1 && c <= 32;
}

// Reads the quoted field that starts at row[i] (the opening quote); i ends past the closing
// quote, or at the end of the row when there is none.
void ReadQuoted(std::wstring_view row, std::size_t& i, std::wstring& field) {
    ++i;
    while (i < row.size()) {
        std::size_t quote = row.find(L'"', i);
        if (quote == std::wstring_view::npos) break;
        field.append(row.substr(i, quote - i));
        i = quote + 1;
        if (i < row.size() && row[i] == L'"') {
            field.push_back(L'"');
            ++i;
            continue;
        }
        return;
    }
    field.append(row.substr(i));
    i = row.size();
}

void ReadUnquoted(std::wstring_view row, std::size_t& i, std::wstring& field) {
    std::size_t start = i;
    while (i < row.size() && row[i] != L',' && !IsBlank(row[i]))
        ++i;
    field.assign(row.substr(start, i - start));
}

} // namespace

std::wstring DecodeTable(std::span<const std::uint8_t> bytes, const os::AnsiCodePage& ansi) {
    for (const ByteOrderMark& mark : kMarks) {
        if (!StartsWith(bytes, mark)) continue;
        auto rest = bytes.subspan(mark.size);
        switch (mark.encoding) {
        case ByteOrderMark::Utf16Le:
            return FromUtf16Le(rest.data(), rest.size());
        case ByteOrderMark::Utf16Be:
            return FromUtf16Be(rest);
        case ByteOrderMark::Utf8:
            return FromUtf8(AsChars(rest));
        }
    }
    return ansi.Decode(AsChars(bytes));
}

std::vector<std::wstring_view> SplitLines(std::wstring_view text) {
    text = text.substr(0, text.find(L'\0'));
    std::vector<std::wstring_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != L'\r' && text[end] != L'\n')
            ++end;
        lines.push_back(text.substr(start, end - start));
        if (end == text.size()) break;
        start = end + 1;
        if (text[end] == L'\r' && start < text.size() && text[start] == L'\n') ++start;
    }
    return lines;
}

void SplitRow(std::wstring_view row, std::vector<std::wstring>& fields) {
    std::size_t count = 0;
    auto next = [&]() -> std::wstring& {
        if (count == fields.size()) fields.emplace_back();
        std::wstring& field = fields[count++];
        field.clear();
        return field;
    };
    auto skipBlanks = [&row](std::size_t& i) {
        while (i < row.size() && IsBlank(row[i]))
            ++i;
    };

    std::size_t i = 0;
    skipBlanks(i);
    while (i < row.size()) {
        std::wstring& field = next();
        if (row[i] == L'"')
            ReadQuoted(row, i, field);
        else
            ReadUnquoted(row, i, field);
        skipBlanks(i);
        if (i < row.size() && row[i] == L',') {
            if (i + 1 == row.size()) next();
            ++i;
            skipBlanks(i);
        }
    }
    fields.resize(count);
}

std::vector<std::wstring> SplitRow(std::wstring_view row) {
    std::vector<std::wstring> fields;
    SplitRow(row, fields);
    return fields;
}

void LookUpText(std::wstring_view table, std::wstring_view window, std::wstring_view key,
                std::wstring& text) {
    ForEachRow(table, [&](const std::vector<std::wstring>& fields) {
        if (fields.empty() || !SameTextAscii(fields[0], window)) return;
        if (fields.size() < 2 || !SameTextAscii(fields[1], key)) return;
        if (fields.size() < 3) return;
        text = fields[2];
    });
}

} // namespace vantrel
