#pragma once
// The real registry. On x64 every access adds KEY_WOW64_32KEY, so that the 64-bit build
// sees the same 32-bit view as the shipped 32-bit program.

#include "os/Registry.h"

namespace vantrel::os {

class Win32Registry final : public RegistryBackend {
public:
    RegStatus Open(RegistryRoot root, std::wstring_view path, std::uint32_t access,
                   std::unique_ptr<RegistryKey>& key) override;
    RegStatus Create(RegistryRoot root, std::wstring_view path, std::uint32_t access,
                     std::unique_ptr<RegistryKey>& key) override;
};

// The process-wide instance the program uses.
RegistryBackend& SystemRegistry();

} // namespace vantrel::os
