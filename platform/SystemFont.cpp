#include "platform/SystemFont.h"

#include "toolkit/Guarded.h"

namespace vantrel {
namespace {

// The component's own font, or null when it takes its parent's font or has none.
TFont* OwnFontOf(TComponent* component) {
    auto* control = dynamic_cast<TControl*>(component);
    if (!control || !control->HasFont() || control->ParentFont()) return nullptr;
    return &control->Font();
}

} // namespace

void SetSystemFont(TForm& form) noexcept {
    Guarded([&form] {
        if (form.Font().Size() > kFontSizeCap) form.Font().SetSize(kFontSizeCap);
        const TFont& formFont = form.Font();
        for (TComponent* component : form.Components()) {
            TFont* font = OwnFontOf(component);
            if (!font) continue;
            font->SetName(formFont.Name());
            if (font->Size() < formFont.Size()) font->SetSize(formFont.Size());
        }
    });
}

} // namespace vantrel
