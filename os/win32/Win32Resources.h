#pragma once
// The resources of a loaded module: by default the program's own file, or any module loaded
// as an image resource (the tests read the built program that way).

#include "os/Resources.h"

#include <windows.h>

namespace vantrel::os {

class Win32Resources final : public Resources {
public:
    // The module stays borrowed: it must outlive this object.
    explicit Win32Resources(HMODULE module = GetModuleHandleW(nullptr)) : module_(module) {}

    std::optional<std::span<const std::uint8_t>> Find(ResourceType type,
                                                      std::wstring_view name) const override;

private:
    HMODULE module_;
};

} // namespace vantrel::os
