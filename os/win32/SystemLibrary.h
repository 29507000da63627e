#pragma once
// Libraries that are not KnownDLLs are loaded from the system folder only, so that an
// elevated program never picks up a copy planted beside it or in the current folder.

#include "os/win32/UniqueHandle.h"

namespace vantrel::os {

// Loads a library from the system folder: LoadLibraryExW with LOAD_LIBRARY_SEARCH_SYSTEM32,
// or, where Windows does not know that flag yet, by its full path in the system folder.
unique_hmodule LoadSystemLibrary(const wchar_t* name);

// SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) for the whole process, where
// Windows has it (Windows 8, or Windows 7 with KB2533623); false where it has not.
bool RestrictDllSearchToSystemFolder();

// GetProcAddress as the function type the caller expects; null when the module lacks it.
template <class Fn> Fn ProcAddress(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace vantrel::os
