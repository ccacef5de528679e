// The strut window: its controls, place on the screen, Calculate into the memo, and its drawing.
#include "calculators/ui/Scaffold.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <gtest/gtest.h>

#include "FormsFixture.h"

using namespace kx;

TEST_F(FormsTest, StrutWindowStandsTopRightAndCalculatesIntoItsMemo) {
    TScaffoldFrm* w = Forms.ScaffoldFrm;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Scaffold Tube Axial Capacity"));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "fixed size";
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w->pos(), QPoint(screen.right() + 1 - w->width() - 100, screen.y() + 100));
    EXPECT_EQ(QStringList({w->GroupBox1->title(), w->Option_New->text(), w->Option_Used->text(),
                           w->Option_Aluminium->text(), w->Button1->text()}),
              QStringList({"Material", "New Steel Tube", "Used Steel Tube", "Aluminium Tube", "Calculate"}));
    EXPECT_TRUE(w->Option_New->isChecked());
    EXPECT_TRUE(w->Memo_Tube->toPlainText().isEmpty());

    // Pixels of the memo darker than mid-grey, to see that it draws its text.
    auto dark = [w] {
        const QImage image = w->Memo_Tube->viewport()->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    auto calculate = [w](const char* length) {
        w->Edit_Le->setText(QString::fromLatin1(length));
        w->Button1->click();
        return w->Memo_Tube->toPlainText();
    };
    ShowForm(w);
    const int blank = dark();
    EXPECT_EQ(calculate("2"),
              QStringLiteral(" \n \"New\" Steel Tube 48.3 o/d x 4.0 wt\n"
                             " to BS 1139  Part 1  Section 1.1  1990\n \n"
                             " Effective Length = 2.00 m\n Permissible Axial Load = 29.3 kN"));
    EXPECT_GT(dark(), blank + 200);
    // Typed text is replaced; the aluminium tube's standard line.
    w->Memo_Tube->setPlainText(QStringLiteral("typed"));
    w->Option_Aluminium->setChecked(true);
    EXPECT_EQ(calculate("2").split(QLatin1Char('\n')).mid(1, 2),
              QStringList({" Aluminium Tube 48.3 o/d x 4.47 wt", " to BS 1139 1990"}));
    w->Memo_Tube->setPlainText(QStringLiteral("kept"));
    for (const char* bad : {"0", "", "abc", "-1", "1e39"})
        EXPECT_EQ(calculate(bad), QStringLiteral("kept")) << bad;
    EXPECT_TRUE(dialogs_->shown.empty());
}
