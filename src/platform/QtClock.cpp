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

std::string QtClock::TimeText() { return LongTimeText(QLocale::system(), QTime::currentTime()); }

std::string LongTimeText(const QLocale& locale, const QTime& time) {
    // The long format less its time-zone letters ('t' outside quoted text) and the blanks they leave.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && ch == QLatin1Char('t')) continue;
        kept += ch;
    }
    return FromQt(locale.toString(time, kept.simplified()));
}

} // namespace kx
