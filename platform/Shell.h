#pragma once
// Handing files, programs and web addresses to the Windows shell, and opening a topic of
// the compiled help. Every operation is fire-and-forget: nothing is reported back and
// nothing ever reaches the user as a message.

#include "os/Shell.h"

#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::wstring_view kHelpFile = L"Vantrel.chm";
inline constexpr std::wstring_view kHelpTopic = L"/html/main.htm";
inline constexpr std::wstring_view kHelpWindowType = L"HelpWindow";

// The folder of a program file with its trailing backslash: everything up to and including
// the last backslash (or slash); empty when the path names no folder.
std::wstring FolderOf(std::wstring_view programFile);

// The folder of the running program file, with its trailing backslash. Files that ship
// beside the program are found here, never through the current folder.
std::wstring ProgramFolder(os::Shell& shell);

// program folder + help file + "::" + topic + ">HelpWindow".
std::wstring HelpAddress(std::wstring_view programFolder, std::wstring_view helpFile,
                         std::wstring_view topic);

// Opens a target with the application's window as owner.
void ShellOpen(os::Shell& shell, std::wstring_view target,
               std::wstring_view parameters = {}) noexcept;
// Opens a target with no owner window.
void ShellOpenUnowned(os::Shell& shell, std::wstring_view target,
                      std::wstring_view parameters = {}) noexcept;
// Opens a target with the application's window as owner and no parameter string at all.
void ShellOpenNoParameters(os::Shell& shell, std::wstring_view target) noexcept;

// Shows a topic of a compiled help file beside the program in its "HelpWindow" window
// type, owned by the desktop. Does nothing while the help library is unavailable.
void ShowHelpTopic(os::Shell& shell, os::HtmlHelp& help, std::wstring_view helpFile,
                   std::wstring_view topic) noexcept;

} // namespace vantrel
