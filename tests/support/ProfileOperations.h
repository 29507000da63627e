#pragma once
// The registry side of the Optimize and Restore buttons, as the main window runs them around
// its progress stages: enough for tests to drive whole round trips through the tuning profile.
// Header-only, so that the Windows tests can use it as well.

#include "optimizer/ProductSettings.h"
#include "optimizer/TuningProfile.h"

namespace vantrel::testing {

// Records the choices and the "Restore" flag first, then (stages run here in the program)
// backs up when no optimization was in force, and writes the profile.
inline bool RunOptimize(const ProductSettings& settings, int internetType, int speedSetting) {
    bool inForce = settings.ReadBool(product::Restore);
    bool ok = settings.WriteInteger(product::InternetType, internetType);
    ok = settings.WriteInteger(product::SpeedSetting, speedSetting) && ok;
    ok = settings.WriteBool(product::Restore, true) && ok;
    if (!inForce) ok = BackUpSystemValues(settings) && ok;
    return WriteTuningProfile(settings, internetType, speedSetting) && ok;
}

// Clears the "Restore" flag before anything else, then puts the system back.
inline bool RunRestore(const ProductSettings& settings, int internetType) {
    bool ok = settings.Delete(product::Restore);
    return PutBackSystemValues(settings, internetType) && ok;
}

} // namespace vantrel::testing
