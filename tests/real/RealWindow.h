// A test that runs the program's windows in a real window system (an X server, under Xvfb in
// ./test): every window made as the program makes it, in a fresh start-up directory, the start
// screen shown, messages and file dialogs answered by the scripted service.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "app/Forms.h"
#include "app/ProgramState.h"
#include "foundation/ui/Unit1.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

class RealWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        kx::ResetProgramState();
        savedStartDir_ = kx::StartDir;
        savedCwd_ = std::filesystem::current_path();
        // The start screen takes the current directory as the start-up directory.
        std::filesystem::current_path(dir_.dir());
        kx::CreateForms();
        kx::Forms.Form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(kx::Forms.Form1));
    }
    void TearDown() override {
        kx::DestroyForms();
        std::filesystem::current_path(savedCwd_);
        kx::StartDir = savedStartDir_;
    }

    // Lets the window system deliver what is pending (paints, moves, resizes).
    static void settle(int ms = 50) { QTest::qWait(ms); }

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

    TempDir dir_;
    kx::ScopedScriptedDialogs dialogs_;
    std::filesystem::path savedCwd_;
    std::string savedStartDir_;
};
