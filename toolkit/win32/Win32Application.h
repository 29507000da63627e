#pragma once
// The Win32 side of the form library: one window class per form class, one window procedure
// for all of them, and the message loop, which offers every key press to the application's
// shortcut handler before the window sees it.

#include "toolkit/Application.h"

#include <windows.h>

namespace vantrel {

class Win32Application final : public ApplicationDriver {
public:
    explicit Win32Application(HINSTANCE instance) : instance_(instance) {}

    void Bind(TApplication& application) override { application_ = &application; }
    std::unique_ptr<FormPeer> CreateFormPeer(TForm& form) override;
    std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control) override;
    void Run(TForm& mainForm) override;
    void ProcessMessages() override;

    HINSTANCE Instance() const { return instance_; }
    TApplication* Application() const { return application_; }
    // The window of a form, or null.
    static HWND WindowOf(const TForm& form);

    // Dispatches one message; false once WM_QUIT arrived.
    bool Dispatch(MSG& msg);

private:
    HINSTANCE instance_;
    TApplication* application_ = nullptr;
};

} // namespace vantrel
