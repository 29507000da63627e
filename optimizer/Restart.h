#pragma once
// Restarting Windows so that the tuned settings take effect. The request asks running
// programs to close, so that they can save their work, and forces only those that hang.

#include "os/Shutdown.h"

namespace vantrel {

// The request RestartWindows makes.
inline constexpr std::uint32_t kRestartFlags = os::ExitFlags::Reboot | os::ExitFlags::ForceIfHung;
inline constexpr std::uint32_t kRestartReason = os::ShutdownReason::MajorOperatingSystem |
                                                os::ShutdownReason::MinorReconfig |
                                                os::ShutdownReason::FlagPlanned;

// Enables or disables the shutdown privilege in the program's own token. Failures leave the
// privilege as it was; nothing is reported.
void SetShutdownPrivilege(os::Shutdown& system, bool enable) noexcept;

// Enables the privilege, requests the restart and disables the privilege again right away,
// without waiting for the shutdown. Nothing is reported.
void RestartWindows(os::Shutdown& system) noexcept;

} // namespace vantrel
