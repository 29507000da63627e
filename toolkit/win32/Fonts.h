#pragma once
// The GDI font for a toolkit font.

#include "os/win32/UniqueHandle.h"
#include "toolkit/Font.h"

namespace vantrel {

// A font of the toolkit font's face, size (at the screen's resolution) and style.
os::unique_hfont CreateFontHandle(const TFont& font);

} // namespace vantrel
