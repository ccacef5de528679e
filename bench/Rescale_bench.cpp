// Cost of converting every unit text of the input windows on a change of units (about 1,600).
#include <benchmark/benchmark.h>

#include "app/ProgramState.h"
#include "input/Rescale.h"

namespace {

// Every text the windows hand over: beam form with 27 members, 50 load rows, 250 user sections
// and the three effective-length labels, all holding numbers.
struct AllTexts {
    kx::BeamFormUnitTexts beam;
    kx::LoadFormUnitTexts loads;
    kx::SectionGridUnitTexts grid;
    kx::EffLengthUnitTexts span, lhc, rhc;
    int count = 0;
};

AllTexts Filled() {
    AllTexts t;
    t.beam = {"47", "", "150", "", "1773", "", "2", "", {}, "", "", "473", "", "205000"};
    for (int i = 1; i <= 27; ++i)
        t.beam.SpanLengths.push_back(std::to_string(1 + i % 7) + ".5");
    for (int n = 1; n <= 50; ++n)
        t.loads.Rows[n] = {"12.5", std::to_string(n), "3", "4.25", "2"};
    for (int row = 1; row <= kx::kSectionGridRows; ++row)
        for (int col = 2; col <= 6; ++col)
            t.grid.Cells[row][col] = std::to_string(row * col) + ".25";
    t.span.lbl_Le = t.lhc.lbl_Le = t.rhc.lbl_Le = "4.25";
    t.count = 9 + 27 + 50 * 5 + kx::kSectionGridRows * 5 + 3;
    return t;
}

// Metric to imperial and back, every kind the windows show changed each time.
void Units(bool imperial) {
    using kx::TUnitKind;
    struct U {
        TUnitKind k;
        const char *metric, *imp;
        float fm, fi;
    };
    const U units[] = {{TUnitKind::Length, "m", "ft", 1000, 304.8f},
                       {TUnitKind::Force, "kN", "lbf", 1000, 4.4482217f},
                       {TUnitKind::UDL, "kN/m", "lbf/ft", 1, 0.0145939f},
                       {TUnitKind::SectE, "N/mm^2", "lbf/in^2", 1, 0.00689476f},
                       {TUnitKind::SectI, "cm^4", "in^4", 10000, 416231.44f},
                       {TUnitKind::Shear, "kN", "lbf", 0.001f, 0.224809f},
                       {TUnitKind::Moment, "kN-m", "lbf-ft", 1e-6f, 0.000737562f},
                       {TUnitKind::SectLength, "mm", "in", 1, 25.4f}};
    for (const U& u : units) {
        kx::UnitText(kx::Model, u.k) = imperial ? u.imp : u.metric;
        kx::UnitFactor(kx::Model, u.k) = imperial ? u.fi : u.fm;
    }
}

void BM_RescaleAllInputTexts(benchmark::State& state) {
    kx::ResetProgramState();
    kx::SetDefaultUnits(kx::Model);
    Units(false);
    kx::SnapshotUnitFactors();
    AllTexts t = Filled();
    bool imperial = false;
    for (auto _ : state) {
        imperial = !imperial;
        Units(imperial);
        kx::UnitRescale r(kx::OldUnitFactors, kx::Model);
        kx::RescaleBeamFormTexts(t.beam, r);
        kx::RescaleLoadFormTexts(t.loads, r);
        kx::RescaleSectionGridTexts(t.grid, r);
        kx::RescaleEffLengthTexts(t.lhc, r);
        kx::RescaleEffLengthTexts(t.span, r);
        kx::RescaleEffLengthTexts(t.rhc, r);
        kx::SnapshotUnitFactors();
        benchmark::DoNotOptimize(t.grid.Cells[250][6].Text().data());
    }
    state.counters["texts"] = t.count;
    kx::ResetProgramState();
}
BENCHMARK(BM_RescaleAllInputTexts)->Unit(benchmark::kMillisecond);

} // namespace
