#pragma once
// Pop-up menus and their items. Items are components of the form, not controls: they have
// a caption but no font of their own.

#include "toolkit/Control.h"

#include <string>
#include <vector>

namespace vantrel {

class TMenuItem : public TComponent {
public:
    using TComponent::TComponent;

    // "-" makes the item a separator line.
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
    bool IsSeparator() const { return caption_ == L"-"; }

    NotifyEvent OnClick;

private:
    std::wstring caption_;
};

class TPopupMenu : public TComponent {
public:
    using TComponent::TComponent;

    const std::vector<TMenuItem*>& Items() const { return items_; }
    void Add(TMenuItem& item) { items_.push_back(&item); }

private:
    std::vector<TMenuItem*> items_;
};

} // namespace vantrel
