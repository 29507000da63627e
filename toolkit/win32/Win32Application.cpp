#include "toolkit/win32/Win32Application.h"

#include "toolkit/win32/Win32FormPeer.h"

namespace vantrel {

HWND Win32Application::WindowOf(const TForm& form) {
    auto* peer = dynamic_cast<Win32FormPeer*>(form.Window());
    return peer ? peer->Handle() : nullptr;
}

std::unique_ptr<FormPeer> Win32Application::CreateFormPeer(TForm& form) {
    // Every form after the first is owned by the main form's window, so that only the main
    // window has a taskbar button.
    TForm* main = application_ ? application_->MainForm() : nullptr;
    HWND owner = (main && main != &form) ? WindowOf(*main) : nullptr;
    return std::make_unique<Win32FormPeer>(*this, form, owner);
}

std::unique_ptr<ControlPeer> Win32Application::CreateControlPeer(TControl&) { return nullptr; }

bool Win32Application::Dispatch(MSG& msg) {
    if (msg.message == WM_QUIT) return false;
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && application_ &&
        application_->ShortCut(int(msg.wParam)))
        return true;
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogMessageW(root, &msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void Win32Application::Run(TForm& mainForm) {
    mainForm.SetVisible(true);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

void Win32Application::ProcessMessages() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

} // namespace vantrel
