// The job's checks that the input forms and Analyse share: which member is asked about first, with
// which message, and where a load stops being on the beam.
#include "foundation/JobChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

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

// A job of 25 spans of 1 m, each span's choice confirmed, no cantilevers.
std::unique_ptr<SharedModel> TwentyFiveSpans() {
    auto m = std::make_unique<SharedModel>();
    m->SpanCount[0] = kMaxSpans;
    for (int s = 1; s <= kMaxSpans; ++s) {
        m->SpanData[s][mfExists] = 1;
        m->SpanData[s][mfL] = 1000;
        m->EffLengthMemberLength[s] = 1000;
        m->SpanOptPos[s] = 1;
    }
    return m;
}

TEST(JobChecks, EachOfTheEightSpanChoicesAloneIsAChoiceAndTheLastSpanIsAskedToo) {
    SpanFlags SharedModel::*const flags[] = {&SharedModel::SpanOptPos,  &SharedModel::SpanOptDead,
                                             &SharedModel::SpanOptFull, &SharedModel::SpanOptPartial,
                                             &SharedModel::SpanOptNot,  &SharedModel::SpanOptRestrained,
                                             &SharedModel::SpanOptInt,  &SharedModel::SpanOptEdit};
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        SharedModel m;
        (m.*flags[i])[25] = 1;
        EXPECT_TRUE(SpanEffLengthChosen(m, 25)) << "choice " << i;
        (m.*flags[(i + 1) % std::size(flags)])[25] = 1;
        EXPECT_FALSE(SpanEffLengthChosen(m, 25)) << "two choices, " << i;
    }
    SharedModel none;
    none.SpanOpt12[4] = 1;
    EXPECT_FALSE(SpanEffLengthChosen(none, 4)) << "the 1.2 box alone";
    none.SpanOptPos[4] = 2;
    EXPECT_FALSE(SpanEffLengthChosen(none, 4)) << "only exactly 1 is ticked";

    // Only the 25th of 25 spans unconfirmed: the loops over the spans reach their last pass.
    auto m = TwentyFiveSpans();
    EXPECT_EQ(FirstEffLengthFault(*m).row, -1);
    m->SpanOptPos[25] = 0;
    EXPECT_EQ(FirstEffLengthFault(*m).row, 25);
    EXPECT_EQ(FirstEffLengthFault(*m).message, " Effective length not selected for span 25");
    m = TwentyFiveSpans();
    m->SpanData[25][mfL] = 1200;
    EXPECT_EQ(FirstEffLengthFault(*m).row, 25);
    EXPECT_EQ(FirstEffLengthFault(*m).message,
              " Span 25 length has been changed\r goto span 25 and re-select "
              "option.\r (it may be necessary to de-select it first)");
    m->SpanCount[0] = 24; // span 25 is no span of a 24-span beam
    EXPECT_EQ(FirstEffLengthFault(*m).row, -1);
}

TEST(JobChecks, ACantileverChoiceNeedsALoadingASupportAndAnEndOrStandsAlone) {
    // clang-format off
    const std::pair<std::vector<int>, bool> cases[] = {
        {{coNormal, coSupportLateral, coEndFree}, true},   {{coDestabilizing, coSupportBoth, coEndBoth}, true},
        {{coNormal, coSupportPartial, coEndTorsion}, true}, {{coNormal, coSupportLateral, coEndTop}, true},
        {{coSupportLateral, coEndFree}, false},             {{coNormal, coEndFree}, false},
        {{coNormal, coSupportLateral}, false},              {{}, false},
        {{coRestrained}, true},                             {{coEdit}, true},
        {{coNormal, coDestabilizing, coSupportLateral, coSupportPartial}, false}};
    // clang-format on
    for (const auto& [tickedRow, complete] : cases) {
        const auto& ticked = tickedRow; // a lambda may not capture a structured binding in clang 14
        const auto chosen = [&ticked](int f) {
            return std::find(ticked.begin(), ticked.end(), f) != ticked.end();
        };
        EXPECT_EQ(CantEffLengthComplete(chosen), complete) << ::testing::PrintToString(ticked);
    }
    // The RH cantilever, asked last, with the same message.
    const auto m = ConfirmedJob();
    m->CantRHOpts[coSupportPartial] = 0;
    EXPECT_EQ(FirstEffLengthFault(*m).row, kRHCantRow);
    EXPECT_EQ(FirstEffLengthFault(*m).message,
              "Click all appropriate option boxes or\renter desired effective length in box");
}

TEST(JobChecks, EveryMemberNeedsALengthAbove0AndUpTo10000m) {
    const float over = std::nextafter(1e7f, 1e8f); // 10,000,001 mm: singles step by 1 there
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* what;
        std::function<void(SharedModel&)> set;
        std::string message;
    };
    const std::string span = " Enter Length for Span ";
    const Case cases[] = {
        {"every member has one", [](SharedModel&) {}, ""},
        {"LH cantilever 0", [](SharedModel& m) { m.SpanData[kLHCantRow][mfL] = 0; },
         "Enter length for LH Cantilever"},
        {"no LH cantilever, 0",
         [](SharedModel& m) { m.SpanData[kLHCantRow][mfExists] = m.SpanData[kLHCantRow][mfL] = 0; }, ""},
        {"LH cantilever and last span 0, LH asked first",
         [](SharedModel& m) { m.SpanData[kLHCantRow][mfL] = m.SpanData[3][mfL] = 0; },
         "Enter length for LH Cantilever"},
        {"last span 0", [](SharedModel& m) { m.SpanData[3][mfL] = 0; }, span},
        {"last span -1 mm", [](SharedModel& m) { m.SpanData[3][mfL] = -1; }, span},
        {"last span not a number", [nan](SharedModel& m) { m.SpanData[3][mfL] = nan; }, span},
        {"last span 0.5 mm", [](SharedModel& m) { m.SpanData[3][mfL] = 0.5f; }, ""},
        {"last span 10,000 m exactly", [](SharedModel& m) { m.SpanData[3][mfL] = 1e7f; }, ""},
        {"last span 1 mm over 10,000 m", [over](SharedModel& m) { m.SpanData[3][mfL] = over; }, span},
        {"a span past the span count", [](SharedModel& m) { m.SpanData[4][mfL] = 0; }, ""},
        {"last span and RH cantilever 0, the span asked first",
         [](SharedModel& m) { m.SpanData[3][mfL] = m.SpanData[kRHCantRow][mfL] = 0; }, span},
        {"RH cantilever 0", [](SharedModel& m) { m.SpanData[kRHCantRow][mfL] = 0; },
         "Enter length for RH Cantilever"},
        {"RH cantilever over 10,000 m", [over](SharedModel& m) { m.SpanData[kRHCantRow][mfL] = over; },
         "Enter length for RH Cantilever"},
        {"RH cantilever 10,000 m", [](SharedModel& m) { m.SpanData[kRHCantRow][mfL] = 1e7f; }, ""},
        {"no RH cantilever, 0",
         [](SharedModel& m) { m.SpanData[kRHCantRow][mfExists] = m.SpanData[kRHCantRow][mfL] = 0; }, ""},
    };
    for (const Case& c : cases) {
        const auto m = ConfirmedJob();
        c.set(*m);
        EXPECT_EQ(MemberLengthFault(*m), c.message) << c.what;
    }
    auto m = TwentyFiveSpans();
    EXPECT_EQ(MemberLengthFault(*m), "");
    m->SpanData[25][mfL] = 0;
    EXPECT_EQ(MemberLengthFault(*m), span) << "the 25th span";
}

TEST(JobChecks, ACouplerAtEitherEndOrTheFirstInteriorSupportNeedsALiftHeightBelow1e9mm) {
    for (int entry : {0, 1, kRHEndSupport})
        for (TSupportCode code : {supCouplerTop, supCouplerMid}) {
            SharedModel m;
            m.SupportType[entry] = code;
            EXPECT_TRUE(LiftHeightMissing(m)) << entry << " " << code;
            m.LiftHeight = 3000;
            EXPECT_FALSE(LiftHeightMissing(m)) << entry << " " << code;
        }
    SharedModel m;
    for (TSupportCode code : {supNone, supFixed, supFixedEnd, supForkhead}) {
        m.SupportType[0] = m.SupportType[1] = m.SupportType[kRHEndSupport] = code;
        EXPECT_FALSE(LiftHeightMissing(m)) << "no coupler, code " << code;
    }
    m.SupportType[kRHEndSupport] = supCouplerMid;
    const float inf = std::numeric_limits<float>::infinity();
    // clang-format off
    const std::pair<float, bool> heights[] = {
        {0.0f, true}, {-2000.0f, true}, {0.5f, false}, {2000.0f, false},
        {std::nextafter(1e9f, 0.0f), false}, // 999,999,936 mm, the highest single below 1e9
        {1e9f, true}, {1e11f, true}, {1e21f, true}, {inf, true}, {std::numeric_limits<float>::quiet_NaN(), true}};
    // clang-format on
    for (const auto& [mm, missing] : heights) {
        m.LiftHeight = mm;
        EXPECT_EQ(LiftHeightMissing(m), missing) << mm;
    }
    EXPECT_EQ(std::string(kLiftHeightMessage), "Enter \"L\" (lift height)\rfor double coupler fixing");
}

TEST(JobChecks, ASectionIsUsableWithEAndIxxAbove0FiniteValuesInEveryRowAndItsOwnKindsSizes) {
    const auto steel = [] {
        auto m = ConfirmedJob();
        for (int r = 0; r <= kRHCantRow; ++r) {
            m->SpanData[r][mfE] = 205000;
            m->SpanData[r][mfIxx] = 1e8f;
        }
        m->MemberType = "Steel";
        m->SectionShape = "Beam";
        m->FlangeThickness = 12;
        m->WebThickness = 8;
        return m;
    };
    const auto timber = [&steel] {
        auto m = steel();
        m->MemberType = m->SectionShape = m->SectionFamilyCode = "Timber";
        m->SpanData[1][mfTimberDepth] = 225;
        m->SpanData[1][mfTimberWidth] = 75;
        m->TimberPermShearSaved = 8000;
        m->TimberPermMomentSaved = 5e6f;
        return m;
    };
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        std::function<std::unique_ptr<SharedModel>()> make;
        std::function<void(SharedModel&)> set;
        bool usable;
    };
    const Case cases[] = {
        {"steel", steel, [](SharedModel&) {}, true},
        {"E 0", steel, [](SharedModel& m) { m.SpanData[1][mfE] = 0; }, false},
        {"Ixx 0", steel, [](SharedModel& m) { m.SpanData[1][mfIxx] = 0; }, false},
        {"Ixx not a number", steel, [](SharedModel& m) { m.SpanData[1][mfIxx] = std::nanf(""); }, false},
        {"Ixx 1e-6 mm^4", steel, [](SharedModel& m) { m.SpanData[1][mfIxx] = 1e-6f; }, true},
        {"the last field of the RH cantilever row below 0", steel,
         [](SharedModel& m) { m.SpanData[kRHCantRow][TMemberRow::high] = -1; }, false},
        {"the LH cantilever row's E infinite", steel,
         [inf](SharedModel& m) { m.SpanData[kLHCantRow][mfE] = inf; }, false},
        {"flange thickness below 0", steel, [](SharedModel& m) { m.FlangeThickness = -0.5f; }, false},
        {"web thickness infinite", steel, [inf](SharedModel& m) { m.WebThickness = inf; }, false},
        {"timber sizes on the RH cantilever of a steel member", steel,
         [](SharedModel& m) { m.SpanData[kRHCantRow][mfTimberWidth] = 75; }, false},
        {"a timber shape under the steel member type", steel,
         [](SharedModel& m) { m.SectionShape = "Timber"; }, false},
        {"timber", timber, [](SharedModel&) {}, true},
        {"timber without a depth", timber, [](SharedModel& m) { m.SpanData[1][mfTimberDepth] = 0; }, false},
        {"timber without a width", timber, [](SharedModel& m) { m.SpanData[1][mfTimberWidth] = 0; }, false},
        {"timber without a shear stress", timber, [](SharedModel& m) { m.TimberPermShearSaved = 0; }, false},
        {"timber without a bending stress", timber, [](SharedModel& m) { m.TimberPermMomentSaved = 0; },
         false},
        {"timber with an infinite shear", timber, [inf](SharedModel& m) { m.TimberPermShearSaved = inf; },
         false},
        {"timber with an infinite moment", timber, [inf](SharedModel& m) { m.TimberPermMomentSaved = inf; },
         false},
        // A 1 mm square SC1 (0.46 and 2.8 N/mm^2), dry, single, General (K3 1.4), K7 1.17 at 72 mm or
        // less: any size above 0 is a beam size, and its permissible values are small but real.
        {"a 1 mm square timber's shear, 0.46 x 1.4 x 1 x 1 = 0.644 N", timber,
         [](SharedModel& m) { m.TimberPermShearSaved = 0.644f; }, true},
        {"a 1 mm square timber's moment, 2.8 x 1.4 x 1.17 x 1 x 1^2 / 6 = 0.764 N mm", timber,
         [](SharedModel& m) { m.TimberPermMomentSaved = 0.764f; }, true},
        {"a timber 0.5 mm by 0.5 mm", timber,
         [](SharedModel& m) { m.SpanData[1][mfTimberDepth] = m.SpanData[1][mfTimberWidth] = 0.5f; }, true},
    };
    for (const Case& c : cases) {
        const auto m = c.make();
        c.set(*m);
        EXPECT_EQ(SectionUsable(*m), c.usable) << c.what;
    }
    EXPECT_EQ(std::string(kSpecifySectionMessage),
              " Specify section\r\r Click \"Section Properties Database\" on the "
              "top menu\r then click required section in \"Steel Section "
              "Database\" to load.\r\r Create new section in \"KX Sections\" "
              "for non standard section");
}

TEST(JobChecks, SteelOfTheTablesUpTo40mmThickIsInScope) {
    // clang-format off
    const std::tuple<const char*, const char*, float, float, bool> cases[] = {
        {"Beam", "UB", 40.0f, 40.0f, false}, {"Beam", "UB", 40.001f, 10.0f, true}, {"Beam", "UB", 10.0f, 40.001f, true},
        {"RSJ", "RSJ", 41, 0, true}, {"RSC", "PFC", 0, 41, true}, {"RSA", "EA", 41, 0, true}, {"Box", "SHS", 41, 0, true},
        {"Tube", "CHS", 41, 0, true}, {"Tube", "Scaffold", 41, 41, false}, {"Timber", "Timber", 100, 100, false},
        {"User", "", 100, 100, false}, {"beam", "UB", 41, 41, false}};
    // clang-format on
    for (const auto& [shape, family, web, flange, tooThick] : cases) {
        SharedModel m;
        m.SectionShape = shape;
        m.SectionFamilyCode = family;
        m.WebThickness = web;
        m.FlangeThickness = flange;
        EXPECT_EQ(SteelTooThick(m), tooThick) << shape << " " << family << " " << web << " " << flange;
    }
    EXPECT_EQ(std::string(kThicknessMessage),
              " Section thickness exceeds 40mm\rand is beyond the scope of this program");
}

// The load table rules, with a fault only in the last of each loop: loadcase 5, load row 50 (the
// last of the loads), row 51 (the self-weight), the last field.
TEST(JobChecks, EachLoadRuleGivesItsMessageForAFaultOnlyInTheLastLoadcaseAndRow) {
    const auto job = [] {
        auto m = ConfirmedJob(); // 1500 + 4000 + 5000 + 6000 + 1500 = 18000 mm
        m->BeamLength = 18000;
        return m;
    };
    using Loads = LoadTableOf;
    using Stacks = UDLStacksOf;
    // A point load of 10 kN at 2 m in loadcase 1, the only load.
    const auto pointLoad = [](Loads& l) {
        TLoadRec& r = l[1][1];
        r[lfKind] = 1, r[lfDist] = 2000, r[lfP] = 10000, r[lfLF] = 1, r[lfApplied] = 1;
    };
    // A UDL of 5 N/mm over 17 m to 18 m as row 50 of loadcase 5.
    const auto udl5 = [](Loads& l) -> TLoadRec& {
        TLoadRec& r = l[5][50];
        r[lfKind] = -1, r[lfDist] = 17000, r[lfW1] = r[lfW2] = 5, r[lfCover] = 1000, r[lfLF] = 1,
        r[lfApplied] = 1;
        return r;
    };
    const float inf = std::numeric_limits<float>::infinity();
    const std::string forkhead = kForkheadFactorsMessage;
    using Set = std::function<void(SharedModel&, Loads&, Stacks&)>;
    const std::tuple<const char*, Set, std::vector<std::string>> cases[] = {
        // clang-format off
        {"one point load", [&](SharedModel&, Loads& l, Stacks&) { pointLoad(l); }, {}},
        {"one UDL in loadcase 5 ending at the beam's end", [&](SharedModel&, Loads& l, Stacks&) { udl5(l); }, {}},
        {"no load applied", [&](SharedModel&, Loads& l, Stacks&) { udl5(l)[lfApplied] = -1; },
         {"No loads applied to beam"}},
        {"an empty point load and a UDL without rates", [&](SharedModel&, Loads& l, Stacks&) {
             pointLoad(l), l[1][1][lfP] = 0, udl5(l)[lfW1] = 0, l[5][50][lfW2] = 0; }, {"No loads on beam"}},
        {"an empty point load and a UDL over no length", [&](SharedModel&, Loads& l, Stacks&) {
             pointLoad(l), l[1][1][lfP] = 0, udl5(l)[lfCover] = 0; }, {"No loads on beam"}},
        {"a UDL over 17 m to 18.001 m", [&](SharedModel&, Loads& l, Stacks&) { udl5(l)[lfCover] = 1001; },
         {"Load 50 extends past end of beam"}},
        {"the first row past the end in loadcase 5", [&](SharedModel&, Loads& l, Stacks&) {
             pointLoad(l), l[5][1] = udl5(l), l[5][50][lfApplied] = -1, l[5][1][lfDist] = 17500; },
         {"Load 1 extends past end of beam"}},
        {"the first row's cover below 0 in loadcase 1", [&](SharedModel&, Loads& l, Stacks&) {
             pointLoad(l), l[1][1][lfCover] = -1; }, {"Negative lengths not allowed"}},
        {"that UDL not applied, past the end", [&](SharedModel&, Loads& l, Stacks&) {
             pointLoad(l), udl5(l)[lfCover] = 1001, l[5][50][lfApplied] = -1; }, {}},
        {"a cover below 0", [&](SharedModel&, Loads& l, Stacks&) { udl5(l)[lfCover] = -1; },
         {"Negative lengths not allowed"}},
        {"a distance below 0, the load not applied", [&](SharedModel&, Loads& l, Stacks&) {
             pointLoad(l), l[5][50][lfDist] = -1; }, {"Negative lengths not allowed"}},
        {"row 2 below 0 and row 50 past the end: in row order", [&](SharedModel&, Loads& l, Stacks&) {
             udl5(l)[lfDist] = 17500, l[5][2][lfCover] = -10; },
         {"Negative lengths not allowed", "Load 50 extends past end of beam"}},
        {"the self-weight's factor infinite", [&](SharedModel&, Loads& l, Stacks&) {
             pointLoad(l), l[5][51][lfLF] = inf; }, {"Load 51 value too large"}},
        {"row 50's distance not a number", [&](SharedModel&, Loads& l, Stacks&) {
             pointLoad(l), l[5][50][lfDist] = std::nanf(""); }, {"Load 50 value too large"}},
        {"the last value of row 50's stack in loadcase 5 infinite", [&](SharedModel&, Loads& l, Stacks& s) {
             pointLoad(l), s[5][50][TUDLStackRec::high] = -inf; }, {"Load 50 value too large"}},
        {"forkheads with the self-weight factored alone", [&](SharedModel& m, Loads& l, Stacks&) {
             m.SupportType[1] = supForkhead, pointLoad(l), l[5][51][lfApplied] = 1, l[5][51][lfLF] = 1.4f; },
         {forkhead}},
        {"forkheads, every factor 1.4", [&](SharedModel& m, Loads& l, Stacks&) {
             m.SupportType[1] = supForkhead, pointLoad(l), l[1][1][lfLF] = 1.4f;
             l[5][51][lfApplied] = 1, l[5][51][lfLF] = 1.4f; }, {}},
        {"forkheads, the other factor on a load not applied", [&](SharedModel& m, Loads& l, Stacks&) {
             m.SupportType[1] = supForkhead, pointLoad(l), l[5][51][lfApplied] = -1, l[5][51][lfLF] = 1.4f; }, {}},
        {"factors differ without forkheads", [&](SharedModel&, Loads& l, Stacks&) {
             pointLoad(l), l[5][51][lfApplied] = 1, l[5][51][lfLF] = 1.4f; }, {}},
        // clang-format on
    };
    for (const auto& [what, set, messages] : cases) {
        const auto m = job();
        auto loads = std::make_unique<Loads>();
        auto stacks = std::make_unique<Stacks>();
        set(*m, *loads, *stacks);
        EXPECT_EQ(LoadTableFaults(*m, *loads, *stacks), messages) << what;
    }
    EXPECT_EQ(LoadValueTooLargeMessage(7), "Load 7 value too large");
    EXPECT_EQ(forkhead, " For the routine to remove negative\r forkhead support loads to be used, \r"
                        " load factors must all be the same.\r");
}

TEST(JobChecks, OnA25SpanBeamTheRoundingOfEveryLengthUpToTheLastSpanIsAllowed) {
    // 25 spans of 1 km, no cantilevers: 25,000,000 mm, every sum exact in singles. The allowance is
    // half a unit in the last place of each length and of each running sum, and of the distance and
    // cover: 25 x 0.03125 for the spans; 0.03125 + 0.0625 + 2 x 0.125 + 4 x 0.25 + 8 x 0.5 + 9 x 1 =
    // 14.34375 for the sums of 1e6 .. 25e6; 1 for a distance of 24e6 and 0.03125 for a cover near
    // 1e6: 16.15625 mm in all. Without the last span's share it would be 15.125 mm.
    auto m = TwentyFiveSpans();
    for (int s = 1; s <= kMaxSpans; ++s)
        m->SpanData[s][mfL] = 1e6f;
    m->BeamLength = 25e6;
    EXPECT_FALSE(LoadPastBeamEnd(24e6f, 1e6f, *m));
    EXPECT_FALSE(LoadPastBeamEnd(24e6f, 1000015.5f, *m)) << "15.5 mm over: within the allowance";
    EXPECT_TRUE(LoadPastBeamEnd(24e6f, 1000017.0f, *m)) << "17 mm over";
    // One span of 2^23 mm (8.4 km): an allowance of 0.25 + 0.25 for a distance and a cover in
    // 2^22 .. 2^23, and 0.5 + 0.5 for the span and its sum, 1.5 mm in all; a load that ends exactly
    // that much past the end is still on the beam, half a millimetre more is not.
    SharedModel one;
    one.SpanCount[0] = 1;
    one.SpanData[1][mfExists] = 1;
    one.SpanData[1][mfL] = 8388608.0f;
    one.BeamLength = 8388608.0;
    EXPECT_FALSE(LoadPastBeamEnd(4194305.0f, 4194304.5f, one)) << "1.5 mm over";
    EXPECT_TRUE(LoadPastBeamEnd(4194305.0f, 4194305.0f, one)) << "2 mm over";
    // On a short beam the allowance of 1 in 10^7 of the length is the larger: 18000 x 1e-7 = 0.0018 mm.
    const auto c = ConfirmedJob();
    c->BeamLength = 18000;
    EXPECT_FALSE(LoadPastBeamEnd(17000, 1000.001f, *c));
    EXPECT_TRUE(LoadPastBeamEnd(17000, 1000.01f, *c));
}

} // namespace
} // namespace kx
