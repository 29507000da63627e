#pragma once
// The language table: a text file of rows "window, key, text", one per line. This unit turns
// the table's bytes into text, the text into lines and a line into its fields; it knows
// nothing of windows or settings.

#include "os/CodePage.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// A byte-order mark decides the encoding and is dropped: UTF-16 little-endian (FF FE), UTF-16
// big-endian (FE FF), UTF-8 (EF BB BF), tested in that order. Without one the bytes are
// 8-bit text in the given code page.
std::wstring DecodeTable(std::span<const std::uint8_t> bytes, const os::AnsiCodePage& ansi);

// The lines of the text. A line ends at CR LF, a lone CR or a lone LF; the text ends at its
// first NUL. A break after the last line starts no further line. Empty lines are kept.
std::vector<std::wstring_view> SplitLines(std::wstring_view text);

// The fields of one row. Blanks (codes 1 to 32) before a field and after it are skipped; a
// field in double quotes keeps its blanks and commas, and two double quotes inside it stand
// for one; any other field ends at a comma or a blank. A comma that is the row's very last
// character adds an empty field. A quoted field without its closing quote runs to the end of
// the row. Reuses the storage of `fields`, which holds exactly the row's fields afterwards.
void SplitRow(std::wstring_view row, std::vector<std::wstring>& fields);
std::vector<std::wstring> SplitRow(std::wstring_view row);

// Calls visit(fields) for every non-empty line of the table text, in table order.
template <class Visit> void ForEachRow(std::wstring_view text, Visit&& visit) {
    std::vector<std::wstring> fields;
    for (std::wstring_view line : SplitLines(text)) {
        if (line.empty()) continue;
        SplitRow(line, fields);
        visit(static_cast<const std::vector<std::wstring>&>(fields));
    }
}

// The text of the last row whose window and key match (letter case of A to Z ignored). A row
// that lacks a field the comparison needs is passed over. `text` keeps its value when no
// row matches.
void LookUpText(std::wstring_view table, std::wstring_view window, std::wstring_view key,
                std::wstring& text);

} // namespace vantrel
