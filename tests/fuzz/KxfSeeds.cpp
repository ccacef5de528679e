// Writes the fuzz target's seed corpus: valid beam files of several shapes, made afresh each run.
#include <cstdio>
#include <fstream>
#include <string>

#include "window/KxfFile.h"
#include "window/KxfTestJobs.h"

namespace {

void save(const std::string& dir, const std::string& name) {
    const std::vector<std::uint8_t> image = kx::WriteKxfFile();
    std::ofstream f(dir + "/" + name, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
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
    return 0;
}
