// The window registry: every window created once, hidden, a top-level window named after its class.
#include "app/Forms.h"
#include "foundation/ui/Windows.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FormsFixture.h"
#include "calculators/ui/Duration.h"
#include "calculators/ui/KX_Cap.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Timber.h"
#include "calculators/ui/Wind.h"
#include "foundation/ui/About.h"
#include "foundation/ui/Binding.h"
#include "foundation/ui/Info.h"
#include "foundation/ui/Picture.h"
#include "foundation/ui/Preferences.h"
#include "foundation/ui/Unit1.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/Couplers.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
#include "platform/StateRegistry.h"
#include "window/ui/Index.h"
#include "window/ui/Point.h"
#include "window/ui/Print.h"
#include "window/ui/SetHeader.h"

using namespace kx;

TEST_F(FormsTest, EveryWindowIsCreatedOnceHiddenAndGoesWithTheRegistry) {
    const std::vector<QWidget*> order = FormsInCreationOrder();
    ASSERT_EQ(order.size(), 21u);
    EXPECT_EQ(order.front(), Widget(Forms.Form1)) << "the start screen comes first";
    for (QWidget* w : order) {
        const std::string name = w->objectName().toStdString();
        EXPECT_EQ(w->metaObject()->className(), "kx::T" + name);
        EXPECT_TRUE(w->isWindow()) << name;
        EXPECT_FALSE(w->isVisible()) << name;
        EXPECT_FALSE(w->windowTitle().isEmpty()) << name;
    }
    CreateForms(); // a second call makes nothing new
    EXPECT_EQ(FormsInCreationOrder(), order);
    DestroyForms();
    EXPECT_TRUE(FormsInCreationOrder().empty());
    EXPECT_EQ(Forms.IndexFrm, nullptr);
}

// Start-up sets program state in its own steps; making a window, any window, changes none.
TEST_F(FormsTest, MakingAWindowChangesNoProgramState) {
    DestroyForms();
    ResetProgramState();
    for (const RegisteredState& r : StateRegistry())
        EXPECT_TRUE(r.isBlank()) << r.name << " after the reset";
    std::vector<std::unique_ptr<QWidget>> windows;
    auto make = [&windows]<class... T>() {
        (
            [&windows] {
                windows.push_back(std::make_unique<T>());
                for (const RegisteredState& r : StateRegistry())
                    EXPECT_TRUE(r.isBlank())
                        << r.name << " after making " << windows.back()->objectName().toStdString();
            }(),
            ...);
    };
    make.operator()<TForm1, TKX_BeamFrm, TPreferencesFrm, TKX_GridFrm, TIndexFrm, TInfoFrm, TLoadDataFrm,
                    TAboutBox, TScaffoldFrm, TWindFrm, TCouplersFrm, TDurationFrm, TTimberFrm, TKX_CapFrm,
                    TCantLHFrm, TCantRHFrm, TSpanFrm, TPrintFrm, TPointFrm, TTimSectFrm, TSetHeaderFrm>();
}

// The helpers every window is built with: names, captions, the label an input is known by, a
// list's lines in the program's single-byte text, and the place a window is centred at.
TEST_F(FormsTest, WindowHelpersNameCaptionFillAndCentre) {
    QWidget w;
    InitForm(&w, "SomeFrm", "Beam Data");
    EXPECT_EQ(w.objectName(), QStringLiteral("SomeFrm"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Beam Data"));

    auto* caption = label(&w, "lbl_L", "&Lift  height", 10, 20, 120, 17);
    auto* edit = new QLineEdit(&w);
    Caption(caption, edit);
    EXPECT_EQ(caption->objectName(), QStringLiteral("lbl_L"));
    EXPECT_EQ(caption->geometry(), QRect(10, 20, 120, 17));
    EXPECT_EQ(caption->buddy(), edit) << "Alt+L reaches the edit box";
    EXPECT_EQ(edit->accessibleName(), QStringLiteral("Lift height"));

    QRadioButton* b = radio(&w, "Option_X", "N/mm\xB2", 5, 6, 70);
    EXPECT_EQ(b->objectName(), QStringLiteral("Option_X"));
    EXPECT_EQ(b->text(), QString::fromUtf8("N/mm\u00b2")) << "byte 178 is the superscript 2";
    EXPECT_EQ(b->geometry(), QRect(5, 6, 70, 22));

    auto* list = new QListWidget(&w);
    FillList(list, {"old"});
    FillList(list, {"1 m\xB2", "", "last"});
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("1 m\u00b2"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("last"));

    w.resize(300, 200);
    CentreOnScreen(&w);
    const QRect s = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w.pos(), QPoint(s.x() + (s.width() - 300) / 2, s.y() + (s.height() - 200) / 2));
}

// A picture keeps its size and grey ground; SetChecked unticks a radio that its group or its
// neighbours would keep ticked; the about box and the information window stay above the windows
// that stay on top (the preferences).
TEST_F(FormsTest, PicturesRadiosAndWindowsAboveTheRest) {
    TPicture picture(120, 40, nullptr);
    EXPECT_EQ(picture.size(), QSize(120, 40));
    EXPECT_EQ(picture.minimumSize(), picture.maximumSize()) << "fixed";
    EXPECT_EQ(picture.Picture.pixelColor(119, 39), QColor(0x80, 0x80, 0x80));
    int clicks = 0;
    QObject::connect(&picture, &TPicture::clicked, [&clicks] { ++clicks; });
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&picture, &press);
    }
    EXPECT_EQ(clicks, 1) << "the left button only";
    // What is drawn on the picture is what the window shows, from its top left pixel on.
    picture.Picture.setPixelColor(0, 0, QColor(0, 0, 255));
    picture.Picture.setPixelColor(119, 39, QColor(255, 0, 0));
    const QImage shown = picture.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(shown.pixelColor(1, 0), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(shown.pixelColor(119, 39), QColor(255, 0, 0));

    QWidget parent;
    QRadioButton* a = radio(&parent, "a", "A");
    QRadioButton* b = radio(&parent, "b", "B");
    SetChecked(a, true);
    SetChecked(a, false);
    EXPECT_FALSE(a->isChecked() || b->isChecked()) << "neighbours alone";
    EXPECT_TRUE(a->autoExclusive()) << "and they stay exclusive";
    SetChecked(b, true);
    SetChecked(a, true);
    EXPECT_FALSE(b->isChecked());
    QButtonGroup group;
    group.addButton(a);
    group.addButton(b);
    SetChecked(a, false);
    EXPECT_FALSE(a->isChecked() || b->isChecked()) << "in a group";
    EXPECT_TRUE(group.exclusive());

    for (QWidget* w : {Widget(Forms.AboutBox), Widget(Forms.InfoFrm), Widget(Forms.PreferencesFrm)})
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << w->objectName().toStdString();
}

// Of every widget of every window only the headings named here are bold: the start screen's
// title, the Info window's two headings, the span form's three group captions, the timber section
// form's OK and the steel window's group caption over its section list, each in its window's face.
TEST_F(FormsTest, OnlyTheHeadingsAreBoldInEveryWindow) {
    std::vector<std::string> bold;
    for (QWidget* form : FormsInCreationOrder())
        for (const QWidget* c : form->findChildren<QWidget*>())
            if (c->font().bold()) {
                bold.push_back(form->objectName().toStdString() + "." + c->objectName().toStdString());
                EXPECT_EQ(c->font().family(), form->font().family()) << bold.back();
            }
    std::sort(bold.begin(), bold.end());
    EXPECT_EQ(bold, (std::vector<std::string>{"Form1.Label1", "InfoFrm.Label1", "InfoFrm.Label6",
                                              "KX_CapFrm.lbl_Group", "SpanFrm.Label1", "SpanFrm.Label2",
                                              "SpanFrm.Label3", "TimSectFrm.cmd_OK"}));
    // The steel window's caption keeps its window's size too.
    const TKX_CapFrm* steel = Forms.KX_CapFrm;
    EXPECT_EQ(steel->lbl_Group->font().pointSize(), steel->font().pointSize());
}
