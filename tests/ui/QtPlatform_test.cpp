// The Qt canvas drawn to a PNG and the Qt printer printing to a PDF, both read back.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"

using namespace kx;

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
    int yellow = 0;
    for (int y = 15; y < 45; ++y)
        for (int x = 60; x < 140; ++x) {
            QColor p = back.pixelColor(x, y);
            if (p.red() > 200 && p.green() > 200 && p.blue() < 80) ++yellow;
        }
    EXPECT_GT(yellow, 20) << "text drawn in the font colour";
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

    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    QString out = QString::fromLocal8Bit(text.readAllStandardOutput());
    QStringList pages = out.split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Beam and loading data"))) << out.toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Envelope data Page 2"))) << out.toStdString();
}
