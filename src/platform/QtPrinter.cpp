// QPrinter behind the printer interface.
#include "platform/QtPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/QtCanvas.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {
constexpr int kPrinterDpi = 600;
}

QtPrinter::QtPrinter(std::string pdfPath) : pdfPath_(std::move(pdfPath)) {}

QtPrinter::~QtPrinter() {
    if (printing_) Abort();
}

void QtPrinter::BeginDoc() {
    if (printing_) throw std::runtime_error("Printing in progress");
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setResolution(kPrinterDpi);
    std::string target = pdfPath_;
    if (target.empty()) {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull()) {
            printer_->setPrinterName(info.printerName());
        } else {
            auto chosen = dlg().SaveFile("Print to PDF file", "PDF files|*.pdf", "", "report.pdf");
            if (!chosen) throw std::runtime_error("Printing cancelled");
            target = *chosen;
        }
    }
    if (!target.empty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(QString::fromLocal8Bit(target.c_str()));
    }
    printer_->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer_->setFullPage(true);
    canvas_ = std::make_unique<QtCanvas>(printer_.get());
    page_ = 1;
    printing_ = true;
}

void QtPrinter::NewPage() {
    if (!printing_) throw std::runtime_error("Printer is not printing");
    printer_->newPage();
    ++page_;
}

void QtPrinter::EndDoc() {
    if (!printing_) throw std::runtime_error("Printer is not printing");
    canvas_->End();
    printing_ = false;
}

void QtPrinter::Abort() {
    if (printer_) printer_->abort();
    if (canvas_) canvas_->End();
    printing_ = false;
}

int QtPrinter::DpiX() const { return printer_ ? printer_->logicalDpiX() : kPrinterDpi; }
int QtPrinter::DpiY() const { return printer_ ? printer_->logicalDpiY() : kPrinterDpi; }

int QtPrinter::PageWidth() const {
    return printer_ ? printer_->width() : static_cast<int>(210.0 / 25.4 * kPrinterDpi + 0.5);
}

int QtPrinter::PageHeight() const {
    return printer_ ? printer_->height() : static_cast<int>(297.0 / 25.4 * kPrinterDpi + 0.5);
}

Canvas& QtPrinter::canvas() {
    if (!canvas_) throw std::runtime_error("Printer is not printing");
    return *canvas_;
}

} // namespace kx
