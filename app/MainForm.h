#pragma once
// The main window: the program's only working window. It owns the taskbar button and
// closing it ends the program.

#include "toolkit/Form.h"

namespace vantrel {

class TTHMainForm : public TForm {
public:
    TTHMainForm();
};

} // namespace vantrel
