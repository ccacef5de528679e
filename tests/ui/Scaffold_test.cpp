// The strut window: its place on the screen, Calculate into the memo, and its drawing.
#include "calculators/ui/Scaffold.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "calculators/Scaffold.h"

using namespace kx;

TEST_F(FormsTest, StrutWindowStandsTopRightAndCalculatesIntoItsMemo) {
    TScaffoldFrm* w = Forms.ScaffoldFrm;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w->pos(), QPoint(screen.right() + 1 - w->width() - 100, screen.y() + 100));

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
        return w->Memo_Tube->toPlainText().toStdString();
    };
    ShowForm(w);
    const int blank = dark();
    w->Memo_Tube->setPlainText(QStringLiteral("typed")); // replaced by the lines of the checked tube
    w->Option_Aluminium->setChecked(true);
    std::string shown;
    const auto aluminium = ScaffoldCalculate({TubeKind::Aluminium, "2"});
    for (const std::string& l : aluminium.value())
        shown += (shown.empty() ? "" : "\n") + l;
    EXPECT_EQ(calculate("2"), shown);
    EXPECT_GT(dark(), blank + 200);
    w->Memo_Tube->setPlainText(QStringLiteral("kept"));
    EXPECT_EQ(calculate("-1"), "kept");
    EXPECT_TRUE(dialogs_->shown.empty());
}
