#pragma once
// Seven self-contained operations on single registry values. Each call opens its key, does
// one thing and closes the key again; nothing is cached and no failure reaches the caller:
// a failed read yields the caller's default, a failed write or delete changes nothing.
// Writes and deletes say whether they took effect; callers may ignore it.
//
// Paths are taken from the root; one leading backslash is dropped, a trailing one is kept.
// Every access stays in the registry view of a 32-bit process unless Use64BitView is set.

#include "os/Registry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

using os::RegistryRoot;

class CustomRegistry {
public:
    explicit CustomRegistry(os::RegistryBackend& backend) : backend_(backend) {}

    // REG_SZ or REG_EXPAND_SZ (unexpanded) up to its first NUL; empty counts as missing.
    std::wstring ReadRegistryString(RegistryRoot root, std::wstring_view keyPath,
                                    std::wstring_view valueName, std::wstring_view defaultValue,
                                    bool use64BitView = false) const;
    // A REG_DWORD of at most 4 bytes, as a signed integer; anything else yields the default.
    std::int32_t ReadRegistryInteger(RegistryRoot root, std::wstring_view keyPath,
                                     std::wstring_view valueName, std::int32_t defaultValue,
                                     bool use64BitView = false) const;
    // As ReadRegistryInteger; any non-zero value is true.
    bool ReadRegistryBool(RegistryRoot root, std::wstring_view keyPath, std::wstring_view valueName,
                          bool defaultValue, bool use64BitView = false) const;

    bool WriteRegistryString(RegistryRoot root, std::wstring_view keyPath,
                             std::wstring_view valueName, std::wstring_view value,
                             bool use64BitView = false) const;
    bool WriteRegistryInteger(RegistryRoot root, std::wstring_view keyPath,
                              std::wstring_view valueName, std::int32_t value,
                              bool use64BitView = false) const;
    bool WriteRegistryBool(RegistryRoot root, std::wstring_view keyPath,
                           std::wstring_view valueName, bool value,
                           bool use64BitView = false) const;

    // True when the value is gone afterwards, also when there was no such value or key.
    bool DeleteRegistryValue(RegistryRoot root, std::wstring_view keyPath,
                             std::wstring_view valueName, bool use64BitView = false) const;

    // The value's type and raw bytes, for callers that must keep a value exactly as it was.
    // Ok with the data, NotFound when the value or its key does not exist, Failed otherwise.
    os::RegStatus ReadRegistryData(RegistryRoot root, std::wstring_view keyPath,
                                   std::wstring_view valueName, os::RegistryData& out) const;
    // Stores a value of any type with exactly these bytes, creating missing keys.
    bool WriteRegistryData(RegistryRoot root, std::wstring_view keyPath,
                           std::wstring_view valueName, const os::RegistryData& data) const;

private:
    bool Query(RegistryRoot root, std::wstring_view keyPath, std::wstring_view valueName,
               bool use64BitView, os::RegistryData& out) const;
    bool ReadDword(RegistryRoot root, std::wstring_view keyPath, std::wstring_view valueName,
                   bool use64BitView, std::int32_t& out) const;
    bool SetValue(RegistryRoot root, std::wstring_view keyPath, std::wstring_view valueName,
                  std::uint32_t type, std::span<const std::uint8_t> bytes, bool use64BitView) const;

    os::RegistryBackend& backend_;
};

} // namespace vantrel
