#pragma once
// The date bookkeeping that every start does before it looks for a running copy: the install
// date is recorded once, and an "Updated" flag set by the updater is consumed and stamped.

#include "optimizer/ProductSettings.h"
#include "os/Clock.h"
#include "os/Locale.h"

namespace vantrel {

void RecordStartDates(const ProductSettings& settings, os::Clock& clock,
                      const os::DateTimeConventions& conventions);

} // namespace vantrel
