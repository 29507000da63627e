#pragma once
// The progress window that the Optimize and Restore operations show while they run.

#include "toolkit/Form.h"

namespace vantrel {

class TTHSettingsForm : public TForm {
public:
    TTHSettingsForm();
};

} // namespace vantrel
