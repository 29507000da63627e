#pragma once
// Normalises a window's fonts after it took the desktop's font: the window's own font is
// capped at 9 points, and every component with a font of its own takes the window's face
// and at least the window's size.

#include "toolkit/Form.h"

namespace vantrel {

inline constexpr int kFontSizeCap = 9; // points

// Components that take their parent's font, and components without a font, are passed
// over; style and colour are never touched. A failure ends the work silently, keeping the
// changes already made.
void SetSystemFont(TForm& form) noexcept;

} // namespace vantrel
