// The job's checks that the input forms and Analyse share: which member is asked about first, with
// which message, and where a load stops being on the beam.
#include "foundation/JobChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace kx {
namespace {

// Cantilevers of 1.5 m at both ends and spans of 4, 5 and 6 m, each member's choice confirmed.
std::unique_ptr<SharedModel> ConfirmedJob() {
    auto m = std::make_unique<SharedModel>();
    m->SpanCount[0] = 3;
    for (int r : {kLHCantRow, 1, 2, 3, kRHCantRow}) {
        m->SpanData[r][mfExists] = 1;
        m->SpanData[r][mfL] = r == kLHCantRow || r == kRHCantRow ? 1500.0f : 3000.0f + 1000.0f * r;
        m->EffLengthMemberLength[r] = m->SpanData[r][mfL];
    }
    for (TCantOpt* opts : {&m->CantLHOpts, &m->CantRHOpts})
        for (int f : {coDestabilizing, coSupportPartial, coEndTop})
            (*opts)[f] = 1;
    m->SpanOptFull[1] = m->SpanOptInt[2] = m->SpanOptEdit[3] = 1;
    m->SpanOpt12[1] = 1; // the 1.2 box is no choice of its own
    return m;
}

TEST(JobChecks, TheFirstUnconfirmedMemberInTheWizardsOrderWithItsFormsMessage) {
    const std::string changed2 = " Span 2 length has been changed\r goto span 2 and re-select option.\r"
                                 " (it may be necessary to de-select it first)";
    const std::string incomplete =
        "Click all appropriate option boxes or\renter desired effective length in box";
    struct Case {
        const char* what;
        std::function<void(SharedModel&)> spoil;
        int row;
        std::string message;
    };
    const Case cases[] = {
        {"all confirmed", [](SharedModel&) {}, -1, ""},
        {"LH cantilever without an end restraint", [](SharedModel& m) { m.CantLHOpts[coEndTop] = 0; }, 0,
         incomplete},
        {"LH cantilever fully restrained alone",
         [](SharedModel& m) {
             m.CantLHOpts.fill(0);
             m.CantLHOpts[coRestrained] = 1;
         },
         -1, ""},
        {"LH cantilever chosen for 1 m",
         [](SharedModel& m) {
             m.EffLengthMemberLength[kLHCantRow] = 1000;
             m.SpanOptFull[1] = 0; // asked about after the cantilever
         },
         0, " LHC length has been changed\r re-select option.\r (it may be necessary to de-select it first)"},
        {"span 2 changed, span 3 with two choices: every span's choice before any length",
         [](SharedModel& m) {
             m.EffLengthMemberLength[2] = 0;
             m.SpanOptNot[3] = 1;
         },
         3, " Effective length not selected for span 3"},
        {"span 2 asked again after a beam commit", [](SharedModel& m) { m.EffLengthMemberLength[2] = 0; }, 2,
         changed2},
        {"RH cantilever by a typed value alone",
         [](SharedModel& m) {
             m.CantRHOpts.fill(0);
             m.CantRHOpts[coEdit] = 1;
         },
         -1, ""},
        {"RH cantilever lengthened", [](SharedModel& m) { m.SpanData[kRHCantRow][mfL] = 2000; }, kRHCantRow,
         " RHC length has been changed\r re-select option.\r (it may be necessary to de-select it first)"},
        {"no RH cantilever: its choice is not asked",
         [](SharedModel& m) {
             m.SpanData[kRHCantRow][mfExists] = 0;
             m.CantRHOpts.fill(0);
         },
         -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto m = ConfirmedJob();
        c.spoil(*m);
        const EffLengthFault f = FirstEffLengthFault(*m);
        EXPECT_EQ(f.row, c.row);
        EXPECT_EQ(f.message, c.message);
    }
}

TEST(JobChecks, ALoadIsOnTheBeamUpToItsEndWithinRounding) {
    const auto m = ConfirmedJob(); // 1500 + 4000 + 5000 + 6000 + 1500 mm
    m->BeamLength = 18000;
    EXPECT_FALSE(LoadPastBeamEnd(6000, 12000, *m));
    EXPECT_FALSE(LoadPastBeamEnd(18000, 0, *m));
    EXPECT_TRUE(LoadPastBeamEnd(6000, 12001, *m));
    EXPECT_TRUE(LoadPastBeamEnd(18001, 0, *m));
    EXPECT_EQ(LoadExtendsPastEndMessage(12), "Load 12 extends past end of beam");
}

} // namespace
} // namespace kx
