#include "app/StartUp.h"

#include "platform/DateTimeText.h"

namespace vantrel {

void RecordStartDates(const ProductSettings& settings, os::Clock& clock,
                      const os::DateTimeConventions& conventions) {
    // A failed write is simply tried again at the next start, since the value then still
    // reads as empty (or "Updated" still reads as true).
    if (settings.ReadText(product::InstalledDate).empty())
        settings.WriteText(product::InstalledDate, MakeDateTimeText(clock.Now(), conventions));
    if (settings.ReadBool(product::Updated)) {
        settings.WriteBool(product::Updated, false);
        settings.WriteText(product::UpdatedDate, MakeDateTimeText(clock.Now(), conventions));
    }
}

} // namespace vantrel
