#pragma once
// Which Windows release the program runs on, as a version code: -1 (not recognised) or 0
// to 7. The code only chooses the Windows edition the main window shows.

#include "os/VersionQuery.h"

#include <cstdint>

namespace vantrel {

inline constexpr int kUnknownWindows = -1;

// The version code for a reported version. The product type counts only where a
// workstation and a server share a version number (5.2 and 6.x); there 0 (not reported)
// gives -1, 1 a workstation and every value from 2 to 255 a server.
int WindowsVersionCode(std::uint32_t major, std::uint32_t minor, std::uint8_t productType);

// Asks with the extended record and, when that is refused, with the basic one; -1 when
// both are refused or anything fails.
int GetWindowsVersion(os::VersionQuery& query) noexcept;

} // namespace vantrel
