// The start screen, the about box and the information window in real windows.
#include "foundation/ui/Unit1.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>

#include "FormsFixture.h"
#include "WiringTables.h"
#include "calculators/ui/KX_Cap.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Timber.h"
#include "calculators/ui/Wind.h"
#include "foundation/Preferences.h"
#include "foundation/Unit1.h"
#include "foundation/ui/About.h"
#include "foundation/ui/Info.h"
#include "foundation/ui/Preferences.h"
#include "platform/BusyCursor.h"
#include "window/ui/Index.h"

using namespace kx;

TEST_F(FormsTest, StartScreenShowsItsVersionAndMenuAndStandsAThirdAcross) {
    TForm1* f = Forms.Form1;
    EXPECT_EQ(f->Label_Version->text(), QStringLiteral("Version 1.3.1"));
    QStringList menu;
    for (QAction* top : f->menuBar()->actions()) {
        menu << top->text();
        for (QAction* item : top->menu()->actions())
            menu << QStringLiteral("  ") + item->text();
    }
    EXPECT_EQ(
        menu,
        QStringList({"File", "  Exit", "Beam Analysis", "  Beam Analysis", "Member Capacities",
                     "  Steel Member Capacities to BS 5975", "  Timber Member Capacities to BS 5975",
                     "  Strut Capacity of Scaffold Tube to BS 1139", "Wind ", "  Wind Loading to BS 5973"}));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const ScreenPoint p = StartScreenPosition(screen.width(), screen.height(), f->width(), f->height());
    EXPECT_EQ(f->pos(), QPoint(screen.x() + p.left, screen.y() + p.top));
}

TEST_F(FormsTest, EachButtonAndMenuItemShowsItsWindow) {
    TForm1* f = Forms.Form1;
    f->show();
    const std::tuple<const char*, std::function<void()>, QWidget*> steps[] = {
        {"Beam Analysis button", [f] { f->cmdOK->click(); }, Forms.IndexFrm},
        {"Beam Analysis item", [f] { f->BeamAnalysis2->trigger(); }, Forms.IndexFrm},
        {"Settings", [f] { f->cmdSet->click(); }, Forms.PreferencesFrm},
        {"Steel", [f] { f->SteelMemberCapacitiestoBS59501->trigger(); }, Forms.KX_CapFrm},
        {"Timber", [f] { f->TimberMemberCapacitiestoBS596359751->trigger(); }, Forms.TimberFrm},
        {"Scaffold", [f] { f->StrutCapacityofScaffoldTube1->trigger(); }, Forms.ScaffoldFrm},
        {"Wind", [f] { f->WindLoadingtoBS59731->trigger(); }, Forms.WindFrm}};
    for (const auto& [what, press, window] : steps) {
        for (QWidget* w : FormsInCreationOrder())
            if (w != f) w->hide();
        press();
        for (QWidget* w : FormsInCreationOrder())
            EXPECT_EQ(w->isVisible(), w == f || w == window) << what << ": " << w->objectName().toStdString();
    }
    EXPECT_EQ(BusyCursor::depth(), 0) << "the hourglass is gone again";
    EXPECT_TRUE(dialogs_->shown.empty());

    // Pressing Settings again while the window is open only brings it forward: its show
    // handling, which takes the snapshot, does not run again.
    f->cmdSet->click();
    ASSERT_TRUE(Forms.PreferencesFrm->isVisible());
    Model.UnitFactorLength = 1.0f;
    f->cmdSet->click();
    EXPECT_EQ(OldUnitFactors.Length, 1000.0f);
}

TEST_F(FormsTest, ClosingTheStartScreenInAnyWayEndsTheProgramWhileOtherWindowsAreOpen) {
    TForm1* f = Forms.Form1;
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"Exit button", [f] { f->Button1->click(); }},
        {"File > Exit", [f] { f->Exit1->trigger(); }},
        {"close box", [f] { f->close(); }},
        {"another window's Exit", [] { CloseStartScreen(); }},
    };
    for (const auto& [what, close] : ways) {
        f->show();
        ShowForm(Forms.IndexFrm);
        ShowForm(Forms.WindFrm);
        EXPECT_TRUE(LoopEndsAfter(close)) << what;
        EXPECT_FALSE(f->isVisible()) << what;
    }
}

TEST_F(FormsTest, AboutBoxShowsTheVersionTextsOfTheModelAndClosesWithResultSix) {
    TAboutBox* a = Forms.AboutBox;
    for (const char* expected : {"Version 1.3.1", "Version 1.2.7"}) {
        QString shown;
        int okBottom = 0, gap = 0;
        QTimer::singleShot(0, a, [&] {
            shown = a->lbl_Version->text();
            okBottom = a->OKButton->y() + a->OKButton->height();
            gap = a->lbl_Version->y() - (a->ProductName->y() + a->ProductName->height());
            a->OKButton->click();
        });
        EXPECT_EQ(a->exec(), 6);
        EXPECT_FALSE(a->isVisible());
        EXPECT_EQ(shown.toStdString(), expected);
        // OK stands at the foot of the 351-pixel panel, inside its sunken 1-pixel line and its
        // 30-pixel margin.
        EXPECT_EQ(okBottom, 351 - 1 - 30);
        EXPECT_GE(gap, 20) << "the version stands 20 pixels and more under the name";
        EXPECT_EQ(a->size(), QSize(351 + 50, 351 + 50)) << "the panel with 25 pixels all round";
        EXPECT_EQ(a->minimumSize(), a->maximumSize()) << "a fixed border";
        Model.VersionNumber = "1.2"; // a beam file opened later brings its own version texts
        Model.VersionSuffix = ".7";
    }
}

TEST_F(FormsTest, InfoWindowShowsEveryLineInOrderAndHidesOnOk) {
    TInfoFrm* w = Forms.InfoFrm;
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::Tool));
    const std::vector<std::pair<QString, bool>> expected = {
        {"UNITS ", true},
        {"This program has been written for general engineering analysis.", false},
        {"Input and output units may be set to a number of commonly used standard units.", false},
        {"For ease of use, output is displayed to three or four significant figures ", false},
        {"with  values < 1 shown to a maximum of two or three decimal places respectively ", false},
        {"DISCLAIMER", true},
        {"This program is supplied as is.", false},
        {"Mossgate Software Ltd. disclaims all warranties expressed or implied,", false},
        {"including without limitation, the warranties of merchantability and fitness for purpose.", false},
        {"Mossgate Software Ltd. assumes no liability for damages, direct or ", false},
        {"consequencial, which may result from the use of this program.", false},
    };
    std::vector<std::pair<QString, bool>> shown;
    for (QLabel* l : w->findChildren<QLabel*>())
        shown.emplace_back(l->text(), l->font().bold());
    EXPECT_EQ(shown, expected);
    ShowForm(w);
    w->Button1->click();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FormsTest, StartScreenShowsItsButtonsUsableAndKeepsItsHeightMarkerHidden) {
    TForm1* f = Forms.Form1;
    kxtest::ExpectStates(f, {{"shown",
                              [f] { f->show(); },
                              {"cmdOK", "cmdSet", "Button1"},
                              {},
                              {"Panel3", "Label_Version", "cmdOK", "cmdSet", "Button1"},
                              {"Panel4"}}});
}

TEST_F(FormsTest, StartScreenAboutBoxAndInfoWindowCarryTheirTitlesLabelsAndButtons) {
    TForm1* f = Forms.Form1;
    const QStringList start = {f->windowTitle(), f->Label1->text(), f->Label2->text(), f->Label4->text(),
                               f->cmdOK->text(), f->cmdSet->text(), f->Button1->text()};
    EXPECT_EQ(start,
              QStringList({"KX-Flexor", "KX-Flexor", "Multispan Beam Analysis Program",
                           "for Temporary Works and Scaffold Design", "Beam Analysis", "Settings", "Exit"}));
    EXPECT_EQ(f->Label1->font().pixelSize(), 30);
    EXPECT_TRUE(f->Label1->font().bold());
    // The title in yellow on a red band; the lines under it white.
    const QPalette title = f->Label1->palette();
    EXPECT_EQ(title.color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(title.color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(f->Label1->autoFillBackground());
    for (const QLabel* l : {f->Label2, f->Label4, f->Label_Version})
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::white))
            << l->objectName().toStdString();
    EXPECT_EQ(f->size(), QSize(473, 521)) << "Panel3's width and Panel4's height";
    // The ground is green, in the panel's margin and below it.
    const QImage ground = f->centralWidget()->grab().toImage();
    for (const QPoint at : {QPoint(5, 5), QPoint(5, ground.height() - 5)})
        EXPECT_EQ(ground.pixelColor(at), QColor(0, 128, 0)) << at.x() << "," << at.y();
    // The three buttons stand in one row, in their order.
    f->Panel3->layout()->activate();
    EXPECT_TRUE(f->cmdOK->y() == f->cmdSet->y() && f->cmdSet->y() == f->Button1->y());
    EXPECT_LT(f->cmdOK->geometry().right(), f->cmdSet->x());
    EXPECT_LT(f->cmdSet->geometry().right(), f->Button1->x());

    TAboutBox* a = Forms.AboutBox;
    const QStringList about = {a->windowTitle(), a->ProductName->text(), a->OKButton->text()};
    EXPECT_EQ(about, QStringList({"About", "KX-Flexor ", "OK"}));
    EXPECT_EQ(a->ProductName->font().pixelSize(), 20);
    EXPECT_EQ(a->Panel1->size(), QSize(351, 351));
    QSize shownSize;
    QTimer::singleShot(0, a, [&] {
        shownSize = a->size();
        a->OKButton->click();
    });
    a->exec();
    EXPECT_EQ(shownSize, QSize(401, 401)) << "the panel and 50 each way";

    TInfoFrm* i = Forms.InfoFrm;
    EXPECT_EQ(QStringList({i->windowTitle(), i->Button1->text()}), QStringList({"Info", "OK"}));
    EXPECT_EQ(i->size(), QSize(546, 490));
}

// The Info window's lines stand at the top, each at its own height one under the other, a bold
// heading 16 px further down; the OK button at the foot, centred, inside the 12, 20, 12 and 16 px
// margins of the 546 x 490 window.
TEST_F(FormsTest, InfoWindowStacksItsLinesAtTheTopAndOkAtTheFoot) {
    TInfoFrm* w = Forms.InfoFrm;
    ShowForm(w);
    QGuiApplication::processEvents();
    const QList<QLabel*> labels = w->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 11);
    const int gap = labels[1]->y() - (labels[0]->y() + labels[0]->height()); // the layout's spacing
    for (int i = 0; i < labels.size(); ++i) {
        const QLabel* l = labels[i];
        SCOPED_TRACE(l->objectName().toStdString());
        EXPECT_EQ(l->height(), l->sizeHint().height()) << "each line its own height, none stretched";
        EXPECT_EQ(l->x(), 12);
        EXPECT_EQ(l->width(), 546 - 24);
        if (i == 0)
            EXPECT_EQ(l->y(), 20);
        else
            EXPECT_EQ(l->y(),
                      labels[i - 1]->y() + labels[i - 1]->height() + gap + (l->font().bold() ? 16 : 0));
    }
    const QRect ok = w->Button1->geometry();
    EXPECT_EQ(ok.bottom() + 1, 490 - 16);
    EXPECT_EQ(ok.left() + ok.right() + 1, 546) << "centred";
    EXPECT_GT(ok.top(), labels.back()->geometry().bottom() + 1);
    w->Button1->click();
}

// The About panel's name and version stand at the top, each at its own height, the version 20 px
// under the name; OK at the foot, inside the panel's 1 px line and 30 px margins, all centred.
TEST_F(FormsTest, AboutBoxStacksNameAndVersionAtTheTopAndOkAtTheFoot) {
    TAboutBox* a = Forms.AboutBox;
    QRect name, version, ok;
    QSize nameHint, versionHint;
    int spacing = -1;
    QTimer::singleShot(0, a, [&] {
        name = a->ProductName->geometry(), version = a->lbl_Version->geometry(), ok = a->OKButton->geometry();
        nameHint = a->ProductName->sizeHint(), versionHint = a->lbl_Version->sizeHint();
        spacing = a->Panel1->layout()->spacing();
        a->OKButton->click();
    });
    a->exec();
    ASSERT_GE(spacing, 0);
    EXPECT_EQ(name.y(), 1 + 30);
    EXPECT_EQ(name.size(), nameHint) << "the name its own height, not stretched";
    EXPECT_EQ(version.y(), name.bottom() + 1 + 20 + spacing);
    EXPECT_EQ(version.size(), versionHint);
    EXPECT_EQ(ok.bottom() + 1, 351 - 1 - 30);
    for (const QRect& r : {name, version, ok})
        EXPECT_LE(std::abs(r.left() - (351 - 1 - r.right())), 1) << "centred, an odd pixel aside";
}
