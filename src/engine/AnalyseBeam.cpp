// The analysis driver: every loadcase solved, forkheads released under uplift, the factored final
// pass stored and listed, then the envelopes, drawings, lists and the equilibrium check.
#include "engine/AnalyseBeam.h"

#include <cmath>
#include <string>

#include "engine/AnalysedJob.h"
#include "engine/CantileverStatics.h"
#include "engine/CapacityCheck.h"
#include "engine/Deflection.h"
#include "engine/EngineState.h"
#include "engine/Extremes.h"
#include "engine/LoadDistribution.h"
#include "engine/ResultStores.h"
#include "engine/ResultText.h"
#include "engine/SlopeDeflection.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/JobChecks.h"
#include "foundation/JobRules.h"
#include "foundation/SigFig.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"

namespace kx {

namespace {

AnalysisListings*& installedListings() {
    static AnalysisListings* l = nullptr;
    return l;
}

// Reactions of the uplift test, in the numbering of the loadcase (1 = its LH end support).
using ReleaseReactions = Arr<float, 0, 26>;

enum class PassEnd { Stored, NoLoads, Unstable, CheckStopped };

bool IsForkheadBeam() { return Model.SupportType[1] == supForkhead; }

bool ShearDeflectionWanted() { return Model.SpanData[kFlagsRow][kShearDeflectionField] == 1.0f; }

// The support code slot of committed support k (1 = LH end .. n + 1 = RH end).
int SupportSlot(int k) { return k == Model.SpanCount[0] + 1 ? kRHEndSupport : k - 1; }

bool Positive(double v) { return v > 0 && std::isfinite(v); }

// What stops the solver from giving numbers: a member without length, a section without
// stiffness. Empty when the beam can be analysed.
std::string BeamDataError() {
    const std::string head = " ERROR  \r", tail = "\r Beam not analysed";
    const int n = Model.SpanCount[0];
    if (n < 1 || n > kMaxSpans) return head + " Number of spans must be 1 to 25" + tail;
    if (!Positive(Model.BeamLength)) return head + " Beam length must be greater than 0" + tail;
    if (FloatToInt(Model.SpanData[kLHCantRow][mfExists]) == 1 && !Positive(Model.SpanData[kLHCantRow][mfL]))
        return head + " Length of LH cantilever must be greater than 0" + tail;
    for (int s = 1; s <= n; ++s)
        if (!Positive(Model.SpanData[s][mfL]))
            return head + " Length of span " + std::to_string(s) + " must be greater than 0" + tail;
    if (FloatToInt(Model.SpanData[kRHCantRow][mfExists]) == 1 && !Positive(Model.SpanData[kRHCantRow][mfL]))
        return head + " Length of RH cantilever must be greater than 0" + tail;
    if (!Positive(Model.SpanData[1][mfE])) return head + " E must be greater than 0" + tail;
    if (!Positive(Model.SpanData[1][mfIxx])) return head + " Ixx must be greater than 0" + tail;
    if (ShearDeflectionWanted() && !Positive(Model.SpanData[1][mfGA]))
        return head + " GA must be greater than 0 for shear deflection" + tail;
    return {};
}

// The highest loadcase with an applied user load (the self-weight does not count); 1 without any.
int HighestLoadedCase() {
    for (int lc = kMaxLoadcases; lc >= 1; --lc)
        for (int r = 1; r < kSelfWeightRecord; ++r)
            if (FloatToInt(Model.LoadTable[lc][r][lfApplied]) == 1) return lc;
    return 1;
}

// The deflection rows; ResetLoadcaseWork has emptied the shear and moment rows.
void ZeroDeflectionRows() { ZeroFill(Eng.SpanDeflection); }

void TakeCantileverRootMoments() {
    Eng.LHCantileverMoment = Eng.CantileverMoment[1][1];
    Eng.RHCantileverMoment = -1.0 * Eng.CantileverMoment[2][1];
}

// The solve at 20 intervals without load factors, from which releases and deflections are found.
void FirstSolve(int lc) {
    Eng.ApplyLoadFactors = 0;
    DistributeLoads();
    FillSpanLoadTables();
    CantileverForces();
    CantileverUnitMoments();
    CantileverDeflection();
    TakeCantileverRootMoments();
    for (int i = 1; i <= Model.SpanCount[lc]; ++i)
        Eng.SpanStiffness[i] = Eng.BeamIxx / Eng.LoadcaseSpanLength[lc][i] * Eng.BeamE;
    SolveContinuousSpans(PieceShears::Keep);
}

enum class ReleaseOutcome { None, Released, Unstable };

// Releases the forkhead with the most negative reaction, if any; the lowest-numbered one of equal
// reactions. Only forkheads compete: a fixed end holds down. Reactions are taken without load
// factors on both sides, as the solve they come from is unfactored.
ReleaseOutcome ReleaseUpliftingForkhead(int lc, ReleaseReactions& R) {
    const int n = Model.SpanCount[lc], N0 = Model.SpanCount[0];
    const int last = Eng.NumSpanIntervals + 1;
    R.fill(0);
    R[1] = Eng.CantileverShear[1][1];
    for (int i = 1; i <= n; ++i) {
        R[i] = static_cast<float>(R[i] + Eng.ShearForce[i][1]);
        R[i + 1] = static_cast<float>(-1.0 * Eng.ShearForce[i][last]);
        R[i] += Eng.UnfactoredSupportPointLoad[lc][i];
    }
    R[n + 1] += Eng.UnfactoredSupportPointLoad[lc][n + 1];
    R[n + 1] += Eng.CantileverShear[2][1];

    int released = 0, chosen = 0, chosenCommitted = 0;
    float smallest = 0;
    for (int s = 1; s <= N0 + 1; ++s) {
        if (Eng.ReleasedSupport[lc][s] == -1) {
            ++released;
            continue;
        }
        if (Model.SupportType[SupportSlot(s)] != supForkhead) continue;
        const int j = s - released;
        if (R[j] < smallest) {
            smallest = R[j];
            chosen = j;
            chosenCommitted = s;
        }
    }
    if (chosen == 0) return ReleaseOutcome::None;

    Eng.ReleasedSupport[lc][chosenCommitted] = -1;
    Model.SpanCount[lc] -= 1;
    auto& span = Eng.LoadcaseSpanLength[lc];
    if (chosen == 1) {
        // Span 1 becomes, or lengthens, the LH cantilever.
        if (Eng.LHCantileverActive[lc] == 1) {
            Eng.CantileverLength[lc][0] += span[1];
        } else {
            Eng.CantileverLength[lc][0] = span[1];
            Eng.LHCantileverActive[lc] = 1;
        }
    } else if (chosen < n + 1) {
        span[chosen - 1] += span[chosen]; // the spans beside it merge
    }
    for (int j = chosen; j <= n; ++j)
        span[j] = span[j + 1];
    if (chosen == n + 1) {
        // Span n becomes, or lengthens, the RH cantilever.
        if (Eng.RHCantileverActive[lc] == 1) {
            Eng.CantileverLength[lc][1] += span[n];
        } else {
            Eng.CantileverLength[lc][1] = span[n];
            Eng.RHCantileverActive[lc] = 1;
        }
        // No span may be left beyond the loadcase's last: the loads would find a support there.
        span[n] = 0;
    }

    int left = N0 + 1;
    for (int s = 1; s <= N0 + 1; ++s)
        left += Eng.ReleasedSupport[lc][s];
    return left >= 2 ? ReleaseOutcome::Released : ReleaseOutcome::Unstable;
}

void Deflections() {
    if (ShearDeflectionWanted()) {
        Eng.ShearDeflectionActive = 1;
        ShearDeflectionPass();
        Eng.ShearDeflectionActive = 0;
    }
    Eng.NumSpanIntervals = kDeflectionIntervals;
    CalcUnitMomentDiagrams();
    IntegrateDeflection();
    Eng.ShearDeflectionActive = 0;
}

// Intervals per member of the stored results, from the longest committed span's share of the
// beam, so that short spans of a long beam are not over-sampled. The same for every loadcase, as
// one StoredSpanIntervals serves them all.
void ChooseResultResolution() {
    // Longest span / beam length below `below` gives `intervals`; the last band that holds wins.
    struct Band {
        double below;
        int intervals;
    };
    static constexpr Band bands[] = {{0.5, 100}, {0.4, 80}, {0.2, 40}, {0.1, 20}};
    int intervals = 200;
    if (Model.AnySpanIntervals != 1) {
        float r = 0;
        for (int i = 1; i <= Model.SpanCount[0]; ++i) {
            const float q = static_cast<float>(Model.SpanData[i][mfL] / Model.BeamLength);
            if (q > r) r = q;
        }
        for (const Band& b : bands)
            if (r < b.below) intervals = b.intervals;
    }
    Eng.NumSpanIntervals = intervals;
    Eng.ResultIntervalStep = intervals / kDeflectionIntervals;
    Model.StoredSpanIntervals = intervals;
}

// The solve at the result resolution with the load factors; the deflections stay those of the
// 20-interval solve without them.
void FinalPass(int lc) {
    const int N = Eng.NumSpanIntervals;
    for (int e = 1; e <= 2; ++e) {
        for (int p = 1; p <= N + 5; ++p)
            Eng.CantileverShear[e][p] = 0;
        for (int p = 1; p <= N + 1; ++p)
            Eng.CantileverMoment[e][p] = 0;
    }
    // The span extremes are to be those of the factored diagrams only.
    Eng.SpanMaxMoment[lc].fill(0);
    Eng.SpanMinMoment[lc].fill(0);
    Eng.ApplyLoadFactors = 1;
    FillSpanLoadTables();
    Eng.ApplyLoadFactors = 0;
    CantileverForces();
    TakeCantileverRootMoments();
    SolveContinuousSpans(PieceShears::Skip); // the deflections are those of the first solve
}

// Empties everything a loadcase pass stores, so that a pass that fails half-way leaves nothing.
void ClearLoadcaseStores(int lc) {
    ZeroFill(Eng.StoredShear[lc]);
    ZeroFill(Eng.StoredMoment[lc]);
    ZeroFill(Eng.StoredDeflection[lc]);
    ZeroFill(Eng.StoredCantShear[lc]);
    ZeroFill(Eng.StoredCantMoment[lc]);
    ZeroFill(Eng.StoredCantDeflection[lc]);
    ZeroFill(Eng.SupportReaction[lc]);
    ZeroFill(Eng.ShearPolyline[lc]);
    ZeroFill(Eng.MomentPolyline[lc]);
    ZeroFill(Eng.DeflectionPolyline[lc]);
    ZeroFill(Eng.ShearExtremes[lc]);
    ZeroFill(Eng.MomentExtremes[lc]);
    ZeroFill(Eng.DeflectionExtremes[lc]);
    ZeroFill(Eng.EnvelopeIntervalValues[lc]);
    ZeroFill(Eng.EnvelopeTable[lc]);
    ClearTable(Txt.CaseLoadLines[lc]);
    ClearTable(Txt.CaseSupportLines[lc]);
    ClearTable(Txt.CaseListing[lc]);
    ClearTable(Txt.SteelCheckLines[lc]);
    ClearTable(Txt.TimberCheckLines[lc]);
    ClearTable(Txt.KxCheckLines[lc]);
    Txt.CaseMaxStressLines[lc] = " ";
}

PassEnd RunLoadcase(int lc, ReleaseReactions& R) {
    for (;;) {
        ResetLoadcaseWork();
        ZeroDeflectionRows();
        R.fill(0);
        Eng.NumSpanIntervals = kDeflectionIntervals;
        WriteNoLoadsListing(lc);
        if (Model.CaseHasLoads[lc] == 0) return PassEnd::NoLoads;
        FirstSolve(lc);
        if (!IsForkheadBeam()) break;
        const ReleaseOutcome release = ReleaseUpliftingForkhead(lc, R);
        if (release == ReleaseOutcome::None) break;
        if (release == ReleaseOutcome::Unstable) return PassEnd::Unstable;
    }
    Deflections();
    ChooseResultResolution();
    FinalPass(lc);

    return StoreAndListLoadcase() ? PassEnd::Stored : PassEnd::CheckStopped;
}

bool IsCoupler(int32 code) { return code == supCouplerTop || code == supCouplerMid; }

// Envelopes, drawings, lists, equilibrium and the loads listing, once every loadcase is done.
void FinishAnalysis(AnalysisHost& host) {
    const int count = Model.LoadcaseCount;
    host.ResetImageRect();
    host.FillImageBlack();
    EnvelopeShearExtremes();
    EnvelopeMomentExtremes();
    EnvelopeDeflectionExtremes();
    EnvelopeSupportReactions();

    if (count == 1) {
        Model.ShownCaseMode = -1;
        host.SetCaseSelection("1", "1");
        host.SetShownCase(1);
        host.DrawLoads();
        host.DrawBeam();
        host.DrawDiagrams();
        host.ShowCaseResults();
    } else {
        Model.ShownCaseMode = 1;
        host.SetCaseSelection("All", "0");
        host.DrawLoads();
        host.DrawBeam();
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            if (Model.CaseHasLoads[lc] == 0) continue;
            host.SetShownCase(lc);
            host.DrawDiagrams();
        }
    }

    if (!IsForkheadBeam()) {
        BuildEnvelopeTable();
        Listings().EnvelopeText();
    }
    int withoutPieces = 0;
    for (int lc = 1; lc <= count; ++lc)
        withoutPieces += Eng.NoLoadsReported[lc];
    if (withoutPieces != count) {
        Listings().ResultsSummary();
        host.FillResultsList();
        if (count > 1) host.ShowEnvelopeResults();
    }
    Model.ShownCaseMode = 0;

    CheckEquilibrium();
    Listings().LoadsListing();
    if (IsCoupler(Model.SupportType[0]) || IsCoupler(Model.SupportType[1]) ||
        IsCoupler(Model.SupportType[kRHEndSupport]))
        DoubleCouplerWarning();

    Model.AnalysedFlag = 1;
    RecordAnalysedJob();
    host.EnableCaseSelector(count);
}

} // namespace

AnalysisListings& Listings() {
    AnalysisListings* l = installedListings();
    // Results without their texts would print and save as blanks: no analysis runs without them.
    if (!l) MissingService("analysis listings");
    return *l;
}

void InstallAnalysisListings(AnalysisListings* listings) { installedListings() = listings; }

void SolveContinuousSpans(PieceShears pieces) {
    AssembleStiffness();
    CalcFixedEndMoments();
    BuildLoadVector();
    SolveSupportRotations();
    CalcSpanShearMoment(pieces);
    FindSpanMomentExtremes();
}

AnalysisRefusal UnconfirmedJob() {
    SharedModel& m = Model;
    if (m.BeamLength == 0.0) return {};
    // In the order the wizard asks: the beam form, the load form, the effective-length forms.
    if (!SectionMatchesMemberType(m.MemberType.str(), m.SpanData)) {
        dlg().Message(kSpecifySectionMessage);
        return {AnalysisRefusal::Form::Beam};
    }
    AnalysisRefusal goOn;
    if (FactoredLoadsQuestionOwed(m)) goOn.factorsReset = !AskFactoredLoads(m, Work);
    bool pastEnd = false;
    for (int i = 1; i < kSelfWeightRecord; ++i)
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            const TLoadRec& r = m.LoadTable[lc][i];
            if (r[lfApplied] != 1.0f || !LoadPastBeamEnd(r[lfDist], r[lfCover], m)) continue;
            dlg().Message(LoadExtendsPastEndMessage(i));
            pastEnd = true;
            break;
        }
    const auto refuse = [&goOn](AnalysisRefusal::Form form, int row = -1) {
        goOn.form = form;
        goOn.row = row;
        return goOn;
    };
    if (pastEnd) return refuse(AnalysisRefusal::Form::Loads);
    if (ForkheadFactorsDiffer(m, m.LoadTable)) {
        dlg().Message(kForkheadFactorsMessage);
        return refuse(AnalysisRefusal::Form::Loads);
    }
    if (m.SteelSectionFlag != 1) return goOn;
    const EffLengthFault fault = FirstEffLengthFault(m);
    if (fault.row < 0) return goOn;
    dlg().Message(fault.message);
    return refuse(AnalysisRefusal::Form::EffLength, fault.row);
}

void AnalyseBeam(AnalysisHost& host) {
    Model.CheckAbortFlag = 0;
    if (Model.BeamLength == 0.0) return;
    if (const std::string error = BeamDataError(); !error.empty()) {
        dlg().Message(error);
        return;
    }
    // Read before anything is cleared: a load record that cannot be read then changes no result.
    const int loadcaseCount = HighestLoadedCase();
    BusyCursor busy;

    host.EmptyResultLists();
    host.ShowCaseSelector();
    host.FillImageBlack();
    ClearResults(host);
    ClearResultText();
    Eng.NumSpanIntervals = kDeflectionIntervals;
    ReleaseReactions R;
    Eng.BeamE = Model.SpanData[1][mfE];
    Eng.BeamIxx = Model.SpanData[1][mfIxx];
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        Txt.CaseListing[lc][0] = "2";
    CalcTotalAppliedLoads();
    Model.LoadcaseCount = loadcaseCount;

    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        Eng.CurrentCase = lc;
        PassEnd end;
        try {
            end = RunLoadcase(lc, R);
        } catch (...) {
            ClearLoadcaseStores(lc);
            throw;
        }
        if (end == PassEnd::Unstable) {
            // Nothing of this loadcase was stored: its pass never reached the stores.
            host.FillImageBlack();
            dlg().Message(UnstableBeamMessage(lc));
            return;
        }
        if (end == PassEnd::CheckStopped) return;
    }
    Eng.CurrentCase = Model.LoadcaseCount + 1;
    FinishAnalysis(host);
}

void WriteNoLoadsListing(int lc) {
    TextWriter w(Txt.CaseListing[lc]); // its count, 2, is set before the loadcases run
    w.Put("LOADCASE" + std::to_string(lc));
    w.Put("No Loads Applied");
}

bool StoreAndListLoadcase() {
    const int lc = Eng.CurrentCase;
    StoreLoadcaseResults();
    Listings().MaxStressText();
    Txt.TimberCheckLines[lc][0] = "0";
    MaxCouplerMoment();
    Listings().CaseResultsText();
    if (Model.CheckAbortFlag == 1) return false;

    Txt.EnvelopeLines[0] = "0";
    if (!IsForkheadBeam()) CalcSpanIntervalValues();
    return true;
}

std::string UnstableBeamMessage(int lc) {
    return "  ERROR         \r\rLoadcase " + std::to_string(lc) + "   Beam is unstable";
}

void ClearResults(AnalysisHost& host) {
    ForgetAnalysedJob();
    for (auto& lengths : Eng.CantileverLength)
        lengths.fill(0);
    Eng.CantPieceCount.fill(0);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        ClearPolylines(lc);
    ZeroFill(Eng.StoredCantEndA);
    ZeroFill(Eng.StoredCantEndB);
    Eng.SupportWorkValues.fill(0);
    Eng.MinSupportReaction.fill(0);

    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        ClearTextLines(Txt.CaseListing[lc], kClearedListingLines);
        ClearTextLines(Txt.CaseLoadLines[lc]);
        ClearTextLines(Txt.CaseSupportLines[lc]);
        Txt.CaseLoadLines[lc][0] = "0";
        Txt.CaseSupportLines[lc][0] = "0";
    }
    ClearTextLines(Txt.SummaryLines);
    ClearTextLines(Txt.LoadListLines);
    ClearTextLines(Txt.PointLoadListLines);
    ClearTable(Txt.MaximaLines);

    ZeroFill(Eng.SupportReaction);
    ZeroFill(Eng.SupportPointLoad);
    ZeroFill(Eng.UnfactoredSupportPointLoad);
    host.EnableFileMenus();

    ZeroFill(Eng.SpanMaxMoment);
    ZeroFill(Eng.SpanMinMoment);
    Txt.MaxStressValue = 0;
    for (auto& line : Txt.CaseMaxStressLines)
        line = " ";

    ZeroFill(Eng.ReleasedSupport);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        Model.SpanCount[lc] = Model.SpanCount[0];

    ZeroFill(Eng.CheckResults);
    ZeroFill(Eng.ShearRatios);
    ZeroFill(Eng.ShearExtremes);
    ZeroFill(Eng.MomentExtremes);
    ZeroFill(Eng.DeflectionExtremes);

    Eng.ShearDeflectionActive = 0;
    ZeroFill(Eng.LoadcaseSpanLength);
    Eng.CaseCheckFailures.fill(0);
    Eng.NoLoadsReported.fill(0);

    // Results of an earlier beam must not survive in a loadcase that this analysis does not reach.
    ZeroFill(Eng.StoredShear);
    ZeroFill(Eng.StoredMoment);
    ZeroFill(Eng.StoredDeflection);
    ZeroFill(Eng.StoredCantShear);
    ZeroFill(Eng.StoredCantMoment);
    ZeroFill(Eng.StoredCantDeflection);
    ZeroFill(Eng.EnvelopeIntervalValues);
    ZeroFill(Eng.EnvelopeTable);
    ZeroFill(Eng.CouplerMomentMax);
    ZeroFill(Eng.SupportReactionSum);
    ZeroFill(Model.TotalAppliedLoad);
    for (auto& lines : Txt.SteelCheckLines)
        ClearTable(lines);
    Txt.EnvelopeLines[0] = "0";
    Txt.MaxStressLine = "";

    for (int lc = 0; lc <= kMaxLoadcases; ++lc) {
        Eng.LHCantileverActive[lc] = FloatToInt(Model.SpanData[kLHCantRow][mfExists]);
        Eng.CantileverLength[lc][0] = Model.SpanData[kLHCantRow][mfL];
        for (int i = 1; i <= Model.SpanCount[0]; ++i)
            Eng.LoadcaseSpanLength[lc][i] = Model.SpanData[i][mfL];
        Eng.RHCantileverActive[lc] = FloatToInt(Model.SpanData[kRHCantRow][mfExists]);
        Eng.CantileverLength[lc][1] = Model.SpanData[kRHCantRow][mfL];
    }
}

void CalcTotalAppliedLoads() {
    // CaseAppliedLoad covers the first half of the user's loads only, as the beam file has it.
    constexpr int kCaseAppliedLastRecord = 25;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        Model.CaseAppliedLoad[lc] = AppliedLoad(lc, kCaseAppliedLastRecord);
}

void CheckEquilibrium() {
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        double sum = 0;
        for (int s = 1; s <= Model.SpanCount[0] + 1; ++s)
            sum += Eng.SupportReaction[lc][s];
        Eng.SupportReactionSum[lc] = static_cast<float>(sum);
        // Out of balance by more than 0.05 % of the loads: a ratio of the totals alone would
        // divide by rounding noise when the loads cancel.
        const double mismatch =
            std::fabs(static_cast<double>(Model.TotalAppliedLoad[lc]) - Eng.SupportReactionSum[lc]);
        const bool balanced = mismatch <= 0.0005 * AppliedLoadMagnitude(lc);
        if (Model.TotalAppliedLoad[lc] == 0.0f) Model.TotalAppliedLoad[lc] = 1e-12f;
        if (Eng.SupportReactionSum[lc] == 0.0f) Eng.SupportReactionSum[lc] = 1e-12f;
        const float ratio =
            static_cast<float>(static_cast<double>(Model.TotalAppliedLoad[lc]) / Eng.SupportReactionSum[lc]);
        if (!balanced)
            dlg().Message(" ERROR  \r Loadcase  " + std::to_string(lc) +
                          "\r Total applied load / Total support reactions = " + SigFig3Dec3(ratio));
    }
}

} // namespace kx
