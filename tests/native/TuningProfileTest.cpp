// The tuning profile: what it writes, how it records and puts back, and the older
// version's backups.

#include "optimizer/TuningProfile.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/ProfileOperations.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace vantrel {
namespace {

using os::RegistryData;
using os::RegType::Dword;
using testing::MemoryRegistry;
using testing::RegCall;
using testing::RegOp;
using testing::RunOptimize;
using testing::RunRestore;

constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr std::wstring_view kInternet =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr std::wstring_view kTcpip = L"System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr std::wstring_view kPsched = L"Software\\Policies\\Microsoft\\Windows\\Psched";
constexpr std::wstring_view kProduct = L"Software\\Kestamir\\Vantrel";
constexpr std::wstring_view kBackup = L"Software\\Kestamir\\Vantrel\\Backup";

RegistryData DwordData(std::uint32_t value) {
    return {Dword,
            {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
             std::uint8_t(value >> 24)}};
}

// Every system value of the three keys, by key and lower-cased name.
using SystemState = std::map<std::wstring, std::map<std::wstring, RegistryData>>;

class TuningProfileTest : public ::testing::Test {
protected:
    SystemState System() const {
        return {{L"internet", memory.Values(HKCU, kInternet)},
                {L"tcpip", memory.Values(HKLM, kTcpip)},
                {L"psched", memory.Values(HKLM, kPsched)}};
    }
    std::optional<std::int32_t> Backup(std::wstring_view name) const {
        auto data = memory.Get(HKLM, kProduct, name);
        if (!data) return std::nullopt;
        return registry.ReadRegistryInteger(HKLM, kProduct, name, -99);
    }

    MemoryRegistry memory;
    CustomRegistry registry{memory};
    ProductSettings settings{registry};
};

TEST_F(TuningProfileTest, WritesTheRowsOfEachTypeWithTheDataOfEachSpeed) {
    const std::map<std::wstring, std::uint32_t> broadband{
        {L"defaultttl", 64},        {L"enablepmtubhdetect", 0}, {L"enablepmtudiscovery", 1},
        {L"sackopts", 1},           {L"tcp1323opts", 3},        {L"globalmaxtcpwindowsize", 256960},
        {L"tcpwindowsize", 256960}, {L"tcpmaxdupacks", 2}};
    const std::map<std::wstring, std::uint32_t> psched{{L"nonbesteffortlimit", 50},
                                                       {L"maxoutstandingsends", 65535}};
    for (int speed : {0, 1, 5}) {
        for (int type : {2, 7, 0, 8, -1}) {
            SCOPED_TRACE(::testing::Message() << "speed " << speed << ", type " << type);
            MemoryRegistry fresh;
            CustomRegistry freshRegistry{fresh};
            ASSERT_TRUE(WriteTuningProfile(ProductSettings(freshRegistry), type, speed));

            const std::uint32_t connections = speed > 0 ? 8 : 4;
            const bool everything = type != 2 && type != 7;
            std::map<std::wstring, RegistryData> internet{
                {L"maxconnectionsperserver", DwordData(connections)},
                {L"maxconnectionsper1_0server", DwordData(connections)}};
            std::map<std::wstring, RegistryData> tcpip{{L"keepalivetime", DwordData(7200000)},
                                                       {L"keepaliveinterval", DwordData(1000)}};
            std::map<std::wstring, RegistryData> policy;
            if (everything) {
                for (const auto& [name, value] : broadband)
                    tcpip[name] = DwordData(value);
                for (const auto& [name, value] : psched)
                    policy[name] = DwordData(value);
            }
            EXPECT_EQ(fresh.Values(HKCU, kInternet), internet);
            EXPECT_EQ(fresh.Values(HKLM, kTcpip), tcpip);
            EXPECT_EQ(fresh.Values(HKLM, kPsched), policy);
            EXPECT_EQ(fresh.KeyExists(HKLM, kPsched), everything)
                << "the missing policy key is created by the first write into it, and only then";
        }
    }
}

TEST_F(TuningProfileTest, RecordsComeBeforeTheirRowsAndNamesAndOrderOfWritesStay) {
    memory.CreateKey(HKLM, kProduct);
    ASSERT_TRUE(BackUpSystemValues(settings));
    ASSERT_TRUE(WriteTuningProfile(settings, 0, 1));
    std::vector<std::wstring> backups;
    std::vector<std::wstring> rows;
    std::map<std::wstring, std::size_t> recordedAt;
    for (std::size_t i = 0; i < memory.Calls().size(); ++i) {
        const RegCall& call = memory.Calls()[i];
        if (call.op != RegOp::Set) continue;
        if (call.path == L"software\\kestamir\\vantrel\\backup")
            recordedAt[call.name] = i;
        else if (call.path == L"software\\kestamir\\vantrel")
            backups.push_back(call.name);
        else {
            rows.push_back(call.name);
            const ProfileRow& row = kTuningProfile[rows.size() - 1];
            ASSERT_TRUE(recordedAt.count(row.RecordName())) << ToUtf8(call.name);
            EXPECT_LT(recordedAt[row.RecordName()], i) << ToUtf8(call.name);
        }
    }
    EXPECT_EQ(backups,
              (std::vector<std::wstring>{L"MaxConnectionsPerServer", L"MaxConnectionsPer1_0Server",
                                         L"KeepAliveTime", L"KeepAliveInterval"}));
    ASSERT_EQ(rows.size(), kTuningProfile.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i], kTuningProfile[i].valueName);
    EXPECT_EQ(recordedAt.size(), kTuningProfile.size()) << "each row recorded exactly once";
}

TEST_F(TuningProfileTest, BackupsHoldThePriorIntegerOrTheDefault) {
    // Nothing there: the defaults. A REG_DWORD: its value. Anything else: the default again,
    // while the record keeps it exactly.
    ASSERT_TRUE(BackUpSystemValues(settings));
    EXPECT_EQ(Backup(L"MaxConnectionsPerServer"), 2);
    EXPECT_EQ(Backup(L"MaxConnectionsPer1_0Server"), 2);
    EXPECT_EQ(Backup(L"KeepAliveTime"), 7200000);
    EXPECT_EQ(Backup(L"KeepAliveInterval"), 1000);

    MemoryRegistry other;
    CustomRegistry otherRegistry{other};
    other.PutDword(HKCU, kInternet, L"MaxConnectionsPerServer", 10);
    other.PutString(HKCU, kInternet, L"MaxConnectionsPer1_0Server", L"12");
    other.Put(HKLM, kTcpip, L"KeepAliveTime", Dword, {0x10, 0x27});
    ASSERT_TRUE(BackUpSystemValues(ProductSettings(otherRegistry)));
    EXPECT_EQ(other.Get(HKLM, kProduct, L"MaxConnectionsPerServer"), DwordData(10));
    EXPECT_EQ(other.Get(HKLM, kProduct, L"MaxConnectionsPer1_0Server"), DwordData(2));
    EXPECT_EQ(other.Get(HKLM, kProduct, L"KeepAliveTime"), DwordData(10000));
    EXPECT_EQ(other.Get(HKLM, kProduct, L"KeepAliveInterval"), DwordData(1000));
    EXPECT_EQ(other.Values(HKLM, kBackup).size(), 4u);
}

TEST_F(TuningProfileTest, RestorePutsBackExactlyWhatWasThereWhateverTheTypeSelectedNow) {
    memory.PutString(HKCU, kInternet, L"MaxConnectionsPerServer", L"6", os::RegType::ExpandSz);
    memory.PutDword(HKLM, kTcpip, L"DefaultTTL", 128);
    memory.PutDword(HKLM, kPsched, L"NonBestEffortLimit", 20); // a policy set by the admin
    memory.PutDword(HKLM, kTcpip, L"Unrelated", 5);
    const SystemState before = System();

    ASSERT_TRUE(RunOptimize(settings, 2, 0));
    ASSERT_TRUE(RunOptimize(settings, 0, 1)); // the second run finds "Restore" true
    EXPECT_EQ(memory.Get(HKLM, kTcpip, L"DefaultTTL"), DwordData(64));
    ASSERT_TRUE(RunRestore(settings, 7));

    EXPECT_EQ(System(), before);
    EXPECT_TRUE(memory.Values(HKLM, kBackup).empty());
    EXPECT_FALSE(HasBackupRecords(settings));
    for (std::wstring_view name : {L"Restore", L"MaxConnectionsPerServer", L"KeepAliveTime"})
        EXPECT_FALSE(memory.Get(HKLM, kProduct, name)) << ToUtf8(name);
    EXPECT_EQ(memory.Get(HKLM, kProduct, L"InternetType"), DwordData(0));
}

TEST_F(TuningProfileTest, AStateThatCannotBeReadOrRecordedIsNeverOverwritten) {
    struct Case {
        const char* what;
        std::function<bool(const RegCall&)> fails;
    };
    const Case cases[] = {
        {"reading the system value",
         [](const RegCall& c) { return c.op == RegOp::Query && c.name == L"DefaultTTL"; }},
        {"reading its record",
         [](const RegCall& c) {
             return c.op == RegOp::Query && c.name.find(L"\\DefaultTTL") != std::wstring::npos;
         }},
        {"writing its record",
         [](const RegCall& c) {
             return c.op == RegOp::Set && c.name.find(L"\\DefaultTTL") != std::wstring::npos;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryRegistry fresh;
        CustomRegistry freshRegistry{fresh};
        ProductSettings freshSettings{freshRegistry};
        fresh.PutDword(HKLM, kTcpip, L"DefaultTTL", 128);
        fresh.failWhen = c.fails;
        EXPECT_FALSE(RunOptimize(freshSettings, 0, 0));
        EXPECT_EQ(fresh.Get(HKLM, kTcpip, L"DefaultTTL"), DwordData(128));
        EXPECT_EQ(fresh.Get(HKLM, kTcpip, L"SackOpts"), DwordData(1)) << "the others go on";

        // Nothing recorded the row as absent: the Restore leaves it, and puts the rest back.
        fresh.failWhen = nullptr;
        EXPECT_TRUE(RunRestore(freshSettings, 0));
        EXPECT_EQ(fresh.Get(HKLM, kTcpip, L"DefaultTTL"), DwordData(128));
        EXPECT_FALSE(fresh.Get(HKLM, kTcpip, L"SackOpts"));
        EXPECT_TRUE(fresh.Values(HKLM, kBackup).empty());
    }
}

TEST_F(TuningProfileTest, AFailedPutBackKeepsTheRecordsAndTheNextRestoreCompletes) {
    memory.PutDword(HKLM, kTcpip, L"TcpWindowSize", 65535);
    const SystemState before = System();
    ASSERT_TRUE(RunOptimize(settings, 0, 0));

    memory.failWhen = [](const RegCall& c) {
        return c.op == RegOp::Set && c.name == L"TcpWindowSize";
    };
    EXPECT_FALSE(RunRestore(settings, 0));
    EXPECT_TRUE(HasBackupRecords(settings)) << "so that the main window still offers Restore";
    EXPECT_EQ(memory.Values(HKLM, kBackup).size(), kTuningProfile.size());

    memory.failWhen = nullptr;
    EXPECT_TRUE(RunRestore(settings, 0));
    EXPECT_EQ(System(), before);
    EXPECT_FALSE(HasBackupRecords(settings));
}

TEST_F(TuningProfileTest, ARecordThatCannotBeDecodedIsNotGuessedAt) {
    memory.PutDword(HKLM, kTcpip, L"DefaultTTL", 128);
    ASSERT_TRUE(RunOptimize(settings, 0, 0));
    const ProfileRow& ttl = kTuningProfile[4];
    memory.Put(HKLM, kBackup, ttl.RecordName(), os::RegType::Binary, {7});

    EXPECT_FALSE(RunRestore(settings, 0));
    EXPECT_EQ(memory.Get(HKLM, kTcpip, L"DefaultTTL"), DwordData(64)) << "left as it is";
    EXPECT_FALSE(memory.Get(HKLM, kTcpip, L"SackOpts")) << "the others are put back";
    EXPECT_TRUE(HasBackupRecords(settings));
}

// A product key written by an older version: the four backups, "Restore" true, no records.
class OlderVersionTest : public TuningProfileTest {
protected:
    void SetUp() override {
        memory.PutDword(HKLM, kProduct, L"Restore", 1);
        memory.PutDword(HKLM, kProduct, L"MaxConnectionsPerServer", 10);
        memory.PutDword(HKLM, kProduct, L"MaxConnectionsPer1_0Server", 11);
        memory.PutDword(HKLM, kProduct, L"KeepAliveTime", 12);
        memory.PutString(HKLM, kProduct, L"KeepAliveInterval", L"13"); // not an integer
        for (const ProfileRow& row : kTuningProfile)
            memory.PutDword(row.root, row.keyPath, row.valueName, std::uint32_t(row.boostData));
    }
};

TEST_F(OlderVersionTest, IsPutBackAsThatVersionDid) {
    for (int type : {0, 2, 7, -1}) {
        SCOPED_TRACE(type);
        SetUp();
        ASSERT_TRUE(RunRestore(settings, type));
        EXPECT_EQ(memory.Get(HKCU, kInternet, L"MaxConnectionsPerServer"), DwordData(10));
        EXPECT_EQ(memory.Get(HKCU, kInternet, L"MaxConnectionsPer1_0Server"), DwordData(11));
        EXPECT_EQ(memory.Get(HKLM, kTcpip, L"KeepAliveTime"), DwordData(12));
        EXPECT_EQ(memory.Get(HKLM, kTcpip, L"KeepAliveInterval"), DwordData(1000));
        const bool deletesTheRest = type != 2 && type != 7;
        for (const ProfileRow& row : std::span(kTuningProfile).subspan(4))
            EXPECT_EQ(memory.Get(row.root, row.keyPath, row.valueName).has_value(), !deletesTheRest)
                << ToUtf8(row.valueName);
        EXPECT_TRUE(memory.Values(HKLM, kProduct).empty());
        EXPECT_TRUE(memory.Values(HKLM, kBackup).empty());
    }
}

TEST_F(OlderVersionTest, AnotherOptimizeKeepsItsBackupsInForce) {
    ASSERT_TRUE(RunOptimize(settings, 0, 1));
    EXPECT_FALSE(HasBackupRecords(settings)) << "recording the tuned state would put it back";
    ASSERT_TRUE(RunRestore(settings, 0));
    EXPECT_EQ(memory.Get(HKCU, kInternet, L"MaxConnectionsPerServer"), DwordData(10));
    EXPECT_FALSE(memory.Get(HKLM, kTcpip, L"DefaultTTL"));
}

TEST_F(OlderVersionTest, ARestoreCutShortIsCompletedByTheNextOne) {
    // Cut short after the first two backups were put back and deleted.
    memory.failWhen = [](const RegCall& c) {
        return c.op == RegOp::Set && c.name == L"KeepAliveTime";
    };
    EXPECT_FALSE(RunRestore(settings, 0));
    memory.PutDword(HKCU, kInternet, L"MaxConnectionsPerServer", 3); // changed by the user since
    memory.failWhen = nullptr;
    ASSERT_TRUE(RunRestore(settings, 0));
    EXPECT_EQ(memory.Get(HKCU, kInternet, L"MaxConnectionsPerServer"), DwordData(3))
        << "a backup already put back is not replaced by its default";
    EXPECT_EQ(memory.Get(HKLM, kTcpip, L"KeepAliveTime"), DwordData(12));
    EXPECT_FALSE(memory.Get(HKLM, kTcpip, L"DefaultTTL"));
}

TEST_F(TuningProfileTest, RestoreWithNothingKeptChangesNoSystemValue) {
    // An Optimize cut short after it set "Restore": neither records nor backups.
    for (const ProfileRow& row : kTuningProfile)
        memory.PutDword(row.root, row.keyPath, row.valueName, 77);
    memory.PutDword(HKLM, kProduct, L"Restore", 1);
    const SystemState before = System();
    memory.ClearCalls();
    EXPECT_TRUE(RunRestore(settings, 0));
    EXPECT_EQ(System(), before);
    for (const RegCall& call : memory.Calls())
        EXPECT_TRUE(call.op != RegOp::Set && (call.op != RegOp::Delete || call.name == L"Restore"))
            << ToUtf8(call.path) << " " << ToUtf8(call.name);
    EXPECT_FALSE(memory.KeyExists(HKLM, kBackup));
}

TEST_F(TuningProfileTest, DeleteUnderAMissingKeyCreatesNothing) {
    memory.PutDword(HKLM, kProduct, L"KeepAliveTime", 1);
    ASSERT_TRUE(PutBackSystemValues(settings, 0));
    EXPECT_FALSE(memory.KeyExists(HKLM, kPsched));
    EXPECT_FALSE(memory.KeyExists(HKLM, L"Software\\Policies"));
}

} // namespace
} // namespace vantrel
