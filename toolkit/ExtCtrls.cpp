#include "toolkit/ExtCtrls.h"

#include <cstdint>

namespace vantrel {
namespace {

constexpr std::size_t kTipUnits = 127;

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// UTF-16 units of the character starting at text[i]: two for one beyond U+FFFF, whether the
// platform keeps it as a surrogate pair or as one wide character.
std::size_t UnitsAt(const std::wstring& text, std::size_t i, std::size_t& chars) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size()) {
        chars = 2;
        return 2;
    }
    chars = 1;
    const std::uint32_t code = static_cast<std::uint32_t>(text[i]);
    return code > 0xFFFF ? 2 : 1;
}

} // namespace

std::wstring TTrayIcon::ShownTip() const {
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < hint_.size()) {
        std::size_t chars = 0;
        std::size_t next = UnitsAt(hint_, i, chars);
        if (units + next > kTipUnits) break;
        units += next;
        i += chars;
    }
    return hint_.substr(0, i);
}

} // namespace vantrel
