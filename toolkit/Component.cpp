#include "toolkit/Component.h"

#include "toolkit/Text.h"

namespace vantrel {

TComponent::TComponent(TComponent* owner, std::wstring name)
    : owner_(owner), name_(std::move(name)) {}

TComponent::~TComponent() {
    // Destroy in reverse creation order, so that children go before the panels holding them.
    while (!owned_.empty())
        owned_.pop_back();
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* component : components_)
        if (SameTextAscii(component->Name(), name)) return component;
    return nullptr;
}

void TComponent::Adopt(std::unique_ptr<TComponent> component) {
    components_.push_back(component.get());
    owned_.push_back(std::move(component));
}

} // namespace vantrel
