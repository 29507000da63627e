#pragma once
// The one catch-all guard. Event handlers and services that must fail silently run their
// body through Guarded: whatever it throws ends the body and goes no further, and in
// particular never crosses back into the operating system.

#include <utility>

namespace vantrel {

template <class Body> bool Guarded(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        return false;
    }
}

template <class Body, class Result> Result GuardedOr(Result fallback, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return fallback;
    }
}

} // namespace vantrel
