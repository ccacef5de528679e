// A test with a fresh model and a temporary start-up directory.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "app/ProgramState.h"
#include "foundation/SharedModel.h"
#include "platform/Files.h"

class StartDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        kx::ResetProgramState();
        kx::StartDir = dir_.dir();
    }
    void TearDown() override { kx::StartDir = savedStartDir_; }

    TempDir dir_;
    std::string savedStartDir_ = kx::StartDir;
};
