// Stands in for the product's updater in the tests. It proves that it ran by writing its
// own path and the folder it was started in to the file named by VANTREL_UPDATE_MARKER.

#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t marker[MAX_PATH], self[MAX_PATH], folder[MAX_PATH];
    if (!GetEnvironmentVariableW(L"VANTREL_UPDATE_MARKER", marker, MAX_PATH)) return 1;
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    GetCurrentDirectoryW(MAX_PATH, folder);
    std::wstring text = std::wstring(self) + L"\n" + folder;
    HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return 0;
}
