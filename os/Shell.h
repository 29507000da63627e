#pragma once
// The Windows shell and the HTML Help control, as the program uses them. Results are not
// reported: every request is fire-and-forget.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::os {

// A window handle (HWND) carried through portable code.
using WindowHandle = void*;

inline constexpr int kShowNormal = 5; // SW_SHOW

class Shell {
public:
    virtual ~Shell() = default;
    // The window that owns the application's shell requests; null when there is none yet.
    virtual WindowHandle ApplicationWindow() = 0;
    // GetDesktopWindow.
    virtual WindowHandle DesktopWindow() = 0;
    // The full path of the running program file (GetModuleFileNameW).
    virtual std::wstring ProgramFile() = 0;
    // ShellExecuteW; a missing parameter string passes a null pointer, a missing working
    // folder always does.
    virtual void Execute(WindowHandle owner, std::wstring_view verb, std::wstring_view file,
                         const std::optional<std::wstring>& parameters, int showCommand) = 0;
};

inline constexpr std::uint32_t kHelpDisplayTopic = 0; // HH_DISPLAY_TOPIC

class HtmlHelp {
public:
    virtual ~HtmlHelp() = default;
    // Makes sure the help library and its entry points are loaded; false when they are not
    // available now (a later call tries again).
    virtual bool Load() = 0;
    // HtmlHelpW; only called after Load() returned true.
    virtual void Call(WindowHandle caller, std::wstring_view file, std::uint32_t command,
                      std::uintptr_t data) = 0;
};

} // namespace vantrel::os
