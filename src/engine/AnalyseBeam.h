// The analysis of the committed beam over all its loadcases, and what it asks of the main window.
#pragma once

#include <string>

#include "engine/SlopeDeflection.h"

namespace kx {

// What the analysis does to the main analysis window. The window implements it; the analysis
// calls it in the order the window is to see it. Messages go through the Dialogs service and the
// hourglass through BusyCursor, not through the host.
class AnalysisHost {
public:
    virtual ~AnalysisHost() = default;
    // Empties List_Results and List_CaseResults.
    virtual void EmptyResultLists() = 0;
    // Makes Label_Case, lbl_Case and UpDown1 visible.
    virtual void ShowCaseSelector() = 0;
    // ImageRect := the client area of the window.
    virtual void ResetImageRect() = 0;
    // Fills Image1 black over ImageRect.
    virtual void FillImageBlack() = 0;
    // Enables Save1, SaveAs1 and Print1.
    virtual void EnableFileMenus() = 0;
    // lbl_Case shows label ("1" or "All"); Edit_Case holds editText ("1" or "0").
    virtual void SetCaseSelection(const std::string& label, const std::string& editText) = 0;
    // ShownCase := lc.
    virtual void SetShownCase(int lc) = 0;
    virtual void DrawLoads() = 0;
    virtual void DrawBeam() = 0;
    virtual void DrawDiagrams() = 0;
    virtual void ShowCaseResults() = 0;
    virtual void FillResultsList() = 0;
    virtual void ShowEnvelopeResults() = 0;
    // UpDown1: Max := maxCase, Position := 0, enabled.
    virtual void EnableCaseSelector(int maxCase) = 0;
};

// A host without a window, for tests, benchmarks and runs without a screen.
class NullAnalysisHost : public AnalysisHost {
public:
    void EmptyResultLists() override {}
    void ShowCaseSelector() override {}
    void ResetImageRect() override {}
    void FillImageBlack() override {}
    void EnableFileMenus() override {}
    void SetCaseSelection(const std::string&, const std::string&) override {}
    void SetShownCase(int) override {}
    void DrawLoads() override {}
    void DrawBeam() override {}
    void DrawDiagrams() override {}
    void ShowCaseResults() override {}
    void FillResultsList() override {}
    void ShowEnvelopeResults() override {}
    void EnableCaseSelector(int) override {}
};

// The result texts the analysis writes as its results become ready: each loadcase's largest-stress
// lines and its listing with the member check, then the envelope text, the results summary and
// the loads listing. The listings implement them; the program, and every run of the tests,
// installs them before it analyses, as it installs the dialogs.
class AnalysisListings {
public:
    virtual ~AnalysisListings() = default;
    virtual void MaxStressText() = 0;
    virtual void CaseResultsText() = 0;
    virtual void EnvelopeText() = 0;
    virtual void ResultsSummary() = 0;
    virtual void LoadsListing() = 0;
};
// The installed listings; an analysis without them stops as a missing service.
AnalysisListings& Listings();
void InstallAnalysisListings(AnalysisListings* listings);

// What the job lacks before the windows may analyse it, and the input window that asks for it.
struct AnalysisRefusal {
    enum class Form { None, Beam, Loads, EffLength };
    Form form = Form::None;
    int row = -1; // with EffLength: the member row (0, a span, 26) whose effective length is asked for
    // The factored-loads question was answered No: every load factor is now 1.0, which the load
    // form is to show.
    bool factorsReset = false;
};
// The job as the input forms would let it through: a section of its member type; the BS 5975
// check's factored-loads question asked when it is owed; no applied load reaching past the end of
// the beam, and one load factor on forkheads; for a steel check, an effective length chosen for
// every member as it now is. What is not so is reported with the message of the form that asks for
// it, and named; Form::None when the job may be analysed (also without a beam, which the analysis
// passes over).
AnalysisRefusal UnconfirmedJob();

// Analyses every loadcase of the committed beam: loads onto the members, cantilevers by statics,
// spans by slope deflection, uplifting forkheads released, deflections, the factored final pass at
// the result resolution, stores, listings and member checks; then envelopes, drawings, lists, the
// equilibrium check and the loads listing. Does nothing without a beam; refuses, with a message
// and without touching any result, a beam whose members or section cannot be solved.
void AnalyseBeam(AnalysisHost& host);

// The listing of a loadcase without loads ("LOADCASE" n, "No Loads Applied"), which a loadcase
// with loads has replaced by its own when it is listed.
void WriteNoLoadsListing(int lc);

// The analysis' last steps for the solved loadcase Eng.CurrentCase, which Open repeats from the
// stored results: stores, stress lines, coupler moment, the listing with the member check, and
// the twentieth-point values. False when the steel check stopped the analysis (CheckAbortFlag).
bool StoreAndListLoadcase();

// The message that ends an analysis whose loadcase lc left fewer than two supports.
std::string UnstableBeamMessage(int lc);

// Clears every result of the previous analysis and sets each loadcase's members back to the
// committed beam.
void ClearResults(AnalysisHost& host);

// The slope-deflection steps over the spans of Eng.CurrentCase, in their order: stiffness, fixed-end
// moments, load vector, rotations, shear and moment along the spans, span moment extremes. The
// cantilever root moments and SpanStiffness must be set. `pieces`: whether the pieces' shears
// are kept for the shear-deflection pass.
void SolveContinuousSpans(PieceShears pieces);

// CaseAppliedLoad of every loadcase: the applied load records 1..25 with their load factors.
void CalcTotalAppliedLoads();

// Compares the applied load of each analysed loadcase with the sum of its reactions and reports
// their ratio when they differ by more than 0.05 % of the sum of the loads' magnitudes.
void CheckEquilibrium();

} // namespace kx
