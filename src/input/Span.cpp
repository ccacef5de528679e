// The span form's effective lengths, restraint intervals, commit, restore and clear.
#include "input/Span.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "foundation/Func_FloatToInt.h"
#include "foundation/JobChecks.h"
#include "foundation/SigFig.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberInput.h"
#include "platform/StateRegistry.h"
#include "window/DrawingVocabulary.h"

namespace kx {

SpanState SpanVars;
KX_REGISTER_STATE(SpanVars);

namespace {

constexpr int kMaxIntervals = 5; // restraints the panel offers
constexpr int kGridCols = 7;

SharedModel& M() { return Model; }
WorkingCopies& W() { return Work; }

float factor() { return Model.UnitFactorLength; }

// A space between restraints that is not a number reads as 0; the space after the last grows by it.
constexpr NumberPolicy kSpaceNumbers = NumberPolicy::ZeroWhenNotANumber;
// A typed effective length that is not a number is refused: read as 0 it would take the span as
// fully restrained.
constexpr NumberPolicy kEffLengthNumbers = NumberPolicy::RefusedWhenNotANumber;

// A length in the user's unit, as SigFig3 shows it; empty when the unit cannot turn it.
std::string shownLength(double mm) {
    const double v = mm / factor();
    if (!std::isfinite(v)) return "";
    return SigFig3(v);
}

// The same text with the length behind it, so that a change of units converts the length, not the
// figures shown.
ShownText shownExactly(double mm) { return ShownText(shownLength(mm), mm, factor()); }

float spanLength(int s) { return Model.SpanData[s][mfL]; }

int heldCount(int typed) { return std::clamp(typed, 1, kMaxIntervals); }

// A drawing position, rounded as FloatToInt rounds but held well inside the integer range.
int pixel(double v) {
    if (std::isnan(v)) return 0;
    return FloatToInt(std::clamp(v, -1.0e6, 1.0e6));
}

// A typed space in mm; a space a change of units rewrote reads back as the length it was.
double cellLength(const SpanControls& c, int i) {
    const ShownText& text = c.Grid_Int.Shown(i, 1);
    return text.Read(factor(), ReadNumber(text, kSpaceNumbers));
}

// The nine working flags of span s, in the order the form reads and shows them.
std::array<SpanFlags*, 9> workingFlags() {
    WorkingCopies& w = W();
    return {&w.SpanOptPosWork,        &w.SpanOptDeadWork, &w.SpanOptFullWork,
            &w.SpanOptPartialWork,    &w.SpanOptNotWork,  &w.SpanOpt12Work,
            &w.SpanOptRestrainedWork, &w.SpanOptIntWork,  &w.SpanOptEditWork};
}
std::array<SpanFlags*, 9> committedFlags(SharedModel& m = M()) {
    return {&m.SpanOptPos, &m.SpanOptDead,       &m.SpanOptFull, &m.SpanOptPartial, &m.SpanOptNot,
            &m.SpanOpt12,  &m.SpanOptRestrained, &m.SpanOptInt,  &m.SpanOptEdit};
}
std::array<bool*, 9> controlsInFlagOrder(SpanControls& c) {
    return {&c.Option_Pos, &c.Option_Dead,       &c.Option_Full, &c.Option_Partial, &c.Option_Not,
            &c.Check_12,   &c.Option_Restrained, &c.Option_Int,  &c.Option_Edit};
}

void clearSpanChoice(SpanControls& c) {
    for (bool* b : controlsInFlagOrder(c))
        *b = false;
}

int intervalCount(float stored) {
    if (!(stored > 0)) return 0;
    return std::min(FloatToInt(std::min(stored, 10.0f)), 10);
}

// The restraint slot of a space: its share of the span in two-hundredths, ties to even.
int32 restraintSlot(double x, float L) {
    if (!(L > 0)) return 0;
    const double v = 200.0 * x / L;
    return FloatToInt(std::isnan(v) ? 0.0 : std::clamp(v, -1.0e9, 1.0e9));
}

// The working intervals of the spans restrained at intervals: negative spaces, or spaces longer
// together than their span, are refused with their message.
bool workingIntervalsUsable() {
    for (int s = 1; s <= std::clamp(Model.SpanCount[0], 0, kMaxSpans); ++s) {
        if (Work.SpanOptIntWork[s] != 1) continue;
        const TEffLengthRec& e = Work.EffLengthWork[s];
        double sum = 0;
        for (int i = 1; i <= intervalCount(e[kIntervalCountField]); ++i) {
            if (!(e[i] >= 0)) {
                dlg().Message(spanmsg::kNegative);
                return false;
            }
            sum += e[i];
        }
        if (sum > spanLength(s)) {
            dlg().Message(spanmsg::kSumExceeds);
            return false;
        }
    }
    return true;
}

} // namespace

const ShownText& IntervalGridTexts::Shown(int col, int row) const {
    static const ShownText empty;
    if (col < 0 || col >= kGridCols || row < 0 || row > 1) return empty;
    return cells[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
}

void IntervalGridTexts::SetCell(int col, int row, std::string text) {
    if (col < 0 || col >= kGridCols || row < 0 || row > 1) throw RangeError();
    cells[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] = std::move(text);
}

void IntervalGridTexts::Show(int col, int row, ShownText text) {
    if (col < 0 || col >= kGridCols || row < 0 || row > 1) throw RangeError();
    cells[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] = std::move(text);
}

SpanFactorChoice SpanFactorFor(bool full, bool partial, bool notRestrained, bool by12, bool pos, bool dead,
                               float D) {
    if (full)
        return by12 ? SpanFactorChoice{"0.85L / 1.2", 0.85f / 1.2f, 0} : SpanFactorChoice{"0.85L", 0.85f, 0};
    if (partial)
        return by12 ? SpanFactorChoice{"1.05L / 1.2", 0.875f, 0} : SpanFactorChoice{"1.05L", 1.05f, 0};
    if (notRestrained)
        return by12 ? SpanFactorChoice{"1.2L / 1.2", 1.0f, 0} : SpanFactorChoice{"1.2L", 1.2f, 0};
    if (pos) return {"1.2L + 2D", 1.2f, 2 * D};
    if (dead) return {"1.4L + 2D", 1.4f, 2 * D};
    return {};
}

float SpanEffectiveLength(float k, float a, float L) {
    if (!(L > 0) || !std::isfinite(L)) return 0;
    const float share = a / L;
    const float f = share + k;
    const float Le = f * L;
    return std::isfinite(Le) ? Le : 0;
}

int HeldSpan(int typed) { return std::clamp(typed, 1, std::clamp(Model.SpanCount[0], 1, kMaxSpans)); }

void CalcSpanEffectiveLength(SpanControls& c, SpanFormPictures& p) {
    SpanState& v = SpanVars;
    v.SpanOptionsReady = 0;
    const int s = HeldSpan(c.Edit_Span);
    c.Edit_Span = s;
    v.CurrentSpan = s;
    WorkingCopies& w = W();
    w.EffLengthWork[s][kIntervalCountField] = 0;

    const auto flags = workingFlags();
    const auto controls = controlsInFlagOrder(c);
    for (std::size_t i = 0; i < flags.size(); ++i)
        (*flags[i])[s] = *controls[i] ? 1 : 0;
    c.cmd_All_Enabled = !(c.Option_Int || c.Option_Edit);

    const float L = spanLength(s);
    const float D = Model.SpanData[s][mfSteelDepth];
    SpanFactorChoice choice = SpanFactorFor(c.Option_Full, c.Option_Partial, c.Option_Not, c.Check_12,
                                            c.Option_Pos, c.Option_Dead, D);
    float Le = SpanEffectiveLength(choice.k, choice.a, L);
    c.lbl_Le = shownExactly(Le);
    c.lbl_Lf = choice.text;

    if (c.Option_Restrained) {
        c.lbl_Lf = "Restrained";
        c.lbl_Le = " ";
    }
    if (c.Option_Int) {
        ShowIntervalHeadings(c);
        c.cmd_Cancel_Visible = false;
        FillIntervalGrid(c);
        DrawIntervalSketch(c, p);
        c.Frame_Span_Visible = false;
        c.Frame_Int_Visible = true;
        c.cmd_All_Enabled = false;
        c.cmd_Part_Enabled = true;
    } else {
        c.cmd_Cancel_Visible = true;
        w.EffLengthWork[s][kIntervalCountField] = 0;
    }
    if (c.Option_Edit) {
        const float previous = w.EffLengthWork[s][0];
        // The length offered, taken as it stands, is the length that was there.
        ShownText offered(shownLength(previous), previous, factor());
        offered = dlg().InputBox("Span Effective Length",
                                 "Specify effective length " + Model.UnitTextLength.str(), offered);
        const std::string& answer = offered;
        const std::optional<double> number = TryReadNumber(answer, kEffLengthNumbers);
        const float typed = static_cast<float>(number ? offered.Read(factor(), *number) : 0);
        Le = typed;
        if (!number) {
            dlg().Message(NotANumberMessage(answer));
            Le = previous;
        } else if (!std::isfinite(typed)) {
            Le = previous;
        } else if (typed < 0) {
            dlg().Message(spanmsg::kNegative);
            Le = previous;
        }
        choice.text = "User value";
        c.lbl_Lf = choice.text;
        c.lbl_Le = shownExactly(Le);
        c.cmdEdit_Enabled = true;
    }

    w.EffLengthWork[s][0] = Le;
    w.EffLengthTextWork[s] = choice.text;
    v.SpanFactorWork[s] = {choice.k, choice.a};
    w.EffLengthMemberLengthWork[s] = L;
    v.SpanOptionsReady = 1;
}

void ShowSpanOptions(SpanControls& c) {
    SpanState& v = SpanVars;
    v.SpanOptionsReady = 0;
    int s = v.CurrentSpan;
    if (s < 1 || s > Model.SpanCount[0]) s = 1;
    const auto flags = workingFlags();
    const auto controls = controlsInFlagOrder(c);
    for (std::size_t i = 0; i < flags.size(); ++i)
        *controls[i] = (*flags[i])[s] == 1;
    const WorkingCopies& w = Work;
    for (const SpanFlags* f :
         {&w.SpanOptPosWork, &w.SpanOptDeadWork, &w.SpanOptFullWork, &w.SpanOptPartialWork, &w.SpanOptNotWork,
          &w.SpanOpt12Work, &w.SpanOptRestrainedWork})
        if ((*f)[s] == 1) c.cmd_All_Enabled = true;
    if (w.SpanOptIntWork[s] == 1) c.cmd_All_Enabled = false;
    if (w.SpanOptEditWork[s] == 1) {
        c.cmdEdit_Enabled = true;
        c.cmd_All_Enabled = false;
    } else {
        c.cmdEdit_Enabled = false;
    }
    c.lbl_L = shownExactly(spanLength(s));
    c.lbl_Lf = w.EffLengthTextWork[s].str();
    c.lbl_Le = shownExactly(w.EffLengthWork[s][0]);
    c.cmd_Part_Enabled = w.SpanOptIntWork[s] == 1;
    v.SpanOptionsReady = 1;
}

void ApplyToAllSpans(SpanControls& c) {
    const int s = HeldSpan(c.Edit_Span);
    WorkingCopies& w = W();
    std::array<SpanFlags*, 7> seven{&w.SpanOptPosWork,       &w.SpanOptDeadWork, &w.SpanOptFullWork,
                                    &w.SpanOptPartialWork,   &w.SpanOptNotWork,  &w.SpanOpt12Work,
                                    &w.SpanOptRestrainedWork};
    // The factor comes from the span's own choice and the section, never from a calculation
    // that a New or an Open may have left behind.
    bool chosen = false;
    for (const SpanFlags* f : seven)
        chosen = chosen || (*f)[s] == 1;
    if (!chosen) return;
    const SpanFactorChoice choice =
        SpanFactorFor(w.SpanOptFullWork[s] == 1, w.SpanOptPartialWork[s] == 1, w.SpanOptNotWork[s] == 1,
                      w.SpanOpt12Work[s] == 1, w.SpanOptPosWork[s] == 1, w.SpanOptDeadWork[s] == 1,
                      Model.SpanData[s][mfSteelDepth]);
    for (int j = 1; j <= std::clamp(Model.SpanCount[0], 0, kMaxSpans); ++j) {
        const float L = spanLength(j);
        w.EffLengthWork[j][0] = SpanEffectiveLength(choice.k, choice.a, L);
        w.EffLengthMemberLengthWork[j] = L;
        for (SpanFlags* f : seven)
            (*f)[j] = (*f)[s];
        w.EffLengthTextWork[j] = choice.text;
    }
}

void FillIntervalGrid(SpanControls& c) {
    const int s = HeldSpan(c.Edit_Span);
    const float L = spanLength(s);
    const int n = heldCount(c.Edit_No);
    c.Edit_No = n;
    IntervalGridTexts& g = c.Grid_Int;
    g.ColCount = n + 1;
    // The spaces offered stand for what they show.
    for (int i = 1; i <= n + 1; ++i)
        g.Show(i, 1, g.Cell(i, 1));
    if (c.Option_Blank) {
        for (int i = 1; i <= n + 1; ++i)
            g.SetCell(i, 1, " ");
        SpanVars.IntervalRemainder = 0;
    } else if (c.Option_Equal) {
        const double w = static_cast<double>(L) / (n + 1);
        for (int i = 1; i <= n + 1; ++i)
            g.SetCell(i, 1, SigFig3(w / factor()));
    } else if (c.Option_UnEqual) {
        const double w = static_cast<double>(L) / (2 * n);
        g.SetCell(1, 1, SigFig3(w / factor()));
        for (int i = 2; i <= n; ++i)
            g.SetCell(i, 1, SigFig3(2 * w / factor()));
        g.SetCell(n + 1, 1, SigFig3(w / factor()));
    }
    for (int i = 1; i <= n; ++i)
        g.SetCell(i, 0, " Sup. " + std::to_string(i));
    c.lbl_Lf = std::to_string(n) + " support(s)";
    c.lbl_Le = "varies";
    Work.EffLengthTextWork[s] = c.lbl_Lf;
}

void ShowIntervalHeadings(SpanControls& c) {
    c.Grid_Int.SetCell(0, 0, " Distance to :-");
    c.Grid_Int.SetCell(0, 1, " (" + Model.UnitTextLength.str() + ")");
    c.lbl_Span = "Span " + std::to_string(HeldSpan(c.Edit_Span));
}

void CalcIntervalRemainder(const SpanControls& c) {
    SpanState& v = SpanVars;
    v.IntervalGridBusy = 1;
    double sum = 0;
    for (int i = 1; i <= heldCount(c.Edit_No); ++i)
        sum += cellLength(c, i);
    v.IntervalRemainder = static_cast<float>(spanLength(HeldSpan(c.Edit_Span)) - sum);
    v.IntervalGridBusy = 0;
}

void StoreSpanIntervals(const SpanControls& c) {
    const int s = HeldSpan(c.Edit_Span);
    const int n = heldCount(c.Edit_No);
    const float L = spanLength(s);
    TEffLengthRec& e = Work.EffLengthWork[s];
    e[kIntervalCountField] = static_cast<float>(n);
    for (int i = 1; i <= n; ++i) {
        const double x = cellLength(c, i);
        e[i] = static_cast<float>(x);
        Work.RestraintPosWork[s][i] = restraintSlot(x, L);
    }
}

void ClearIntervalSketch(SpanControls& c, Canvas& canvas) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(colors::Gray);
    canvas.FillRect({0, 0, 800, 200});
    c.lbl_SpanL_Visible = false;
}

void DrawIntervalSketch(SpanControls& c, SpanFormPictures& p) {
    const int n = heldCount(c.Edit_No);
    const float L = spanLength(HeldSpan(c.Edit_Span));
    if (L == 0) return;
    CalcIntervalRemainder(c);
    Canvas& k = p.IntervalCanvas();
    ClearIntervalSketch(c, k);
    const int Wd = p.IntervalWidth();
    const int H = p.IntervalHeight();
    const float f = static_cast<float>(Wd - 100) / L;
    const int y = H / 2 + 8;

    SetPen(k, colors::White, 4);
    DrawLine(k, 25, y, Wd - 25, y);
    SetPen(k, colors::White, 3);
    DrawLine(k, 50, y + 40, 50, y - 7);
    DrawLine(k, Wd - 50, y + 40, Wd - 50, y - 7);

    SetPen(k, colors::Red, 2);
    int at = 0;
    for (int i = 1; i <= n; ++i) {
        at = pixel(at + static_cast<double>(pixel(cellLength(c, i) * f)));
        DrawLine(k, pixel(50.0 + at), y + 20, pixel(50.0 + at), y - 20);
    }

    k.SetFontColor(colors::Yellow);
    SetPen(k, colors::Red, 1);
    k.SetBrushStyle(BrushStyle::Clear);
    int q = 0;
    const auto label = [&](double mm) {
        k.TextOut(pixel(50.0 + q + pixel(mm * f / 2) - 12), 32, SigFig3Dec3(mm / factor()));
        q = pixel(q + static_cast<double>(pixel(mm * f)));
    };
    for (int i = 1; i <= n; ++i)
        label(cellLength(c, i));
    label(SpanVars.IntervalRemainder);

    c.lbl_SpanL_Visible = L > 1.0f;
    if (c.lbl_SpanL_Visible)
        c.lbl_SpanL = "Span Length = " + SigFig3Dec3(L / factor()) + " " + Model.UnitTextLength.str();
}

bool CloseIntervalPanel(SpanControls& c, SpanFormPictures& p) {
    c.cmd_Cancel_Visible = true;
    for (int i = 1; i <= heldCount(c.Edit_No); ++i)
        if (cellLength(c, i) < 0) {
            dlg().Message(spanmsg::kNegative);
            return false;
        }
    CalcIntervalRemainder(c);
    if (!(SpanVars.IntervalRemainder >= 0)) {
        dlg().Message(spanmsg::kSumExceeds);
        return false;
    }
    StoreSpanIntervals(c);
    c.Frame_Int_Visible = false;
    c.Frame_Span_Visible = true;
    p.ClearSpanSketch();
    p.DrawSpanSketch();
    p.HighlightCurrentSpan();
    return true;
}

namespace {

// The interval panel left open by Next or Back is taken as its OK takes it, so that the span keeps
// the spaces and the count the panel shows; false, with OK's message, when they cannot be taken.
bool takeOpenIntervalPanel(SpanControls& c, SpanFormPictures& p) {
    return !c.Frame_Int_Visible || CloseIntervalPanel(c, p);
}

} // namespace

void SpanOptionClick(SpanControls& c, SpanFormPictures& p) {
    if (SpanVars.SpanOptionsReady != 1) return;
    CalcSpanEffectiveLength(c, p);
    p.ClearSpanSketch();
    p.DrawSpanSketch();
    p.HighlightCurrentSpan();
}

void SpanIntOrEditClick(SpanControls& c, SpanFormPictures& p) {
    if (SpanVars.SpanOptionsReady == 1) CalcSpanEffectiveLength(c, p);
}

void SpanResetClick(SpanControls& c, SpanFormPictures& p) { CalcSpanEffectiveLength(c, p); }

void SpanSpinnerClick(SpanControls& c, SpanFormPictures& p) {
    SpanVars.CurrentSpan = HeldSpan(c.Edit_Span);
    c.Edit_Span = SpanVars.CurrentSpan;
    p.ClearSpanSketch();
    p.DrawSpanSketch();
    p.HighlightCurrentSpan();
    ShowSpanOptions(c);
}

void SpacingOptionClick(SpanControls& c, SpanFormPictures& p) {
    if (SpanVars.IntervalGridBusy != 0) return;
    FillIntervalGrid(c);
    DrawIntervalSketch(c, p);
}

void IntervalCountClick(SpanControls& c, SpanFormPictures& p) {
    if (SpanVars.IntervalGridBusy != 0) return;
    FillIntervalGrid(c);
    ClearIntervalSketch(c, p.IntervalCanvas());
    DrawIntervalSketch(c, p);
}

void IntervalGridKeyUp(SpanControls& c, SpanFormPictures& p) {
    StoreSpanIntervals(c);
    CalcIntervalRemainder(c);
    ClearIntervalSketch(c, p.IntervalCanvas());
    DrawIntervalSketch(c, p);
}

bool CheckSpanLengthsChanged(const SharedModel& m) {
    SpanVars.SpanLengthChanged = 0;
    for (int s = 1; s <= std::clamp(m.SpanCount[0], 0, kMaxSpans); ++s)
        if (!EffLengthForPresentLength(m, s)) {
            dlg().Message(SpanLengthChangedMessage(s));
            SpanVars.SpanLengthChanged = 1;
            return false;
        }
    return true;
}

SpanRoute SpanNext(SpanControls& c, SpanFormPictures& p) {
    if (!takeOpenIntervalPanel(c, p)) return SpanRoute::Stay;
    if (!workingIntervalsUsable()) return SpanRoute::Stay;

    // The choice is built and asked in a scratch copy of the job: a refused Next leaves the
    // committed job as it was.
    auto scratch = std::make_unique<SharedModel>(Model);
    SharedModel& m = *scratch;
    const WorkingCopies& w = Work;
    const auto from = workingFlags();
    const auto to = committedFlags(m);
    for (int s = 1; s <= kMaxSpans; ++s) {
        for (std::size_t i = 0; i < from.size(); ++i)
            (*to[i])[s] = (*from[i])[s];
        m.EffLength[s] = w.EffLengthWork[s];
        m.RestraintPos[s] = w.RestraintPosWork[s];
        m.EffLengthText[s] = w.EffLengthTextWork[s];
        m.EffLengthMemberLength[s] = w.EffLengthMemberLengthWork[s];
    }
    // The analysis keeps 200 points a span exactly when a committed span is restrained at intervals.
    const int spans = std::clamp(m.SpanCount[0], 0, kMaxSpans);
    m.AnySpanIntervals = 0;
    for (int s = 1; s <= spans; ++s)
        if (m.SpanOptInt[s] == 1) m.AnySpanIntervals = 1;

    if (spans == 0) {
        dlg().Message(spanmsg::kNothingChosen);
        return SpanRoute::Stay;
    }
    for (int s = 1; s <= spans; ++s)
        if (!SpanEffLengthChosen(m, s)) {
            dlg().Message(SpanNotSelectedMessage(s));
            return SpanRoute::Stay;
        }
    if (!CheckSpanLengthsChanged(m)) return SpanRoute::Stay;
    Model = std::move(*scratch);
    return Model.SpanData[kRHCantRow][mfExists] == 1.0f ? SpanRoute::CantRHFrm : SpanRoute::Analysis;
}

SpanRoute SpanBack(SpanControls& c, SpanFormPictures& p) {
    if (!takeOpenIntervalPanel(c, p)) return SpanRoute::Stay;
    return Model.SpanData[kLHCantRow][mfExists] == 1.0f ? SpanRoute::CantLHFrm : SpanRoute::LoadDataFrm;
}

void SpanFormShow(SpanControls& c, SpanFormPictures& p) {
    p.ClearSpanSketch();
    SpanState& v = SpanVars;
    const int most = std::clamp(Model.SpanCount[0], 1, kMaxSpans);
    v.CurrentSpan = std::clamp(v.CurrentSpan, 1, most);
    c.Edit_Span_Max = most;
    c.Edit_Span = v.CurrentSpan;
    c.Label_1_Unit = Model.UnitTextLength.str();
    c.Label_2_Unit = Model.UnitTextLength.str();
    c.lbl_L = shownExactly(spanLength(v.CurrentSpan));
    ShowSpanOptions(c);
}

void SpanRestoreFromCommitted() {
    const SharedModel& m = Model;
    WorkingCopies& w = W();
    const auto from = committedFlags();
    const auto to = workingFlags();
    for (int s = 1; s <= kMaxSpans; ++s) {
        for (std::size_t i = 0; i < from.size(); ++i)
            (*to[i])[s] = (*from[i])[s];
        w.EffLengthWork[s] = m.EffLength[s];
        w.RestraintPosWork[s] = m.RestraintPos[s];
        w.EffLengthTextWork[s] = m.EffLengthText[s];
        w.EffLengthMemberLengthWork[s] = m.EffLengthMemberLength[s];
    }
}

void SpanClear(SpanControls& c, SpanFormPictures& p) {
    c.Option_Blank = false;
    c.Option_UnEqual = false;
    c.Option_Equal = false;
    c.Option_UnEqual = true; // chosen again from code: its handler runs
    SpacingOptionClick(c, p);
    c.Edit_No = 1;
    clearSpanChoice(c);
    c.lbl_L.clear();
    c.lbl_Lf.clear();
    c.lbl_Le.clear();
    for (int i = 1; i <= 6; ++i)
        c.Grid_Int.SetCell(i, 1, "");
    WorkingCopies& w = W();
    // The options of the job that was: left set, the form would show them ticked again, where a
    // click on one changes nothing and so never works out the length.
    for (SpanFlags* f : workingFlags())
        f->fill(0);
    for (int s = 1; s <= kMaxSpans; ++s) {
        w.EffLengthWork[s] = TEffLengthRec{};
        w.RestraintPosWork[s] = Arr<int32, 1, 10>{};
        w.EffLengthTextWork[s] = "";
        w.EffLengthMemberLengthWork[s] = 0;
    }
}

} // namespace kx
