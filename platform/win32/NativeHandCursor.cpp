#include "platform/win32/NativeHandCursor.h"

#include "toolkit/win32/Cursors.h"

namespace vantrel {

void InstallNativeHandCursor() {
    // LoadCursorW with no module gives the system's shared cursor; when there is none the
    // entry is removed and the default cursor shows instead.
    SetScreenCursor(Cursor::HandPoint, LoadCursorW(nullptr, IDC_HAND));
}

} // namespace vantrel
