#include "tests/support/MemoryRegistry.h"

#include "toolkit/Text.h"

namespace vantrel::testing {

using os::RegStatus;

std::optional<std::wstring> NormalisedKeyPath(std::wstring_view path) {
    if (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
    if (!path.empty() && (path.front() == L'\\' || path.find(L"\\\\") != std::wstring_view::npos))
        return std::nullopt;
    return LowerAscii(path);
}

class MemoryKey final : public os::RegistryKey {
public:
    MemoryKey(MemoryRegistry& registry, os::RegistryRoot root, std::wstring path,
              std::uint32_t access)
        : registry_(registry), root_(root), path_(std::move(path)), access_(access) {}

    RegStatus Query(std::wstring_view name, os::RegistryData& out) override {
        if (registry_.Fails({RegOp::Query, root_, path_, std::wstring(name), access_}))
            return RegStatus::Failed;
        if (!(access_ & os::RegAccess::QueryValue)) return RegStatus::Failed;
        MemoryRegistry::KeyNode* node = registry_.Find(root_, path_);
        if (!node) return RegStatus::Failed; // deleted under us
        auto found = node->values.find(LowerAscii(name));
        if (found == node->values.end()) return RegStatus::NotFound;
        out = found->second.data;
        return RegStatus::Ok;
    }

    RegStatus Set(std::wstring_view name, std::uint32_t type,
                  std::span<const std::uint8_t> bytes) override {
        if (registry_.Fails({RegOp::Set, root_, path_, std::wstring(name), access_}))
            return RegStatus::Failed;
        if (!(access_ & os::RegAccess::SetValue)) return RegStatus::Failed;
        MemoryRegistry::KeyNode* node = registry_.Find(root_, path_);
        if (!node) return RegStatus::Failed;
        node->values[LowerAscii(name)] = {
            std::wstring(name), {type, std::vector<std::uint8_t>(bytes.begin(), bytes.end())}};
        return RegStatus::Ok;
    }

    RegStatus Delete(std::wstring_view name) override {
        if (registry_.Fails({RegOp::Delete, root_, path_, std::wstring(name), access_}))
            return RegStatus::Failed;
        if (!(access_ & os::RegAccess::SetValue)) return RegStatus::Failed;
        MemoryRegistry::KeyNode* node = registry_.Find(root_, path_);
        if (!node) return RegStatus::Failed;
        return node->values.erase(LowerAscii(name)) ? RegStatus::Ok : RegStatus::NotFound;
    }

private:
    MemoryRegistry& registry_;
    os::RegistryRoot root_;
    std::wstring path_;
    std::uint32_t access_;
};

namespace {
// The direct helpers take paths as the program writes them, with or without the leading
// backslash.
std::wstring_view Direct(std::wstring_view path) {
    if (!path.empty() && path.front() == L'\\') path.remove_prefix(1);
    return path;
}
} // namespace

MemoryRegistry::MemoryRegistry() = default;
MemoryRegistry::~MemoryRegistry() = default;

bool MemoryRegistry::Fails(const RegCall& call) {
    calls_.push_back(call);
    return failWhen && failWhen(call);
}

MemoryRegistry::KeyNode* MemoryRegistry::Find(os::RegistryRoot root, std::wstring_view path) {
    auto normal = NormalisedKeyPath(path);
    if (!normal) return nullptr;
    auto found = keys_.find({root, *normal});
    return found == keys_.end() ? nullptr : &found->second;
}

const MemoryRegistry::KeyNode* MemoryRegistry::Find(os::RegistryRoot root,
                                                    std::wstring_view path) const {
    return const_cast<MemoryRegistry*>(this)->Find(root, path);
}

RegStatus MemoryRegistry::Open(os::RegistryRoot root, std::wstring_view path, std::uint32_t access,
                               std::unique_ptr<os::RegistryKey>& key) {
    if (Fails({RegOp::Open, root, std::wstring(path), L"", access})) return RegStatus::Failed;
    auto normal = NormalisedKeyPath(path);
    if (!normal) return RegStatus::Failed;
    if (!Find(root, *normal)) return RegStatus::NotFound;
    key = std::make_unique<MemoryKey>(*this, root, *normal, access);
    return RegStatus::Ok;
}

RegStatus MemoryRegistry::Create(os::RegistryRoot root, std::wstring_view path,
                                 std::uint32_t access, std::unique_ptr<os::RegistryKey>& key) {
    if (Fails({RegOp::Create, root, std::wstring(path), L"", access})) return RegStatus::Failed;
    auto normal = NormalisedKeyPath(path);
    if (!normal) return RegStatus::Failed;
    if (!Find(root, *normal)) CreateKey(root, *normal);
    key = std::make_unique<MemoryKey>(*this, root, *normal, access);
    return RegStatus::Ok;
}

void MemoryRegistry::CreateKey(os::RegistryRoot root, std::wstring_view path) {
    auto normal = NormalisedKeyPath(Direct(path));
    if (!normal) return;
    // Every key along the path comes into being, as RegCreateKeyEx does it.
    keys_[{root, L""}];
    for (std::size_t at = 0; at != std::wstring::npos;) {
        at = normal->find(L'\\', at + 1);
        keys_[{root, normal->substr(0, at)}];
    }
}

void MemoryRegistry::Put(os::RegistryRoot root, std::wstring_view path, std::wstring_view name,
                         std::uint32_t type, std::vector<std::uint8_t> bytes) {
    CreateKey(root, path);
    Find(root, Direct(path))->values[LowerAscii(name)] = {std::wstring(name),
                                                          {type, std::move(bytes)}};
}

void MemoryRegistry::PutDword(os::RegistryRoot root, std::wstring_view path, std::wstring_view name,
                              std::uint32_t value) {
    Put(root, path, name, os::RegType::Dword,
        {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
         std::uint8_t(value >> 24)});
}

void MemoryRegistry::PutString(os::RegistryRoot root, std::wstring_view path,
                               std::wstring_view name, std::wstring_view text, std::uint32_t type) {
    Put(root, path, name, type, ToUtf16Le(text, true));
}

std::optional<os::RegistryData> MemoryRegistry::Get(os::RegistryRoot root, std::wstring_view path,
                                                    std::wstring_view name) const {
    const KeyNode* node = Find(root, Direct(path));
    if (!node) return std::nullopt;
    auto found = node->values.find(LowerAscii(name));
    if (found == node->values.end()) return std::nullopt;
    return found->second.data;
}

bool MemoryRegistry::KeyExists(os::RegistryRoot root, std::wstring_view path) const {
    return Find(root, Direct(path)) != nullptr;
}

std::map<std::wstring, os::RegistryData> MemoryRegistry::Values(os::RegistryRoot root,
                                                                std::wstring_view path) const {
    std::map<std::wstring, os::RegistryData> out;
    if (const KeyNode* node = Find(root, Direct(path)))
        for (const auto& [lower, value] : node->values)
            out[lower] = value.data;
    return out;
}

} // namespace vantrel::testing
