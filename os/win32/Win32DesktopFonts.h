#pragma once
#include "os/DesktopFonts.h"

#include <windows.h>

namespace vantrel::os {

class Win32DesktopFonts final : public DesktopFonts {
public:
    std::optional<FontFace> IconTitleFont() override;
    FontFace SystemFont() override;
};

// A logical font as face, whole points and style, at the screen's resolution.
FontFace FaceOf(const LOGFONTW& font);

DesktopFonts& SystemDesktopFonts();

} // namespace vantrel::os
