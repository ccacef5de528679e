// A test that runs the program's windows in a real window system (an X server, under Xvfb in
// ./test): the windows of the headless tests' fixture, the start screen shown, and the user's
// ways of reaching a control: the mouse on menus, buttons and cells, the keyboard into boxes.
#pragma once

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <QWidget>

#include "app/Forms.h"
#include "foundation/ui/Unit1.h"
#include "platform/QtPrinter.h"
#include "ui/FormsFixture.h"
#include "window/ui/Index.h"

class RealWindowTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        kx::Forms.Form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(kx::Forms.Form1));
    }

    // Lets the window system deliver what is pending (paints, moves, resizes).
    static void settle(int ms = 50) { QTest::qWait(ms); }

    // "Beam Analysis" on the start screen: the main window, shown and settled.
    static kx::TIndexFrm* mainWindow() {
        QTest::mouseClick(kx::Forms.Form1->cmdOK, Qt::LeftButton);
        kx::TIndexFrm* w = kx::Forms.IndexFrm;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        settle(200);
        return w;
    }

    // "Beam Analysis", then File > Open of the job at path.
    kx::TIndexFrm* openJob(const std::string& path) {
        kx::TIndexFrm* w = mainWindow();
        dialogs_->fileAnswers.push_back(path);
        pick(w, "File", w->Open1);
        EXPECT_TRUE(dialogs_->messages().empty());
        return w;
    }
    // The text of a PDF as pdftotext reads it.
    static QString pdfText(const std::string& pdf) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(30000));
        return QString::fromLocal8Bit(text.readAllStandardOutput());
    }
    // Prints through p for as long as it lives.
    struct UsePrinter {
        explicit UsePrinter(kx::Printer& p) : previous(kx::printer()) { kx::InstallPrinter(&p); }
        ~UsePrinter() { kx::InstallPrinter(&previous); }
        kx::Printer& previous;
    };

    // Picks a menu item the way a user does: the menu bar's title, then the item.
    static void pick(QMainWindow* w, const char* menu, QAction* item) {
        QMenuBar* bar = w->menuBar();
        QAction* title = nullptr;
        for (QAction* a : bar->actions())
            if (a->text() == QString::fromLatin1(menu)) title = a;
        ASSERT_NE(title, nullptr) << menu;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
        settle();
        QMenu* popup = title->menu();
        ASSERT_TRUE(popup->isVisible()) << menu;
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
        settle();
    }

    // A click on a button's mark (a radio or box reacts to its mark and text only).
    static void click(QWidget* w, int wait = 50) {
        ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
        settle(wait);
    }
    // Text typed into a widget, what it held selected first, then Enter when asked.
    static void typeText(QWidget* w, const char* text, bool enter = false) {
        QTest::mouseClick(w, Qt::LeftButton);
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
        QTest::keyClicks(w, QString::fromLatin1(text));
        if (enter) QTest::keyClick(w, Qt::Key_Return);
        settle();
    }
    // A cell of a grid clicked, its editor opened, the text typed and Enter.
    static void typeCell(QTableWidget* t, int row, int col, const char* text) {
        QTableWidgetItem* it = t->item(row, col);
        ASSERT_NE(it, nullptr);
        t->scrollToItem(it);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(it).center());
        settle();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        typeText(QApplication::focusWidget(), text, true);
    }
};
