#include "os/win32/Win32DesktopFonts.h"

#include <cstdlib>

namespace vantrel::os {
namespace {

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

} // namespace

FontFace FaceOf(const LOGFONTW& font) {
    FontFace face;
    face.name = font.lfFaceName;
    // A negative height is the character height in pixels, a positive one the cell height;
    // either way the size in points is taken from its magnitude, as form fonts do.
    face.points = MulDiv(std::abs(font.lfHeight), 72, ScreenPixelsPerInch());
    face.bold = font.lfWeight >= FW_BOLD;
    face.italic = font.lfItalic != 0;
    face.underline = font.lfUnderline != 0;
    face.strikeOut = font.lfStrikeOut != 0;
    return face;
}

std::optional<FontFace> Win32DesktopFonts::IconTitleFont() {
    LOGFONTW font{};
    if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0)) return {};
    return FaceOf(font);
}

FontFace Win32DesktopFonts::SystemFont() {
    LOGFONTW font{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(font), &font);
    return FaceOf(font);
}

DesktopFonts& SystemDesktopFonts() {
    static Win32DesktopFonts fonts;
    return fonts;
}

} // namespace vantrel::os
