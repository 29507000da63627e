#pragma once
// The operating system's own report of its version (GetVersionExW). Only the three fields
// the program looks at are carried; a refused query reports false and leaves them zero.

#include <cstdint>

namespace vantrel::os {

struct VersionRecord {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    // VER_NT_WORKSTATION 1, VER_NT_DOMAIN_CONTROLLER 2, VER_NT_SERVER 3; only the extended
    // record carries it, so it stays 0 after a basic query.
    std::uint8_t productType = 0;
};

class VersionQuery {
public:
    virtual ~VersionQuery() = default;
    // GetVersionExW with the extended record (OSVERSIONINFOEXW, 284 bytes).
    virtual bool Extended(VersionRecord& record) = 0;
    // GetVersionExW with the basic record (OSVERSIONINFOW, 276 bytes).
    virtual bool Basic(VersionRecord& record) = 0;
};

} // namespace vantrel::os
