// The platform services a test run installs for its whole length: messages are recorded, pages are
// recorded, the clock is fixed, and nothing waits for a person; the analysis writes the program's
// own result texts. Tests that look at messages install
// their own on top.
#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "window/ResultListings.h"

namespace kxtest {

struct TestServices {
    kx::ScriptedDialogs dialogs;
    kx::RecordingPrinter printer;
    kx::FixedClock clock;
    kx::ResultListings listings;
    TestServices() {
        kx::InstallDialogs(&dialogs);
        kx::InstallPrinter(&printer);
        kx::InstallClock(&clock);
        kx::InstallAnalysisListings(&listings);
    }
    ~TestServices() {
        kx::InstallAnalysisListings(nullptr);
        kx::InstallClock(nullptr);
        kx::InstallPrinter(nullptr);
        kx::InstallDialogs(nullptr);
    }
    TestServices(const TestServices&) = delete;
    TestServices& operator=(const TestServices&) = delete;
};

} // namespace kxtest
