// Arbitrary bytes as a language table: decoding, line splitting, row splitting and the
// lookup must neither crash nor break the rules that hold for every table.

#include "i18n/LanguageTable.h"
#include "os/CodePage.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsLineEnd(wchar_t c) {
    return c == L'\r' || c == L'\n' || c == L'\0';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrel;
    const std::wstring text = DecodeTable(std::span(data, size), os::Windows1252());

    // No field can hold a line end, so a text made of one is never a row's text.
    const std::wstring impossible = L"\r";
    const std::vector<std::wstring>* firstFull = nullptr;
    std::vector<std::vector<std::wstring>> rows;
    for (std::wstring_view line : SplitLines(text)) {
        for (wchar_t c : line)
            Require(!IsLineEnd(c));
        rows.push_back(SplitRow(line));
        std::size_t length = 0;
        for (const std::wstring& field : rows.back()) {
            for (wchar_t c : field)
                Require(!IsLineEnd(c));
            length += field.size();
        }
        // Quotes and blanks are only ever dropped, never added.
        Require(length <= line.size());
    }
    for (const auto& fields : rows)
        if (fields.size() >= 3 && !firstFull) firstFull = &fields;

    std::wstring kept = impossible;
    LookUpText(text, impossible, L"", kept);
    Require(kept == impossible);
    if (firstFull) {
        std::wstring found = impossible;
        LookUpText(text, (*firstFull)[0], (*firstFull)[1], found);
        Require(found != impossible);
    }
    return 0;
}
