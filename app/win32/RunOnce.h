#pragma once
// The single-instance rule: a top-level window of the main window's class means a copy of
// the program is running.

#include <string>

namespace vantrel {

// Looks for a top-level window of the given class, with any title. When there is one and
// activate is set, restores it (from minimised or maximised) and brings it to the front.
// True whenever such a window exists; any failure inside yields false.
bool IsAlreadyRunning(const std::wstring& className, bool activate);

} // namespace vantrel
