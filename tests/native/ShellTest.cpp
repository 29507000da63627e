// Shell requests, the help address and the click sound, as their backends see them.

#include "platform/Shell.h"
#include "platform/Sound.h"
#include "tests/support/DesktopFakes.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::FakeHtmlHelp;
using testing::HelpCall;
using testing::RecordingShell;
using testing::RecordingSound;
using testing::ShellCall;
using testing::SoundCall;

TEST(Shell, OpenRequestsDifferInOwnerAndParameters) {
    RecordingShell shell;
    const std::wstring updater = L"C:\\Vantrel\\VantrelUpdate.exe";
    const std::wstring site = L"https://www.kestamir.example/support/";
    struct Case {
        const char* name;
        void (*request)(RecordingShell&, const std::wstring&);
        const std::wstring& target;
        ShellCall call;
    };
    const Case cases[] = {
        {"owned, no parameters: an empty string",
         [](RecordingShell& s, const std::wstring& t) { ShellOpen(s, t); },
         updater,
         {shell.application, L"open", updater, L"", 5}},
        {"owned, with parameters",
         [](RecordingShell& s, const std::wstring& t) { ShellOpen(s, t, L"/quiet"); },
         updater,
         {shell.application, L"open", updater, L"/quiet", 5}},
        {"unowned, no parameters: an empty string",
         [](RecordingShell& s, const std::wstring& t) { ShellOpenUnowned(s, t); },
         updater,
         {nullptr, L"open", updater, L"", 5}},
        {"unowned, with parameters",
         [](RecordingShell& s, const std::wstring& t) { ShellOpenUnowned(s, t, L"-x"); },
         updater,
         {nullptr, L"open", updater, L"-x", 5}},
        {"no parameter string at all",
         [](RecordingShell& s, const std::wstring& t) { ShellOpenNoParameters(s, t); },
         site,
         {shell.application, L"open", site, std::nullopt, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell.calls.clear();
        c.request(shell, c.target);
        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0], c.call);
    }
}

TEST(Shell, AFailingShellRaisesNothing) {
    RecordingShell shell;
    shell.throws = true;
    ShellOpen(shell, L"x");
    ShellOpenUnowned(shell, L"x");
    ShellOpenNoParameters(shell, L"x");
    EXPECT_TRUE(shell.calls.empty());
}

TEST(Shell, ProgramFolderKeepsItsTrailingBackslash) {
    struct Case {
        std::wstring file, folder;
    };
    const Case cases[] = {
        {L"C:\\Program Files (x86)\\Kestamir\\Vantrel\\Vantrel.exe",
         L"C:\\Program Files (x86)\\Kestamir\\Vantrel\\"},
        {L"C:\\Vantrel.exe", L"C:\\"},
        {L"\\\\server\\share\\Vantrel.exe", L"\\\\server\\share\\"},
        {L"Vantrel.exe", L""},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FolderOf(c.file), c.folder) << ToUtf8(c.file);
}

TEST(Shell, HelpOpensOurTopicFromTheProgramFolderOwnedByTheDesktop) {
    RecordingShell shell;
    shell.programFile = L"D:\\Tools\\Vantrel\\Vantrel.exe";
    FakeHtmlHelp help;
    ShowHelpTopic(shell, help, kHelpFile, kHelpTopic);
    ASSERT_EQ(help.calls.size(), 1u);
    EXPECT_EQ(help.calls[0],
              (HelpCall{shell.desktop,
                        L"D:\\Tools\\Vantrel\\Vantrel.chm::/html/main.htm>HelpWindow", 0, 0}));
    EXPECT_TRUE(shell.calls.empty()) << "help goes through the help library, not the shell";
}

TEST(Shell, AMissingHelpLibraryDoesNothingAndIsTriedAgain) {
    RecordingShell shell;
    FakeHtmlHelp help;
    help.available = false;
    ShowHelpTopic(shell, help, kHelpFile, kHelpTopic);
    ShowHelpTopic(shell, help, kHelpFile, kHelpTopic);
    EXPECT_EQ(help.loads, 2);
    EXPECT_TRUE(help.calls.empty());

    help.available = true;
    ShowHelpTopic(shell, help, kHelpFile, kHelpTopic);
    EXPECT_EQ(help.calls.size(), 1u);
}

TEST(Sound, TheClickPlaysFromOurResourcesAndWaitsForTheEnd) {
    RecordingSound sound;
    PlayClickSound(sound);
    // SND_RESOURCE alone: synchronous, and the default sound where the resource is missing.
    EXPECT_EQ(sound.calls, (std::vector<SoundCall>{{L"click", 0x40004}}));

    sound.throws = true;
    PlayClickSound(sound); // raises nothing
    EXPECT_EQ(sound.calls.size(), 2u);
}

} // namespace
} // namespace vantrel
