#pragma once
// The local wall clock.

namespace vantrel::os {

struct LocalTime {
    int year = 0;
    int month = 0;     // 1..12
    int day = 0;       // 1..31
    int dayOfWeek = 0; // 0 = Sunday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    bool operator==(const LocalTime&) const = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // GetLocalTime.
    virtual LocalTime Now() = 0;
};

} // namespace vantrel::os
