#pragma once

namespace vantrel {

// Makes the system's own hand cursor (IDC_HAND) the cursor of every control that shows the
// hand-point cursor.
void InstallNativeHandCursor();

} // namespace vantrel
