// The Qt canvas drawn to a PNG and the Qt printer printing to a PDF, both read back.
#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "FileReads.h"
#include "TempDir.h"
#include "foundation/SharedModel.h"
#include "platform/QtCanvas.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinter.h"
#include "window/Pro_PrintHeader.h"

using namespace kx;

namespace {

// What pdftotext reads from a PDF: its text laid out, or with "-bbox" its words with their boxes.
QString PdfText(const std::string& pdf, const QString& mode = QStringLiteral("-layout")) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {mode, QString::fromStdString(pdf), QStringLiteral("-")});
    text.waitForFinished(20000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

// One page header printed by p, with the beam file path given and the system's clock.
void PrintHeaderPage(Printer& p, const std::string& beamFile) {
    Clock& previous = clockService();
    QtClock clock;
    InstallClock(&clock);
    const std::string saved = Model.BeamFileName;
    Model.BeamFileName = beamFile;
    p.BeginDoc();
    PrintHeader(p);
    p.EndDoc();
    Model.BeamFileName = saved;
    InstallClock(&previous);
}

// Bytes read while a file dialog, made by make, lists the folder in its detailed view until it
// shows the type of each of the files it lists, as many as `listed`.
template <class Make> std::uint64_t BytesReadListing(Make make, const std::string& folder, int listed) {
    const auto before = kxtest::BytesReadSoFar();
    const auto d = make(folder);
    d->setViewMode(QFileDialog::Detail);
    d->resize(900, 900);
    d->show();
    auto* model = d->template findChild<QFileSystemModel*>();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int typed = 0;
    while (typed < listed && std::chrono::steady_clock::now() < until) {
        QApplication::processEvents();
        d->grab(); // the view asks for what it shows
        const QModelIndex root = model->index(QString::fromStdString(folder));
        typed = 0;
        for (int i = 0; i < model->rowCount(root); ++i)
            if (!model->type(model->index(i, 0, root)).isEmpty()) ++typed;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(typed, listed);
    d->close();
    QApplication::processEvents();
    return *kxtest::BytesReadSoFar() - *before;
}

} // namespace

// The file dialogs tell files apart by name and kind and read none of them, so a file that never
// ends a read (/proc/kmsg) cannot hang them: 12 files of 64 KiB whose starts say what they are
// are listed with less read than the start of one. A first listing of another folder loads what
// Qt reads once.
TEST(QtDialogs, FileDialogsListAFolderWithoutReadingItsFiles) {
    if (!kxtest::BytesReadSoFar()) GTEST_SKIP() << "no /proc/self/io";
    const std::string starts[] = {"%PDF-1.4\n", "\x89PNG\r\n\x1a\n", "#!/bin/sh\n"};
    const char* names[] = {"beam.kxf", "report", "notes.txt", "picture.dat"};
    TempDir warm, dir;
    for (const std::string& folder : {warm.dir(), dir.dir()}) {
        int n = 0;
        for (const std::string& start : starts)
            for (const char* name : names) {
                std::ofstream f(folder + "/" + std::to_string(n++) + name, std::ios::binary);
                f << start << std::string(64 * 1024, 'k');
            }
    }
    const auto open = [](const std::string& folder) {
        return MakeOpenDialog(nullptr, "Open", "Beam files|*.kxf|All files|*", folder);
    };
    const auto save = [](const std::string& folder) {
        return MakeSaveDialog(nullptr, "Save As", "All files|*", folder, "", "kxf");
    };
    // The beam files for Open, all 12 files for Save As.
    BytesReadListing(open, warm.dir(), 3);
    EXPECT_LT(BytesReadListing(open, dir.dir(), 3), 16384u) << "Open";
    EXPECT_LT(BytesReadListing(save, dir.dir(), 12), 16384u) << "Save As";
}

TEST(QtCanvas, DrawsLinesFillsAndTextOnAnImageThatSurvivesAsPng) {
    TempDir dir;
    QImage img = MakeScreenImage(200, 120);
    {
        QtCanvas c(&img);
        c.SetBrushColor(colors::Black);
        c.FillRect({0, 0, 200, 120});
        c.SetPenColor(colors::White);
        c.SetPenWidth(4);
        c.MoveTo(10, 96);
        c.LineTo(190, 96);
        c.SetBrushColor(colors::Red);
        c.FillRect({20, 10, 40, 30});
        c.SetBrushStyle(BrushStyle::Clear);
        c.SetFontColor(colors::Yellow);
        c.SetFontSize(9);
        c.TextOut(60, 20, "MOMENT");
        EXPECT_GT(c.TextWidth("MOMENT"), c.TextWidth("M"));
        c.End();
    }
    const std::string png = dir.path("canvas.png");
    ASSERT_TRUE(img.save(QString::fromStdString(png), "PNG"));
    QImage back(QString::fromStdString(png));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.pixelColor(5, 5), QColor(0, 0, 0));
    EXPECT_EQ(back.pixelColor(100, 96), QColor(255, 255, 255)) << "4 px beam line";
    EXPECT_EQ(back.pixelColor(100, 97), QColor(255, 255, 255));
    EXPECT_EQ(back.pixelColor(100, 92), QColor(0, 0, 0));
    EXPECT_EQ(back.pixelColor(20, 10), QColor(255, 0, 0)) << "fill includes its top-left";
    EXPECT_EQ(back.pixelColor(39, 29), QColor(255, 0, 0));
    EXPECT_EQ(back.pixelColor(40, 30), QColor(0, 0, 0)) << "and excludes its bottom-right";
    EXPECT_EQ(back.pixelColor(40, 20), QColor(0, 0, 0)) << "its right edge";
    EXPECT_EQ(back.pixelColor(30, 30), QColor(0, 0, 0)) << "its bottom edge";
    EXPECT_EQ(back.pixelColor(19, 20), QColor(0, 0, 0)) << "its left edge";
    EXPECT_EQ(back.pixelColor(30, 9), QColor(0, 0, 0)) << "its top edge";
    int yellow = 0;
    for (int y = 15; y < 45; ++y)
        for (int x = 60; x < 140; ++x) {
            QColor p = back.pixelColor(x, y);
            if (p.red() > 200 && p.green() > 200 && p.blue() < 80) ++yellow;
        }
    EXPECT_GT(yellow, 20) << "text drawn in the font colour";
}

// With a solid brush, text stands on a box of the brush colour exactly its width and height; with a
// clear one, on what was there. A new canvas has a solid white brush and black text.
TEST(QtCanvas, TextStandsOnABoxOfTheBrushColourOnlyWhenTheBrushIsSolid) {
    QImage img = MakeScreenImage(200, 60);
    // A screen of 96 dots per inch each way: 3780 dots per metre * 0.0254 = 96.01; so 9 points are
    // 9 / 72 * 96 = 12 pixels.
    EXPECT_EQ(std::pair(img.logicalDpiX(), img.logicalDpiY()), std::pair(96, 96));
    img.fill(Qt::black);
    QtCanvas c(&img);
    const std::string text = "MMMM";
    c.SetFontPixelHeight(12);
    const auto twelvePixels = std::pair(c.TextWidth(text), c.TextHeight(text));
    c.SetFontSize(9);
    const int w = c.TextWidth(text), h = c.TextHeight(text);
    EXPECT_EQ(std::pair(w, h), twelvePixels);
    ASSERT_TRUE(w > 20 && w < 90 && h > 8 && h < 25) << w << " x " << h;
    c.TextOut(10, 5, text); // the new canvas's brush and font colour
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontColor(colors::Yellow);
    c.TextOut(10, 32, text);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(colors::Red);
    c.SetFontColor(colors::Black);
    c.TextOut(105, 5, text);
    c.End();
    // Pixels of each colour in the box of the text at (x, y).
    const auto count = [&](int x, int y, const QColor& colour) {
        int n = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                n += img.pixelColor(i, j) == colour;
        return n;
    };
    const QColor black(0, 0, 0), white(255, 255, 255), red(255, 0, 0), yellow(255, 255, 0);
    const int area = w * h;
    EXPECT_GT(count(10, 5, white), area / 2);
    EXPECT_GT(count(10, 5, black), 10) << "black text";
    EXPECT_GT(count(105, 5, red), area / 2);
    EXPECT_GT(count(105, 5, black), 10) << "black text";
    EXPECT_EQ(count(10, 32, white) + count(10, 32, red), 0);
    EXPECT_GT(count(10, 32, black), area / 2) << "clear: the black beneath shows";
    EXPECT_GT(count(10, 32, yellow), 10);
    // The boxes end at the text's width and height.
    for (const auto& [x, y] : {std::pair(10, 5), std::pair(105, 5)}) {
        EXPECT_NE(img.pixelColor(x, y), black) << x;
        EXPECT_NE(img.pixelColor(x + w - 1, y + h - 1), black) << x;
        EXPECT_EQ(img.pixelColor(x - 1, y), black) << x;
        EXPECT_EQ(img.pixelColor(x, y - 1), black) << x;
        EXPECT_EQ(img.pixelColor(x + w, y), black) << x;
        EXPECT_EQ(img.pixelColor(x, y + h), black) << x;
    }
}

// A new canvas's font, and a font of no size, or less, drawn at the smallest there is: 1 pixel, or
// 1 point.
TEST(QtCanvas, ANewCanvasWritesInEightPointArialAndAFontOfNoSizeIsTheSmallest) {
    QImage img = MakeScreenImage(20, 20);
    QtCanvas c(&img);
    const std::string text(60, 'M');
    const auto pixels = [&](int px) {
        c.SetFontPixelHeight(px);
        return std::pair(c.TextWidth(text), c.TextHeight(text));
    };
    const auto points = [&](int pt) {
        c.SetFontSize(pt);
        return std::pair(c.TextWidth(text), c.TextHeight(text));
    };
    // A new canvas writes in 8-point Arial.
    const auto fresh = std::pair(c.TextWidth(text), c.TextHeight(text));
    c.SetFontName("Courier");
    EXPECT_NE(points(8), fresh);
    c.SetFontName("Arial");
    EXPECT_EQ(points(8), fresh);
    for (int none : {0, -3}) {
        EXPECT_EQ(pixels(none), pixels(1)) << none;
        EXPECT_EQ(points(none), points(1)) << none;
    }
    EXPECT_LT(pixels(1).first, pixels(2).first);
    EXPECT_LT(points(1).first, points(2).first);
    c.End();
}

TEST(QtPrinter, PrintsTwoA4PagesToAPdfThatReadsBack) {
    TempDir dir;
    const std::string pdf = dir.path("report.pdf");
    QtPrinter p(pdf);
    p.BeginDoc();
    EXPECT_EQ(p.PageNumber(), 1);
    EXPECT_EQ(p.DpiX(), 600);
    const int dpmm = p.DpiX() / 25; // header units: dots per inch div 25
    p.canvas().SetFontName("Arial");
    p.canvas().SetFontSize(12);
    p.canvas().SetBrushStyle(BrushStyle::Clear);
    p.canvas().TextOut(20 * dpmm, 20 * dpmm, "Beam and loading data");
    p.canvas().SetPenWidth(3);
    p.canvas().MoveTo(20 * dpmm, 35 * dpmm);
    p.canvas().LineTo(190 * dpmm, 35 * dpmm);
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    p.canvas().SetFontName("Courier");
    p.canvas().TextOut(20 * dpmm, 20 * dpmm, "Envelope data Page 2");
    p.EndDoc();
    ASSERT_TRUE(std::filesystem::exists(pdf));

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    ASSERT_TRUE(info.waitForFinished(20000));
    QString meta = QString::fromLocal8Bit(info.readAllStandardOutput());
    EXPECT_TRUE(meta.contains(QRegularExpression(QStringLiteral("Pages:\\s+2")))) << meta.toStdString();
    EXPECT_TRUE(meta.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84[12]"))))
        << meta.toStdString();

    const QString out = PdfText(pdf);
    const QStringList pages = out.split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Beam and loading data"))) << out.toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Envelope data Page 2"))) << out.toStdString();
}

TEST(QtPrinter, PageHeaderShowsAPathBeyondAsciiAndTheTimeWithoutItsZone) {
    // The long time formats of these locales without their zone ("HH:mm:ss t", "h:mm:ss AP t").
    const QTime t(0, 42, 10);
    EXPECT_EQ(LongTimeText(QLocale::c(), t), "00:42:10");
    EXPECT_EQ(LongTimeText(QLocale(QLocale::German, QLocale::Germany), t), "00:42:10");
    EXPECT_EQ(LongTimeText(QLocale(QLocale::English, QLocale::UnitedStates), t), "12:42:10 AM");

    TempDir dir;
    const std::string pdf = dir.path("header.pdf");
    QtPrinter p(pdf);
    PrintHeaderPage(p, "/home/Zo\xC3\xAB/needle.kxf"); // as the file dialogs give it
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QString::fromUtf8("/home/Zo\xC3\xAB/needle.kxf"))) << text.toStdString();
    const QString zone = QTimeZone::systemTimeZone().abbreviation(QDateTime::currentDateTime());
    EXPECT_FALSE(text.contains(QLatin1Char(' ') + zone)) << text.toStdString();
}

TEST(QtPrinter, APrinterLaysPagesOutFromTheTopLeftOfItsPrintableArea) {
    // A PDF printer given margins stands in for a printer that cannot print at the paper's edge.
    TempDir dir;
    const std::string pdf = dir.path("printer.pdf");
    QtPrinter p([&pdf] {
        auto q = std::make_unique<QPrinter>(QPrinter::HighResolution);
        q->setOutputFormat(QPrinter::PdfFormat);
        q->setOutputFileName(QString::fromStdString(pdf));
        q->setPageMargins(QMarginsF(10, 12, 10, 12), QPageLayout::Millimeter);
        return q;
    });
    PrintHeaderPage(p, "");
    // The title's box in points from the paper's top left: at the 12 mm margin, and 15 header
    // units (360 px at 600 dpi, 15.24 mm) right of the 10 mm margin.
    const QString words = PdfText(pdf, QStringLiteral("-bbox"));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>KX-Flexor<"))
            .match(words);
    ASSERT_TRUE(m.hasMatch()) << words.toStdString();
    const double pt = 72 / 25.4;
    EXPECT_NEAR(m.captured(2).toDouble(), 12 * pt, 1.0);
    EXPECT_NEAR(m.captured(1).toDouble(), (10 + 15.24) * pt, 1.0);
}
