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
#include "engine/RandomBeams.h"
#include "engine/ResultText.h"
#include "platform/Dialogs.h"
#include "window/FileCommands.h"
#include "window/IndexJobs.h"
#include "window/KxfFile.h"
#include "window/LoadsListing.h"
#include "window/Point.h"
#include "window/ResultsSummary.h"

using namespace kx;

namespace {

template <class Table> void put(const char* name, int index, Table& table) {
    int n = 0;
    for (const auto& line : table) {
        if (!static_cast<std::string>(line).empty())
            std::printf("%s[%d][%d]|%s|\n", name, index, n, static_cast<std::string>(line).c_str());
        ++n;
    }
}

// The texts of the job just analysed.
void dumpJob(const std::string& name, ScriptedDialogs& dialogs) {
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
        dialogs->clear();
        NullAnalysisHost quiet;
        AnalyseBeam(quiet);
        dumpJob(file, *dialogs);
    }

    std::mt19937 random(5975);
    for (int trial = 0; trial < 80; ++trial) {
        dialogs->clear();
        test::RandomBeam(random).Commit();
        kxtest::AnalyseCommitted(trial % 2 ? 1 : -1);
        dumpJob("random " + std::to_string(trial), *dialogs);
    }
    return 0;
}
