#pragma once
#include "os/Locale.h"

namespace vantrel::os {

class Win32Locale final : public Locale {
public:
    DateTimeConventions User() override;
    DateTimeConventions SystemDefault() override;
};

} // namespace vantrel::os
