// The print command: the sections of the report in their fixed order.
#include "window/Print.h"

#include <array>
#include <functional>

#include "engine/AnalysedJob.h"
#include "platform/Dialogs.h"
#include "window/PrintDiagrams.h"
#include "window/PrintText.h"

namespace kx {

bool BeamResultsAvailable() { return Model.BeamLength != 0 && ResultsStand(); }

PrintOutcome PrintOptionsOK(const PrintChoices& choices, int32 shownCase, Printer& p) {
    if (Model.BeamLength == 0) return PrintOutcome::NoBeam;
    // A report of headings without results must not go out as if it had printed.
    if (!BeamResultsAvailable()) {
        dlg().Message(kAnalyseBeamFirst);
        return PrintOutcome::NotAnalysed;
    }
    return PrintReport(choices, shownCase, p);
}

PrintOutcome PrintReport(const PrintChoices& choices, int32 shownCase, Printer& p) {
    if (Model.BeamLength == 0) return PrintOutcome::NoBeam;
    const std::array<bool, 5> ticked{choices.Check_Beam, choices.Check_Envelope, choices.Check_Env20,
                                     choices.Check_Case, choices.Check_Case20};
    const std::array<std::function<void()>, 5> sections{
        [&] { PrintBeamLoadingData(p); },
        [&] { PrintEnvelopeDiagrams(p); },
        [&] {
            if (choices.Option_10) Model.EnvelopeDivisions = 10;
            if (choices.Option_20) Model.EnvelopeDivisions = 20;
            PrintEnvelopeText(p);
        },
        [&] { PrintCaseDiagrams(p); },
        [&] { PrintCaseResults(p, shownCase); },
    };
    // A section that would print nothing takes no page, so the job has no blank page.
    const std::array<bool, 5> prints{true, PrintsEnvelopeDiagrams(), true, PrintsCaseDiagrams(),
                                     PrintsCaseResults(shownCase)};
    bool anyPrints = false;
    for (std::size_t i = 0; i < 5; ++i)
        anyPrints = anyPrints || (ticked[i] && prints[i]);
    if (!anyPrints) return PrintOutcome::NothingTicked;

    const bool printed = RunPrintJob(p, [&] {
        bool first = true;
        for (std::size_t i = 0; i < 5; ++i) {
            if (!ticked[i] || !prints[i]) continue;
            if (!first) p.NewPage();
            sections[i]();
            first = false;
        }
    });
    return printed ? PrintOutcome::Printed : PrintOutcome::Cancelled;
}

} // namespace kx
