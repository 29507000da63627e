#pragma once
// Playing a sound from the program's own resources (PlaySoundW).

#include <cstdint>
#include <string_view>

namespace vantrel::os {

inline constexpr std::uint32_t kSoundResource = 0x00040004; // SND_RESOURCE

class Sound {
public:
    virtual ~Sound() = default;
    // PlaySoundW with the program's own module; returns its result.
    virtual bool Play(std::wstring_view name, std::uint32_t flags) = 0;
};

} // namespace vantrel::os
