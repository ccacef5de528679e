// The preferences window: the unit of every kind of quantity, the modulus labels, the moment
// diagram's sign and factored loading.
#pragma once

#include <QWidget>
#include <array>

#include "foundation/Preferences.h"
#include "foundation/ui/Binding.h"

class QButtonGroup;
class QCheckBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace kx {

class TPreferencesFrm : public QWidget {
    Q_OBJECT
public:
    explicit TPreferencesFrm(QWidget* parent = nullptr);

    QTabWidget* PageControl1;
    // One exclusive group per entry of UnitOptionGroups(); button ids are option indices.
    std::array<QButtonGroup*, kUnitGroupCount> unitButtons{};
    QRadioButton* Option_SPlastic;
    QRadioButton* Option_ZPlastic;
    QRadioButton* Option_BMNC;
    QRadioButton* Option_BMUK;
    QCheckBox* Check_Factor;
    QCheckBox* Check_SetDefault;
    QListWidget* ListBox1;
    QPushButton* Button2; // OK
    QPushButton* Button1; // Cancel
    QPushButton* cmd_Reset;

    // The radios and check boxes.
    FormBindings<PreferenceChoices> Bindings;

    // The radio button of a component name, e.g. "Option_L_ft".
    QRadioButton* optionButton(const char* name) const;

    void UnitsToRadios();
    // The units of the settings file into the model, and shown.
    void ReadSettingsFile();
    void Button2Click();
    void Button1Click();
    void cmd_ResetClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormShow();
};

} // namespace kx
