#include "tests/support/MemoryResources.h"

#include "toolkit/Text.h"

namespace vantrel::testing {

void MemoryResources::Put(os::ResourceType type, std::wstring_view name,
                          std::vector<std::uint8_t> bytes) {
    resources_[{type, LowerAscii(name)}] = std::move(bytes);
}

void MemoryResources::Put(os::ResourceType type, std::wstring_view name, std::string_view bytes) {
    Put(type, name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

std::optional<std::span<const std::uint8_t>> MemoryResources::Find(os::ResourceType type,
                                                                   std::wstring_view name) const {
    auto found = resources_.find({type, LowerAscii(name)});
    if (found == resources_.end()) return std::nullopt;
    return std::span<const std::uint8_t>(found->second);
}

} // namespace vantrel::testing
