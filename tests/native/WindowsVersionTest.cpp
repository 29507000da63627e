// The version code for every reported version, and the order of the two queries.

#include "platform/WindowsVersion.h"
#include "tests/support/DesktopFakes.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::FakeVersionQuery;

TEST(WindowsVersion, MapsEveryReportedVersion) {
    struct Case {
        std::uint32_t major, minor;
        std::uint8_t productType;
        int code;
    };
    const Case cases[] = {
        {5, 0, 1, 0},   {5, 0, 3, 0},   {5, 0, 0, 0},   // 2000, every edition
        {5, 1, 1, 1},   {5, 1, 0, 1},                   // XP, with or without a type
        {5, 2, 1, 1},   {5, 2, 2, 2},   {5, 2, 3, 2},   // XP x64, Server 2003 DC and server
        {5, 2, 255, 2}, {5, 2, 0, -1},                  //
        {6, 0, 1, 3},   {6, 0, 3, 4},   {6, 0, 0, -1},  // Vista, Server 2008
        {6, 1, 1, 5},   {6, 1, 3, 4},   {6, 1, 2, 4},   // 7, Server 2008 R2
        {6, 1, 0, -1},  {6, 1, 255, 4},                 //
        {6, 2, 1, 6},   {6, 2, 3, 7},   {6, 2, 255, 7}, // 8, Server 2012
        {6, 2, 0, -1},                                  //
        {5, 3, 1, -1},  {6, 3, 1, -1},  {6, 4, 3, -1},  // unknown minors
        {4, 0, 1, -1},  {10, 0, 1, -1}, {7, 0, 1, -1},  // NT 4.0, 10.0, beyond
        {0, 0, 0, -1},                                  // both queries refused
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WindowsVersionCode(c.major, c.minor, c.productType), c.code)
            << c.major << "." << c.minor << " type " << int(c.productType);
    }
}

TEST(WindowsVersion, FallsBackToTheBasicQueryWhichHasNoProductType) {
    struct Case {
        const char* name;
        std::optional<os::VersionRecord> extended, basic;
        int code;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"extended answers",
         os::VersionRecord{6, 1, 1},
         os::VersionRecord{5, 1, 0},
         5,
         {"extended"}},
        {"extended refused, XP",
         std::nullopt,
         os::VersionRecord{5, 1, 0},
         1,
         {"extended", "basic"}},
        {"extended refused, 2000",
         std::nullopt,
         os::VersionRecord{5, 0, 0},
         0,
         {"extended", "basic"}},
        // Whatever the basic query leaves in the product type, it carries none.
        {"extended refused, 7",
         std::nullopt,
         os::VersionRecord{6, 1, 1},
         -1,
         {"extended", "basic"}},
        {"both refused", std::nullopt, std::nullopt, -1, {"extended", "basic"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeVersionQuery query;
        query.extended = c.extended;
        query.basic = c.basic;
        EXPECT_EQ(GetWindowsVersion(query), c.code);
        EXPECT_EQ(query.calls, c.calls);
    }
}

TEST(WindowsVersion, AFailingQueryGivesUnknown) {
    FakeVersionQuery query;
    query.throws = true;
    EXPECT_EQ(GetWindowsVersion(query), kUnknownWindows);
}

} // namespace
} // namespace vantrel
