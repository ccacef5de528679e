// Section files (".sct") in the start-up directory: written whole, read back by position.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "sections/SectionRec.h"

namespace kx {

// The image of a section file: the records one after another, no header.
std::vector<std::uint8_t> SectionFileImage(std::span<const TSectionRec> records);

// Creates or overwrites fileName in StartDir (an existing file of that name in another case is
// the one overwritten) with one 200-byte record per entry, in order. The file is closed on every
// path; on failure it throws the platform's IoError and what was written before it stays.
void WriteSectionFile(const std::string& fileName, std::span<const TSectionRec> records);

// The path a section file name stands for: the file in StartDir, found without regard to case.
std::string SectionFilePath(const std::string& fileName);

// The most records a section file holds: the user's own file is written with 250, and every
// standard table is shorter. A longer file is refused unread.
inline constexpr int kMaxSectionRecords = 250;

// Every whole record of a section file; a shorter tail is ignored. A missing file throws
// IoError "File not found"; a folder, a device, a pipe or a file longer than kMaxSectionRecords
// records "File access denied", before it is read.
std::vector<TSectionRec> ReadSectionFile(const std::string& fileName);

// The designations of a section file in file order, as stored (spacer rows as their blanks).
std::vector<std::string> ReadSectionDesignations(const std::string& fileName);

// Record recordNo (counted from 1) of a section file, read as ReadSectionFile reads; a number past
// the last whole record throws IoError "Read beyond end of file", a number below 1 RangeError.
TSectionRec ReadSectionRecord(const std::string& fileName, int recordNo);

} // namespace kx
