#pragma once
// The registry as the program sees it: predefined roots, keys opened by path, and values as
// a type code with raw bytes. Implementations: os/win32/Win32Registry (the real registry)
// and the in-memory registry of the tests. Failures are reported as a status, never thrown.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace vantrel::os {

enum class RegistryRoot { LocalMachine, CurrentUser };

// Value type codes, as the registry stores them.
namespace RegType {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t Sz = 1;
inline constexpr std::uint32_t ExpandSz = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t DwordBigEndian = 5;
inline constexpr std::uint32_t MultiSz = 7;
inline constexpr std::uint32_t Qword = 11;
} // namespace RegType

// Access masks, as Windows defines them.
namespace RegAccess {
inline constexpr std::uint32_t QueryValue = 0x0001;
inline constexpr std::uint32_t SetValue = 0x0002;
inline constexpr std::uint32_t Read = 0x20019;
inline constexpr std::uint32_t Write = 0x20006;
inline constexpr std::uint32_t AllAccess = 0xF003F;
inline constexpr std::uint32_t Wow64_64Key = 0x0100;
inline constexpr std::uint32_t Wow64_32Key = 0x0200;
} // namespace RegAccess

enum class RegStatus { Ok, NotFound, Failed };

struct RegistryData {
    std::uint32_t type = RegType::None;
    std::vector<std::uint8_t> bytes;
    bool operator==(const RegistryData&) const = default;
};

// An open key; closing it is the destructor's job (RegCloseKey, no flush).
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // RegQueryValueExW: the value's type and all of its bytes, whatever their size.
    virtual RegStatus Query(std::wstring_view name, RegistryData& out) = 0;
    // RegSetValueExW: replaces a value of any type under that name.
    virtual RegStatus Set(std::wstring_view name, std::uint32_t type,
                          std::span<const std::uint8_t> bytes) = 0;
    // RegDeleteValueW: NotFound when there was no such value.
    virtual RegStatus Delete(std::wstring_view name) = 0;
};

class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;
    // RegOpenKeyExW(root, path, 0, access): an existing key only; nothing is created.
    virtual RegStatus Open(RegistryRoot root, std::wstring_view path, std::uint32_t access,
                           std::unique_ptr<RegistryKey>& key) = 0;
    // RegCreateKeyExW(root, path, REG_OPTION_NON_VOLATILE, access): opens the key, creating
    // every missing key along the path.
    virtual RegStatus Create(RegistryRoot root, std::wstring_view path, std::uint32_t access,
                             std::unique_ptr<RegistryKey>& key) = 0;
};

} // namespace vantrel::os
