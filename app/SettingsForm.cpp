#include "app/SettingsForm.h"

namespace vantrel {

TTHSettingsForm::TTHSettingsForm() : TForm(nullptr, L"THSettingsForm", L"TTHSettingsForm") {
    SetBorder(BorderStyle::Single);
    SetBorderIcons(0);
    SetClientSize({479, 146});
    SetPlacement(Position::OwnerFormCenter);
}

} // namespace vantrel
