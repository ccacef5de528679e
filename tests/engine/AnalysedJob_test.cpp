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
