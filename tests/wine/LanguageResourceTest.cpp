// The language table inside the built program: found by name in any letter case, its bytes
// exactly those of the file in resources/, and its texts read through the real registry and
// the system's ANSI code page.

#include "i18n/Captions.h"
#include "os/win32/UniqueHandle.h"
#include "os/win32/Win32CodePage.h"
#include "os/win32/Win32Registry.h"
#include "os/win32/Win32Resources.h"
#include "os/win32/Win32Shell.h"
#include "platform/Shell.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

// The program file lies beside this test program.
std::wstring ProgramPath() {
    return ProgramFolder(os::SystemShell()) + L"Vantrel.exe";
}

std::vector<std::uint8_t> SourceTable() {
    // Wine's drive Z: is the root of the Linux file system.
    return testing::ReadFileBytes(std::wstring(VANTREL_SOURCE_DIR) + L"/resources/ENGLISH.txt");
}

class LanguageResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program) << "cannot load "
                             << std::string(ProgramPath().begin(), ProgramPath().end());
    }

    os::unique_hmodule program{LoadLibraryExW(
        ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)};
    os::Win32Resources resources{program.get()};
};

TEST_F(LanguageResourceTest, FoundInAnyLetterCaseWithTheBytesOfTheSourceFile) {
    const auto expected = SourceTable();
    ASSERT_GT(expected.size(), 1000u);
    for (const wchar_t* name : {L"english", L"English", L"ENGLISH"}) {
        SCOPED_TRACE(std::string(name, name + wcslen(name)));
        auto bytes = resources.Find(os::ResourceType::RcData, name);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(std::vector<std::uint8_t>(bytes->begin(), bytes->end()), expected);
    }
}

TEST_F(LanguageResourceTest, OtherNamesAndModulesFindNothing) {
    EXPECT_FALSE(resources.Find(os::ResourceType::RcData, L"french"));
    EXPECT_FALSE(resources.Find(os::ResourceType::RcData, L""));
    EXPECT_FALSE(resources.Find(os::ResourceType::RcData, L"#1"));
    EXPECT_FALSE(os::Win32Resources().Find(os::ResourceType::RcData, L"english"))
        << "this test program embeds no table";
}

TEST_F(LanguageResourceTest, TextsComeThroughTheRealRegistryAndCodePage) {
    CustomRegistry registry(os::SystemRegistry());
    ProductSettings settings(registry);
    CaptionSource source{settings, resources, os::SystemAnsiCodePage()};
    std::wstring copyright;
    GetCaption(source, L"THAboutForm", L"CopyrightLabel", copyright);
    EXPECT_EQ(copyright, L"Copyright \u00A9 2013 Kestamir. All rights reserved.")
        << "ANSI code page " << GetACP();
    std::wstring go;
    GetCaption(source, L"thmainform", L"gobutton", go);
    EXPECT_EQ(go, L"&Optimize now");
}

} // namespace
} // namespace vantrel
