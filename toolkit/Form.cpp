#include "toolkit/Form.h"

#include "toolkit/Guarded.h"

namespace vantrel {

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

} // namespace vantrel
