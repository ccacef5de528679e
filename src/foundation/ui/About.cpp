// The about box.
#include "foundation/ui/About.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "foundation/Unit1.h"
#include "foundation/ui/Windows.h"
#include "platform/QtDialogs.h"

namespace kx {

// The modal result with which OK closes the box.
inline constexpr int kAboutOkResult = 6;

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    InitForm(this, "AboutBox", "About");
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    KeepAboveWindowsOnTop(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setGeometry(25, 25, 351, 351);

    ProductName = new QLabel(QStringLiteral("KX-Flexor "), Panel1);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont f = ProductName->font();
    f.setPixelSize(20);
    ProductName->setFont(f);
    lbl_Version = new QLabel(Panel1);
    lbl_Version->setObjectName(QStringLiteral("lbl_Version"));
    OKButton = new QPushButton(QStringLiteral("OK"), Panel1);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    auto* column = new QVBoxLayout(Panel1);
    column->setContentsMargins(30, 30, 30, 30);
    column->addWidget(ProductName, 0, Qt::AlignHCenter);
    column->addSpacing(20);
    column->addWidget(lbl_Version, 0, Qt::AlignHCenter);
    column->addStretch(1);
    column->addWidget(OKButton, 0, Qt::AlignHCenter);

    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::FormShow() {
    setFixedSize(Panel1->width() + 50, Panel1->height() + 50);
    lbl_Version->setText(ToQt(VersionText()));
    Panel1->layout()->activate();
    CentreOnScreen(this);
}

void TAboutBox::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) FormShow();
    QDialog::showEvent(e);
}

void TAboutBox::OKButtonClick() { done(kAboutOkResult); }

} // namespace kx
