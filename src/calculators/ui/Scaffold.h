// The axial capacity of a scaffold tube strut.
#pragma once

#include <QWidget>
#include <string>

#include "calculators/Scaffold.h"
#include "foundation/ui/Binding.h"

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kx {

// The window's controls: the choices the calculation reads, and the memo it writes.
struct ScaffoldFormControls : ScaffoldChoices {
    std::string Memo_Tube;
};

class TScaffoldFrm : public QWidget {
    Q_OBJECT
public:
    explicit TScaffoldFrm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QRadioButton* Option_New;
    QRadioButton* Option_Used;
    QRadioButton* Option_Aluminium;
    QLineEdit* Edit_Le;
    QPushButton* Button1;      // Calculate
    QPlainTextEdit* Memo_Tube; // an editable multi-line text stands in for the memo

    // The controls the calculation reads, and its memo.
    FormBindings<ScaffoldFormControls> Bindings;

    void Button1Click();

private:
    void FormCreate();
};

} // namespace kx
