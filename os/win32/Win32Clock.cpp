#include "os/win32/Win32Clock.h"

#include <windows.h>

namespace vantrel::os {

LocalTime Win32Clock::Now() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return {st.wYear, st.wMonth,  st.wDay,    st.wDayOfWeek,
            st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

} // namespace vantrel::os
