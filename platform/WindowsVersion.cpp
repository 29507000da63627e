#include "platform/WindowsVersion.h"

#include "toolkit/Guarded.h"

namespace vantrel {
namespace {

struct Release {
    std::uint32_t major;
    std::uint32_t minor;
    bool typed; // workstation and server share this version number
    int workstation;
    int server; // the code when the product type does not matter, for untyped rows
};

constexpr Release kReleases[] = {
    {5, 0, false, 0, 0}, // Windows 2000, every edition
    {5, 1, false, 1, 1}, // Windows XP
    {5, 2, true, 1, 2},  // XP Professional x64 / Server 2003
    {6, 0, true, 3, 4},  // Vista / Server 2008
    {6, 1, true, 5, 4},  // 7 / Server 2008 R2
    {6, 2, true, 6, 7},  // 8 / Server 2012 (and every later release without a manifest)
};

} // namespace

int WindowsVersionCode(std::uint32_t major, std::uint32_t minor, std::uint8_t productType) {
    for (const Release& r : kReleases) {
        if (r.major != major || r.minor != minor) continue;
        if (!r.typed) return r.workstation;
        if (productType == 0) return kUnknownWindows;
        return productType == 1 ? r.workstation : r.server;
    }
    return kUnknownWindows;
}

int GetWindowsVersion(os::VersionQuery& query) noexcept {
    return GuardedOr(kUnknownWindows, [&query] {
        os::VersionRecord record;
        if (!query.Extended(record)) {
            record = {};
            query.Basic(record); // a refusal leaves the record zero, which maps to -1
            record.productType = 0;
        }
        return WindowsVersionCode(record.major, record.minor, record.productType);
    });
}

} // namespace vantrel
