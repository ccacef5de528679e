// Creates every window for a test, in a fresh start-up directory, with scripted dialogs.
#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

// Runs the program's event loop with action posted into it: true when the loop ended with code 0
// before a safety stop after 5 s. The safety timer lives only as long as this call, so that it can
// never end a later loop, of this test or of another.
inline bool LoopEndsAfter(const std::function<void()>& action) {
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    safety.start(5000);
    QTimer::singleShot(0, &safety, action);
    return QCoreApplication::exec() == 0;
}
