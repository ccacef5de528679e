// The timber section window without its window.
#include "input/TimSect.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "foundation/LineCount.h"
#include "foundation/SigFig.h"
#include "input/KX_Beam.h"
#include "input/SectionChoice.h"
#include "platform/NumberInput.h"
#include "platform/StateRegistry.h"

namespace kx {

TimSectState TimSectVars;
KX_REGISTER_STATE(TimSectVars);

namespace {

constexpr int kGeneral = 4; // "General", chosen as the window is made

std::string format(const char* f, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, f, v);
    return buf;
}

// The form validates nothing: a text that is not a number reads as 0, and nothing is worked out
// until the values it needs are non-zero.
double number(const std::string& t) { return ReadNumber(t, NumberPolicy::ZeroWhenNotANumber); }

TimSectControls& C() { return TimSectVars.Ctl; }

int checkedDuration() {
    for (int i = 0; i < kTimberDurations; ++i)
        if (C().Duration[i]) return i;
    return -1;
}

// A radio button chosen from code: the others of its group cleared and, when it was not chosen
// before, its handler run.
void choose(bool& option, std::initializer_list<bool*> group, void (*handler)()) {
    if (option) return;
    for (bool* b : group)
        *b = false;
    option = true;
    handler();
}

void chooseDuration(int index) {
    if (index < 0 || C().Duration[index]) return;
    C().Duration.fill(false);
    C().Duration[index] = true;
    TimSectDurationClick();
}

} // namespace

TimSectControls::TimSectControls() { Duration[kGeneral] = true; }

void SetTimberGradeValues() {
    TimSectState& v = TimSectVars;
    TimSectControls& c = v.Ctl;
    if (const TimberGrade* g = TimberGradeAt(c.Combo_Grade)) {
        v.GradeE = c.Option_Share ? g->ESharing : g->ESingle;
        v.GradeBending = g->Bending;
        v.GradeShear = g->Shear;
        v.K8 = TimberK8(c.Option_Share).K8;
        v.ClassName = g->ClassName;
    }
    v.K8Text = TimberK8(c.Option_Share).Text;
    c.lbl_Bend = SigFig3(v.GradeBending);
    c.lbl_E = SigFig3(v.GradeE);
    c.lbl_K8 = SigFig3(v.K8);
    c.lbl_Shear = format("%1.2f", v.GradeShear);
}

void SetTimSectWetDry() {
    TimSectState& v = TimSectVars;
    TimSectControls& c = v.Ctl;
    if (c.Option_Wet || c.Option_Dry) {
        const TimberMoisture m = TimberK1K2(c.Option_Wet);
        v.K1 = m.K1;
        v.K2 = m.K2;
        v.K2Shear = m.K2Shear;
        v.MoistureText = m.Text;
    }
    c.lbl_K1 = format("%1.2f", v.K1);
    c.lbl_K2E = c.lbl_K2B = format("%1.1f", v.K2);
    c.lbl_K2S = format("%1.1f", v.K2Shear);
}

void SetTimSectK3() {
    TimSectState& v = TimSectVars;
    const int i = checkedDuration();
    if (i >= 0) {
        const TimberDuration& d = TimberDurations()[static_cast<std::size_t>(i)];
        v.K3 = d.K3;
        v.K3Text = d.Text;
    }
    v.Ctl.lbl_K3 = format("%1.2f", v.K3);
}

void CalcTimSectSection() {
    TimSectState& v = TimSectVars;
    const long double h = number(v.Ctl.lbl_Depth), b = number(v.Ctl.lbl_Width);
    const long double K1 = v.K1;
    v.Depth = static_cast<double>(h);
    v.Width = static_cast<double>(b);
    v.Ixx = static_cast<float>(b * h * h * h / 12);
    v.Ixx = static_cast<float>(K1 * K1 * K1 * K1 * v.Ixx / 10000);
    v.Area = static_cast<double>(K1 * K1 * b * h / 100);
    if (v.Area != 0 && v.Ixx != 0) v.r = std::sqrt(v.Ixx / v.Area) * 10;
}

void CalcTimSectResults() {
    TimSectState& v = TimSectVars;
    TimSectControls& c = v.Ctl;
    CalcTimSectSection();
    SetTimSectWetDry();
    SetTimSectK3();
    v.Title = SigFig3(v.Width) + " x " + SigFig3(v.Depth) + "  " + v.ClassName + " Timber";
    v.K7 = TimberK7(v.Depth);
    c.lbl_K8 = SigFig3(v.K8);
    TimberBendingShearInputs in;
    in.GradeBending = v.GradeBending, in.GradeShear = v.GradeShear, in.GradeE = v.GradeE;
    in.K1 = v.K1, in.K2Bending = v.K2, in.K2Shear = v.K2Shear, in.K2E = v.K2;
    in.K3 = v.K3, in.K7 = v.K7, in.K8 = v.K8;
    // The section window gives the shear stress with the factor 1.5 always.
    in.ShearFactor = 1.5L;
    in.Width = v.Width, in.Depth = v.Depth, in.BendingDepth = v.Depth;
    in.I = v.Ixx;
    const TimberBendingShear p = TimberBendingShearValues(in);
    v.PermBendingStress = p.PermBendingStress;
    v.PermE = p.PermE;
    if (v.r != 0) {
        v.EI = p.EI;
        v.PermMoment = static_cast<double>(p.PermMoment);
        v.PermMomentNmm = static_cast<float>(static_cast<long double>(v.PermMoment) * 1000000);
        v.PermShearStress = p.PermShearStress;
        v.PermShearLoad = static_cast<float>(p.PermShearLoad);
        v.PermShearN = static_cast<float>(static_cast<long double>(v.PermShearLoad) * 1000);
        v.GAKform = static_cast<float>(static_cast<long double>(v.Area) * v.PermE / 16 / 1.2L * 100);
    }

    const std::vector<std::string> lines = {
        " " + v.Title,
        "",
        "  Grade = " + v.ClassName,
        "  Depth = " + SigFig3(v.Depth) + " mm",
        "  Width = " + SigFig3(v.Width) + " mm",
        "  Area = " + SigFig3(v.Area) + " cm^2",
        "  Ixx = " + SigFig4(v.Ixx) + " cm^4",
        "  E = " + SigFig3(v.GradeE) + " N/mm^2",
        "  Grade Bending Stress = " + SigFig3(v.GradeBending) + " N/mm^2",
        "  Grade Shear Stress = " + SigFig3(v.GradeShear) + " N/mm^2",
        "  K1 = " + format("%1.2f", v.K1) + "  (" + v.MoistureText + ")",
        "  K2 = " + format("%1.1f", v.K2) + "  (" + v.MoistureText + ")",
        "  K2(Shear) = " + format("%1.1f", v.K2Shear) + "  (" + v.MoistureText + ")",
        "  K3 = " + SigFig3(v.K3) + v.K3Text,
        "  K7 = " + SigFig3(v.K7),
        "  K8 = " + SigFig3(v.K8) + v.K8Text,
        "  Permissible Bending Stress ",
        "    = Grade Stress x K2 x K3 x K7 x K8",
        "    = " + SigFig3(v.PermBendingStress) + " N/mm^2",
        "  Permissible Shear Stress",
        "    = Grade Stress x K2 x K3 x K8 x 1.5",
        "    = " + SigFig3(v.PermShearStress) + " N/mm^2",
        "  Permissible E = E x K2",
        "  Permissible E = " + SigFig3(v.PermE) + " N/mm^2",
        "  EI = " + SigFig4(v.EI) + " kN-m\xB2",
        "",
        "  GA/Kform = E / 16 * Area / Kform (1.2)",
        "  GA/Kform = " + SigFig4(v.GAKform / 1000.0) + " kN",
        "",
        "  Permissible  Bending Moment = " + SigFig4(v.PermMoment) + " kN-m",
        "  (assuming adequate torsional restraint)",
        "",
        "  Permissible Shear Load = " + SigFig4(v.PermShearLoad) + " kN",
    };
    Arr<Str50, 0, 50>& out = v.ResultLines;
    for (int i = 1; i <= 50; ++i)
        out[i] = "";
    for (std::size_t i = 0; i < lines.size(); ++i)
        out[static_cast<int>(i) + 1] = lines[i];
    SetLineCount(out, static_cast<int>(lines.size()));
    c.List_Results.assign(lines.begin(), lines.end());
}

void TimSectRecalc() {
    TimSectControls& c = C();
    const double bend = TimSectVars.GradeBending, E = TimSectVars.GradeE, depth = number(c.lbl_Depth),
                 width = number(c.lbl_Width);
    c.List_Results.clear();
    // A section without a width or a depth has nothing to calculate.
    if (bend != 0 && E != 0 && depth > 0 && width > 0) {
        SetTimSectWetDry();
        SetTimberGradeValues();
        CalcTimSectResults();
    }
}

void TimSectGradeClick() {
    SetTimberGradeValues();
    TimSectRecalc();
}

void TimSectWetDryClick() {
    SetTimSectWetDry();
    TimSectRecalc();
}

void TimSectDurationClick() { TimSectRecalc(); }

TimberChoice WorkingTimberChoice() {
    const WorkingCopies& w = Work;
    return {w.TimberGradeName.str(),    w.TimberSharingCode.str(), w.TimberMoistureCode.str(),
            w.TimberDurationCode.str(), w.TimberGradeValues,       &w.TimberResultLines};
}

TimberChoice CommittedTimberChoice() {
    const SharedModel& m = Model;
    return {m.TimberGradeSaved.str(),    m.TimberSharingSaved.str(), m.TimberMoistureSaved.str(),
            m.TimberDurationSaved.str(), m.TimberGradeValuesSaved,   &m.TimberResultLinesSaved};
}

std::vector<std::string> StoredTimberLines(const Arr<Str50, 0, 50>& lines) {
    // Line 0 is the program's own count (a beam file does not store it): damaged, it throws.
    const int count = LineCount(lines, CountPolicy::WithinTable);
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(lines[i].str());
    return out;
}

void TimSectShowOptions(const TimberChoice& t) {
    TimSectState& v = TimSectVars;
    TimSectControls& c = v.Ctl;
    chooseDuration(TimberDurationIndex(t.duration));
    if (t.moisture == "Wet") choose(c.Option_Wet, {&c.Option_Dry}, &TimSectWetDryClick);
    if (t.moisture == "Dry") choose(c.Option_Dry, {&c.Option_Wet}, &TimSectWetDryClick);
    if (t.sharing == "Single") {
        v.K8 = 1.0f;
        c.lbl_K8 = "1";
        choose(c.Option_Single, {&c.Option_Share}, &TimSectGradeClick);
    }
    if (t.sharing == "Share") {
        v.K8 = 1.1f;
        c.lbl_K8 = "1.1";
        choose(c.Option_Share, {&c.Option_Single}, &TimSectGradeClick);
    }
    if (const int pos = TimberGradePosition(t.grade); pos >= 0) c.Combo_Grade = pos;
    c.List_Results = StoredTimberLines(*t.lines);
    SetTimberGradeValues();
    TimSectRecalc();
}

void TimSectShowCurrentOptions() { TimSectShowOptions(WorkingTimberChoice()); }

void TimSectShowStoredOptions() { TimSectShowOptions(CommittedTimberChoice()); }

void TimSectRestoreFromCommitted() {
    const SharedModel& m = Model;
    // The window works in millimetres whatever the user's units.
    C().lbl_Depth = SigFig4(m.TimberDepthSaved);
    C().lbl_Width = SigFig4(m.TimberWidthSaved);
    TimSectShowStoredOptions();
}

void TimSectNewBeam() { C().Combo_Grade = 0; }

bool BeamFormHoldsTimber() { return Work.SectionFamily == "Timber" && Work.WorkMemberType == "Timber"; }

std::optional<TimberBeamFormTexts> TimSectNext() {
    if (!BeamFormHoldsTimber()) return std::nullopt;
    TimSectRecalc();
    TimSectState& v = TimSectVars;
    const TimSectControls& c = v.Ctl;
    const SharedModel& m = Model;
    WorkingCopies& w = Work;
    w.TimberGradeName = v.ClassName;
    w.TimberPermMoment = v.PermMomentNmm;
    w.TimberPermShear = v.PermShearN;
    w.TimberResultLines = v.ResultLines;
    w.WorkSectionText = SigFig3(v.Width / m.UnitFactorSectLength) + " x " +
                        SigFig3(v.Depth / m.UnitFactorSectLength) + " " + v.ClassName + " Timber";
    if (c.Option_Wet || c.Option_Dry) w.TimberMoistureCode = c.Option_Wet ? "Wet" : "Dry";
    if (const int d = checkedDuration(); d >= 0)
        w.TimberDurationCode = TimberDurations()[static_cast<std::size_t>(d)].Code;
    if (c.Option_Single || c.Option_Share) w.TimberSharingCode = c.Option_Single ? "Single" : "Share";
    w.TimberGradeValues[0] = v.GradeBending;
    w.TimberGradeValues[1] = v.GradeShear;
    w.TimberGradeValues[2] = v.GradeE;
    w.TimberWidth = static_cast<float>(v.Width);
    w.TimberDepth = static_cast<float>(v.Depth);

    TimberBeamFormTexts out;
    out.lbl_S01_Desc = w.WorkSectionText;
    out.lbl_S01_Ixx = SigFig4(static_cast<double>(v.Ixx) * 10000 / m.UnitFactorSectI);
    out.lbl_S01_E = SigFig4(v.PermE / m.UnitFactorSectE);
    const float y = static_cast<float>(v.Depth * v.K1 / 2);
    for (int row = 3; row <= 20; ++row)
        out.MemberColumn[row] = " ";
    out.MemberColumn[3] = SigFig4(v.PermE);
    out.MemberColumn[4] = SigFig4(static_cast<double>(v.Ixx) * 10000);
    out.MemberColumn[5] = SigFig4(y);
    out.MemberColumn[6] = SigFig4(v.Area);
    out.MemberColumn[12] = SigFig4(v.GAKform);
    out.MemberColumn[16] = SigFig4(v.Depth);
    out.MemberColumn[17] = SigFig4(v.Width);

    for (int row = 0; row <= kRHCantRow; ++row) {
        TMemberRow& r = w.WorkSpanData[row];
        for (int f = mfE; f <= 19; ++f)
            r[f] = 0;
        r[mfE] = v.PermE;
        r[mfIxx] = static_cast<float>(static_cast<double>(v.Ixx) * 10000);
        r[mfY] = y;
        r[mfArea] = static_cast<float>(v.Area); // as the list shows it, in cm^2
        r[mfGA] = v.GAKform;
        r[mfTimberDepth] = static_cast<float>(v.Depth);
        r[mfTimberWidth] = static_cast<float>(v.Width);
    }

    Arr<std::string, 0, 50>& p = w.WorkSectionPropLines;
    for (int i = 1; i <= 50; ++i)
        p[i].clear();
    const std::string sl = m.UnitTextSectLength.str(), se = " " + m.UnitTextSectE.str();
    p[2] = " " + w.WorkSectionText;
    p[3] = " Properties";
    p[4] = "  Width = " + SigFig3(v.Width / m.UnitFactorSectLength) + " " + sl;
    p[5] = "  Depth = " + SigFig3(v.Depth / m.UnitFactorSectLength) + " " + sl;
    p[6] = "  Ixx = " + SigFig4Dec3(static_cast<double>(v.Ixx) * 10000 / m.UnitFactorSectI) + " " +
           m.UnitTextSectI.str();
    p[7] = " Permissible Stresses";
    p[8] = "  E = " + SigFig3Dec3(v.PermE / m.UnitFactorSectE) + se;
    p[9] = "  Shear = " + SigFig3Dec3(v.PermShearStress / m.UnitFactorSectE) + se;
    p[10] = "  Bending = " + SigFig3Dec3(v.PermBendingStress / m.UnitFactorSectE) + se;
    p[11] = " Permissible Loads";
    p[12] = "  Shear = " + SigFig4Dec3(static_cast<double>(w.TimberPermShear) * m.UnitFactorShear) + " " +
            m.UnitTextShear.str();
    p[13] = "  Bending = " + SigFig4Dec3(static_cast<double>(w.TimberPermMoment) * m.UnitFactorMoment) + " " +
            m.UnitTextMoment.str();
    p[0] = "14";
    for (int i = 1; i <= 14; ++i)
        out.List_Props.push_back(p[i]);
    for (int i = 3; i <= 14; ++i)
        out.List_TimProps.push_back(p[i]);
    out.lbl_GA = SigFig4Dec3(v.GAKform / m.UnitFactorForce);
    return out;
}

void ApplyTimberToBeamForm(const TimberBeamFormTexts& t, BeamFormControls& f) {
    f.lbl_S01_Desc = t.lbl_S01_Desc;
    // Another section's texts stand for what they show.
    f.lbl_S01_Ixx = ShownText(t.lbl_S01_Ixx);
    f.lbl_S01_E = ShownText(t.lbl_S01_E);
    for (int col = 1; col <= kRHCantRow + 1; ++col)
        for (int row = 3; row <= 20; ++row)
            f.Grid_SpanData.SetCell(col, row, t.MemberColumn[row]);
    f.List_Props = t.List_Props;
    f.List_TimProps = t.List_TimProps;
    f.lbl_GA = ShownText(t.lbl_GA);
}

bool TakeTypedTimberSize(BeamFormControls& f) {
    if (!f.Frame_Timber || !BeamFormHoldsTimber()) return true;
    WorkingCopies& w = Work;
    const TMemberRow& taken = w.WorkSpanData[1];
    // Nothing typed and no timber worked out: the commit asks for a section.
    if (f.Edit_Timber_W.empty() && f.Edit_Timber_H.empty() && taken[mfTimberWidth] == 0 &&
        taken[mfTimberDepth] == 0)
        return true;
    const float keptWidth = w.TimberWidth, keptDepth = w.TimberDepth;
    const std::optional<TimberSizeTexts> size = TimberSizeChosen(f);
    if (!size) return false;
    // A size is taken as it is handed over, to four figures; one typed as taken reads as taken.
    const auto same = [](float typed, const std::string& handed, float held) {
        return typed == held || static_cast<float>(number(handed)) == held;
    };
    const bool sizeTaken = same(w.TimberWidth, size->lbl_Width, taken[mfTimberWidth]) &&
                           same(w.TimberDepth, size->lbl_Depth, taken[mfTimberDepth]) &&
                           keptWidth == taken[mfTimberWidth] && keptDepth == taken[mfTimberDepth];
    if (sizeTaken) {
        w.TimberWidth = keptWidth;
        w.TimberDepth = keptDepth;
        return true;
    }
    C().lbl_Width = size->lbl_Width;
    C().lbl_Depth = size->lbl_Depth;
    TimSectShowCurrentOptions();
    if (const std::optional<TimberBeamFormTexts> t = TimSectNext()) ApplyTimberToBeamForm(*t, f);
    return true;
}

} // namespace kx
