#include "optimizer/ProductSettings.h"

namespace vantrel {

std::wstring ProductSettings::ReadText(const ProductValue& value) const {
    return registry_.ReadRegistryString(kProductRoot, kProductKeyPath, value.name,
                                        value.textDefault);
}

std::int32_t ProductSettings::ReadInteger(const ProductValue& value) const {
    return registry_.ReadRegistryInteger(kProductRoot, kProductKeyPath, value.name,
                                         value.numberDefault);
}

bool ProductSettings::ReadBool(const ProductValue& value) const {
    return registry_.ReadRegistryBool(kProductRoot, kProductKeyPath, value.name,
                                      value.numberDefault != 0);
}

bool ProductSettings::WriteText(const ProductValue& value, std::wstring_view text) const {
    return registry_.WriteRegistryString(kProductRoot, kProductKeyPath, value.name, text);
}

bool ProductSettings::WriteInteger(const ProductValue& value, std::int32_t number) const {
    return registry_.WriteRegistryInteger(kProductRoot, kProductKeyPath, value.name, number);
}

bool ProductSettings::WriteBool(const ProductValue& value, bool flag) const {
    return registry_.WriteRegistryBool(kProductRoot, kProductKeyPath, value.name, flag);
}

bool ProductSettings::Delete(const ProductValue& value) const {
    return registry_.DeleteRegistryValue(kProductRoot, kProductKeyPath, value.name);
}

} // namespace vantrel
