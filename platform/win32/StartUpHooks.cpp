#include "platform/win32/StartUpHooks.h"

#include "platform/win32/NativeHandCursor.h"
#include "platform/win32/NativeHintWindow.h"
#include "toolkit/Guarded.h"

namespace vantrel {

void RunStartUpHooks() {
    static constexpr void (*kHooks[])() = {InstallNativeHandCursor, InstallNativeHintWindow};
    for (auto hook : kHooks)
        Guarded(hook);
}

} // namespace vantrel
