#include "tests/e2e/Program.h"

#include "os/win32/Win32Shell.h"
#include "platform/Shell.h"

namespace vantrel::e2e {

Program::Program(const std::wstring& arguments, const std::wstring& exe) {
    std::wstring path = ProgramFolder(os::SystemShell()) + exe;
    std::wstring commandLine = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        process_.reset(info.hProcess);
        processId_ = info.dwProcessId;
    }
}

Program::~Program() {
    if (Running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool Program::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

long Program::WaitForExit(DWORD milliseconds) {
    if (!process_ || WaitForSingleObject(process_.get(), milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return long(code);
}

HWND Program::WaitForWindow(const wchar_t* className, DWORD milliseconds) const {
    struct Search {
        const wchar_t* className;
        DWORD processId;
        HWND found;
    };
    for (DWORD waited = 0; waited <= milliseconds; waited += 50) {
        Search search{className, processId_, nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM lp) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lp);
                wchar_t name[256] = {};
                DWORD pid = 0;
                GetWindowThreadProcessId(hwnd, &pid);
                GetClassNameW(hwnd, name, 256);
                if (pid == s->processId && lstrcmpW(name, s->className) == 0) {
                    s->found = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (!Running()) return nullptr;
        Sleep(50);
    }
    return nullptr;
}

long Program::Close() {
    if (HWND main = WaitForWindow(L"TTHMainForm", 5000)) PostMessageW(main, WM_CLOSE, 0, 0);
    return WaitForExit();
}

int CountTopLevelWindows(const wchar_t* className) {
    struct Count {
        const wchar_t* className;
        int count;
    } count{className, 0};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* c = reinterpret_cast<Count*>(lp);
            wchar_t name[256] = {};
            GetClassNameW(hwnd, name, 256);
            if (lstrcmpW(name, c->className) == 0) ++c->count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.count;
}

} // namespace vantrel::e2e
