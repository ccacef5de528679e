// Writes every result text of the example jobs and of seeded random beams, analysed afresh, with a
// digest of each job's beam file: two builds (two compilers, two sets of flags) that print the same
// bytes give users the same figures. Usage: kx_text_dump <examples folder>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "TestServices.h"
#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/ResultText.h"
#include "foundation/Unit1.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"
#include "window/LoadsListing.h"
#include "window/Point.h"
#include "window/ResultsSummary.h"

using namespace kx;

namespace {

template <class Table> void put(const char* name, int index, const Table& table) {
    int n = 0;
    for (const auto& line : table) {
        if (!static_cast<std::string>(line).empty())
            std::printf("%s[%d][%d]|%s|\n", name, index, n, static_cast<std::string>(line).c_str());
        ++n;
    }
}

void dumpJob(const std::string& name, ScriptedDialogs& dialogs) {
    NullAnalysisHost quiet;
    dialogs.clear();
    AnalyseBeam(quiet);
    BuildResultsSummary();
    BuildEnvelopeText();
    BuildLoadsListing();
    std::printf("=== %s\n", name.c_str());
    for (int lc = 1; lc <= 5; ++lc) {
        put("load", lc, Txt.CaseLoadLines[lc]);
        put("support", lc, Txt.CaseSupportLines[lc]);
        put("listing", lc, Txt.CaseListing[lc]);
        std::printf("maxstress[%d]|%s|\n", lc, static_cast<std::string>(Txt.CaseMaxStressLines[lc]).c_str());
    }
    for (int lc = 0; lc <= 5; ++lc) {
        put("kxcheck", lc, Txt.KxCheckLines[lc]);
        put("steel", lc, Txt.SteelCheckLines[lc]);
        put("timber", lc, Txt.TimberCheckLines[lc]);
    }
    put("summary", 0, Txt.SummaryLines);
    put("maxima", 0, Txt.MaximaLines);
    put("envelope", 0, Txt.EnvelopeLines);
    put("loadlist", 0, Txt.LoadListLines);
    put("pointloads", 0, Txt.PointLoadListLines);
    std::printf("maxstress|%s|\n", static_cast<std::string>(Txt.MaxStressLine).c_str());
    // Results at a point a little way into the beam, where no support stands.
    if (Model.AnalysedFlag == 1 && CalcPointResults(std::to_string(Model.BeamLength * 0.000377)))
        for (const std::string& line : PointListContent())
            std::printf("point|%s|\n", line.c_str());
    for (const std::string& m : dialogs.messages())
        std::printf("message|%s|\n", m.c_str());
    std::uint64_t digest = 14695981039346656037ull; // FNV-1a of the beam file
    for (std::uint8_t b : WriteKxfFile())
        digest = (digest ^ b) * 1099511628211ull;
    std::printf("file %016llx\n", static_cast<unsigned long long>(digest));
}

void commitDefaults(int32 factoredLoadsFlag) {
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = factoredLoadsFlag;
    Model.VersionNumber = kVersionNumber;
    Model.VersionSuffix = kVersionSuffix;
    Model.FileTag = "MBS";
    Model.CurrentLoadcase = 1;
    Model.LoadRowsShown = 6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kx_text_dump <examples folder>\n");
        return 2;
    }
    kxtest::TestServices services;
    ScopedScriptedDialogs dialogs;
    const std::string folder = argv[1];
    for (const char* file : {"five-span-ub-forkheads.kxf", "scaffold-tube-double-couplers.kxf",
                             "timber-joist.kxf", "twenty-spans-five-loadcases.kxf",
                             "ub-steel-check-restraints.kxf", "user-section-cantilever.kxf"}) {
        ResetProgramState();
        ReadBeamFile(folder + "/" + file);
        dumpJob(file, *dialogs);
    }

    // Beams of every kind of support, with cantilevers, point loads (some on supports) and varying
    // loads over several members, in up to five loadcases.
    std::mt19937 random(5975);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    auto f = [](double v) { return static_cast<float>(v); };
    for (int trial = 0; trial < 80; ++trial) {
        const int n = pick(1, 20);
        std::vector<double> spans;
        for (int i = 0; i < n; ++i)
            spans.push_back(std::round(uniform(1000, 8000)));
        const double lh = pick(0, 1) ? std::round(uniform(500, 3000)) : 0;
        const double rh = pick(0, 1) ? std::round(uniform(500, 3000)) : 0;
        test::BeamBuilder beam;
        beam.LHCantilever(lh).Spans(spans).RHCantilever(rh);
        const int supportKind = pick(0, 3);
        const float spring = 210000.0f * 1e8f / 2000;
        if (supportKind == 1) beam.Support(1, supFixedEnd).Support(n + 1, supFixedEnd);
        if (supportKind == 2)
            beam.Support(1, supCouplerTop, spring).Support(n + 1, supCouplerMid, 2 * spring);
        if (supportKind == 2 && n > 1) beam.Support(2, supCouplerMid, 2 * spring);
        if (supportKind == 3) beam.AllSupports(supForkhead);
        if (pick(0, 1)) beam.Section(210000, f(uniform(2e7, 4e8)), 8e7).ShearDeflection();
        std::vector<double> supports{lh};
        for (double L : spans)
            supports.push_back(supports.back() + L);
        const double length = supports.back() + rh;
        for (int i = pick(1, 50); i > 0; --i) {
            const int lc = pick(1, 5);
            const float LF = f(pick(0, 1) ? 1.0 : uniform(1.0, 1.6));
            if (pick(0, 1)) {
                const double a =
                    pick(0, 4) == 0 ? supports[static_cast<std::size_t>(pick(0, n))] : uniform(0, length);
                beam.Point(lc, f(a), f(uniform(500, 20000)), LF);
            } else {
                const double a = uniform(0, length - 100), w1 = uniform(0, 20), w2 = uniform(0, 20);
                beam.Distributed(lc, f(a), f(w1), f(w2), f(uniform(100, length - a)), LF);
            }
        }
        beam.Commit();
        commitDefaults(pick(0, 1) ? 1 : -1);
        dumpJob("random " + std::to_string(trial), *dialogs);
    }
    return 0;
}
