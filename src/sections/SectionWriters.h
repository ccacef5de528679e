// Every built-in section table, written out as its section file in a fixed order.
#pragma once

#include <span>

namespace kx {

struct SectionWriter {
    const char* FileName;
    void (*Write)();
};

// The writers in the order the main window calls them.
std::span<const SectionWriter> SectionWriters();

// Writes every section file into StartDir, in order. A file that cannot be written does not keep
// the others from being written: every writer runs, and the first I/O error is thrown afterwards.
void WriteAllSectionFiles();

} // namespace kx
