// The desktop services' Win32 side under Wine: the version Wine reports per program, the
// shutdown privilege, shell launching and compiled help, the DLL search, the click sound
// resource, the desktop font and the hand cursor. Nothing here ever restarts anything.

#include "optimizer/Restart.h"
#include "os/win32/SystemLibrary.h"
#include "os/win32/UniqueHandle.h"
#include "os/win32/Win32DesktopFonts.h"
#include "os/win32/Win32Shell.h"
#include "os/win32/Win32Shutdown.h"
#include "platform/Shell.h"
#include "platform/win32/NativeHandCursor.h"
#include "toolkit/Application.h"
#include "toolkit/Text.h"
#include "toolkit/win32/Cursors.h"
#include "toolkit/win32/Win32Application.h"
#include "toolkit/win32/Win32FormPeer.h"

#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace vantrel {
namespace {

using testing::ReadFileBytes;

std::wstring BinFolder() {
    return ProgramFolder(os::SystemShell());
}

// Runs a program of ours and returns its exit code; -1000 when it could not be run.
long RunAndWait(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return -1000;
    os::unique_handle_kernel processHandle(process.hProcess), thread(process.hThread);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) return -1000;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return long(std::int32_t(code));
}

void PumpMessagesFor(std::chrono::milliseconds duration) {
    auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(20);
    }
}

TEST(WindowsVersionUnderWine, FollowsThePerProgramWindowsSetting) {
    const wchar_t* key = L"Software\\Wine\\AppDefaults\\VantrelProbe.exe";
    struct Case {
        const wchar_t* setting;
        long code;
    };
    // Debian's Wine 8.0 has the product types of its two 6.1 settings the wrong way round:
    // "win7" reports 6.1 as a server (product type 3) and "win2008r2" as a workstation.
    const Case cases[] = {
        {L"winxp", 1}, {L"win7", 4}, {L"win2008r2", 5}, {L"win8", 6}, {L"win2008", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.setting));
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Version", REG_SZ, c.setting,
                                  DWORD((wcslen(c.setting) + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
        EXPECT_EQ(RunAndWait(BinFolder() + L"VantrelProbe.exe", L"version"), c.code);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, key);
}

// Whether the shutdown privilege is enabled in this process's token.
bool ShutdownPrivilegeEnabled() {
    os::unique_handle_kernel token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
    LUID shutdown{};
    LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &shutdown);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<std::uint8_t> buffer(size);
    if (!GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size))
        return false;
    auto* privileges = reinterpret_cast<TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
        if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart)
            return (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    return false;
}

TEST(ShutdownPrivilegeUnderWine, IsEnabledAndDisabledInTheRealToken) {
    SetShutdownPrivilege(os::SystemShutdown(), true);
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
    SetShutdownPrivilege(os::SystemShutdown(), false);
    EXPECT_FALSE(ShutdownPrivilegeEnabled());
    SetShutdownPrivilege(os::SystemShutdown(), false);
    EXPECT_FALSE(ShutdownPrivilegeEnabled());
}

// Changes the current folder for the life of the object.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::wstring& folder) {
        GetCurrentDirectoryW(MAX_PATH, previous_);
        SetCurrentDirectoryW(folder.c_str());
    }
    ~CurrentFolder() { SetCurrentDirectoryW(previous_); }

private:
    wchar_t previous_[MAX_PATH] = {};
};

std::wstring TempFolder() {
    wchar_t path[MAX_PATH];
    DWORD length = GetTempPathW(MAX_PATH, path);
    return std::wstring(path, length);
}

TEST(ShellUnderWine, TheUpdaterStartsFromTheProgramFolderWhateverTheCurrentFolder) {
    const std::wstring marker = TempFolder() + L"VantrelUpdate.ran";
    DeleteFileW(marker.c_str());
    SetEnvironmentVariableW(L"VANTREL_UPDATE_MARKER", marker.c_str());
    const std::wstring updater = BinFolder() + L"VantrelUpdate.exe";
    {
        CurrentFolder elsewhere(TempFolder());
        ShellOpenUnowned(os::SystemShell(), updater);
    }
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 300 && bytes.empty(); ++i) {
        Sleep(50);
        bytes = ReadFileBytes(marker);
    }
    SetEnvironmentVariableW(L"VANTREL_UPDATE_MARKER", nullptr);
    DeleteFileW(marker.c_str());
    ASSERT_FALSE(bytes.empty()) << "the stand-in updater never ran";
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()),
                      bytes.size() / sizeof(wchar_t));
    std::wstring ranAs = text.substr(0, text.find(L'\n'));
    EXPECT_TRUE(SameTextAscii(ranAs, updater)) << ToUtf8(ranAs);
}

struct HelpWindowSearch {
    HWND found = nullptr;
};

HWND FindHelpWindow() {
    HelpWindowSearch search;
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            wchar_t className[64] = {};
            GetClassNameW(hwnd, className, 64);
            if (std::wstring_view(className) != L"HH Parent") return TRUE;
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid != GetCurrentProcessId()) return TRUE;
            reinterpret_cast<HelpWindowSearch*>(lp)->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(ShellUnderWine, HelpOpensOurHelpFileInItsOwnWindowType) {
    ASSERT_FALSE(ReadFileBytes(BinFolder() + L"Vantrel.chm").empty())
        << "the help file ships beside the program";
    ASSERT_FALSE(ReadFileBytes(BinFolder() + L"License.rtf").empty())
        << "the licence text ships beside the program";
    {
        CurrentFolder elsewhere(TempFolder());
        ShowHelpTopic(os::SystemShell(), os::SystemHtmlHelp(), kHelpFile, kHelpTopic);
    }
    PumpMessagesFor(std::chrono::milliseconds(1500));
    HWND help = FindHelpWindow();
    ASSERT_NE(help, nullptr) << "no help window";
    wchar_t title[128] = {};
    GetWindowTextW(help, title, 128);
    EXPECT_EQ(std::wstring(title), L"Vantrel Help") << "the caption of the HelpWindow type";
    EXPECT_TRUE(IsWindowVisible(help));
    RECT r{};
    GetWindowRect(help, &r);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.right, 900);
    EXPECT_EQ(r.bottom, 680);
    // VANTREL_HOLD_HELP_MS keeps the window open for a screenshot.
    if (const char* hold = getenv("VANTREL_HOLD_HELP_MS"))
        PumpMessagesFor(std::chrono::milliseconds(atoi(hold)));
    SendMessageW(help, WM_CLOSE, 0, 0);
    PumpMessagesFor(std::chrono::milliseconds(200));
}

TEST(ShellUnderWine, LibrariesComeFromTheSystemFolderOnly) {
    // Missing from the system folder: refused every time, and tried again each time.
    os::Win32HtmlHelp help(L"VantrelPlanted.dll");
    EXPECT_FALSE(help.Load());
    EXPECT_FALSE(help.Load());
    EXPECT_FALSE(os::LoadSystemLibrary(L"VantrelPlanted.dll"));
    EXPECT_TRUE(os::LoadSystemLibrary(L"hhctrl.ocx"));

    // Yet the planted copy beside the program is a library that loads by its full path.
    // (Once loaded, its bare name would find it in memory, so this comes last.)
    const std::wstring planted = BinFolder() + L"VantrelPlanted.dll";
    os::unique_hmodule direct(LoadLibraryW(planted.c_str()));
    EXPECT_TRUE(direct);

    // A fresh process finds the planted copy by its bare name until the search is
    // restricted to the system folder, as the program does first thing.
    EXPECT_EQ(RunAndWait(BinFolder() + L"VantrelProbe.exe", L"load VantrelPlanted.dll open"), 1);
    EXPECT_EQ(RunAndWait(BinFolder() + L"VantrelProbe.exe", L"load VantrelPlanted.dll system"), 0);
}

TEST(ClickSoundUnderWine, TheEmbeddedSoundIsOurFileWithItsExactLayout) {
    const std::vector<std::uint8_t> file =
        ReadFileBytes(std::wstring(VANTREL_SOURCE_DIR) + L"/resources/CLICK.wav");
    ASSERT_EQ(file.size(), 2202u);

    os::unique_hmodule program(
        LoadLibraryExW((BinFolder() + L"Vantrel.exe").c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(program);
    HRSRC found = FindResourceW(program.get(), L"CLICK", L"WAVE");
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(SizeofResource(program.get(), found), 2202u);
    auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(program.get(), found)));
    const std::vector<std::uint8_t> embedded(data, data + 2202);
    EXPECT_EQ(embedded, file);

    auto u32 = [&](std::size_t at) {
        return std::uint32_t(embedded[at] | embedded[at + 1] << 8 | embedded[at + 2] << 16 |
                             std::uint32_t(embedded[at + 3]) << 24);
    };
    auto u16 = [&](std::size_t at) { return std::uint16_t(embedded[at] | embedded[at + 1] << 8); };
    auto tag = [&](std::size_t at) {
        return std::string(embedded.begin() + long(at), embedded.begin() + long(at) + 4);
    };
    EXPECT_EQ(tag(0), "RIFF");
    EXPECT_EQ(u32(4), 2194u);
    EXPECT_EQ(tag(8), "WAVE");
    EXPECT_EQ(tag(12), "fmt ");
    EXPECT_EQ(u32(16), 16u);
    EXPECT_EQ(u16(20), 1u);
    EXPECT_EQ(u16(22), 1u);
    EXPECT_EQ(u32(24), 22050u);
    EXPECT_EQ(u32(28), 44100u);
    EXPECT_EQ(u16(32), 2u);
    EXPECT_EQ(u16(34), 16u);
    EXPECT_EQ(tag(36), "data");
    EXPECT_EQ(u32(40), 2158u);

    // Two ticks about 23 ms apart, the louder peak near 3400.
    std::vector<int> samples;
    for (std::size_t at = 44; at < embedded.size(); at += 2)
        samples.push_back(std::int16_t(u16(at)));
    ASSERT_EQ(samples.size(), 1079u);
    int peak = 0;
    for (int s : samples)
        peak = std::max(peak, std::abs(s));
    EXPECT_NEAR(peak, 3400, 100);
    std::vector<std::size_t> onsets;
    std::size_t quiet = 1000;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > peak / 10) {
            if (quiet > 100) onsets.push_back(i);
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    ASSERT_EQ(onsets.size(), 2u);
    EXPECT_NEAR(double(onsets[1] - onsets[0]) / 22050.0, 0.023, 0.002);
}

TEST(DesktopFontUnderWine, AFormFollowsAChangeOfTheIconTitleFont) {
    LOGFONTW original{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(original), &original, 0));
    std::optional<os::FontFace> reported = os::SystemDesktopFonts().IconTitleFont();
    ASSERT_TRUE(reported.has_value());
    EXPECT_EQ(reported->name, std::wstring(original.lfFaceName));
    EXPECT_GE(reported->points, 6);
    EXPECT_LE(reported->points, 14);

    TForm::SetDesktopFontSource(&os::SystemDesktopFonts());
    Win32Application driver(GetModuleHandleW(nullptr));
    TApplication application(&driver);
    TForm& form = application.CreateForm<TForm>(nullptr, L"THFontForm", L"TTHFontForm");
    form.SetDesktopFont(true);
    EXPECT_EQ(form.Font().Name(), reported->name);

    LOGFONTW changed = original;
    wcscpy(changed.lfFaceName, L"Courier New");
    changed.lfHeight = -16; // 12 points at 96 dots per inch
    // WM_SETTINGCHANGE goes out only with a change that is also stored.
    constexpr UINT kStoreAndAnnounce = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
    os::scope_exit restore([&] {
        SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(original), &original,
                              kStoreAndAnnounce);
        TForm::SetDesktopFontSource(nullptr);
    });
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(changed), &changed,
                                      kStoreAndAnnounce));
    PumpMessagesFor(std::chrono::milliseconds(200));

    EXPECT_EQ(form.Font().Name(), L"Courier New") << "re-copied on WM_SETTINGCHANGE";
    EXPECT_EQ(form.Font().Size(), 12);
    auto* peer = dynamic_cast<Win32FormPeer*>(form.Window());
    ASSERT_NE(peer, nullptr);
    LOGFONTW mirrored{};
    ASSERT_TRUE(GetObjectW(peer->FontHandle(), sizeof(mirrored), &mirrored));
    EXPECT_EQ(std::wstring(mirrored.lfFaceName), L"Courier New") << "the window's font follows";
    EXPECT_EQ(mirrored.lfHeight, -16);
}

TEST(HandCursorUnderWine, TheHandPointCursorIsTheSystemsOwn) {
    InstallNativeHandCursor();
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(ScreenCursor(Cursor::HandPoint), hand);
    EXPECT_NE(ScreenCursor(Cursor::HandPoint), LoadCursorW(nullptr, IDC_ARROW));
}

} // namespace
} // namespace vantrel
