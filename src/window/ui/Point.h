// The results-at-a-point window: the distance typed, the values of every loadcase there in a grid
// and a list, and their printout.
#pragma once

#include <QDialog>

#include "foundation/ui/Binding.h"
#include "window/Point.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace kx {

class TPointFrm : public QDialog {
    Q_OBJECT
public:
    explicit TPointFrm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Edit_Dist;
    QLabel* Label_Unit;
    QPushButton* cmd_Calc;
    QPushButton* cmd_Print;
    QPushButton* cmd_OK;
    QTableWidget* Grid_RaP;
    QListWidget* List_Results;

    // The distance, the unit, the grid and the list.
    FormBindings<PointControls> Bindings;

    void FormShow();
    void cmd_CalcClick();
    void cmd_PrintClick();
    void cmd_OKClick();

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace kx
