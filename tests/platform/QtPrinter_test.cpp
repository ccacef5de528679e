// The Qt printer's PDF output: files that cannot be written, abandoned jobs, and the save dialog
// asked when there is no printer.
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "platform/QtPrinter.h"
#include "window/Pro_PrintHeader.h"

using namespace kx;

namespace {

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

void PrintOnePage(Printer& p) {
    p.BeginDoc();
    PrintHeader(p);
    p.canvas().SetFontName("Courier");
    p.canvas().SetFontSize(10);
    p.canvas().TextOut(354, 1224, " Point Loads");
    p.EndDoc();
}

} // namespace

TEST(QtPrinter, AFileThatCannotBeWrittenIsAnErrorAndAnAbandonedJobWritesNothing) {
    TempDir dir;
    {
        QtPrinter p(dir.path("missing/report.pdf"));
        p.BeginDoc();
        p.canvas().TextOut(0, 0, "x");
        try {
            p.EndDoc();
            FAIL() << "no error for a missing folder";
        } catch (const IoError& e) {
            EXPECT_STREQ(e.what(), "File not found");
        }
        EXPECT_FALSE(p.Printing());
    }
    std::filesystem::create_directory(dir.path("taken.pdf"));
    {
        QtPrinter p(dir.path("taken.pdf"));
        p.BeginDoc();
        EXPECT_THROW(p.EndDoc(), IoError) << "a folder where the file should go";
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
    }
    const auto bytes = ReadWholeFile(old);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "earlier report");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.dir()))
        ++files;
    EXPECT_EQ(files, 2) << "old.pdf and the folder taken.pdf only";
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
    PrintOnePage(p);
    EXPECT_TRUE(std::filesystem::exists(dir.path("chosen.pdf"))) << "the PDF extension is added";
    const QString info = RunTool(QStringLiteral("pdfinfo"), {QString::fromStdString(dir.path("chosen.pdf"))});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1")))) << info.toStdString();
    EXPECT_TRUE(dialogs->messages().empty());
}
