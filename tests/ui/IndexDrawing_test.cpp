// The main window's picture drawn for real: sketch and diagrams on a Qt canvas, saved and read back.
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include "TempDir.h"
#include "platform/QtCanvas.h"
#include "window/BeamSketch.h"
#include "window/DrawingTestSupport.h"
#include "window/ScreenDiagrams.h"

using namespace kx;
using namespace kx::test;

namespace {

TEST(IndexDrawing, SketchAndDiagramsOnAQtCanvasSurviveAsPng) {
    ResetProgramState();
    BeamA();
    Show(1);
    QImage img = MakeScreenImage(kFrameF.W, kFrameF.H);
    {
        // As the window redraws: black over the picture, loads, beam, then the diagrams.
        QtCanvas c(&img);
        c.SetBrushColor(colors::Black);
        c.FillRect({0, 0, kFrameF.W, kFrameF.H});
        DrawLoads(c, kFrameF);
        DrawBeam(c, kFrameF);
        DrawDiagrams(c, kFrameF);
        c.End();
    }
    TempDir dir;
    const QString png = QString::fromStdString(dir.path("picture.png"));
    ASSERT_TRUE(img.save(png, "PNG"));
    const QImage back(png);
    ASSERT_EQ(back.size(), QSize(kFrameF.W, kFrameF.H));
    const QColor white(255, 255, 255), red(255, 0, 0), yellow(255, 255, 0), black(0, 0, 0);
    EXPECT_EQ(back.pixelColor(550, 96), white) << "beam line";
    EXPECT_EQ(back.pixelColor(700, 336), white) << "moment baseline";
    EXPECT_EQ(back.pixelColor(145, 111), white) << "support triangle";
    EXPECT_EQ(back.pixelColor(550, 54), red) << "load outline 40 px up";
    EXPECT_EQ(back.pixelColor(150, 200), yellow) << "shear at the left support";
    EXPECT_EQ(back.pixelColor(550, 300), yellow) << "moment peak";
    EXPECT_EQ(back.pixelColor(550, 486), yellow) << "deflection peak";
    EXPECT_EQ(back.pixelColor(1000, 400), black);
    int label = 0; // "31.3 kN-m" over the moment peak
    for (int y = 275; y <= 290; ++y)
        for (int x = 530; x <= 590; ++x) {
            const QColor p = back.pixelColor(x, y); // the text's edges are smoothed
            label += p.red() > 200 && p.green() > 200 && p.blue() < 80;
        }
    EXPECT_GT(label, 20);
}

} // namespace
