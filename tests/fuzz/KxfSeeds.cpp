// Writes the fuzz target's seed corpus: valid beam files of several shapes, made afresh each run.
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "TestServices.h"
#include "app/ProgramState.h"
#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"
#include "window/KxfTestSupport.h"

namespace {

// Writes the job as a seed; a seed the reader refuses would fuzz nothing past the checks.
void save(const std::string& dir, const std::string& name) {
    const std::vector<std::uint8_t> image = kx::WriteKxfFile();
    kx::ReadKxfFile(image);
    std::ofstream f(dir + "/" + name, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
}

// An analysed job, as the program would save it.
void analyse(const kx::test::BeamBuilder& beam, const std::function<void()>& setUp = {}) {
    kx::NullAnalysisHost host;
    kxtest::AnalyseAsSaved(beam, setUp, host);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kxf_seeds <corpus folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    kxtest::TestServices services;
    kxtest::SetUpJob(); // forkheads released, cantilevers, the steel check, three loadcases
    save(dir, "analysed-forkheads.kxf");
    kx::ResetProgramState(); // the program started, then File New
    kx::ReadUnitFile();
    kx::ResetBeamJob();
    save(dir, "not-analysed.kxf");
    using kx::test::BeamBuilder;
    analyse(BeamBuilder().Spans({4000}).Udl(1, 0, 5, 4000));
    save(dir, "one-span.kxf");
    BeamBuilder fiveCases = BeamBuilder().EqualSpans(3, 3000).RHCantilever(800);
    for (int lc = 1; lc <= 5; ++lc)
        fiveCases.Udl(lc, 0, static_cast<float>(lc), 9800).Point(lc, 1500.0f * static_cast<float>(lc), 1000);
    analyse(fiveCases);
    save(dir, "three-spans-five-cases.kxf");
    analyse(BeamBuilder()
                .Spans({3000, 5000, 3000})
                .Support(2, kx::supCouplerTop, 4e9f)
                .ShearDeflection()
                .Section(210000, 2e8f, 8e6f)
                .Udl(2, 0, 12, 11000, 1.5f)
                .Point(4, 5500, 25000));
    save(dir, "analysed-couplers.kxf");
    analyse(kxtest::FailingSteelCheckBeam(), kxtest::SetSteelSection);
    save(dir, "failed-steel-check.kxf");
    return 0;
}
