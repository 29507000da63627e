// The registry helpers against Wine's real registry, in the 32-bit view.

#include "os/win32/Win32Registry.h"
#include "optimizer/CustomRegistry.h"
#include "os/win32/UniqueHandle.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace vantrel {
namespace {

constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr std::wstring_view kKey = L"\\Software\\Kestamir\\VantrelTest\\";
constexpr wchar_t kRawKey[] = L"Software\\Kestamir\\VantrelTest";
constexpr wchar_t kRawKeyIn32BitView[] = L"Software\\Wow6432Node\\Kestamir\\VantrelTest";

class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Wipe(); }
    void TearDown() override { Wipe(); }

    static void Wipe() {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRawKeyIn32BitView);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Kestamir\\VantrelTest");
    }

    // Writes a value straight through the API, in the 32-bit view.
    static void PutRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        os::unique_hkey key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRawKey, 0, nullptr, 0,
                                  KEY_WRITE | KEY_WOW64_32KEY, nullptr, key.put(), nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }

    static bool KeyExists(const wchar_t* path, REGSAM view) {
        os::unique_hkey key;
        return RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | view, key.put()) ==
               ERROR_SUCCESS;
    }

    CustomRegistry registry{os::SystemRegistry()};
};

TEST_F(Win32RegistryTest, WritesLandInThe32BitViewAndReadBack) {
    ASSERT_TRUE(registry.WriteRegistryString(HKLM, kKey, L"Text", L"h\u00e9llo"));
    ASSERT_TRUE(registry.WriteRegistryInteger(HKLM, kKey, L"Number", -5));
    ASSERT_TRUE(registry.WriteRegistryBool(HKLM, kKey, L"Flag", true));

    EXPECT_TRUE(KeyExists(kRawKeyIn32BitView, KEY_WOW64_64KEY));
    EXPECT_FALSE(KeyExists(kRawKey, KEY_WOW64_64KEY)) << "nothing in the 64-bit view";

    EXPECT_EQ(registry.ReadRegistryString(HKLM, kKey, L"Text", L""), L"h\u00e9llo");
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, kKey, L"Number", 0), -5);
    EXPECT_TRUE(registry.ReadRegistryBool(HKLM, kKey, L"Flag", false));

    os::RegistryData raw;
    ASSERT_EQ(registry.ReadRegistryData(HKLM, kKey, L"Text", raw), os::RegStatus::Ok);
    EXPECT_EQ(raw.type, DWORD(REG_SZ));
    EXPECT_EQ(raw.bytes, ToUtf16Le(L"h\u00e9llo", true));
}

TEST_F(Win32RegistryTest, ReadsEveryStoredFormSafely) {
    const wchar_t expand[] = L"%SystemRoot%\\x";
    const unsigned char qword[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    const unsigned char binary[4] = {1, 0, 0, 0};
    const DWORD five = 5, zero = 0;
    const wchar_t noNul[3] = {L'a', L'b', L'c'};
    std::wstring big(32 * 1024, L'y');
    PutRaw(L"Expand", REG_EXPAND_SZ, expand, sizeof(expand));
    PutRaw(L"Qword", REG_QWORD, qword, sizeof(qword));
    PutRaw(L"Binary", REG_BINARY, binary, sizeof(binary));
    PutRaw(L"Five", REG_DWORD, &five, sizeof(five));
    PutRaw(L"Zero", REG_DWORD, &zero, sizeof(zero));
    PutRaw(L"Empty", REG_SZ, L"", sizeof(wchar_t));
    PutRaw(L"NoNul", REG_SZ, noNul, sizeof(noNul));
    PutRaw(L"Big", REG_SZ, big.c_str(), DWORD((big.size() + 1) * sizeof(wchar_t)));

    EXPECT_EQ(registry.ReadRegistryString(HKLM, kKey, L"Expand", L"d"), expand);
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, kKey, L"Expand", 3), 3);
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, kKey, L"Qword", 3), 3);
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, kKey, L"Binary", 3), 3);
    EXPECT_EQ(registry.ReadRegistryString(HKLM, kKey, L"Binary", L"d"), L"d");
    EXPECT_TRUE(registry.ReadRegistryBool(HKLM, kKey, L"Five", false));
    EXPECT_FALSE(registry.ReadRegistryBool(HKLM, kKey, L"Zero", true));
    EXPECT_EQ(registry.ReadRegistryString(HKLM, kKey, L"Empty", L"d"), L"d");
    EXPECT_EQ(registry.ReadRegistryString(HKLM, kKey, L"NoNul", L"d"), L"abc");
    EXPECT_EQ(registry.ReadRegistryString(HKLM, kKey, L"Big", L"d"), big);
    EXPECT_EQ(registry.ReadRegistryString(HKLM, kKey, L"Missing", L"d"), L"d");
}

TEST_F(Win32RegistryTest, MissingKeysAreCreatedByWritesOnly) {
    const std::wstring deep = std::wstring(kKey) + L"A\\B\\C\\";
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, deep, L"V", 4), 4);
    EXPECT_TRUE(registry.DeleteRegistryValue(HKLM, deep, L"V"));
    EXPECT_FALSE(KeyExists(kRawKeyIn32BitView, KEY_WOW64_64KEY));

    ASSERT_TRUE(registry.WriteRegistryInteger(HKLM, deep, L"V", 9));
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, deep, L"V", 4), 9);
    EXPECT_TRUE(registry.DeleteRegistryValue(HKLM, deep, L"V"));
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, deep, L"V", 4), 4);
    EXPECT_TRUE(
        KeyExists(L"Software\\Wow6432Node\\Kestamir\\VantrelTest\\A\\B\\C", KEY_WOW64_64KEY))
        << "the key stays after its last value went";
}

TEST_F(Win32RegistryTest, ADeniedWriteChangesNothingAndSaysSo) {
    // HKEY_CURRENT_USER\Software\Wine is writable, but a key opened for reading only is not:
    // the backend then reports the failure instead of claiming success.
    ASSERT_TRUE(registry.WriteRegistryInteger(HKLM, kKey, L"V", 1));
    std::unique_ptr<os::RegistryKey> key;
    ASSERT_EQ(os::SystemRegistry().Open(HKLM, L"Software\\Kestamir\\VantrelTest", KEY_READ, key),
              os::RegStatus::Ok);
    const std::uint8_t two[4] = {2, 0, 0, 0};
    EXPECT_EQ(key->Set(L"V", REG_DWORD, two), os::RegStatus::Failed);
    EXPECT_EQ(registry.ReadRegistryInteger(HKLM, kKey, L"V", 0), 1);
}

} // namespace
} // namespace vantrel
