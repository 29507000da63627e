#include "os/win32/Win32Shutdown.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace vantrel::os {

static_assert(sizeof(TOKEN_PRIVILEGES) == sizeof(TokenPrivileges));
static_assert(offsetof(TOKEN_PRIVILEGES, Privileges) == offsetof(TokenPrivileges, luid));

namespace {

HANDLE ToHandle(TokenHandle token) {
    return reinterpret_cast<HANDLE>(token);
}

} // namespace

bool Win32Shutdown::OpenProcessToken(std::uint32_t access, TokenHandle& token) {
    HANDLE handle = nullptr;
    if (!::OpenProcessToken(GetCurrentProcess(), access, &handle)) return false;
    token = reinterpret_cast<TokenHandle>(handle);
    return true;
}

bool Win32Shutdown::LookupPrivilege(std::wstring_view name, Luid& luid) {
    LUID value{};
    if (!LookupPrivilegeValueW(nullptr, std::wstring(name).c_str(), &value)) return false;
    luid = {value.LowPart, value.HighPart};
    return true;
}

bool Win32Shutdown::AdjustTokenPrivileges(TokenHandle token, bool disableAll,
                                          const TokenPrivileges& request,
                                          std::uint32_t bufferLength, TokenPrivileges& previous,
                                          std::uint32_t& returnLength) {
    TOKEN_PRIVILEGES in{};
    in.PrivilegeCount = request.privilegeCount;
    in.Privileges[0].Luid = {request.luid.lowPart, request.luid.highPart};
    in.Privileges[0].Attributes = request.attributes;
    TOKEN_PRIVILEGES out{};
    DWORD returned = returnLength;
    // The buffer handed over is `out`; never claim more room than it has.
    DWORD room = bufferLength < sizeof(out) ? bufferLength : DWORD(sizeof(out));
    BOOL ok = ::AdjustTokenPrivileges(ToHandle(token), disableAll ? TRUE : FALSE, &in, room, &out,
                                      &returned);
    previous.privilegeCount = out.PrivilegeCount;
    previous.luid = {out.Privileges[0].Luid.LowPart, out.Privileges[0].Luid.HighPart};
    previous.attributes = out.Privileges[0].Attributes;
    returnLength = returned;
    return ok != FALSE;
}

void Win32Shutdown::CloseToken(TokenHandle token) {
    CloseHandle(ToHandle(token));
}

bool Win32Shutdown::ExitSession(std::uint32_t flags, std::uint32_t reason) {
    return ExitWindowsEx(flags, reason) != FALSE;
}

Shutdown& SystemShutdown() {
    static Win32Shutdown shutdown;
    return shutdown;
}

} // namespace vantrel::os
