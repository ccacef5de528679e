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

// Writes every section file into StartDir, in order. An I/O error stops the sequence there and
// leaves this function; the files written before it stand.
void WriteAllSectionFiles();

} // namespace kx
