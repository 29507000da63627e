// A small program the Wine tests start in a process of its own, for what can only be seen
// from a fresh process: the Windows version Wine reports for this program's name, and
// where a bare library name is looked for once the DLL search is restricted.
//
//   VantrelProbe version              exit code: the version code
//   VantrelProbe load <name> open     exit code 1 when LoadLibraryW(name) loads something
//   VantrelProbe load <name> system   the same after restricting the search to the system
//                                     folder (exit code 3 when that is not possible)

#include "os/win32/SystemLibrary.h"
#include "os/win32/Win32VersionQuery.h"
#include "platform/WindowsVersion.h"

#include <windows.h>

#include <string_view>

int wmain(int argc, wchar_t** argv) {
    using namespace vantrel;
    std::wstring_view mode = argc > 1 ? argv[1] : L"";
    if (mode == L"version") return GetWindowsVersion(os::SystemVersionQuery());
    if (mode == L"load" && argc > 3) {
        if (std::wstring_view(argv[3]) == L"system" && !os::RestrictDllSearchToSystemFolder())
            return 3;
        return LoadLibraryW(argv[2]) ? 1 : 0;
    }
    return 2;
}
