#pragma once
// The calls that restart Windows: the process token and its privileges, and the request
// itself. Results are reported as the API reports them; the caller decides what to look at.

#include <cstdint>
#include <string_view>

namespace vantrel::os {

using TokenHandle = std::uintptr_t;

struct Luid {
    std::uint32_t lowPart = 0;
    std::int32_t highPart = 0;
    bool operator==(const Luid&) const = default;
};

// TOKEN_PRIVILEGES with room for exactly one entry, laid out as Windows lays it out.
struct TokenPrivileges {
    std::uint32_t privilegeCount = 0;
    Luid luid;
    std::uint32_t attributes = 0;
    bool operator==(const TokenPrivileges&) const = default;
};
static_assert(sizeof(TokenPrivileges) == 16);

namespace TokenAccess {
inline constexpr std::uint32_t AdjustPrivileges = 0x0020;
inline constexpr std::uint32_t Query = 0x0008;
} // namespace TokenAccess

inline constexpr std::uint32_t kPrivilegeEnabled = 0x00000002; // SE_PRIVILEGE_ENABLED

namespace ExitFlags {
inline constexpr std::uint32_t Reboot = 0x00000002;      // EWX_REBOOT
inline constexpr std::uint32_t Force = 0x00000004;       // EWX_FORCE
inline constexpr std::uint32_t ForceIfHung = 0x00000010; // EWX_FORCEIFHUNG
} // namespace ExitFlags

namespace ShutdownReason {
inline constexpr std::uint32_t MajorOperatingSystem =
    0x00020000;                                            // SHTDN_REASON_MAJOR_OPERATINGSYSTEM
inline constexpr std::uint32_t MinorReconfig = 0x00000004; // SHTDN_REASON_MINOR_RECONFIG
inline constexpr std::uint32_t FlagPlanned = 0x80000000;   // SHTDN_REASON_FLAG_PLANNED
} // namespace ShutdownReason

class Shutdown {
public:
    virtual ~Shutdown() = default;
    // OpenProcessToken on the current process.
    virtual bool OpenProcessToken(std::uint32_t access, TokenHandle& token) = 0;
    // LookupPrivilegeValueW on the local system.
    virtual bool LookupPrivilege(std::wstring_view name, Luid& luid) = 0;
    // AdjustTokenPrivileges with a one-entry record; bufferLength is the size given for
    // `previous`.
    virtual bool AdjustTokenPrivileges(TokenHandle token, bool disableAll,
                                       const TokenPrivileges& request, std::uint32_t bufferLength,
                                       TokenPrivileges& previous, std::uint32_t& returnLength) = 0;
    // CloseHandle.
    virtual void CloseToken(TokenHandle token) = 0;
    // ExitWindowsEx.
    virtual bool ExitSession(std::uint32_t flags, std::uint32_t reason) = 0;
};

} // namespace vantrel::os
