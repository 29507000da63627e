#include "optimizer/CustomRegistry.h"

#include "toolkit/Guarded.h"
#include "toolkit/Text.h"

#include <array>

namespace vantrel {
namespace {

using os::RegAccess::AllAccess;
using os::RegAccess::Read;
using os::RegAccess::Wow64_64Key;
using os::RegAccess::Write;

std::uint32_t Mask(std::uint32_t access, bool use64BitView) {
    return use64BitView ? access | Wow64_64Key : access;
}

// The key path as the operating system takes it: one leading backslash dropped.
std::wstring_view FromRoot(std::wstring_view keyPath) {
    if (!keyPath.empty() && keyPath.front() == L'\\') keyPath.remove_prefix(1);
    return keyPath;
}

} // namespace

os::RegStatus CustomRegistry::ReadRegistryData(RegistryRoot root, std::wstring_view keyPath,
                                               std::wstring_view valueName,
                                               os::RegistryData& out) const {
    return GuardedOr(os::RegStatus::Failed, [&] {
        std::unique_ptr<os::RegistryKey> key;
        os::RegStatus opened = backend_.Open(root, FromRoot(keyPath), Read, key);
        if (opened != os::RegStatus::Ok) return opened;
        return key->Query(valueName, out);
    });
}

bool CustomRegistry::Query(RegistryRoot root, std::wstring_view keyPath,
                           std::wstring_view valueName, bool use64BitView,
                           os::RegistryData& out) const {
    std::unique_ptr<os::RegistryKey> key;
    return backend_.Open(root, FromRoot(keyPath), Mask(Read, use64BitView), key) ==
               os::RegStatus::Ok &&
           key->Query(valueName, out) == os::RegStatus::Ok;
}

std::wstring CustomRegistry::ReadRegistryString(RegistryRoot root, std::wstring_view keyPath,
                                                std::wstring_view valueName,
                                                std::wstring_view defaultValue,
                                                bool use64BitView) const {
    std::wstring fallback(defaultValue);
    return GuardedOr(fallback, [&] {
        os::RegistryData data;
        if (!Query(root, keyPath, valueName, use64BitView, data)) return fallback;
        if (data.type != os::RegType::Sz && data.type != os::RegType::ExpandSz) return fallback;
        std::wstring text = FromUtf16Le(data.bytes.data(), data.bytes.size());
        return text.empty() ? fallback : text;
    });
}

bool CustomRegistry::ReadDword(RegistryRoot root, std::wstring_view keyPath,
                               std::wstring_view valueName, bool use64BitView,
                               std::int32_t& out) const {
    return GuardedOr(false, [&] {
        os::RegistryData data;
        if (!Query(root, keyPath, valueName, use64BitView, data)) return false;
        // The value counts only when it is a REG_DWORD whose data fits in 4 bytes; a shorter
        // one is zero-extended, as a query into a zeroed 4-byte buffer would leave it.
        if (data.type != os::RegType::Dword || data.bytes.size() > 4) return false;
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < data.bytes.size(); ++i)
            bits |= std::uint32_t(data.bytes[i]) << (8 * i);
        out = static_cast<std::int32_t>(bits);
        return true;
    });
}

std::int32_t CustomRegistry::ReadRegistryInteger(RegistryRoot root, std::wstring_view keyPath,
                                                 std::wstring_view valueName,
                                                 std::int32_t defaultValue,
                                                 bool use64BitView) const {
    std::int32_t value = defaultValue;
    return ReadDword(root, keyPath, valueName, use64BitView, value) ? value : defaultValue;
}

bool CustomRegistry::ReadRegistryBool(RegistryRoot root, std::wstring_view keyPath,
                                      std::wstring_view valueName, bool defaultValue,
                                      bool use64BitView) const {
    std::int32_t value = 0;
    return ReadDword(root, keyPath, valueName, use64BitView, value) ? value != 0 : defaultValue;
}

bool CustomRegistry::SetValue(RegistryRoot root, std::wstring_view keyPath,
                              std::wstring_view valueName, std::uint32_t type,
                              std::span<const std::uint8_t> bytes, bool use64BitView) const {
    return GuardedOr(false, [&] {
        std::unique_ptr<os::RegistryKey> key;
        return backend_.Create(root, FromRoot(keyPath), Mask(Write, use64BitView), key) ==
                   os::RegStatus::Ok &&
               key->Set(valueName, type, bytes) == os::RegStatus::Ok;
    });
}

bool CustomRegistry::WriteRegistryString(RegistryRoot root, std::wstring_view keyPath,
                                         std::wstring_view valueName, std::wstring_view value,
                                         bool use64BitView) const {
    return GuardedOr(false, [&] {
        std::vector<std::uint8_t> bytes = ToUtf16Le(value, true);
        return SetValue(root, keyPath, valueName, os::RegType::Sz, bytes, use64BitView);
    });
}

bool CustomRegistry::WriteRegistryInteger(RegistryRoot root, std::wstring_view keyPath,
                                          std::wstring_view valueName, std::int32_t value,
                                          bool use64BitView) const {
    auto bits = static_cast<std::uint32_t>(value);
    std::array<std::uint8_t, 4> bytes{std::uint8_t(bits), std::uint8_t(bits >> 8),
                                      std::uint8_t(bits >> 16), std::uint8_t(bits >> 24)};
    return SetValue(root, keyPath, valueName, os::RegType::Dword, bytes, use64BitView);
}

bool CustomRegistry::WriteRegistryBool(RegistryRoot root, std::wstring_view keyPath,
                                       std::wstring_view valueName, bool value,
                                       bool use64BitView) const {
    return WriteRegistryInteger(root, keyPath, valueName, value ? 1 : 0, use64BitView);
}

bool CustomRegistry::WriteRegistryData(RegistryRoot root, std::wstring_view keyPath,
                                       std::wstring_view valueName,
                                       const os::RegistryData& data) const {
    return SetValue(root, keyPath, valueName, data.type, data.bytes, false);
}

bool CustomRegistry::DeleteRegistryValue(RegistryRoot root, std::wstring_view keyPath,
                                         std::wstring_view valueName, bool use64BitView) const {
    return GuardedOr(false, [&] {
        std::unique_ptr<os::RegistryKey> key;
        os::RegStatus opened =
            backend_.Open(root, FromRoot(keyPath), Mask(AllAccess, use64BitView), key);
        if (opened != os::RegStatus::Ok) return opened == os::RegStatus::NotFound;
        return key->Delete(valueName) != os::RegStatus::Failed;
    });
}

} // namespace vantrel
