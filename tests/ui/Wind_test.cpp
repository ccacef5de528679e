// The wind window: Calculate, the spinner, a refused input, and File's commands.
#include "calculators/ui/Wind.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
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
void calculateWorkedExample(TWindFrm* w, int area, const char* desc) {
    w->Edit_AreaNo->setValue(area);
    const std::pair<QLineEdit*, const char*> texts[] = {
        {w->Edit_Desc, desc},       {w->Edit_Basic, "46"},   {w->Edit_S1, "1"},
        {w->Edit_Height, "20"},     {w->Edit_Factor, "1.3"}, {w->Edit_TubeLength, "10"},
        {w->Edit_BoardLength, "10"}};
    for (const auto& [e, t] : texts)
        e->setText(QString::fromLatin1(t));
    w->cmd_Calc->click();
}

} // namespace

TEST_F(FormsTest, WindWindowCalculatesMovesBetweenAreasPrintsAndCloses) {
    TWindFrm* w = Forms.WindFrm;
    calculateWorkedExample(w, 1, "North elevation");
    ASSERT_EQ(w->List_Results->count(), 25);
    EXPECT_EQ(w->List_Results->item(8)->text(),
              QStringLiteral(" Dynamic Wind Pressure (q)  = 0.864 kN/m\u00B2"));

    // The spinner's arrow refills the inputs from area 2's store, keeping description and radios;
    // typing a number refills nothing; back on area 1 its own radios and lines.
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
    calculateWorkedExample(w, 2, "Area 2");
    calculateWorkedExample(w, 3, "Area 3");
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
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Area No 3")));

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
    Forms.Form1->show();
    EXPECT_TRUE(LoopEndsAfter([w] { w->ExitKXFlexor1->trigger(); })); // Exit ends the program's event loop
}
