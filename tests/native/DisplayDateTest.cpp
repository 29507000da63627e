// Stored date-time texts read back with the user's conventions and shown in the long forms.

#include "platform/DisplayDate.h"
#include "platform/DateTimeText.h"
#include "tests/support/Conventions.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::DeDe;
using testing::EnGb;
using testing::EnUs;

TEST(DisplayDate, ParsesWithTheProgramsConventionsAndShowsTheLongForms) {
    struct Case {
        const char* name;
        std::wstring text;
        os::DateTimeConventions program, display;
        std::wstring shown;
    };
    const Case cases[] = {
        {"en-US", L"12/9/2013 5:38:07 PM", EnUs(), EnUs(),
         L"Monday, December 9, 2013 - 5:38:07 PM"},
        {"en-US morning", L"3/4/2013 9:05:00 AM", EnUs(), EnUs(),
         L"Monday, March 4, 2013 - 9:05:00 AM"},
        {"en-GB", L"09/12/2013 17:38:07", EnGb(), EnGb(), L"09 December 2013 - 17:38:07"},
        {"de-DE", L"04.03.2013 09:05:00", DeDe(), DeDe(), L"Montag, 4. M\u00e4rz 2013 - 09:05:00"},
        {"read as de-DE, shown in the en-US system locale", L"31.12.2013 23:59:59", DeDe(), EnUs(),
         L"Tuesday, December 31, 2013 - 11:59:59 PM"},
        {"no time of day shows midnight", L"1/31/2014", EnUs(), EnUs(),
         L"Friday, January 31, 2014 - 12:00:00 AM"},
        {"no time of day, de-DE", L"31.01.2014", DeDe(), DeDe(),
         L"Freitag, 31. Januar 2014 - 00:00:00"},
        {"noon and midnight with designators", L"2/29/2012 12:00:01 AM", EnUs(), EnGb(),
         L"29 February 2012 - 00:00:01"},
        {"noon", L"2/29/2012 12:30:00 PM", EnUs(), EnGb(), L"29 February 2012 - 12:30:00"},
        {"blanks around the parts", L"  12/9/2013   5:38:07 PM ", EnUs(), EnGb(),
         L"09 December 2013 - 17:38:07"},
        {"minutes only", L"12/9/2013 17:38", EnUs(), EnGb(), L"09 December 2013 - 17:38:00"},
        {"two-digit year", L"09/12/13 17:38:07", EnGb(), EnGb(), L"09 December 2013 - 17:38:07"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatDisplayDate(c.text, c.program, c.display), c.shown);
    }
}

TEST(DisplayDate, TextsThatDoNotParseShowNothing) {
    struct Case {
        const char* name;
        std::wstring text;
        os::DateTimeConventions program;
    };
    const Case cases[] = {
        {"empty", L"", EnUs()},
        {"blanks only", L"   ", EnUs()},
        {"day first read month first, day above 12", L"25/12/2013 10:00:00", EnUs()},
        {"month first read day first, month above 12", L"12/25/2013 10:00:00 AM", EnGb()},
        {"wrong separator", L"25/12/2013", DeDe()},
        {"no real day", L"2/29/2013", EnUs()},
        {"day zero", L"0/12/2013", EnGb()},
        {"month missing", L"12/2013", EnUs()},
        {"not a date", L"yesterday", EnUs()},
        {"text after the time", L"12/9/2013 5:38:07 PM later", EnUs()},
        {"hour out of range", L"12/9/2013 24:00:00", EnGb()},
        {"minute out of range", L"12/9/2013 5:60:00 PM", EnUs()},
        {"designator with a 24-hour hour", L"12/9/2013 17:38:07 PM", EnUs()},
        {"five-digit year", L"12/9/20130", EnUs()},
        {"time separator missing", L"12/9/2013 5 38", EnUs()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatDisplayDate(c.text, c.program, EnUs()), L"");
    }
}

TEST(DisplayDate, EveryStoredTextReadsBackAsItsMoment) {
    const os::LocalTime moments[] = {
        {2013, 12, 9, 1, 17, 38, 7, 0}, {2013, 3, 4, 1, 9, 5, 0, 0},
        {2014, 1, 31, 5, 0, 0, 0, 0},   {2000, 2, 29, 2, 12, 0, 0, 0},
        {1999, 12, 31, 5, 0, 0, 1, 0},  {2038, 1, 19, 2, 23, 59, 59, 0},
    };
    for (const auto& conventions : {EnUs(), EnGb(), DeDe()}) {
        for (const os::LocalTime& moment : moments) {
            std::wstring text = MakeDateTimeText(moment, conventions);
            SCOPED_TRACE(ToUtf8(text));
            auto parsed = ParseDateTimeText(text, conventions);
            ASSERT_TRUE(parsed.has_value());
            EXPECT_EQ(*parsed, moment);
        }
    }
}

} // namespace
} // namespace vantrel
