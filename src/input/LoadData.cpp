// The load form's list, checks, stacks, ticks and commit, over a snapshot of its controls.
#include "input/LoadData.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "foundation/Func_FloatToInt.h"
#include "foundation/JobChecks.h"
#include "foundation/SigFig.h"
#include "input/BeamMessages.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/NumberInput.h"
#include "platform/StateRegistry.h"

namespace kx {

LoadDataState LoadDataVars;
KX_REGISTER_STATE(LoadDataVars);

LoadFormControls::LoadFormControls() {
    for (int n = 1; n <= 6; ++n)
        Rows[n].Panel = true;
}

namespace {

using LoadTableT = Arr<Arr<TLoadRec, 1, 51>, 1, 5>;

// FormUpdating at 1 for a scope, back to what it was after (also when an error ends the step).
class Updating {
public:
    Updating() : previous_(LoadDataVars.FormUpdating) { LoadDataVars.FormUpdating = 1; }
    ~Updating() { LoadDataVars.FormUpdating = previous_; }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;

private:
    int32 previous_;
};

void message(const std::string& text) {
    LoadDataVars.MsgText = text;
    dlg().Message(text);
}

bool blank(const std::string& t) { return t.find_first_not_of(" \t\r\n") == std::string::npos; }

// A load's value, distance, cover or factor that is not wholly a number is refused by "Next >": read
// as 0 it would under-load the beam without a word. A blank one reads as 0 (a factor: its default).
constexpr NumberPolicy kLoadNumbers = NumberPolicy::RefusedWhenNotANumber;

// The number of a typed text; until "Next >" refuses it, a text that is not a number counts as 0.
double number(const std::string& text) { return TryReadNumber(text, kLoadNumbers).value_or(0); }

// A typed value times its unit factor, held as a single; a text the form showed and nobody changed
// gives back the value it was made from.
float typed(const ShownText& text, float factor) {
    return static_cast<float>(text.Read(factor, number(text)));
}

// A flag held in a single as the whole number it stands for; anything else counts as 0.
int flagOf(float v) { return std::isfinite(v) && std::fabs(v) < 1e9f ? FloatToInt(v) : 0; }

bool factoredLoads() { return Model.FactoredLoadsFlag == 1; }

// The load factor a load-factor edit gives: blank means its default, and without factored loads
// every factor is 1.0 (a factor left in a hidden edit or read from a file must not count).
float loadFactor(const ShownText& text, float blankDefault) {
    if (!factoredLoads()) return 1.0f;
    return blank(text) ? blankDefault : typed(text, 1.0f);
}

float selfWeightDefaultFactor() { return factoredLoads() ? kSelfWeightLoadFactor : 1.0f; }

// The message for the first text the rows read that is not a number, in row and column order (the
// self-weight's factor last); empty when every one is.
std::string unreadLoadText(const LoadFormControls& f) {
    const auto unread = [](const EditBox& e) { return !TryReadNumber(e.Text, kLoadNumbers); };
    for (int n = 1; n <= kLoadRows; ++n) {
        const LoadRowControls& r = f.Rows[n];
        if (!r.OptionP && !r.OptionUDL) continue; // no load: unticked and never analysed
        if (r.OptionP && unread(r.Edit_PL)) return loadmsg::NotANumber(n, "value");
        if (unread(r.Edit_Dist)) return loadmsg::NotANumber(n, "distance");
        if (!r.OptionP && (unread(r.Edit_UDLS) || unread(r.Edit_UDLF)))
            return loadmsg::NotANumber(n, "value");
        if (!r.OptionP && unread(r.Edit_Cover)) return loadmsg::NotANumber(n, "cover");
        if (factoredLoads() && unread(r.Edit_LF)) return loadmsg::NotANumber(n, "load factor");
    }
    if (factoredLoads() && f.Frame_SWt && !TryReadNumber(f.Edit_LF, kLoadNumbers))
        return loadmsg::kSelfWeightFactorNotANumber;
    return {};
}

// Sets row n's Apply box as a click would; a change runs its handler.
void tick(LoadFormControls& f, int n, bool on, LoadFormPicture& pic) {
    if (f.Rows[n].Check == on) return;
    f.Rows[n].Check = on;
    ApplyClicked(f, n, pic);
}

void tickSelfWeight(LoadFormControls& f, bool on, LoadFormPicture& pic) {
    if (f.Check_Swt == on) return;
    f.Check_Swt = on;
    SelfWeightApplyClicked(f, pic);
}

// Choosing a row's type from code runs the row-type step when the button was not chosen before.
void chooseType(LoadFormControls& f, int n, bool point) {
    LoadRowControls& r = f.Rows[n];
    bool& chosen = point ? r.OptionP : r.OptionUDL;
    if (chosen) return;
    chosen = true;
    (point ? r.OptionUDL : r.OptionP) = false;
    SetLoadRowMode(f, n);
}

void emptyRowEdits(LoadRowControls& r) {
    for (EditBox* e : {&r.Edit_PL, &r.Edit_Dist, &r.Edit_UDLS, &r.Edit_UDLF, &r.Edit_Cover, &r.Edit_LF}) {
        e->Text.clear();
        e->Visible = false;
    }
}

std::string zeroBlank(const std::string& t, bool applied) {
    return t == "0.000" && !applied ? std::string() : t;
}

bool appliedInAnyLoadcase(int i) {
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        if (Work.ApplyFlags[lc][i] == 1.0f) return true;
    return false;
}

// The rate of stacked load j at position x, each step held as a single.
float rateAt(const TUDLStackRec& j, float length, float x) {
    const float dW = j[usW2] - j[usW1];
    const float dX = x - j[usX1];
    return static_cast<float>(j[usW1] + static_cast<double>(dW) * dX / length);
}

// The first load whose values cannot be held (a value beyond a single's range after its unit
// factor, or a stacked sum that overflows): 0 when there is none.
int unholdableLoad() {
    for (int i = 1; i <= kSelfWeightRecord; ++i)
        for (int field = lfDist; field <= lfLF; ++field)
            if (!std::isfinite(Work.WorkLoads[i][field])) return i;
    for (int i = 1; i <= kLoadRows; ++i)
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            for (float v : Work.UDLStack[lc][i])
                if (!std::isfinite(v)) return i;
    return 0;
}

// The rows still show what was typed before "< Back": nothing has replaced the list they were read
// into since. Asked once per showing.
bool rowsKept() {
    LoadDataState& v = LoadDataVars;
    const bool kept = v.RowsKept;
    v.RowsKept = false;
    if (!kept) return false;
    for (int n = 1; n <= kLoadRows; ++n)
        if (Work.WorkLoads[n] != v.KeptLoads[n]) return false;
    return true;
}

// The load-factor edits follow the factored-loads setting, so that a factor shown is one that
// counts: shown on the rows with a load while factored loads are on, hidden while they are off.
void followFactoredLoads(LoadFormControls& f) {
    const int32 flag = Model.FactoredLoadsFlag;
    if (flag != 1 && flag != -1) return;
    for (LoadRowControls& r : f.Rows)
        if (flag == -1 || r.OptionP || r.OptionUDL) r.Edit_LF.Visible = flag == 1;
    if (f.Frame_SWt) f.Edit_LF_Enabled = flag == 1;
}

// A load factor other than 1.0: typed in a row with a load or for the self-weight, in the working
// list, or in a load of the committed table.
bool factorsOtherThanOne(const LoadFormControls& f) {
    const auto notOne = [](const std::string& text) {
        return blank(text) || TryReadNumber(text, kLoadNumbers) != std::optional<double>(1.0);
    };
    for (const LoadRowControls& r : f.Rows)
        if ((r.OptionP || r.OptionUDL) && !blank(r.Edit_LF.Text) && notOne(r.Edit_LF.Text)) return true;
    if (f.Frame_SWt && notOne(f.Edit_LF)) return true;
    for (int i = 1; i <= kSelfWeightRecord; ++i) {
        const TLoadRec& r = Work.WorkLoads[i];
        const bool load = i == kSelfWeightRecord ? SelfWeightSection() : r[lfKind] != 0;
        if (load && r[lfLF] != 1.0f) return true;
    }
    return AppliedFactorOtherThanOne(Model);
}

} // namespace

namespace loadmsg {
std::string ExtendsPastEnd(int n) { return LoadExtendsPastEndMessage(n); }
std::string ValueTooLarge(int n) { return "Load " + std::to_string(n) + " value too large"; }
std::string NotANumber(int n, const char* what) {
    return "Load " + std::to_string(n) + " " + what + " is not a number";
}
} // namespace loadmsg

namespace {

// The rows and the self-weight frame into WorkLoads and, when asked, the ticks into ApplyFlags of
// WorkLoadcase; nothing is checked.
void readRows(const LoadFormControls& f, bool ticks) {
    LoadDataState& v = LoadDataVars;
    WorkingCopies& w = Work;
    for (int n = 1; n <= kLoadRows; ++n)
        for (int field = lfKind; field <= lfApplied; ++field)
            w.WorkLoads[n][field] = 0;
    v.WorkLoadcase = LoadcaseIn(v.WorkLoadcase);
    const int lc = v.WorkLoadcase;
    const SharedModel& m = Model;
    for (int n = 1; n <= kLoadRows; ++n) {
        const LoadRowControls& row = f.Rows[n];
        TLoadRec& r = w.WorkLoads[n];
        r[lfKind] = 0;
        if (row.OptionP) r[lfKind] = 1.0f;
        if (row.OptionUDL) r[lfKind] = -1.0f;
        r[lfDist] = typed(row.Edit_Dist.Text, m.UnitFactorLength);
        if (row.OptionP) {
            r[lfW1] = typed(row.Edit_PL.Text, m.UnitFactorForce);
            r[lfW2] = 0;
            r[lfCover] = 0;
        } else {
            r[lfW1] = typed(row.Edit_UDLS.Text, m.UnitFactorUDL);
            r[lfW2] = typed(row.Edit_UDLF.Text, m.UnitFactorUDL);
            r[lfCover] = typed(row.Edit_Cover.Text, m.UnitFactorLength);
        }
        r[lfLF] = loadFactor(row.Edit_LF.Text, 1.0f);
        if (ticks) w.ApplyFlags[lc][n] = row.Check ? 1.0f : 0.0f;
    }
    TLoadRec& sw = w.WorkLoads[kSelfWeightRecord];
    sw[lfLF] = loadFactor(f.Edit_LF, selfWeightDefaultFactor());
    sw[lfApplied] = f.Check_Swt ? 1.0f : 0.0f;
}

} // namespace

void ReadLoadRows(const LoadFormControls& f) {
    readRows(f, true);
    if (LoadDataVars.ValidateOnRead == 1.0f) ValidateLoads();
}

void ValidateLoads() {
    LoadDataState& v = LoadDataVars;
    v.LoadError = 0;
    for (int i = 1; i <= kLoadRows; ++i) {
        const TLoadRec& r = Work.WorkLoads[i];
        if (LoadPastBeamEnd(r[lfDist], r[lfCover], Model) && appliedInAnyLoadcase(i)) {
            message(loadmsg::ExtendsPastEnd(i));
            v.LoadError = -1;
        }
        if (r[lfDist] < 0 || r[lfCover] < 0) {
            message(loadmsg::kNegativeLengths);
            v.LoadError = -1;
        }
    }
}

void MarkActiveCases(const LoadTableT& table, Arr<int32, 0, 5>& caseHasLoads) {
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        caseHasLoads[lc] = 0;
        for (const TLoadRec& r : table[lc])
            if (r[lfApplied] == 1.0f && (r[lfW1] != 0 || r[lfW2] != 0)) caseHasLoads[lc] = 1;
    }
}

void MarkActiveCases() { MarkActiveCases(Model.LoadTable, Model.CaseHasLoads); }

namespace {

void buildUDLStack(int loadcase) {
    const int lc = LoadcaseIn(loadcase);
    Arr<TLoadRec, 1, 51> loads = Work.WorkLoads;
    for (int i = 1; i <= kSelfWeightRecord; ++i)
        loads[i][lfApplied] = Work.ApplyFlags[lc][i];
    BuildUDLStack(loads, Work.UDLStack[lc]);
}

} // namespace

void BuildUDLStack() { buildUDLStack(LoadDataVars.WorkLoadcase); }

void BuildUDLStack(const Arr<TLoadRec, 1, 51>& loads, Arr<TUDLStackRec, 1, 50>& stack) {
    for (TUDLStackRec& s : stack)
        s.fill(0);
    for (int i = 1; i <= kLoadRows; ++i) {
        const TLoadRec& r = loads[i];
        if (r[lfKind] != -1.0f || r[lfApplied] != 1.0f) continue;
        TUDLStackRec& s = stack[i];
        s[usX1] = r[lfDist];
        s[usX2] = r[lfDist] + r[lfCover];
        s[usW1] = r[lfW1];
        s[usW2] = r[lfW2];
        s[usLF1] = s[usLF2] = r[lfLF];
    }
    Arr<float, 1, kLoadRows> length;
    for (int i = 1; i <= kLoadRows; ++i) {
        TUDLStackRec& s = stack[i];
        s[usW1Sum] = s[usW1];
        s[usW2Sum] = s[usW2];
        length[i] = s[usX2] - s[usX1];
    }
    // Each load adds the others' own rates, never their sums, so the order does not matter.
    for (int i = 1; i <= kLoadRows; ++i) {
        if (length[i] == 0) continue;
        TUDLStackRec& a = stack[i];
        for (int j = 1; j <= kLoadRows; ++j) {
            if (j == i || length[j] == 0) continue;
            const TUDLStackRec& b = stack[j];
            if (b[usX1] <= a[usX1] && a[usX1] < b[usX2]) a[usW1Sum] += rateAt(b, length[j], a[usX1]);
            if (b[usX1] < a[usX2] && a[usX2] <= b[usX2]) a[usW2Sum] += rateAt(b, length[j], a[usX2]);
        }
    }
}

void UncheckUntypedRows(LoadFormControls& f, LoadFormPicture& pic) {
    for (int n = 1; n <= kLoadRows; ++n) {
        const LoadRowControls& r = f.Rows[n];
        if (!r.OptionP && !r.OptionUDL) tick(f, n, false, pic);
    }
}

void ResetApplyFlags(LoadFormControls& f) {
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (int n = 1; n <= kLoadRows; ++n)
            Work.ApplyFlags[lc][n] = 0;
    f.Edit_Case = 1;
    LoadDataVars.WorkLoadcase = 1;
}

void ShowLoadFactorColumn(LoadFormControls& f) {
    const int32 flag = Model.FactoredLoadsFlag;
    if (flag != 1 && flag != -1) return;
    for (LoadRowControls& r : f.Rows)
        r.Edit_LF.Visible = flag == 1;
}

void RestoreCommittedLoads() {
    const SharedModel& m = Model;
    bool selfWeight = false;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (int i = 1; i <= kSelfWeightRecord; ++i)
            Work.ApplyFlags[lc][i] = m.LoadTable[lc][i][lfApplied];
    // The self-weight is applied in all five loadcases or in none; a beam file holds only the
    // loadcases up to the last one analysed, so its being applied in one stands for all.
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        selfWeight = selfWeight || m.LoadTable[lc][kSelfWeightRecord][lfApplied] == 1.0f;
    if (selfWeight)
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            Work.ApplyFlags[lc][kSelfWeightRecord] = 1.0f;
    // One list serves every loadcase, and a commit writes it into all five alike; loadcase 1 is
    // the one a beam file always holds.
    for (int i = 1; i <= kSelfWeightRecord; ++i)
        for (int field = lfKind; field <= lfLF; ++field)
            Work.WorkLoads[i][field] = m.LoadTable[1][i][field];
    LoadDataVars.RestoredRowsShown = m.LoadRowsShown;
    LoadDataVars.RestoredLoadcase = m.CurrentLoadcase;
    LoadDataVars.RowsKept = false; // the rows show the restored list next
    UnapplySelfWeightWithoutSteel();
}

void ClearAllLoads(LoadFormControls& f) {
    {
        Updating updating;
        for (TLoadRec& r : Work.WorkLoads) {
            r.fill(0);
            r[lfApplied] = -1.0f;
        }
        for (auto& loadcase : Work.UDLStack)
            for (TUDLStackRec& s : loadcase)
                s.fill(0);
        for (LoadRowControls& r : f.Rows) {
            r.OptionP = r.OptionUDL = false;
            emptyRowEdits(r);
            r.Check = false;
        }
        LoadDataVars.WorkRowsShown = 5;
        LoadDataVars.RowsKept = false;
    }
    f.Height = LoadDataVars.WorkRowsShown * 40 + 380;
    f.Edit_Case = 1;
}

void StoreApplyFlags(LoadFormControls& f, LoadFormPicture& pic) {
    UncheckUntypedRows(f, pic);
    const int lc = LoadcaseIn(LoadDataVars.WorkLoadcase);
    for (int n = 1; n <= kLoadRows; ++n)
        Work.ApplyFlags[lc][n] = f.Rows[n].Check ? 1.0f : -1.0f;
    for (int k = 1; k <= kMaxLoadcases; ++k)
        Work.ApplyFlags[k][kSelfWeightRecord] = f.Check_Swt ? 1.0f : -1.0f;
}

void ShowApplyFlags(LoadFormControls& f) {
    const int lc = LoadcaseIn(LoadDataVars.WorkLoadcase);
    const auto& flags = Work.ApplyFlags[lc];
    for (int n = 1; n <= kLoadRows; ++n)
        f.Rows[n].Check = flags[n] == 1.0f;
    f.Check_Swt = flags[kSelfWeightRecord] == 1.0f;
}

void SetLoadRowMode(LoadFormControls& f, int n) {
    LoadRowControls& r = f.Rows[n];
    const bool point = r.OptionP;
    r.Edit_PL.Visible = point;
    r.Edit_Dist.Visible = true;
    r.Edit_UDLS.Visible = r.Edit_UDLF.Visible = r.Edit_Cover.Visible = !point;
    if (Model.FactoredLoadsFlag == 1) r.Edit_LF.Visible = true;
    int32& shown = LoadDataVars.WorkRowsShown;
    if ((n >= 5 && n <= 49 && n > shown) || n == kLoadRows) {
        shown = n;
        ShowLoadRows(f);
    }
}

void ShowLoadRows(LoadFormControls& f) {
    const int shown = std::clamp(LoadDataVars.WorkRowsShown, 0, kLoadRows);
    for (int k = 5; k <= 49; ++k)
        if (shown >= k) f.Rows[k + 1].Panel = true;
    f.Height = std::max(f.Height, shown * 35 + 380);
}

void HideLoadRows(LoadFormControls& f) {
    for (int n = 6; n <= kLoadRows; ++n)
        f.Rows[n].Panel = false;
}

void FillLoadRows(LoadFormControls& f) {
    LoadDataState& v = LoadDataVars;
    v.WorkLoadcase = LoadcaseIn(v.WorkLoadcase);
    Updating updating;
    const SharedModel& m = Model;
    const bool kept = rowsKept();
    if (m.BeamLength == 0) return;
    // No handler runs while the form fills itself, so the ticks need no picture.
    for (int n = 1; n <= kLoadRows; ++n) {
        if (kept) {
            // As typed before "< Back": only the rows in use are shown again.
            if (f.Rows[n].OptionP || f.Rows[n].OptionUDL) SetLoadRowMode(f, n);
            continue;
        }
        const TLoadRec& R = Work.WorkLoads[n];
        LoadRowControls& row = f.Rows[n];
        const int k = flagOf(R[lfKind]);
        if (k == 1) chooseType(f, n, true);
        if (k == -1) chooseType(f, n, false);
        if (k == 0) {
            row.OptionP = row.OptionUDL = false;
            emptyRowEdits(row);
        }
        const int a = flagOf(R[lfApplied]);
        if (a == -1) row.Check = false;
        if (a == 1) row.Check = true;
        const bool applied = a == 1;
        // Each text keeps the value it was made from.
        const auto value = [&](int at, float factor) {
            const std::string t = zeroBlank(SigFig4Dec3(R[at] / static_cast<double>(factor)), applied);
            return ShownText(t, R[at], factor);
        };
        row.Edit_Dist.Text = value(lfDist, m.UnitFactorLength);
        if (k == 1) row.Edit_PL.Text = value(lfP, m.UnitFactorForce);
        if (k == -1) {
            row.Edit_UDLS.Text = value(lfW1, m.UnitFactorUDL);
            row.Edit_UDLF.Text = value(lfW2, m.UnitFactorUDL);
            row.Edit_Cover.Text = value(lfCover, m.UnitFactorLength);
        }
        if (k == 1 || k == -1) {
            const std::string lf = SigFig3Dec3(R[lfLF]);
            row.Edit_LF.Text = ShownText(lf == "0.00" ? std::string() : lf, R[lfLF], 1.0f);
        }
    }
    if (!SelfWeightSection()) return;
    const TLoadRec& S = Work.WorkLoads[kSelfWeightRecord];
    f.Frame_SWt = true;
    f.Check_Swt = S[lfApplied] == 1.0f;
    f.lbl_Swt = " " + SigFig3Dec3(S[lfW1] / static_cast<double>(m.UnitFactorUDL)) + " " + m.UnitTextUDL;
    float lf = S[lfLF];
    if (factoredLoads()) {
        if (lf == 0) lf = kSelfWeightLoadFactor;
        f.Edit_LF_Enabled = true;
    } else {
        // The factor does not count without factored loads, so the box shows what is used.
        lf = 1.0f;
        f.Edit_LF_Enabled = false;
    }
    f.Edit_LF = ShownText(SigFig3Dec3(lf), lf, 1.0f);
}

void RedrawLoadForm(LoadFormControls& f, LoadFormPicture& pic) {
    ClearBeamImage(pic.canvas, f.lbl_Length);
    DrawLoadFormLoads(pic.canvas, pic.W, pic.H, f.Edit_Case);
    DrawLoadFormBeam(pic.canvas, pic.W, pic.H, f.lbl_Length);
}

void LoadFormShow(LoadFormControls& f, LoadFormPicture& pic) {
    LoadDataState& v = LoadDataVars;
    const SharedModel& m = Model;
    Updating updating;
    v.ValidateOnRead = 0;
    f.lbl_PL = "(" + m.UnitTextForce + ")";
    f.lbl_PLdist = f.lbl_Cover = "(" + m.UnitTextLength + ")";
    f.lbl_UDLS = f.lbl_UDLF = "(" + m.UnitTextUDL + ")";
    if (v.RestoredLoadcase < 1 || v.RestoredLoadcase > kMaxLoadcases) v.RestoredLoadcase = 1;
    f.Edit_Case = v.RestoredLoadcase;
    v.WorkLoadcase = v.RestoredLoadcase;
    ClearBeamImage(pic.canvas, f.lbl_Length);
    v.WorkRowsShown = std::clamp(v.RestoredRowsShown, 0, kLoadRows);
    ShowLoadRows(f);
    if (v.WorkRowsShown == 0) v.WorkRowsShown = 5;
    f.Frame_SWt = SelfWeightSection();
    if (!f.Frame_SWt) {
        f.Check_Swt = false;
        UnapplyWorkingSelfWeightWithoutSteel();
    }
    FillLoadRows(f);
    followFactoredLoads(f);
    ShowApplyFlags(f);
    DrawLoadFormLoads(pic.canvas, pic.W, pic.H, f.Edit_Case);
    DrawLoadFormBeam(pic.canvas, pic.W, pic.H, f.lbl_Length);
}

void ApplyClicked(LoadFormControls& f, int n, LoadFormPicture& pic) {
    if (LoadDataVars.FormUpdating == 1) return;
    ReadLoadRows(f);
    StoreApplyFlags(f, pic);
    if (n >= 1 && n <= kLoadRows) ValidateLoads();
    BuildUDLStack();
    RedrawLoadForm(f, pic);
}

void SelfWeightApplyClicked(LoadFormControls& f, LoadFormPicture& pic) { ApplyClicked(f, 0, pic); }

void ResetLoadRow(LoadFormControls& f, int n, LoadFormPicture& pic) {
    LoadRowControls& r = f.Rows[n];
    r.OptionP = r.OptionUDL = false;
    emptyRowEdits(r);
    // The row holds no load any more: it is applied in no loadcase, not only in the one shown.
    const int shown = LoadcaseIn(LoadDataVars.WorkLoadcase);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        float& flag = Work.ApplyFlags[lc][n];
        if (lc == shown || flag != 1.0f) continue;
        flag = -1.0f;
        buildUDLStack(lc);
    }
    tick(f, n, false, pic);
}

void LoadcaseClicked(LoadFormControls& f, LoadFormPicture& pic) {
    Updating updating;
    f.Edit_Case = LoadcaseIn(f.Edit_Case);
    LoadDataVars.WorkLoadcase = f.Edit_Case;
    ShowApplyFlags(f);
    BuildUDLStack();
    RedrawLoadForm(f, pic);
}

void ClearClicked(LoadFormControls& f, LoadFormPicture& pic) {
    BusyCursor busy;
    // The self-weight belongs to the committed beam, which Clear leaves alone: its load stays,
    // unapplied, until the user ticks it again.
    TLoadRec& sw = Work.WorkLoads[kSelfWeightRecord];
    const TLoadRec selfWeight = sw;
    for (TLoadRec& r : Work.WorkLoads)
        for (int field = lfKind; field <= lfApplied; ++field)
            r[field] = 0;
    for (auto& loadcase : Work.ApplyFlags)
        loadcase.fill(0);
    f.Edit_Case = 1;
    ClearAllLoads(f);
    ClearBeamImage(pic.canvas, f.lbl_Length);
    ResetApplyFlags(f);
    HideLoadRows(f);
    ShowLoadRows(f);
    DrawLoadFormBeam(pic.canvas, pic.W, pic.H, f.lbl_Length);
    MarkActiveCases();
    for (int field = lfKind; field <= lfCover; ++field)
        sw[field] = selfWeight[field];
    Updating updating;
    tickSelfWeight(f, false, pic);
}

void ExpandClicked(LoadFormControls& f) { SetLoadRowMode(f, kLoadRows); }

void LoadFormBack(const LoadFormControls& f) {
    readRows(f, false);
    LoadDataVars.RowsKept = true;
    LoadDataVars.KeptLoads = Work.WorkLoads;
}

void FactoredLoadsChanged(LoadFormControls& f) {
    if (Model.FactoredLoadsFlag != 1 && factorsOtherThanOne(f)) {
        // As the beam form does when factored loads are turned off: no factor is dropped unsaid.
        TurnFactoredLoadsOff(Model, Work);
        LoadDataVars.MsgText = jobmsg::kFactorsReset;
        ShowFactorsReset(f);
    }
    followFactoredLoads(f);
}

void ShowFactorsReset(LoadFormControls& f) {
    // The text a straight run shows: the load form fills its edits through SigFig3Dec3.
    const std::string one = SigFig3Dec3(1.0);
    for (LoadRowControls& r : f.Rows)
        if (r.OptionP || r.OptionUDL) r.Edit_LF.Text = one;
    f.Edit_LF = one;
    followFactoredLoads(f);
}

void NewBeamLoadForm(LoadFormControls& f) {
    f.Rows[1].OptionP = f.Rows[1].OptionUDL = false;
    ClearAllLoads(f);
    HideLoadRows(f);
    ShowLoadRows(f);
    ResetApplyFlags(f);
    ShowLoadFactorColumn(f);
}

LoadRoute CommitLoads(LoadFormControls& f, LoadFormPicture& pic) {
    LoadDataState& v = LoadDataVars;
    const auto refuse = [&](const std::string& text) {
        v.LoadError = -1;
        message(text);
        return LoadRoute::Stay;
    };
    // Factored loads turned on since the check's question was last asked: it is asked before the
    // rows are read, so that a No reads every factor as 1.0.
    if (FactoredLoadsQuestionOwed(Model) && !AskFactoredLoads(Model, Work)) ShowFactorsReset(f);
    v.ValidateOnRead = 1.0f;
    UncheckUntypedRows(f, pic);
    if (const std::string unread = unreadLoadText(f); !unread.empty()) return refuse(unread);
    ReadLoadRows(f);

    // Every check runs on the table as it would be committed; the model changes only when all pass.
    auto table = std::make_unique<LoadTableT>(Model.LoadTable);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (int i = 1; i <= kSelfWeightRecord; ++i) {
            TLoadRec& r = (*table)[lc][i];
            for (int field = lfKind; field <= lfLF; ++field)
                r[field] = Work.WorkLoads[i][field];
            r[lfApplied] = Work.ApplyFlags[lc][i];
        }
    // Every loadcase's stack from the list as it is committed, not only the one shown: a stack
    // built before a Cancel or an Open would label rates the loads no longer have.
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        BuildUDLStack((*table)[lc], Work.UDLStack[lc]);
    // A value no single can hold could be saved but never read back.
    if (const int i = unholdableLoad()) return refuse(loadmsg::ValueTooLarge(i));

    float appliedSum = 0;
    bool emptyPoint = false, emptyDistributed = false;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (int i = 1; i <= kLoadRows; ++i) {
            const TLoadRec& r = (*table)[lc][i];
            const float a = r[lfApplied] == -1.0f ? 0.0f : r[lfApplied];
            appliedSum += a;
            if (a != 1.0f) continue;
            if (r[lfKind] == 1.0f && r[lfW1] == 0) emptyPoint = true;
            if (r[lfKind] == -1.0f && ((r[lfW1] == 0 && r[lfW2] == 0) || r[lfCover] == 0))
                emptyDistributed = true;
        }
    if (appliedSum == 0) return refuse(loadmsg::kNoLoadsApplied);
    if (emptyPoint && emptyDistributed) return refuse(loadmsg::kNoLoads);
    ValidateLoads();
    if (v.LoadError == -1) return LoadRoute::Stay;

    Arr<int32, 0, 5> caseHasLoads = Model.CaseHasLoads;
    MarkActiveCases(*table, caseHasLoads);

    if (ForkheadFactorsDiffer(Model, *table)) return refuse(loadmsg::kForkheadFactors);

    SharedModel& m = Model;
    m.LoadTable = *table;
    m.UDLStackTable = Work.UDLStack;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        m.CaseHasLoads[lc] = caseHasLoads[lc];
    m.CurrentLoadcase = LoadcaseIn(v.RestoredLoadcase);
    m.LoadRowsShown = std::clamp(v.WorkRowsShown, 0, kLoadRows);

    if (m.SteelSectionFlag != 1) return LoadRoute::Analysis;
    return m.SpanData[kLHCantRow][mfExists] == 1.0f ? LoadRoute::CantLH : LoadRoute::Span;
}

} // namespace kx
