// Date and time in the system locale's short date and long time formats.
#include "platform/QtClock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include "platform/QtDialogs.h"

namespace kx {

std::string QtClock::DateText() {
    return FromQt(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtClock::TimeText() {
    return FromQt(QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat));
}

} // namespace kx
