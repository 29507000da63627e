#pragma once
// The click that marks the start of an action.

#include "os/Sound.h"

#include <string_view>

namespace vantrel {

// The WAVE resource in the program's own module.
inline constexpr std::wstring_view kClickSound = L"click";

// Plays the click and returns when it has ended, so that the action starts after it. Where
// the resource cannot be found the system's default sound plays instead. Never reports.
void PlayClickSound(os::Sound& sound) noexcept;

} // namespace vantrel
