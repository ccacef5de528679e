// Control makers, the clickable picture and the wizard's last step.
#include "input/ui/EffLengthUi.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "engine/AnalyseBeam.h"
#include "foundation/ui/Windows.h"
#include "platform/QtCanvas.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

namespace kx {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int x, int y, int w, int h) {
    auto* l = Named(new QLabel(ToQt(caption), parent), name);
    l->setGeometry(x, y, w, h);
    return l;
}

QLabel* MakeValueLabel(QWidget* parent, const char* name, int x, int y, int w) {
    QLabel* l = MakeLabel(parent, name, "", x, y, w, 22);
    l->setAutoFillBackground(true);
    l->setFrameShape(QFrame::Box);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    return l;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const char* caption, int x, int y, int w) {
    auto* b = Named(new QRadioButton(ToQt(caption), parent), name);
    b->setGeometry(x, y, w, 22);
    return b;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int x, int y, int w, int h) {
    auto* b = Named(new QPushButton(ToQt(caption), parent), name);
    b->setGeometry(x, y, w, h);
    return b;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* title, int x, int y, int w, int h) {
    auto* g = Named(new QGroupBox(ToQt(title), parent), name);
    g->setGeometry(x, y, w, h);
    return g;
}

void SetFontColor(QWidget* w, Qt::GlobalColor c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

void SetBold(QWidget* w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

void PlaceForm(QWidget* w, int topDivisor) {
    const QScreen* s = w->screen();
    if (!s) return;
    const QRect r = s->geometry();
    const int freeW = r.width() - w->frameGeometry().width();
    const int freeH = r.height() - w->frameGeometry().height();
    w->move(r.x() + std::max(0, freeW * 2 / 3),
            r.y() + std::max(0, topDivisor ? freeH / topDivisor : freeH * 2 / 3));
}

void ShowMainWindowAndAnalyse(TIndexFrm* m) {
    if (!m) return;
    ShowForm(m);
    m->repaint();
    m->DrawLoads();
    m->DrawBeam();
    RunAnalysis(*m);
}

} // namespace kx
