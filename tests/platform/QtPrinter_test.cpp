// The Qt printer's PDF output: files that cannot be written, abandoned jobs, and the save dialog
// asked when there is no printer.
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "TempDir.h"
#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "platform/QtPrinter.h"

using namespace kx;

TEST(QtPrinter, AFileThatCannotBeWrittenIsAnErrorAndAnAbandonedJobWritesNothing) {
    TempDir dir;
    std::filesystem::create_directory(dir.path("taken.pdf"));
    for (const char* name : {"missing/report.pdf", "taken.pdf"}) { // no folder; a folder in the file's place
        QtPrinter p(dir.path(name));
        p.BeginDoc();
        p.canvas().TextOut(0, 0, "x");
        EXPECT_THROW(p.EndDoc(), IoError) << name;
        EXPECT_FALSE(p.Printing());
    }
    // An abandoned job leaves an earlier file of that name as it was, and no other file.
    const std::string old = dir.path("old.pdf");
    std::ofstream(old) << "earlier report";
    {
        QtPrinter p(old);
        p.BeginDoc();
        p.canvas().TextOut(0, 0, "half a report");
        p.NewPage();
        EXPECT_EQ(p.PageNumber(), 2);
        p.Abort();
        // Abandoned, the printer is free for the next report.
        EXPECT_FALSE(p.Printing());
        EXPECT_NO_THROW(p.BeginDoc());
        p.Abort();
    }
    const auto bytes = ReadWholeFile(old);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "earlier report");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.dir()), {}), 2)
        << "old.pdf and taken.pdf";
}

TEST(QtPrinter, WithoutAPrinterTheReportGoesToThePdfChosenAndACancelEndsQuietly) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is configured here";
    ScopedScriptedDialogs dialogs;
    TempDir dir;
    QtPrinter p;
    dialogs->fileAnswers.push_back(std::nullopt);
    EXPECT_THROW(p.BeginDoc(), PrintCancelled);
    EXPECT_FALSE(p.Printing());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, "save");

    dialogs->fileAnswers.push_back(dir.path("chosen"));
    p.BeginDoc();
    p.canvas().TextOut(354, 1224, " Point Loads");
    p.EndDoc();
    const std::string pdf = dir.path("chosen.pdf"); // the PDF extension is added
    QProcess info;
    info.start("pdfinfo", {QString::fromStdString(pdf)});
    info.waitForFinished(20000);
    EXPECT_TRUE(QString(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\n"))) << pdf;
    EXPECT_TRUE(dialogs->messages().empty());
}

TEST(QtPrinter, ThePageIsA4At600DpiAndASecondDocumentWhilePrintingIsRefused) {
    TempDir dir;
    const std::string pdf = dir.path("report.pdf");
    QtPrinter p(pdf);
    // A4 at 600 dots per inch before and after printing:
    // 210 / 25.4 * 600 = 4960.6 -> 4961; 297 / 25.4 * 600 = 7015.7 -> 7016.
    const auto page = [&] { return std::tuple(p.DpiX(), p.DpiY(), p.PageWidth(), p.PageHeight()); };
    const auto a4 = std::tuple(600, 600, 4961, 7016);
    EXPECT_EQ(page(), a4);
    EXPECT_THROW(p.canvas(), std::runtime_error) << "not printing: no page to draw on";
    p.BeginDoc();
    // The PDF's own page is A4 in whole points, 595 x 842: 595 / 72 * 600 = 4958.3 -> 4958,
    // 842 / 72 * 600 = 7016.7 -> 7017.
    EXPECT_EQ(page(), std::tuple(600, 600, 4958, 7017));
    p.canvas().TextOut(0, 0, "page one");
    p.NewPage();
    try {
        p.BeginDoc();
        ADD_FAILURE() << "a second document was begun";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Printing in progress");
    }
    EXPECT_TRUE(p.Printing());
    EXPECT_EQ(p.PageNumber(), 2);
    p.canvas().TextOut(0, 0, "page two");
    p.EndDoc();
    EXPECT_EQ(page(), a4);
    try {
        p.canvas();
        ADD_FAILURE() << "a canvas after the document ended";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Printer is not printing");
    }
    QProcess info;
    info.start("pdfinfo", {QString::fromStdString(pdf)});
    info.waitForFinished(20000);
    EXPECT_TRUE(QString(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+2\n"))) << pdf;
}
