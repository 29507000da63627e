#pragma once
#include "os/Clock.h"

namespace vantrel::os {

class Win32Clock final : public Clock {
public:
    LocalTime Now() override;
};

} // namespace vantrel::os
