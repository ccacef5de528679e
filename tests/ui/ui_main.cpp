// Runs the window tests inside one application object, headless, with recording stand-ins for the
// platform services.
#include <QApplication>
#include <gtest/gtest.h>

#include "TestServices.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    kxtest::TestServices services;
    return RUN_ALL_TESTS();
}
