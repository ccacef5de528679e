// Writes the fuzz target's seed corpus: valid beam files of several shapes, made afresh each run.
#include <cstdio>
#include <fstream>
#include <string>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "foundation/Units.h"
#include "window/KxfFile.h"
#include "window/KxfTestJobs.h"

namespace {

void save(const std::string& dir, const std::string& name) {
    const std::vector<std::uint8_t> image = kx::WriteKxfFile();
    std::ofstream f(dir + "/" + name, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
}

// An analysed job, as the program would save it.
void analyse(const kx::test::BeamBuilder& beam) {
    beam.Commit();
    kx::SetDefaultUnits(kx::Model);
    kx::Model.FactoredLoadsFlag = 1;
    kx::Model.VersionNumber = "1.3";
    kx::Model.VersionSuffix = ".1";
    kx::Model.FileTag = "MBS";
    kx::Model.CurrentLoadcase = 1;
    kx::Model.LoadRowsShown = 6;
    kx::NullAnalysisHost host;
    kx::AnalyseBeam(host);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kxf_seeds <corpus folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    kxtest::SetUpJob();
    save(dir, "forkheads-released.kxf");
    kxtest::SetUpGridJob(1, 1, 20, 1);
    save(dir, "one-span.kxf");
    kxtest::SetUpGridJob(3, 5, 80, 2);
    save(dir, "three-spans-five-cases.kxf");
    kxtest::SetUpGridJob(1, 0, 0, 3);
    save(dir, "not-analysed.kxf");
    using kx::test::BeamBuilder;
    analyse(BeamBuilder()
                .LHCantilever(1000)
                .Spans({4000, 4000, 4000})
                .RHCantilever(1500)
                .AllSupports(kx::supForkhead)
                .Udl(1, 0, 10, 14500, 1.4f)
                .Udl(2, 1000, 20, 4000)
                .Point(3, 5000, 30000, 1.6f)
                .Distributed(3, 9000, 5, 15, 6500, 1.2f));
    save(dir, "analysed-forkheads.kxf");
    analyse(BeamBuilder()
                .Spans({3000, 5000, 3000})
                .Support(2, kx::supCouplerTop, 4e9f)
                .ShearDeflection()
                .Section(210000, 2e8f, 8e6f)
                .Udl(2, 0, 12, 11000, 1.5f)
                .Point(4, 5500, 25000));
    save(dir, "analysed-couplers.kxf");
    return 0;
}
