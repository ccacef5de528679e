// The printer: a document of pages drawn on its canvas, and a recording printer for tests.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/Canvas.h"

namespace kx {

// Thrown by BeginDoc when the user cancels the choice of where to print: the job ends quietly.
class PrintCancelled : public std::runtime_error {
public:
    PrintCancelled() : std::runtime_error("Printing cancelled") {}
};

// Positions on a page are printer pixels from the top left of its printable area (of the page
// itself on a PDF). The canvas keeps its pen and font from one page to the next.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void Abort() = 0;
    // 1 on the first page of a document.
    virtual int PageNumber() const = 0;
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual Canvas& canvas() = 0;
    virtual bool Printing() const = 0;
};

// Keeps each page as a recording canvas; A4 at 600 dots per inch unless told otherwise.
class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(int dpi = 600) : dpiX_(dpi), dpiY_(dpi) {}
    RecordingPrinter(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}
    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    int PageNumber() const override { return static_cast<int>(pages.size()); }
    int DpiX() const override { return dpiX_; }
    int DpiY() const override { return dpiY_; }
    int PageWidth() const override;
    int PageHeight() const override;
    Canvas& canvas() override;
    bool Printing() const override { return printing_; }

    std::vector<std::unique_ptr<RecordingCanvas>> pages;
    bool ended = false, aborted = false;

private:
    int dpiX_, dpiY_;
    bool printing_ = false;
};

// The printer in use. The program installs the system's; a missing one is a fault of start-up.
Printer& printer();
void InstallPrinter(Printer* p);

// One print job: begins the document, draws the pages under the hourglass and ends the document.
// False, with nothing printed, when the user cancels the choice of where to print. When drawing
// or ending fails the job is abandoned (nothing reaches the printer or the file) and the error
// goes on to the caller.
bool RunPrintJob(Printer& p, const std::function<void()>& pages);

} // namespace kx
