// The preferences window.
#include "foundation/ui/Preferences.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "foundation/ui/Windows.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {

const char* const kNotes[] = {
    "UNITS",
    " This program has been designed to be used by practicing engineers who  need results",
    " to the order of accuracy appropriate to the geometrical tolerances and loading ",
    " assumptions inherent in engineering design.",
    "",
    " The basic analysis of this program is performed using units of newtons and mm.",
    " The input and output values are converted to and from these values.",
    " This means all the values have to be rounded.",
    " Generally :- ",
    "    Three signicant figures are used for lengths and graphical displays,",
    "    Four significant figures are used for maximum values,",
    "    Tabulated output for values, within a 'normal' range, is to the number of decimal  places",
    "    given by the maximum value rounded to four or five signifcant figures.",
    "  ",
    " It follows that input data may be rounded up or down.",
    "",
    " NB ",
    " Sometimes results are rounded to a a number of significant figures and  restricted to ",
    " a set   number of decimal places. In normal use this should not  be noticeable but if ",
    " it is then the units  should be changed to more appropriate  ones for the calculation.  ",
    " An example of this would  be a short strong beam  with the deflection units set at metres.",
    " A deflection of 1.25mm would be shown as 0.001m.",
};

QGroupBox* group(const char* title) {
    auto* g = new QGroupBox(ToQt(title));
    new QVBoxLayout(g);
    return g;
}

// Adds a group box to a tab's grid, filling rows of three.
void place(QWidget* tab, QGroupBox* g) {
    auto* grid = static_cast<QGridLayout*>(tab->layout());
    const int n = grid->count();
    grid->addWidget(g, n / 3, n % 3, Qt::AlignTop);
}

} // namespace

TPreferencesFrm::TPreferencesFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "PreferencesFrm", "Preferences");
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    QWidget* tabs[3];
    const char* const tabTitles[3] = {"Input Units", "Output Units", "Section  Units"};
    for (int t = 0; t < 3; ++t) {
        tabs[t] = new QWidget;
        new QGridLayout(tabs[t]);
        PageControl1->addTab(tabs[t], ToQt(tabTitles[t]));
    }

    const auto& groups = UnitOptionGroups();
    std::array<QGroupBox*, kUnitKindCount> boxes{};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        QGroupBox* box = group(groups[g].title);
        boxes[static_cast<std::size_t>(groups[g].kind)] = box;
        unitButtons[g] = new QButtonGroup(this);
        for (std::size_t i = 0; i < groups[g].options.size(); ++i) {
            const UnitOption& o = groups[g].options[i];
            QRadioButton* b = radio(box, o.button, o.caption);
            unitButtons[g]->addButton(b, static_cast<int>(i));
            if (*groups[g].note && std::string(o.text) == "ton") {
                auto* row = new QHBoxLayout;
                row->addWidget(b);
                row->addWidget(new QLabel(ToQt(groups[g].note), box));
                static_cast<QVBoxLayout*>(box->layout())->addLayout(row);
            } else {
                box->layout()->addWidget(b);
            }
        }
    }
    QGroupBox* terms = group("S / Z Unit Terminology");
    Option_SPlastic = radio(terms, "Option_SPlastic", "Sxx / Syy = Plastic Modulus");
    Option_ZPlastic = radio(terms, "Option_ZPlastic", "Zxx / Zyy = Plastic Modulus");
    terms->layout()->addWidget(Option_SPlastic);
    terms->layout()->addWidget(Option_ZPlastic);

    // Units of several groups share a caption: each radio's name says its group ("Shear: kN"), on
    // the section tab its tab too, as two groups are titled "Length".
    auto box = [&boxes](TUnitKind k, const char* tab = "") {
        QGroupBox* g = boxes[static_cast<std::size_t>(k)];
        for (QRadioButton* b : g->findChildren<QRadioButton*>())
            b->setAccessibleName(QString::fromLatin1(tab) + g->title() + QStringLiteral(": ") + b->text());
        return g;
    };
    for (TUnitKind k : {TUnitKind::Length, TUnitKind::Force, TUnitKind::UDL})
        place(tabs[0], box(k));
    for (TUnitKind k : {TUnitKind::Shear, TUnitKind::Moment, TUnitKind::Deflection, TUnitKind::Stress})
        place(tabs[1], box(k));
    for (TUnitKind k :
         {TUnitKind::SectZ, TUnitKind::SectE, TUnitKind::SectI, TUnitKind::SectArea, TUnitKind::SectLength})
        place(tabs[2], box(k, "Section "));
    place(tabs[2], terms);
    place(tabs[2], box(TUnitKind::Weight, "Section "));

    auto* momentTab = new QWidget;
    new QGridLayout(momentTab);
    QGroupBox* moment = group("Bending Moment Diagam");
    Option_BMUK = radio(moment, "Option_BMUK", "Inverted");
    Option_BMNC = radio(moment, "Option_BMNC", "Numerically Correct");
    moment->layout()->addWidget(Option_BMUK);
    moment->layout()->addWidget(Option_BMNC);
    place(momentTab, moment);
    PageControl1->addTab(momentTab, QStringLiteral("Moment Diagram"));

    auto* factorTab = new QWidget;
    new QGridLayout(factorTab);
    QGroupBox* factored = group("Factored Loads");
    Check_Factor = new QCheckBox(QStringLiteral("Enable Factored Loads"), factored);
    Check_Factor->setObjectName(QStringLiteral("Check_Factor"));
    factored->layout()->addWidget(Check_Factor);
    place(factorTab, factored);
    PageControl1->addTab(factorTab, QStringLiteral("Factored Loading"));

    auto* notesTab = new QWidget;
    auto* notesLayout = new QVBoxLayout(notesTab);
    ListBox1 = new QListWidget(notesTab);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Notes"));
    for (const char* line : kNotes)
        ListBox1->addItem(ToQt(line));
    notesLayout->addWidget(ListBox1);
    PageControl1->addTab(notesTab, QStringLiteral("Notes"));

    Check_SetDefault = new QCheckBox(QStringLiteral("Save as default"), this);
    Check_SetDefault->setObjectName(QStringLiteral("Check_SetDefault"));
    cmd_Reset = new QPushButton(QStringLiteral("Reset to default values"), this);
    cmd_Reset->setObjectName(QStringLiteral("cmd_Reset"));
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));

    // The page control sets the window's width: itself plus a margin of 25.
    const QSize pages = PageControl1->sizeHint().expandedTo(QSize(660, 300));
    PageControl1->setGeometry(12, 8, pages.width(), pages.height());
    const int row = 8 + pages.height() + 12;
    Check_SetDefault->setGeometry(12, row, 160, 24);
    cmd_Reset->setGeometry(12 + 170, row, 180, 26);
    Button2->setGeometry(pages.width() + 25 - 12 - 2 * 90 - 8, row, 90, 26);
    Button1->setGeometry(pages.width() + 25 - 12 - 90, row, 90, 26);
    setFixedSize(pages.width() + 25, row + 26 + 12);
    CentreOnScreen(this);

    for (std::size_t g = 0; g < groups.size(); ++g) {
        std::vector<std::pair<QAbstractButton*, int>> radios;
        for (QAbstractButton* b : unitButtons[g]->buttons())
            radios.emplace_back(b, unitButtons[g]->id(b));
        Bindings.choice([g](PreferenceChoices& c) -> int& { return c.option[g]; }, groups[g].title, radios,
                        -1);
    }
    Bindings.choice(&PreferenceChoices::sxxIsPlastic, "sxxIsPlastic",
                    {{Option_SPlastic, true}, {Option_ZPlastic, false}}, false);
    Bindings.choice(&PreferenceChoices::bmNumericallyCorrect, "bmNumericallyCorrect",
                    {{Option_BMNC, true}, {Option_BMUK, false}}, false);
    KX_BIND(Bindings, checked, Check_Factor);
    KX_BIND(Bindings, checked, Check_SetDefault);

    connect(Button2, &QPushButton::clicked, this, &TPreferencesFrm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TPreferencesFrm::Button1Click);
    connect(cmd_Reset, &QPushButton::clicked, this, &TPreferencesFrm::cmd_ResetClick);

    Bindings.Show(DesignTimeChoices());
}

QRadioButton* TPreferencesFrm::optionButton(const char* name) const {
    return findChild<QRadioButton*>(QString::fromLatin1(name));
}

void TPreferencesFrm::ReadSettingsFile() {
    ReadUnitFile(Model);
    UnitsToRadios();
}

void TPreferencesFrm::UnitsToRadios() { Bindings.Show(ChoicesForUnits(Model, Bindings.Read())); }

void TPreferencesFrm::FormShow() {
    PreferencesShow();
    UnitsToRadios();
}

void TPreferencesFrm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) Guard([this] { FormShow(); });
}

void TPreferencesFrm::Button2Click() {
    Guard([this] {
        PreferencesOK(Bindings.Read());
        hide();
    });
}

void TPreferencesFrm::Button1Click() {
    Guard([this] {
        PreferencesCancel();
        hide();
    });
}

void TPreferencesFrm::cmd_ResetClick() {
    Guard([this] { Bindings.Show(PreferencesReset(Bindings.Read())); });
}

} // namespace kx
