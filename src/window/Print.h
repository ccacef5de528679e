// The print command of the Print Options window: the chosen sections of the report, in their
// fixed order, in one print job.
#pragma once

#include "foundation/SharedModel.h"
#include "platform/Printer.h"

namespace kx {

// The Print Options window's controls.
struct PrintChoices {
    bool Check_Beam = false;     // 1: beam and loading data with the results maxima
    bool Check_Envelope = false; // 2: envelope diagrams
    bool Check_Env20 = false;    // 3: envelope data
    bool Option_10 = true;       // envelope data at 1/10th span intervals
    bool Option_20 = false;      // ... at 1/20th
    bool Check_Case = false;     // 4: loadcase diagrams
    bool Check_Case20 = false;   // 5: loadcase data at 1/20th span intervals
};

enum class PrintOutcome {
    NoBeam,        // nothing printed; the window stays
    NotAnalysed,   // the beam has no results: nothing printed, the message shown; the window stays
    NothingTicked, // nothing ticked, or nothing to print in what is: nothing printed; the window hides
    Cancelled,     // the choice of where to print was cancelled; the window stays
    Printed,       // the window hides
};

inline constexpr const char* kAnalyseBeamFirst = "Analyse the beam first";

// True when there is a beam and its results stand for the job as it is now (ResultsStand).
bool BeamResultsAvailable();

// Prints the ticked sections in the order beam data, envelope diagrams, envelope data, loadcase
// diagrams, loadcase data, each page under the page header; a new page comes between two sections
// that print something, and a section with nothing to print takes none. The envelope data's
// interval is taken from the option buttons just before that section. shownCase is the loadcase
// the main window shows (0 = all). A failure abandons the whole job and goes on to the caller.
PrintOutcome PrintReport(const PrintChoices& choices, int32 shownCase, Printer& p);

// The OK of the Print Options window, which may have stayed open while the job changed: a beam
// without results prints nothing and shows kAnalyseBeamFirst, whatever is ticked; otherwise
// PrintReport.
PrintOutcome PrintOptionsOK(const PrintChoices& choices, int32 shownCase, Printer& p);

} // namespace kx
