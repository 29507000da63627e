#include "os/win32/Win32VersionQuery.h"

#include <windows.h>

namespace vantrel::os {

static_assert(sizeof(OSVERSIONINFOEXW) == 284 && sizeof(OSVERSIONINFOW) == 276);

bool Win32VersionQuery::Extended(VersionRecord& record) {
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) return false;
    record = {info.dwMajorVersion, info.dwMinorVersion, info.wProductType};
    return true;
}

bool Win32VersionQuery::Basic(VersionRecord& record) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(&info)) return false;
    record = {info.dwMajorVersion, info.dwMinorVersion, 0};
    return true;
}

VersionQuery& SystemVersionQuery() {
    static Win32VersionQuery query;
    return query;
}

} // namespace vantrel::os
