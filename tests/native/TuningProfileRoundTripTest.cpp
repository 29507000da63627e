// Round trips through Optimize and Restore from random prior states, with the process dying
// at a random registry operation: whatever happened, the system ends as it was before.

#include "optimizer/TuningProfile.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/ProfileOperations.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <sstream>

namespace vantrel {
namespace {

using os::RegistryData;
using testing::MemoryRegistry;
using testing::RegCall;
using testing::RunOptimize;
using testing::RunRestore;

constexpr int kCases = 2000;

struct Run {
    bool optimize;
    int internetType;
    int speedSetting;
};

struct Case {
    std::array<std::optional<RegistryData>, kTuningProfile.size()> prior;
    bool pschedKeyExists = false;
    std::vector<Run> beforeCrash; // some Optimize runs and a Restore
    std::vector<Run> afterCrash;  // maybe another Optimize, then one or two Restores

    std::string Describe() const {
        std::ostringstream out;
        for (std::size_t i = 0; i < prior.size(); ++i) {
            out << ToUtf8(kTuningProfile[i].valueName) << '=';
            if (!prior[i])
                out << "absent";
            else
                out << "type " << prior[i]->type << " (" << prior[i]->bytes.size() << " bytes)";
            out << ' ';
        }
        for (const Run& run : beforeCrash)
            out << (run.optimize ? " optimize " : " restore ") << run.internetType << '/'
                << run.speedSetting;
        out << " | crash |";
        for (const Run& run : afterCrash)
            out << (run.optimize ? " optimize " : " restore ") << run.internetType << '/'
                << run.speedSetting;
        return out.str();
    }
};

class CaseMaker {
public:
    explicit CaseMaker(std::uint32_t seed) : random_(seed) {}

    Case Make() {
        Case made;
        for (std::size_t i = 0; i < made.prior.size(); ++i)
            made.prior[i] = PriorValue(i);
        made.pschedKeyExists = Pick(2) == 0;
        for (int runs = 1 + Pick(3); runs > 0; --runs)
            made.beforeCrash.push_back(Optimize());
        made.beforeCrash.push_back(Restore());
        if (Pick(2)) made.afterCrash.push_back(Optimize());
        made.afterCrash.push_back(Restore());
        if (Pick(2)) made.afterCrash.push_back(Restore());
        return made;
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

private:
    std::vector<std::uint8_t> Bytes(int count) {
        std::vector<std::uint8_t> bytes;
        for (int i = 0; i < count; ++i)
            bytes.push_back(std::uint8_t(Pick(256)));
        return bytes;
    }

    std::optional<RegistryData> PriorValue(std::size_t row) {
        switch (Pick(3)) {
        case 0:
            return std::nullopt;
        case 1: {
            // Sometimes exactly what the profile writes, so that nothing seems to change.
            if (Pick(4) == 0) {
                auto data = std::uint32_t(kTuningProfile[row].DataFor(Pick(2)));
                return RegistryData{os::RegType::Dword,
                                    {std::uint8_t(data), std::uint8_t(data >> 8),
                                     std::uint8_t(data >> 16), std::uint8_t(data >> 24)}};
            }
            return RegistryData{os::RegType::Dword, Bytes(4)};
        }
        default: {
            const std::uint32_t types[] = {os::RegType::Sz,
                                           os::RegType::ExpandSz,
                                           os::RegType::Binary,
                                           os::RegType::Qword,
                                           os::RegType::None,
                                           os::RegType::Dword,
                                           0x4242};
            std::uint32_t type = types[Pick(7)];
            // A REG_DWORD here has a size other than 4.
            int size = type == os::RegType::Dword ? (Pick(2) ? 2 : 6) : Pick(9);
            if (type == os::RegType::Sz || type == os::RegType::ExpandSz)
                return RegistryData{type, ToUtf16Le(L"v" + std::to_wstring(Pick(1000)), true)};
            return RegistryData{type, Bytes(size)};
        }
        }
    }

    Run Optimize() {
        const int speeds[] = {0, 1, 5};
        return {true, Pick(10) - 1, speeds[Pick(3)]};
    }
    Run Restore() { return {false, Pick(10) - 1, 0}; }

    std::mt19937 random_;
};

// Lays the prior state out in a fresh registry, then plays the runs, every registry operation
// from number crashAt on failing (the process has died), then the runs after the crash.
class Playback {
public:
    Playback(const Case& played, std::size_t crashAt) : case_(played), crashAt_(crashAt) {
        for (std::size_t i = 0; i < played.prior.size(); ++i) {
            const ProfileRow& row = kTuningProfile[i];
            if (played.prior[i])
                memory_.Put(row.root, row.keyPath, row.valueName, played.prior[i]->type,
                            played.prior[i]->bytes);
        }
        if (played.pschedKeyExists) memory_.CreateKey(RegistryRoot::LocalMachine, profile::kPsched);
        memory_.failWhen = [this](const RegCall&) { return operations_++ >= crashAt_; };
    }

    // Plays the runs up to the crash; each routine must say true exactly when none of its
    // operations failed, and a complete Optimize must leave its rows holding the profile.
    void PlayUntilCrash() {
        for (const Run& run : case_.beforeCrash) {
            std::size_t first = operations_;
            bool ok = Play(run);
            bool failed = operations_ > crashAt_;
            EXPECT_EQ(ok, !failed)
                << "operations " << first << " to " << operations_ << ", crash at " << crashAt_;
            if (run.optimize && !failed) ExpectProfile(run);
        }
    }

    void RecoverAndPlayTheRest() {
        memory_.failWhen = nullptr;
        for (const Run& run : case_.afterCrash)
            EXPECT_TRUE(Play(run));
    }

    void ExpectAsBefore() const {
        for (std::size_t i = 0; i < case_.prior.size(); ++i) {
            const ProfileRow& row = kTuningProfile[i];
            EXPECT_EQ(memory_.Get(row.root, row.keyPath, row.valueName), case_.prior[i])
                << ToUtf8(row.valueName);
        }
        EXPECT_TRUE(memory_.Values(kProductRoot, kBackupKeyPath).empty()) << "records left";
        for (const ProfileRow& row : kTuningProfile)
            if (row.backup)
                EXPECT_FALSE(memory_.Get(kProductRoot, kProductKeyPath, row.backup->name));
        EXPECT_FALSE(memory_.Get(kProductRoot, kProductKeyPath, L"Restore"));
    }

    std::size_t Operations() const { return operations_; }

private:
    bool Play(const Run& run) {
        return run.optimize ? RunOptimize(settings_, run.internetType, run.speedSetting)
                            : RunRestore(settings_, run.internetType);
    }

    void ExpectProfile(const Run& run) const {
        for (const ProfileRow& row : kTuningProfile) {
            if (!row.IsWrittenFor(run.internetType)) continue;
            auto data = static_cast<std::uint32_t>(row.DataFor(run.speedSetting));
            EXPECT_EQ(memory_.Get(row.root, row.keyPath, row.valueName),
                      (RegistryData{os::RegType::Dword,
                                    {std::uint8_t(data), std::uint8_t(data >> 8),
                                     std::uint8_t(data >> 16), std::uint8_t(data >> 24)}}))
                << ToUtf8(row.valueName);
        }
    }

    const Case& case_;
    std::size_t crashAt_;
    std::size_t operations_ = 0;
    MemoryRegistry memory_;
    CustomRegistry registry_{memory_};
    ProductSettings settings_{registry_};
};

TEST(TuningProfileRoundTrip, EverySystemValueComesBackWhereverTheProcessDied) {
    CaseMaker maker(20240917);
    for (int number = 0; number < kCases; ++number) {
        const Case played = maker.Make();
        // A run without a crash tells how many operations there are to die at.
        Playback complete(played, SIZE_MAX);
        complete.PlayUntilCrash();
        std::size_t total = complete.Operations();

        std::size_t crashAt = std::size_t(maker.Pick(int(total) + 1)); // total: no crash
        SCOPED_TRACE(::testing::Message() << "case " << number << ", crash at " << crashAt << " of "
                                          << total << ": " << played.Describe());
        Playback crashed(played, crashAt);
        crashed.PlayUntilCrash();
        crashed.RecoverAndPlayTheRest();
        crashed.ExpectAsBefore();
        if (::testing::Test::HasFailure()) break; // one case is enough to look at
    }
}

} // namespace
} // namespace vantrel
