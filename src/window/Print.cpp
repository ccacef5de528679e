// The print command: the sections of the report in their fixed order.
#include "window/Print.h"

#include <array>
#include <functional>

#include "window/PrintDiagrams.h"
#include "window/PrintText.h"

namespace kx {

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
    int last = -1;
    for (int i = 0; i < 5; ++i)
        if (ticked[static_cast<std::size_t>(i)]) last = i;
    if (last < 0) return PrintOutcome::NothingTicked;

    const bool printed = RunPrintJob(p, [&] {
        for (int i = 0; i <= last; ++i) {
            if (!ticked[static_cast<std::size_t>(i)]) continue;
            sections[static_cast<std::size_t>(i)]();
            if (i < last) p.NewPage();
        }
    });
    return printed ? PrintOutcome::Printed : PrintOutcome::Cancelled;
}

} // namespace kx
