// Writing and reading section files in the start-up directory.
#include "sections/SectionFile.h"

#include "platform/BinaryIO.h"
#include "platform/Errors.h"
#include "platform/Files.h"

namespace kx {

std::vector<std::uint8_t> SectionFileImage(std::span<const TSectionRec> records) {
    std::vector<std::uint8_t> bytes(records.size() * SectionRecSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        EncodeSectionRec(records[i], bytes.data() + i * SectionRecSize);
    return bytes;
}

std::string SectionFilePath(const std::string& fileName) { return StartDirPath(fileName); }

void WriteSectionFile(const std::string& fileName, std::span<const TSectionRec> records) {
    WriteFileDirect(SectionFilePath(fileName), SectionFileImage(records));
}

namespace {

std::vector<std::uint8_t> sectionFileBytes(const std::string& fileName) {
    return ReadRegularFile(SectionFilePath(fileName), std::size_t{kMaxSectionRecords} * SectionRecSize);
}

} // namespace

std::vector<TSectionRec> ReadSectionFile(const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = sectionFileBytes(fileName);
    const std::size_t count = bytes.size() / SectionRecSize;
    std::vector<TSectionRec> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        records.push_back(DecodeSectionRec(bytes.data() + i * SectionRecSize));
    return records;
}

std::vector<std::string> ReadSectionDesignations(const std::string& fileName) {
    std::vector<std::string> lines;
    for (const TSectionRec& rec : ReadSectionFile(fileName))
        lines.push_back(rec.Designation.str());
    return lines;
}

TSectionRec ReadSectionRecord(const std::string& fileName, int recordNo) {
    if (recordNo < 1) throw RangeError();
    const std::size_t end = static_cast<std::size_t>(recordNo) * SectionRecSize;
    const std::vector<std::uint8_t> bytes = sectionFileBytes(fileName);
    if (bytes.size() < end) ThrowIoError(IoReadBeyondEnd);
    return DecodeSectionRec(bytes.data() + end - SectionRecSize);
}

} // namespace kx
