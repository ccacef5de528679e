// Feeds arbitrary bytes to the beam-file reader and, when it takes them, to the rebuild of the
// results that Open runs: neither may crash, leak or meet undefined behaviour, a refused file must
// leave the job as it was, and a file taken must write back and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/AnalyseBeam.h"
#include "platform/Dialogs.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"

// The job starts as File New leaves it.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kx::ResetBeamJob();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kx::ScriptedDialogs dialogs; // the rebuild may report an unstable beam
    kx::InstallDialogs(&dialogs);
    dialogs.clear();
    const std::vector<std::uint8_t> before = kx::WriteKxfFile();
    try {
        kx::ReadKxfFile(std::vector<std::uint8_t>(data, data + size));
    } catch (const kx::KxfFileError&) {
        if (kx::WriteKxfFile() != before) std::abort();
        return 0;
    }
    const std::vector<std::uint8_t> written = kx::WriteKxfFile();
    kx::NullAnalysisHost host;
    kx::RebuildResults(host);
    kx::ReadKxfFile(written);
    if (kx::WriteKxfFile() != written) std::abort();
    return 0;
}
