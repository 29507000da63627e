#pragma once
// A form's window. The static window procedure stores `this` at WM_NCCREATE and forwards to
// HandleMessage; nothing thrown inside ever crosses back into the OS.

#include "os/win32/UniqueHandle.h"
#include "toolkit/Form.h"

#include <windows.h>

namespace vantrel {

class Win32Application;

class Win32FormPeer final : public FormPeer {
public:
    Win32FormPeer(Win32Application& app, TForm& form, HWND owner);
    ~Win32FormPeer() override;

    void Changed(Property property) override;
    int ShowModal() override;
    void Focus(TControl& control) override;

    HWND Handle() const { return hwnd_; }
    // The GDI font mirroring the form's font, for the controls that take it.
    HFONT FontHandle() const { return font_.get(); }
    TForm& Form() const { return form_; }

    // Window styles for a form's border style and border icons.
    static DWORD StyleOf(const TForm& form);
    static DWORD ExStyleOf(const TForm& form);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    void OnClose();
    void OnDestroy();
    void OnSettingChange(UINT action);
    void ApplyFont();
    void ApplyBounds();
    void ApplyVisible();
    void PlaceForShowing();
    bool IsMainForm() const;

    Win32Application& app_;
    TForm& form_;
    HWND hwnd_ = nullptr;
    bool placedOnce_ = false;
    bool inModalLoop_ = false;
    os::unique_hfont font_;
};

} // namespace vantrel
