#pragma once
// The fonts the desktop reports: the icon-title font (SystemParametersInfoW with
// SPI_GETICONTITLELOGFONT) and the system font to fall back on.

#include <optional>
#include <string>

namespace vantrel::os {

struct FontFace {
    std::wstring name;
    int points = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontFace&) const = default;
};

class DesktopFonts {
public:
    virtual ~DesktopFonts() = default;
    // The icon-title font; nothing when the system cannot report it.
    virtual std::optional<FontFace> IconTitleFont() = 0;
    // The system font.
    virtual FontFace SystemFont() = 0;
};

} // namespace vantrel::os
