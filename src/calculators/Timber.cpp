// The timber member capacity calculator.
#include "calculators/Timber.h"

#include <cmath>

#include "engine/TimberFactors.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/LineCount.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "platform/Dialogs.h"
#include "platform/NumberInput.h"
#include "platform/Printer.h"
#include "platform/StateRegistry.h"
#include "window/Pro_PrintHeader.h"

namespace kx::Timber {

TimberState Calc;
KX_REGISTER_STATE(Calc);

namespace {

using Ext = long double;

constexpr float kPi = 3.1415927f;
constexpr const char* kSquared = "\xB2"; // "²" in the program's single-byte text

// A size or length that is not a number reads as 0, which the checks below refuse with their message.
constexpr NumberPolicy kTimberNumbers = NumberPolicy::ZeroWhenNotANumber;

// The dimension in the plane of bending.
float bendingDepth() { return Calc.MinorAxis ? Calc.b : Calc.h; }

std::string v(double x) { return SigFig3(x); }

void emptyReport(TimberReport& report, int& counter) {
    for (int i = 1; i <= 100; ++i)
        report[i].clear();
    counter = 1;
}

void fail(const char* message) {
    dlg().Message(message);
    Model.CheckAbortFlag = 1;
}

// What the later steps take from the window: the axis and the title of the member.
void take(const TimberInputs& in) {
    Calc.MinorAxis = in.Option_Minor;
    Calc.Title = in.Edit_Title;
}

} // namespace

TimberView TimberShown() {
    TimberView v;
    if (TimberGradeAt(Calc.LastGrade)) {
        v.lbl_AxStress = SigFig3(Calc.GradeCompression);
        v.lbl_BendStress = SigFig3(Calc.GradeBending);
        v.lbl_Eb = SigFig3(Calc.EBending);
        v.lbl_Eax = SigFig3(Calc.EAxial);
        v.lbl_K8 = SigFig2(Calc.K8);
        v.lbl_ShearStress = SigFig3(Calc.GradeShear);
    }
    if (!Calc.MoistureText.empty()) {
        v.lbl_K1 = SigFig3(Calc.K1);
        v.lbl_K2E = SigFig2(Calc.K2E);
        v.lbl_K2B = SigFig2(Calc.K2Bending);
        v.lbl_K2S = SigFig2(Calc.K2Shear);
        v.lbl_K2Ax = SigFig2(Calc.K2Axial);
    }
    if (Calc.K3BendingUsed != 0) v.lbl_K3b = SigFig3(Calc.K3BendingUsed);
    if (Calc.K3AxialUsed != 0) v.lbl_K3ax = SigFig3(Calc.K3AxialUsed);
    const std::string about = Calc.AxisText.empty()           ? ""
                              : Calc.AxisText == "MINOR AXIS" ? " about y-y"
                                                              : " about x-x";
    v.cmd_BendCap = "Bending Capacity" + about;
    v.cmd_AxialCap = "Axial Capacity" + about;
    v.cmd_Comb = "Check Combined Loading" + about;
    v.List_Results = Calc.ResultsListed;
    v.List_Sum = Calc.SummaryListed;
    v.List_SumRed = Calc.SummaryRed;
    return v;
}

// The window opens as on a choice of grade.
TimberView FormCreate(const TimberInputs& in) { return GradeChange(in); }

void SetTimberGradeValues(const TimberInputs& in) {
    // A separator keeps the class of the last look-up; the sharing choice always applies to it.
    if (TimberGradeAt(in.Combo_Grade)) Calc.LastGrade = in.Combo_Grade;
    const TimberGrade* g = TimberGradeAt(Calc.LastGrade);
    if (!g) return;
    const bool sharing = in.Option_Share;
    const TimberSharing k8 = TimberK8(sharing);
    Calc.EBending = sharing ? g->ESharing : g->ESingle;
    Calc.EAxial = g->ESingle;
    Calc.GradeBending = g->Bending;
    Calc.GradeShear = g->Shear;
    Calc.GradeCompression = g->Compression;
    Calc.K8 = k8.K8;
    Calc.K8Text = k8.Text;
    Calc.ClassName = g->ClassName;
}

void SetTimberWetDry(const TimberInputs& in) {
    if (!in.Option_Wet && !in.Option_Dry) return;
    const TimberMoisture m = TimberK1K2(in.Option_Wet);
    Calc.K1 = m.K1;
    Calc.K2E = m.K2;
    Calc.K2Bending = m.K2;
    Calc.K2Shear = m.K2Shear;
    Calc.K2Axial = m.K2Axial;
    Calc.MoistureText = m.Text;
}

void CalcTimberSection() {
    const Ext b = Calc.b, h = Calc.h, k1 = Calc.K1;
    const Ext I = Calc.MinorAxis ? h * b * b * b / 12 : b * h * h * h / 12;
    Calc.I = static_cast<float>(I * k1 * k1 * k1 * k1 / 10000);
    // The label goes with the value, whichever check comes next.
    Calc.SecondMomentLabel = Calc.MinorAxis ? "Iyy " : "Ixx ";
    Calc.Area = static_cast<float>(b * h * k1 * k1 / 100);
    if (Calc.Area != 0 && Calc.I != 0)
        Calc.r = static_cast<float>(std::sqrt(static_cast<Ext>(Calc.I) / Calc.Area) * 10);
}

void SetTimberAxisCaptions(const TimberInputs& in) {
    ClearTimberReports();
    // The reports and the buttons' captions name this axis.
    Calc.AxisText = Calc.MinorAxis ? "MINOR AXIS" : "MAJOR AXIS";
    SetTimberWetDry(in);
}

bool CheckTimberInputs(const TimberInputs& in) {
    for (const float grade :
         {Calc.GradeBending, Calc.GradeShear, Calc.GradeCompression, Calc.EBending, Calc.EAxial})
        if (grade == 0) {
            fail("Click \"grade\" option button");
            return false;
        }
    // A size of nothing or less is no member.
    Calc.b = static_cast<float>(ReadNumber(in.Edit_Width, kTimberNumbers));
    if (!(Calc.b > 0)) {
        fail("Enter value for width");
        return false;
    }
    Calc.h = static_cast<float>(ReadNumber(in.Edit_Depth, kTimberNumbers));
    if (!(Calc.h > 0)) {
        fail("Enter value for depth");
        return false;
    }
    return true;
}

void CalcTimberBending() {
    const float d = bendingDepth();
    Calc.K7 = TimberK7(static_cast<double>(d));
    TimberBendingShearInputs in;
    in.GradeBending = Calc.GradeBending, in.GradeShear = Calc.GradeShear, in.GradeE = Calc.EBending;
    in.K1 = Calc.K1, in.K2Bending = Calc.K2Bending, in.K2Shear = Calc.K2Shear, in.K2E = Calc.K2E;
    in.K3 = Calc.K3Bending, in.K7 = Calc.K7, in.K8 = Calc.K8;
    // The factor 1.5 of the formwork durations is applied only as the stress and load are listed.
    in.ShearFactor = 1;
    in.Width = Calc.b, in.Depth = Calc.h, in.BendingDepth = d;
    in.I = Calc.I;
    const TimberBendingShear p = TimberBendingShearValues(in);
    Calc.PermBendingStress = p.PermBendingStress;
    Calc.PermE = p.PermE;
    Calc.EI = p.EI;
    Calc.PermMoment = static_cast<float>(p.PermMoment);
    Calc.PermShearStress = p.PermShearStress;
    Calc.PermShearLoad = static_cast<float>(p.PermShearLoad);
    const Ext ratio = Calc.MinorAxis ? static_cast<Ext>(Calc.b) / Calc.h : static_cast<Ext>(Calc.h) / Calc.b;
    Calc.TorsionNote = ratio > 2 ? "  (assuming adequate torsional restraint)" : " ";
}

void ReportTimberBending() {
    TimberReport& t = Calc.BendingReport;
    const Ext shown = Calc.ShearFactor ? 1.5L : 1.0L;
    int n = 1;
    t[n] = "  " + Calc.AxisText + " BENDING";
    n += 2;
    t[n++] = "  K2 (bending stress) = " + SigFig2(Calc.K2Bending);
    t[n++] = "  K3 = " + v(Calc.K3Bending) + Calc.K3BendingText;
    t[n++] = "  K7 = " + SigFig4(Calc.K7);
    t[n++] = "  Permissible Bending Stress ";
    t[n++] = "    = Grade Stress x K2 x K3 x K7 x K8";
    t[n++] = "    = " + v(Calc.PermBendingStress) + " N/mm^2";
    t[n++] = "  K2 (shear stress) = " + SigFig2(Calc.K2Shear);
    t[n++] = "  Permissible Shear Stress ";
    t[n++] =
        Calc.ShearFactor ? "    = Grade Stress x K2 x K3 x K8 x 1.5" : "    = Grade Stress x K2 x K3 x K8";
    t[n++] = "    = " + v(static_cast<double>(Calc.PermShearStress * shown)) + " N/mm^2";
    t[n++] = "  K2 (E) = " + SigFig2(Calc.K2E);
    t[n++] = "  Permissible E = Grade E x K2";
    t[n++] = "  Permissible E = " + v(Calc.PermE) + " N/mm^2";
    t[n++] = "  EI = " + v(Calc.EI) + " kN-m" + kSquared;
    n += 1;
    t[n++] = "  PERMISSIBLE LOADINGS ";
    t[n++] = "  Permissible Bending Moment = " + v(Calc.PermMoment) + " kN-m";
    const std::string momentLine = t[n - 1];
    if (Calc.TorsionNote != " ") t[n++] = "  (assuming adequate torsional restraint)";
    n += 1;
    t[n++] = "  Permissible Shear Load = " + v(static_cast<double>(Calc.PermShearLoad * shown)) + " kN";
    SetLineCount(t, n);
    Calc.BendingCounter = n;
    Calc.SummaryBlock[2] = momentLine;
    Calc.SummaryBlock[3] = t[n - 1];
    ReportTimberSummary();
}

void CalcTimberAxial() {
    const Ext sc = static_cast<Ext>(Calc.GradeCompression) * Calc.K2Axial * Calc.K3Axial;
    Calc.PermCompressionStress = static_cast<float>(sc);
    const Ext gradeE = Calc.EAxial;
    Calc.PermE = static_cast<float>(gradeE * Calc.K2E);
    Calc.Lambda = static_cast<float>(static_cast<Ext>(Calc.Le) / Calc.r);
    Calc.Eta = static_cast<float>(0.005L * Calc.Lambda);
    if (Calc.Le <= 5) {
        Calc.K12 = 1.0f; // a stub of a strut does not buckle
    } else {
        const Ext lambda = Calc.Lambda;
        const Ext Q =
            static_cast<Ext>(kPi) * kPi * Calc.PermE / (1.5L * Calc.PermCompressionStress * lambda * lambda);
        const Ext half = (1 + static_cast<Ext>(Calc.Eta)) * Q / 2 + 0.5L;
        Calc.K12 = static_cast<float>(half - std::sqrt(half * half - Q));
    }
    Calc.PermAxialLoad = static_cast<float>(static_cast<Ext>(Calc.Area) * Calc.K12 * 100 *
                                            Calc.PermCompressionStress / 1000 * Calc.K8);
    Calc.PermAxialStress =
        static_cast<float>(static_cast<Ext>(Calc.K12) * Calc.PermCompressionStress * Calc.K8);
}

void ReportTimberAxial() {
    TimberReport& t = Calc.AxialReport;
    t[1] = "  " + Calc.AxisText + " AXIAL LOADING";
    t[3] = "  K2 (axial stress) = " + SigFig2(Calc.K2Axial);
    t[4] = "  K3 = " + v(Calc.K3Axial) + Calc.K3AxialText;
    t[5] = "  Permissible Stress for K12 ";
    t[6] = "    = Grade Stress x K2 x K3";
    t[7] = "    = " + v(Calc.PermCompressionStress) + " N/mm^2";
    t[8] = "  K2 (E) = " + SigFig2(Calc.K2E);
    t[9] = "  Permissible E =  Grade E x K2";
    t[10] = "    = " + v(Calc.PermE) + " N/mm^2";
    t[11] = "  Effective Length = " + v(Calc.Le / 1000.0) + " m";
    t[12] = "  Lambda = " + v(Calc.Lambda);
    t[13] = "  Neta = " + v(Calc.Eta);
    t[14] = "  K12 = " + SigFig4(Calc.K12);
    t[15] = "  Permissible Axial Stress x K8 = " + v(Calc.PermAxialStress) + " N/mm^2";
    t[17] = "  PERMISSIBLE LOADINGS";
    t[18] = "  Permissible Axial Load = " + SigFig4(Calc.PermAxialLoad) + " kN";
    SetLineCount(t, 18);
    Calc.AxialCounter = 18;
    Calc.SummaryBlock[5] = t[18];
    ReportTimberSummary();
}

void CheckTimberCombined() {
    // Loads of either sense are taken as compression and bending of that size.
    const Ext M = std::fabs(static_cast<Ext>(Model.TimberAppliedMoment));
    const Ext P = std::fabs(static_cast<Ext>(Model.TimberAppliedAxialLoad));
    const Ext d = bendingDepth(), k1 = Calc.K1;
    const float appliedBending = static_cast<float>(M * (d * k1) / 2 / Calc.I * 100);
    const Ext wetArea = (Calc.b * k1) * (Calc.h * k1);
    const float appliedCompression = static_cast<float>(P * 1000 / wetArea);
    const Ext r = std::sqrt(static_cast<Ext>(Calc.I) * 10000 / wetArea);
    const Ext slenderness = Calc.Le / r;
    const Ext euler = static_cast<Ext>(kPi) * kPi * Calc.PermE / (slenderness * slenderness);
    const Ext factor = slenderness > 0 ? 1 - 1.5L * appliedCompression * Calc.K12 / euler : 1.0L;
    // At or past the Euler load the amplified bending has no bound: the member fails the check.
    if (factor <= 0)
        Calc.CombinedIndex = INFINITY;
    else
        Calc.CombinedIndex = static_cast<float>(appliedBending / (Calc.PermBendingStress * factor) +
                                                appliedCompression / static_cast<Ext>(Calc.PermAxialStress));
    const float index = Calc.CombinedIndex;
    Calc.CombinedResultText =
        index > 0 && index <= 1 ? "  Combined Loading OK" : "  Combined Loading Too High";

    TimberReport& t = Calc.CombinedReport;
    t[1] = "  " + Calc.AxisText + " COMBINED LOADING CHECK";
    t[3] = "  Applied Bending Moment = " + v(static_cast<double>(M)) + " kN-m";
    t[4] = "  Permissible Bending Stress = " + v(Calc.PermBendingStress) + " N/mm^2";
    t[5] = "  Applied Bending Stress = " + v(appliedBending) + " N/mm^2";
    t[6] = "  Applied Compressive Load = " + v(static_cast<double>(P)) + " kN";
    t[7] = "  Permissible Compressive Stress = " + v(Calc.PermAxialStress) + " N/mm^2";
    t[8] = "  Applied Compressive Stress = " + v(appliedCompression) + " N/mm^2";
    t[9] = "  Combined Loading Equation = " + v(index);
    t[11] = Calc.CombinedResultText;
    SetLineCount(t, 12);
    Calc.CombinedCounter = 12;
    Calc.SummaryBlock[7] = t[9];
    Calc.SummaryBlock[8] = Calc.CombinedResultText;
    ReportTimberSummary();
}

void ReportTimberSummary() {
    std::vector<std::string>& results = Calc.ResultsListed;
    results.clear();
    Calc.SummaryListed.clear();
    auto& s = Calc.SummaryLines;
    const std::string m = Calc.MoistureText;
    s[1] = " " + Calc.Title;
    s[2] = " " + v(Calc.b) + " x " + v(Calc.h) + " " + Calc.ClassName;
    s[3] = Calc.Le != 0 ? "  Effective length = " + v(Calc.Le / 1000.0) + " m" : "";
    s[4] = "  Area = " + v(Calc.Area) + " cm^2";
    s[5] = "  " + Calc.SecondMomentLabel + v(Calc.I) + " cm^4";
    s[6] = "  r = " + v(Calc.r) + " mm";
    s[7] = "  Grade \"E\" (bending) = " + v(Calc.EBending) + " N/mm^2";
    s[8] = "  Grade \"E\" (axial) = " + v(Calc.EAxial) + " N/mm^2";
    s[9] = "  Grade Bending Stress = " + v(Calc.GradeBending) + " N/mm^2";
    s[10] = "  Grade Shear Stress = " + v(Calc.GradeShear) + " N/mm^2";
    s[11] = "  Grade Axial Stress = " + v(Calc.GradeCompression) + " N/mm^2";
    s[12] = "  K1 = " + v(Calc.K1) + "  (" + m + ")";
    s[13] = "  K2 (E) = " + SigFig2(Calc.K2E) + " (" + m + ")";
    s[14] = "  K2 (bending Stress) = " + SigFig2(Calc.K2Bending) + "  (" + m + ")";
    s[15] = "  K2 (shear Stress) = " + SigFig2(Calc.K2Shear) + "  (" + m + ")";
    s[16] = "  K2 (Axial Stress) = " + SigFig2(Calc.K2Axial) + " (" + m + ")";
    s[17] = "  K8 = " + SigFig2(Calc.K8) + Calc.K8Text;
    for (int i = 1; i <= 19; ++i)
        results.push_back(s[i]);
    const float index = Calc.CombinedIndex;
    Calc.SummaryRed = index < 0 || index > 1;
    Calc.SummaryBlock[0] = "  " + Calc.AxisText + " SUMMARY";
    for (int i = 0; i <= 8; ++i)
        Calc.SummaryListed.push_back(Calc.SummaryBlock[i]);
    const auto list = [&](const TimberReport& t, int counter) {
        for (int i = 1; i <= counter + 2 && i <= 100; ++i)
            results.push_back(t[i]);
    };
    list(Calc.BendingReport, Calc.BendingCounter);
    list(Calc.AxialReport, Calc.AxialCounter);
    list(Calc.CombinedReport, Calc.CombinedCounter);
}

void ClearTimberReports() {
    Calc.ResultsListed.clear();
    Calc.SummaryListed.clear();
    emptyReport(Calc.BendingReport, Calc.BendingCounter);
    emptyReport(Calc.AxialReport, Calc.AxialCounter);
    emptyReport(Calc.CombinedReport, Calc.CombinedCounter);
    for (int i = 1; i <= 20; ++i)
        Calc.SummaryLines[i].clear();
    for (int i = 0; i <= 9; ++i)
        Calc.SummaryBlock[i].clear();
    Calc.CombinedResultText.clear();
    // The verdict and the effective length in the summary belong to the reports they were found for.
    Calc.CombinedIndex = 0;
    Calc.Le = 0;
}

TimberButton cmd_BendCapClick(const TimberInputs& in) {
    take(in);
    Model.CheckAbortFlag = 0;
    emptyReport(Calc.BendingReport, Calc.BendingCounter);
    Model.TimberCheckMode = "Beam";
    SetTimberGradeValues(in);
    if (!CheckTimberInputs(in)) return {false, TimberShown()};
    CalcTimberSection();
    return {true, TimberShown()};
}

namespace {

TimberButton axialButton(const TimberInputs& in, const char* mode) {
    emptyReport(Calc.AxialReport, Calc.AxialCounter);
    const float Le = static_cast<float>(ReadNumber(in.Edit_Le, kTimberNumbers) * 1000.0);
    if (!(Le > 0)) {
        fail("Enter value for effective length");
        return {false, TimberShown()};
    }
    Calc.Le = Le;
    SetTimberGradeValues(in);
    if (!CheckTimberInputs(in)) return {false, TimberShown()};
    CalcTimberSection();
    Model.TimberCheckMode = mode;
    return {true, TimberShown()};
}

} // namespace

TimberButton cmd_AxialCapClick(const TimberInputs& in) {
    take(in);
    Model.CheckAbortFlag = 0;
    return axialButton(in, "Strut");
}

TimberButton cmd_CombClick(const TimberInputs& in) {
    take(in);
    Model.CheckAbortFlag = 0;
    ClearTimberReports();
    return axialButton(in, "Comb");
}

TimberUndo TimberBeforeButton() { return {Calc, Model.TimberCheckMode}; }

TimberView TimberButtonWithdrawn(const TimberUndo& before) {
    Calc = before.State;
    Model.TimberCheckMode = before.TimberCheckMode;
    return TimberShown();
}

TimberView GradeChange(const TimberInputs& in) {
    take(in);
    SetTimberGradeValues(in);
    SetTimberAxisCaptions(in);
    return TimberShown();
}

TimberView AxisChange(const TimberInputs& in) {
    take(in);
    CalcTimberSection();
    SetTimberAxisCaptions(in);
    return TimberShown();
}

TimberView WetDryChange(const TimberInputs& in) {
    take(in);
    SetTimberAxisCaptions(in);
    return TimberShown();
}

TimberView EditChange() {
    ClearTimberReports();
    return TimberShown();
}

} // namespace kx::Timber

namespace kx::Timber {

void Print1Click() {
    const auto& s = Calc.SummaryLines;
    if (s[3].empty() && s[4].empty()) return;
    Printer& p = printer();
    p.BeginDoc();
    try {
        PrintHeader(p);
        Canvas& c = p.canvas();
        c.SetFontSize(9);
        const float dpmmX = PrintDotsPerMmX(p), dpmmY = PrintDotsPerMmY(p);
        const auto row = [dpmmY](int k) { return FloatToInt(3.75L * dpmmY * k); };
        const int left = FloatToInt(15.0L * dpmmX), right = FloatToInt(115.0L * dpmmX);
        const auto put = [&c](int x, int y, const std::string& text) {
            if (!text.empty()) c.TextOut(x, y, text);
        };
        // The summary down to the K8 line, so the printed factors match the list on screen.
        for (int i = 1; i <= 17; ++i)
            put(left, row(10 + i), s[i]);
        for (int i = 1; i <= Calc.AxialCounter; ++i)
            put(left, row(37 + i), Calc.AxialReport[i]);
        for (int i = 0; i <= 8; ++i)
            put(left, row(61 + i), Calc.SummaryBlock[i]);
        for (int i = 1; i <= Calc.BendingCounter; ++i)
            put(right, row(10 + i), Calc.BendingReport[i]);
        for (int i = 1; i <= Calc.CombinedCounter; ++i)
            put(right, row(37 + i), Calc.CombinedReport[i]);
    } catch (...) {
        p.Abort(); // no half-printed page
        throw;
    }
    p.EndDoc();
}

} // namespace kx::Timber
