// The beam form without its window.
#include "input/KX_Beam.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "foundation/JobChecks.h"
#include "foundation/JobRules.h"
#include "foundation/LineCount.h"
#include "foundation/SigFig.h"
#include "foundation/Units.h"
#include "input/FormSketch.h"
#include "input/SectionChoice.h"
#include "input/TimSect.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/NumberInput.h"
#include "platform/StateRegistry.h"
#include "sections/SectionFile.h"

namespace kx {

BeamFormState BeamFormVars;
KX_REGISTER_STATE(BeamFormVars);

namespace {

// clang-format off
const char* const kFieldCaptions[20] = {
    " 1) Exists", " 2) L", " 3) E", " 4) Ixx", " 5) y", " 6) Area", " 7) Shear Area", " 8) Ry",
    " 9) D/T", "10) Depth (steel)", "11) ", "12) GA", "13) Permissible shear", "14) Permissible Mom",
    "15) ", "16) Depth (timber)", "17) Width (timber)", "18) ", "19) ", "20) "};
// clang-format on

// The section families whose loader the restore runs.
const char* const kFamilyCodes[] = {"Scaffold", "UB",    "UC",  "RSJ", "IPE",   "HE",    "WFB",
                                    "WFC",      "RSC",   "PFC", "UPN", "C",     "EqRSA", "UnEqRSA",
                                    "EqL",      "UnEqL", "RHS", "CHS", "KXSect"};

// The modulus, N/mm^2, of the coupler springs, whatever the section's own E.
constexpr double kCouplerModulus = 210000;
// Scaffold boards, the records of the scaffold family that couplers cannot restrain.
constexpr int kFirstBoardRecord = 5;
constexpr int kLastBoardRecord = 6;
// The thickest flange or web, mm, that the program checks.
constexpr float kMaxSteelThickness = 40.0f;
// The weight of the self-weight record: steel's density, t/m^3, times gravity, m/s^2, over a
// section area in mm^2 (1,000,000 to the m^2), gives kN/m, which is N/mm.
constexpr double kSteelDensity = 7.85;
constexpr double kGravity = 9.81;
constexpr double kMm2PerM2 = 1000000;

// The beam form reads a text that is not a number as 0; its commit refuses a length, a lift height
// or a section value of 0.
double number(const std::string& text) { return ReadNumber(text, NumberPolicy::ZeroWhenNotANumber); }

void message(const std::string& text) {
    BeamFormVars.BeamMessage = text;
    dlg().Message(text);
}

bool isCoupler(TSupportCode code) { return code == supCouplerTop || code == supCouplerMid; }

// A radio pair: choosing one unchooses the other; unchoosing one leaves the other as it is.
void setRadio(bool& self, bool& other, bool chosen) {
    self = chosen;
    if (chosen) other = false;
}

// The length of a member shown in column col of the spans grid, read back as this length while
// nobody changes it.
ShownText lengthCell(float mm, bool emptyAtZero = true) {
    std::string t = SigFig4Dec3(mm / Model.UnitFactorLength);
    if (emptyAtZero && t == "0.000") t.clear();
    return {t, mm, Model.UnitFactorLength};
}

std::string memberLength(const BeamFormControls& f, int col) { return SigFig5(SpanGridLength(f, col)); }

// Captions of the spans grid for n spans with the cantilevers that are ticked.
void setSpanGridCaptions(BeamFormControls& f, int n) {
    const int c = f.Check_LHC ? 1 : 0, r = f.Check_RHC ? 1 : 0;
    f.Grid_Spans.SetColCount(n + c + r + 1);
    if (c == 1) f.Grid_Spans.SetCell(1, 0, " LHC ");
    for (int i = 1; i <= n; ++i)
        f.Grid_Spans.SetCell(c + i, 0, " Span " + std::to_string(i));
    if (r == 1) f.Grid_Spans.SetCell(n + c + 1, 0, " RHC");
}

int workSpans() { return std::clamp(Work.WorkSpanCount, 0, kMaxSpans); }

std::string trimmed(const std::string& s) {
    const std::size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

// The place of the committed scaffold member in the scaffold section file, so that the boards
// test of the next commit sees the section that is committed; 0 for any other section.
int restoredSectionRecordNo() {
    if (Model.SectionFamilyCode != "Scaffold" && Model.MemberType != "Scaffold") return 0;
    try {
        const std::vector<std::string> names = ReadSectionDesignations("Scaf.sct");
        const std::string wanted = trimmed(Model.SectionDescription.str());
        for (std::size_t i = 0; i < names.size(); ++i)
            if (trimmed(names[i]) == wanted) return static_cast<int>(i) + 1;
    } catch (const IoError&) {
        // No file to look in: no board is known to be committed.
    }
    return 0;
}

bool isTimberSection() {
    return Work.WorkMemberType == "Timber" || Work.SectionFamily == "Timber" ||
           Work.WorkSectionShape == "Timber";
}

// Every value the analysis needs of the section is there and above 0, and every section value of
// the members is one the program can use (and so one its beam file can hold).
bool sectionUsable(const BeamFormControls& f) {
    const float ixx = static_cast<float>(number(f.lbl_S01_Ixx));
    const float e = static_cast<float>(number(f.lbl_S01_E));
    const TMemberRow& row = Work.WorkSpanData[1];
    if (!(ixx > 0) || !(e > 0) || !(row[mfIxx] > 0) || !(row[mfE] > 0)) return false;
    for (int r = 0; r <= kRHCantRow; ++r)
        if (!UsableSectionValues(Work.WorkSpanData[r], Work.WorkFlangeThickness, Work.WorkWebThickness))
            return false;
    if (!isTimberSection()) return true;
    return row[mfTimberDepth] > 0 && row[mfTimberWidth] > 0 && Work.TimberPermShear > 0 &&
           Work.TimberPermMoment > 0 && std::isfinite(Work.TimberPermShear) &&
           std::isfinite(Work.TimberPermMoment);
}

// An effective length worked out for another length of its member, or "+ 2D" for another depth,
// is asked for again: the length it was worked out for becomes 0, which no member has, in the
// committed job and in the effective-length forms' working copy alike, so that neither a form's
// "Next >" nor Analyse takes it for one worked out for the member as it now is.
void askAgainForChangedEffLengths(const SharedModel& before, SharedModel& after) {
    const auto plus2D = [](const SpanFlags& pos, const SpanFlags& dead, int s) {
        return pos[s] == 1 || dead[s] == 1;
    };
    for (int r = 0; r <= kRHCantRow; ++r) {
        const bool span = r != kLHCantRow && r != kRHCantRow;
        const bool depthCounts = span && (plus2D(after.SpanOptPos, after.SpanOptDead, r) ||
                                          plus2D(Work.SpanOptPosWork, Work.SpanOptDeadWork, r));
        if (after.SpanData[r][mfL] != before.SpanData[r][mfL] ||
            (depthCounts && after.SpanData[r][mfSteelDepth] != before.SpanData[r][mfSteelDepth]))
            after.EffLengthMemberLength[r] = Work.EffLengthMemberLengthWork[r] = 0;
    }
}

// The timber choice and the other values the commit takes whatever the section, and the model's
// fields that hold them once committed: the commit copies each working value to the model, the
// restore copies it back, so that an unchanged commit after a restore changes nothing.
template <class Copy> void walkTimberFields(SharedModel& m, WorkingCopies& w, Copy copy) {
    copy(m.TimberGradeSaved, w.TimberGradeName);
    for (int i = 1; i <= 41; ++i)
        copy(m.SectionTextLines[i], w.WorkSectionTextLines[i]);
    copy(m.TimberResultLinesSaved, w.TimberResultLines);
    copy(m.TimberSharingSaved, w.TimberSharingCode);
    copy(m.TimberMoistureSaved, w.TimberMoistureCode);
    copy(m.TimberGradeValuesSaved, w.TimberGradeValues);
    copy(m.TimberDurationSaved, w.TimberDurationCode);
    copy(m.TimberWidthSaved, w.TimberWidth);
    copy(m.TimberDepthSaved, w.TimberDepth);
    copy(m.TimberPermMomentSaved, w.TimberPermMoment);
    copy(m.TimberPermShearSaved, w.TimberPermShear);
}

void commitTimberChoice(SharedModel& m) {
    walkTimberFields(m, Work, [](auto& model, const auto& work) { model = work; });
}

// The section and supports of the working beam and the model's fields that hold them once
// committed: the commit copies each working field to the model, the restore copies it back.
template <class Copy> void walkSectionFields(SharedModel& m, WorkingCopies& w, Copy copy) {
    copy(m.SectionShape, w.WorkSectionShape);
    copy(m.SectionFamilyCode, w.SectionFamily);
    for (int i = 0; i <= 50; ++i)
        copy(m.SectionPropLines[i], w.WorkSectionPropLines[i]);
    copy(m.MemberType, w.WorkMemberType);
    copy(m.SectionDescription, w.WorkSectionText);
    copy(m.FlangeThickness, w.WorkFlangeThickness);
    copy(m.WebThickness, w.WorkWebThickness);
    copy(m.SupportType, w.WorkSupportType);
}

void commitSectionAndBeam(SharedModel& m) {
    WorkingCopies& w = Work;
    walkSectionFields(m, w, [](auto& model, const auto& work) { model = work; });
    // Apart from the list, as the two ways differ: the commit takes the member rows from E on
    // (existence and length were read from the grid) where the restore takes them whole, the
    // restore holds the span count to the rows there are, and the beam length and the coupler
    // springs are worked out again at every commit.
    m.BeamLength = w.WorkBeamLength;
    for (int row = 0; row <= kFlagsRow; ++row)
        for (int field = mfE; field <= 19; ++field)
            m.SpanData[row][field] = w.WorkSpanData[row][field];
    m.SpanCount[0] = w.WorkSpanCount;
    m.SupportStiffness = w.WorkSupportStiffness;
}

void setMemberGridCaptions(BeamFormControls& f) {
    f.Grid_SpanData.SetCell(1, 0, " LHC");
    for (int k = 1; k <= kMaxSpans; ++k)
        f.Grid_SpanData.SetCell(k + 1, 0, "Span " + std::to_string(k));
    f.Grid_SpanData.SetCell(27, 0, " RHC");
    for (int field = 0; field < 20; ++field)
        f.Grid_SpanData.SetCell(0, field + 1, kFieldCaptions[field]);
}

void setDefaultUnit(TUnitKind kind, const char* text, float factor) {
    if (UnitText(Model, kind).empty()) UnitText(Model, kind) = text;
    if (UnitFactor(Model, kind) == 0) UnitFactor(Model, kind) = factor;
}

// The self-weight record a commit writes: the working one (its factor included, which a refusal
// of factored loads has just made 1.0) with the weight of the section steel over the whole beam.
// A section that may be checked, when the committed loads give the self-weight no factor yet, gets
// the self-weight's own factor under factored loads.
TLoadRec selfWeightRecord(const TLoadRec& working, const SharedModel& m, bool checkable) {
    TLoadRec r = working;
    r[lfKind] = -1.0f;
    r[lfDist] = 0;
    r[lfW1] = r[lfW2] = static_cast<float>(kSteelDensity * m.SpanData[1][mfArea] / kMm2PerM2 * kGravity);
    r[lfCover] = static_cast<float>(m.BeamLength);
    if (checkable && m.LoadTable[1][kSelfWeightRecord][lfLF] == 0)
        r[lfLF] = m.FactoredLoadsFlag == 1 ? kSelfWeightLoadFactor : 1.0f;
    return r;
}

} // namespace

BeamFormControls FirstBeamForm() {
    BeamFormControls f{}; // braces: clang 14, which builds the fuzzer, crashes on the plain declaration
    f.Grid_Spans.SetColCount(2);
    f.Grid_Spans.SetCell(0, 0, " Spans");
    f.Grid_Spans.SetCell(1, 0, " Span 1 ");
    return f;
}

void BuildSpanGridColumns(BeamFormControls& f) {
    const int n = std::clamp(TryReadWholeNumber(f.Edit_Spans).value_or(f.UpDown_Spans), 1, kMaxFormSpans);
    f.Edit_Spans = std::to_string(n);
    f.UpDown_Spans = n;
    Work.WorkSpanCount = n;
    setSpanGridCaptions(f, n);
}

void ReadSpanGridToWork(const BeamFormControls& f) {
    const int c = f.Check_LHC ? 1 : 0, n = workSpans();
    if (f.Check_LHC) Work.WorkSpanData[kLHCantRow][mfL] = SpanGridLength(f, 1);
    for (int s = 1; s <= n; ++s)
        Work.WorkSpanData[s][mfL] = SpanGridLength(f, c + s);
    if (f.Check_RHC) Work.WorkSpanData[kRHCantRow][mfL] = SpanGridLength(f, n + c + 1);
}

void FillSpanGridFromWork(BeamFormControls& f, CantileverCells cantilevers) {
    const int c = f.Check_LHC ? 1 : 0, n = workSpans();
    const bool emptyCantileverAtZero = cantilevers == CantileverCells::EmptyAtZero;
    if (f.Check_LHC)
        f.Grid_Spans.Show(1, 1, lengthCell(Work.WorkSpanData[kLHCantRow][mfL], emptyCantileverAtZero));
    for (int s = 1; s <= n; ++s)
        f.Grid_Spans.Show(c + s, 1, lengthCell(Work.WorkSpanData[s][mfL]));
    if (f.Check_RHC)
        f.Grid_Spans.Show(n + c + 1, 1,
                          lengthCell(Work.WorkSpanData[kRHCantRow][mfL], emptyCantileverAtZero));
}

void ReadSpanLengths(const BeamFormControls& f, SharedModel& m) {
    const int c = f.Check_LHC ? 1 : 0, n = workSpans();
    // A length that is 0 or less, or too long to draw and analyse, is missing.
    auto read = [&](int row, int col, const char* missing) {
        m.SpanData[row][mfExists] = 1.0f;
        const double v = SpanCellLength(f, col);
        m.SpanData[row][mfL] = static_cast<float>(v);
        if (v > 0 && v <= kMaxMemberLength) return true;
        message(missing);
        BeamFormVars.BeamInputError = 1;
        return false;
    };
    for (int row = 0; row <= kRHCantRow; ++row) {
        m.SpanData[row][mfExists] = 0;
        m.SpanData[row][mfL] = 0;
    }
    if (c == 1 && !read(kLHCantRow, 1, beammsg::kLHCantileverLength)) return;
    m.SectionDescription = f.lbl_S01_Desc;
    for (int s = 1; s <= kMaxSpans; ++s)
        m.SpanData[s][mfExists] = 0;
    for (int s = 1; s <= n; ++s)
        if (!read(s, c + s, beammsg::kSpanLength)) return;
    if (f.Check_RHC) read(kRHCantRow, n + c + 1, beammsg::kRHCantileverLength);
}

void ApplySupportRules(BeamFormControls& f) {
    const bool forkhead = f.Option_Forkhead;
    if (forkhead && (f.Check_LH_End_Sup || f.Check_Span_Sup || f.Check_RH_End_Sup))
        message(beammsg::kCouplerWithForkheads);
    if (forkhead) f.Check_LH_End_Sup = f.Check_Span_Sup = f.Check_RH_End_Sup = false;
    if (forkhead && f.Option_Check) message(beammsg::kNoCheckWithForkheads);
    if (forkhead) setRadio(f.Option_None, f.Option_Check, true);

    auto& codes = Work.WorkSupportType;
    codes.fill(supNone);
    if (f.Option_Vert_Fixed) codes.fill(supFixed);
    auto coupler = [](bool top, bool mid, TSupportCode& code) {
        if (top) code = supCouplerTop;
        if (mid) code = supCouplerMid;
    };
    if (f.Check_LH_End_Sup) coupler(f.Option_LH_Top, f.Option_LH_Mid, codes[0]);
    if (f.Check_Span_Sup)
        for (int k = 1; k < kRHEndSupport; ++k)
            coupler(f.Option_Span_Top, f.Option_Span_Mid, codes[k]);
    if (f.Check_RH_End_Sup) coupler(f.Option_RH_Top, f.Option_RH_Mid, codes[kRHEndSupport]);
    if (forkhead) codes.fill(supForkhead);
    if (f.Check_LHF) codes[0] = supFixedEnd;
    if (f.Check_RHF) codes[kRHEndSupport] = supFixedEnd;
}

void CalcCouplerStiffness(const BeamFormControls& f) {
    WorkingCopies& w = Work;
    w.WorkLiftHeight = static_cast<float>(f.Edit_L.Read(Model.UnitFactorLength, number(f.Edit_L)));
    // An empty box and a lift height of 0 are the same: none given.
    if (w.WorkLiftHeight == 0) w.WorkLiftHeight = NoLiftHeight();
    // Ixx as the label shows it, or as it stood before a change of units rewrote the label.
    const float I = static_cast<float>(f.lbl_S01_Ixx.Read(Model.UnitFactorSectI, number(f.lbl_S01_Ixx)));
    const float k = static_cast<float>(static_cast<double>(I) / w.WorkLiftHeight * kCouplerModulus);
    auto spring = [&](bool ticked, bool top, bool mid, int entry) {
        w.WorkSupportStiffness[entry] = 0;
        if (!ticked || !(top || mid)) return;
        w.WorkSupportType[entry] = top ? supCouplerTop : supCouplerMid;
        w.WorkSupportStiffness[entry] = static_cast<float>(k * (top ? 1.0 : 2.0));
    };
    spring(f.Check_LH_End_Sup, f.Option_LH_Top, f.Option_LH_Mid, 0);
    for (int entry = 1; entry < kRHEndSupport; ++entry)
        spring(f.Check_Span_Sup, f.Option_Span_Top, f.Option_Span_Mid, entry);
    spring(f.Check_RH_End_Sup, f.Option_RH_Top, f.Option_RH_Mid, kRHEndSupport);
}

void UpdateMemberGrid(BeamFormControls& f) {
    const int c = f.Check_LHC ? 1 : 0, n = workSpans();
    auto member = [&](int gridCol, bool exists, int spansCol) {
        f.Grid_SpanData.SetCell(gridCol, 1, exists ? " Yes" : " No");
        if (exists) f.Grid_SpanData.SetCell(gridCol, 2, memberLength(f, spansCol));
    };
    member(1, f.Check_LHC, 1);
    for (int s = 1; s <= kMaxSpans; ++s)
        f.Grid_SpanData.SetCell(s + 1, 1, " No");
    for (int s = 1; s <= n; ++s)
        member(s + 1, true, c + s);
    member(27, f.Check_RHC, n + c + 1);
    Work.WorkSectionText = f.lbl_S01_Desc;
}

void ResetBeamForm(BeamFormControls& f) {
    f.List_Props.clear();
    f.List_Sect.clear();
    f.lbl_Group.clear();
    f.Edit_L.clear();
    f.Edit_Spans = "1";
    f.UpDown_Spans = 1;
    f.Check_LH_End_Sup = f.Check_Span_Sup = f.Check_RH_End_Sup = false;
    f.Check_Span_Sup_Enabled = false; // one span has no interior supports
    f.Check_GA = false;
    setRadio(f.Option_None, f.Option_Check, true);
    f.Check_LHF = f.Check_RHF = f.Check_LHC = f.Check_RHC = false;
    setRadio(f.Option_Forkhead, f.Option_Vert_Fixed, false);
    setRadio(f.Option_Vert_Fixed, f.Option_Forkhead, true);
    f.lbl_GA.clear();
    f.List_TimProps.clear();
    f.Edit_Timber_W.clear();
    f.Edit_Timber_H.clear();
    f.Grid_Spans.SetCell(1, 0, " Span 1");
    f.lbl_S01_Ixx.clear();
    f.lbl_S01_E.clear();
    f.lbl_S01_Desc.clear();
    f.Grid_Spans.SetColCount(2);
    for (int col = 1; col <= 27; ++col)
        f.Grid_Spans.Show(col, 1, ShownText());
    for (int col = 1; col <= 27; ++col)
        for (int row = 1; row <= 8; ++row)
            f.Grid_SpanData.SetCell(col, row, "");

    WorkingCopies& w = Work;
    w.WorkBeamLength = 0;
    w.WorkSectionShape.clear();
    w.WorkMemberType.clear();
    w.SectionFamily.clear();
    SectionChoiceVars.SectionFileName.clear(); // the emptied list shows no file
    w.WorkFlangeThickness = 0;
    w.WorkWebThickness = 0;
    for (int i = 1; i <= 50; ++i)
        w.WorkSectionPropLines[i].clear();
    for (TMemberRow& row : w.WorkSpanData)
        row.fill(0);
    w.WorkSpanCount = 1;
    w.WorkSupportType.fill(supNone);
    w.WorkSupportStiffness.fill(0);
}

void BeamFormShow(BeamFormControls& f) {
    setDefaultUnit(TUnitKind::Length, "m", 1000);
    setDefaultUnit(TUnitKind::Force, "kN", 1000);
    setDefaultUnit(TUnitKind::UDL, "kN/m", 1);
    setDefaultUnit(TUnitKind::SectE, "N/mm^2", 1);
    setDefaultUnit(TUnitKind::SectI, "cm^4", 10000);
    setDefaultUnit(TUnitKind::Shear, "kN", 0.001f);
    setDefaultUnit(TUnitKind::Moment, "kN-m", 0.000001f);
    setDefaultUnit(TUnitKind::Deflection, "mm", 1);

    f.lbl_E = "( " + Model.UnitTextSectE + " )";
    f.lbl_Ixx = "( " + Model.UnitTextSectI + " )";
    f.Grid_Spans.SetCell(0, 1, "  Length (" + Model.UnitTextLength + ")");
    f.lbl_Hunit = f.lbl_Wunit = Model.UnitTextSectLength;
    f.Label_L_Std_Unit = Model.UnitTextLength;
    f.Label_GA_Unit = "( " + Model.UnitTextForce + " )";

    setMemberGridCaptions(f);
    for (int row = 0; row <= kRHCantRow; ++row) {
        f.Grid_SpanData.SetCell(row + 1, 1, Work.WorkSpanData[row][mfExists] == 1.0f ? " Yes" : " No");
        for (int field = 1; field <= 19; ++field)
            f.Grid_SpanData.SetCell(row + 1, field + 1, SigFig5(Model.SpanData[row][field]));
    }
    f.Label_Demo = "Enter lengths for spans and cantilevers in the grid above.";
}

void CantileverClicked(BeamFormControls& f, bool leftEnd, SketchPicture& pic) {
    if (leftEnd ? f.Check_LHC : f.Check_RHC) (leftEnd ? f.Check_LHF : f.Check_RHF) = false;
    BuildSpanGridColumns(f);
    FillSpanGridFromWork(f);
    ApplySupportRules(f);
    DrawBeamSketch(pic, f);
}

void FixedEndClicked(BeamFormControls& f, bool leftEnd, SketchPicture& pic) {
    bool& cantilever = leftEnd ? f.Check_LHC : f.Check_RHC;
    if ((leftEnd ? f.Check_LHF : f.Check_RHF) && cantilever) {
        // The cantilever's column goes with its tick, so no length moves to another member.
        cantilever = false;
        BuildSpanGridColumns(f);
        FillSpanGridFromWork(f);
    }
    ApplySupportRules(f);
    DrawBeamSketch(pic, f);
}

void SupportKindClicked(BeamFormControls& f, SketchPicture& pic) {
    ApplySupportRules(f);
    DrawBeamSketch(pic, f);
}

void CouplerClicked(BeamFormControls& f, SketchPicture& pic) {
    CalcCouplerStiffness(f);
    ApplySupportRules(f);
    DrawBeamSketch(pic, f);
}

void CodeCheckClicked(BeamFormControls& f) { ApplySupportRules(f); }

void SpanCountChanged(BeamFormControls& f, SketchPicture& pic) {
    BuildSpanGridColumns(f);
    FillSpanGridFromWork(f);
    if (Work.WorkSpanCount > 1) {
        f.Check_Span_Sup_Enabled = true;
    } else {
        // One span has no interior supports to couple.
        const bool wasTicked = f.Check_Span_Sup;
        f.Check_Span_Sup = false;
        f.Check_Span_Sup_Enabled = false;
        if (wasTicked) {
            CalcCouplerStiffness(f);
            ApplySupportRules(f);
        }
    }
    DrawBeamSketch(pic, f);
}

void SpanGridEdited(BeamFormControls& f, SketchPicture& pic) {
    ReadSpanGridToWork(f);
    ApplySupportRules(f);
    DrawBeamSketch(pic, f);
    UpdateMemberGrid(f);
}

bool CommitBeamData(BeamFormControls& f, BeamCommitLoadForm& loadForm) {
    if (!TakeTypedTimberSize(f)) return false;
    // The total follows the grid as it stands, whatever was typed since the last drawing.
    Work.WorkBeamLength = static_cast<float>(BeamFormSketchMembers(f).Total);
    ApplySupportRules(f);
    CalcCouplerStiffness(f);

    // Every test runs on a scratch copy of the model, which replaces it only when all pass.
    auto scratch = std::make_unique<SharedModel>(Model);
    SharedModel& m = *scratch;
    WorkingCopies& w = Work;
    commitTimberChoice(m);
    m.SteelSectionFlag = 0;

    if (!f.Option_Forkhead && !f.Option_Vert_Fixed) {
        message(beammsg::kSupportType);
        return false;
    }
    const bool anyCoupler = f.Check_LH_End_Sup || f.Check_Span_Sup || f.Check_RH_End_Sup;
    if (w.WorkMemberType == "Scaffold" && anyCoupler && w.SectionRecordNo >= kFirstBoardRecord &&
        w.SectionRecordNo <= kLastBoardRecord) {
        message(beammsg::kBoards);
        return false;
    }
    const auto& codes = w.WorkSupportType;
    if (isCoupler(codes[0]) || isCoupler(codes[1]) || isCoupler(codes[kRHEndSupport])) {
        const float v = static_cast<float>(number(f.Edit_L));
        if (!(v > 0) || !std::isfinite(w.WorkLiftHeight)) {
            message(beammsg::kLiftHeight);
            return false;
        }
    }
    m.LiftHeight = w.WorkLiftHeight;
    if (!sectionUsable(f) || !SectionMatchesMemberType(w.WorkMemberType, w.WorkSpanData)) {
        message(beammsg::kSection);
        return false;
    }
    const std::string& desc = f.lbl_S01_Desc;
    const bool timberName = desc.size() >= 6 && desc.compare(desc.size() - 6, 6, "Timber") == 0;
    if (timberName && static_cast<float>(number(f.lbl_S01_E)) > 200000.0f &&
        !dlg().Confirm(beammsg::kTimberE, beammsg::kConfirmCaption))
        return false;

    BusyCursor busy;
    BeamFormVars.BeamInputError = 0;
    ReadSpanLengths(f, m);
    if (BeamFormVars.BeamInputError == 1) return false;

    commitSectionAndBeam(m);
    const bool checkable = SteelSection(w.WorkSectionShape, m.SectionFamilyCode.str());
    if (checkable) {
        if (f.Option_None) m.SteelSectionFlag = -1;
        if (f.Option_Check) {
            m.SteelSectionFlag = 1;
            if (Model.FactoredLoadsFlag == 1) {
                // The answer stands whether or not the beam is committed.
                const bool factored = AskFactoredLoads(Model, w);
                m.FactoredLoadsUnasked = false;
                if (!factored) {
                    m.FactoredLoadsFlag = -1;
                    ResetLoadFactors(m);
                    loadForm.ShowFactorsReset();
                }
            }
        }
        if (w.WorkWebThickness > kMaxSteelThickness || w.WorkFlangeThickness > kMaxSteelThickness) {
            message(beammsg::kThickness);
            return false;
        }
    }
    const TLoadRec selfWeight = selfWeightRecord(w.WorkLoads[kSelfWeightRecord], m, checkable);

    TMemberRow& flags = m.SpanData[kFlagsRow];
    flags[kShearDeflectionField] = -1.0f;
    if (f.Check_GA && static_cast<float>(number(f.lbl_GA)) != 0) flags[kShearDeflectionField] = 1.0f;
    for (int row = 0; row <= kRHCantRow; ++row)
        if (m.SpanData[row][mfExists] == 0) m.SpanData[row][mfL] = 0;
    askAgainForChangedEffLengths(Model, m);
    // The committed loads carry this section's weight over this length in every loadcase, so that
    // no Cancel of the load form leaves another's; whether and how it is applied stays.
    for (auto& loadcase : m.LoadTable)
        for (int field = lfKind; field <= lfCover; ++field)
            loadcase[kSelfWeightRecord][field] = selfWeight[field];

    Model = std::move(*scratch);
    w.WorkLoads[kSelfWeightRecord] = selfWeight;
    UnapplySelfWeightWithoutSteel();

    loadForm.ShowSelfWeightFrame(checkable);
    loadForm.DrawLoadFormBeam();
    return true;
}

void RestoreWorkingTimber() {
    walkTimberFields(Model, Work, [](const auto& model, auto& work) { work = model; });
}

void RestoreBeamForm(BeamFormControls& f) {
    const SharedModel& m = Model;
    WorkingCopies& w = Work;

    // The lists show the committed lines only, not those of a section picked since.
    const int lines = LineCount(m.SectionPropLines, CountPolicy::WithinTable);
    RestoreWorkingTimber();
    if (m.SectionFamilyCode == "Timber") {
        f.Frame_Timber = true;
        f.Frame_Steel = false;
        f.Check_GA = m.SpanData[kFlagsRow][kShearDeflectionField] != -1.0f;
        const float sl = m.UnitFactorSectLength;
        f.Edit_Timber_W = ShownText(SigFig3(m.TimberWidthSaved / sl), m.TimberWidthSaved, sl);
        f.Edit_Timber_H = ShownText(SigFig3(m.TimberDepthSaved / sl), m.TimberDepthSaved, sl);
        f.lbl_GA = SigFig3(m.SpanData[1][mfGA] / m.UnitFactorForce);
        f.Frame_SteelCheck = false;
        f.Frame_Shear = true;
        f.List_TimProps.clear();
        for (int i = 1; i <= lines; ++i)
            f.List_TimProps.push_back(m.SectionPropLines[i]);
    } else {
        f.Frame_Timber = false;
        f.Frame_Steel = true;
        f.Check_GA = false; // ticked below only when the committed beam has shear deflection
        f.List_Props.clear();
        for (int i = 1; i <= lines; ++i)
            f.List_Props.push_back(m.SectionPropLines[i]);
        const std::string code = m.SectionFamilyCode;
        if (std::find(std::begin(kFamilyCodes), std::end(kFamilyCodes), code) != std::end(kFamilyCodes))
            OpenSectionFamily(f, code);
    }

    walkSectionFields(Model, w, [](const auto& model, auto& work) { work = model; });
    w.WorkSpanData = m.SpanData;
    w.WorkLiftHeight = m.LiftHeight;
    w.WorkSpanCount = std::clamp(m.SpanCount[0], 1, kMaxSpans);
    w.SectionRecordNo = restoredSectionRecordNo();

    const auto& codes = w.WorkSupportType;
    const int n = w.WorkSpanCount;
    auto fixedKind = [&f](bool chosen) { setRadio(f.Option_Vert_Fixed, f.Option_Forkhead, chosen); };
    auto forkheadKind = [&f](bool chosen) { setRadio(f.Option_Forkhead, f.Option_Vert_Fixed, chosen); };
    fixedKind(codes[0] == supFixed);
    fixedKind(codes[kRHEndSupport] == supFixed);
    forkheadKind(codes[0] == supForkhead);
    forkheadKind(codes[kRHEndSupport] == supForkhead);
    f.Check_LHF = codes[0] == supFixedEnd;
    f.Check_RHF = codes[kRHEndSupport] == supFixedEnd;
    if (n > 1) {
        fixedKind(codes[1] == supFixed);
        forkheadKind(codes[1] == supForkhead);
    }
    // Entry 1 carries the kind of every support, also where both ends of one span are fixed.
    if (codes[1] == supFixed || isCoupler(codes[1])) fixedKind(true);
    if (codes[1] == supForkhead) forkheadKind(true);

    if (m.SteelSectionFlag == -1) setRadio(f.Option_None, f.Option_Check, true);
    if (m.SteelSectionFlag == 1) setRadio(f.Option_Check, f.Option_None, true);
    if (w.WorkSpanData[kFlagsRow][kShearDeflectionField] == 1.0f) f.Check_GA = true;
    // The section's texts stand for what they show, whatever a change of units left behind them.
    f.lbl_GA = ShownText(SigFig3(m.SpanData[1][mfGA] / m.UnitFactorForce));
    if (f.lbl_GA == "0.0") f.lbl_GA.clear();

    // A coupler's pair of options is set only where there is a coupler, so that a box ticked
    // later has its option.
    auto coupler = [&](bool& ticked, bool& top, bool& mid, TSupportCode code) {
        ticked = isCoupler(code);
        if (!ticked) return;
        fixedKind(true);
        setRadio(top, mid, code == supCouplerTop);
        setRadio(mid, top, code == supCouplerMid);
    };
    coupler(f.Check_LH_End_Sup, f.Option_LH_Top, f.Option_LH_Mid, m.SupportType[0]);
    f.Check_Span_Sup_Enabled = false;
    f.Check_Span_Sup = false;
    if (n > 1) {
        coupler(f.Check_Span_Sup, f.Option_Span_Top, f.Option_Span_Mid, codes[1]);
        f.Check_Span_Sup_Enabled = true;
    }
    coupler(f.Check_RH_End_Sup, f.Option_RH_Top, f.Option_RH_Mid, m.SupportType[kRHEndSupport]);

    f.Edit_L = ShownText(LiftHeightGiven(m.LiftHeight) ? SigFig3(m.LiftHeight / m.UnitFactorLength) : "",
                         m.LiftHeight, m.UnitFactorLength);

    f.Check_LHC = w.WorkSpanData[kLHCantRow][mfExists] == 1.0f;
    f.Check_RHC = w.WorkSpanData[kRHCantRow][mfExists] == 1.0f;
    f.UpDown_Spans = n;
    f.Edit_Spans = std::to_string(n);

    setSpanGridCaptions(f, n);
    FillSpanGridFromWork(f, CantileverCells::Shown);
    // The section's E and Ixx as its members hold them.
    auto sectionText = [](double v) {
        const std::string t = SigFig4Dec3(v);
        return t == "0.000" ? std::string() : t;
    };
    f.lbl_S01_E = ShownText(sectionText(w.WorkSpanData[n][mfE] / m.UnitFactorSectE));
    f.lbl_S01_Ixx = ShownText(sectionText(w.WorkSpanData[n][mfIxx] / m.UnitFactorSectI));
    f.lbl_S01_Desc = w.WorkSectionText;
    for (int row = 0; row <= kRHCantRow; ++row) {
        f.Grid_SpanData.SetCell(row + 1, 5, SigFig5(w.WorkSpanData[row][mfY]));
        f.Grid_SpanData.SetCell(row + 1, 6, SigFig5(w.WorkSpanData[row][mfArea]));
    }
}

} // namespace kx
