#include "toolkit/Control.h"

#include <algorithm>

namespace vantrel {

TControl::TControl(TComponent* owner, std::wstring name) : TComponent(owner, std::move(name)) {
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
    // The peer goes first: it may still look at the control while it tears its window down.
    peer_.reset();
    if (parent_) std::erase(parent_->controls_, this);
    for (TControl* child : controls_)
        child->parent_ = nullptr;
}

void TControl::SetParent(TControl* parent) {
    if (parent_ == parent) return;
    if (parent_) std::erase(parent_->controls_, this);
    parent_ = parent;
    if (parent_) {
        parent_->controls_.push_back(this);
        if (parentFont_) {
            applyingParentFont_ = true;
            font_.Assign(parent_->font_.Data());
            applyingParentFont_ = false;
        }
    }
}

void TControl::SetBounds(const Rect& bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    Notify(Property::Bounds);
}

void TControl::SetCaption(std::wstring caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    Notify(Property::Caption);
}

void TControl::SetParentFont(bool value) {
    parentFont_ = value;
    if (value && parent_) {
        applyingParentFont_ = true;
        font_.Assign(parent_->font_.Data());
        applyingParentFont_ = false;
        parentFont_ = true;
    }
}

void TControl::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Notify(Property::Enabled);
}

void TControl::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    Notify(Property::Visible);
}

void TControl::SetColor(Color color) {
    if (color == color_) return;
    color_ = color;
    Notify(Property::Color);
}

void TControl::AttachPeer(std::unique_ptr<ControlPeer> peer) {
    peer_ = std::move(peer);
}

void TControl::Notify(Property property) {
    if (peer_) peer_->Changed(property);
}

TControl* TControl::TopLevel() {
    TControl* control = this;
    while (control->parent_)
        control = control->parent_;
    return control;
}

void TControl::FontChanged() {
    if (!applyingParentFont_) parentFont_ = false;
    Notify(Property::Font);
    ParentFontChanged();
}

void TControl::ParentFontChanged() {
    for (TControl* child : controls_) {
        if (!child->parentFont_) continue;
        child->applyingParentFont_ = true;
        child->font_.Assign(font_.Data());
        child->applyingParentFont_ = false;
    }
}

} // namespace vantrel
