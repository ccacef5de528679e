// What the effective-length and timber section windows share: control makers and the wizard's
// last step into the main window's analysis.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

#include "foundation/ui/Binding.h"
#include "foundation/ui/Picture.h"
#include "foundation/ui/Windows.h"

class QAbstractButton;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kx {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int x, int y, int w, int h = 20);
// A white box that shows a value.
QLabel* MakeValueLabel(QWidget* parent, const char* name, int x, int y, int w);
QRadioButton* MakeRadio(QWidget* parent, const char* name, const char* caption, int x, int y, int w);
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int x, int y, int w,
                        int h = 28);
QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* title, int x, int y, int w, int h);
void SetFontColor(QWidget* w, Qt::GlobalColor c);
void SetBold(QWidget* w);

// Places a window at two thirds across the free width of the screen and at 1 / topDivisor (or
// two thirds, for 0) down the free height.
void PlaceForm(QWidget* w, int topDivisor);

class TIndexFrm;
class TLoadDataFrm;
class TCantLHFrm;
class TSpanFrm;
class TCantRHFrm;

// The windows the effective-length wizard steps between, handed over by whoever makes them; a
// step to a window not handed over goes nowhere.
struct EffLengthLinks {
    TIndexFrm* Main = nullptr;
    TLoadDataFrm* Loads = nullptr;
    TCantLHFrm* CantLH = nullptr;
    TSpanFrm* Span = nullptr;
    TCantRHFrm* CantRH = nullptr;
};

// The wizard's last step: the main window shown and repainted, the loads and the beam drawn, the
// beam analysed.
void ShowMainWindowAndAnalyse(TIndexFrm* main);

} // namespace kx
