// Today's date and the time of day as the system writes them, as a replaceable service.
#pragma once

#include <string>

namespace kx {

class Clock {
public:
    virtual ~Clock() = default;
    // Today's date in the system's short date format.
    virtual std::string DateText() = 0;
    // The time of day in the system's long time format.
    virtual std::string TimeText() = 0;
};

// The clock in use. The program installs the system's; a missing one is a fault of start-up.
Clock& clockService();
void InstallClock(Clock* c);

// A clock that always tells the same date and time, so that printed pages are reproducible.
class FixedClock : public Clock {
public:
    std::string DateText() override { return date; }
    std::string TimeText() override { return time; }

    std::string date = "01/02/2024";
    std::string time = "09:30:00";
};

} // namespace kx
