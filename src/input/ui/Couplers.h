// The note on the double-coupler model.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kx {

class TCouplersFrm : public QDialog {
    Q_OBJECT
public:
    explicit TCouplersFrm(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* cmd_OK;
    QFrame* Panel1; // height marker
    QFrame* Panel2; // width marker

    void FormShow();
    void cmd_OKClick();

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace kx
