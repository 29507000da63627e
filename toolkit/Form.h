#pragma once
// A top-level window as designed: window class name, border, border icons, client size and
// placement, plus the create and show events. Its window comes from the application's peer
// factory; without one the form lives headless.

#include "os/DesktopFonts.h"
#include "toolkit/Control.h"

namespace vantrel {

enum class BorderStyle { Single, Dialog, None };

enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

enum class Position { Designed, ScreenCenter, MainFormCenter, OwnerFormCenter };

enum class ModalResult { None = 0, Ok = 1, Cancel = 2 };

class TApplication;

class TForm : public TControl {
public:
    // className is the window class: the form class's own name (TTHMainForm for THMainForm).
    TForm(TComponent* owner, std::wstring name, std::wstring className);

    const std::wstring& ClassName() const { return className_; }

    BorderStyle Border() const { return border_; }
    void SetBorder(BorderStyle style) { border_ = style; }
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons) { borderIcons_ = icons; }
    Size ClientSize() const { return {Bounds().width, Bounds().height}; }
    void SetClientSize(Size size);

    Position Placement() const { return position_; }
    void SetPlacement(Position position) { position_ = position; }

    // Shows the window (modeless), running OnShow first.
    void Show();
    // Hides the window.
    void Hide();
    // Shows the window modally; returns when its modal result is set or it is closed.
    ModalResult ShowModal();
    ModalResult CurrentModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult result);
    // Closes the form: the main form ends the program, any other form is hidden.
    void Close();

    // Gives a control of this form the keyboard focus.
    void FocusControl(TControl& control);

    NotifyEvent OnCreate;
    NotifyEvent OnShow;

    // Whether the form wears the desktop's icon-title font. Setting it true copies that font
    // (face, size, style; the colour stays) and the controls that take their parent's font
    // follow; while it stays true a change of the desktop's font is copied again. Any other
    // change of the form's font sets it back to false.
    bool DesktopFont() const { return desktopFont_; }
    void SetDesktopFont(bool value);
    // The desktop's fonts changed (the window saw WM_SETTINGCHANGE).
    void DesktopFontsChanged();
    // Where every form takes the desktop's font from; without a source the font stays.
    static void SetDesktopFontSource(os::DesktopFonts* source);
    static os::DesktopFonts* DesktopFontSource();

    FormPeer* Window() const { return static_cast<FormPeer*>(Peer()); }

    // Runs OnCreate under the guard; called once by the application after the window exists.
    void Created();

protected:
    void FontChanged() override;

private:
    void CopyDesktopFont();

    std::wstring className_;
    BorderStyle border_ = BorderStyle::Single;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    Position position_ = Position::Designed;
    ModalResult modalResult_ = ModalResult::None;
    bool desktopFont_ = false;
    bool copyingDesktopFont_ = false;
};

} // namespace vantrel
