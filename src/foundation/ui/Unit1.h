// The start screen: the program's main window; closing it ends the program.
#pragma once

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QPushButton;

namespace kx {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // The windows its buttons and menu open, handed over by whoever makes the windows; one not
    // handed over is not opened.
    struct Links {
        QWidget* Main = nullptr;
        QWidget* Preferences = nullptr;
        QWidget* SteelCalculator = nullptr;
        QWidget* TimberCalculator = nullptr;
        QWidget* ScaffoldCalculator = nullptr;
        QWidget* WindCalculator = nullptr;
    };
    Links Link;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label_Version;
    QPushButton* cmdOK;
    QPushButton* cmdSet;
    QPushButton* Button1;
    QFrame* Panel3;
    QFrame* Panel4;
    QAction* Exit1;
    QAction* BeamAnalysis2;
    QAction* SteelMemberCapacitiestoBS59501;
    QAction* TimberMemberCapacitiestoBS596359751;
    QAction* StrutCapacityofScaffoldTube1;
    QAction* WindLoadingtoBS59731;

    void cmdOKClick();
    void BeamAnalysis2Click();
    void cmdSetClick();
    void SteelMemberCapacitiestoBS59501Click();
    void TimberMemberCapacitiestoBS596359751Click();
    void StrutCapacityofScaffoldTube1Click();
    void WindLoadingtoBS59731Click();
    void Button1Click();
    void Exit1Click();

    // What start-up does with the window once it exists.
    void FormCreate();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
};

} // namespace kx
