// The Qt printer printing the page header to a PDF read back with poppler's tools: fonts, the
// save dialog's cancel, and files that cannot be written.
#include <QFontDatabase>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "app/ProgramState.h"
#include "foundation/SharedModel.h"
#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "platform/QtCanvas.h"
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

TEST(QtPrinter, PrintsTheHeaderInTheStandInFontsToAPdf) {
    ResetProgramState();
    Model.HeaderCompany = "Acme Temporary Works";
    Model.HeaderProject1 = "Bridge Street";
    Model.BeamFileName = "/jobs/needle.kxf";
    TempDir dir;
    const std::string pdf = dir.path("header.pdf");
    QtPrinter p(pdf);
    PrintOnePage(p);

    const QString text =
        RunTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    for (const char* expected : {"KX-Flexor", "Acme Temporary Works", "Bridge Street", "Page 1",
                                 "/jobs/needle.kxf", "01/02/2024", "09:30:00", "Point Loads"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();

    // The system here has neither face; the reports use their metric twins.
    if (!QFontDatabase::hasFamily(QStringLiteral("Arial"))) {
        EXPECT_EQ(FontFamilyFor("Arial"), QStringLiteral("Liberation Sans"));
        EXPECT_EQ(FontFamilyFor("Courier"), QStringLiteral("Liberation Mono"));
        const QString fonts = RunTool(QStringLiteral("pdffonts"), {QString::fromStdString(pdf)});
        EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans"))) << fonts.toStdString();
        EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationMono"))) << fonts.toStdString();
    }
    EXPECT_EQ(FontFamilyFor("Times New Roman"), QStringLiteral("Times New Roman"))
        << "other faces are left alone";
    ResetProgramState();
}

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
