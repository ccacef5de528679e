#include "window/FileCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "KxfTestJobs.h"
#include "KxfTestSupport.h"
#include "RecordingFileHost.h"
#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/EngineState.h"
#include "foundation/StartDirTest.h"
#include "foundation/Units.h"
#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "window/DrawingState.h"
#include "window/KxfFile.h"
#include "window/ResultText.h"

using namespace kx;
using namespace kxtest;

namespace {

class FileCommands : public StartDirTest {
protected:
    void SetUp() override {
        StartDirTest::SetUp();
        Eng = EngineState{};
        Txt = ResultTextTables{};
        Drawing = DrawingState{};
        ReadUnitFile(); // the program starts with the units settings (here the built-in ones)
    }

    void putFile(const std::string& path, const Bytes& bytes) const {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // Every variable that New resets, set to something else.
    void fillJob() {
        SharedModel& m = Model;
        m.BeamFileName = "/jobs/old.kxf";
        m.CurrentLoadcase = 4;
        m.SpanCount[0] = 7;
        m.SpanCount[3] = 5;
        m.LoadcaseCount = 3;
        m.LoadTable[5][51][lfApplied] = 1;
        m.LoadTable[2][7][lfP] = 10;
        m.LoadTable[1][1][lfSpare] = 3;
        m.SpanData[26][mfL] = 1500;
        m.SpanData[27][kShearDeflectionField] = 1;
        m.EffLengthMemberLength[26] = 1500;
        m.HeaderCompany = "Acme";
        m.HeaderUser = "JS";
        m.HeaderProject1 = "P1";
        m.HeaderProject2 = "P2";
        m.HeaderJobDesc = "Desc";
        m.HeaderJobRef = "Ref";
        m.SectionDescription = "UB";
        m.BeamLength = 9000;
        m.SupportType[25] = supFixedEnd;
        m.SupportStiffness[3] = 1e9f;
        Eng.SupportReaction[5][26] = 1;
        Eng.SupportPointLoad[2][3] = 1;
        Eng.SupportWorkValues[26] = 1;
        Eng.MinSupportReaction[1] = -1;
        Eng.ShearForce[25][201] = 1;
        Eng.BendingMoment[0][1] = 1;
        m.UDLStackTable[5][50][usW2Sum] = 1;
        Eng.ShearExtremes[0][27][5] = 1;
        Eng.MomentExtremes[5][0][0] = 1;
        Eng.DeflectionExtremes[3][14][2] = 1;
        m.SectionPropLines[50] = "x";
        m.TimberResultLinesSaved[0] = "3";
        Eng.CheckResults[5][27][10] = 1;
        m.TimberGradeSaved = "C16";
        for (int k = 0; k < 5; ++k)
            m.CapCheckSettings[k] = 9;
        m.DepthThicknessRatio = 1;
        m.SlendernessRatio = 2;
        m.Pbc = 3;
        m.SteelSectionFlag = 1;
        for (SpanFlags* f : {&m.SpanOptPos, &m.SpanOptDead, &m.SpanOptFull, &m.SpanOptPartial, &m.SpanOptNot,
                             &m.SpanOpt12, &m.SpanOptRestrained, &m.SpanOptInt, &m.SpanOptEdit})
            (*f)[25] = 1;
        m.EffLength[26][kIntervalCountField] = 3;
        m.RestraintPos[13][10] = 200;
        m.EffLengthText[0] = "0.85L";
        m.FactoredLoadsFlag = 1;
        m.FileTag = "Junk";
        m.LoadRowsShown = 12;
        // Not reset by New.
        m.SectionShape = "Beam";
        m.CaseHasLoads[2] = 1;
        m.AnySpanIntervals = 1;
        m.CantLHOpts[3] = 1;
        m.LiftHeight = 2000;
    }
};

TEST_F(FileCommands, NewResetsTheJobAndKeepsWhatNewKeeps) {
    TUnitSettings file = Model;
    file.UnitTextLength = "ft";
    file.UnitFactorLength = 304.8f;
    file.FactoredLoadsFlag = 1;
    WriteUnitFile(file);
    fillJob();
    ResetBeamJob();

    const SharedModel& m = Model;
    EXPECT_EQ(m.BeamFileName, "");
    EXPECT_EQ(m.CurrentLoadcase, 1);
    EXPECT_EQ(m.SpanCount[0], 1);
    EXPECT_EQ(m.LoadcaseCount, 0);
    for (int lc = 1; lc <= 5; ++lc)
        for (int r = 1; r <= 51; ++r)
            for (int f = 0; f < 8; ++f)
                ASSERT_EQ(m.LoadTable[lc][r][f], f == lfApplied ? -1.0f : 0.0f);
    EXPECT_EQ(m.SpanData[26][mfL], 0.0f);
    EXPECT_EQ(m.SpanData[27][kShearDeflectionField], 0.0f);
    EXPECT_EQ(m.EffLengthMemberLength[26], 0.0f);
    EXPECT_EQ(m.HeaderCompany, "Acme");
    EXPECT_EQ(m.HeaderUser, "JS");
    for (const Str100* h : {&m.HeaderProject1, &m.HeaderProject2, &m.HeaderJobDesc, &m.HeaderJobRef})
        EXPECT_EQ(*h, "");
    EXPECT_EQ(m.SectionDescription, "");
    EXPECT_EQ(m.BeamLength, 0.0);
    EXPECT_EQ(m.SupportType[25], supNone);
    EXPECT_EQ(m.SupportStiffness[3], 0.0f);
    EXPECT_EQ(Eng.SupportReaction[5][26], 0.0);
    EXPECT_EQ(Eng.SupportPointLoad[2][3], 0.0f);
    EXPECT_EQ(Eng.SupportWorkValues[26], 0.0f);
    EXPECT_EQ(Eng.MinSupportReaction[1], 0.0f);
    EXPECT_EQ(Eng.ShearForce[25][201], 0.0);
    EXPECT_EQ(Eng.BendingMoment[0][1], 0.0);
    EXPECT_EQ(m.UDLStackTable[5][50][usW2Sum], 0.0f);
    EXPECT_EQ(Eng.ShearExtremes[0][27][5], 0.0f);
    EXPECT_EQ(Eng.MomentExtremes[5][0][0], 0.0f);
    EXPECT_EQ(Eng.DeflectionExtremes[3][14][2], 0.0f);
    EXPECT_EQ(m.SectionPropLines[50], "");
    EXPECT_EQ(m.TimberResultLinesSaved[0], "");
    EXPECT_EQ(Eng.CheckResults[5][27][10], 0.0f);
    EXPECT_EQ(m.TimberGradeSaved, "");
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(m.CapCheckSettings[k], 0);
    EXPECT_EQ(m.CapCheckSettings[4], 9);
    EXPECT_EQ(m.DepthThicknessRatio, 0.0f);
    EXPECT_EQ(m.SlendernessRatio, 0.0f);
    EXPECT_EQ(m.Pbc, 0.0f);
    EXPECT_EQ(m.SteelSectionFlag, 0);
    for (const SpanFlags* f : {&m.SpanOptPos, &m.SpanOptDead, &m.SpanOptFull, &m.SpanOptPartial,
                               &m.SpanOptNot, &m.SpanOpt12, &m.SpanOptRestrained, &m.SpanOptInt})
        EXPECT_EQ((*f)[25], 0);
    EXPECT_EQ(m.SpanOptEdit[25], 1);
    EXPECT_EQ(m.EffLength[26][kIntervalCountField], 0.0f);
    EXPECT_EQ(m.RestraintPos[13][10], 0);
    EXPECT_EQ(m.EffLengthText[0], "");
    EXPECT_EQ(m.FileTag, "MBS");
    EXPECT_EQ(m.LoadRowsShown, 6);
    // The units come from the settings file again.
    EXPECT_EQ(m.UnitTextLength, "ft");
    EXPECT_EQ(m.UnitFactorLength, 304.8f);
    EXPECT_EQ(m.FactoredLoadsFlag, 1);
    // New leaves these to the input windows' next commit.
    EXPECT_EQ(m.SectionShape, "Beam");
    EXPECT_EQ(m.CaseHasLoads[2], 1);
    EXPECT_EQ(m.AnySpanIntervals, 1);
    EXPECT_EQ(m.CantLHOpts[3], 1);
    EXPECT_EQ(m.LiftHeight, 2000.0f);
}

TEST_F(FileCommands, NewFallsBackToEightBuiltInUnitsWithoutASettingsFile) {
    Model.UnitTextLength = "in";
    Model.UnitFactorLength = 25.4f;
    Model.UnitTextDeflection = "cm";
    Model.UnitFactorDeflection = 0.1f;
    Model.UnitTextStress = "lbf/in^2";
    Model.UnitFactorStress = 145.03767f;
    Model.UnitTextSectZ = "in^3";
    Model.MomentDiagramSign = -1;
    SetModulusLabels(Model, false);
    Model.FactoredLoadsFlag = 1;
    putFile(dir_.path("Kxf_Unit.dim"), Bytes(100, 0)); // too short to be used

    ResetBeamJob();
    EXPECT_EQ(Model.UnitTextLength, "m");
    EXPECT_EQ(Model.UnitFactorLength, 1000.0f);
    EXPECT_EQ(Model.UnitTextForce, "kN");
    EXPECT_EQ(Model.UnitTextUDL, "kN/m");
    EXPECT_EQ(Model.UnitTextSectE, "N/mm^2");
    EXPECT_EQ(Model.UnitFactorSectI, 10000.0f);
    EXPECT_EQ(Model.UnitFactorShear, 0.001f);
    EXPECT_EQ(Model.UnitFactorMoment, 1e-6f);
    EXPECT_EQ(Model.UnitTextDeflection, "mm");
    EXPECT_EQ(Model.UnitFactorDeflection, 1.0f);
    EXPECT_EQ(Model.MomentDiagramSign, 1);
    EXPECT_EQ(Model.ModulusLabelPlasticXX, "Sxx");
    EXPECT_EQ(Model.ModulusLabelElasticYY, "Zyy");
    EXPECT_EQ(Model.FactoredLoadsFlag, -1);
    // Kinds New does not reset keep the user's choice.
    EXPECT_EQ(Model.UnitTextStress, "lbf/in^2");
    EXPECT_EQ(Model.UnitFactorStress, 145.03767f);
    EXPECT_EQ(Model.UnitTextSectZ, "in^3");
}

TEST_F(FileCommands, OnlyNamesEndingInLowerCaseKxfAreOpened) {
    EXPECT_TRUE(HasBeamFileSuffix("/jobs/beam.kxf"));
    EXPECT_TRUE(HasBeamFileSuffix("kxf"));
    EXPECT_FALSE(HasBeamFileSuffix("/jobs/beam.KXF"));
    EXPECT_FALSE(HasBeamFileSuffix("/jobs/beam.kx"));
    EXPECT_FALSE(HasBeamFileSuffix("xf"));
}

TEST_F(FileCommands, SaveReplacesTheOldFileOnlyWhenTheNewOneIsComplete) {
    ResetBeamJob();
    Model.VersionNumber = "1.3";
    const std::string path = dir_.path("beam.kxf");
    WriteBeamFile(path);
    const Bytes first = ReadWholeFile(path);
    EXPECT_EQ(first, WriteKxfFile());

    // A temporary file that cannot be created: the save fails and the old file stays whole.
    Model.HeaderJobRef = "second save";
    std::filesystem::create_directory(path + ".~tmp");
    EXPECT_THROW(WriteBeamFile(path), IoError);
    EXPECT_EQ(ReadWholeFile(path), first);
    std::filesystem::remove(path + ".~tmp");

    WriteBeamFile(path);
    EXPECT_EQ(StrAt(ReadWholeFile(path), 78 + 5 * 101), "second save");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.dir()), {}), 1); // no temporary left
}

TEST_F(FileCommands, OpenReadsOnlyVersionOneAndChangesNothingOtherwise) {
    ResetBeamJob();
    Model.VersionNumber = "1.3";
    Model.HeaderJobDesc = "saved job";
    const std::string path = dir_.path("beam.kxf");
    WriteBeamFile(path);
    const Bytes saved = ReadWholeFile(path);

    Model.HeaderJobDesc = "job in memory";
    const Bytes before = WriteKxfFile();
    auto expectRefused = [&](const Bytes& image, const std::string& message) {
        putFile(path, image);
        try {
            ReadBeamFile(path);
            ADD_FAILURE() << "read " << message;
        } catch (const KxfFileError& e) {
            EXPECT_EQ(e.what(), message);
        }
        EXPECT_EQ(WriteKxfFile(), before);
    };
    Bytes v2 = saved;
    PutStr(v2, 0, "2.0", 25);
    expectRefused(v2, "Beam file version 2.0 cannot be read");
    expectRefused(Bytes(saved.begin(), saved.begin() + 25), "Not a valid beam file");
    expectRefused(Bytes(1000, 0x41), "Not a valid beam file");
    EXPECT_THROW(ReadBeamFile(dir_.path("missing.kxf")), IoError);

    Bytes v10 = saved;
    PutStr(v10, 0, "1.0", 25);
    putFile(path, v10);
    ReadBeamFile(path);
    EXPECT_EQ(Model.HeaderJobDesc, "saved job");
    EXPECT_EQ(Model.VersionNumber, "1.0"); // the file's version replaces the program's
}

} // namespace

namespace {

using kx::test::BeamBuilder;

// Copies of everything an analysis leaves, to compare with what Open rebuilds.
struct AnalysedJob {
    std::unique_ptr<EngineState> e = std::make_unique<EngineState>(Eng);
    std::unique_ptr<ResultTextTables> t = std::make_unique<ResultTextTables>(Txt);
    SharedModel m = Model;
};

template <typename Table> void ExpectSameLines(const Table& now, const Table& then, const std::string& name) {
    for (int i = Table::low; i <= Table::high; ++i)
        if (!(now[i] == then[i])) {
            ADD_FAILURE() << name << " line " << i << ": \"" << now[i].str() << "\" was \"" << then[i].str()
                          << "\"";
            return;
        }
}

void ExpectSameResults(const AnalysedJob& a) {
    const EngineState& e = *a.e;
    EXPECT_TRUE(Eng.StoredShear == e.StoredShear);
    EXPECT_TRUE(Eng.StoredMoment == e.StoredMoment);
    EXPECT_TRUE(Eng.StoredDeflection == e.StoredDeflection);
    EXPECT_TRUE(Eng.StoredCantShear == e.StoredCantShear);
    EXPECT_TRUE(Eng.StoredCantMoment == e.StoredCantMoment);
    EXPECT_TRUE(Eng.StoredCantDeflection == e.StoredCantDeflection);
    EXPECT_TRUE(Eng.StoredCantEndA == e.StoredCantEndA);
    EXPECT_TRUE(Eng.StoredCantEndB == e.StoredCantEndB);
    EXPECT_TRUE(Eng.SpanMaxMoment == e.SpanMaxMoment);
    EXPECT_TRUE(Eng.SpanMinMoment == e.SpanMinMoment);
    EXPECT_TRUE(Eng.ShearPolyline == e.ShearPolyline);
    EXPECT_TRUE(Eng.MomentPolyline == e.MomentPolyline);
    EXPECT_TRUE(Eng.DeflectionPolyline == e.DeflectionPolyline);
    EXPECT_TRUE(Eng.ShearExtremes == e.ShearExtremes);
    EXPECT_TRUE(Eng.MomentExtremes == e.MomentExtremes);
    EXPECT_TRUE(Eng.DeflectionExtremes == e.DeflectionExtremes);
    EXPECT_TRUE(Eng.CouplerMomentMax == e.CouplerMomentMax);
    EXPECT_TRUE(Eng.EnvelopeIntervalValues == e.EnvelopeIntervalValues);
    EXPECT_TRUE(Eng.EnvelopeTable == e.EnvelopeTable);
    EXPECT_TRUE(Eng.CaseCheckFailures == e.CaseCheckFailures);
    EXPECT_TRUE(Eng.ReleasedSupport == e.ReleasedSupport);
    EXPECT_TRUE(Eng.LoadcaseSpanLength == e.LoadcaseSpanLength);
    EXPECT_TRUE(Eng.CantileverLength == e.CantileverLength);
    // The file keeps the work tables as singles, so what is worked out again from them (the
    // reactions from the shear jumps, the check ratios inside restraint intervals) is rounded
    // once more than in the analysis.
    auto near = [](double now, double then) {
        return std::abs(now - then) <= 1e-6 * std::max(1.0, std::abs(then));
    };
    for (int lc = 1; lc <= 5; ++lc)
        for (int k = 1; k <= kMaxSupports; ++k)
            EXPECT_PRED2(near, Eng.SupportReaction[lc][k], e.SupportReaction[lc][k])
                << "loadcase " << lc << " support " << k;
    for (int c = 0; c <= 5; ++c)
        for (int r = 0; r <= 27; ++r) {
            EXPECT_PRED2(near, Eng.ShearRatios[c][r], e.ShearRatios[c][r]) << c << " " << r;
            for (int i = 0; i <= 10; ++i)
                EXPECT_PRED2(near, Eng.CheckResults[c][r][i], e.CheckResults[c][r][i])
                    << c << " " << r << " " << i;
        }
    // Each stored loadcase's reactions, loads standing on supports included, carry its whole load.
    for (int lc = 1; lc <= a.m.LoadcaseCount; ++lc) {
        double sum = 0;
        for (int k = 1; k <= kMaxSupports; ++k)
            sum += Eng.SupportReaction[lc][k];
        if (a.m.CaseHasLoads[lc] == 1 && Eng.ShearPolyline[lc][0].x > 0) {
            EXPECT_NEAR(sum, Model.TotalAppliedLoad[lc], 1e-4 * sum) << lc;
        }
    }
    EXPECT_EQ(Model.TotalAppliedLoad, a.m.TotalAppliedLoad);
    EXPECT_EQ(Model.AnalysedFlag, 1);

    const ResultTextTables& t = *a.t;
    for (int lc = 1; lc <= 5; ++lc) {
        const std::string in = " of loadcase " + std::to_string(lc);
        ExpectSameLines(Txt.CaseLoadLines[lc], t.CaseLoadLines[lc], "CaseLoadLines" + in);
        ExpectSameLines(Txt.CaseSupportLines[lc], t.CaseSupportLines[lc], "CaseSupportLines" + in);
        ExpectSameLines(Txt.CaseListing[lc], t.CaseListing[lc], "CaseListing" + in);
        if (a.m.CaseHasLoads[lc] == 1) { // the labels of other loadcases are never used
            EXPECT_EQ(Txt.MemberLabel[lc], t.MemberLabel[lc]) << lc;
        }
    }
    for (int c = 0; c <= 5; ++c) {
        const std::string in = " of slot " + std::to_string(c);
        ExpectSameLines(Txt.KxCheckLines[c], t.KxCheckLines[c], "KxCheckLines" + in);
        ExpectSameLines(Txt.SteelCheckLines[c], t.SteelCheckLines[c], "SteelCheckLines" + in);
        ExpectSameLines(Txt.TimberCheckLines[c], t.TimberCheckLines[c], "TimberCheckLines" + in);
    }
    ExpectSameLines(Txt.SummaryLines, t.SummaryLines, "SummaryLines");
    ExpectSameLines(Txt.MaximaLines, t.MaximaLines, "MaximaLines");
    ExpectSameLines(Txt.EnvelopeLines, t.EnvelopeLines, "EnvelopeLines");
    ExpectSameLines(Txt.LoadListLines, t.LoadListLines, "LoadListLines");
    ExpectSameLines(Txt.PointLoadListLines, t.PointLoadListLines, "PointLoadListLines");
    ExpectSameLines(Txt.CaseMaxStressLines, t.CaseMaxStressLines, "CaseMaxStressLines");
    EXPECT_EQ(Txt.MaxStressLine, t.MaxStressLine);
    EXPECT_EQ(Txt.MaxStressValue, t.MaxStressValue);
    EXPECT_EQ(Txt.FactoredLoadCount, t.FactoredLoadCount);
}

class OpenAndSave : public FileCommands {
protected:
    // setUp, when given, completes the committed job after the beam (a section, effective lengths).
    void Analyse(const BeamBuilder& beam, const std::function<void()>& setUp = {}) {
        AnalyseAsSaved(beam, setUp, host);
        ASSERT_EQ(Model.AnalysedFlag, 1);
        for (const std::string& m : dialogs->messages()) // warnings such as the double-coupler one pass
            ASSERT_EQ(m.find("ERROR"), std::string::npos) << m;
        dialogs->clear();
    }

    RecordingFileHost host;
    ScopedScriptedDialogs dialogs;
};

TEST_F(OpenAndSave, AnAnalysedJobComesBackWithEveryResultAndText) {
    Analyse(ForkheadTestBeam(), [] { SetSteelSection(); });
    ASSERT_EQ(Model.StoredSpanIntervals, 200);
    ASSERT_GT(LineCount(Txt.SteelCheckLines[3]), 10) << "the steel check was to run";
    ASSERT_LT(Model.SpanCount[2], 3) << "loadcase 2 was to release a support";
    const AnalysedJob analysed;
    const std::string path = dir_.path("forkheads.kxf");
    Model.BeamFileName = path;
    SaveBeamFile(host);
    const Bytes saved = ReadWholeFile(path);

    // Another job in between, with more loadcases, then New.
    Analyse(BeamBuilder()
                .EqualSpans(5, 3000)
                .Udl(5, 0, 3, 15000)
                .Udl(4, 0, 1, 15000)
                .ShearDeflection()
                .Section(210000, 1e8f, 5e6f));
    NewBeam(host);
    host.calls.clear();
    ASSERT_TRUE(OpenBeamFile(host, path));
    EXPECT_EQ(Model.BeamFileName, path);
    EXPECT_EQ(host.caption, path);
    EXPECT_TRUE(dialogs->messages().empty());
    ExpectSameResults(analysed);

    // Saving it again writes the same bytes.
    const std::string again = dir_.path("again.kxf");
    Model.BeamFileName = again;
    SaveBeamFile(host);
    EXPECT_EQ(ReadWholeFile(again), saved);
}

TEST_F(OpenAndSave, UnloadedLoadcasesAndTheEnvelopeComeBackToo) {
    // Couplers and shear deflection; loadcases 1 and 3 without loads.
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
    const AnalysedJob analysed;
    const std::string path = dir_.path("couplers.kxf");
    Model.BeamFileName = path;
    SaveBeamFile(host);

    Analyse(ForkheadTestBeam());
    ASSERT_TRUE(OpenBeamFile(host, path));
    ExpectSameResults(analysed);
    EXPECT_EQ(Txt.CaseListing[3][1], "LOADCASE3");
    EXPECT_EQ(Txt.CaseListing[3][2], "No Loads Applied");
    EXPECT_EQ(Txt.CaseListing[3][0], "2");
    // Several loadcases: "All" is shown, with the envelope and the diagrams of the loaded ones.
    const std::vector<std::string> tail(host.calls.end() - 12, host.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "SetShownCase 0", "SetCaseSelection All 0", "ShowCaseResults", "FillResultsList",
                        "ShowEnvelopeResults", "SetShownCase 2", "DrawDiagrams", "SetShownCase 4",
                        "DrawDiagrams", "EnableCaseSelector 4", "EnableFileMenus", "RestoreInputForms"}));
}

TEST_F(OpenAndSave, OpenTalksToTheWindowsInOrder) {
    Analyse(BeamBuilder().Spans({4000}).LHCantilever(800).Udl(1, 0, 5, 4800));
    const std::string path = dir_.path("one.kxf");
    Model.BeamFileName = path;
    SaveBeamFile(host);
    host.calls.clear();
    ASSERT_TRUE(OpenBeamFile(host, path));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"HideInputForms",
                                                    "SetCaption ",
                                                    "DisableFileMenus",
                                                    "SetShownCase 0",
                                                    "ResetImageRect",
                                                    "FillImageBlack",
                                                    "ResetInputForms",
                                                    "ClearResultLists",
                                                    "SetCaption " + path,
                                                    "TileDefault",
                                                    "EmptyResultLists",
                                                    "ShowCaseSelector",
                                                    "FillImageBlack",
                                                    "DrawBeam",
                                                    "DrawLoads",
                                                    "SetShownCase 1",
                                                    "SetCaseSelection 1 1",
                                                    "ShowCaseResults",
                                                    "FillResultsList",
                                                    "SetShownCase 1",
                                                    "DrawDiagrams",
                                                    "EnableCaseSelector 1",
                                                    "EnableFileMenus",
                                                    "RestoreInputForms"}));
    EXPECT_EQ(Model.ShownCaseMode, 0);
    EXPECT_EQ(Model.AnalysedFlag, 1);
}

TEST_F(OpenAndSave, AJobSavedAfterAnUnstableAnalysisOpensWithTheSameMessage) {
    // Two spans on forkheads lifted by an upward load: the analysis stops on loadcase 2.
    Analyse(BeamBuilder().Spans({5000, 5000}).AllSupports(supForkhead).Udl(1, 0, 4, 10000));
    Model.LoadTable[2][1] = Model.LoadTable[1][1];
    Model.LoadTable[2][1][lfP] = -4;
    Model.LoadTable[2][1][lfW2] = -4;
    Model.CaseHasLoads[2] = 1;
    AnalyseBeam(host);
    ASSERT_EQ(dialogs->messages(),
              (std::vector<std::string>{"  ERROR         \r\rLoadcase 2   Beam is unstable"}));
    const std::string path = dir_.path("unstable.kxf");
    Model.BeamFileName = path;
    SaveBeamFile(host);

    dialogs->clear();
    host.calls.clear();
    ASSERT_TRUE(OpenBeamFile(host, path));
    EXPECT_EQ(dialogs->messages(),
              (std::vector<std::string>{"  ERROR         \r\rLoadcase 2   Beam is unstable"}));
    EXPECT_EQ(Model.BeamFileName, path);
    EXPECT_EQ(Txt.CaseSupportLines[1][1], "SUPPORTS"); // loadcase 1 was listed
    EXPECT_EQ(host.calls.back(), "RestoreInputForms");
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "DrawDiagrams"), 0);
}

TEST_F(OpenAndSave, AJobSavedAfterTheSteelCheckStoppedOpensAsFarAsItWent) {
    Analyse(ForkheadTestBeam(), [] { SetSteelSection(); });
    Model.EffLength[3][0] = 6000; // Le/r 327, beyond table A1: the analysis stops after loadcase 1
    AnalyseBeam(host);
    ASSERT_EQ(Model.CheckAbortFlag, 1);
    const AnalysedJob stopped;
    const std::string path = dir_.path("stopped.kxf");
    Model.BeamFileName = path;
    SaveBeamFile(host);

    Analyse(ForkheadTestBeam());
    host.calls.clear();
    ASSERT_TRUE(OpenBeamFile(host, path));
    ExpectSameResults(stopped);
    EXPECT_EQ(Txt.CaseListing[2][1], ""); // loadcase 2 was never reached
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "DrawDiagrams"), 0);
    EXPECT_EQ(host.calls.back(), "RestoreInputForms");
}

TEST_F(OpenAndSave, ARefusedFileLeavesTheJobAsAfterNew) {
    Analyse(ForkheadTestBeam());
    const std::string path = dir_.path("damaged.kxf");
    Model.BeamFileName = path;
    SaveBeamFile(host);
    Bytes image = ReadWholeFile(path);
    PutInt(image, 708, 6); // six loadcases
    putFile(path, image);

    NewBeam(host);
    const Bytes afterNew = WriteKxfFile();
    host.calls.clear();
    EXPECT_FALSE(OpenBeamFile(host, path));
    EXPECT_EQ(dialogs->messages(), (std::vector<std::string>{"Not a valid beam file"}));
    EXPECT_EQ(WriteKxfFile(), afterNew);
    EXPECT_EQ(Model.BeamFileName, "");
    EXPECT_EQ(host.caption, "");
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "EnableFileMenus"), 0);

    // A version other than 1: its own message, and the name is not taken either.
    dialogs->clear();
    PutInt(image, 708, 3);
    PutStr(image, 0, "2.0", 25);
    putFile(path, image);
    EXPECT_FALSE(OpenBeamFile(host, path));
    EXPECT_EQ(dialogs->messages(), (std::vector<std::string>{"Beam file version 2.0 cannot be read"}));
    EXPECT_EQ(Model.BeamFileName, "");
    EXPECT_EQ(Model.LoadcaseCount, 0);
    PutStr(image, 0, "1.3", 25);

    // A name that does not end in "kxf" is not read, and no message is shown.
    dialogs->clear();
    putFile(dir_.path("job.KXF"), image);
    EXPECT_FALSE(OpenBeamFile(host, dir_.path("job.KXF")));
    EXPECT_TRUE(dialogs->messages().empty());
    EXPECT_EQ(Model.LoadcaseCount, 0);

    // A file that is not there: the I/O error goes to the error box, after New.
    Model.HeaderJobRef = "before";
    EXPECT_THROW(OpenBeamFile(host, dir_.path("missing.kxf")), IoError);
    EXPECT_EQ(Model.HeaderJobRef, "");
}

TEST_F(OpenAndSave, APathOfAnyLengthIsKeptWhole) {
    Analyse(BeamBuilder().Spans({4000, 3000}).Udl(1, 0, 5, 7000));
    std::string folder = dir_.dir();
    while (folder.size() < 180)
        folder += "/a-long-folder-name";
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/job.kxf";
    dialogs->fileAnswers.push_back(path);
    SaveBeamFileAs(host);
    ASSERT_EQ(Model.BeamFileName, path);
    const Bytes saved = ReadWholeFile(path);

    // Results of another beam, the steel check lines among them, are gone after Open.
    Analyse(BeamBuilder().EqualSpans(4, 2000).Udl(5, 0, 1, 8000));
    Txt.SteelCheckLines[5][0] = "1";
    Txt.SteelCheckLines[5][1] = "earlier beam";
    ASSERT_TRUE(OpenBeamFile(host, path));
    EXPECT_EQ(Model.BeamFileName, path);
    EXPECT_EQ(host.caption, path);
    EXPECT_EQ(Txt.SteelCheckLines[5][1], "");
    EXPECT_EQ(Txt.SteelCheckLines[5][0], "");
    EXPECT_EQ(Eng.StoredShear[5][1][1], 0.0f);
    SaveBeamFile(host);
    EXPECT_EQ(ReadWholeFile(path), saved);
}

TEST_F(OpenAndSave, SaveFallsBackToSaveAsAndSaveAsReportsFailures) {
    Analyse(BeamBuilder().Spans({4000}).Udl(1, 0, 5, 4000));
    // Never saved: Save asks for a name; a name without extension gets ".kxf".
    dialogs->fileAnswers.push_back(dir_.path("first"));
    SaveBeamFile(host);
    EXPECT_EQ(Model.BeamFileName, dir_.path("first.kxf"));
    EXPECT_EQ(host.caption, dir_.path("first.kxf"));
    EXPECT_EQ(ReadWholeFile(dir_.path("first.kxf")), WriteKxfFile());
    EXPECT_EQ(dialogs->shown.back().kind, "save");
    EXPECT_EQ(dialogs->shown.back().text, "Save As");

    // A file that cannot be written: Save turns to Save As, and Save As reports the failure but
    // keeps the name.
    const std::string blocked = dir_.path("blocked.kxf");
    std::filesystem::create_directory(blocked + ".~tmp");
    Model.BeamFileName = blocked;
    dialogs->fileAnswers.push_back(blocked);
    SaveBeamFile(host);
    EXPECT_EQ(dialogs->messages(), (std::vector<std::string>{"File Saving Error"}));
    EXPECT_EQ(Model.BeamFileName, blocked);
    EXPECT_EQ(host.caption, blocked);

    // Cancelled: nothing written, the caption shows the name as it was.
    dialogs->clear();
    SaveBeamFileAs(host);
    EXPECT_TRUE(dialogs->messages().empty());
    EXPECT_EQ(host.caption, blocked);
}

} // namespace
