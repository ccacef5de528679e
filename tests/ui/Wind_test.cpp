// The wind window: its controls and menu, Calculate, the spinner, and File's commands.
#include "calculators/ui/Wind.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "foundation/ui/Unit1.h"
#include "platform/Printer.h"
#include "platform/QtPrinter.h"
#include "window/ui/SetHeader.h"

using namespace kx;

namespace {

class WindWindow : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        w = Forms.WindFrm;
    }
    // The worked example typed into the window: area 1, open country, under two years.
    void typeWorkedExample() {
        w->Edit_Desc->setText(QStringLiteral("North elevation"));
        w->Edit_Basic->setText(QStringLiteral("46"));
        w->Edit_S1->setText(QStringLiteral("1"));
        w->Edit_Height->setText(QStringLiteral("20"));
        w->Option_Open->setChecked(true);
        w->Option_2->setChecked(true);
        w->Edit_Factor->setText(QStringLiteral("1.3"));
        w->Edit_TubeLength->setText(QStringLiteral("10"));
        w->Edit_BoardLength->setText(QStringLiteral("10"));
    }
    QStringList list() const {
        QStringList l;
        for (int i = 0; i < w->List_Results->count(); ++i)
            l << w->List_Results->item(i)->text();
        return l;
    }
    static QString run(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        p.waitForFinished(20000);
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }
    TWindFrm* w = nullptr;
};

} // namespace

TEST_F(WindWindow, HasItsCaptionsDefaultsMenuAndSize) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Wind Loading"));
    EXPECT_EQ(w->size(), QSize(713, 540));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "fixed size";
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(w->Panel1->isVisible());
    EXPECT_EQ(w->UpDown1, w->Edit_AreaNo);
    EXPECT_EQ(w->Edit_AreaNo->value(), 1);
    EXPECT_EQ(w->Edit_AreaNo->minimum(), 1);
    EXPECT_EQ(w->Edit_AreaNo->maximum(), 100);
    EXPECT_FALSE(w->Edit_AreaNo->wrapping());
    EXPECT_EQ(w->Edit_S1->text(), QStringLiteral("1"));
    for (QLineEdit* e : {w->Edit_Desc, w->Edit_Basic, w->Edit_Height, w->Edit_Factor, w->Edit_TubeLength,
                         w->Edit_BoardLength})
        EXPECT_TRUE(e->text().isEmpty());
    EXPECT_EQ(w->GroupBox1->title(), QStringLiteral("Wind Speed Factor  S2"));
    EXPECT_EQ(w->GroupBox2->title(), QStringLiteral("Probability Factor  S3"));
    EXPECT_TRUE(w->Option_Open->isChecked());
    EXPECT_TRUE(w->Option_2->isChecked());
    EXPECT_EQ(w->Option_Many->text(),
              QStringLiteral("Country with many windbreaks, small town, outskirts of large cities. (general "
                             "rooftop level at 10m approx)"));
    EXPECT_EQ(w->OPtion_10->text(), QStringLiteral("Over 10 years"));
    EXPECT_EQ(w->cmd_Calc->text(), QStringLiteral("Calculate"));
    EXPECT_EQ(w->List_Results->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(w->List_Results->count(), 0);

    // Every caption, label and unit of the window.
    QStringList labels;
    for (const QLabel* l : w->findChildren<QLabel*>())
        labels << l->text();
    for (const char* t :
         {"Area No", "Area Description", "Basic Wind Speed", "m/s", "Topographical factor (S1)", "Height",
          "m", "Wind force factor", "Projected length of tube", "Projected length of toeboard"})
        EXPECT_TRUE(labels.contains(QString::fromLatin1(t))) << t;

    const QList<QAction*> menus = w->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("File"));
    QStringList items;
    for (const QAction* a : menus[0]->menu()->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items, QStringList({"Set Header", "-", "Print", "-", "Close", "-", "Exit KX-Flexor"}));
}

TEST_F(WindWindow, CalculateShowsTheAreaAndTheSpinnerMovesBetweenAreas) {
    typeWorkedExample();
    w->cmd_Calc->click();
    QStringList shown = list();
    ASSERT_EQ(shown.size(), 25);
    EXPECT_EQ(shown[0], QStringLiteral(" Area No 1       North elevation"));
    EXPECT_EQ(shown[8], QStringLiteral(" Dynamic Wind Pressure (q)  = 0.864 kN/m") + QChar(0xB2));
    EXPECT_EQ(shown[24], QStringLiteral(" Total wind load area 1     = 3.070 kN"));

    // Up to area 2: the speed and S1 of area 1, "0.0" in the rest, an empty list; the
    // description and the radios stay.
    w->Option_City->setChecked(true);
    w->Edit_AreaNo->stepBy(1);
    EXPECT_EQ(w->Edit_AreaNo->value(), 2);
    EXPECT_EQ(w->Edit_Basic->text(), QStringLiteral("46.0"));
    EXPECT_EQ(w->Edit_S1->text(), QStringLiteral("1.00"));
    for (QLineEdit* e : {w->Edit_Height, w->Edit_Factor, w->Edit_TubeLength, w->Edit_BoardLength})
        EXPECT_EQ(e->text(), QStringLiteral("0.0"));
    EXPECT_EQ(w->List_Results->count(), 0);
    EXPECT_EQ(w->Edit_Desc->text(), QStringLiteral("North elevation"));
    EXPECT_TRUE(w->Option_City->isChecked());

    // Area 2 in the city, then back down: area 1's radios, description and lines return.
    w->Edit_Desc->setText(QStringLiteral("South elevation"));
    w->Edit_Height->setText(QStringLiteral("30"));
    w->Option_5_10->setChecked(true);
    w->cmd_Calc->click();
    ASSERT_EQ(w->List_Results->count(), 11);
    w->Edit_AreaNo->stepBy(-1);
    EXPECT_TRUE(w->Option_Open->isChecked());
    EXPECT_TRUE(w->Option_2->isChecked());
    EXPECT_EQ(w->Edit_Desc->text(), QStringLiteral("North elevation"));
    EXPECT_EQ(w->Edit_Height->text(), QStringLiteral("20.0"));
    EXPECT_EQ(list(), shown);

    // At the bottom the spinner stays on area 1; typing a number does not refill the inputs.
    w->Edit_AreaNo->stepBy(-1);
    EXPECT_EQ(w->Edit_AreaNo->value(), 1);
    w->Edit_AreaNo->setValue(2);
    EXPECT_EQ(w->Edit_Desc->text(), QStringLiteral("North elevation"));

    // A refused speed: its message, an empty list, area 1 kept.
    w->Edit_AreaNo->setValue(1);
    w->Edit_Basic->setText(QStringLiteral("150"));
    w->cmd_Calc->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Basic wind speed must be less than 100 m/s"});
    EXPECT_EQ(w->List_Results->count(), 0);
    EXPECT_EQ(w->Edit_Basic->text(), QStringLiteral("150")) << "the user's text stays";
    w->Edit_Factor->setText(QStringLiteral("1,3"));
    w->Edit_Basic->setText(QStringLiteral("46"));
    w->cmd_Calc->click();
    EXPECT_EQ(dialogs_->messages().back(), "'1,3' is not a valid floating point value");
    w->Edit_AreaNo->stepBy(1);
    w->Edit_AreaNo->stepBy(-1);
    EXPECT_EQ(w->Edit_Basic->text(), QStringLiteral("46.0"));
    EXPECT_EQ(list(), shown);
}

TEST_F(WindWindow, FileMenuPrintsSetsTheHeaderClosesAndExits) {
    typeWorkedExample();
    w->cmd_Calc->click();
    for (int area : {2, 3}) {
        w->Edit_AreaNo->setValue(area);
        w->Edit_Desc->setText(QStringLiteral("Area %1").arg(area));
        w->cmd_Calc->click();
    }

    // To a PDF through the Qt printer, read back: three areas on two pages.
    const std::string pdf = dir_.path("wind.pdf");
    QtPrinter qt(pdf);
    Printer& previous = printer();
    InstallPrinter(&qt);
    w->Print1->trigger();
    InstallPrinter(&previous);
    EXPECT_TRUE(dialogs_->shown.empty());
    const QString info = run(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info.toStdString();
    const QString text = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Total wind load area 1 += 3\\.070 kN"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("WIND LOADING")));
    const QStringList pages = text.split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Area No 3")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Page 2")));

    // Set Header: the header window, modally.
    bool modal = false;
    QTimer::singleShot(0, [&modal] {
        modal = QApplication::activeModalWidget() == Forms.SetHeaderFrm;
        Forms.SetHeaderFrm->reject();
    });
    w->SetHeader1->trigger();
    EXPECT_TRUE(modal);

    // Close hides and keeps everything; Exit closes the start screen.
    ShowForm(w);
    w->Close1->trigger();
    EXPECT_FALSE(w->isVisible());
    ShowForm(w);
    EXPECT_EQ(w->List_Results->count(), 25);
    EXPECT_EQ(w->Edit_Desc->text(), QStringLiteral("Area 3"));
    Forms.Form1->show();
    w->ExitKXFlexor1->trigger();
    EXPECT_FALSE(Forms.Form1->isVisible());
}
