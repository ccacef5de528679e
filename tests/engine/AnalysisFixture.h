// Fixtures of the engine tests: whole analyses with a host that counts what the analysis asks of
// the window, and member checks run on governing values set directly.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/ResultText.h"
#include "foundation/Units.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

namespace kx::test {

// Counts the window calls the tests look for, and those made without the hourglass. The first
// and the last call of an analysis are among them, so every call between them is under it too.
class RecordingHost : public NullAnalysisHost {
public:
    void EmptyResultLists() override { Log(); }
    void DrawDiagrams() override { Log(), ++diagrams; }
    void FillResultsList() override { Log(), ++lists; }
    void EnableCaseSelector(int maxCase) override { Log(), offered = maxCase; }
    void Log() { ++calls, withoutHourglass += BusyCursor::depth() != 1; }

    int calls = 0, withoutHourglass = 0, diagrams = 0, lists = 0, offered = 0;
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
        host = RecordingHost{};
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

// A committed beam whose members' governing values are set directly, as the extremes of a solved
// loadcase would leave them, for the member checks.
class MemberCheckTest : public AnalysisTest {
protected:
    // Members (cantilever lengths 0 = none, spans; mm) with the built-in units (m, kN, kN-m, mm,
    // N/mm^2) and one loadcase whose members are labelled as the listing labels them.
    static void Members(double lh, const std::vector<double>& spans, double rh) {
        Commit(BeamBuilder().LHCantilever(lh).Spans(spans).RHCantilever(rh));
        Model.LoadcaseCount = Eng.CurrentCase = 1;
        const int n = static_cast<int>(spans.size());
        for (int i = 1; i <= n; ++i)
            Txt.MemberLabel[1][i] = std::to_string(i);
        Txt.MemberLabel[1][0] = lh > 0 ? "LHC" : "";
        Txt.MemberLabel[1][n + 1] = rh > 0 ? "RHC" : "";
    }
    // The same section property in every member row.
    static void Section(int field, float value) {
        for (int row = 0; row <= kRHCantRow; ++row)
            Model.SpanData[row][field] = value;
    }
    // Governing shear, moment and deflection of member row `row` in loadcase 1, and row 27, the
    // loadcase's governing values over all members, as they then are.
    static void Governing(int row, float V, float M, float d) {
        Eng.ShearExtremes[1][row][5] = V;
        Eng.MomentExtremes[1][row][5] = M;
        Eng.DeflectionExtremes[1][row][5] = d;
        for (TExtremesTable* t : {&Eng.ShearExtremes, &Eng.MomentExtremes, &Eng.DeflectionExtremes}) {
            float m = 0;
            for (int r = 0; r <= kRHCantRow; ++r)
                m = std::max(m, (*t)[1][r][5]);
            (*t)[1][27][5] = m;
        }
    }
    // Lines from..to of a text table (to -1: its last counted line).
    template <int Hi> static std::vector<std::string> Shown(TextTable<Hi>& t, int from = 1, int to = -1) {
        std::vector<std::string> out;
        for (int i = from; i <= (to < 0 ? LineCount(t) : to); ++i)
            out.push_back(t[i].str());
        return out;
    }
};

inline const std::string kTwentyBlanks(20, ' ');

} // namespace kx::test
