// The restart sequence as the token and restart calls see it. No test restarts anything:
// the backend only records.

#include "optimizer/Restart.h"
#include "tests/support/DesktopFakes.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::MakeCall;
using testing::RecordingShutdown;
using testing::ShutdownCall;
using Calls = std::vector<ShutdownCall>;

constexpr auto kToken = RecordingShutdown::kToken;

ShutdownCall Open() {
    return MakeCall("open", 0x28);
}
ShutdownCall Lookup() {
    return MakeCall("lookup", 0, 0, L"SeShutdownPrivilege");
}
ShutdownCall Adjust(std::uint32_t attributes) {
    return MakeCall("adjust", kToken, 16, {}, {1, RecordingShutdown::kLuid, attributes});
}
ShutdownCall Close() {
    return MakeCall("close", kToken);
}
// Reboot, asking programs to close and forcing only hung ones; planned reconfiguration.
ShutdownCall Exit() {
    return MakeCall("exit", 0x12, 0x80020004);
}

Calls Join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(Restart, EnablesRequestsAndDisablesAgain) {
    RecordingShutdown system;
    RestartWindows(system);
    EXPECT_EQ(system.calls, Join({{Open(), Lookup(), Adjust(2), Close()},
                                  {Exit()},
                                  {Open(), Lookup(), Adjust(0), Close()}}));
    EXPECT_TRUE(system.returnedLengthWasZero);
}

TEST(Restart, FailuresNeitherStopTheRequestNorLeakTheToken) {
    struct Case {
        const char* name;
        void (*arrange)(RecordingShutdown&);
        Calls calls;
    };
    const Case cases[] = {
        {"token cannot be opened",
         [](RecordingShutdown& s) { s.openFails = true; },
         {Open(), Exit(), Open()}},
        {"privilege unknown",
         [](RecordingShutdown& s) { s.lookupFails = true; },
         {Open(), Lookup(), Close(), Exit(), Open(), Lookup(), Close()}},
        {"adjustment refused", [](RecordingShutdown& s) { s.adjustFails = true; },
         Join({{Open(), Lookup(), Adjust(2), Close()},
               {Exit()},
               {Open(), Lookup(), Adjust(0), Close()}})},
        {"restart refused: the privilege is still disabled",
         [](RecordingShutdown& s) { s.exitFails = true; },
         Join({{Open(), Lookup(), Adjust(2), Close()},
               {Exit()},
               {Open(), Lookup(), Adjust(0), Close()}})},
        {"the adjustment throws: the token is still closed",
         [](RecordingShutdown& s) { s.throwsAt = "adjust"; },
         Join({{Open(), Lookup(), Adjust(2), Close()},
               {Exit()},
               {Open(), Lookup(), Adjust(0), Close()}})},
        {"the request throws: the privilege is still disabled",
         [](RecordingShutdown& s) { s.throwsAt = "exit"; },
         Join({{Open(), Lookup(), Adjust(2), Close()},
               {Exit()},
               {Open(), Lookup(), Adjust(0), Close()}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingShutdown system;
        c.arrange(system);
        RestartWindows(system);
        EXPECT_EQ(system.calls, c.calls);
    }
}

TEST(Restart, DisablingAnAlreadyDisabledPrivilegeIsHarmless) {
    RecordingShutdown system;
    SetShutdownPrivilege(system, false);
    SetShutdownPrivilege(system, false);
    EXPECT_EQ(system.calls, Join({{Open(), Lookup(), Adjust(0), Close()},
                                  {Open(), Lookup(), Adjust(0), Close()}}));
}

} // namespace
} // namespace vantrel
