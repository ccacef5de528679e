// The information window.
#include "foundation/ui/Info.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/ui/Windows.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {

struct InfoLine {
    const char* text;
    bool bold;
};

const InfoLine kLines[] = {
    {"UNITS ", true},
    {"This program has been written for general engineering analysis.", false},
    {"Input and output units may be set to a number of commonly used standard units.", false},
    {"For ease of use, output is displayed to three or four significant figures ", false},
    {"with  values < 1 shown to a maximum of two or three decimal places respectively ", false},
    {"DISCLAIMER", true},
    {"This program is supplied as is.", false},
    {"Mossgate Software Ltd. disclaims all warranties expressed or implied,", false},
    {"including without limitation, the warranties of merchantability and fitness for purpose.", false},
    {"Mossgate Software Ltd. assumes no liability for damages, direct or ", false},
    {"consequencial, which may result from the use of this program.", false},
};

} // namespace

TInfoFrm::TInfoFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "InfoFrm", "Info");
    setWindowFlags(Qt::Tool);
    KeepAboveWindowsOnTop(this);
    setFixedSize(546, 490);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 20, 12, 16);
    int n = 0;
    for (const InfoLine& line : kLines) {
        auto* l = new QLabel(ToQt(line.text), this);
        l->setObjectName(QStringLiteral("Label%1").arg(++n));
        l->setTextFormat(Qt::PlainText);
        if (line.bold) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
            if (n > 1) column->addSpacing(16);
        }
        column->addWidget(l);
    }
    column->addStretch(1);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    column->addWidget(Button1, 0, Qt::AlignHCenter);
    CentreOnScreen(this);

    connect(Button1, &QPushButton::clicked, this, &TInfoFrm::Button1Click);
}

void TInfoFrm::Button1Click() { hide(); }

} // namespace kx
