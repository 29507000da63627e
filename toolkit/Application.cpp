#include "toolkit/Application.h"

#include "toolkit/Guarded.h"

namespace vantrel {

void TApplication::Realize(TForm& form) {
    if (driver_) {
        form.AttachPeer(driver_->CreateFormPeer(form));
        RealizeChildren(form);
    }
    form.Created();
}

void TApplication::RealizeChildren(TControl& control) {
    for (TControl* child : control.Controls()) {
        child->AttachPeer(driver_->CreateControlPeer(*child));
        RealizeChildren(*child);
    }
}

void TApplication::Run() {
    if (driver_ && MainForm()) driver_->Run(*MainForm());
}

void TApplication::ProcessMessages() {
    if (driver_) driver_->ProcessMessages();
}

bool TApplication::ShortCut(int key) {
    bool handled = false;
    if (OnShortCut) Guarded([&] { OnShortCut(key, handled); });
    return handled;
}

} // namespace vantrel
