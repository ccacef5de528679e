// Section files in the start-up directory: written whole or up to a failure, read back by position.
#include "sections/SectionFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

#include "SectionTestSupport.h"
#include "platform/Errors.h"

using namespace kx;
using namespace sectiontest;
namespace fs = std::filesystem;

namespace {

std::vector<TSectionRec> someRecords(int n) {
    std::vector<TSectionRec> recs(n);
    for (int i = 0; i < n; ++i) {
        recs[i].Designation = "Section " + std::to_string(i + 1);
        recs[i].B = 10.0f * (i + 1);
        recs[i].Shape = "Beam";
        recs[i].RecordNo = i + 1;
    }
    return recs;
}

int openDescriptors() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

// The code and text of the error a call throws, as the user would see them.
template <class F> std::string ioErrorOf(F f) {
    try {
        f();
    } catch (const IoError& e) {
        return std::to_string(e.code()) + " " + e.what();
    }
    return "no error";
}

void writeOne() { WriteSectionFile("UC.sct", someRecords(1)); }

} // namespace

TEST(SectionFile, WritesIntoStartDirAndReadsBackByPosition) {
    StartDirScope dir;
    const fs::path cwd = fs::current_path();
    const std::vector<TSectionRec> recs = someRecords(3);
    WriteSectionFile("Test.sct", recs);
    EXPECT_EQ(fs::current_path(), cwd) << "the working directory never changes";
    EXPECT_FALSE(fs::exists(cwd / "Test.sct")) << "nothing lands in the working directory";
    ASSERT_EQ(fs::file_size(dir.path("Test.sct")), 600u);

    EXPECT_EQ(ReadSectionFile("Test.sct"), recs);
    EXPECT_EQ(ReadSectionDesignations("Test.sct"),
              (std::vector<std::string>{"Section 1", "Section 2", "Section 3"}));
    EXPECT_EQ(ReadSectionRecord("Test.sct", 2), recs[1]);
    EXPECT_EQ(ReadSectionRecord("TEST.SCT", 3).B, 30.0f) << "names are found without regard to case";

    // A longer file named in another case is overwritten under its own name.
    fs::rename(dir.path("Test.sct"), dir.path("test.sct"));
    std::ofstream(dir.path("test.sct"), std::ios::binary | std::ios::app) << std::string(5000, 'x');
    WriteSectionFile("Test.sct", someRecords(2));
    EXPECT_EQ(fs::file_size(dir.path("test.sct")), 400u);
    EXPECT_FALSE(fs::exists(dir.path("Test.sct")));
}

TEST(SectionFile, CountsWholeRecordsOnlyAndRefusesRecordsBeyondThemOrAMissingFile) {
    StartDirScope dir;
    WriteSectionFile("Four.sct", someRecords(4));
    std::ofstream(dir.path("Four.sct"), std::ios::binary | std::ios::app) << std::string(150, '\x7f');
    ASSERT_EQ(fs::file_size(dir.path("Four.sct")), 950u);
    EXPECT_EQ(ReadSectionFile("Four.sct").size(), 4u);
    EXPECT_EQ(ReadSectionDesignations("Four.sct").size(), 4u);
    EXPECT_EQ(ReadSectionRecord("Four.sct", 4).Designation, "Section 4");
    EXPECT_EQ(ioErrorOf([] { ReadSectionRecord("Four.sct", 5); }), "100 Read beyond end of file");
    EXPECT_THROW(ReadSectionRecord("Four.sct", 0), RangeError);
    EXPECT_EQ(ioErrorOf([] { ReadSectionFile("UB.sct"); }), "2 File not found");
    EXPECT_EQ(ioErrorOf([] { ReadSectionDesignations("UB.sct"); }), "2 File not found");
    EXPECT_EQ(ioErrorOf([] { ReadSectionRecord("UB.sct", 1); }), "2 File not found");
}

TEST(SectionFile, AFailedCreateOrAFullDiskReportsThePlatformTextAndClosesTheFile) {
    StartDirScope dir;
    const int before = openDescriptors();

    // The start-up directory is a regular file, or missing.
    std::ofstream(dir.path("plain"), std::ios::binary) << std::string(10, 'p');
    StartDir = dir.path("plain");
    EXPECT_EQ(ioErrorOf(writeOne), "2 File not found");
    StartDir = dir.path("missing");
    EXPECT_EQ(ioErrorOf(writeOne), "2 File not found");
    EXPECT_FALSE(fs::exists(dir.path("missing")));
    EXPECT_EQ(fs::file_size(dir.path("plain")), 10u);

    // A full disk.
    StartDir = dir.dir();
    fs::create_symlink("/dev/full", dir.path("UC.sct"));
    EXPECT_EQ(ioErrorOf(writeOne), "101 Disk full");
    EXPECT_EQ(openDescriptors(), before) << "no file is left open";
}

TEST(SectionFile, RecordsWrittenBeforeAFailureStand) {
    StartDirScope dir;
    // A file size limit of five records stops the sixth; the signal it raises is ignored so that
    // the write fails instead.
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 5 * 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::vector<TSectionRec> recs = someRecords(8);
    const std::string err = ioErrorOf([&] { WriteSectionFile("UC.sct", recs); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(err, "101 Disk full");
    ASSERT_EQ(fs::file_size(dir.path("UC.sct")), 1000u);
    EXPECT_EQ(ReadSectionFile("UC.sct"), std::vector<TSectionRec>(recs.begin(), recs.begin() + 5));
}

namespace {

// Every single of the record with its offset, and two values for it: the first record holds its offset
// plus a half, the second a large negative figure of its own, so no field of one matches the other.
struct SingleCase {
    int off;
    float TSectionRec::*field;
};
// clang-format off
const SingleCase Singles[] = {
    {28, &TSectionRec::D}, {32, &TSectionRec::B}, {36, &TSectionRec::t}, {40, &TSectionRec::T},
    {44, &TSectionRec::r1}, {48, &TSectionRec::r2}, {52, &TSectionRec::b}, {56, &TSectionRec::d},
    {60, &TSectionRec::Taper}, {64, &TSectionRec::Group}, {68, &TSectionRec::Spare68}, {72, &TSectionRec::GA},
    {76, &TSectionRec::Spare76}, {80, &TSectionRec::Grade}, {84, &TSectionRec::E}, {100, &TSectionRec::A},
    {104, &TSectionRec::Ixx}, {108, &TSectionRec::Iyy}, {112, &TSectionRec::rx}, {116, &TSectionRec::ry},
    {120, &TSectionRec::cx}, {124, &TSectionRec::cy}, {128, &TSectionRec::FibreY}, {132, &TSectionRec::FibreX},
    {136, &TSectionRec::Iu}, {140, &TSectionRec::Iv}, {144, &TSectionRec::ru}, {148, &TSectionRec::rv},
    {152, &TSectionRec::Alpha}, {156, &TSectionRec::J}, {160, &TSectionRec::TorsionLength},
    {164, &TSectionRec::Cs}, {168, &TSectionRec::Sx}, {172, &TSectionRec::Sy}, {176, &TSectionRec::u},
    {180, &TSectionRec::x}, {184, &TSectionRec::H}, {188, &TSectionRec::PermShear},
    {192, &TSectionRec::PermMoment}};
// clang-format on
float firstValue(int off) { return off + 0.5f; }
float secondValue(int off) { return -1.5e6f * off; } // -42e6 at byte 28 ... -288e6 at byte 192

// A standard-table record: a short designation, the longest shape code the field holds.
TSectionRec firstRecord() {
    TSectionRec r;
    for (const SingleCase& s : Singles)
        r.*s.field = firstValue(s.off);
    r.Designation = "254 UC 73";
    r.Shape = "KXSect12345";
    r.RecordNo = 1;
    return r;
}

// A user section as the editor saves it: 25 characters of description, group 1, the shape " ".
TSectionRec secondRecord(std::int32_t recordNo) {
    TSectionRec r;
    for (const SingleCase& s : Singles)
        r.*s.field = secondValue(s.off);
    r.Group = 1;
    r.Designation = "Temporary prop 2 x 75 RSA";
    r.Shape = " ";
    r.RecordNo = recordNo;
    return r;
}

// The fields of a record read back against the values chosen for it, one by one.
void expectFields(const TSectionRec& got, bool first, const std::string& designation,
                  const std::string& shape, std::int32_t recordNo, const std::string& what) {
    for (const SingleCase& s : Singles) {
        const float want = s.off == 64 && !first ? 1.0f : first ? firstValue(s.off) : secondValue(s.off);
        EXPECT_EQ(got.*s.field, want) << what << " byte " << s.off;
    }
    EXPECT_EQ(got.Designation.str(), designation) << what;
    EXPECT_EQ(got.Shape.str(), shape) << what;
    EXPECT_EQ(got.RecordNo, recordNo) << what;
}

} // namespace

// Two records that share no value: every byte group of each in the file, and every field read back.
TEST(SectionFile, TwoRecordsThatDifferInEveryFieldAreStoredAndReadBackFieldByField) {
    StartDirScope dir;
    WriteSectionFile("Two.sct", std::vector<TSectionRec>{firstRecord(), secondRecord(-7)});
    const std::vector<std::uint8_t> bytes = fileBytes(dir.path("Two.sct"));
    ASSERT_EQ(bytes.size(), 400u);
    const std::uint8_t *one = bytes.data(), *two = bytes.data() + 200;

    // Designation: length byte, characters, zero tail up to byte 25, then bytes 26-27 zero.
    EXPECT_EQ(one[0], 9);
    EXPECT_EQ(stringAt(one, 0), "254 UC 73");
    for (int b = 10; b < 28; ++b)
        EXPECT_EQ(one[b], 0) << "record 1 byte " << b;
    EXPECT_EQ(two[0], 25);
    EXPECT_EQ(stringAt(two, 0), "Temporary prop 2 x 75 RSA");
    EXPECT_TRUE(two[26] == 0 && two[27] == 0);
    // Singles, little-endian IEEE: 28.5 at byte 28 is 0x41E40000.
    EXPECT_EQ(wordAt(one, 28), 0x41E40000u);
    for (const SingleCase& s : Singles) {
        EXPECT_EQ(singleAt(one, s.off), firstValue(s.off)) << "record 1 byte " << s.off;
        EXPECT_EQ(singleAt(two, s.off), s.off == 64 ? 1.0f : secondValue(s.off)) << "record 2 byte " << s.off;
    }
    // Shape code: eleven characters fill the field to byte 99; one character leaves ten zero bytes.
    EXPECT_EQ(one[88], 11);
    EXPECT_EQ(stringAt(one, 88), "KXSect12345");
    EXPECT_EQ(stringAt(two, 88), " ");
    for (int b = 90; b < 100; ++b)
        EXPECT_EQ(two[b], 0) << "record 2 byte " << b;
    // Record numbers: 1, and -7 as a little-endian int32.
    EXPECT_EQ(wordAt(one, 196), 1u);
    EXPECT_EQ(wordAt(two, 196), 0xFFFFFFF9u);

    const std::vector<TSectionRec> recs = ReadSectionFile("Two.sct");
    ASSERT_EQ(recs.size(), 2u);
    expectFields(recs[0], true, "254 UC 73", "KXSect12345", 1, "file record 1");
    expectFields(recs[1], false, "Temporary prop 2 x 75 RSA", " ", -7, "file record 2");
    expectFields(ReadSectionRecord("Two.sct", 1), true, "254 UC 73", "KXSect12345", 1, "record 1 alone");
    expectFields(ReadSectionRecord("two.SCT", 2), false, "Temporary prop 2 x 75 RSA", " ", -7,
                 "record 2 alone");
    EXPECT_EQ(ReadSectionDesignations("Two.sct"),
              (std::vector<std::string>{"254 UC 73", "Temporary prop 2 x 75 RSA"}));
}

// The user's own file holds 250 records: the 250th is read like the first; a byte more makes the file
// one the program never wrote, refused unread, while a shorter file keeps its whole records.
TEST(SectionFile, TheLastOfTwoHundredAndFiftyRecordsIsReadAndALongerFileIsRefused) {
    StartDirScope dir;
    std::vector<TSectionRec> recs(250, firstRecord());
    for (int i = 0; i < 250; ++i)
        recs[static_cast<std::size_t>(i)].RecordNo = i + 1;
    recs.back() = secondRecord(250);
    WriteSectionFile("KX.sct", recs);
    ASSERT_EQ(fs::file_size(dir.path("KX.sct")), 50000u);
    const std::vector<TSectionRec> read = ReadSectionFile("KX.sct");
    ASSERT_EQ(read.size(), 250u);
    expectFields(read[248], true, "254 UC 73", "KXSect12345", 249, "record 249");
    expectFields(read[249], false, "Temporary prop 2 x 75 RSA", " ", 250, "record 250");
    expectFields(ReadSectionRecord("KX.sct", 250), false, "Temporary prop 2 x 75 RSA", " ", 250,
                 "record 250");
    EXPECT_EQ(ReadSectionDesignations("KX.sct").back(), "Temporary prop 2 x 75 RSA");
    EXPECT_EQ(ioErrorOf([] { ReadSectionRecord("KX.sct", 251); }), "100 Read beyond end of file");

    // One byte more than the program ever writes to a section file, and the file is no file of its own.
    std::ofstream(dir.path("KX.sct"), std::ios::binary | std::ios::app) << std::string(1, '\0');
    EXPECT_EQ(ioErrorOf([] { ReadSectionFile("KX.sct"); }), "5 File access denied");
    EXPECT_EQ(ioErrorOf([] { ReadSectionDesignations("KX.sct"); }), "5 File access denied");
    EXPECT_EQ(ioErrorOf([] { ReadSectionRecord("KX.sct", 1); }), "5 File access denied");
    std::filesystem::resize_file(dir.path("KX.sct"), 49999);
    ASSERT_EQ(ReadSectionFile("KX.sct").size(), 249u) << "a tail of 199 bytes is no record";
    expectFields(ReadSectionFile("KX.sct").back(), true, "254 UC 73", "KXSect12345", 249,
                 "record 249 of 249");
}
