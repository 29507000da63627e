#pragma once
// Starts the built program beside the test executable and watches it from outside.

#include "os/win32/UniqueHandle.h"

#include <string>

#include <windows.h>

namespace vantrel::e2e {

class Program {
public:
    // Starts the program file exe beside this test executable, with the given command-line
    // arguments.
    explicit Program(const std::wstring& arguments = L"", const std::wstring& exe = L"Vantrel.exe");
    ~Program();

    // Waits for the process to end; its exit code, or -1 on time-out.
    long WaitForExit(DWORD milliseconds = 20000);
    bool Running() const;
    DWORD ProcessId() const { return processId_; }

    // The top-level window of the given class that belongs to this process, waiting for it.
    HWND WaitForWindow(const wchar_t* className, DWORD milliseconds = 20000) const;
    // Closes the main window and expects the process to end with exit code 0.
    long Close();

private:
    os::unique_handle_kernel process_;
    DWORD processId_ = 0;
};

// Every visible-or-not top-level window of the class, of any process.
int CountTopLevelWindows(const wchar_t* className);

} // namespace vantrel::e2e
