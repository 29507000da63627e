#pragma once
// Visual components: a parent, bounds relative to it, a caption, a font, visibility and
// enabled state, and the events the program's windows handle. Every setter announces the
// change to the peer, if there is one.

#include "toolkit/Component.h"
#include "toolkit/Font.h"
#include "toolkit/Geometry.h"
#include "toolkit/Peer.h"

#include <functional>
#include <memory>
#include <string>

namespace vantrel {

using NotifyEvent = std::function<void(TComponent* sender)>;

enum class Cursor { Default = 0, HandPoint = -21, HourGlass = -11 };

class TControl : public TComponent {
public:
    TControl(TComponent* owner, std::wstring name);
    ~TControl() override;

    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent);
    const std::vector<TControl*>& Controls() const { return controls_; }

    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& bounds);

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    // Whether the control takes its parent's font; set to false by any change of its own font.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    // Whether the control has a font property of its own at all (images and bevels do not).
    virtual bool HasFont() const { return true; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    Color BackColor() const { return color_; }
    void SetColor(Color color);
    Cursor CursorKind() const { return cursor_; }
    void SetCursor(Cursor cursor) { cursor_ = cursor; }

    NotifyEvent OnClick;
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;

    ControlPeer* Peer() const { return peer_.get(); }
    void AttachPeer(std::unique_ptr<ControlPeer> peer);
    void Notify(Property property);

    // The form that owns this control, or the control itself when it is a form.
    TControl* TopLevel();

protected:
    // Font changes pass through here: the control takes the change as its own font.
    virtual void FontChanged();
    // A parent's font reaches the controls that take their parent's font.
    void ParentFontChanged();

private:
    TControl* parent_ = nullptr;
    std::vector<TControl*> controls_;
    Rect bounds_;
    std::wstring caption_;
    TFont font_;
    bool parentFont_ = true;
    bool enabled_ = true;
    bool visible_ = true;
    bool applyingParentFont_ = false;
    Color color_ = clBtnFace;
    Cursor cursor_ = Cursor::Default;
    std::unique_ptr<ControlPeer> peer_;
};

} // namespace vantrel
