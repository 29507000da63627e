#pragma once
// What must be in place before any window exists, run first thing at start-up.

namespace vantrel {

// Runs the start-up hooks in their order: the system hand cursor, then the native tooltip
// window.
void RunStartUpHooks();

} // namespace vantrel
