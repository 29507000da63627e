#include "app/MainForm.h"

namespace vantrel {

TTHMainForm::TTHMainForm() : TForm(nullptr, L"THMainForm", L"TTHMainForm") {
    SetBorder(BorderStyle::Single);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientSize({764, 500});
    SetPlacement(Position::ScreenCenter);
}

} // namespace vantrel
