#pragma once
// The About window: version, maker and credits; shown modally over the main window.

#include "toolkit/Form.h"

namespace vantrel {

class TTHAboutForm : public TForm {
public:
    TTHAboutForm();
};

} // namespace vantrel
