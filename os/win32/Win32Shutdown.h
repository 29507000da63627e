#pragma once
#include "os/Shutdown.h"

namespace vantrel::os {

class Win32Shutdown final : public Shutdown {
public:
    bool OpenProcessToken(std::uint32_t access, TokenHandle& token) override;
    bool LookupPrivilege(std::wstring_view name, Luid& luid) override;
    bool AdjustTokenPrivileges(TokenHandle token, bool disableAll, const TokenPrivileges& request,
                               std::uint32_t bufferLength, TokenPrivileges& previous,
                               std::uint32_t& returnLength) override;
    void CloseToken(TokenHandle token) override;
    bool ExitSession(std::uint32_t flags, std::uint32_t reason) override;
};

// The process-wide instance the program uses.
Shutdown& SystemShutdown();

} // namespace vantrel::os
