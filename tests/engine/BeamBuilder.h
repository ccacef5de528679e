// Builds a committed beam in kx::Model for engine tests and benchmarks, and runs the engine's
// steps on it in the order in which the analysis runs them.
#pragma once

#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "app/ProgramState.h"
#include "engine/AnalyseBeam.h"
#include "engine/CantileverStatics.h"
#include "engine/Deflection.h"
#include "engine/EngineState.h"
#include "engine/LoadDistribution.h"
#include "engine/SlopeDeflection.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/SharedModel.h"

namespace kx::test {

// Usage:
//   BeamBuilder().Spans({5000, 5000}).Udl(1, 0, 10, 10000).Commit();
//   SolveLoadcase(1);      // loads, cantilevers and slope deflection of loadcase 1 at 20 intervals
//   FindDeflections(1);    // its deflections, from that 20-interval solve
//
// Defaults: E 210000 N/mm^2, Ixx 1e8 mm^4, GA 0; no cantilevers; every support vertically fixed
// (code 1); shear deflection off. Loads are applied in the loadcase given, in record order, with
// load factor 1 unless given. Lengths in mm, forces in N, rates in N/mm.
class BeamBuilder {
public:
    BeamBuilder& Spans(std::vector<double> lengths) { return Set(spans_, std::move(lengths)); }
    BeamBuilder& EqualSpans(int count, double length) { return Spans(std::vector<double>(count, length)); }
    BeamBuilder& LHCantilever(double length) { return Set(lh_, length); }
    BeamBuilder& RHCantilever(double length) { return Set(rh_, length); }
    // Support k = 1..spans + 1 from the LH end; stiffness: the coupler spring, N mm/rad.
    BeamBuilder& Support(int k, int code, float stiffness = 0) {
        return Set(supports_[k], SupportChoice{code, stiffness});
    }
    BeamBuilder& AllSupports(int code) { return Set(defaultSupport_, code); }
    BeamBuilder& Section(float E, float Ixx, float GA = 0) {
        return Set(section_, std::vector<float>{E, Ixx, GA});
    }
    BeamBuilder& ShearDeflection(bool on = true) { return Set(shearDeflection_, on); }
    BeamBuilder& Point(int lc, float dist, float P, float LF = 1) {
        return Add({lc, {1.0f, dist, P, 0, 0, LF}});
    }
    BeamBuilder& Distributed(int lc, float dist, float w1, float w2, float cover, float LF = 1) {
        return Add({lc, {-1.0f, dist, w1, w2, cover, LF}});
    }
    BeamBuilder& Udl(int lc, float dist, float w, float cover, float LF = 1) {
        return Distributed(lc, dist, w, w, cover, LF);
    }

    // Resets the model and the engine state, commits the beam, then sets up the engine as the
    // analysis does before its first loadcase.
    void Commit() const {
        ResetProgramState();
        Eng = EngineState{};
        const int n = static_cast<int>(spans_.size());
        std::vector<double> lengths{lh_};
        lengths.insert(lengths.end(), spans_.begin(), spans_.end());
        lengths.push_back(rh_);
        Model.BeamLength = 0;
        for (int i = 0; i <= n + 1; ++i) {
            const int row = i == n + 1 ? kRHCantRow : i;
            const double L = lengths[static_cast<std::size_t>(i)];
            Model.SpanData[row][mfExists] = L > 0 ? 1.0f : 0.0f;
            Model.SpanData[row][mfL] = static_cast<float>(L);
            Model.BeamLength += L;
        }
        for (int row = 0; row <= kRHCantRow; ++row) {
            Model.SpanData[row][mfE] = section_[0];
            Model.SpanData[row][mfIxx] = section_[1];
            Model.SpanData[row][mfGA] = section_[2];
        }
        Model.SpanData[kFlagsRow][kShearDeflectionField] = shearDeflection_ ? 1.0f : -1.0f;
        for (int k = 1; k <= n + 1; ++k) {
            const int slot = k == n + 1 ? 25 : k - 1;
            auto it = supports_.find(k);
            Model.SupportType[slot] = it == supports_.end() ? defaultSupport_ : it->second.code;
            Model.SupportStiffness[slot] = it == supports_.end() ? 0.0f : it->second.stiffness;
        }
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            for (int r = 1; r <= kSelfWeightRecord; ++r)
                Model.LoadTable[lc][r][lfApplied] = -1.0f;
        std::map<int, int> used;
        for (const auto& load : loads_) {
            TLoadRec& rec = Model.LoadTable[load.lc][++used[load.lc]];
            for (int f = 0; f <= lfLF; ++f)
                rec[f] = load.fields[f];
            rec[lfApplied] = 1.0f;
            Model.CaseHasLoads[load.lc] = 1;
        }

        Eng.BeamE = Model.SpanData[1][mfE];
        Eng.BeamIxx = Model.SpanData[1][mfIxx];
        Eng.NumSpanIntervals = kDeflectionIntervals;
        for (int lc = 0; lc <= kMaxLoadcases; ++lc) {
            Model.SpanCount[lc] = n;
            Eng.LHCantileverActive[lc] = FloatToInt(Model.SpanData[kLHCantRow][mfExists]);
            Eng.CantileverLength[lc][0] = Model.SpanData[kLHCantRow][mfL];
            for (int i = 1; i <= n; ++i)
                Eng.LoadcaseSpanLength[lc][i] = Model.SpanData[i][mfL];
            Eng.RHCantileverActive[lc] = FloatToInt(Model.SpanData[kRHCantRow][mfExists]);
            Eng.CantileverLength[lc][1] = Model.SpanData[kRHCantRow][mfL];
        }
    }

private:
    struct SupportChoice {
        int code;
        float stiffness;
    };
    struct Load {
        int lc;
        float fields[6]; // Kind, Dist, P or W1, W2, Cover, LF
    };
    template <typename T, typename V> BeamBuilder& Set(T& field, V&& value) {
        field = std::forward<V>(value);
        return *this;
    }
    BeamBuilder& Add(Load load) { return Set(loads_.emplace_back(), load); }
    std::vector<double> spans_;
    double lh_ = 0, rh_ = 0;
    std::map<int, SupportChoice> supports_;
    int defaultSupport_ = supFixed;
    std::vector<float> section_{210000.0f, 1e8f, 0}; // E, Ixx, GA
    bool shearDeflection_ = false;
    std::vector<Load> loads_;
};

// Allowed difference from a closed-form figure: rel x |expected|.
inline double Tol(double expected, double rel) { return rel * std::abs(expected); }

// Entries from..to of a table row, to compare with a list of expected figures.
template <typename Row> std::vector<double> Values(const Row& row, int from, int to) {
    std::vector<double> out;
    for (int i = from; i <= to; ++i)
        out.push_back(static_cast<double>(row[i]));
    return out;
}

// Sum of the reactions of a solved loadcase: the shear jumps at the supports, the cantilevers'
// root shears and the point loads standing on the supports.
inline double ReactionSum(int lc) {
    const int n = Model.SpanCount[lc];
    const int last = Eng.NumSpanIntervals + 1;
    double sum = Eng.CantileverShear[1][1] + Eng.CantileverShear[2][1];
    for (int s = 1; s <= n; ++s)
        sum += Eng.ShearForce[s][1] - Eng.ShearForce[s][last];
    for (int k = 1; k <= n + 1; ++k)
        sum += Eng.SupportPointLoad[lc][k];
    return sum;
}

// Simpson's rule for the integral of f over 0..length at 20 intervals: the rule the deflections
// use, for checking them at the points where it is not exact.
template <typename F> double Simpson20(F f, double length) {
    double sum = 0;
    for (int p = 0; p <= 20; ++p)
        sum += f(p * length / 20) * (p == 0 || p == 20 ? 1 : p % 2 == 1 ? 4 : 2);
    return sum * length / 20 / 3;
}

// Solves loadcase lc from its loads at `intervals` per member, as the analysis's first solve does
// (with the load factors when factored). The cantilevers' own deflections are found only at 20.
inline void SolveLoadcase(int lc, int intervals = kDeflectionIntervals, bool factored = false) {
    Eng.CurrentCase = lc;
    Eng.NumSpanIntervals = intervals;
    ResetLoadcaseWork();
    DistributeLoads();
    Eng.ApplyLoadFactors = factored ? 1 : 0;
    FillSpanLoadTables();
    Eng.ApplyLoadFactors = 0;
    CantileverForces();
    if (intervals == kDeflectionIntervals) {
        CantileverUnitMoments();
        CantileverDeflection();
    }
    // The root moments and span stiffnesses the solver reads, set as the analysis sets them.
    Eng.LHCantileverMoment = Eng.CantileverMoment[1][1];
    Eng.RHCantileverMoment = -1.0 * Eng.CantileverMoment[2][1];
    for (int i = 1; i <= Model.SpanCount[lc]; ++i)
        Eng.SpanStiffness[i] = Eng.BeamIxx / Eng.LoadcaseSpanLength[lc][i] * Eng.BeamE;
    SolveContinuousSpans(intervals == kDeflectionIntervals ? PieceShears::Keep : PieceShears::Skip);
}

// The deflections of loadcase lc after SolveLoadcase(lc) at 20 intervals: the shear-deflection
// pass when the beam asks for it, the unit-load diagrams, then the integration.
inline void FindDeflections(int lc) {
    Eng.CurrentCase = lc;
    if (Model.SpanData[kFlagsRow][kShearDeflectionField] == 1.0f) {
        Eng.ShearDeflectionActive = 1;
        ShearDeflectionPass();
        Eng.ShearDeflectionActive = 0;
    }
    CalcUnitMomentDiagrams();
    IntegrateDeflection();
}

} // namespace kx::test
