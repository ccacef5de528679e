// File New, Open and Save: the job reset, the safe save, refused files that leave the job as it
// was, and analysed jobs that come back from their files with every result and text.
#include "app/ProgramState.h"
#include "window/FileCommands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <limits>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>
#include <type_traits>

#include "FileReads.h"
#include "KxfTestSupport.h"
#include "Unprivileged.h"
#include "engine/AnalysedJob.h"
#include "foundation/Preferences.h"
#include "foundation/StartDirTest.h"
#include "foundation/Unit1.h"
#include "input/LoadData.h"
#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "window/Index.h"
#include "window/KxfFile.h"
#include "window/Point.h"
#include "window/RecordingFileHost.h"

using namespace kx;
using namespace kxtest;
using kx::test::BeamBuilder;

namespace {

// Files written while it lives end at `bytes`: a write beyond fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, signal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*signal_)(int) = nullptr;
};

class FileCommands : public StartDirTest {
protected:
    void SetUp() override {
        StartDirTest::SetUp();
        ResetProgramState();
        // The program starts with its version texts and the units settings (here the built-in ones).
        Model.VersionNumber = kVersionNumber;
        ReadUnitFile();
    }
    // The job saved under `name` in the test's folder; returns the path.
    std::string Save(const std::string& name) {
        Model.BeamFileName = dir_.path(name);
        SaveBeamFile(host);
        return Model.BeamFileName;
    }
    // Analyses the job as the program would before a save; setUp completes the committed beam.
    void Analyse(const BeamBuilder& beam, const std::function<void()>& setUp = {}) {
        dialogs->clear();
        AnalyseAsSaved(beam, setUp, host);
        ASSERT_EQ(Model.AnalysedFlag, 1);
        for (const std::string& m : dialogs->messages()) // warnings such as the double-coupler one pass
            ASSERT_EQ(m.find("ERROR"), std::string::npos) << m;
        dialogs->clear();
    }
    std::ptrdiff_t Entries() const {
        return std::distance(std::filesystem::directory_iterator(dir_.dir()), {});
    }

    RecordingFileHost host;
    ScopedScriptedDialogs dialogs;
};

TEST_F(FileCommands, SaveReplacesTheOldFileOnlyWithAWholeNewOne) {
    ResetBeamJob();
    // Never saved: Save asks for a name; a name without extension gets ".kxf".
    dialogs->fileAnswers.push_back(dir_.path("first"));
    SaveBeamFile(host);
    const std::string path = dir_.path("first.kxf");
    EXPECT_EQ(Model.BeamFileName, path);
    EXPECT_EQ(host.caption, path);
    EXPECT_EQ(dialogs->shown.back().text, "Save As");
    const Bytes first = ReadWholeFile(path);
    EXPECT_EQ(first, WriteKxfFile());

    // The new file cannot be written whole (the disk full at 1000 bytes): the old file stays whole,
    // Save turns to Save As, and Save As reports the failure but keeps the name. So does a job
    // whose text counts are damaged, a range or a conversion error.
    Model.HeaderJobRef = "second save";
    {
        FileSizeLimit full(1000);
        EXPECT_THROW(WriteBeamFile(path), IoError);
        dialogs->fileAnswers.push_back(path);
        SaveBeamFile(host);
    }
    for (const char* count : {"501", "x"}) {
        const TResultLine kept = Txt.SteelCheckLines[0][0];
        Txt.SteelCheckLines[0][0] = count;
        dialogs->fileAnswers.push_back(path);
        SaveBeamFile(host);
        Txt.SteelCheckLines[0][0] = kept;
    }
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>(3, "File Saving Error"));
    EXPECT_EQ(ReadWholeFile(path), first);
    EXPECT_EQ(Model.BeamFileName, path);
    EXPECT_EQ(host.caption, path);
    EXPECT_EQ(Entries(), 1); // no temporary left

    // A job the user may write keeps its permissions. A link at the name the temporary file once
    // had, pointing at another file: Save writes neither through it nor over it.
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    const std::string other = dir_.path("other.kxf");
    WriteFileDirect(other, {1, 2, 3});
    std::filesystem::create_symlink(other, path + ".~tmp");
    SaveBeamFile(host);
    EXPECT_EQ(dialogs->messages().size(), 3u);
    EXPECT_EQ(StrAt(ReadWholeFile(path), 78 + 5 * 101), "second save");
    EXPECT_EQ(ReadWholeFile(path), WriteKxfFile());
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    EXPECT_FALSE(std::filesystem::is_symlink(path));
    EXPECT_TRUE(std::filesystem::is_symlink(path + ".~tmp"));
    EXPECT_EQ(ReadWholeFile(other), (Bytes{1, 2, 3}));
    EXPECT_EQ(Entries(), 3);
}

TEST_F(FileCommands, AReadOnlyJobIsNotReplaced) {
    if (RanAsUnprivilegedUser()) return;
    ResetBeamJob();
    const std::string path = Save("job.kxf");
    const Bytes first = ReadWholeFile(path);
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    Model.HeaderJobRef = "second save";
    dialogs->fileAnswers.push_back(path); // Save turns to Save As, which is given the same name
    SaveBeamFile(host);
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{"File Saving Error"});
    EXPECT_EQ(ReadWholeFile(path), first);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0444));
    EXPECT_EQ(Entries(), 1);
}

// Run by whoever runs the tests, root included (as CI does), whom the access check lets write
// anything: a job with no write bit for anyone is kept by Save and by Save As alike.
TEST_F(FileCommands, AJobNoOneMayWriteIsKeptWhoeverSaves) {
    ResetBeamJob();
    const std::string path = Save("job.kxf");
    const Bytes first = ReadWholeFile(path);
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    Model.HeaderJobRef = "second save";
    dialogs->clear();
    dialogs->fileAnswers.push_back(path); // Save turns to Save As, which is given the same name
    SaveBeamFile(host);
    dialogs->fileAnswers.push_back(path);
    SaveBeamFileAs(host);
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>(2, "File Saving Error"));
    EXPECT_EQ(ReadWholeFile(path), first);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0444));
    EXPECT_EQ(Entries(), 1); // no temporary left
    // A write bit for anyone at all lets its owner save.
    std::filesystem::permissions(path, std::filesystem::perms(0644));
    dialogs->fileAnswers.push_back(path);
    SaveBeamFileAs(host);
    EXPECT_EQ(ReadWholeFile(path), WriteKxfFile());
}

// Save As to a folder the user may not write in, to a folder that is not there and to a name that
// is a folder: "File Saving Error", nothing written, the name kept as the job's. Over a file that
// is there: the file replaced by the job.
TEST_F(FileCommands, SaveAsReportsEachFolderItCannotWriteInAndReplacesAFileThatIsThere) {
    if (RanAsUnprivilegedUser()) return;
    ResetBeamJob();
    Model.HeaderJobRef = "JR-9";
    namespace fs = std::filesystem;
    fs::create_directory(dir_.path("locked"));
    fs::permissions(dir_.path("locked"), fs::perms(0555));
    fs::create_directory(dir_.path("folder.kxf"));
    WriteFileDirect(dir_.path("old.kxf"), {1, 2, 3});
    const std::pair<std::string, bool> names[] = {{dir_.path("locked") + "/job.kxf", false},
                                                  {dir_.path("missing") + "/job.kxf", false},
                                                  {dir_.path("folder.kxf"), false},
                                                  {dir_.path("old.kxf"), true}};
    for (const auto& [path, written] : names) {
        dialogs->clear();
        dialogs->fileAnswers.push_back(path);
        SaveBeamFileAs(host);
        EXPECT_EQ(dialogs->messages(),
                  written ? std::vector<std::string>{} : std::vector<std::string>{"File Saving Error"})
            << path;
        EXPECT_EQ(Model.BeamFileName + "|" + host.caption, path + "|" + path);
        if (written) {
            EXPECT_EQ(ReadWholeFile(path), WriteKxfFile()) << path;
            EXPECT_EQ(StrAt(ReadWholeFile(path), 78 + 5 * 101), "JR-9");
        }
    }
    EXPECT_TRUE(fs::is_empty(dir_.path("locked")));
    EXPECT_TRUE(fs::is_empty(dir_.path("folder.kxf")));
    EXPECT_FALSE(fs::exists(dir_.path("missing")));
    EXPECT_EQ(Entries(), 3); // locked, folder.kxf, old.kxf: no temporary left
}

// Copies of everything an analysis leaves, to compare with what Open rebuilds.
struct AnalysedJob {
    std::unique_ptr<EngineState> e = std::make_unique<EngineState>(Eng);
    std::unique_ptr<ResultTextTables> t = std::make_unique<ResultTextTables>(Txt);
    SharedModel m = Model;
};

void ExpectSameResults(const AnalysedJob& a) {
    const EngineState& e = *a.e;
    const ResultTextTables& t = *a.t;
    auto results = [](const EngineState& x) {
        return std::tie(x.StoredShear, x.StoredMoment, x.StoredDeflection, x.StoredCantShear,
                        x.StoredCantMoment, x.StoredCantDeflection, x.StoredCantEndA, x.StoredCantEndB,
                        x.SpanMaxMoment, x.SpanMinMoment, x.LoadcaseSpanLength, x.CantileverLength,
                        x.ReleasedSupport, x.CaseCheckFailures, x.ShearPolyline, x.MomentPolyline,
                        x.DeflectionPolyline, x.ShearExtremes, x.MomentExtremes, x.DeflectionExtremes,
                        x.CouplerMomentMax, x.EnvelopeIntervalValues, x.EnvelopeTable);
    };
    auto texts = [](const ResultTextTables& x) {
        return std::tie(x.CaseLoadLines, x.CaseSupportLines, x.CaseListing, x.KxCheckLines, x.SteelCheckLines,
                        x.TimberCheckLines, x.SummaryLines, x.MaximaLines, x.EnvelopeLines, x.LoadListLines,
                        x.PointLoadListLines, x.CaseMaxStressLines, x.MaxStressLine, x.MaxStressValue,
                        x.FactoredLoadCount);
    };
    EXPECT_TRUE(results(Eng) == results(e));
    EXPECT_TRUE(texts(Txt) == texts(t));
    EXPECT_TRUE(Model.TotalAppliedLoad == a.m.TotalAppliedLoad);
    for (int lc = 1; lc <= 5; ++lc)
        if (LineCount(t.CaseSupportLines[lc]) > 0) { // labels of loadcases not listed are never used
            EXPECT_EQ(Txt.MemberLabel[lc], t.MemberLabel[lc]) << lc;
        }
    // The file keeps the work tables as singles, so what is worked out again from them (the
    // reactions from the shear jumps, the check ratios inside restraint intervals) is rounded
    // once more than in the analysis.
    auto near = [](double now, double then) {
        return std::abs(now - then) <= 1e-6 * std::max(1.0, std::abs(then));
    };
    for (int lc = 1; lc <= 5; ++lc)
        for (int k = 1; k <= kMaxSupports; ++k)
            EXPECT_PRED2(near, Eng.SupportReaction[lc][k], e.SupportReaction[lc][k])
                << lc << " support " << k;
    for (int c = 0; c <= 5; ++c)
        for (int r = 0; r <= 27; ++r) {
            EXPECT_PRED2(near, Eng.ShearRatios[c][r], e.ShearRatios[c][r]) << c << " " << r;
            for (int i = 0; i <= 10; ++i)
                EXPECT_PRED2(near, Eng.CheckResults[c][r][i], e.CheckResults[c][r][i])
                    << c << " " << r << " " << i;
        }
    EXPECT_EQ(Model.AnalysedFlag, a.m.AnalysedFlag);
}

class OpenAndSave : public FileCommands {
protected:
    // The loadcases whose diagrams the last Open drew, in order: each SetShownCase followed by
    // DrawDiagrams.
    std::string DiagramsDrawn() const {
        std::string drawn;
        const std::string set = "SetShownCase ", draw = ", DrawDiagrams";
        for (auto at = host.calls.find(set); at != std::string::npos; at = host.calls.find(set, at + 1)) {
            const auto end = host.calls.find(',', at);
            if (host.calls.compare(end, draw.size(), draw) != 0) continue;
            drawn += (drawn.empty() ? "" : " ") + host.calls.substr(at + set.size(), end - at - set.size());
        }
        return drawn;
    }
    // Saved at path, another job analysed in between, then Open and Save twice: every result and
    // text comes back each time, and each save writes the same bytes.
    void ExpectRoundTrip(const std::string& path) {
        const AnalysedJob analysed;
        dialogs->fileAnswers.push_back(path);
        SaveBeamFileAs(host);
        const Bytes saved = ReadWholeFile(path);
        Analyse(BeamBuilder()
                    .EqualSpans(5, 3000)
                    .Udl(5, 0, 3, 15000)
                    .Udl(4, 0, 1, 15000)
                    .ShearDeflection()
                    .Section(210000, 1e8f, 5e6f));
        SetLines(Txt.SteelCheckLines[5], 1, "earlier beam");
        for (int again = 1; again <= 2; ++again) {
            host.calls.clear();
            ASSERT_TRUE(OpenBeamFile(host, path)); // New first
            EXPECT_TRUE(Model.BeamFileName == path && host.caption == path);
            EXPECT_TRUE(dialogs->messages().empty());
            ExpectSameResults(analysed);
            SaveBeamFile(host);
            EXPECT_TRUE(ReadWholeFile(path) == saved) << "saved again " << again << " times";
        }
    }
};

TEST_F(OpenAndSave, AnalysedJobsComeBackWithTheirChecksAndFailureCountsUnderAPathOfAnyLength) {
    // Forkheads, one released in loadcase 2, and the steel check, under a path of 180 characters;
    // then a job whose check fails in loadcases 1 and 2.
    Analyse(ForkheadTestBeam(), SetSteelSection);
    ASSERT_EQ(Model.StoredSpanIntervals, 200);
    ASSERT_GT(LineCount(Txt.SteelCheckLines[3]), 10) << "the steel check was to run";
    ASSERT_LT(Model.SpanCount[2], 3) << "loadcase 2 was to release a support";
    std::string path = dir_.dir();
    while (path.size() < 180)
        path += "/a-long-folder-name";
    std::filesystem::create_directories(path);
    ExpectRoundTrip(path + "/forkheads.kxf");

    Analyse(FailingSteelCheckBeam(), SetSteelSection);
    ASSERT_EQ(Eng.CaseCheckFailures[1], -1);
    ASSERT_EQ(Eng.CaseCheckFailures[2], -2);
    ASSERT_EQ(Eng.CaseCheckFailures[3], 0);
    ExpectRoundTrip(dir_.path("fails.kxf"));
}

TEST_F(OpenAndSave, LoadcasesComeBackInTheAnalysisOrderAsFarAsItWent) {
    // Couplers and shear deflection; loadcases 1 and 3 without loads; "All" chosen on the
    // selector, which the file keeps.
    Analyse(BeamBuilder()
                .Spans({3000, 5000, 3000})
                .Support(2, supCouplerTop, 4e9f)
                .Support(3, supCouplerMid, 8e9f)
                .ShearDeflection()
                .Section(210000, 2e8f, 8e6f)
                .Udl(2, 0, 12, 11000, 1.5f)
                .Point(4, 5500, 25000)
                .Point(4, 3000, 10000));
    ASSERT_EQ(Model.LoadcaseCount, 4);
    SelectLoadcase(host, "0");
    ASSERT_EQ(Model.ShownCaseMode, 1);
    ExpectRoundTrip(dir_.path("couplers.kxf"));
    EXPECT_EQ(Txt.CaseListing[3][0], "2");
    EXPECT_EQ(Txt.CaseListing[3][2], "No Loads Applied");
    // "All" is shown, with the envelope, the diagrams of loadcases 1 to 4 (those without loads
    // flat) and the selector up to loadcase 4.
    EXPECT_EQ(Model.ShownCaseMode, 1);
    EXPECT_EQ(DiagramsDrawn(), "1 2 3 4");
    for (const char* call : {"SetCaseSelection All 0", "ShowEnvelopeResults", "EnableCaseSelector 4"})
        EXPECT_NE(host.calls.find(call), std::string::npos) << call;

    // Loads in loadcases 1 and 3, and in loadcase 4 only a point load left empty: four loadcases,
    // the last one shown when the file is open, as after drawing each in turn.
    Analyse(BeamBuilder().Spans({4000, 4000}).Udl(1, 0, 5, 8000).Point(3, 2000, 10000).Point(4, 6000, 0),
            [] { MarkActiveCases(); });
    ASSERT_EQ(Model.LoadcaseCount, 4);
    ASSERT_EQ(Model.CaseHasLoads[4], 0);
    const std::string unloadedLast = Save("unloaded-last.kxf");
    host.calls.clear();
    ASSERT_TRUE(OpenBeamFile(host, unloadedLast));
    EXPECT_EQ(DiagramsDrawn(), "1 2 3 4");
    EXPECT_EQ(host.calls.substr(host.calls.rfind("SetShownCase")).substr(0, 28),
              "SetShownCase 4, DrawDiagrams");

    // Jobs saved after the analysis stopped (loadcase 2 unstable: forkheads lifted by an upward load;
    // the steel check beyond its table at Le/r 327) open as far as it went, with its message, and
    // are not taken as analysed.
    const BeamBuilder lifted =
        BeamBuilder().Spans({5000, 5000}).AllSupports(supForkhead).Udl(1, 0, 4, 10000).Udl(2, 0, -4, 10000);
    const std::tuple<BeamBuilder, std::function<void()>, std::string> stops[] = {
        {lifted, {}, "  ERROR         \r\rLoadcase 2   Beam is unstable"},
        {BeamBuilder().Spans({6000}).Udl(1, 0, 5, 6000), SetSteelSection,
         " Le/r exceeds max value for table A1"}};
    for (const auto& [beam, setUp, message] : stops) {
        dialogs->clear();
        AnalyseAsSaved(beam, setUp, host);
        ASSERT_EQ(dialogs->messages(), std::vector<std::string>{message});
        const std::string file = Save("stopped.kxf");
        dialogs->clear();
        ASSERT_TRUE(OpenBeamFile(host, file));
        EXPECT_EQ(dialogs->messages(), std::vector<std::string>{message});
        EXPECT_EQ(Model.AnalysedFlag, 0) << message;
        EXPECT_EQ(Txt.CaseSupportLines[1][1], "SUPPORTS") << message; // loadcase 1 was listed
    }
    // The steel check's stop in the file opened last does not stop the next file's rebuild.
    host.calls.clear();
    ASSERT_TRUE(OpenBeamFile(host, unloadedLast));
    EXPECT_EQ(Model.AnalysedFlag, 1);
    EXPECT_EQ(DiagramsDrawn(), "1 2 3 4");
}

TEST_F(OpenAndSave, NewLeavesNothingOfTheJobBeforeAndRefusedFilesLeaveTheJobAsBeforeTheOpen) {
    if (RanAsUnprivilegedUser()) return; // so that a file may be unreadable
    Analyse(ForkheadTestBeam(), SetSteelSection);
    ASSERT_LT(Model.SpanCount[2], 3) << "loadcase 2 was to release a support";
    ASSERT_NE(Txt.SteelCheckLines[3][0], "");
    const std::string path = Save("job.kxf");
    const Bytes saved = ReadWholeFile(path);
    SetLines(Txt.SteelCheckLines[0], 1, "earlier beam"); // slot 0 is saved even without loadcases
    Eng.SupportWorkValues[26] = 1;                       // as the diagrams leave them
    Eng.MinSupportReaction[1] = -1;
    NewBeam(host);
    for (int lc = 0; lc <= 5; ++lc)
        EXPECT_EQ(Model.SpanCount[lc], 1) << lc;
    // No reaction or check line of the earlier job is left to show or to save.
    EXPECT_TRUE(Eng.SupportWorkValues[26] == 0 && Eng.MinSupportReaction[1] == 0 &&
                Eng.SupportReaction[3][2] == 0);
    EXPECT_EQ(Txt.SteelCheckLines[0][0].str() + Txt.SteelCheckLines[3][0].str(), "");
    EXPECT_NO_THROW(ReadKxfFile(WriteKxfFile()));

    // The job opened again and changed without a save: whatever file an Open refuses, the job, its
    // results, its file name and the windows (the file commands enabled among them) stay as they were.
    ASSERT_TRUE(OpenBeamFile(host, path));
    Model.HeaderJobRef = "changed, not saved";
    Model.LoadTable[1][1][lfP] *= 2;
    const Bytes unsaved = WriteKxfFile();
    const AnalysedJob job;
    auto expectJobKept = [&](const std::string& what) {
        EXPECT_EQ(WriteKxfFile(), unsaved) << what;
        ExpectSameResults(job);
        EXPECT_EQ(Model.BeamFileName + "|" + host.caption, path + "|" + path) << what;
        EXPECT_EQ(host.calls, "") << what; // the windows are left alone
    };
    Bytes padded = saved;
    padded.resize(1 << 20);
    const std::pair<Bytes, std::string> refused[] = {
        {With(saved, 708, 6), "Not a valid beam file"}, // six loadcases
        {With(saved, 3232, std::numeric_limits<std::int32_t>::min()), "Not a valid beam file"}, // failures
        {With(saved, 0, "2.0"), "Beam file version 2.0 cannot be read"},
        {Bytes(saved.begin(), saved.begin() + 25), "Not a valid beam file"},
        {Bytes(1000, 'A'), "Not a valid beam file"},
        {Bytes(1 << 20, 0), "Not a valid beam file"},
        {padded, "Not a valid beam file"}};
    const std::string other = dir_.path("other.kxf");
    for (const auto& [image, message] : refused) {
        WriteFileReplacing(other, image);
        dialogs->clear();
        host.calls.clear();
        EXPECT_FALSE(OpenBeamFile(host, other));
        EXPECT_EQ(dialogs->messages(), std::vector<std::string>{message});
        expectJobKept(message);
    }

    // Longer than the largest beam file: refused from its size, the version and no more read
    // (256 MB, with no disk space taken).
    WriteFileReplacing(other, saved);
    std::filesystem::resize_file(other, 256u << 20);
    const auto before = BytesReadSoFar();
    dialogs->clear();
    EXPECT_FALSE(OpenBeamFile(host, other));
    if (before) {
        EXPECT_LT(*BytesReadSoFar() - *before, 65536u);
    }
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{"Not a valid beam file"});
    expectJobKept("256 MB");

    // A name that does not end in "kxf" is not read, and no message is shown.
    dialogs->clear();
    WriteFileReplacing(dir_.path("job.KXF"), saved);
    EXPECT_FALSE(OpenBeamFile(host, dir_.path("job.KXF")));
    EXPECT_TRUE(dialogs->messages().empty());
    expectJobKept("job.KXF");

    // A folder, a pipe, a link to a device that never ends, a file the user may not read, a file
    // that is not there: the I/O error goes to the error box, and nothing is read.
    std::filesystem::create_directory(dir_.path("folder.kxf"));
    ASSERT_EQ(::mkfifo(dir_.path("pipe.kxf").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", dir_.path("zero.kxf"));
    WriteFileReplacing(dir_.path("unreadable.kxf"), saved);
    std::filesystem::permissions(dir_.path("unreadable.kxf"), std::filesystem::perms::none);
    for (const char* name : {"folder.kxf", "pipe.kxf", "zero.kxf", "unreadable.kxf", "missing.kxf"}) {
        try {
            OpenBeamFile(host, dir_.path(name));
            ADD_FAILURE() << name << " was read";
        } catch (const IoError& e) {
            EXPECT_STREQ(e.what(), name[0] == 'm' ? "File not found" : "File access denied") << name;
        }
        expectJobKept(name);
    }
}

} // namespace

TEST_F(OpenAndSave, OpenTakesTheDefaultLayoutAndTheFilesUnitsAndLeavesNoValuesAtAPointOfTheJobBefore) {
    // Job A (one 5000 mm span, 10 N/mm) saved with its lengths in mm.
    Analyse(BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000));
    Model.UnitTextLength = "mm", Model.UnitFactorLength = 1;
    AnalyseBeam(host); // results in the units they are saved with
    const std::string path = Save("a.kxf");
    // Another job in m, analysed, with values found at 2.5 m, the main window in its Results layout
    // and the preferences shown.
    Analyse(BeamBuilder().Spans({4000}).Udl(1, 0, 15, 4000));
    ASSERT_TRUE(CalcPointResults("2"));
    ASSERT_FALSE(PointListContent().empty());
    Drawing.DiagramMode = 1;
    PreferencesShow();
    ASSERT_EQ(OldUnitFactors.Length, 1000.0f);

    ASSERT_TRUE(OpenBeamFile(host, path));
    EXPECT_EQ(Drawing.DiagramMode, 0) << "the diagrams are placed for the Default layout";
    EXPECT_TRUE(PointListContent().empty()) << "no figures of the job before";
    // The input windows show the file's job in mm: the conversion starts from mm.
    EXPECT_EQ(OldUnitFactors.Length, 1.0f);

    // A commit that clears the analysis and a new analysis each leave no values found before them.
    for (const auto& change :
         std::vector<std::function<void()>>{[this] { ClearAnalysis(host); }, [this] { RunAnalysis(host); }}) {
        RunAnalysis(host);
        ASSERT_TRUE(CalcPointResults("2500"));
        change();
        EXPECT_TRUE(PointListContent().empty());
    }
    // The commit leaves the loadcase count but no results: nothing is solved at a point.
    ClearAnalysis(host);
    dialogs->clear();
    EXPECT_FALSE(CalcPointResults("2500"));
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{"Analyse the beam first"});
}

TEST_F(OpenAndSave, OpenTellsTheWindowsEachStepInOrderForOneLoadcaseAndForSeveral) {
    // New first (the windows hidden and cleared), then the file's name, the Default layout, the
    // lists emptied, the selector shown, the picture black; the beam and its loads; the loadcase
    // shown (the only one, or "All" with the envelope); every loadcase's diagrams up to the last;
    // the selector up to the count, the file commands enabled and the input forms restored.
    const std::string cleared =
        "HideInputForms, SetCaption , DisableFileMenus, SetShownCase 0, ResetImageRect, "
        "FillImageBlack, ResetInputForms, ClearResultLists, SetCaption ";
    const std::string opened =
        ", TileDefault, EmptyResultLists, ShowCaseSelector, FillImageBlack, DrawBeam, DrawLoads, ";
    struct Job {
        BeamBuilder beam;
        std::string shown;
    };
    const Job jobs[] = {
        {JobA(), "SetShownCase 1, SetCaseSelection 1 1, ShowCaseResults, FillResultsList, SetShownCase 1, "
                 "DrawDiagrams, EnableCaseSelector 1"},
        {JobC(),
         "SetShownCase 0, SetCaseSelection All 0, ShowCaseResults, FillResultsList, ShowEnvelopeResults, "
         "SetShownCase 1, DrawDiagrams, SetShownCase 2, DrawDiagrams, EnableCaseSelector 2"},
        {BeamBuilder().Spans({3000, 3000}).Udl(1, 0, 5, 6000).Udl(3, 0, 5, 3000).Point(5, 4500, 1000),
         "SetShownCase 0, SetCaseSelection All 0, ShowCaseResults, FillResultsList, ShowEnvelopeResults, "
         "SetShownCase 1, DrawDiagrams, SetShownCase 2, DrawDiagrams, SetShownCase 3, DrawDiagrams, "
         "SetShownCase 4, DrawDiagrams, SetShownCase 5, DrawDiagrams, EnableCaseSelector 5"}};
    for (const Job& job : jobs) {
        Analyse(job.beam);
        const std::string path = Save("job.kxf");
        host.calls.clear();
        ASSERT_TRUE(OpenBeamFile(host, path));
        EXPECT_EQ(host.calls, cleared + path + opened + job.shown + ", EnableFileMenus, RestoreInputForms");
    }
}

TEST_F(OpenAndSave, ASpanDeflectionOver100ComesBackWithItsDecimals) {
    // 5wL^4/384EI = 5 x 10 x 10000^4 / (384 x 210000 x 5e7) = 124.0 mm: two decimals by rule 5
    // (three digits), which the file's stored deflections must give again, as it keeps no maximum.
    Analyse(BeamBuilder().Spans({10000}).Udl(1, 0, 10, 10000).Section(210000, 5e7f));
    std::string row;
    for (int i = 1; i <= LineCount(Txt.CaseSupportLines[1]); ++i) {
        const std::string line = Txt.CaseSupportLines[1][i].str();
        if (line.find("124.") != std::string::npos) row = line;
    }
    ASSERT_NE(row, "") << "no member row shows the deflection of 124 mm";
    const std::string last = row.substr(row.find_last_of(' ') + 1);
    EXPECT_NEAR(std::abs(std::stod(last)), 124.0, 1.3) << row;
    EXPECT_EQ(last.size() - last.find('.'), 3u) << row;
    ExpectRoundTrip(dir_.path("deflection.kxf"));
}

TEST_F(FileCommands, AnAnalysisThatFailsLeavesNoResultsAndSaysSo) {
    // A load record whose kind no whole number can hold stops the loads listing, the last step.
    Analyse(JobA());
    for (int lc = 1; lc <= 5; ++lc)
        Model.LoadTable[lc][7][lfKind] = 3e10f;
    host.calls.clear();
    RunAnalysis(host);
    EXPECT_EQ(dialogs->messages(),
              std::vector<std::string>{" ERROR  \r The analysis could not be completed\r Beam not analysed"});
    EXPECT_EQ(Model.AnalysedFlag, 0);
    EXPECT_EQ(LineCount(Txt.CaseSupportLines[1]) + LineCount(Txt.SummaryLines), 0);
    EXPECT_EQ(host.calls.substr(host.calls.rfind("ClearResultLists")),
              "ClearResultLists, FillImageBlack, DisableFileMenus");
}

TEST_F(FileCommands, NewOverAJobThatDiffersInEveryFieldResetsEachFieldItResets) {
    // The job New leaves after an ordinary job, and after the same job with every variable the beam
    // file holds changed: what New resets is the same both times, what it keeps is not.
    auto newAfter = [this](bool changed) {
        ResetProgramState();
        Model.VersionNumber = kVersionNumber;
        ReadUnitFile();
        SetUpJob();
        if (changed) PerturbFileVariables();
        NewBeam(host);
    };
    newAfter(false);
    const AnalysedJob ordinary;
    newAfter(true);
    const SharedModel& m = ordinary.m;
    const EngineState& e = *ordinary.e;
    const ResultTextTables& t = *ordinary.t;
    // clang-format off
#define RESET_MODEL(X) X(CurrentLoadcase) X(SpanCount) X(LoadcaseCount) X(LoadTable) X(SpanData)                     \
    X(EffLengthMemberLength) X(HeaderProject1) X(HeaderProject2) X(HeaderJobDesc) X(HeaderJobRef)                  \
    X(SectionDescription) X(BeamLength) X(SupportType) X(SupportStiffness) X(UDLStackTable) X(SectionPropLines)   \
    X(TimberResultLinesSaved) X(TimberGradeSaved) X(DepthThicknessRatio) X(SlendernessRatio) X(Pbc)               \
    X(SteelSectionFlag) X(SpanOptPos) X(SpanOptDead) X(SpanOptFull) X(SpanOptPartial) X(SpanOptNot) X(SpanOpt12) \
    X(SpanOptRestrained) X(SpanOptInt) X(SpanOptEdit) X(CantLHOpts) X(CantRHOpts) X(AnySpanIntervals)           \
    X(EffLength) X(RestraintPos) X(EffLengthText) X(FactoredLoadsFlag) X(FileTag) X(UnitTextLength)              \
    X(UnitTextForce) X(UnitTextUDL) X(UnitTextSectE) X(UnitTextSectI) X(UnitTextShear) X(UnitTextMoment)         \
    X(UnitTextDeflection) X(UnitFactorLength) X(UnitFactorForce) X(UnitFactorUDL) X(UnitFactorSectE)             \
    X(UnitFactorSectI) X(UnitFactorShear) X(UnitFactorMoment) X(UnitFactorDeflection) X(LoadRowsShown)
#define RESET_TEXT(X) X(CaseListing) X(CaseLoadLines) X(CaseSupportLines) X(KxCheckLines) X(TimberCheckLines)        \
    X(SteelCheckLines) X(SummaryLines) X(LoadListLines) X(PointLoadListLines) X(MaximaLines) X(CaseMaxStressLines)
    // clang-format on
#define EXPECT_MODEL_RESET(v) EXPECT_TRUE(Model.v == m.v) << #v;
#define EXPECT_TEXT_RESET(v) EXPECT_TRUE(Txt.v == t.v) << #v;
    RESET_MODEL(EXPECT_MODEL_RESET)
    RESET_TEXT(EXPECT_TEXT_RESET)
#undef EXPECT_MODEL_RESET
#undef EXPECT_TEXT_RESET
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Model.CapCheckSettings[k], m.CapCheckSettings[k]) << k;
    EXPECT_TRUE(Eng.ShearExtremes == e.ShearExtremes && Eng.MomentExtremes == e.MomentExtremes &&
                Eng.DeflectionExtremes == e.DeflectionExtremes);
    // Nothing of the analysed job's results is left: its extremes, reactions, support loads, check
    // results and work rows are all 0.
    auto none = [](const auto& x) { return x == std::remove_cvref_t<decltype(x)>{}; };
    EXPECT_TRUE(none(Eng.ShearExtremes) && none(Eng.MomentExtremes) && none(Eng.DeflectionExtremes));
    EXPECT_TRUE(none(Eng.SupportReaction) && none(Eng.SupportPointLoad) &&
                none(Eng.UnfactoredSupportPointLoad) && none(Eng.SupportWorkValues) &&
                none(Eng.MinSupportReaction) && none(Eng.CheckResults));
    for (int row = 0; row <= kMaxSpans; ++row)
        for (int p = 1; p <= kResultPoints; ++p)
            ASSERT_TRUE(Eng.ShearForce[row][p] == 0 && Eng.BendingMoment[row][p] == 0) << row << " " << p;
    // The values New gives, worked from its rules rather than taken from the ordinary run.
    EXPECT_EQ(
        std::make_tuple(Model.CurrentLoadcase, Model.SpanCount[5], Model.LoadcaseCount, Model.LoadRowsShown),
        std::make_tuple(1, 1, 0, 6));
    EXPECT_EQ(Model.LoadTable[5][kSelfWeightRecord][lfApplied], -1.0f);
    EXPECT_EQ(Model.FileTag.str() + Model.UnitTextLength.str() + Model.UnitTextMoment.str(), "MBSmkN-m");
    EXPECT_EQ(Model.UnitFactorShear, 0.001f);
    EXPECT_EQ(Model.FactoredLoadsFlag, -1) << "the built-in units turn factored loads off";
    EXPECT_EQ(Model.BeamFileName, "");
    // Kept: the company and user header texts and the steel calculator's fifth value.
    EXPECT_NE(Model.HeaderCompany.str(), m.HeaderCompany.str());
    EXPECT_NE(Model.HeaderUser.str(), m.HeaderUser.str());
    EXPECT_NE(Model.CapCheckSettings[4], m.CapCheckSettings[4]);
}

TEST_F(FileCommands, ResultsOfAnotherJobAreNeverSaved) {
    // Job A analysed and saved, then a load changed without an analysis: Save and Save As say
    // "File Saving Error" at once, with no dialog, and the file keeps job A.
    Analyse(JobA());
    const std::string path = Save("a.kxf");
    const Bytes saved = ReadWholeFile(path);
    Model.LoadTable[1][1][lfW1] = 20;
    ASSERT_TRUE(ResultsOfAnotherJob());
    dialogs->clear();
    SaveBeamFile(host);
    dialogs->fileAnswers.push_back(path);
    SaveBeamFileAs(host);
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>(2, "File Saving Error"));
    EXPECT_EQ(dialogs->fileAnswers.size(), 1u) << "no save dialog";
    try {
        WriteBeamFile(path);
        ADD_FAILURE() << "written";
    } catch (const KxfFileError& e) {
        EXPECT_STREQ(e.what(), "File Saving Error");
    }
    EXPECT_EQ(ReadWholeFile(path), saved);
    EXPECT_EQ(Model.BeamFileName, path);
}

// A job opened after another of more spans, analysed, lists and saves what it does when opened
// first: nothing of the other job's work rows reaches it. The forkhead job's loadcase 2 has lost
// supports (fewer spans than three), yet the decimals of its deflection column look at all three
// committed spans: the third's largest deflection must be none, not that of the larger job's last
// loadcase (2) in its span 3, over 100 mm (propped, wL^4/185EI = 10 x 10000^4 / (185 x 210000 x
// 2e7) = 129 mm), which would leave the column 2 decimals instead of 3.
TEST_F(OpenAndSave, AJobOpenedAfterALargerOneListsAndSavesAsWhenOpenedFirst) {
    const std::tuple<const char*, BeamBuilder, BeamBuilder> rows[] = {
        {"small.kxf", BeamBuilder().Spans({4000, 5000}).Udl(1, 0, 10, 9000),
         BeamBuilder().Spans({3000, 3000, 3000, 3000, 3000}).Udl(1, 0, 50, 15000).Point(1, 7000, 90000)},
        {"released.kxf", ForkheadTestBeam(),
         BeamBuilder()
             .Spans({4000, 4000, 10000})
             .Section(210000, 2e7f)
             .Udl(1, 0, 1, 18000)
             .Udl(2, 8000, 10, 10000)}};
    for (const auto& [name, small, larger] : rows) {
        Analyse(small);
        const std::string path = Save(name);
        ASSERT_TRUE(OpenBeamFile(host, path));
        const std::vector<std::uint8_t> first = WriteKxfFile();
        const ResultTextTables texts = Txt;

        Analyse(larger);
        if (Model.SpanCount[0] == 3) {
            ASSERT_GT(std::abs(Eng.SpanMaxDeflection[2][3]), 100.0)
                << "the larger job's span 3 in loadcase 2";
        }
        ASSERT_TRUE(OpenBeamFile(host, path));
        if (Model.LoadcaseCount > 1) {
            ASSERT_LT(Model.SpanCount[2], 3) << name;
        }
        EXPECT_TRUE(WriteKxfFile() == first) << name;
        EXPECT_TRUE(Txt == texts) << name;
    }
}

// A two-span forkhead job holds its kind of support in the slots of its own supports (the LH end,
// 1 and the RH end); that of a third support stays empty. Opened, with several loadcases, it builds
// no envelope, as its analysis builds none.
TEST_F(OpenAndSave, ATwoSpanForkheadJobOpensWithoutAnEnvelopeAsItsAnalysisLeftIt) {
    Analyse(BeamBuilder()
                .Spans({4000, 5000})
                .AllSupports(supForkhead)
                .Udl(1, 0, 10, 9000)
                .Udl(2, 0, 4, 9000)
                .Point(2, 2000, 8000)
                .Udl(3, 0, 2, 9000));
    ASSERT_EQ(Model.LoadcaseCount, 3);
    ASSERT_EQ(Model.SupportType[2], supNone);
    ASSERT_EQ(LineCount(Txt.EnvelopeLines), 0);
    ExpectRoundTrip(dir_.path("two-span-forkheads.kxf"));
    EXPECT_EQ(LineCount(Txt.EnvelopeLines), 0);
}

// A job of the most spans there may be, 25 on 26 supports with both cantilevers, analysed and
// opened again, whole: fixed supports, and forkheads of which loadcase 2 releases one (24 spans
// then). Each loadcase's reactions, worked out again from the opened file, add up to its load:
// loadcase 1, 5 N/mm over 1000 + 25 x 2000 + 1000 = 52000 mm = 260000 N; loadcase 2, 20 N/mm over
// span 1 (2000 mm) = 40000 N plus 2000 N on the LH cantilever = 42000 N.
TEST_F(OpenAndSave, AJobOfTwentyFiveSpansComesBackWhole) {
    const std::tuple<const char*, int, double, double> rows[] = {
        {"fixed25.kxf", supFixed, 260000, 42000},
        {"forkheads25.kxf", supForkhead, 260000, 42000},
    };
    for (const auto& [name, support, load1, load2] : rows) {
        Analyse(BeamBuilder()
                    .LHCantilever(1000)
                    .EqualSpans(kMaxSpans, 2000)
                    .RHCantilever(1000)
                    .AllSupports(support)
                    .Udl(1, 0, 5, 52000)
                    .Udl(2, 1000, 20, 2000)
                    .Point(2, 500, 2000));
        ASSERT_EQ(Model.SpanCount[0], kMaxSpans) << name;
        ASSERT_EQ(Model.SpanCount[1], kMaxSpans) << name;
        if (support == supForkhead) {
            ASSERT_LT(Model.SpanCount[2], kMaxSpans) << "loadcase 2 was to release a support";
        }
        ExpectRoundTrip(dir_.path(name));
        EXPECT_EQ(Model.SpanCount[0], kMaxSpans) << name;
        const double loads[] = {load1, load2};
        for (int lc = 1; lc <= 2; ++lc) {
            double sum = 0;
            for (int k = 1; k <= kMaxSupports; ++k)
                sum += Eng.SupportReaction[lc][k];
            EXPECT_NEAR(sum, loads[lc - 1], 1e-3 * loads[lc - 1]) << name << " loadcase " << lc;
        }
    }
}
