// The system's clock, written in the system locale's formats.
#pragma once

#include "platform/Clock.h"

class QLocale;
class QTime;

namespace kx {

class QtClock : public Clock {
public:
    std::string DateText() override;
    std::string TimeText() override;
};

// A time of day in the locale's long time format, without the time zone.
std::string LongTimeText(const QLocale& locale, const QTime& time);

} // namespace kx
