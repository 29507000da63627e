#pragma once
// The standard controls: labels, push buttons, multi-line and single-line text boxes.

#include "toolkit/Control.h"

#include <string>
#include <vector>

namespace vantrel {

enum class Alignment { Left, Right, Center };
enum class TextLayout { Top, Center, Bottom };

// A text painted by its parent; no window of its own.
class TLabel : public TControl {
public:
    using TControl::TControl;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { autoSize_ = value; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { wordWrap_ = value; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }
    // With ShowAccelChar false an ampersand shows as itself.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value) { showAccelChar_ = value; }
    Alignment TextAlignment() const { return alignment_; }
    void SetAlignment(Alignment value) { alignment_ = value; }
    TextLayout Layout() const { return layout_; }
    void SetLayout(TextLayout value) { layout_ = value; }

private:
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    Alignment alignment_ = Alignment::Left;
    TextLayout layout_ = TextLayout::Top;
};

class TButton : public TControl {
public:
    using TControl::TControl;

    // The default button is pressed by Enter unless another button has the focus.
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    // A click sets the form's modal result to this value when it is not zero.
    int ModalResultValue() const { return modalResult_; }
    void SetModalResultValue(int value) { modalResult_ = value; }
    // Shows the system's elevation shield.
    bool ElevationRequired() const { return elevationRequired_; }
    void SetElevationRequired(bool value) { elevationRequired_ = value; }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int value) { tabOrder_ = value; }

    // Runs OnClick and applies the modal result, as a click on the button's window does.
    void Click();

private:
    bool default_ = false;
    int modalResult_ = 0;
    bool elevationRequired_ = false;
    int tabOrder_ = 0;
};

// A multi-line text box; its content is a list of lines.
class TMemo : public TControl {
public:
    using TControl::TControl;

    const std::vector<std::wstring>& Lines() const { return lines_; }
    // Replaces every line by the text, split at its line breaks (CR LF, CR or LF).
    void SetText(std::wstring_view text);
    std::wstring Text() const;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }

private:
    std::vector<std::wstring> lines_;
    bool readOnly_ = false;
};

// A single-line text box.
class TEdit : public TControl {
public:
    using TControl::TControl;

    const std::wstring& Text() const { return text_; }
    void SetText(std::wstring text);

private:
    std::wstring text_;
};

} // namespace vantrel
