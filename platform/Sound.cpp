#include "platform/Sound.h"

#include "toolkit/Guarded.h"

namespace vantrel {

void PlayClickSound(os::Sound& sound) noexcept {
    // Synchronous (no SND_ASYNC) and without SND_NODEFAULT.
    Guarded([&sound] { sound.Play(kClickSound, os::kSoundResource); });
}

} // namespace vantrel
