// The beam file ".kxf": the whole job (model, units, results and result texts) in one fixed
// field order, written and read by one field list so that reading mirrors writing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kx {

struct SharedModel;
struct EngineState;
struct ResultTextTables;
struct DrawingState;

inline constexpr const char* kNotABeamFile = "Not a valid beam file";

// A beam file that is cut short, damaged or holds values the program cannot use. what() is the
// message the user sees; detail() says which field failed, for the log and the tests.
class KxfFileError : public std::runtime_error {
public:
    explicit KxfFileError(std::string detail, const std::string& message = kNotABeamFile)
        : std::runtime_error(message), detail_(std::move(detail)) {}
    const std::string& detail() const { return detail_; }

private:
    std::string detail_;
};

// Where the variables that a beam file holds live: the program's own, or a scratch copy.
struct KxfVars {
    SharedModel& m;
    EngineState& e;
    ResultTextTables& t;
    DrawingState& d;
};
KxfVars ProgramKxfVars();

// Fields 1..25 lie at fixed offsets and take this many bytes together.
inline constexpr std::size_t kKxfFixedHeadSize = 7631;
// The first field, the version text (string[25]).
inline constexpr std::size_t kKxfVersionFieldSize = 26;
// Copies of FileTag that close every file.
inline constexpr int kKxfTrailerCopies = 100;
// The lowest member-check failure count of a loadcase that a beam file may hold; the highest is 0.
inline constexpr int kKxfLowestCheckFailures = -500;

// The size of the largest beam file, worked out from its fields: five loadcases, 25 spans, 200
// intervals and every stored text table full. No longer file is read.
std::size_t KxfLargestFileSize();

// The image of the job as a beam file, fields 1..56. A count line that is no number throws
// ConvertError; a count or bound beyond its table throws RangeError.
std::vector<std::uint8_t> WriteKxfFile(const KxfVars& v);
std::vector<std::uint8_t> WriteKxfFile();

// Reads fields 1..55 of a beam file image into scratch copies, checks every count, bound, flag
// and number, and only then takes them into v (the trailer is not read). A file that fails
// throws KxfFileError and leaves v as it was. Sets NumSpanIntervals to the stored resolution and
// ReleasedSupport, which the file does not hold, from the loadcases' geometry.
// beforeTaking, when given, runs once the file has passed its checks, just before it is taken.
void ReadKxfFile(const std::vector<std::uint8_t>& image, const KxfVars& v,
                 const std::function<void()>& beforeTaking = {});
void ReadKxfFile(const std::vector<std::uint8_t>& image);

// Every check that Open makes of a whole file image (its version, its size, every field and what
// they hold together), taking nothing: Save runs it on the image it is about to write, so that no
// job is written that Open would refuse. A failure throws KxfFileError.
void CheckKxfImage(const std::vector<std::uint8_t>& image);

// The whole number at the start of a version text: leading blanks skipped, an optional sign,
// then digits up to the first other character ("1.3" gives 1, "" gives 0).
long long VersionMajor(std::string_view versionText);

// True when the image starts with a version text whose whole number is 1, the only files read.
bool IsReadableBeamFileVersion(const std::vector<std::uint8_t>& image);

// The version text of an image, or "" when it has none.
std::string BeamFileVersionText(const std::vector<std::uint8_t>& image);

// Sets ReleasedSupport[lc] of e from the geometry of the loadcase (its span lengths and
// cantilevers after released forkheads) against the committed member lengths of m. False when
// the two cannot belong to one beam.
bool DeriveReleasedSupports(const SharedModel& m, EngineState& e, int lc);

} // namespace kx
