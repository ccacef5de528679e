// Wind loading on scaffolds.
#include "calculators/ui/Wind.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "foundation/ui/Windows.h"
#include "platform/Guard.h"
#include "platform/NumberInput.h"
#include "platform/Printer.h"
#include "platform/QtDialogs.h"
#include "window/ui/SetHeader.h"

namespace kx {

namespace {

QLineEdit* edit(QWidget* parent, const char* name, const char* text = "") {
    auto* e = Named(new QLineEdit(QString::fromLatin1(text), parent), name);
    e->setFixedWidth(90);
    return e;
}

QLabel* label(QWidget* parent, const char* text) { return new QLabel(ToQt(text), parent); }

} // namespace

void AreaSpinBox::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    emit stepped();
}

TWindFrm::TWindFrm(QWidget* parent) : QMainWindow(parent) {
    InitForm(this, "WindFrm", "Wind Loading");
    // A single fixed border with the system menu only, above the other windows.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    setCentralWidget(client);

    Edit_AreaNo = Named(new AreaSpinBox(client), "Edit_AreaNo");
    Edit_AreaNo->setRange(1, 100);
    Edit_AreaNo->setValue(1);
    Edit_AreaNo->setWrapping(false);
    Edit_AreaNo->setFixedWidth(90);
    UpDown1 = Edit_AreaNo;
    Edit_Desc = Named(new QLineEdit(client), "Edit_Desc");
    Edit_Basic = edit(client, "Edit_Basic");
    Edit_S1 = edit(client, "Edit_S1", "1");

    GroupBox1 = Named(new QGroupBox(QStringLiteral("Wind Speed Factor  S2"), client), "GroupBox1");
    Edit_Height = edit(GroupBox1, "Edit_Height");
    Option_Open = radio(GroupBox1, "Option_Open", "Open country with no obstructions");
    Option_OpenScattered = radio(GroupBox1, "Option_OpenScattered", "Open country with scattered windbreaks");
    Option_Many = radio(GroupBox1, "Option_Many",
                        "Country with many windbreaks, small town, outskirts of large cities. (general "
                        "rooftop level at 10m approx)");
    Option_City = radio(GroupBox1, "Option_City",
                        "Surface with many large obstructions.eg city centres (general rooftop level at 25m "
                        "approx");
    auto* s2 = new QGridLayout(GroupBox1);
    s2->setVerticalSpacing(0);
    s2->setContentsMargins(9, 2, 9, 4);
    QLabel* height = label(GroupBox1, "Height");
    Caption(height, Edit_Height);
    s2->addWidget(height, 0, 0);
    s2->addWidget(Edit_Height, 0, 1);
    s2->addWidget(label(GroupBox1, "m"), 0, 2);
    s2->setColumnStretch(3, 1);
    int row = 1;
    for (QRadioButton* r : {Option_Open, Option_OpenScattered, Option_Many, Option_City})
        s2->addWidget(r, row++, 0, 1, 4);

    GroupBox2 = Named(new QGroupBox(QStringLiteral("Probability Factor  S3"), client), "GroupBox2");
    Option_2 = radio(GroupBox2, "Option_2", "Less than 2 years");
    Option_2_5 = radio(GroupBox2, "Option_2_5", "2 to 5 years");
    Option_5_10 = radio(GroupBox2, "Option_5_10", "5 to 10 years");
    OPtion_10 = radio(GroupBox2, "OPtion_10", "Over 10 years");
    auto* s3 = new QGridLayout(GroupBox2);
    s3->setVerticalSpacing(2);
    s3->addWidget(Option_2, 0, 0);
    s3->addWidget(Option_2_5, 0, 1);
    s3->addWidget(Option_5_10, 1, 0);
    s3->addWidget(OPtion_10, 1, 1);

    Edit_Factor = edit(client, "Edit_Factor");
    Edit_TubeLength = edit(client, "Edit_TubeLength");
    Edit_BoardLength = edit(client, "Edit_BoardLength");
    cmd_Calc = Named(new QPushButton(QStringLiteral("Calculate"), client), "cmd_Calc");

    List_Results = Named(new QListWidget(client), "List_Results");
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSize(9);
    List_Results->setFont(fixed);

    auto* inputs = new QGridLayout;
    inputs->setVerticalSpacing(4);
    int r = 0;
    auto addRow = [&](const char* caption, QWidget* w, const char* unit) {
        QLabel* l = label(client, caption);
        Caption(l, w);
        inputs->addWidget(l, r, 0);
        inputs->addWidget(w, r, 1);
        if (*unit) inputs->addWidget(label(client, unit), r, 2);
        ++r;
    };
    addRow("Area No", Edit_AreaNo, "");
    QLabel* desc = label(client, "Area Description");
    Caption(desc, Edit_Desc);
    inputs->addWidget(desc, r++, 0, 1, 3);
    inputs->addWidget(Edit_Desc, r++, 0, 1, 3);
    addRow("Basic Wind Speed", Edit_Basic, "m/s");
    addRow("Topographical factor (S1)", Edit_S1, "");
    inputs->addWidget(GroupBox2, r++, 0, 1, 3);
    addRow("Wind force factor", Edit_Factor, "");
    addRow("Projected length of tube", Edit_TubeLength, "m");
    addRow("Projected length of toeboard", Edit_BoardLength, "m");
    inputs->addWidget(cmd_Calc, r++, 1);
    inputs->setRowStretch(r, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addWidget(List_Results, 1);
    // Tight margins leave the list room for all 25 lines of an area.
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(9, 4, 9, 4);
    column->addLayout(top, 1);
    column->addWidget(GroupBox1);

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    SetHeader1 = file->addAction(QStringLiteral("Set Header"));
    file->addSeparator();
    Print1 = file->addAction(QStringLiteral("Print"));
    file->addSeparator();
    Close1 = file->addAction(QStringLiteral("Close"));
    file->addSeparator();
    ExitKXFlexor1 = file->addAction(QStringLiteral("Exit KX-Flexor"));
    SetHeader1->setObjectName(QStringLiteral("SetHeader1"));
    Print1->setObjectName(QStringLiteral("Print1"));
    Close1->setObjectName(QStringLiteral("Close1"));
    ExitKXFlexor1->setObjectName(QStringLiteral("ExitKXFlexor1"));

    // Hidden size markers: the window is as wide as Panel1 and as high as Panel2.
    Panel1 = Named(new QFrame(client), "Panel1");
    Panel1->setGeometry(0, 0, 713, 8);
    Panel1->setVisible(false);
    Panel2 = Named(new QFrame(client), "Panel2");
    Panel2->setGeometry(0, 0, 8, 540);
    Panel2->setVisible(false);

    // The spinner shows a number of its range only; a text it does not hold stays as typed.
    Bindings.custom(
        {{Edit_AreaNo},
         "Edit_AreaNo",
         [this](WindChoices& c) { c.Edit_AreaNo = FromQt(Edit_AreaNo->text()); },
         [this](const WindChoices& c) {
             const std::optional<int> n = TryReadWholeNumber(c.Edit_AreaNo);
             if (n && *n != Edit_AreaNo->value()) Edit_AreaNo->setValue(*n);
         },
         [this] { Edit_AreaNo->setValue(Edit_AreaNo->value() % Edit_AreaNo->maximum() + 1); },
         [](const WindChoices& a, const WindChoices& b) { return a.Edit_AreaNo == b.Edit_AreaNo; },
         [this](WindChoices& c) {
             c.Edit_AreaNo =
                 std::to_string(TryReadWholeNumber(c.Edit_AreaNo).value_or(0) % Edit_AreaNo->maximum() + 1);
         }});
    KX_BIND(Bindings, text, Edit_Desc);
    KX_BIND(Bindings, text, Edit_Basic);
    KX_BIND(Bindings, text, Edit_S1);
    KX_BIND(Bindings, text, Edit_Height);
    KX_BIND(Bindings, text, Edit_Factor);
    KX_BIND(Bindings, text, Edit_TubeLength);
    KX_BIND(Bindings, text, Edit_BoardLength);
    Bindings.choice(&WindChoices::Terrain, "Terrain",
                    {{Option_Open, 1}, {Option_OpenScattered, 2}, {Option_Many, 3}, {Option_City, 4}}, 1);
    Bindings.choice(&WindChoices::Probability, "Probability",
                    {{Option_2, 1}, {Option_2_5, 2}, {Option_5_10, 3}, {OPtion_10, 4}}, 1);
    Bindings.Show(WindChoices{});
    List_Results->setAccessibleName(QStringLiteral("Results"));

    connect(cmd_Calc, &QPushButton::clicked, this, &TWindFrm::cmd_CalcClick);
    connect(Edit_AreaNo, &AreaSpinBox::stepped, this, &TWindFrm::UpDown1Click);
    connect(SetHeader1, &QAction::triggered, this, &TWindFrm::SetHeader1Click);
    connect(Print1, &QAction::triggered, this, &TWindFrm::Print1Click);
    connect(Close1, &QAction::triggered, this, &TWindFrm::Close1Click);
    connect(ExitKXFlexor1, &QAction::triggered, this, &TWindFrm::ExitKXFlexor1Click);

    FormCreate();
}

void TWindFrm::FormCreate() {
    setFixedSize(Panel1->width(), Panel2->height());
    CentreOnScreen(this);
}

void TWindFrm::cmd_CalcClick() {
    Guard([this] { FillList(List_Results, WindCalculate(Bindings.Read())); });
}

void TWindFrm::UpDown1Click() {
    Guard([this] {
        const WindAreaView v = WindUpDown(Bindings.Read());
        Bindings.Show(v.Controls);
        FillList(List_Results, v.List);
    });
}

void TWindFrm::Print1Click() {
    Guard([] { WindPrint(printer()); });
}

void TWindFrm::SetHeader1Click() {
    Guard([this] {
        if (Link.SetHeader) Link.SetHeader->exec();
    });
}

void TWindFrm::Close1Click() { close(); }

void TWindFrm::ExitKXFlexor1Click() {
    if (Link.StartScreen) Link.StartScreen->close();
}

} // namespace kx
