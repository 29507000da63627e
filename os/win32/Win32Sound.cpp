#include "os/win32/Win32Sound.h"

#include "os/win32/SystemLibrary.h"

#include <string>

namespace vantrel::os {

bool Win32Sound::Play(std::wstring_view name, std::uint32_t flags) {
    using PlaySoundWFn = BOOL(WINAPI*)(const wchar_t*, HMODULE, DWORD);
    unique_hmodule winmm = LoadSystemLibrary(L"winmm.dll");
    if (!winmm) return false;
    auto play = ProcAddress<PlaySoundWFn>(winmm.get(), "PlaySoundW");
    if (!play) return false;
    std::wstring resource(name);
    return play(resource.c_str(), GetModuleHandleW(nullptr), flags) != FALSE;
}

Sound& SystemSound() {
    static Win32Sound sound;
    return sound;
}

} // namespace vantrel::os
