#pragma once
// The data resources embedded in the program file. Implementations: os/win32/Win32Resources
// (the program's own module) and the in-memory resources of the tests.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vantrel::os {

// Resource type codes, as Windows numbers them.
enum class ResourceType : std::uint16_t { RcData = 10 };

class Resources {
public:
    virtual ~Resources() = default;
    // FindResourceW, LoadResource, SizeofResource, LockResource: the bytes of the resource of
    // this type whose name matches without regard to letter case, or nothing when there is
    // none. The bytes stay valid as long as the resources do; there is nothing to release.
    virtual std::optional<std::span<const std::uint8_t>> Find(ResourceType type,
                                                              std::wstring_view name) const = 0;
};

} // namespace vantrel::os
