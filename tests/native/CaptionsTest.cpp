// Texts from the language table: the shipped table itself, the choice of the table, single
// lookups, and the texts put on a window and its components.

#include "i18n/Captions.h"
#include "i18n/LanguageTable.h"
#include "tests/support/Files.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/MemoryResources.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

using os::ResourceType;
using testing::MemoryRegistry;
using testing::MemoryResources;

const std::vector<std::uint8_t>& ShippedTable() {
    static const auto bytes = testing::ReadFileBytes(VANTREL_SOURCE_DIR "/resources/ENGLISH.txt");
    return bytes;
}

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// The table as stored: rows in blocks, CR LF, one empty line between blocks, nothing after
// the last row, 8-bit text with the copyright sign as its only byte beyond ASCII.
TEST(ShippedTable, IsStoredInTheAgreedForm) {
    const auto& bytes = ShippedTable();
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes[0], 0xEF);
    EXPECT_NE(bytes[0], 0xFF);
    EXPECT_NE(bytes[0], 0xFE);
    EXPECT_NE(bytes.back(), '\n');
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0xA9), 1);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) {
        return b == 0xA9 || (b < 0x80 && b != 0 && (b >= 0x20 || b == '\r' || b == '\n'));
    }));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << i;
        if (bytes[i] == '\n') EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << i;
    }

    const std::wstring text = DecodeTable(bytes, os::Windows1252());
    std::vector<std::wstring> blocks; // the window name of each block, in order
    bool blockOpen = false;
    for (std::wstring_view line : SplitLines(text)) {
        if (line.empty()) {
            EXPECT_TRUE(blockOpen) << "one empty line between blocks, none at the start";
            blockOpen = false;
            continue;
        }
        const auto fields = SplitRow(line);
        ASSERT_EQ(fields.size(), 3u) << ToUtf8(line);
        EXPECT_EQ(line, fields[0] + L", " + fields[1] + L", \"" + fields[2] + L"\"" +
                            (fields[1] == L"MessageBoxReset2" ? L" " : L""))
            << "window, comma and blank, key, comma and blank, quoted text";
        if (!blockOpen) blocks.push_back(fields[0]);
        EXPECT_EQ(fields[0], blocks.back()) << "a block holds one window's rows";
        blockOpen = true;
    }
    ASSERT_EQ(blocks.size(), 5u) << "three windows and two other programs of the product";
    EXPECT_EQ((std::vector<std::wstring>(blocks.begin(), blocks.begin() + 3)),
              (std::vector<std::wstring>{L"THMainForm", L"THAboutForm", L"THSettingsForm"}));
    for (std::size_t i = 3; i < blocks.size(); ++i)
        EXPECT_FALSE(std::count(blocks.begin(), blocks.begin() + 3, blocks[i])) << i;
}

class CaptionsTest : public ::testing::Test {
protected:
    CaptionsTest() { resources.Put(ResourceType::RcData, L"ENGLISH", ShippedTable()); }

    void SetLanguage(std::wstring_view value) {
        memory.PutString(RegistryRoot::LocalMachine, L"Software\\Kestamir\\Vantrel", L"Language",
                         value);
    }

    std::wstring Caption(std::wstring_view window, std::wstring_view key,
                         std::wstring text = L"(as handed in)") {
        GetCaption(source, window, key, text);
        return text;
    }

    MemoryRegistry memory;
    CustomRegistry registry{memory};
    ProductSettings settings{registry};
    MemoryResources resources;
    CaptionSource source{settings, resources, os::Windows1252()};
};

TEST_F(CaptionsTest, ShippedTableAnswersTheProgramsLookups) {
    struct Case {
        std::wstring_view window;
        std::wstring_view key;
        std::wstring text;
    };
    const Case cases[] = {
        {L"THMainForm", L"GoButton", L"&Optimize now"},
        {L"thmainform", L"gobutton", L"&Optimize now"},
        {L"THMainForm", L"UpdatesButton", L" &Check for updates ..."},
        {L"THMainForm", L"MessageBoxReset2", L"Click OK to continue."},
        {L"THMainForm", L"MessageBoxChangeRestart3",
         L"Click Yes to restart the computer now, or click No to restart later."},
        {L"THMainForm", L"MessageBoxChangeFailed1",
         L"Some of the computer's internet settings could not be changed."},
        {L"THMainForm", L"MessageBoxRestoreFailed1",
         L"Some of the computer's internet settings could not be put back to their original "
         L"values."},
        {L"THMainForm", L"BenefitsDescription",
         L"Vantrel will optimize this computer and modem's performance by adjusting several "
         L"settings within Windows.  These changes may increase your internet speed to run much "
         L"faster."},
        {L"THAboutForm", L"CopyrightLabel",
         L"Copyright \u00A9 2013 Kestamir. All rights reserved."},
        {L"THAboutForm", L"VersionLabel", L"Vantrel 2  (Version : "},
        {L"THAboutForm", L"LicenseAgreementLabel", L""},
        {L"THSettingsForm", L"MessageChange5", L"Restoring modem settings"},
        {L"THAboutForm", L"GoButton", L"(as handed in)"},
        {L"THMainForm", L"NoSuchKey", L"(as handed in)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(std::wstring(c.window) + L"/" + std::wstring(c.key)));
        EXPECT_EQ(Caption(c.window, c.key), c.text);
    }
}

TEST_F(CaptionsTest, TheLanguageValueChoosesTheTableAndUnknownOnesFallBackToEnglish) {
    resources.Put(ResourceType::RcData, L"DEUTSCH", "THMainForm, GoButton, \"&Jetzt optimieren\"");
    struct Case {
        const char* what;
        std::optional<std::wstring_view> language;
        std::wstring text;
    };
    const Case cases[] = {
        {"no value", std::nullopt, L"&Optimize now"},
        {"an empty value", L"", L"&Optimize now"},
        {"capitals", L"English", L"&Optimize now"},
        {"all capitals", L"ENGLISH", L"&Optimize now"},
        {"another embedded table", L"Deutsch", L"&Jetzt optimieren"},
        {"a language that is not embedded", L"french", L"&Optimize now"},
        {"a name Windows would read as a number", L"#10", L"&Optimize now"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.language) SetLanguage(*c.language);
        EXPECT_EQ(Caption(L"THMainForm", L"GoButton"), c.text);
    }
}

TEST_F(CaptionsTest, TheChosenTableIsNotMixedWithTheEnglishOne) {
    resources.Put(ResourceType::RcData, L"DEUTSCH", "THMainForm, GoButton, \"&Jetzt optimieren\"");
    SetLanguage(L"deutsch");
    EXPECT_EQ(Caption(L"THMainForm", L"RestoreButton"), L"(as handed in)");
}

TEST_F(CaptionsTest, WithoutAnyTableTheTextStaysAsHandedIn) {
    MemoryResources none;
    CaptionSource empty{settings, none, os::Windows1252()};
    std::wstring text = L"kept";
    GetCaption(empty, L"THMainForm", L"GoButton", text);
    EXPECT_EQ(text, L"kept");
}

TEST_F(CaptionsTest, EveryByteOrderMarkReadsTheSameRows) {
    using namespace std::string_view_literals;
    struct Case {
        const char* what;
        std::string_view bytes;
    };
    // The same two rows: "W, First, "a©"" and "W, Second, "b"".
    const Case cases[] = {
        {"8-bit", "W, First, \"a\xA9\"\r\nW, Second, \"b\""sv},
        {"UTF-8", "\xEF\xBB\xBFW, First, \"a\xC2\xA9\"\r\nW, Second, \"b\""sv},
        {"UTF-16 LE", "\xFF\xFEW\0,\0 \0F\0i\0r\0s\0t\0,\0 \0\"\0a\0\xA9\0\"\0\r\0\n\0"
                      "W\0,\0 \0S\0e\0c\0o\0n\0d\0,\0 \0\"\0b\0\"\0"sv},
        {"UTF-16 BE", "\xFE\xFF\0W\0,\0 \0F\0i\0r\0s\0t\0,\0 \0\"\0a\0\xA9\0\"\0\r\0\n"
                      "\0W\0,\0 \0S\0e\0c\0o\0n\0d\0,\0 \0\"\0b\0\""sv},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resources.Put(ResourceType::RcData, L"ENGLISH", Bytes(c.bytes));
        EXPECT_EQ(Caption(L"W", L"First"), L"a\u00A9");
        EXPECT_EQ(Caption(L"W", L"Second"), L"b");
    }
}

// A headless window with one component of each kind that matters.
class TestForm : public TForm {
public:
    TestForm() : TForm(nullptr, L"THMainForm", L"TTHMainForm") {
        auto& panel = Create<TPanel>(L"NavPanel");
        panel.SetParent(this);
        Create<TButton>(L"GoButton").SetParent(&panel);
        Create<TButton>(L"UpdatesButton").SetParent(this);
        Create<TButton>(L"HelpButton").SetParent(this); // its text lives in the About block
        Create<TLabel>(L"OSVersionLabel").SetParent(this);
        Create<TImage>(L"NavButton1").SetParent(this);
        Create<TBevel>(L"Bevel").SetParent(this);
        auto& popup = Create<TPopupMenu>(L"NavPopup");
        popup.Add(Create<TMenuItem>(L"HelpFilePopup"));
        auto& memo = Create<TMemo>(L"Memo");
        memo.SetParent(this);
        memo.SetText(L"old one\r\nold two");
        Create<TEdit>(L"Edit").SetParent(this);
        Create<TTrayIcon>(L"Tray");
    }

    template <class T> T& Get(std::wstring_view name) {
        return dynamic_cast<T&>(*FindComponent(name));
    }

    // Every text the form shows, in one comparable list.
    std::vector<std::wstring> Texts() {
        std::vector<std::wstring> texts{Caption()};
        for (TComponent* c : Components()) {
            if (auto* control = dynamic_cast<TControl*>(c)) texts.push_back(control->Caption());
            if (auto* item = dynamic_cast<TMenuItem*>(c)) texts.push_back(item->Caption());
            if (auto* memo = dynamic_cast<TMemo*>(c)) texts.push_back(memo->Text());
            if (auto* edit = dynamic_cast<TEdit*>(c)) texts.push_back(edit->Text());
            if (auto* tray = dynamic_cast<TTrayIcon*>(c)) texts.push_back(tray->Hint());
        }
        return texts;
    }
};

TEST_F(CaptionsTest, ShippedTableCaptionsTheMainWindow) {
    TestForm form;
    SetCaptions(source, form);
    EXPECT_EQ(form.Caption(), L"Vantrel - Make your internet connection faster");
    EXPECT_EQ(form.Get<TButton>(L"GoButton").Caption(), L"&Optimize now") << "nested in a panel";
    EXPECT_EQ(form.Get<TButton>(L"UpdatesButton").Caption(), L" &Check for updates ...");
    EXPECT_EQ(form.Get<TLabel>(L"OSVersionLabel").Caption(), L"Operating System : ");
    EXPECT_EQ(form.Get<TMenuItem>(L"HelpFilePopup").Caption(), L"Get &help with Vantrel");
    EXPECT_EQ(form.Get<TButton>(L"HelpButton").Caption(), L"") << "the About block stays there";
    EXPECT_EQ(form.Get<TImage>(L"NavButton1").Caption(), L"");
}

TEST_F(CaptionsTest, ShippedTableCaptionsTheAboutWindowsMemoAsOneLine) {
    TForm about(nullptr, L"THAboutForm", L"TTHAboutForm");
    auto& memo = about.Create<TMemo>(L"LicensedMemo");
    memo.SetParent(&about);
    auto& copyright = about.Create<TLabel>(L"CopyrightLabel");
    copyright.SetParent(&about);
    SetCaptions(source, about);
    EXPECT_EQ(about.Caption(), L"About Vantrel");
    EXPECT_EQ(copyright.Caption(), L"Copyright \u00A9 2013 Kestamir. All rights reserved.");
    ASSERT_EQ(memo.Lines().size(), 1u);
    EXPECT_TRUE(memo.Lines()[0].ends_with(L"please visit the Kestamir web site."));
}

TEST_F(CaptionsTest, CallingTwiceLeavesTheWindowAsOnceAndUndoesLaterChanges) {
    TestForm once, twice;
    SetCaptions(source, once);
    SetCaptions(source, twice);
    twice.Get<TButton>(L"GoButton").SetCaption(L"changed by code");
    SetCaptions(source, twice);
    EXPECT_EQ(twice.Texts(), once.Texts());
}

TEST_F(CaptionsTest, EachKindReceivesTheTextWhereItShowsIt) {
    resources.Put(ResourceType::RcData, L"ENGLISH",
                  "THMainForm, THMainForm, \"Title\"\r\n"
                  "THMainForm, OSVersionLabel, \"label\"\r\n"
                  "THMainForm, NavPanel, \"panel\"\r\n"
                  "THMainForm, GoButton, \"button\"\r\n"
                  "THMainForm, HelpFilePopup, \"menu\"\r\n"
                  "THMainForm, Memo, \"one line\"\r\n"
                  "THMainForm, Edit, \"edit\"\r\n"
                  "THMainForm, Tray, \"tip\"\r\n"
                  "THMainForm, NavButton1, \"image\"\r\n"
                  "THMainForm, Bevel, \"bevel\"\r\n"
                  "THMainForm, NavPopup, \"popup menu\"\r\n"
                  "THMainForm, MessageBoxReset1, \"message\"");
    TestForm form;
    SetCaptions(source, form);
    EXPECT_EQ(form.Caption(), L"Title");
    EXPECT_EQ(form.Get<TLabel>(L"OSVersionLabel").Caption(), L"label");
    EXPECT_EQ(form.Get<TPanel>(L"NavPanel").Caption(), L"panel");
    EXPECT_EQ(form.Get<TButton>(L"GoButton").Caption(), L"button");
    EXPECT_EQ(form.Get<TMenuItem>(L"HelpFilePopup").Caption(), L"menu");
    EXPECT_EQ(form.Get<TMemo>(L"Memo").Lines(), std::vector<std::wstring>{L"one line"});
    EXPECT_EQ(form.Get<TEdit>(L"Edit").Text(), L"edit");
    EXPECT_EQ(form.Get<TTrayIcon>(L"Tray").Hint(), L"tip");
    EXPECT_EQ(form.Get<TImage>(L"NavButton1").Caption(), L"");
    EXPECT_EQ(form.Get<TBevel>(L"Bevel").Caption(), L"");
}

TEST_F(CaptionsTest, TheTrayTipShowsAtMost127Characters) {
    const std::string tip(200, 'x');
    resources.Put(ResourceType::RcData, L"ENGLISH", "THMainForm, Tray, \"" + tip + "\"");
    TestForm form;
    SetCaptions(source, form);
    const auto& tray = form.Get<TTrayIcon>(L"Tray");
    EXPECT_EQ(tray.Hint().size(), 200u);
    EXPECT_EQ(tray.ShownTip(), std::wstring(127, L'x'));
}

TEST(TrayIcon, TheTipNeverEndsInHalfACharacter) {
    // U+1F310 takes two UTF-16 units: at units 127 and 128 it does not fit and goes whole.
    const std::wstring globe = FromUtf8("\xF0\x9F\x8C\x90");
    struct Case {
        std::wstring hint;
        std::wstring shown;
    };
    const Case cases[] = {
        {std::wstring(126, L'x') + globe, std::wstring(126, L'x')},
        {std::wstring(125, L'x') + globe + L"y", std::wstring(125, L'x') + globe},
        {L"", L""},
    };
    for (const Case& c : cases) {
        TTrayIcon tray(nullptr, L"Tray");
        tray.SetHint(c.hint);
        EXPECT_EQ(tray.ShownTip(), c.shown);
    }
}

TEST_F(CaptionsTest, RowsAreMatchedAsTheTitleAndComponentRulesSay) {
    resources.Put(ResourceType::RcData, L"ENGLISH",
                  "thmainform, OSVersionLabel, \"window name in lower case\"\r\n"
                  "THMainForm, thmainform, \"not a title row\"\r\n"
                  "THMainForm, gobutton, \"first\"\r\n"
                  "THMainForm, GoButton, \"second\"\r\n"
                  "THMainForm, UpdatesButton\r\n"
                  "THMainForm, THMainForm\r\n"
                  "   \r\n"
                  "THMainForm, HelpFilePopup, \"after rows lacking a field\"\r\n"
                  "THAboutForm, HelpButton, \"&Help\"\r\n"
                  "THAboutForm, THMainForm, \"another window's block\"");
    TestForm form;
    form.SetCaption(L"as designed");
    form.Get<TButton>(L"UpdatesButton").SetCaption(L"as designed");
    SetCaptions(source, form);
    EXPECT_EQ(form.Get<TLabel>(L"OSVersionLabel").Caption(), L"window name in lower case");
    EXPECT_EQ(form.Caption(), L"as designed");
    EXPECT_EQ(form.Get<TButton>(L"GoButton").Caption(), L"second");
    EXPECT_EQ(form.Get<TButton>(L"UpdatesButton").Caption(), L"as designed");
    EXPECT_EQ(form.Get<TMenuItem>(L"HelpFilePopup").Caption(), L"after rows lacking a field");
    EXPECT_EQ(form.Get<TButton>(L"HelpButton").Caption(), L"");
}

class TLinkLabel : public TLabel {
public:
    using TLabel::TLabel;
};

TEST_F(CaptionsTest, DerivedKindsCountAsTheirBaseKind) {
    resources.Put(ResourceType::RcData, L"ENGLISH", "W, LinkLabel4, \"Help with Vantrel\"");
    TForm form(nullptr, L"W", L"TW");
    auto& link = form.Create<TLinkLabel>(L"LinkLabel4");
    SetCaptions(source, form);
    EXPECT_EQ(link.Caption(), L"Help with Vantrel");
}

TEST_F(CaptionsTest, WithoutAnyTableTheWindowKeepsItsTexts) {
    MemoryResources none;
    CaptionSource empty{settings, none, os::Windows1252()};
    TestForm form;
    form.SetCaption(L"as designed");
    SetCaptions(empty, form);
    EXPECT_EQ(form.Caption(), L"as designed");
}

} // namespace
} // namespace vantrel
