// Creates every window for a test, in a fresh start-up directory, with scripted dialogs.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "TempDir.h"
#include "app/Forms.h"
#include "app/ProgramState.h"
#include "foundation/SharedModel.h"
#include "foundation/ui/Windows.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        kx::ResetProgramState();
        savedStartDir_ = kx::StartDir;
        // The start screen takes the current directory as the start-up directory.
        savedCwd_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.dir());
        kx::CreateForms();
    }
    void TearDown() override {
        kx::DestroyForms();
        std::filesystem::current_path(savedCwd_);
        kx::StartDir = savedStartDir_;
    }

    TempDir dir_;
    kx::ScopedScriptedDialogs dialogs_;
    std::filesystem::path savedCwd_;
    std::string savedStartDir_;
};
