#pragma once
#include "os/Shell.h"
#include "os/win32/UniqueHandle.h"

#include <string>

namespace vantrel::os {

class Win32Shell final : public Shell {
public:
    // The window that owns the application's requests: the main window, once it exists.
    void SetApplicationWindow(HWND window) { application_ = window; }

    WindowHandle ApplicationWindow() override { return application_; }
    WindowHandle DesktopWindow() override;
    std::wstring ProgramFile() override;
    void Execute(WindowHandle owner, std::wstring_view verb, std::wstring_view file,
                 const std::optional<std::wstring>& parameters, int showCommand) override;

private:
    HWND application_ = nullptr;
};

// The HTML Help control (hhctrl.ocx), loaded from the system folder on the first request
// that finds it, and kept until the program ends.
class Win32HtmlHelp final : public HtmlHelp {
public:
    explicit Win32HtmlHelp(std::wstring library = L"hhctrl.ocx") : library_(std::move(library)) {}
    ~Win32HtmlHelp() override;

    bool Load() override;
    void Call(WindowHandle caller, std::wstring_view file, std::uint32_t command,
              std::uintptr_t data) override;

private:
    using HtmlHelpWFn = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);

    std::wstring library_;
    unique_hmodule module_;
    HtmlHelpWFn htmlHelpW_ = nullptr;
};

// The process-wide instances the program uses.
Win32Shell& SystemShell();
HtmlHelp& SystemHtmlHelp();

} // namespace vantrel::os
