#include "window/FileCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "KxfTestSupport.h"
#include "engine/EngineState.h"
#include "foundation/StartDirTest.h"
#include "foundation/Units.h"
#include "platform/BinaryIO.h"
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
