// The page header and the page grid of the printed reports.
#include "window/Pro_PrintHeader.h"

#include <string>

#include "foundation/Func_FloatToInt.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

namespace kx {

namespace {

// An empty text draws nothing; every other item keeps its place.
void put(Canvas& c, int size, int x, int y, const std::string& text) {
    if (text.empty()) return;
    c.SetFontSize(size);
    c.TextOut(x, y, text);
}

void rule(Canvas& c, int x1, int x2, int y) {
    c.SetPenWidth(3);
    c.MoveTo(x1, y);
    c.LineTo(x2, y);
}

} // namespace

void PrintHeader(Printer& p) {
    // Header units: 25, not 25.4, to the inch, so a unit is a little more than a millimetre.
    const int hx = p.DpiX() / 25;
    const int hy = p.DpiY() / 25;
    Canvas& c = p.canvas();
    c.SetFontName("Arial");
    put(c, 9, 15 * hx, 0, kAppTitle);
    rule(c, 15 * hx, 200 * hx, 5 * hy);
    put(c, 15, 15 * hx, 7 * hy, Model.HeaderCompany);
    put(c, 12, 15 * hx, 15 * hy, Model.HeaderProject1);
    put(c, 11, 15 * hx, 20 * hy, Model.HeaderProject2);
    put(c, 11, 15 * hx, 25 * hy, Model.HeaderJobDesc);
    put(c, 10, 15 * hx, 30 * hy, Model.HeaderJobRef);
    put(c, 9, 160 * hx, 15 * hy, "by  " + Model.HeaderUser);
    Clock& clock = clockService();
    put(c, 9, 160 * hx, 20 * hy, clock.DateText() + "  " + clock.TimeText());
    put(c, 9, 160 * hx, 30 * hy, "Page " + std::to_string(p.PageNumber()));
    if (!Model.BeamFileName.empty()) {
        c.SetFontSize(9);
        c.TextOutPath(50 * hx, 30 * hy, Model.BeamFileName);
    }
    rule(c, 15 * hx, 200 * hx, 35 * hy);
    c.SetFontSize(9);
}

void PrintHeader() { PrintHeader(printer()); }

float PrintDotsPerMmX(const Printer& p) { return static_cast<float>(p.DpiX() / 25.4); }
float PrintDotsPerMmY(const Printer& p) { return static_cast<float>(p.DpiY() / 25.4); }

PrintPageGrid PageGrid(const Printer& p) {
    PrintPageGrid g;
    g.PrintDotsPerMmX = PrintDotsPerMmX(p);
    g.PrintDotsPerMmY = PrintDotsPerMmY(p);
    for (int k = 1; k <= kPrintRows; ++k)
        g.PrintLineY[k] = FloatToInt(3.7 * static_cast<double>(g.PrintDotsPerMmY) * k);
    g.PrintMarginX = FloatToInt(15 * static_cast<double>(g.PrintDotsPerMmX));
    return g;
}

} // namespace kx
