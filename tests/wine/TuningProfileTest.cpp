// Optimize and Restore against Wine's real registry: the system keys stay, and every tuned
// value comes back byte for byte, in the view the program sees.

#include "optimizer/TuningProfile.h"
#include "os/win32/UniqueHandle.h"
#include "os/win32/Win32Registry.h"
#include "tests/support/ProfileOperations.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

namespace vantrel {
namespace {

using os::RegistryData;

constexpr std::wstring_view kProductValues[] = {L"Restore",
                                                L"InternetType",
                                                L"SpeedSetting",
                                                L"MaxConnectionsPerServer",
                                                L"MaxConnectionsPer1_0Server",
                                                L"KeepAliveTime",
                                                L"KeepAliveInterval"};
// Keys the test may create, parents first; those that did not exist are removed afterwards.
constexpr const wchar_t* kKeysMadeOnTheWay[] = {L"Software\\Kestamir",
                                                L"Software\\Kestamir\\Vantrel",
                                                L"Software\\Kestamir\\Vantrel\\Backup",
                                                L"Software\\Policies\\Microsoft",
                                                L"Software\\Policies\\Microsoft\\Windows",
                                                L"Software\\Policies\\Microsoft\\Windows\\Psched"};

// A raw key of the 32-bit view, as the program's own accesses reach it.
os::unique_hkey Open32(HKEY root, const wchar_t* path) {
    os::unique_hkey key;
    RegOpenKeyExW(root, path, 0, KEY_READ | KEY_WOW64_32KEY, key.put());
    return key;
}

DWORD ValueCount(HKEY root, const wchar_t* path) {
    os::unique_hkey key = Open32(root, path);
    DWORD values = 0;
    if (!key || RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return DWORD(-1);
    return values;
}

class WineTuningProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const ProfileRow& row : kTuningProfile)
            systemBefore_.push_back(Read(row.root, row.keyPath, row.valueName));
        for (std::wstring_view name : kProductValues)
            productBefore_.push_back(Read(kProductRoot, kProductKeyPath, name));
        for (const wchar_t* path : kKeysMadeOnTheWay)
            keysExisted_.push_back(bool(Open32(HKEY_LOCAL_MACHINE, path)));
    }

    void TearDown() override {
        for (std::size_t i = 0; i < kTuningProfile.size(); ++i)
            Put(kTuningProfile[i].root, kTuningProfile[i].keyPath, kTuningProfile[i].valueName,
                systemBefore_[i]);
        for (std::size_t i = 0; i < std::size(kProductValues); ++i)
            Put(kProductRoot, kProductKeyPath, kProductValues[i], productBefore_[i]);
        for (std::size_t i = std::size(kKeysMadeOnTheWay); i-- > 0;)
            if (!keysExisted_[i])
                RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kKeysMadeOnTheWay[i], KEY_WOW64_32KEY, 0);
    }

    std::optional<RegistryData> Read(RegistryRoot root, std::wstring_view key,
                                     std::wstring_view name) const {
        RegistryData data;
        os::RegStatus status = registry.ReadRegistryData(root, key, name, data);
        EXPECT_NE(status, os::RegStatus::Failed) << ToUtf8(name);
        if (status != os::RegStatus::Ok) return std::nullopt;
        return data;
    }

    // Lays a value out, or removes it, through the program's own backend and view.
    void Put(RegistryRoot root, std::wstring_view key, std::wstring_view name,
             const std::optional<RegistryData>& data) const {
        if (data)
            EXPECT_TRUE(registry.WriteRegistryData(root, key, name, *data));
        else
            EXPECT_TRUE(registry.DeleteRegistryValue(root, key, name));
    }

    CustomRegistry registry{os::SystemRegistry()};
    ProductSettings settings{registry};
    std::vector<std::optional<RegistryData>> systemBefore_;
    std::vector<std::optional<RegistryData>> productBefore_;
    std::vector<bool> keysExisted_;
};

TEST_F(WineTuningProfileTest, OptimizeTwiceThenRestoreBringsEveryValueBackByteForByte) {
    // Some rows present, of several types, the rest absent; no optimization in force.
    std::vector<std::optional<RegistryData>> prior(kTuningProfile.size());
    prior[0] = RegistryData{REG_SZ, ToUtf16Le(L"10", true)};       // MaxConnectionsPerServer
    prior[2] = RegistryData{REG_DWORD, {0xE0, 0x93, 0x04, 0x00}};  // KeepAliveTime 300000
    prior[4] = RegistryData{REG_BINARY, {1, 2, 3}};                // DefaultTTL
    prior[10] = RegistryData{REG_DWORD, {0xFF, 0xFF, 0x00, 0x00}}; // TcpWindowSize 65535
    prior[13] = RegistryData{REG_DWORD, {0x10, 0x00, 0x00, 0x00}}; // MaxOutstandingSends
    for (std::size_t i = 0; i < kTuningProfile.size(); ++i)
        Put(kTuningProfile[i].root, kTuningProfile[i].keyPath, kTuningProfile[i].valueName,
            prior[i]);
    for (std::wstring_view name : kProductValues)
        Put(kProductRoot, kProductKeyPath, name, std::nullopt);

    ASSERT_TRUE(testing::RunOptimize(settings, 0, 1));
    ASSERT_TRUE(testing::RunOptimize(settings, 2, 0));
    EXPECT_EQ(Read(profile::HKLM, profile::kTcpip, L"DefaultTTL"),
              (RegistryData{REG_DWORD, {64, 0, 0, 0}}));
    EXPECT_EQ(Read(profile::HKCU, profile::kInternetSettings, L"MaxConnectionsPerServer"),
              (RegistryData{REG_DWORD, {4, 0, 0, 0}}));
    EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, L"Software\\Kestamir\\Vantrel\\Backup"),
              kTuningProfile.size())
        << "one record per row, in the 32-bit view";
    EXPECT_TRUE(HasBackupRecords(settings));

    ASSERT_TRUE(testing::RunRestore(settings, 7));
    for (std::size_t i = 0; i < kTuningProfile.size(); ++i) {
        const ProfileRow& row = kTuningProfile[i];
        EXPECT_EQ(Read(row.root, row.keyPath, row.valueName), prior[i]) << ToUtf8(row.valueName);
    }
    EXPECT_TRUE(Open32(HKEY_CURRENT_USER,
                       L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"));
    EXPECT_TRUE(
        Open32(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Services\\Tcpip\\Parameters"));
    EXPECT_TRUE(Open32(HKEY_LOCAL_MACHINE, L"Software\\Policies\\Microsoft\\Windows\\Psched"));
    EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, L"Software\\Kestamir\\Vantrel\\Backup"), 0u);
    EXPECT_FALSE(HasBackupRecords(settings));
    for (std::wstring_view name : {L"Restore", L"MaxConnectionsPerServer", L"KeepAliveInterval"})
        EXPECT_EQ(Read(kProductRoot, kProductKeyPath, name), std::nullopt) << ToUtf8(name);
}

} // namespace
} // namespace vantrel
