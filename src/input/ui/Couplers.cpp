// The note on the double-coupler model.
#include "input/ui/Couplers.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "foundation/ui/Windows.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {

const char* const kNote[] = {
    " ",
    " To enhance the capacity of a ledger, some designers occasionally utilise",
    " the capacity of the double coupler attached to the standard.",
    " However, this is not documented as an accepted procedure in any literature",
    " that I am aware of.",
    " More conservatively, the procedure can be used to check that the torsional",
    " capacity of the coupler does not exceed 0.4 kN-m.",
    " ",
    " To keep the procedure simple, only two cases are allowed. ",
    "     1.  Top.  The ledger is assumed to be at the top of a single lift.",
    "     2.  Mid.   The ledger is assumed to be between two lifts.",
    " The value for L is the lift height and is assumed to be the same above and ",
    " below the lift. ",
    " ",
    "",
    " ",
};

// The modal result with which OK closes the note.
constexpr int kOkResult = 1;

} // namespace

TCouplersFrm::TCouplersFrm(QWidget* parent) : QDialog(parent) {
    InitForm(this, "CouplersFrm", "Explanation");
    setModal(true);
    // A fixed size and no border icons.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    KeepAboveWindowsOnTop(this);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(QStringLiteral("Explanation"));
    Memo1->setGeometry(12, 12, 465, 250);
    QStringList lines;
    for (const char* line : kNote)
        lines << ToQt(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));

    Label1 = new QLabel(
        QStringLiteral(
            "This facility has been included primarily to check the torsional reaction of the couplers."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setGeometry(12, 270, 465, 36);
    Label2 = new QLabel(
        QStringLiteral("The decision to use it to enhance ledger capacity is at the discretion of the user."),
        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setGeometry(12, 308, 465, 36);

    cmd_OK = new QPushButton(QStringLiteral("OK"), this);
    cmd_OK->setObjectName(QStringLiteral("cmd_OK"));
    cmd_OK->setGeometry(200, 352, 89, 30);

    // Marker panels that the window's size leaves outside it.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(500, 0, 4, 393);
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, 400, 489, 4);

    setFixedSize(Panel2->width(), Panel1->height());
    CentreOnScreen(this);
    connect(cmd_OK, &QPushButton::clicked, this, &TCouplersFrm::cmd_OKClick);
}

void TCouplersFrm::FormShow() { setFixedSize(Panel2->width(), Panel1->height()); }

void TCouplersFrm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TCouplersFrm::cmd_OKClick() { done(kOkResult); }

} // namespace kx
