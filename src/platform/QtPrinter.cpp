// QPrinter and QPdfWriter behind the printer interface.
#include "platform/QtPrinter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <filesystem>
#include <vector>

#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/QtCanvas.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {

constexpr int kPrinterDpi = 600;

QPageLayout A4Portrait() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

// A chosen name without an extension gets ".pdf".
std::string WithPdfExtension(const std::string& path) {
    return std::filesystem::path(path).extension().empty() ? path + ".pdf" : path;
}

// The system's default printer, or null when none is configured.
std::unique_ptr<QPrinter> DefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

} // namespace

QtPrinter::QtPrinter(std::string pdfPath) : pdfPath_(std::move(pdfPath)), source_(DefaultPrinter) {}

QtPrinter::QtPrinter(PrinterSource source) : source_(std::move(source)) {}

QtPrinter::~QtPrinter() {
    if (printing_) Abort();
}

void QtPrinter::BeginDoc() {
    if (printing_) throw std::runtime_error("Printing in progress");
    release();
    std::string target = pdfPath_;
    if (target.empty()) {
        if (source_) printer_ = source_();
        if (!printer_) {
            auto chosen = dlg().SaveFile("Print to PDF file", "PDF files|*.pdf", "", "report.pdf");
            if (!chosen || chosen->empty()) throw PrintCancelled();
            target = WithPdfExtension(*chosen);
        }
    }
    if (!target.empty()) {
        // The document is kept in memory and written out whole when it ends.
        buffer_ = std::make_unique<QBuffer>();
        buffer_->open(QIODevice::WriteOnly);
        pdf_ = std::make_unique<QPdfWriter>(buffer_.get());
        pdf_->setResolution(kPrinterDpi);
        pdf_->setPageLayout(A4Portrait());
        pdf_->setCreator(ToQt(kAppTitle));
        device_ = pdf_.get();
    } else {
        // A printer cannot print at the paper's edge: pages are laid out from the top left of its
        // printable area, within the margins the printer keeps.
        printer_->setResolution(kPrinterDpi);
        printer_->setPageSize(QPageSize(QPageSize::A4));
        printer_->setPageOrientation(QPageLayout::Portrait);
        printer_->setFullPage(false);
        device_ = printer_.get();
    }
    canvas_ = std::make_unique<QtCanvas>(device_);
    if (!canvas_->Begin()) {
        release();
        throw std::runtime_error("The printer cannot be started");
    }
    target_ = target;
    page_ = 1;
    printing_ = true;
}

void QtPrinter::NewPage() {
    if (!printing_) throw std::runtime_error("Printer is not printing");
    if (!device_->newPage()) throw std::runtime_error("The printer cannot start a new page");
    ++page_;
}

void QtPrinter::EndDoc() {
    if (!printing_) throw std::runtime_error("Printer is not printing");
    printing_ = false;
    canvas_->End();
    if (!target_.empty()) {
        const QByteArray& bytes = buffer_->data();
        std::vector<std::uint8_t> image(bytes.begin(), bytes.end());
        release();
        WriteFileReplacing(target_, image);
    } else {
        release();
    }
}

void QtPrinter::Abort() {
    if (printer_ && printing_) printer_->abort();
    printing_ = false;
    release();
}

void QtPrinter::release() {
    if (canvas_) canvas_->End();
    canvas_.reset();
    device_ = nullptr;
    pdf_.reset();
    buffer_.reset();
    printer_.reset();
}

int QtPrinter::DpiX() const { return device_ ? device_->logicalDpiX() : kPrinterDpi; }
int QtPrinter::DpiY() const { return device_ ? device_->logicalDpiY() : kPrinterDpi; }

int QtPrinter::PageWidth() const {
    return device_ ? device_->width() : static_cast<int>(210.0 / 25.4 * kPrinterDpi + 0.5);
}

int QtPrinter::PageHeight() const {
    return device_ ? device_->height() : static_cast<int>(297.0 / 25.4 * kPrinterDpi + 0.5);
}

Canvas& QtPrinter::canvas() {
    if (!canvas_) throw std::runtime_error("Printer is not printing");
    return *canvas_;
}

} // namespace kx
