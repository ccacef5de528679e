// The printer in use and the recording printer.
#include "platform/Printer.h"

#include <cmath>

#include "platform/BusyCursor.h"
#include "platform/Errors.h"

namespace kx {

void RecordingPrinter::BeginDoc() {
    pages.clear();
    pages.push_back(std::make_unique<RecordingCanvas>());
    printing_ = true;
    ended = aborted = false;
}

void RecordingPrinter::NewPage() {
    if (!printing_) throw std::runtime_error("Printer is not printing");
    // The next page starts with the pen and font the last one left, as on a real printer.
    auto next = std::make_unique<RecordingCanvas>(*pages.back());
    next->items.clear();
    pages.push_back(std::move(next));
}

void RecordingPrinter::EndDoc() {
    if (!printing_) throw std::runtime_error("Printer is not printing");
    printing_ = false;
    ended = true;
}

void RecordingPrinter::Abort() {
    printing_ = false;
    aborted = true;
}

int RecordingPrinter::PageWidth() const { return static_cast<int>(std::lround(210.0 / 25.4 * dpiX_)); }
int RecordingPrinter::PageHeight() const { return static_cast<int>(std::lround(297.0 / 25.4 * dpiY_)); }

Canvas& RecordingPrinter::canvas() {
    if (pages.empty()) pages.push_back(std::make_unique<RecordingCanvas>());
    return *pages.back();
}

namespace {

Printer*& current() {
    static Printer* p = nullptr;
    return p;
}

} // namespace

Printer& printer() {
    Printer* p = current();
    if (!p) MissingService("printer");
    return *p;
}

void InstallPrinter(Printer* p) { current() = p; }

bool RunPrintJob(Printer& p, const std::function<void()>& pages) {
    try {
        p.BeginDoc();
    } catch (const PrintCancelled&) {
        return false;
    }
    try {
        BusyCursor busy;
        pages();
        p.EndDoc();
    } catch (...) {
        p.Abort();
        throw;
    }
    return true;
}

} // namespace kx
