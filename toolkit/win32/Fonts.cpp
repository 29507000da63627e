#include "toolkit/win32/Fonts.h"

#include <cwchar>

namespace vantrel {

os::unique_hfont CreateFontHandle(const TFont& font) {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(font.Size(), dpi, 72);
    lf.lfWeight = (font.Style() & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.Style() & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.Style() & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.Style() & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    std::wcsncpy(lf.lfFaceName, font.Name().c_str(), LF_FACESIZE - 1);
    return os::unique_hfont(CreateFontIndirectW(&lf));
}

} // namespace vantrel
