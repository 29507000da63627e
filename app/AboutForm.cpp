#include "app/AboutForm.h"

namespace vantrel {

TTHAboutForm::TTHAboutForm() : TForm(nullptr, L"THAboutForm", L"TTHAboutForm") {
    SetBorder(BorderStyle::Single);
    SetBorderIcons(biSystemMenu);
    SetClientSize({700, 441});
    SetPlacement(Position::OwnerFormCenter);
}

} // namespace vantrel
