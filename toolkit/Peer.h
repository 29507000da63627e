#pragma once
// A control's peer mirrors its properties into an operating-system window. Controls call
// Changed() after a property changed; headless controls (the native tests) have no peer.

#include <memory>

namespace vantrel {

class TControl;
class TForm;

enum class Property {
    Caption,
    Bounds,
    Font,
    Enabled,
    Visible,
    Color,
    Lines,
    Items,
    Position,
    Other
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Changed(Property property) = 0;
};

// What a form needs from its window beyond mirrored properties.
class FormPeer : public ControlPeer {
public:
    // Runs a nested message loop until the form's modal result is set or it is closed.
    virtual int ShowModal() = 0;
    // Gives the keyboard focus to a control of the form.
    virtual void Focus(TControl& control) = 0;
};

// Creates the peers of one kind of platform; the application holds one.
class PeerFactory {
public:
    virtual ~PeerFactory() = default;
    virtual std::unique_ptr<FormPeer> CreateFormPeer(TForm& form) = 0;
    // A peer for a control placed on a form whose own peer already exists; null when the
    // control needs no window of its own (it is painted by its parent).
    virtual std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control) = 0;
};

} // namespace vantrel
