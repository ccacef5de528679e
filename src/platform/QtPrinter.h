// The printer: A4 portrait to the system's default printer, or to a PDF file.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Printer.h"

class QBuffer;
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace kx {

class QtCanvas;

class QtPrinter : public Printer {
public:
    // With a path, every document goes to that PDF file. Without one, documents go to the
    // system's default printer, or when there is none to a PDF file asked for in a save dialog
    // (a cancelled dialog throws PrintCancelled).
    explicit QtPrinter(std::string pdfPath = {});
    // Makes the printer a document goes to, or null when there is none.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    // Documents go to the printers source makes (the system's default printer by the constructor
    // above), or when it makes none to a PDF file asked for in a save dialog.
    explicit QtPrinter(PrinterSource source);
    ~QtPrinter() override;

    void BeginDoc() override;
    void NewPage() override;
    // A PDF is written whole, through a temporary file, only here: a failure throws IoError and
    // leaves any earlier file of that name as it was.
    void EndDoc() override;
    // Nothing of the document reaches the printer or the file.
    void Abort() override;
    int PageNumber() const override { return page_; }
    int DpiX() const override;
    int DpiY() const override;
    int PageWidth() const override;
    int PageHeight() const override;
    Canvas& canvas() override;
    bool Printing() const override { return printing_; }

private:
    void release();

    std::string pdfPath_;
    PrinterSource source_;
    std::string target_; // the PDF file of the document being printed, or empty for a printer
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPagedPaintDevice* device_ = nullptr;
    std::unique_ptr<QtCanvas> canvas_;
    int page_ = 0;
    bool printing_ = false;
};

} // namespace kx
