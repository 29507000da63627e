// A library planted beside the test programs under a name that is not in the system
// folder. It exports the entry points the program looks up, so that loading it by mistake
// would go unnoticed by anything but the tests.

#include <windows.h>

extern "C" {
__declspec(dllexport) HWND WINAPI HtmlHelpW(HWND, const wchar_t*, UINT, DWORD_PTR) {
    return nullptr;
}
__declspec(dllexport) HWND WINAPI HtmlHelpA(HWND, const char*, UINT, DWORD_PTR) {
    return nullptr;
}
}
