#pragma once
// Components: named objects with an owner. An owner owns its components (in creation order)
// and finds them by name without regard to the case of A to Z, however deeply the
// components are nested in panels.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class TComponent {
public:
    TComponent(TComponent* owner, std::wstring name);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::wstring& Name() const { return name_; }
    TComponent* Owner() const { return owner_; }

    // The components this one owns, in the order they were created.
    const std::vector<TComponent*>& Components() const { return components_; }
    TComponent* FindComponent(std::wstring_view name) const;

    // Creates a component owned by this one; the owner destroys it.
    template <class T, class... Args> T& Create(Args&&... args) {
        auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& result = *component;
        Adopt(std::move(component));
        return result;
    }

private:
    void Adopt(std::unique_ptr<TComponent> component);

    TComponent* owner_;
    std::wstring name_;
    std::vector<TComponent*> components_;
    std::vector<std::unique_ptr<TComponent>> owned_;
};

} // namespace vantrel
