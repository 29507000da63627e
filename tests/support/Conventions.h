#pragma once
// Date and time conventions of a few locales as Windows reports them, and a settable clock.

#include "os/Clock.h"
#include "os/Locale.h"

#include <vector>

namespace vantrel::testing {

os::DateTimeConventions EnUs();
os::DateTimeConventions EnGb();
os::DateTimeConventions DeDe();

// Hands out the given moments in turn, then repeats the last one.
class FakeClock final : public os::Clock {
public:
    explicit FakeClock(std::vector<os::LocalTime> moments) : moments_(std::move(moments)) {}
    os::LocalTime Now() override {
        ++reads;
        os::LocalTime t = moments_.at(next_);
        if (next_ + 1 < moments_.size()) ++next_;
        return t;
    }
    int reads = 0;

private:
    std::vector<os::LocalTime> moments_;
    std::size_t next_ = 0;
};

} // namespace vantrel::testing
