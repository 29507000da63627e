#include "os/win32/Win32Resources.h"

#include <string>

namespace vantrel::os {

std::optional<std::span<const std::uint8_t>> Win32Resources::Find(ResourceType type,
                                                                  std::wstring_view name) const {
    // FindResourceW upper-cases a name before it compares, so any letter case finds it. A
    // name starting with '#' would be taken as a number; no resource of ours is numbered.
    if (name.empty() || name.front() == L'#') return std::nullopt;
    const std::wstring terminated(name);
    HRSRC found =
        FindResourceW(module_, terminated.c_str(), MAKEINTRESOURCEW(static_cast<WORD>(type)));
    if (!found) return std::nullopt;
    // A loaded resource lives as long as its module; FreeResource has nothing to do.
    HGLOBAL loaded = LoadResource(module_, found);
    DWORD size = SizeofResource(module_, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(bytes), size);
}

} // namespace vantrel::os
