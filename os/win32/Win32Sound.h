#pragma once
#include "os/Sound.h"

namespace vantrel::os {

// PlaySoundW from winmm, which is no KnownDLL: it is loaded from the system folder for the
// call and released after it.
class Win32Sound final : public Sound {
public:
    bool Play(std::wstring_view name, std::uint32_t flags) override;
};

Sound& SystemSound();

} // namespace vantrel::os
