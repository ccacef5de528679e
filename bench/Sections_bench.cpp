// Cost of writing every section file, as the main window does each time it is shown.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "sections/SectionWriters.h"

static void BM_WriteAllSectionFiles(benchmark::State& state) {
    std::string dir = (std::filesystem::temp_directory_path() / "kxbench-XXXXXX").string();
    if (!mkdtemp(dir.data())) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const std::string saved = kx::StartDir;
    kx::StartDir = dir;
    for (auto _ : state)
        kx::WriteAllSectionFiles();
    kx::StartDir = saved;
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WriteAllSectionFiles)->Unit(benchmark::kMillisecond);
