#include "platform/Shell.h"

#include "toolkit/Guarded.h"

namespace vantrel {
namespace {

constexpr std::wstring_view kOpen = L"open";

void Open(os::Shell& shell, os::WindowHandle owner, std::wstring_view target,
          std::optional<std::wstring> parameters) {
    shell.Execute(owner, kOpen, target, parameters, os::kShowNormal);
}

} // namespace

std::wstring FolderOf(std::wstring_view programFile) {
    std::size_t slash = programFile.find_last_of(L"\\/");
    if (slash == std::wstring_view::npos) return {};
    return std::wstring(programFile.substr(0, slash + 1));
}

std::wstring ProgramFolder(os::Shell& shell) {
    return FolderOf(shell.ProgramFile());
}

std::wstring HelpAddress(std::wstring_view programFolder, std::wstring_view helpFile,
                         std::wstring_view topic) {
    std::wstring address(programFolder);
    address += helpFile;
    address += L"::";
    address += topic;
    address += L'>';
    address += kHelpWindowType;
    return address;
}

void ShellOpen(os::Shell& shell, std::wstring_view target, std::wstring_view parameters) noexcept {
    Guarded([&] { Open(shell, shell.ApplicationWindow(), target, std::wstring(parameters)); });
}

void ShellOpenUnowned(os::Shell& shell, std::wstring_view target,
                      std::wstring_view parameters) noexcept {
    Guarded([&] { Open(shell, nullptr, target, std::wstring(parameters)); });
}

void ShellOpenNoParameters(os::Shell& shell, std::wstring_view target) noexcept {
    Guarded([&] { Open(shell, shell.ApplicationWindow(), target, std::nullopt); });
}

void ShowHelpTopic(os::Shell& shell, os::HtmlHelp& help, std::wstring_view helpFile,
                   std::wstring_view topic) noexcept {
    Guarded([&] {
        std::wstring address = HelpAddress(ProgramFolder(shell), helpFile, topic);
        if (!help.Load()) return;
        help.Call(shell.DesktopWindow(), address, os::kHelpDisplayTopic, 0);
    });
}

} // namespace vantrel
