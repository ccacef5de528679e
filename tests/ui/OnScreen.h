// What a window's screen shows of a picture, against what the program drew on the picture: a
// drawing the picture was not told to paint again stays off the screen.
#pragma once

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include "foundation/ui/Picture.h"
#include "window/ui/Index.h"

namespace kxtest {

// The pending paints done, every pixel of the picture that no other control stands over shows on
// its window's screen copy as it is drawn.
inline ::testing::AssertionResult ShownAsDrawn(const QWidget* p, const QImage& picture) {
    QApplication::processEvents();
    const QWidget* win = p->window();
    const QPixmap screen = win->screen()->grabWindow(win->winId());
    if (screen.isNull()) return ::testing::AssertionFailure() << "the window has no screen copy";
    const QImage shown = screen.copy(QRect(p->mapTo(win, QPoint(0, 0)), p->size()))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage drawn = picture.convertToFormat(QImage::Format_RGB32);
    // Labels drawn over the picture (its length caption) are left out.
    QRegion uncovered(QRect(QPoint(0, 0), p->size()));
    for (const QWidget* o : win->findChildren<QWidget*>())
        if (o != p && o->isVisible() && !o->isAncestorOf(p))
            uncovered -= QRect(p->mapFrom(win, o->mapTo(win, QPoint(0, 0))), o->size());
    if (uncovered.isEmpty()) return ::testing::AssertionFailure() << "no part of the picture is visible";
    for (const QRect& r : uncovered)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (shown.pixel(x, y) != drawn.pixel(x, y))
                    return ::testing::AssertionFailure()
                           << p->objectName().toStdString() << " at (" << x << "," << y
                           << ") on the screen differs from its drawing";
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult ShownAsDrawn(const kx::TPicture* p) { return ShownAsDrawn(p, p->Picture); }

// The main window's picture.
inline ::testing::AssertionResult ShownAsDrawn(const kx::TIndexImage* p) {
    return ShownAsDrawn(p, p->Picture);
}

// The main window's picture holds the committed loads and beam as drawn afresh over black, and
// differs from either of them drawn alone.
inline void ExpectLoadsAndBeamDrawn(kx::TIndexFrm* main) {
    const QImage shown = main->Image1->Picture.copy();
    const auto drawn = [main](bool loads, bool beam) {
        main->FillImageBlack();
        if (loads) main->DrawLoads();
        if (beam) main->DrawBeam();
        return main->Image1->Picture.copy();
    };
    EXPECT_EQ(shown, drawn(true, true));
    EXPECT_NE(shown, drawn(true, false)) << "the beam is drawn";
    EXPECT_NE(shown, drawn(false, true)) << "the loads are drawn";
}

} // namespace kxtest
