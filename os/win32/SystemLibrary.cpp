#include "os/win32/SystemLibrary.h"

#include <string>

namespace vantrel::os {

unique_hmodule LoadSystemLibrary(const wchar_t* name) {
    unique_hmodule module(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (module || GetLastError() != ERROR_INVALID_PARAMETER) return module;
    // Older systems refuse the flag as an invalid parameter: name the file by its full path.
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::wstring path(folder, length);
    path += L'\\';
    path += name;
    return unique_hmodule(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

bool RestrictDllSearchToSystemFolder() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return false;
    auto set = ProcAddress<SetDefaultDllDirectoriesFn>(kernel, "SetDefaultDllDirectories");
    return set && set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace vantrel::os
