#pragma once
// Panels, pictures, bevels and the notification-area icon.

#include "toolkit/Control.h"

#include <string>

namespace vantrel {

enum class PanelBevel { None, Raised, Lowered };

class TPanel : public TControl {
public:
    using TControl::TControl;

    PanelBevel BevelOuter() const { return bevel_; }
    void SetBevelOuter(PanelBevel value) { bevel_ = value; }

private:
    PanelBevel bevel_ = PanelBevel::Raised;
};

// A picture from the program's resources, stretched to the control when asked.
class TImage : public TControl {
public:
    using TControl::TControl;
    bool HasFont() const override { return false; }

    const std::wstring& PictureResource() const { return picture_; }
    void SetPictureResource(std::wstring name) { picture_ = std::move(name); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value) { stretch_ = value; }

private:
    std::wstring picture_;
    bool stretch_ = false;
};

enum class BevelShape { TopLine, RightLine, Box };

class TBevel : public TControl {
public:
    using TControl::TControl;
    bool HasFont() const override { return false; }

    BevelShape Shape() const { return shape_; }
    void SetShape(BevelShape value) { shape_ = value; }

private:
    BevelShape shape_ = BevelShape::Box;
};

// The notification-area icon; not a control.
class TTrayIcon : public TComponent {
public:
    using TComponent::TComponent;

    // The tooltip. The notification area shows at most its first 127 characters.
    const std::wstring& Hint() const { return hint_; }
    void SetHint(std::wstring hint) { hint_ = std::move(hint); }
    // The tooltip as the notification area receives it: at most 127 UTF-16 units, never
    // half of a character that takes two; empty means no tooltip.
    std::wstring ShownTip() const;

private:
    std::wstring hint_;
};

} // namespace vantrel
