#include "toolkit/StdCtrls.h"

#include "toolkit/Form.h"

namespace vantrel {

void TButton::Click() {
    if (OnClick) OnClick(this);
    if (modalResult_ != 0)
        if (auto* form = dynamic_cast<TForm*>(TopLevel()))
            form->SetModalResult(static_cast<ModalResult>(modalResult_));
}

void TMemo::SetText(std::wstring_view text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    lines_ = std::move(lines);
    Notify(Property::Lines);
}

std::wstring TMemo::Text() const {
    std::wstring text;
    for (const std::wstring& line : lines_)
        text += line + L"\r\n";
    return text;
}

void TEdit::SetText(std::wstring text) {
    if (text == text_) return;
    text_ = std::move(text);
    Notify(Property::Caption);
}

} // namespace vantrel
