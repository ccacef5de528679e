// Runs the real-window tests on the window system of the environment (Xvfb in ./test), with
// recording stand-ins for the platform services.
#include <QApplication>
#include <gtest/gtest.h>

#include "TestServices.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    kxtest::TestServices services;
    return RUN_ALL_TESTS();
}
