// Runs whole analyses in tests: a host that records what the analysis asks of the window, and a
// fixture that commits a beam, sets the built-in units and analyses it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/ResultText.h"
#include "foundation/Units.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

namespace kx::test {

// Records every call, and whether the hourglass was showing at each.
class RecordingHost : public AnalysisHost {
public:
    void EmptyResultLists() override { Log("EmptyResultLists"); }
    void ShowCaseSelector() override { Log("ShowCaseSelector"); }
    void ResetImageRect() override { Log("ResetImageRect"); }
    void FillImageBlack() override { Log("FillImageBlack"); }
    void EnableFileMenus() override { Log("EnableFileMenus"); }
    void SetCaseSelection(const std::string& label, const std::string& editText) override {
        Log("SetCaseSelection " + label + " " + editText);
    }
    void SetShownCase(int lc) override { Log("SetShownCase " + std::to_string(lc)); }
    void DrawLoads() override { Log("DrawLoads"); }
    void DrawBeam() override { Log("DrawBeam"); }
    void DrawDiagrams() override { Log("DrawDiagrams"); }
    void ShowCaseResults() override { Log("ShowCaseResults"); }
    void FillResultsList() override { Log("FillResultsList"); }
    void ShowEnvelopeResults() override { Log("ShowEnvelopeResults"); }
    void EnableCaseSelector(int maxCase) override { Log("EnableCaseSelector " + std::to_string(maxCase)); }

    void Log(const std::string& call) {
        calls.push_back(call);
        if (BusyCursor::depth() != 1) withoutHourglass.push_back(call);
    }

    std::vector<std::string> calls;
    std::vector<std::string> withoutHourglass;
};

class AnalysisTest : public ::testing::Test {
protected:
    void SetUp() override { Txt = ResultTextTables{}; }

    // Commits the beam with the built-in metric units and loads listed without factors.
    static void Commit(const BeamBuilder& beam, int32 factoredLoadsFlag = -1) {
        beam.Commit();
        SetDefaultUnits(Model);
        Model.FactoredLoadsFlag = factoredLoadsFlag;
    }
    void Analyse(const BeamBuilder& beam) {
        Commit(beam);
        AnalyseBeam(host);
    }
    std::vector<std::string> Messages() { return dialogs->messages(); }

    ScopedScriptedDialogs dialogs;
    RecordingHost host;
};

// Sum of the stored reactions of loadcase lc.
inline double StoredReactionSum(int lc) {
    double sum = 0;
    for (int k = 1; k <= kMaxSupports; ++k)
        sum += Eng.SupportReaction[lc][k];
    return sum;
}

} // namespace kx::test
