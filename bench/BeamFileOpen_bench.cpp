// Cost of reading a beam file from disk: a valid job, and files that are refused from their
// first bytes and their size without being read whole (256 MB with the job at its start, 1 MB of
// zeros).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "engine/AnalyseBeam.h"
#include "platform/BinaryIO.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"
#include "window/KxfTestSupport.h"

namespace {

using namespace kx;

// The folder with the three files, written once.
const TempDir& Files() {
    static const TempDir dir;
    static const bool written = [] {
        NullAnalysisHost host;
        kxtest::AnalyseAsSaved(kxtest::ForkheadTestBeam(), kxtest::SetSteelSection, host);
        const std::vector<std::uint8_t> job = WriteKxfFile();
        WriteFileDirect(dir.path("job.kxf"), job);
        WriteFileDirect(dir.path("huge.kxf"), job);
        std::filesystem::resize_file(dir.path("huge.kxf"), 256u << 20);
        WriteFileDirect(dir.path("zeros.kxf"), std::vector<std::uint8_t>(1 << 20, 0));
        return true;
    }();
    (void)written;
    return dir;
}

void ReadBeam(benchmark::State& state, const char* name, bool refused) {
    const std::string path = Files().path(name);
    for (auto _ : state) {
        try {
            ReadBeamFile(path);
            if (refused) state.SkipWithError("the file was taken");
        } catch (const KxfFileError&) {
            if (!refused) state.SkipWithError("the file was refused");
        }
    }
}

void BM_OpenValidJob(benchmark::State& state) { ReadBeam(state, "job.kxf", false); }
void BM_Refuse256MBFile(benchmark::State& state) { ReadBeam(state, "huge.kxf", true); }
void BM_Refuse1MBOfZeros(benchmark::State& state) { ReadBeam(state, "zeros.kxf", true); }

} // namespace

BENCHMARK(BM_OpenValidJob)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Refuse256MBFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Refuse1MBOfZeros)->Unit(benchmark::kMicrosecond);
