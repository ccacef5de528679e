// Engine state for the member-check tests: a committed beam whose members' governing values are
// set directly, as the extremes of a solved loadcase would leave them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/BeamBuilder.h"
#include "engine/ResultText.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"

namespace kx::test {

class MemberCheckTest : public ::testing::Test {
protected:
    void SetUp() override { Txt = ResultTextTables{}; }

    // Commits the members (cantilever lengths 0 = none, spans; mm) with the built-in units
    // (m, kN, kN-m, mm, N/mm^2) and one loadcase whose members are labelled as the listing labels them.
    static void Members(double lh, const std::vector<double>& spans, double rh) {
        BeamBuilder().LHCantilever(lh).Spans(spans).RHCantilever(rh).Commit();
        SetDefaultUnits(Model);
        Model.LoadcaseCount = Eng.CurrentCase = 1;
        const int n = static_cast<int>(spans.size());
        for (int i = 1; i <= n; ++i)
            Txt.MemberLabel[1][i] = std::to_string(i);
        Txt.MemberLabel[1][0] = lh > 0 ? "LHC" : "";
        Txt.MemberLabel[1][n + 1] = rh > 0 ? "RHC" : "";
    }

    // The same section properties in every member row.
    static void Section(int field, float value) {
        for (int row = 0; row <= kRHCantRow; ++row)
            Model.SpanData[row][field] = value;
    }

    // Governing shear, moment and deflection of member row `row` in loadcase lc.
    static void Governing(int lc, int row, float V, float M, float d) {
        Eng.ShearExtremes[lc][row][5] = V;
        Eng.MomentExtremes[lc][row][5] = M;
        Eng.DeflectionExtremes[lc][row][5] = d;
    }
    // Row 27: the loadcase's governing values over all members.
    static void WholeBeam(int lc) {
        for (TExtremesTable* t : {&Eng.ShearExtremes, &Eng.MomentExtremes, &Eng.DeflectionExtremes}) {
            float m = 0;
            for (int row = 0; row <= kRHCantRow; ++row)
                m = std::max(m, (*t)[lc][row][5]);
            (*t)[lc][27][5] = m;
        }
    }

    // Lines from..to of a text table (to -1: its last counted line).
    template <int Hi>
    static std::vector<std::string> Shown(const TextTable<Hi>& t, int from = 1, int to = -1) {
        std::vector<std::string> out;
        for (int i = from; i <= (to < 0 ? LineCount(t) : to); ++i)
            out.push_back(t[i].str());
        return out;
    }

    ScopedScriptedDialogs dialogs;
};

inline const std::string kTwentyBlanks(20, ' ');

} // namespace kx::test
