// Runs the tests of the computing library with recording stand-ins for the platform services.
#include <gtest/gtest.h>

#include "TestServices.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    kxtest::TestServices services;
    return RUN_ALL_TESTS();
}
