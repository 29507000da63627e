#pragma once
#include "os/VersionQuery.h"

namespace vantrel::os {

class Win32VersionQuery final : public VersionQuery {
public:
    bool Extended(VersionRecord& record) override;
    bool Basic(VersionRecord& record) override;
};

// The process-wide instance the program uses.
VersionQuery& SystemVersionQuery();

} // namespace vantrel::os
