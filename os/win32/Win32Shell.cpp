#include "os/win32/Win32Shell.h"

#include "os/win32/SystemLibrary.h"

#include <shellapi.h>

namespace vantrel::os {
namespace {

constexpr UINT kHelpCloseAll = 0x0012; // HH_CLOSE_ALL

} // namespace

WindowHandle Win32Shell::DesktopWindow() {
    return GetDesktopWindow();
}

std::wstring Win32Shell::ProgramFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2); // truncated: a long path
    }
}

void Win32Shell::Execute(WindowHandle owner, std::wstring_view verb, std::wstring_view file,
                         const std::optional<std::wstring>& parameters, int showCommand) {
    std::wstring verbText(verb), fileText(file);
    ShellExecuteW(static_cast<HWND>(owner), verbText.c_str(), fileText.c_str(),
                  parameters ? parameters->c_str() : nullptr, nullptr, showCommand);
}

Win32HtmlHelp::~Win32HtmlHelp() {
    // Help windows belong to the library: close them before it goes.
    if (htmlHelpW_) htmlHelpW_(nullptr, nullptr, kHelpCloseAll, 0);
}

bool Win32HtmlHelp::Load() {
    if (htmlHelpW_) return true;
    unique_hmodule module = LoadSystemLibrary(library_.c_str());
    if (!module) return false;
    auto wide = ProcAddress<HtmlHelpWFn>(module.get(), "HtmlHelpW");
    auto ansi = ProcAddress<HtmlHelpWFn>(module.get(), "HtmlHelpA");
    if (!wide || !ansi) return false;
    module_ = std::move(module);
    htmlHelpW_ = wide;
    return true;
}

void Win32HtmlHelp::Call(WindowHandle caller, std::wstring_view file, std::uint32_t command,
                         std::uintptr_t data) {
    if (!htmlHelpW_) return;
    std::wstring fileText(file);
    htmlHelpW_(static_cast<HWND>(caller), fileText.c_str(), command, data);
}

Win32Shell& SystemShell() {
    static Win32Shell shell;
    return shell;
}

HtmlHelp& SystemHtmlHelp() {
    static Win32HtmlHelp help;
    return help;
}

} // namespace vantrel::os
