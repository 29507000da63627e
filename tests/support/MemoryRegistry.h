#pragma once
// An in-memory registry for the native tests. It keeps value types and raw bytes as the
// real registry does, matches key paths and value names without regard to case, enforces
// the access mask a key was opened with, and can be told to fail any operation.

#include "os/Registry.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::testing {

enum class RegOp { Open, Create, Query, Set, Delete };

struct RegCall {
    RegOp op;
    os::RegistryRoot root;
    std::wstring path;
    std::wstring name; // empty for Open and Create
    std::uint32_t access = 0;
};

class MemoryRegistry final : public os::RegistryBackend {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;

    os::RegStatus Open(os::RegistryRoot root, std::wstring_view path, std::uint32_t access,
                       std::unique_ptr<os::RegistryKey>& key) override;
    os::RegStatus Create(os::RegistryRoot root, std::wstring_view path, std::uint32_t access,
                         std::unique_ptr<os::RegistryKey>& key) override;

    // Direct access for setting up and checking, outside the failure rules and the log.
    void Put(os::RegistryRoot root, std::wstring_view path, std::wstring_view name,
             std::uint32_t type, std::vector<std::uint8_t> bytes);
    void PutDword(os::RegistryRoot root, std::wstring_view path, std::wstring_view name,
                  std::uint32_t value);
    void PutString(os::RegistryRoot root, std::wstring_view path, std::wstring_view name,
                   std::wstring_view text, std::uint32_t type = os::RegType::Sz);
    std::optional<os::RegistryData> Get(os::RegistryRoot root, std::wstring_view path,
                                        std::wstring_view name) const;
    bool KeyExists(os::RegistryRoot root, std::wstring_view path) const;
    void CreateKey(os::RegistryRoot root, std::wstring_view path);
    // Every value of a key, by lower-cased name.
    std::map<std::wstring, os::RegistryData> Values(os::RegistryRoot root,
                                                    std::wstring_view path) const;

    // Every operation asks this first; returning true makes the operation fail (denied).
    std::function<bool(const RegCall&)> failWhen;
    // Every operation that reached the registry, in order, failed ones included.
    const std::vector<RegCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    struct Value {
        std::wstring name;
        os::RegistryData data;
    };
    struct KeyNode {
        std::map<std::wstring, Value> values; // by lower-cased name
    };

private:
    friend class MemoryKey;
    bool Fails(const RegCall& call);
    KeyNode* Find(os::RegistryRoot root, std::wstring_view path);
    const KeyNode* Find(os::RegistryRoot root, std::wstring_view path) const;

    // Keys by root and normalised (lower-cased, no trailing backslash) path. Parents of a
    // key always exist.
    std::map<std::pair<os::RegistryRoot, std::wstring>, KeyNode> keys_;
    std::vector<RegCall> calls_;
};

// Normalises a key path as the registry compares it: lower-cased, no trailing backslash.
// Returns nullopt for a path the registry refuses (an empty component inside it).
std::optional<std::wstring> NormalisedKeyPath(std::wstring_view path);

} // namespace vantrel::testing
