// The about box: the product name and the version texts.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace kx {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* ProductName;
    QLabel* lbl_Version;
    QPushButton* OKButton;

    void OKButtonClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormShow();
};

} // namespace kx
