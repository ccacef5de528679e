// Wind loading on scaffolds.
#include "calculators/Wind.h"

#include <cfloat>
#include <limits>
#include <optional>

#include "foundation/Func_FloatToInt.h"
#include "foundation/LineCount.h"
#include "foundation/SigFig.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberInput.h"
#include "platform/StateRegistry.h"
#include "window/Pro_PrintHeader.h"

namespace kx {

TWindState WindState;
KX_REGISTER_STATE(WindState);

namespace {

// clang-format off
constexpr float kS2Height[16] = {3, 5, 10, 15, 20, 30, 40, 50, 60, 80, 100, 120, 140, 160, 180, 200};
constexpr float kS2[4][16] = {
    {0.83f, 0.88f, 1.00f, 1.03f, 1.06f, 1.09f, 1.12f, 1.14f, 1.15f, 1.18f, 1.20f, 1.22f, 1.24f, 1.25f, 1.26f, 1.27f},
    {0.72f, 0.79f, 0.93f, 1.00f, 1.03f, 1.07f, 1.10f, 1.12f, 1.14f, 1.17f, 1.19f, 1.21f, 1.22f, 1.24f, 1.25f, 1.26f},
    {0.64f, 0.70f, 0.78f, 0.88f, 0.95f, 1.01f, 1.05f, 1.08f, 1.10f, 1.13f, 1.16f, 1.18f, 1.20f, 1.21f, 1.23f, 1.24f},
    {0.56f, 0.60f, 0.67f, 0.74f, 0.79f, 0.90f, 0.97f, 1.02f, 1.05f, 1.10f, 1.13f, 1.15f, 1.17f, 1.19f, 1.20f, 1.22f},
};
// clang-format on

constexpr float kS3[4] = {0.77f, 0.83f, 0.88f, 1.0f};

constexpr const char* kSquared = "\xB2"; // "²" in Latin-1
constexpr const char* kContinued = "                            = ";

// A value that is not a number is refused: read as 0 it would give loads of 0. A blank one reads 0.
constexpr NumberPolicy kWindNumbers = NumberPolicy::RefusedWhenNotANumber;

// The number in a numeric edit, as a single. Text that is no number, or a number a single cannot
// hold, is refused with its message.
std::optional<float> readSingle(const std::string& text) {
    const std::optional<double> v = TryReadNumber(text, kWindNumbers);
    if (v && *v >= -FLT_MAX && *v <= FLT_MAX) return static_cast<float>(*v);
    dlg().Message(NotANumberMessage(text));
    return std::nullopt;
}

// The bounds of a typed input: above `most` it is refused with `tooLarge`, below `least` with
// `tooSmall`; a null message refuses without one. Compared in extended precision, so that a typed
// 1.36 or 0.9, whose single lies just past the limit, is refused.
struct InputBounds {
    std::string WindChoices::*field;
    float WindInputs::*value;
    long double least, most;
    const char* tooSmall;
    const char* tooLarge;
};
constexpr long double kNoLimit = std::numeric_limits<long double>::infinity();
const InputBounds kInputBounds[] = {
    {&WindChoices::Edit_Basic, &WindInputs::Basic, 0, 100, nullptr,
     "Basic wind speed must be less than 100 m/s"},
    {&WindChoices::Edit_S1, &WindInputs::S1, 0.9L, 1.36L, "S1 must be greater than 0.9 ",
     "S1 must be less than 1.36 "},
    {&WindChoices::Edit_Height, &WindInputs::Height, 0, 200, nullptr,
     "Height above ground must be less than 200 m"},
    {&WindChoices::Edit_Factor, &WindInputs::Wff, 0, 2, nullptr, "Wind force factor must be less than 2"},
    {&WindChoices::Edit_TubeLength, &WindInputs::TubeLength, 0, kNoLimit, nullptr, nullptr},
    {&WindChoices::Edit_BoardLength, &WindInputs::BoardLength, 0, kNoLimit, nullptr, nullptr},
};

void courier(Printer& p) {
    p.canvas().SetFontName("Courier");
    p.canvas().SetFontSize(11);
}

} // namespace

float WindS2Lookup(int category, float H) {
    if (category < 1 || category > 4) throw RangeError();
    const float* s2 = kS2[category - 1];
    if (H <= kS2Height[0]) return s2[0];
    for (int hi = 1; hi < 16; ++hi) {
        if (H <= kS2Height[hi]) {
            const int lo = hi - 1;
            const float fraction =
                static_cast<float>((double(H) - kS2Height[lo]) / (double(kS2Height[hi]) - kS2Height[lo]));
            return static_cast<float>(double(s2[lo]) + (double(s2[hi]) - double(s2[lo])) * double(fraction));
        }
    }
    throw RangeError(); // above the table's last height
}

int WindAreaNumber(const std::string& text) {
    // Text that is not a whole number reads as 0, which is out of range like any other.
    const int n = TryReadWholeNumber(text).value_or(0);
    if (n < 1 || n > 100) throw RangeError();
    return n;
}

std::vector<std::string> WindAreaCalc(int area) {
    TWindArea& a = WindState.Area[area];
    a.Lines.fill(std::string());
    // No pressure, no loads: the area keeps no lines, so that nothing of it is printed.
    if (a.q == 0) {
        SetLineCount(a.Lines, 0);
        return {};
    }
    const std::string no = std::to_string(area);
    auto& L = a.Lines;
    L[1] = " Area No " + no + "       " + a.Description;
    L[3] = " Basic Wind Speed           = " + SigFig3(a.Basic) + " m/s";
    L[4] = " Topographical Factor S1    = " + SigFig3(a.S1);
    L[5] = " For a height above ground of " + SigFig3(a.Height) + " m";
    L[6] = " Wind Speed Factor S2       = " + SigFig3(a.S2);
    L[7] = " Probability Factor S3      = " + SigFig3(a.S3);
    L[8] = " Design Wind Speed          = " + SigFig3(a.Vs) + " m/s";
    L[9] = " Dynamic Wind Pressure (q)  = " + SigFig3(a.q) + " kN/m" + kSquared;
    int n = 11;
    if (a.TubeLength != 0 || a.BoardLength != 0) {
        ++n;
        L[n] = " Wind force factor (Wff)    = " + SigFig3(a.Wff);
        ++n;
    }
    if (a.TubeLength != 0) {
        ++n;
        L[n] = " Area of tube  (At)         = " + SigFig3(a.TubeLength) + " m x 0.0483 m";
        L[n + 1] = kContinued + SigFig3(a.At) + " m" + kSquared;
        L[n + 2] = " Wind Load on tube          = At x q x Wff";
        L[n + 3] = kContinued + SigFig3(a.TubeLoad) + " kN";
        n += 4;
    }
    if (a.BoardLength != 0) {
        ++n;
        L[n] = " Area of toeboard (Ab)      = " + SigFig3(a.BoardLength) + " m x 0.225 m";
        L[n + 1] = kContinued + SigFig3(a.Ab) + " m" + kSquared;
        L[n + 2] = " Wind Load on toeboard      = Ab x q x Wff";
        L[n + 3] = kContinued + SigFig3(a.BoardLoad) + " kN";
        n += 4;
    }
    if (a.TubeLength != 0 && a.BoardLength != 0) {
        n += 2;
        L[n] = " Total wind load area " + no + "     = " + SigFig4(a.TotalLoad) + " kN";
    }
    SetLineCount(L, n);
    std::vector<std::string> shown;
    for (int i = 1; i <= n; ++i)
        shown.push_back(L[i]);
    return shown;
}

std::optional<WindInputs> ReadWindInputs(const WindChoices& c) {
    WindInputs in{};
    for (const InputBounds& b : kInputBounds) {
        const std::optional<float> v = readSingle(c.*b.field);
        if (!v) return std::nullopt;
        const long double x = *v;
        if (x > b.most || x < b.least) {
            if (const char* message = x > b.most ? b.tooLarge : b.tooSmall) dlg().Message(message);
            return std::nullopt;
        }
        in.*b.value = *v;
    }
    return in;
}

std::vector<std::string> WindCalculate(const WindChoices& c) {
    const int no = WindAreaNumber(c.Edit_AreaNo);
    WindState.AreaNo = no;
    if (c.Terrain < 1 || c.Terrain > 4 || c.Probability < 1 || c.Probability > 4) throw RangeError();

    // Everything is read and checked into a copy; the area's store changes only when all pass.
    TWindArea a = WindState.Area[no];
    a.Description = c.Edit_Desc;
    a.TerrainChoice = c.Terrain;
    a.ProbabilityChoice = c.Probability;

    const std::optional<WindInputs> in = ReadWindInputs(c);
    if (!in) return {};
    a.Basic = in->Basic;
    a.S1 = in->S1;
    a.Height = in->Height;
    a.Wff = in->Wff;
    a.TubeLength = in->TubeLength;
    a.BoardLength = in->BoardLength;

    a.S2 = WindS2Lookup(c.Terrain, a.Height);
    a.S3 = kS3[c.Probability - 1];
    using Ext = long double;
    a.Vs = static_cast<float>(Ext(a.Basic) * a.S1 * a.S2 * a.S3);
    a.q = static_cast<float>(Ext(a.Vs) * a.Vs * 0.613L / 1000);

    a.At = static_cast<float>(0.0483L * a.TubeLength);
    a.TubeLoad = static_cast<float>(Ext(a.At) * a.Wff * a.q);
    a.Ab = static_cast<float>(0.225L * a.BoardLength);
    a.BoardLoad = static_cast<float>(Ext(a.Ab) * a.Wff * a.q);
    a.TotalLoad = static_cast<float>(Ext(a.TubeLoad) + a.BoardLoad);

    WindState.TerrainCategory = c.Terrain;
    WindState.Area[no] = std::move(a);
    return WindAreaCalc(no);
}

WindAreaView WindUpDown(const WindChoices& c) {
    const int no = WindAreaNumber(c.Edit_AreaNo);
    WindState.AreaNo = no;
    const TWindArea& a = WindState.Area[no];

    WindAreaView v{c, {}};
    WindChoices& shown = v.Controls;
    if (a.TerrainChoice >= 1 && a.TerrainChoice <= 4) shown.Terrain = a.TerrainChoice;
    if (a.ProbabilityChoice >= 1 && a.ProbabilityChoice <= 4) shown.Probability = a.ProbabilityChoice;
    // An area not yet given a speed or S1 offers the one below it.
    float basic = a.Basic;
    if (no > 1 && basic == 0) basic = WindState.Area[no - 1].Basic;
    float s1 = a.S1;
    if (no > 1 && s1 == 0) s1 = WindState.Area[no - 1].S1;
    if (no > 1 && s1 == 0) s1 = 1.0f;
    shown.Edit_Basic = SigFig3(basic);
    shown.Edit_S1 = SigFig3(s1);
    shown.Edit_Height = SigFig3(a.Height);
    shown.Edit_Factor = SigFig3(a.Wff);
    shown.Edit_TubeLength = SigFig3(a.TubeLength);
    shown.Edit_BoardLength = SigFig3(a.BoardLength);
    // A calculated area shows its own description, so that the next Calculate cannot write
    // another area's over it; an area never calculated keeps the text shown.
    if (a.TerrainChoice != 0) shown.Edit_Desc = a.Description;
    v.List = WindAreaCalc(no);
    return v;
}

bool WindPrint(Printer& p) {
    return RunPrintJob(p, [&p] {
        PrintHeader(p);
        // Rows every 3.75 mm down the page, text 15 mm from the left.
        const float dotsPerMmX = static_cast<float>(p.DpiX() / 25.4);
        const float dotsPerMmY = static_cast<float>(p.DpiY() / 25.4);
        Arr<int, 1, 100> row;
        for (int i = 1; i <= 100; ++i)
            row[i] = FloatToInt(3.75 * dotsPerMmY * i);
        const int x = FloatToInt(15.0 * dotsPerMmX);

        courier(p);
        p.canvas().TextOut(x, row[11], " WIND LOADING");
        int r = 13, onPage = 0;
        for (int area = 1; area <= 100; ++area) {
            const TWindArea& a = WindState.Area[area];
            const int count = LineCount(a.Lines, CountPolicy::WithinTable);
            if (count == 0) continue;
            // Two areas a page; a new page is begun only for an area that is about to print.
            if (onPage == 2) {
                p.NewPage();
                PrintHeader(p);
                courier(p);
                onPage = 0;
                r = 16;
            }
            for (int i = 1; i <= count; ++i)
                p.canvas().TextOut(x, row[r++], a.Lines[i]);
            ++onPage;
            r += 6;
        }
    });
}

} // namespace kx
