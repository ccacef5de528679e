// The strut window: its place on the screen, its controls, and Calculate into the memo.
#include "calculators/ui/Scaffold.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <gtest/gtest.h>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"

using namespace kx;

TEST_F(FormsTest, StrutWindowStandsTopRightReadsItsControlsAndCalculatesIntoItsMemo) {
    TScaffoldFrm* w = Forms.ScaffoldFrm;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w->pos(), QPoint(screen.right() + 1 - w->width() - 100, screen.y() + 100));

    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_TRUE(kxtest::UnboundInputs(w, w->Bindings).empty());
    const std::pair<QRadioButton*, TubeKind> radios[] = {{w->Option_Used, TubeKind::Used},
                                                         {w->Option_Aluminium, TubeKind::Aluminium},
                                                         {w->Option_New, TubeKind::New}};
    for (auto [radio, kind] : radios) {
        radio->click();
        EXPECT_TRUE(w->Bindings.Read().Tube == kind) << radio->objectName().toStdString();
    }
    EXPECT_EQ(w->Edit_Le->accessibleName(), QStringLiteral("Effective Length"));

    ShowForm(w);
    w->Option_Used->click();
    w->Edit_Le->setText(QStringLiteral("2"));
    w->Button1->click();
    EXPECT_TRUE(w->Memo_Tube->toPlainText().contains(QStringLiteral("\"Used\" Steel Tube")));
    w->Memo_Tube->setPlainText(QStringLiteral("kept"));
    w->Edit_Le->setText(QStringLiteral("-1"));
    w->Button1->click();
    EXPECT_EQ(w->Memo_Tube->toPlainText(), QStringLiteral("kept"));
    EXPECT_TRUE(dialogs_->shown.empty());
}
