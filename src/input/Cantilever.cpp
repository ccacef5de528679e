// The cantilever effective lengths: factor table, option handlers, show, commit, restore, clear.
#include "input/Cantilever.h"

#include <cmath>
#include <memory>
#include <optional>

#include "foundation/JobChecks.h"
#include "foundation/SigFig.h"
#include "input/FormSketch.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/NumberInput.h"
#include "platform/StateRegistry.h"
#include "window/DrawingVocabulary.h"

namespace kx {

CantFormState CantVars;
KX_REGISTER_STATE(CantVars);

namespace {

// A typed effective length that is not a number is refused: read as 0 it would take the
// cantilever as fully restrained.
constexpr NumberPolicy kEffLengthNumbers = NumberPolicy::RefusedWhenNotANumber;

// clang-format off
const CantSide Left{
    kLHCantRow, "LH Cantilever", "LHC Effective Length", " LHC length has been changed",
    {coRestrained, coNormal, coDestabilizing, coSupportLateral, coSupportPartial, coSupportBoth,
     coEndBoth, coEndTorsion, coEndTop, coEndFree, coEdit},
    {coEndFree, coEndTop, coEndBoth, coEndTorsion, coSupportBoth, coSupportLateral, coSupportPartial},
    false, CantRoute::SpanFrm, CantRoute::LoadDataFrm,
    "End Restraint", "Torsionional restraint", "Lateral and torional restraint", true,
    &SharedModel::CantLHOpts, &WorkingCopies::CantLHOptsWork};
const CantSide Right{
    kRHCantRow, "RH Cantilever", "RHC Effective Length", " RHC length has been changed",
    {coRestrained, coNormal, coDestabilizing, coSupportLateral, coSupportBoth, coSupportPartial,
     coEndBoth, coEndTorsion, coEndTop, coEndFree, coEdit},
    {coSupportLateral, coSupportBoth, coEndTop, coEndBoth, coEndTorsion, coEndFree, -1},
    true, CantRoute::Analysis, CantRoute::SpanFrm,
    " End Restraint ", "Torsional restaint", "Lateral and torsional retraint", false,
    &SharedModel::CantRHOpts, &WorkingCopies::CantRHOptsWork};

// Rows: support Lateral, Partial, Both; columns: end Free, Top, Torsion, Both; Normal, then
// Destabilizing.
constexpr float Factors[3][4][2] = {
    {{3.0f, 7.5f}, {2.7f, 7.5f}, {2.4f, 4.5f}, {2.1f, 3.6f}},
    {{2.0f, 5.0f}, {1.8f, 5.0f}, {1.6f, 3.0f}, {1.4f, 2.4f}},
    {{1.0f, 2.5f}, {0.9f, 2.5f}, {0.8f, 1.5f}, {0.7f, 1.2f}},
};
// clang-format on

constexpr int kSupports[] = {coSupportLateral, coSupportPartial, coSupportBoth};
constexpr int kEnds[] = {coEndFree, coEndTop, coEndTorsion, coEndBoth};

float factor() { return Model.UnitFactorLength; }

// A length's text with the length behind it, so that a change of units converts the length, not
// the figures shown.
ShownText shownExactly(std::string text, double mm) { return ShownText(std::move(text), mm, factor()); }

std::string shown3(double mm) {
    const double v = mm / factor();
    return std::isfinite(v) ? SigFig3(v) : "";
}
std::string shown4(double mm) {
    const double v = mm / factor();
    return std::isfinite(v) ? SigFig4(v) : "";
}

// Set by the restore of a side, cleared by the show that carries its choice into the controls.
bool& restorePending(const CantSide& side) {
    return side.Row == kLHCantRow ? CantVars.LHRestorePending : CantVars.RHRestorePending;
}

int chosenOf(const CantControls& c, std::initializer_list<int> fields) {
    for (int f : fields)
        if (c.Option[f]) return f;
    return -1;
}

// Loading, support and end options: everything but Restrained and Edit.
void uncheckRestraintChoices(CantControls& c) {
    for (int f = coNormal; f <= coEndFree; ++f)
        c.Option[f] = false;
}

} // namespace

const CantSide& LHCantSide() { return Left; }
const CantSide& RHCantSide() { return Right; }

const char* CantOptionCaption(const CantSide& side, int field) {
    switch (field) {
    case coRestrained: return "Cantilever fully restrained";
    case coEdit: return "Enter value for effective length";
    case coNormal: return "Normal";
    case coDestabilizing: return "Destabilizing";
    case coEndFree: return "Free";
    case coEndTop: return "Top flange restraint";
    case coEndTorsion: return side.EndTorsionCaption;
    case coEndBoth: return side.EndBothCaption;
    default: return ""; // the support options are captioned by their labels
    }
}

int CantOptionGroup(int field) {
    switch (field) {
    case coRestrained:
    case coEdit: return 0;
    case coNormal:
    case coDestabilizing: return 1;
    case coSupportLateral:
    case coSupportPartial:
    case coSupportBoth: return 2;
    default: return 3;
    }
}

float CantileverFactor(int support, int end, bool destabilizing) {
    int i = -1, j = -1;
    for (int n = 0; n < 3; ++n)
        if (kSupports[n] == support) i = n;
    for (int n = 0; n < 4; ++n)
        if (kEnds[n] == end) j = n;
    if (i < 0 || j < 0) return 0;
    return Factors[i][j][destabilizing ? 1 : 0];
}

void CalcCantileverEffectiveLength(const CantSide& side, CantControls& c) {
    const int r = side.Row;
    WorkingCopies& w = Work;
    const float L = Model.SpanData[r][mfL];
    const int loading = chosenOf(c, {coDestabilizing, coNormal});
    const int end = chosenOf(c, {coEndFree, coEndTop, coEndTorsion, coEndBoth});
    const int support = chosenOf(c, {coSupportLateral, coSupportPartial, coSupportBoth});

    bool undefined = false;
    if (c.Option[coEdit]) {
        uncheckRestraintChoices(c);
        c.Option[coRestrained] = false;
        const float previous = w.EffLengthWork[r][0];
        // The length offered, taken as it stands, is the length that was there.
        ShownText offered(shown3(previous), previous, factor());
        offered = dlg().InputBox(side.InputCaption, "Specify effective length " + Model.UnitTextLength.str(),
                                 offered);
        const std::string& answer = offered;
        const std::optional<double> number = TryReadNumber(answer, kEffLengthNumbers);
        float Le = static_cast<float>(number ? offered.Read(factor(), *number) : 0);
        if (!number) {
            dlg().Message(NotANumberMessage(answer));
            Le = previous;
        } else if (!std::isfinite(Le)) {
            Le = previous;
        } else if (Le < 0) {
            dlg().Message(cantmsg::kNegative);
            Le = previous;
        }
        w.EffLengthTextWork[r] = "User value";
        w.EffLengthWork[r][0] = Le;
        c.cmdEdit_Enabled = true;
    } else if (c.Option[coRestrained]) {
        w.EffLengthTextWork[r] = "Fully Restrained";
        w.EffLengthWork[r][0] = 0;
    } else if (loading >= 0 && end >= 0 && support >= 0) {
        const float k = CantileverFactor(support, end, loading == coDestabilizing);
        w.EffLengthTextWork[r] = SigFig3(k) + " L";
        w.EffLengthWork[r][0] = k * L;
    } else {
        // No factor is defined until a loading, a support and an end restraint are all chosen.
        undefined = true;
        w.EffLengthTextWork[r] = "";
        w.EffLengthWork[r][0] = 0;
    }
    c.lbl_Lf = w.EffLengthTextWork[r].str();
    c.lbl_Le = undefined ? ShownText() : shownExactly(shown3(w.EffLengthWork[r][0]), w.EffLengthWork[r][0]);
    w.EffLengthMemberLengthWork[r] = L;
}

void CantOptionClick(const CantSide& side, CantControls& c, int field) {
    switch (field) {
    case coRestrained:
        uncheckRestraintChoices(c);
        c.Option[coEdit] = false;
        CalcCantileverEffectiveLength(side, c);
        c.lbl_Lf = "Restrained";
        // A form that commits its factor box keeps the same text in its working copy: a later
        // show puts that text back in the box, and an unchanged Next must commit it again.
        if (side.CommitTextFromLabel) Work.EffLengthTextWork[side.Row] = c.lbl_Lf;
        break;
    case coEdit: CalcCantileverEffectiveLength(side, c); break;
    default:
        c.Option[coRestrained] = false;
        CalcCantileverEffectiveLength(side, c);
        break;
    }
}

void CheckCantOption(const CantSide& side, CantControls& c, int field) {
    if (field < 0 || c.Option[field]) return;
    for (int f = 0; f <= coEdit; ++f)
        if (CantOptionGroup(f) == CantOptionGroup(field)) c.Option[f] = false;
    c.Option[field] = true;
    CantOptionClick(side, c, field);
}

void CantPictureClick(const CantSide& side, CantControls& c, int image) {
    if (image < 1 || image > 7) return;
    CheckCantOption(side, c, side.PictureChoice[static_cast<std::size_t>(image - 1)]);
}

void CantFormShow(const CantSide& side, CantControls& c) {
    const int r = side.Row;
    c.Label_Units = Model.UnitTextLength.str();
    // Only the first show after a restore: later shows keep what the user has chosen since.
    if (restorePending(side)) {
        restorePending(side) = false;
        const TCantOpt& flags = Work.*side.Working;
        for (int f : side.ShowOrder)
            if (flags[f] == 1) CheckCantOption(side, c, f);
    }
    c.lbl_Le = shownExactly(shown4(Work.EffLengthWork[r][0]), Work.EffLengthWork[r][0]);
    c.lbl_Lf = Work.EffLengthTextWork[r].str();
}

CantRoute CantNext(const CantSide& side, CantControls& c) {
    if (!CantEffLengthComplete([&c](int f) { return c.Option[f]; })) {
        dlg().Message(cantmsg::kIncomplete);
        return CantRoute::Stay;
    }
    const int r = side.Row;
    // Built and asked in a scratch copy of the job: a refused Next leaves the committed job as it was.
    auto scratch = std::make_unique<SharedModel>(Model);
    SharedModel& m = *scratch;
    // The length itself is committed as worked out, not as the label rounds it.
    m.EffLength[r][0] = Work.EffLengthWork[r][0];
    if (side.CommitTextFromLabel)
        m.EffLengthText[r] = c.lbl_Lf;
    else
        m.EffLengthText[r] = Work.EffLengthTextWork[r];
    TCantOpt& flags = m.*side.Committed;
    for (int f = 0; f <= coEdit; ++f)
        flags[f] = c.Option[f] ? 1 : 0;
    m.EffLengthMemberLength[r] = Work.EffLengthMemberLengthWork[r];

    if (!EffLengthForPresentLength(m, r)) {
        dlg().Message(CantLengthChangedMessage(r));
        return CantRoute::Stay;
    }
    Model = std::move(*scratch);
    return side.Next;
}

CantRoute CantBack(const CantSide& side) { return side.Back; }

void CantRestoreFromCommitted(const CantSide& side, CantControls& c) {
    const int r = side.Row;
    c.Label_Units = Model.UnitTextLength.str();
    Work.*side.Working = Model.*side.Committed;
    Work.EffLengthTextWork[r] = Model.EffLengthText[r];
    // The length too: a user value is offered again as it was, not as 0.
    Work.EffLengthWork[r][0] = Model.EffLength[r][0];
    Work.EffLengthMemberLengthWork[r] = Model.EffLengthMemberLength[r];
    restorePending(side) = true;
}

void CantClear(const CantSide& side, CantControls& c) {
    const int r = side.Row;
    for (int f = 0; f <= coEdit; ++f)
        c.Option[f] = false;
    c.lbl_Le.clear();
    c.lbl_Lf.clear();
    Work.EffLengthWork[r][0] = 0;
    Work.EffLengthTextWork[r] = "";
    Work.EffLengthMemberLengthWork[r] = 0;
    (Work.*side.Working).fill(0);
    restorePending(side) = false;
}

namespace {

// The restraint pictures' support: the screen's triangle, smaller.
constexpr SupportStyle kRestraintSupport = [] {
    SupportStyle s = kScreenSupports;
    s.triangleTop = 2;
    s.triangleBase = 14;
    s.triangleHalf = 8;
    return s;
}();

} // namespace

void DrawRestraintPicture(Canvas& k, int W, int H, int field) {
    ClearBeamSketch(k, W, H); // on the input pictures' grey
    const int y = H / 2;
    const bool atSupport = CantOptionGroup(field) == 2;
    // The support is drawn at the left; the free end at the right.
    const int xs = 22, xe = W - 12;
    const int x = atSupport ? xs : xe;
    SetPen(k, colors::White, 3);
    DrawLine(k, 6, y, xe, y);
    DrawSupportSymbol(k, kRestraintSupport, supFixed, SupportEnd::Interior, {xs, static_cast<double>(y)});

    const bool lateral =
        field == coSupportLateral || field == coSupportBoth || field == coEndTop || field == coEndBoth;
    const bool torsional = field == coSupportBoth || field == coEndTorsion || field == coEndBoth;
    if (lateral) {
        // A prop against the top flange.
        SetPen(k, colors::Yellow, 2);
        DrawLine(k, x - 6, y - 12, x + 6, y - 12);
        DrawLine(k, x, y - 12, x, y - 3);
    }
    if (torsional || field == coSupportPartial) {
        // A collar round the section: whole for torsional restraint, half for partial.
        SetPen(k, colors::Red, 1);
        if (torsional)
            DrawPolyline(k, {{x - 5, y + 6}, {x - 5, y - 6}, {x + 5, y - 6}, {x + 5, y + 6}, {x - 5, y + 6}});
        else
            DrawPolyline(k, {{x - 5, y + 6}, {x - 5, y - 6}, {x + 5, y - 6}});
    }
    if (field == coEndFree) {
        // The tip left free: an arrow of the load at the end.
        SetPen(k, colors::Yellow, 1);
        DrawPolyline(k, {{xe, y - 18}, {xe, y - 3}, {xe - 4, y - 8}});
        DrawLine(k, xe, y - 3, xe + 4, y - 8);
    }
}

} // namespace kx
