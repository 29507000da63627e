#pragma once

namespace vantrel {

// Registers the common controls' tooltip class, which stands in for the hint window; hint
// timings then follow the system's double-click time, as native tooltips do.
void InstallNativeHintWindow();

} // namespace vantrel
