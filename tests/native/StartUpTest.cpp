// The date bookkeeping of every start, and the date-time text it stores.

#include "app/StartUp.h"
#include "platform/DateTimeText.h"
#include "tests/support/Conventions.h"
#include "tests/support/MemoryRegistry.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::FakeClock;
using testing::MemoryRegistry;

constexpr os::LocalTime kEvening{2013, 12, 9, 1, 17, 38, 7, 512};
constexpr os::LocalTime kMorning{2013, 3, 4, 1, 9, 5, 0, 0};
constexpr os::LocalTime kMidnight{2014, 1, 31, 5, 0, 0, 0, 999};
constexpr os::LocalTime kOneSecondPast{2014, 1, 31, 5, 0, 0, 1, 0};

TEST(DateTimeText, FollowsTheUsersConventions) {
    struct Case {
        const char* locale;
        os::DateTimeConventions conventions;
        os::LocalTime time;
        std::wstring text;
    };
    const Case cases[] = {
        {"en-US", testing::EnUs(), kEvening, L"12/9/2013 5:38:07 PM"},
        {"en-US morning", testing::EnUs(), kMorning, L"3/4/2013 9:05:00 AM"},
        {"en-GB", testing::EnGb(), kEvening, L"09/12/2013 17:38:07"},
        {"de-DE", testing::DeDe(), kMorning, L"04.03.2013 09:05:00"},
        {"midnight leaves the time out", testing::EnUs(), kMidnight, L"1/31/2014"},
        {"midnight, de-DE", testing::DeDe(), kMidnight, L"31.01.2014"},
        {"one second past midnight keeps it", testing::EnGb(), kOneSecondPast,
         L"31/01/2014 00:00:01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(MakeDateTimeText(c.time, c.conventions), c.text);
    }
}

TEST(DateTimeText, PicturesWithNamesAndQuotedText) {
    os::LocalTime t = kEvening;
    EXPECT_EQ(FormatDateTimePicture(L"dddd, MMMM d, yyyy", t, testing::EnUs()),
              L"Monday, December 9, 2013");
    EXPECT_EQ(FormatDateTimePicture(L"ddd dd MMM yy", t, testing::EnUs()), L"Mon 09 Dec 13");
    EXPECT_EQ(FormatDateTimePicture(L"'o''clock' h t", t, testing::EnUs()), L"o'clock 5 P");
    EXPECT_EQ(FormatDateTimePicture(L"dddd, d. MMMM yyyy", t, testing::DeDe()),
              L"Montag, 9. Dezember 2013");
}

class StartUpTest : public ::testing::Test {
protected:
    MemoryRegistry memory;
    CustomRegistry registry{memory};
    ProductSettings settings{registry};

    std::optional<os::RegistryData> Stored(std::wstring_view name) {
        return memory.Get(RegistryRoot::LocalMachine, L"Software\\Kestamir\\Vantrel", name);
    }
    std::wstring Text(const ProductValue& value) { return settings.ReadText(value); }
};

TEST_F(StartUpTest, FirstStartRecordsTheInstallDateOnceAndNeverAgain) {
    FakeClock clock({kEvening, kMorning});
    RecordStartDates(settings, clock, testing::EnUs());
    EXPECT_EQ(Text(product::InstalledDate), L"12/9/2013 5:38:07 PM");
    EXPECT_FALSE(Stored(L"UpdatedDate"));
    EXPECT_EQ(Stored(L"InstalledDate")->type, os::RegType::Sz);

    RecordStartDates(settings, clock, testing::EnUs());
    EXPECT_EQ(Text(product::InstalledDate), L"12/9/2013 5:38:07 PM");
    EXPECT_EQ(clock.reads, 1);
}

TEST_F(StartUpTest, InstallDateIsRewrittenOnlyWhenItReadsAsEmpty) {
    struct Case {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> bytes;
        bool rewritten;
    };
    const Case cases[] = {
        {"not a date, but not empty", os::RegType::Sz, ToUtf16Le(L"yesterday", true), false},
        {"empty text", os::RegType::Sz, ToUtf16Le(L"", true), true},
        {"stored as a number", os::RegType::Dword, {1, 0, 0, 0}, true},
        {"stored as binary", os::RegType::Binary, {'a', 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        memory.Put(RegistryRoot::LocalMachine, kProductKeyPath, L"InstalledDate", c.type, c.bytes);
        FakeClock clock({kMorning});
        RecordStartDates(settings, clock, testing::EnUs());
        if (c.rewritten)
            EXPECT_EQ(Text(product::InstalledDate), L"3/4/2013 9:05:00 AM");
        else
            EXPECT_EQ(Stored(L"InstalledDate")->bytes, c.bytes);
    }
}

TEST_F(StartUpTest, UpdatedFlagIsConsumedAndStamped) {
    memory.PutString(RegistryRoot::LocalMachine, kProductKeyPath, L"InstalledDate", L"x");
    memory.PutDword(RegistryRoot::LocalMachine, kProductKeyPath, L"Updated", 1);
    FakeClock clock({kMorning, kEvening});
    RecordStartDates(settings, clock, testing::EnGb());
    EXPECT_EQ(Stored(L"Updated"), (os::RegistryData{os::RegType::Dword, {0, 0, 0, 0}}));
    EXPECT_EQ(Text(product::UpdatedDate), L"04/03/2013 09:05:00");

    RecordStartDates(settings, clock, testing::EnGb());
    EXPECT_EQ(Text(product::UpdatedDate), L"04/03/2013 09:05:00") << "stamped once only";
}

TEST_F(StartUpTest, UpdatedCountsOnlyAsANonZeroDword) {
    struct Case {
        std::uint32_t type;
        std::vector<std::uint8_t> bytes;
        bool consumed;
    };
    const Case cases[] = {
        {os::RegType::Dword, {5, 0, 0, 0}, true},
        {os::RegType::Dword, {0, 0, 0, 0}, false},
        {os::RegType::Sz, ToUtf16Le(L"1", true), false},
        {os::RegType::Qword, {1, 0, 0, 0, 0, 0, 0, 0}, false},
        {os::RegType::Binary, {1, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        memory.Put(RegistryRoot::LocalMachine, kProductKeyPath, L"Updated", c.type, c.bytes);
        memory.Put(RegistryRoot::LocalMachine, kProductKeyPath, L"UpdatedDate", os::RegType::Sz,
                   ToUtf16Le(L"before", true));
        FakeClock clock({kEvening});
        RecordStartDates(settings, clock, testing::EnUs());
        EXPECT_EQ(Text(product::UpdatedDate) != L"before", c.consumed);
    }
}

TEST_F(StartUpTest, FailedWritesAreTriedAgainAtTheNextStart) {
    memory.PutDword(RegistryRoot::LocalMachine, kProductKeyPath, L"Updated", 1);
    memory.failWhen = [](const testing::RegCall& call) { return call.op == testing::RegOp::Set; };
    FakeClock clock({kMorning, kEvening});
    RecordStartDates(settings, clock, testing::EnUs());
    EXPECT_FALSE(Stored(L"InstalledDate"));

    memory.failWhen = nullptr;
    RecordStartDates(settings, clock, testing::EnUs());
    EXPECT_FALSE(Text(product::InstalledDate).empty());
    EXPECT_FALSE(settings.ReadBool(product::Updated));
    EXPECT_FALSE(Text(product::UpdatedDate).empty());
}

} // namespace
} // namespace vantrel
