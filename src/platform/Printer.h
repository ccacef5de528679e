// The printer: a document of pages drawn on its canvas, and a recording printer for tests.
#pragma once

#include <memory>
#include <vector>

#include "platform/Canvas.h"

namespace kx {

// Positions on a page are printer pixels from the top left of the page.
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
    explicit RecordingPrinter(int dpi = 600) : dpi_(dpi) {}
    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    int PageNumber() const override { return static_cast<int>(pages.size()); }
    int DpiX() const override { return dpi_; }
    int DpiY() const override { return dpi_; }
    int PageWidth() const override;
    int PageHeight() const override;
    Canvas& canvas() override;
    bool Printing() const override { return printing_; }

    std::vector<std::unique_ptr<RecordingCanvas>> pages;
    bool ended = false, aborted = false;

private:
    int dpi_;
    bool printing_ = false;
};

// The printer in use. Until one is installed, print jobs go to a recording printer.
Printer& printer();
void InstallPrinter(Printer* p);

} // namespace kx
