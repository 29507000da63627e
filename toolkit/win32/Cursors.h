#pragma once
// The screen's cursor table: which system cursor stands for each of the toolkit's cursors.

#include "toolkit/Control.h"

#include <windows.h>

namespace vantrel {

// Installs a cursor for a toolkit cursor; null removes the entry, so the default applies.
void SetScreenCursor(Cursor cursor, HCURSOR handle);
// The cursor shown for a toolkit cursor: the installed one, else the arrow.
HCURSOR ScreenCursor(Cursor cursor);

} // namespace vantrel
