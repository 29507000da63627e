#include "optimizer/Restart.h"

#include "toolkit/Guarded.h"

namespace vantrel {
namespace {

constexpr std::uint32_t kTokenAccess = os::TokenAccess::AdjustPrivileges | os::TokenAccess::Query;
constexpr std::wstring_view kShutdownPrivilege = L"SeShutdownPrivilege";

class OpenToken {
public:
    OpenToken(os::Shutdown& system, os::TokenHandle token) : system_(system), token_(token) {}
    OpenToken(const OpenToken&) = delete;
    OpenToken& operator=(const OpenToken&) = delete;
    ~OpenToken() { system_.CloseToken(token_); }
    os::TokenHandle get() const { return token_; }

private:
    os::Shutdown& system_;
    os::TokenHandle token_;
};

} // namespace

void SetShutdownPrivilege(os::Shutdown& system, bool enable) noexcept {
    Guarded([&] {
        os::TokenHandle handle = 0;
        if (!system.OpenProcessToken(kTokenAccess, handle)) return;
        OpenToken token(system, handle);
        os::TokenPrivileges request;
        request.privilegeCount = 1;
        if (!system.LookupPrivilege(kShutdownPrivilege, request.luid)) return;
        request.attributes = enable ? os::kPrivilegeEnabled : 0;
        // The previous state is received as the call requires, but nothing reads it:
        // disabling sets the attributes to 0 rather than putting that state back.
        os::TokenPrivileges previous;
        std::uint32_t returned = 0;
        system.AdjustTokenPrivileges(token.get(), false, request, sizeof(previous), previous,
                                     returned);
    });
}

void RestartWindows(os::Shutdown& system) noexcept {
    Guarded([&] {
        SetShutdownPrivilege(system, true);
        // Disabled again on every path, right after the request.
        struct Disable {
            os::Shutdown& system;
            ~Disable() { SetShutdownPrivilege(system, false); }
        } disable{system};
        system.ExitSession(kRestartFlags, kRestartReason);
    });
}

} // namespace vantrel
