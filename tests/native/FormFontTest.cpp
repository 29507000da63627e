// A window's fonts: the desktop font it takes, and their normalisation by SetSystemFont.

#include "platform/SystemFont.h"
#include "tests/support/DesktopFakes.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::FakeDesktopFonts;

constexpr Color kRed = 0x0000FF;

// A window as designed: labels with fonts of their own at 8 and at 10 points (bold, red), a
// label that takes the window's font, a panel with a font of its own holding an own-font
// label and a label that takes the panel's font, a picture and a menu item.
class FontTest : public ::testing::Test {
protected:
    FontTest() {
        TForm::SetDesktopFontSource(&desktop);
        small.SetParent(&form);
        small.Font().Assign({L"Tahoma", 8});
        small.SetParentFont(false); // designed at the form's default, but its own
        large.SetParent(&form);
        large.Font().Assign({L"Arial", 10, fsBold, kRed});
        follower.SetParent(&form);
        panel.SetParent(&form);
        panel.Font().Assign({L"Arial", 12, fsBold});
        inner.SetParent(&panel);
        nested.SetParent(&panel);
        nested.Font().Assign({L"Verdana", 7});
        picture.SetParent(&form);
    }
    ~FontTest() override { TForm::SetDesktopFontSource(nullptr); }

    // The window set-up as every window runs it before its texts go on.
    void SetUpWindow() {
        form.SetDesktopFont(true);
        SetSystemFont(form);
    }

    static FontData Font(const TControl& control) { return control.Font().Data(); }

    FakeDesktopFonts desktop;
    TForm form{nullptr, L"THTestForm", L"TTHTestForm"};
    TLabel& small = form.Create<TLabel>(L"SmallLabel");
    TLabel& large = form.Create<TLabel>(L"LargeLabel");
    TLabel& follower = form.Create<TLabel>(L"FollowerLabel");
    // Listed before its panel, so that it is reached while its font still differs.
    TLabel& inner = form.Create<TLabel>(L"InnerLabel");
    TPanel& panel = form.Create<TPanel>(L"Panel");
    TLabel& nested = form.Create<TLabel>(L"NestedLabel");
    TImage& picture = form.Create<TImage>(L"Picture");
    TMenuItem& item = form.Create<TMenuItem>(L"MenuItem");
};

TEST_F(FontTest, ALargeDesktopFontIsCappedAndOwnFontsTakeItsFace) {
    desktop.iconTitle = os::FontFace{L"Segoe UI", 12};
    SetUpWindow();
    EXPECT_EQ(Font(form), (FontData{L"Segoe UI", 9}));
    EXPECT_FALSE(form.DesktopFont()) << "the cap is a change of the window's font";
    EXPECT_EQ(Font(small), (FontData{L"Segoe UI", 9}));
    EXPECT_EQ(Font(large), (FontData{L"Segoe UI", 10, fsBold, kRed}));
    EXPECT_EQ(Font(nested), (FontData{L"Segoe UI", 9}));
    EXPECT_EQ(Font(follower), (FontData{L"Segoe UI", 9}));
    EXPECT_EQ(Font(panel), (FontData{L"Segoe UI", 12, fsBold}));
    EXPECT_FALSE(small.ParentFont());
}

TEST_F(FontTest, ASmallDesktopFontStaysAndLargerOwnFontsKeepTheirSize) {
    desktop.iconTitle = os::FontFace{L"Segoe UI", 8};
    SetUpWindow();
    EXPECT_EQ(Font(form), (FontData{L"Segoe UI", 8}));
    EXPECT_TRUE(form.DesktopFont());
    EXPECT_EQ(Font(small), (FontData{L"Segoe UI", 8}));
    EXPECT_EQ(Font(large), (FontData{L"Segoe UI", 10, fsBold, kRed}));
    EXPECT_EQ(Font(nested), (FontData{L"Segoe UI", 8}));
}

TEST_F(FontTest, ComponentsThatTakeTheirParentsFontArePassedOver) {
    desktop.iconTitle = os::FontFace{L"Segoe UI", 12};
    SetUpWindow();
    // Setting its font would have made it a font of its own, cut off from the panel's.
    EXPECT_TRUE(inner.ParentFont());
    EXPECT_TRUE(follower.ParentFont());
    EXPECT_EQ(Font(inner), Font(panel));
    EXPECT_EQ(Font(inner), (FontData{L"Segoe UI", 12, fsBold}));
}

TEST_F(FontTest, DesktopFontCopiesTheIconTitleFontAndFollowsItsChanges) {
    form.Font().SetColor(kRed);
    desktop.iconTitle = os::FontFace{L"Segoe UI", 9, true, true};
    form.SetDesktopFont(true);
    EXPECT_EQ(Font(form), (FontData{L"Segoe UI", 9, fsBold | fsItalic, kRed}))
        << "face, size and style copied; the colour stays";
    EXPECT_EQ(Font(follower).name, L"Segoe UI") << "controls that take their parent's font follow";
    EXPECT_EQ(Font(small).name, L"Tahoma") << "own fonts do not";

    desktop.iconTitle = os::FontFace{L"Calibri", 11};
    form.DesktopFontsChanged();
    EXPECT_EQ(Font(form), (FontData{L"Calibri", 11, 0, kRed})) << "re-copied, and not capped";
    EXPECT_TRUE(form.DesktopFont());
    EXPECT_EQ(Font(follower).name, L"Calibri");
    EXPECT_EQ(Font(small).name, L"Tahoma");
}

TEST_F(FontTest, AnyOtherChangeOfTheWindowsFontEndsDesktopFont) {
    struct Case {
        const char* name;
        void (*change)(TForm&);
    };
    const Case cases[] = {
        {"size", [](TForm& f) { f.Font().SetSize(9); }},
        {"name", [](TForm& f) { f.Font().SetName(L"Arial"); }},
        {"style", [](TForm& f) { f.Font().SetStyle(fsItalic); }},
        {"colour", [](TForm& f) { f.Font().SetColor(kRed); }},
        {"turned off", [](TForm& f) { f.SetDesktopFont(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.iconTitle = os::FontFace{L"Segoe UI", 12};
        form.SetDesktopFont(false);
        form.SetDesktopFont(true);
        c.change(form);
        EXPECT_FALSE(form.DesktopFont());
        const FontData after = Font(form);
        desktop.iconTitle = os::FontFace{L"Calibri", 8};
        form.DesktopFontsChanged();
        EXPECT_EQ(Font(form), after) << "a later desktop change is no longer copied";
    }
}

TEST_F(FontTest, SettingDesktopFontAgainWhileTrueDoesNothing) {
    desktop.iconTitle = os::FontFace{L"Segoe UI", 8};
    form.SetDesktopFont(true);
    desktop.iconTitle = os::FontFace{L"Calibri", 8};
    form.SetDesktopFont(true);
    EXPECT_EQ(Font(form).name, L"Segoe UI");
}

TEST_F(FontTest, TheSystemFontStandsInWhenTheDesktopCannotReport) {
    desktop.iconTitle.reset();
    form.SetDesktopFont(true);
    EXPECT_EQ(Font(form), (FontData{L"System", 10, fsBold}));
}

} // namespace
} // namespace vantrel
