#include "toolkit/Form.h"

#include "toolkit/Guarded.h"

namespace vantrel {
namespace {

os::DesktopFonts* desktopFontSource = nullptr;

unsigned StyleOf(const os::FontFace& face) {
    return (face.bold ? fsBold : 0u) | (face.italic ? fsItalic : 0u) |
           (face.underline ? fsUnderline : 0u) | (face.strikeOut ? fsStrikeOut : 0u);
}

} // namespace

TForm::TForm(TComponent* owner, std::wstring name, std::wstring className)
    : TControl(owner, std::move(name)), className_(std::move(className)) {
    SetVisible(false);
}

void TForm::SetClientSize(Size size) {
    Rect bounds = Bounds();
    bounds.width = size.width;
    bounds.height = size.height;
    SetBounds(bounds);
}

void TForm::Show() {
    if (OnShow) Guarded([this] { OnShow(this); });
    SetVisible(true);
}

void TForm::Hide() {
    SetVisible(false);
}

ModalResult TForm::ShowModal() {
    modalResult_ = ModalResult::None;
    if (OnShow) Guarded([this] { OnShow(this); });
    if (!Window()) return modalResult_;
    Window()->ShowModal();
    return modalResult_;
}

void TForm::SetModalResult(ModalResult result) {
    modalResult_ = result;
    if (result != ModalResult::None) Hide();
}

void TForm::Close() {
    if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
    Hide();
}

void TForm::FocusControl(TControl& control) {
    if (Window()) Window()->Focus(control);
}

void TForm::Created() {
    if (OnCreate) Guarded([this] { OnCreate(this); });
}

void TForm::SetDesktopFontSource(os::DesktopFonts* source) {
    desktopFontSource = source;
}

os::DesktopFonts* TForm::DesktopFontSource() {
    return desktopFontSource;
}

void TForm::SetDesktopFont(bool value) {
    if (value == desktopFont_) return;
    desktopFont_ = value;
    if (value) CopyDesktopFont();
}

void TForm::DesktopFontsChanged() {
    if (desktopFont_) CopyDesktopFont();
}

void TForm::CopyDesktopFont() {
    if (!desktopFontSource) return;
    os::FontFace face =
        desktopFontSource->IconTitleFont().value_or(desktopFontSource->SystemFont());
    FontData data = Font().Data();
    data.name = face.name;
    data.size = face.points;
    data.style = StyleOf(face);
    struct Copying {
        bool& flag;
        explicit Copying(bool& f) : flag(f) { flag = true; }
        ~Copying() { flag = false; }
    } copying(copyingDesktopFont_);
    Font().Assign(data);
}

void TForm::FontChanged() {
    if (!copyingDesktopFont_) desktopFont_ = false;
    TControl::FontChanged();
}

} // namespace vantrel
