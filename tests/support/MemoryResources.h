#pragma once
// Resources held in memory for the native tests, found by name without regard to the case
// of A to Z, as the program's own file finds them.

#include "os/Resources.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel::testing {

class MemoryResources final : public os::Resources {
public:
    void Put(os::ResourceType type, std::wstring_view name, std::vector<std::uint8_t> bytes);
    void Put(os::ResourceType type, std::wstring_view name, std::string_view bytes);

    std::optional<std::span<const std::uint8_t>> Find(os::ResourceType type,
                                                      std::wstring_view name) const override;

private:
    std::map<std::pair<os::ResourceType, std::wstring>, std::vector<std::uint8_t>> resources_;
};

} // namespace vantrel::testing
