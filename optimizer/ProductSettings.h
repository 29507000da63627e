#pragma once
// The product key and every value it holds, with its stored form and its default. All of
// the program's own state lives here; every reader and writer goes through this table.

#include "optimizer/CustomRegistry.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

inline constexpr RegistryRoot kProductRoot = RegistryRoot::LocalMachine;
inline constexpr std::wstring_view kProductKeyPath = L"\\Software\\Kestamir\\Vantrel\\";

enum class ValueKind { Text, Integer, Boolean };

struct ProductValue {
    std::wstring_view name;
    ValueKind kind;
    std::wstring_view textDefault = L"";
    std::int32_t numberDefault = 0;
};

namespace product {
inline constexpr ProductValue InstalledDate{L"InstalledDate", ValueKind::Text};
inline constexpr ProductValue Updated{L"Updated", ValueKind::Boolean};
inline constexpr ProductValue UpdatedDate{L"UpdatedDate", ValueKind::Text};
inline constexpr ProductValue InternetType{L"InternetType", ValueKind::Integer};
inline constexpr ProductValue SpeedSetting{L"SpeedSetting", ValueKind::Integer};
inline constexpr ProductValue Restore{L"Restore", ValueKind::Boolean};
inline constexpr ProductValue Language{L"Language", ValueKind::Text, L"english"};
// Backups of the four system values that an Optimize overwrites, under the same names.
inline constexpr ProductValue MaxConnectionsPerServer{L"MaxConnectionsPerServer",
                                                      ValueKind::Integer, L"", 2};
inline constexpr ProductValue MaxConnectionsPer1_0Server{L"MaxConnectionsPer1_0Server",
                                                         ValueKind::Integer, L"", 2};
inline constexpr ProductValue KeepAliveTime{L"KeepAliveTime", ValueKind::Integer, L"", 7200000};
inline constexpr ProductValue KeepAliveInterval{L"KeepAliveInterval", ValueKind::Integer, L"",
                                                1000};

inline constexpr std::array kAll{InstalledDate,
                                 Updated,
                                 UpdatedDate,
                                 InternetType,
                                 SpeedSetting,
                                 Restore,
                                 Language,
                                 MaxConnectionsPerServer,
                                 MaxConnectionsPer1_0Server,
                                 KeepAliveTime,
                                 KeepAliveInterval};
} // namespace product

// Reads and writes product values with their own stored form and default.
class ProductSettings {
public:
    explicit ProductSettings(const CustomRegistry& registry) : registry_(registry) {}

    std::wstring ReadText(const ProductValue& value) const;
    std::int32_t ReadInteger(const ProductValue& value) const;
    bool ReadBool(const ProductValue& value) const;

    bool WriteText(const ProductValue& value, std::wstring_view text) const;
    bool WriteInteger(const ProductValue& value, std::int32_t number) const;
    bool WriteBool(const ProductValue& value, bool flag) const;
    bool Delete(const ProductValue& value) const;

    const CustomRegistry& Registry() const { return registry_; }

private:
    const CustomRegistry& registry_;
};

} // namespace vantrel
