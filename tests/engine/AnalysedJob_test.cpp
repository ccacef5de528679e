// Whether stored results stand: each field that changes a figure or text of the results, changed
// after the analysis, leaves them of another job, and changed back makes them the job's again;
// what does not change them (header, file name, the windows' and calculators' own values, how a
// load that is not applied is marked) leaves them standing.
#include "engine/AnalysedJob.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "engine/AnalysisFixture.h"
#include "foundation/SharedModel.h"

using namespace kx;
using namespace kx::test;

namespace {

class AnalysedJobTest : public AnalysisTest {
protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        ResetProgramState();
        // Two spans of 4 and 3 m; loadcase 1: 10 N/mm over both at factor 1.5 and 2 kN at 1 m;
        // loadcase 2: 5 kN at 2 m.
        Analyse(BeamBuilder()
                    .Spans({4000, 3000})
                    .Udl(1, 0, 10, 7000, 1.5f)
                    .Point(2, 2000, 5000)
                    .Point(1, 1000, 2000));
        ASSERT_EQ(Model.AnalysedFlag, 1);
    }
};

TEST_F(AnalysedJobTest, ResultsStandOnlyWhileTheJobIsTheOneAnalysed) {
    ASSERT_TRUE(ResultsStand());
    ASSERT_FALSE(ResultsOfAnotherJob());
    struct Row {
        const char* what;
        std::function<void(SharedModel&)> change;
        bool stands;
    };
    const Row rows[] = {
        {"a span length", [](SharedModel& m) { m.SpanData[2][mfL] = 3500; }, false},
        {"a load", [](SharedModel& m) { m.LoadTable[1][1][lfW1] = 12; }, false},
        {"a load factor", [](SharedModel& m) { m.LoadTable[1][1][lfLF] = 1.6f; }, false},
        {"a load added to a loadcase", [](SharedModel& m) { m.LoadTable[2][2] = m.LoadTable[1][2]; }, false},
        {"factored loads on", [](SharedModel& m) { m.FactoredLoadsFlag = 1; }, false},
        {"an effective length", [](SharedModel& m) { m.EffLength[1][0] = 3400; }, false},
        {"the member length its Le was chosen for", [](SharedModel& m) { m.EffLengthMemberLength[1] = 4000; },
         false},
        {"the section's Ixx", [](SharedModel& m) { m.SpanData[1][mfIxx] *= 2; }, false},
        {"the member check", [](SharedModel& m) { m.SteelSectionFlag = 1; }, false},
        {"a support", [](SharedModel& m) { m.SupportType[1] = supForkhead; }, false},
        {"the moment unit", [](SharedModel& m) { m.UnitTextMoment = "N-mm", m.UnitFactorMoment = 1; }, false},
        {"the timber size", [](SharedModel& m) { m.TimberDepthSaved = 225; }, false},
        {"the header", [](SharedModel& m) { m.HeaderJobDesc = "Bay 3"; }, true},
        {"the file name", [](SharedModel& m) { m.BeamFileName = "/tmp/x.kxf"; }, true},
        {"the loadcase the load form shows", [](SharedModel& m) { m.CurrentLoadcase = 2; }, true},
        {"the steel calculator's values", [](SharedModel& m) { m.CapCheckSettings[1] = 7; }, true},
        {"a unit no result is given in", [](SharedModel& m) { m.UnitTextWeight = "lb/ft"; }, true},
        {"a load not applied held as 0", [](SharedModel& m) { m.LoadTable[2][3][lfApplied] = 0; }, true},
        {"the envelope interval to print", [](SharedModel& m) { m.EnvelopeDivisions = 20; }, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const auto analysed = std::make_unique<SharedModel>(Model);
        r.change(Model);
        ASSERT_FALSE(Model == *analysed) << "the row changes nothing";
        EXPECT_EQ(ResultsStand(), r.stands);
        EXPECT_EQ(ResultsOfAnotherJob(), !r.stands);
        Model = *analysed; // changed back: the job the results were found for
        EXPECT_TRUE(ResultsStand());
    }
}

TEST_F(AnalysedJobTest, NoResultsStandAfterNewOrOnceAnAnalysisHasStartedClearingThem) {
    const auto analysed = std::make_unique<SharedModel>(Model);
    ForgetAnalysedJob(); // what New and the start of every analysis do
    EXPECT_FALSE(ResultsStand());
    EXPECT_FALSE(ResultsOfAnotherJob()); // no results of any job: nothing stale to save
    EXPECT_TRUE(Model == *analysed);
    RecordAnalysedJob();
    Model.AnalysedFlag = 0; // an analysis never completed
    EXPECT_FALSE(ResultsStand());
}

} // namespace

// A load record from its fields: kind, distance, P or W1, W2, cover, factor, applied, spare.
TLoadRec Record(std::initializer_list<float> fields) {
    TLoadRec r;
    int f = 0;
    for (float v : fields)
        r[f++] = v;
    return r;
}

TEST_F(AnalysedJobTest, WhatTheResultsDoNotDependOnLeavesThemStandingFieldByField) {
    // Each field the analysis writes itself or that no result is given in, changed alone, in the
    // first and last slot of its table where it has one; then all of them changed at once.
    using Change = std::function<void(SharedModel&)>;
    const std::vector<std::pair<const char*, Change>> rows = {
        {"spans left in loadcase 1", [](SharedModel& m) { m.SpanCount[1] = 1; }},
        {"applied load of loadcase 1", [](SharedModel& m) { m.TotalAppliedLoad[1] = 9; }},
        {"summed load of loadcase 1", [](SharedModel& m) { m.CaseAppliedLoad[1] = 9; }},
        {"spans left in loadcase 5", [](SharedModel& m) { m.SpanCount[5] = 1; }},
        {"applied load of loadcase 5", [](SharedModel& m) { m.TotalAppliedLoad[5] = 9; }},
        {"summed load of loadcase 5", [](SharedModel& m) { m.CaseAppliedLoad[5] = 9; }},
        {"loadcase count", [](SharedModel& m) { m.LoadcaseCount = 4; }},
        {"stored intervals", [](SharedModel& m) { m.StoredSpanIntervals = 40; }},
        {"check stopped", [](SharedModel& m) { m.CheckAbortFlag = 1; }},
        {"l/ry", [](SharedModel& m) { m.SlendernessRatio = 91; }},
        {"D/T", [](SharedModel& m) { m.DepthThicknessRatio = 17; }},
        {"pbc", [](SharedModel& m) { m.Pbc = 151; }},
        {"company", [](SharedModel& m) { m.HeaderCompany = "A"; }},
        {"user", [](SharedModel& m) { m.HeaderUser = "B"; }},
        {"project 1", [](SharedModel& m) { m.HeaderProject1 = "C"; }},
        {"project 2", [](SharedModel& m) { m.HeaderProject2 = "D"; }},
        {"job reference", [](SharedModel& m) { m.HeaderJobRef = "E"; }},
        {"version number", [](SharedModel& m) { m.VersionNumber = "9.9"; }},
        {"version suffix", [](SharedModel& m) { m.VersionSuffix = "x"; }},
        {"file tag", [](SharedModel& m) { m.FileTag = "y"; }},
        {"modulus unit", [](SharedModel& m) { m.UnitTextSectZ = "in3", m.UnitFactorSectZ = 16387; }},
        {"area unit", [](SharedModel& m) { m.UnitTextSectArea = "in2", m.UnitFactorSectArea = 645; }},
        {"section length unit",
         [](SharedModel& m) { m.UnitTextSectLength = "in", m.UnitFactorSectLength = 25; }},
        {"weight factor", [](SharedModel& m) { m.UnitFactorWeight = 1.488f; }},
        {"warping unit", [](SharedModel& m) { m.UnitTextWarping = "in6", m.UnitFactorWarping = 7; }},
        {"plastic xx label", [](SharedModel& m) { m.ModulusLabelPlasticXX = "Zx"; }},
        {"plastic yy label", [](SharedModel& m) { m.ModulusLabelPlasticYY = "Zy"; }},
        {"elastic xx label", [](SharedModel& m) { m.ModulusLabelElasticXX = "Sx"; }},
        {"elastic yy label", [](SharedModel& m) { m.ModulusLabelElasticYY = "Sy"; }},
        {"moment diagram sign", [](SharedModel& m) { m.MomentDiagramSign = -m.MomentDiagramSign - 1; }},
        {"load rows shown", [](SharedModel& m) { m.LoadRowsShown = 17; }},
        {"loadcase shown", [](SharedModel& m) { m.ShownCaseMode = 1; }},
        {"decimal places", [](SharedModel& m) { m.DecimalPlaces = m.DecimalPlaces == 1 ? 2 : 1; }},
        {"beam form shown", [](SharedModel& m) { m.BeamFormShown = 1; }},
        {"point position", [](SharedModel& m) { m.PointPosition = 1234; }},
        {"last calculator setting", [](SharedModel& m) { m.CapCheckSettings[4] = 3; }},
        {"timber calculator mode", [](SharedModel& m) { m.TimberCheckMode = "Axial"; }},
        {"timber calculator K3", [](SharedModel& m) { m.TimberK3Bending = 1.25f, m.TimberK3Axial = 1.5f; }},
        {"timber calculator loads",
         [](SharedModel& m) { m.TimberAppliedMoment = 3, m.TimberAppliedAxialLoad = 4; }},
        {"the load drawing's last stack", [](SharedModel& m) { m.UDLStackTable[5][50][2] = 7; }},
        {"an unapplied self-weight of loadcase 5", [](SharedModel& m) { m.LoadTable[5][51][lfW1] = 7; }},
        {"an unapplied point load of loadcase 5",
         [](SharedModel& m) {
             m.LoadTable[5][9] = Record({1, 10, 500, 0, 0, 1, -1, 0});
         }},
        {"an unused record of loadcase 1", [](SharedModel& m) { m.LoadTable[1][50][lfW1] = 7; }},
        {"an unapplied load marked 0", [](SharedModel& m) { m.LoadTable[5][50][lfApplied] = 0; }},
    };
    const auto analysed = std::make_unique<SharedModel>(Model);
    for (const auto& [what, change] : rows) {
        SCOPED_TRACE(what);
        change(Model);
        ASSERT_FALSE(Model == *analysed) << "the row changes nothing";
        EXPECT_TRUE(ResultsOfJobNow());
        EXPECT_FALSE(ResultsOfAnotherJob());
        Model = *analysed;
    }
    for (const auto& row : rows)
        row.second(Model);
    EXPECT_TRUE(ResultsOfJobNow());
    EXPECT_TRUE(SameAnalysedJob(Model, *analysed));
    // AnalysedFlag is the analysis's own too: only ResultsStand reads it.
    Model = *analysed;
    Model.AnalysedFlag = 0;
    EXPECT_TRUE(ResultsOfJobNow());
    EXPECT_FALSE(ResultsStand());

    // A load of loadcase 1 that is not applied there is still listed: it counts. So does one of
    // loadcase 5 once applied.
    for (const auto& [what, change] : std::vector<std::pair<const char*, Change>>{
             {"a listed load of loadcase 1",
              [](SharedModel& m) {
                  m.LoadTable[1][9] = Record({-1, 0, 2, 2, 100, 1, -1, 0});
              }},
             {"an applied load of loadcase 5",
              [](SharedModel& m) {
                  m.LoadTable[5][9] = Record({1, 10, 500, 0, 0, 1, 1, 0});
              }},
             {"the stress unit", [](SharedModel& m) { m.UnitTextStress = "ksi"; }},
             {"the deflection factor", [](SharedModel& m) { m.UnitFactorDeflection = 25.4f; }},
             {"the shape", [](SharedModel& m) { m.SectionShape = "RSC"; }},
             {"the restraint positions of span 25", [](SharedModel& m) { m.RestraintPos[25][10] = 3; }},
         }) {
        SCOPED_TRACE(what);
        Model = *analysed;
        change(Model);
        EXPECT_FALSE(ResultsOfJobNow());
        EXPECT_TRUE(ResultsOfAnotherJob());
    }
}
