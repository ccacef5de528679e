// The printer in use and the recording printer.
#include "platform/Printer.h"

#include <cmath>

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
    pages.push_back(std::make_unique<RecordingCanvas>());
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

int RecordingPrinter::PageWidth() const { return static_cast<int>(std::lround(210.0 / 25.4 * dpi_)); }
int RecordingPrinter::PageHeight() const { return static_cast<int>(std::lround(297.0 / 25.4 * dpi_)); }

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

} // namespace kx
