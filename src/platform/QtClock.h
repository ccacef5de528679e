// The system's clock, written in the system locale's formats.
#pragma once

#include "platform/Clock.h"

namespace kx {

class QtClock : public Clock {
public:
    std::string DateText() override;
    std::string TimeText() override;
};

} // namespace kx
