#include "toolkit/win32/Win32FormPeer.h"

#include "toolkit/Guarded.h"
#include "toolkit/win32/Fonts.h"
#include "toolkit/win32/Win32Application.h"

#include <string>

namespace vantrel {
namespace {

void RegisterFormClass(HINSTANCE instance, const std::wstring& className, WNDPROC proc) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, className.c_str(), &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className.c_str();
    RegisterClassExW(&wc);
}

Rect WindowRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Rect WorkArea() {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

} // namespace

Win32FormPeer::Win32FormPeer(Win32Application& app, TForm& form, HWND owner)
    : app_(app), form_(form) {
    RegisterFormClass(app.Instance(), form.ClassName(), &WindowProc);
    RECT r{0, 0, form.ClientSize().width, form.ClientSize().height};
    AdjustWindowRectEx(&r, StyleOf(form), FALSE, ExStyleOf(form));
    hwnd_ = CreateWindowExW(ExStyleOf(form), form.ClassName().c_str(), form.Caption().c_str(),
                            StyleOf(form), form.Bounds().left, form.Bounds().top, r.right - r.left,
                            r.bottom - r.top, owner, nullptr, app.Instance(), this);
    ApplyFont();
}

Win32FormPeer::~Win32FormPeer() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

DWORD Win32FormPeer::StyleOf(const TForm& form) {
    if (form.Border() == BorderStyle::None) return WS_POPUP | WS_CLIPCHILDREN;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
    unsigned icons = form.BorderIcons();
    if (icons & biSystemMenu) {
        style |= WS_SYSMENU;
        if (form.Border() == BorderStyle::Single) {
            if (icons & biMinimize) style |= WS_MINIMIZEBOX;
            if (icons & biMaximize) style |= WS_MAXIMIZEBOX;
        }
    }
    return style;
}

DWORD Win32FormPeer::ExStyleOf(const TForm& form) {
    return form.Border() == BorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0;
}

bool Win32FormPeer::IsMainForm() const {
    return app_.Application() && app_.Application()->MainForm() == &form_;
}

void Win32FormPeer::Changed(Property property) {
    if (!hwnd_) return;
    switch (property) {
    case Property::Caption:
        SetWindowTextW(hwnd_, form_.Caption().c_str());
        break;
    case Property::Bounds:
        ApplyBounds();
        break;
    case Property::Enabled:
        EnableWindow(hwnd_, form_.Enabled());
        break;
    case Property::Visible:
        ApplyVisible();
        break;
    case Property::Font:
        ApplyFont();
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    default:
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    }
}

void Win32FormPeer::ApplyFont() {
    if (os::unique_hfont font = CreateFontHandle(form_.Font())) font_ = std::move(font);
}

void Win32FormPeer::OnSettingChange(UINT action) {
    // A new icon-title font comes with either of these; a form that wears the desktop's
    // font takes it again.
    if (action == SPI_SETICONTITLELOGFONT || action == SPI_SETNONCLIENTMETRICS)
        form_.DesktopFontsChanged();
}

void Win32FormPeer::ApplyBounds() {
    RECT r{0, 0, form_.ClientSize().width, form_.ClientSize().height};
    AdjustWindowRectEx(&r, StyleOf(form_), FALSE, ExStyleOf(form_));
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormPeer::PlaceForShowing() {
    Rect outer = WindowRectOf(hwnd_);
    Size size{outer.width, outer.height};
    Point at{outer.left, outer.top};
    switch (form_.Placement()) {
    case Position::ScreenCenter:
        if (placedOnce_) return;
        at = CenterIn(WorkArea(), size);
        break;
    case Position::MainFormCenter:
    case Position::OwnerFormCenter: {
        TForm* main = app_.Application() ? app_.Application()->MainForm() : nullptr;
        HWND over = main ? Win32Application::WindowOf(*main) : nullptr;
        if (!over || over == hwnd_) return;
        Rect desktop = WorkArea();
        at = CenterOver(WindowRectOf(over), size, {desktop.left, desktop.top});
        // The placement is consumed by the showing; the caller asks again next time.
        form_.SetPlacement(Position::Designed);
        break;
    }
    case Position::Designed:
        return;
    }
    placedOnce_ = true;
    SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormPeer::ApplyVisible() {
    if (form_.Visible()) {
        PlaceForShowing();
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
    } else {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

int Win32FormPeer::ShowModal() {
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    if (owner) EnableWindow(owner, FALSE);
    form_.SetVisible(true);
    inModalLoop_ = true;
    MSG msg{};
    bool quit = false;
    while (form_.CurrentModalResult() == ModalResult::None && form_.Visible()) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        app_.Dispatch(msg);
    }
    inModalLoop_ = false;
    if (owner) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    form_.SetVisible(false);
    if (quit) PostQuitMessage(int(msg.wParam));
    return int(form_.CurrentModalResult());
}

void Win32FormPeer::Focus(TControl& control) {
    (void)control; // controls receive their windows from the window issues' peers
    SetFocus(hwnd_);
}

void Win32FormPeer::OnClose() {
    if (IsMainForm()) {
        DestroyWindow(hwnd_);
        return;
    }
    form_.Close();
}

void Win32FormPeer::OnDestroy() {
    hwnd_ = nullptr;
    if (IsMainForm()) PostQuitMessage(0);
}

LRESULT Win32FormPeer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_SETTINGCHANGE:
        OnSettingChange(UINT(wp));
        return DefWindowProcW(hwnd_, msg, wp, lp);
    default:
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

LRESULT CALLBACK Win32FormPeer::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* peer = static_cast<Win32FormPeer*>(create->lpCreateParams);
        peer->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
    }
    auto* peer = reinterpret_cast<Win32FormPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!peer) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    if (!Guarded([&] { result = peer->HandleMessage(msg, wp, lp); }))
        return DefWindowProcW(hwnd, msg, wp, lp);
    return result;
}

} // namespace vantrel
