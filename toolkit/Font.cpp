#include "toolkit/Font.h"

namespace vantrel {

void TFont::SetName(std::wstring name) {
    if (name == data_.name) return;
    data_.name = std::move(name);
    Changed();
}

void TFont::SetSize(int points) {
    if (points == data_.size) return;
    data_.size = points;
    Changed();
}

void TFont::SetStyle(unsigned style) {
    if (style == data_.style) return;
    data_.style = style;
    Changed();
}

void TFont::SetColor(Color color) {
    if (color == data_.color) return;
    data_.color = color;
    Changed();
}

void TFont::Assign(const FontData& data) {
    if (data == data_) return;
    data_ = data;
    Changed();
}

void TFont::Changed() {
    if (OnChange) OnChange();
}

} // namespace vantrel
