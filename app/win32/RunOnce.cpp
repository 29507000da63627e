#include "app/win32/RunOnce.h"

#include "toolkit/Guarded.h"

#include <windows.h>

namespace vantrel {

bool IsAlreadyRunning(const std::wstring& className, bool activate) {
    return GuardedOr(false, [&] {
        HWND running = FindWindowW(className.c_str(), nullptr);
        if (!running) return false;
        if (activate) {
            if (IsIconic(running) || IsZoomed(running)) ShowWindow(running, SW_RESTORE);
            SetForegroundWindow(running);
        }
        return true;
    });
}

} // namespace vantrel
