// The page header's time text: a locale's long time format less its time-zone letters.
#include <QLocale>
#include <QTime>
#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "platform/QtClock.h"

using namespace kx;

// Formats with quoted words keep the words and lose only the zone letter outside them; the expected
// texts are the formats written out by hand for 00:42:10.
TEST(QtClock, LongTimeKeepsQuotedWordsAndDropsOnlyTheZone) {
    ResetProgramState();
    struct Row {
        const char* locale;
        const char* text;
    };
    const Row rows[] = {
        {"fr_CH", "00.42:10 h"},          // HH.mm:ss 'h' t
        {"fr_BE", "0 h 42 min 10 s"},     // H 'h' mm 'min' ss 's' t
        {"eo_001", "0-a horo kaj 42:10"}, // H-'a' 'horo' 'kaj' m:ss t
    };
    for (const Row& r : rows)
        EXPECT_EQ(LongTimeText(QLocale(QString::fromLatin1(r.locale)), QTime(0, 42, 10)), r.text) << r.locale;
}
