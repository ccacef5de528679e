// Feeds arbitrary bytes to the beam-file reader: it must refuse what it cannot use without a
// crash, a leak or undefined behaviour, and what it takes must write back and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "window/KxfFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        kx::ReadKxfFile(std::vector<std::uint8_t>(data, data + size));
    } catch (const kx::KxfFileError&) {
        return 0;
    }
    const std::vector<std::uint8_t> written = kx::WriteKxfFile();
    kx::ReadKxfFile(written);
    if (kx::WriteKxfFile() != written) std::abort();
    return 0;
}
