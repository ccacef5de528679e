// Engine state for the member-check tests: a beam's members and their governing values set
// directly, and the extremes of a solved beam taken from the work tables by hand.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"
#include "window/ResultText.h"

namespace kx::test {

class MemberCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSharedModelToStart();
        Eng = EngineState{};
        Txt = ResultTextTables{};
        SetDefaultUnits(Model); // m, kN, kN-m, mm, N/mm^2
        Model.LoadcaseCount = 1;
        Eng.CurrentCase = 1;
    }

    // Members of every loadcase: cantilever lengths (0 = none) and spans, mm; labels as the
    // listing names them.
    void Members(double lh, std::vector<double> spans, double rh) {
        const int n = static_cast<int>(spans.size());
        for (int lc = 0; lc <= kMaxLoadcases; ++lc) {
            Model.SpanCount[lc] = n;
            Eng.LHCantileverActive[lc] = lh > 0 ? 1 : 0;
            Eng.RHCantileverActive[lc] = rh > 0 ? 1 : 0;
            Eng.CantileverLength[lc][0] = lh;
            Eng.CantileverLength[lc][1] = rh;
            for (int i = 1; i <= n; ++i)
                Eng.LoadcaseSpanLength[lc][i] = spans[static_cast<std::size_t>(i - 1)];
        }
        auto member = [](int row, double L) {
            Model.SpanData[row][mfExists] = L > 0 ? 1.0f : 0.0f;
            Model.SpanData[row][mfL] = static_cast<float>(L);
        };
        member(kLHCantRow, lh);
        for (int i = 1; i <= n; ++i)
            member(i, spans[static_cast<std::size_t>(i - 1)]);
        member(kRHCantRow, rh);
        double total = lh + rh;
        for (double L : spans)
            total += L;
        Model.BeamLength = total;
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            Txt.MemberLabel[lc][0] = lh > 0 ? "LHC" : "";
            for (int i = 1; i <= n; ++i)
                Txt.MemberLabel[lc][i] = std::to_string(i);
            Txt.MemberLabel[lc][n + 1] = rh > 0 ? "RHC" : "";
        }
    }

    // The same section properties in every member row.
    void Section(int field, float value) {
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

    // Governing values of the spans of a solved loadcase, from its work tables: the largest
    // magnitudes of shear and moment at `points` points and of the 21 deflections.
    static void GoverningFromWorkTables(int lc, int points) {
        for (int s = 1; s <= Model.SpanCount[lc]; ++s) {
            double V = 0, M = 0, d = 0;
            for (int p = 1; p <= points; ++p) {
                V = std::max(V, std::fabs(Eng.ShearForce[s][p]));
                M = std::max(M, std::fabs(Eng.BendingMoment[s][p]));
            }
            for (int p = 1; p <= kDeflectionPoints; ++p)
                d = std::max(d, std::fabs(Eng.SpanDeflection[s][p]));
            Governing(lc, s, static_cast<float>(V), static_cast<float>(M), static_cast<float>(d));
        }
        WholeBeam(lc);
    }

    template <int Hi> static std::vector<std::string> Shown(const TextTable<Hi>& t) {
        std::vector<std::string> out;
        for (int i = 1; i <= LineCount(t); ++i)
            out.push_back(t[i].str());
        return out;
    }

    ScopedScriptedDialogs dialogs;
};

inline const std::string kTwentyBlanks(20, ' ');

} // namespace kx::test
