#include "os/win32/Win32Registry.h"

#include "os/win32/UniqueHandle.h"

#include <string>

namespace vantrel::os {
namespace {

RegStatus StatusOf(LSTATUS status) {
    if (status == ERROR_SUCCESS) return RegStatus::Ok;
    if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND)
        return RegStatus::NotFound;
    return RegStatus::Failed;
}

HKEY HandleOf(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

REGSAM WithView(std::uint32_t access) {
    // The shipped program is 32-bit; the x64 build keeps to the same view unless the caller
    // asked for the 64-bit one.
    if constexpr (sizeof(void*) == 8) {
        if (!(access & RegAccess::Wow64_64Key)) access |= RegAccess::Wow64_32Key;
    }
    return access;
}

class Win32Key final : public RegistryKey {
public:
    explicit Win32Key(unique_hkey key) : key_(std::move(key)) {}

    RegStatus Query(std::wstring_view name, RegistryData& out) override {
        std::wstring valueName(name);
        DWORD type = 0;
        DWORD size = 0;
        LSTATUS status = RegQueryValueExW(key_.get(), valueName.c_str(), nullptr, &type,
                                          nullptr, &size);
        // The value may grow between the two calls: ask again with the size it then needs.
        for (int attempt = 0; attempt < 8 && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA);
             ++attempt) {
            out.bytes.resize(size);
            DWORD got = size;
            status = RegQueryValueExW(key_.get(), valueName.c_str(), nullptr, &type,
                                      out.bytes.empty() ? nullptr : out.bytes.data(), &got);
            if (status == ERROR_SUCCESS) {
                out.bytes.resize(got);
                out.type = type;
                return RegStatus::Ok;
            }
            size = got;
        }
        return status == ERROR_MORE_DATA ? RegStatus::Failed : StatusOf(status);
    }

    RegStatus Set(std::wstring_view name, std::uint32_t type,
                  std::span<const std::uint8_t> bytes) override {
        std::wstring valueName(name);
        return StatusOf(RegSetValueExW(key_.get(), valueName.c_str(), 0, type,
                                       bytes.empty() ? nullptr : bytes.data(),
                                       static_cast<DWORD>(bytes.size())));
    }

    RegStatus Delete(std::wstring_view name) override {
        std::wstring valueName(name);
        return StatusOf(RegDeleteValueW(key_.get(), valueName.c_str()));
    }

private:
    unique_hkey key_;
};

} // namespace

RegStatus Win32Registry::Open(RegistryRoot root, std::wstring_view path, std::uint32_t access,
                              std::unique_ptr<RegistryKey>& key) {
    std::wstring subKey(path);
    unique_hkey opened;
    RegStatus status =
        StatusOf(RegOpenKeyExW(HandleOf(root), subKey.c_str(), 0, WithView(access), opened.put()));
    if (status == RegStatus::Ok) key = std::make_unique<Win32Key>(std::move(opened));
    return status;
}

RegStatus Win32Registry::Create(RegistryRoot root, std::wstring_view path, std::uint32_t access,
                                std::unique_ptr<RegistryKey>& key) {
    std::wstring subKey(path);
    unique_hkey opened;
    RegStatus status = StatusOf(RegCreateKeyExW(HandleOf(root), subKey.c_str(), 0, nullptr,
                                                REG_OPTION_NON_VOLATILE, WithView(access),
                                                nullptr, opened.put(), nullptr));
    if (status == RegStatus::Ok) key = std::make_unique<Win32Key>(std::move(opened));
    return status;
}

RegistryBackend& SystemRegistry() {
    static Win32Registry registry;
    return registry;
}

} // namespace vantrel::os
