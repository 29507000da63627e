// Reading the language table: encodings, lines, the fields of a row and the lookup rules.

#include "i18n/LanguageTable.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Fields = std::vector<std::wstring>;

TEST(SplitRow, FollowsTheQuotingAndSeparatorRules) {
    struct Case {
        const char* what;
        std::wstring_view row;
        Fields fields;
    };
    const Case cases[] = {
        {"a shipped row",
         LR"(THMainForm, GoButton, "&Optimize now")",
         {L"THMainForm", L"GoButton", L"&Optimize now"}},
        {"a blank inside the quotes stays",
         LR"(THMainForm, UpdatesButton, " &Check for updates ...")",
         {L"THMainForm", L"UpdatesButton", L" &Check for updates ..."}},
        {"a blank after the closing quote",
         LR"(THMainForm, MessageBoxReset2, "Click OK to continue." )",
         {L"THMainForm", L"MessageBoxReset2", L"Click OK to continue."}},
        {"unquoted words are fields of their own",
         L"THMainForm, GoButton, Optimize now",
         {L"THMainForm", L"GoButton", L"Optimize", L"now"}},
        {"two commas in a row", L"a,,b", {L"a", L"", L"b"}},
        {"a comma that ends the row", L"a, b,", {L"a", L"b", L""}},
        {"a comma followed by blanks only", L"a, b,  ", {L"a", L"b"}},
        {"a lone comma", L",", {L"", L""}},
        {"doubled quotes",
         LR"(a, b, "say ""hi"", then go")",
         {L"a", L"b", LR"(say "hi", then go)"}},
        {"only a doubled quote", LR"(a, """")", {L"a", L"\""}},
        {"an empty quoted text", LR"(a, b, "")", {L"a", L"b", L""}},
        {"tabs are blanks",
         L"\tTHMainForm\t,\tGoButton\t\"x\"",
         {L"THMainForm", L"GoButton", L"x"}},
        {"control characters are blanks",
         L"a\x01\x1F"
         L"b",
         {L"a", L"b"}},
        {"leading blanks", L"   a , b", {L"a", L"b"}},
        {"blanks only", L"  \t ", {}},
        {"a quote inside an unquoted field", LR"(ab"cd", e)", {LR"(ab"cd")", L"e"}},
        {"text right after the closing quote", LR"("ab"cd)", {L"ab", L"cd"}},
        {"an unterminated quote runs to the end",
         LR"(a, b, "never closed, at  all )",
         {L"a", L"b", L"never closed, at  all "}},
        {"an unterminated quote after a doubled one", LR"(a, "x""y)", {L"a", LR"(x"y)"}},
        {"a quote that opens at the end", LR"(a, ")", {L"a", L""}},
        {"characters beyond ASCII",
         L"w, k, \"\u00A9 \u4E2D\", \u00E9t\u00E9",
         {L"w", L"k", L"\u00A9 \u4E2D", L"\u00E9t\u00E9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SplitRow(c.row), c.fields);
    }
}

TEST(SplitRow, ReusedStorageHoldsOnlyTheNewRowsFields) {
    Fields fields;
    SplitRow(L"one, two, three, four", fields);
    SplitRow(L"five", fields);
    EXPECT_EQ(fields, Fields{L"five"});
    SplitRow(L"", fields);
    EXPECT_TRUE(fields.empty());
}

TEST(SplitLines, EndsLinesAtEveryKindOfBreakAndTheTextAtNul) {
    struct Case {
        const char* what;
        std::wstring_view text;
        std::vector<std::wstring_view> lines;
    };
    using namespace std::string_view_literals;
    const Case cases[] = {
        {"CR LF", L"a\r\nb", {L"a", L"b"}},
        {"lone CR and lone LF", L"a\rb\nc", {L"a", L"b", L"c"}},
        {"a break after the last line adds no line", L"a\r\nb\r\n", {L"a", L"b"}},
        {"LF then CR are two breaks", L"a\n\rb", {L"a", L"", L"b"}},
        {"empty lines are kept", L"a\r\n\r\nb", {L"a", L"", L"b"}},
        {"NUL ends the text", L"a\r\nb\0c\r\nd"sv, {L"a", L"b"}},
        {"nothing", L"", {}},
        {"a single break", L"\n", {L""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SplitLines(c.text), c.lines);
    }
}

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(DecodeTable, TheByteOrderMarkDecidesAndIsDropped) {
    using namespace std::string_view_literals;
    struct Case {
        const char* what;
        std::string_view bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"UTF-16 little-endian",
         "\xFF\xFE"
         "A\0\xA9\0\r\0\n\0\x2D\x4E"sv,
         L"A\u00A9\r\n\u4E2D"},
        {"UTF-16 big-endian",
         "\xFE\xFF"
         "\0A\0\xA9\0\r\0\n\x4E\x2D"sv,
         L"A\u00A9\r\n\u4E2D"},
        {"UTF-16 with an odd last byte",
         "\xFF\xFE"
         "A\0B"sv,
         L"A"},
        {"UTF-8",
         "\xEF\xBB\xBF"
         "A\xC2\xA9\xE4\xB8\xAD"sv,
         L"A\u00A9\u4E2D"},
        {"no mark: Windows-1252", "A\xA9\x80\x81 "sv, L"A\u00A9\u20AC\u0081 "},
        {"a mark alone", "\xEF\xBB\xBF"sv, L""},
        {"half a mark is text", "\xFF"sv, L"\u00FF"},
        {"nothing", ""sv, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DecodeTable(Bytes(c.bytes), os::Windows1252()), c.text);
    }
}

class LookUpTextTest : public ::testing::Test {
protected:
    static std::wstring LookUp(std::wstring_view table, std::wstring_view window,
                               std::wstring_view key) {
        std::wstring text = L"(as handed in)";
        LookUpText(table, window, key, text);
        return text;
    }
};

constexpr std::wstring_view kTable = L"Main, GoButton, \"Go\"\r\n"
                                     L"Main, Title, \"First\"\r\n"
                                     L"Main, Title, \"Second\"\r\n"
                                     L"\r\n"
                                     L"About, CloseButton, \"Close\"";

TEST_F(LookUpTextTest, MatchesWindowAndKeyIgnoringCaseAndTheLastRowWins) {
    struct Case {
        const char* what;
        std::wstring_view window;
        std::wstring_view key;
        std::wstring text;
    };
    const Case cases[] = {
        {"as written", L"Main", L"GoButton", L"Go"},
        {"in lower case", L"main", L"gobutton", L"Go"},
        {"in upper case", L"MAIN", L"GOBUTTON", L"Go"},
        {"the later of two rows", L"Main", L"Title", L"Second"},
        {"a key of another window's block", L"About", L"GoButton", L"(as handed in)"},
        {"a key in no row", L"Main", L"Nothing", L"(as handed in)"},
        {"the last row without a line break", L"About", L"CloseButton", L"Close"},
        {"an empty window name", L"", L"GoButton", L"(as handed in)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LookUp(kTable, c.window, c.key), c.text);
    }
}

TEST_F(LookUpTextTest, OnlyAsciiLettersAreFoldedWhenMatching) {
    constexpr std::wstring_view table = L"\u00C9cran, Kelvin\u212A, \"x\"";
    EXPECT_EQ(LookUp(table, L"\u00C9CRAN", L"KELVIN\u212A"), L"x");
    EXPECT_EQ(LookUp(table, L"\u00E9cran", L"Kelvin\u212A"), L"(as handed in)");
    EXPECT_EQ(LookUp(table, L"\u00C9cran", L"Kelvink"), L"(as handed in)");
}

TEST_F(LookUpTextTest, ARowLackingAFieldIsPassedOverAndTheScanGoesOn) {
    constexpr std::wstring_view table = L"Main, GoButton, \"Early\"\r\n"
                                        L"   \t\r\n"
                                        L"Main\r\n"
                                        L"Main, GoButton\r\n"
                                        L"Main, GoButton,\r\n"
                                        L"Main, Restore, \"Later\"";
    EXPECT_EQ(LookUp(table, L"Main", L"Restore"), L"Later");
    // The row that ends in a comma has an empty text, and it is the last match.
    EXPECT_EQ(LookUp(table, L"Main", L"GoButton"), L"");
}

TEST_F(LookUpTextTest, ATrailingLineBreakChangesNothing) {
    const std::wstring withBreak = std::wstring(kTable) + L"\r\n";
    for (auto [window, key] :
         {std::pair{L"Main", L"GoButton"}, {L"About", L"CloseButton"}, {L"Main", L"Title"}})
        EXPECT_EQ(LookUp(withBreak, window, key), LookUp(kTable, window, key));
}

} // namespace
} // namespace vantrel
