#include "platform/win32/NativeHintWindow.h"

#include <windows.h>

#include <commctrl.h>

namespace vantrel {

void InstallNativeHintWindow() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

} // namespace vantrel
