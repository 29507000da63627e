#include "os/CodePage.h"

#include <array>

namespace vantrel::os {
namespace {

// 0x80 to 0x9F, the only range where Windows-1252 differs from ISO 8859-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

class Windows1252CodePage final : public AnsiCodePage {
public:
    std::wstring Decode(std::string_view bytes) const override {
        std::wstring text(bytes.size(), L'\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            auto byte = static_cast<unsigned char>(bytes[i]);
            text[i] =
                byte >= 0x80 && byte < 0xA0 ? wchar_t(kHighControls[byte - 0x80]) : wchar_t(byte);
        }
        return text;
    }
};

} // namespace

const AnsiCodePage& Windows1252() {
    static const Windows1252CodePage codePage;
    return codePage;
}

} // namespace vantrel::os
