// The strut window: its controls, place on the screen, Calculate into the memo, and its drawing.
#include "calculators/ui/Scaffold.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <gtest/gtest.h>

#include "FormsFixture.h"

using namespace kx;

namespace {

class ScaffoldWindow : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        w = Forms.ScaffoldFrm;
    }
    QString calculate(const char* length) {
        w->Edit_Le->setText(QString::fromLatin1(length));
        w->Button1->click();
        return w->Memo_Tube->toPlainText();
    }
    // Pixels of the memo's text area darker than mid-grey.
    int darkPixels() {
        const QImage image = w->Memo_Tube->viewport()->grab().toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    }
    TScaffoldFrm* w = nullptr;
};

} // namespace

TEST_F(ScaffoldWindow, StandsAHundredPixelsFromTheTopAndRightWithItsControls) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Scaffold Tube Axial Capacity"));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "fixed size";
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w->x(), screen.x() + screen.width() - w->width() - 100);
    EXPECT_EQ(w->y(), screen.y() + 100);

    EXPECT_EQ(w->GroupBox1->title(), QStringLiteral("Material"));
    EXPECT_EQ(w->Option_New->text(), QStringLiteral("New Steel Tube"));
    EXPECT_EQ(w->Option_Used->text(), QStringLiteral("Used Steel Tube"));
    EXPECT_EQ(w->Option_Aluminium->text(), QStringLiteral("Aluminium Tube"));
    EXPECT_TRUE(w->Option_New->isChecked());
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Calculate"));
    EXPECT_TRUE(w->Edit_Le->text().isEmpty());
    EXPECT_TRUE(w->Memo_Tube->toPlainText().isEmpty());
    EXPECT_FALSE(w->Memo_Tube->isReadOnly());
}

TEST_F(ScaffoldWindow, CalculateReplacesTheMemoAndUnusableLengthsLeaveIt) {
    ShowForm(w);
    const int blank = darkPixels();
    EXPECT_EQ(calculate("2"),
              QStringLiteral(" \n \"New\" Steel Tube 48.3 o/d x 4.0 wt\n"
                             " to BS 1139  Part 1  Section 1.1  1990\n \n"
                             " Effective Length = 2.00 m\n Permissible Axial Load = 29.3 kN"));
    EXPECT_GT(darkPixels(), blank + 200) << "the memo draws its lines";

    w->Memo_Tube->setPlainText(QStringLiteral("typed notes"));
    w->Option_Aluminium->setChecked(true);
    const QStringList lines = calculate("2").split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[1], QStringLiteral(" Aluminium Tube 48.3 o/d x 4.47 wt"));
    EXPECT_EQ(lines[2], QStringLiteral(" to BS 1139 1990"));
    EXPECT_EQ(lines[5], QStringLiteral(" Permissible Axial Load = 12.9 kN"));

    w->Option_Used->setChecked(true);
    w->Memo_Tube->setPlainText(QStringLiteral("kept"));
    for (const char* bad : {"0", "", "abc", "-1", "1e39"})
        EXPECT_EQ(calculate(bad), QStringLiteral("kept")) << bad;
    EXPECT_TRUE(dialogs_->shown.empty());
}
