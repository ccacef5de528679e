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
#include "platform/QtPrinter.h"
#include "window/ui/SetHeader.h"

using namespace kx;

namespace {

QString run(const char* program, const QStringList& args) {
    QProcess p;
    p.start(QString::fromLatin1(program), args);
    p.waitForFinished(20000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Types the worked example into the window and presses Calculate.
void calculateWorkedExample(TWindFrm* w, const char* area, const char* desc) {
    w->Edit_AreaNo->setValue(QString::fromLatin1(area).toInt());
    const std::pair<QLineEdit*, const char*> texts[] = {
        {w->Edit_Desc, desc},       {w->Edit_Basic, "46"},   {w->Edit_S1, "1"},
        {w->Edit_Height, "20"},     {w->Edit_Factor, "1.3"}, {w->Edit_TubeLength, "10"},
        {w->Edit_BoardLength, "10"}};
    for (const auto& [e, t] : texts)
        e->setText(QString::fromLatin1(t));
    w->cmd_Calc->click();
}

} // namespace

TEST_F(FormsTest, WindWindowHasItsCaptionsDefaultsAndMenu) {
    TWindFrm* w = Forms.WindFrm;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Wind Loading"));
    EXPECT_EQ(w->size(), QSize(713, 540));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "fixed size";
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w->UpDown1, w->Edit_AreaNo);
    EXPECT_EQ(std::make_tuple(w->Edit_AreaNo->value(), w->Edit_AreaNo->minimum(), w->Edit_AreaNo->maximum(),
                              w->Edit_AreaNo->wrapping()),
              std::make_tuple(1, 1, 100, false));
    EXPECT_EQ(w->Edit_S1->text(), QStringLiteral("1"));
    EXPECT_TRUE(w->Option_Open->isChecked() && w->Option_2->isChecked());
    EXPECT_EQ(w->List_Results->font().family(), QStringLiteral("Courier New"));
    QStringList captions = {w->GroupBox1->title(), w->GroupBox2->title(), w->cmd_Calc->text()};
    for (const QRadioButton* r : w->findChildren<QRadioButton*>())
        captions << r->text();
    for (const QLabel* l : w->findChildren<QLabel*>())
        captions << l->text();
    for (const char* t :
         {"Wind Speed Factor  S2",
          "Probability Factor  S3",
          "Calculate",
          "Area No",
          "Area Description",
          "Basic Wind Speed",
          "m/s",
          "Topographical factor (S1)",
          "Height",
          "m",
          "Wind force factor",
          "Projected length of tube",
          "Projected length of toeboard",
          "Open country with no obstructions",
          "Open country with scattered windbreaks",
          "Country with many windbreaks, small town, outskirts of large cities. (general rooftop "
          "level at 10m approx)",
          "Surface with many large obstructions.eg city centres (general rooftop level at 25m approx",
          "Less than 2 years",
          "2 to 5 years",
          "5 to 10 years",
          "Over 10 years"})
        EXPECT_TRUE(captions.contains(QString::fromLatin1(t))) << t;
    QStringList items;
    for (const QAction* a : w->menuBar()->actions().value(0)->menu()->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items, QStringList({"Set Header", "-", "Print", "-", "Close", "-", "Exit KX-Flexor"}));
}

TEST_F(FormsTest, WindWindowCalculatesMovesBetweenAreasPrintsAndCloses) {
    TWindFrm* w = Forms.WindFrm;
    calculateWorkedExample(w, "1", "North elevation");
    ASSERT_EQ(w->List_Results->count(), 25);
    EXPECT_EQ(w->List_Results->item(8)->text(),
              QStringLiteral(" Dynamic Wind Pressure (q)  = 0.864 kN/m\u00B2"));
    EXPECT_EQ(w->List_Results->item(24)->text(), QStringLiteral(" Total wind load area 1     = 3.070 kN"));

    // The spinner's arrow refills the inputs from area 2's store (the speed of area 1, "0.0" for
    // the height), keeping description and radios; typing a number refills nothing.
    w->Option_City->setChecked(true);
    w->Edit_AreaNo->stepBy(1);
    EXPECT_EQ(QStringList({w->Edit_Desc->text(), w->Edit_Basic->text(), w->Edit_Height->text()}),
              QStringList({"North elevation", "46.0", "0.0"}));
    EXPECT_EQ(w->List_Results->count(), 0);
    EXPECT_TRUE(w->Option_City->isChecked());
    w->Edit_AreaNo->setValue(1);
    EXPECT_EQ(w->Edit_Height->text(), QStringLiteral("0.0"));
    w->Edit_AreaNo->stepBy(1);
    w->Edit_AreaNo->stepBy(-1);
    EXPECT_TRUE(w->Option_Open->isChecked());
    EXPECT_EQ(w->List_Results->count(), 25);

    // A refused wind force factor: its message and an empty list.
    w->Edit_Factor->setText(QStringLiteral("1,3"));
    w->cmd_Calc->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"'1,3' is not a valid floating point value"});
    EXPECT_EQ(w->List_Results->count(), 0);

    // File > Print to a PDF, read back: three areas on two pages.
    calculateWorkedExample(w, "2", "Area 2");
    calculateWorkedExample(w, "3", "Area 3");
    const std::string path = dir_.path("wind.pdf");
    const QString pdf = QString::fromStdString(path);
    QtPrinter qt(path);
    Printer& previous = printer();
    InstallPrinter(&qt);
    w->Print1->trigger();
    InstallPrinter(&previous);
    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    const QStringList pages = run("pdftotext", {"-layout", pdf, "-"}).split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QStringLiteral("Total wind load area 1 += 3\\.070 kN"))))
        << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Area No 3")) &&
                pages[1].contains(QStringLiteral("Page 2")));

    // Set Header shows the header window modally; Close hides and keeps; Exit closes the start screen.
    bool modal = false;
    QTimer::singleShot(0, [&modal] {
        modal = QApplication::activeModalWidget() == Forms.SetHeaderFrm;
        Forms.SetHeaderFrm->reject();
    });
    w->SetHeader1->trigger();
    EXPECT_TRUE(modal);
    ShowForm(w);
    w->Close1->trigger();
    EXPECT_FALSE(w->isVisible());
    ShowForm(w);
    EXPECT_EQ(w->Edit_Desc->text(), QStringLiteral("Area 3"));
    EXPECT_EQ(w->List_Results->count(), 25);
    // Exit ends the program's event loop.
    Forms.Form1->show();
    QTimer::singleShot(0, w->ExitKXFlexor1, &QAction::trigger);
    QTimer timeout;
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timeout.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(Forms.Form1->isVisible());
}
