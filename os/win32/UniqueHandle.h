#pragma once
// One small owning handle template and a name per kind of handle. A borrowed handle stays
// a plain handle; an owned one lives in one of these and is closed by its destructor.

#include <windows.h>

#include <utility>

namespace vantrel::os {

template <class Handle, auto Close, Handle Invalid = Handle{}> class unique_handle {
public:
    unique_handle() = default;
    explicit unique_handle(Handle h) : h_(h) {}
    unique_handle(unique_handle&& other) noexcept : h_(other.release()) {}
    unique_handle& operator=(unique_handle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    ~unique_handle() { reset(); }

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Invalid; }
    Handle* put() {
        reset();
        return &h_;
    }
    Handle release() { return std::exchange(h_, Invalid); }
    void reset(Handle h = Invalid) {
        if (h_ != Invalid) Close(h_);
        h_ = h;
    }

private:
    Handle h_ = Invalid;
};

using unique_hkey = unique_handle<HKEY, &RegCloseKey>;
using unique_handle_kernel = unique_handle<HANDLE, &CloseHandle>;
using unique_hmodule = unique_handle<HMODULE, &FreeLibrary>;
using unique_hfont = unique_handle<HFONT, &DeleteObject>;
using unique_hbitmap = unique_handle<HBITMAP, &DeleteObject>;
using unique_hbrush = unique_handle<HBRUSH, &DeleteObject>;
using unique_hicon = unique_handle<HICON, &DestroyIcon>;
using unique_hwnd = unique_handle<HWND, &DestroyWindow>;

// Runs a clean-up when the scope ends, unless release() was called on the commit path.
template <class F> class scope_exit {
public:
    explicit scope_exit(F f) : f_(std::move(f)) {}
    scope_exit(const scope_exit&) = delete;
    scope_exit& operator=(const scope_exit&) = delete;
    ~scope_exit() {
        if (active_) f_();
    }
    void release() { active_ = false; }

private:
    F f_;
    bool active_ = true;
};

} // namespace vantrel::os
