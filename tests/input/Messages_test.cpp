// The messages of the input forms as the user reads them, each compared with its own words: the
// fixed texts, and those built for a row, a span or a cantilever at the last of each.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "FormTestSupport.h"
#include "input/BeamMessages.h"
#include "input/Cantilever.h"
#include "input/LoadData.h"
#include "input/SectionChoice.h"
#include "input/Span.h"

using namespace kx;
using namespace kxtest;

namespace {

using Texts = std::vector<std::string>;

TEST(InputFormMessages, EveryFixedTextReadsAsTheUserSeesIt) {
    const std::pair<const char*, const char*> texts[] = {
        {beammsg::kCouplerWithForkheads, "Coupler restraint cannot be used with forkheads"},
        {beammsg::kNoCheckWithForkheads, "Program does not code check to BS 5950 with forkhead supports"},
        {beammsg::kLHCantileverLength, "Enter length for LH Cantilever"},
        {beammsg::kSpanLength, " Enter Length for Span "},
        {beammsg::kRHCantileverLength, "Enter length for RH Cantilever"},
        {beammsg::kSupportType, "Specify support type"},
        {beammsg::kBoards, "Coupler restraint not possible with boards"},
        {beammsg::kLiftHeight, "Enter \"L\" (lift height)\rfor double coupler fixing"},
        {beammsg::kSection,
         " Specify section\r\r Click \"Section Properties Database\" on the top menu\r then click "
         "required section in \"Steel Section Database\" to load.\r\r Create new section in \"KX "
         "Sections\" for non standard section"},
        {beammsg::kTimberE,
         "You appear to have a timber section \rwith a value of \"E\" for steel.\rIs this correct?\r"},
        {beammsg::kFactoredLoads, "Do you wish to show factored loads for permissible stress design!"},
        {beammsg::kFactorsReset, "All load factors have been reset to 1.0"},
        {beammsg::kThickness, " Section thickness exceeds 40mm\rand is beyond the scope of this program"},
        {beammsg::kConfirmCaption, "Confirm"},
        {loadmsg::kNegativeLengths, "Negative lengths not allowed"},
        {loadmsg::kNoLoadsApplied, "No loads applied to beam"},
        {loadmsg::kNoLoads, "No loads on beam"},
        {loadmsg::kForkheadFactors,
         " For the routine to remove negative\r forkhead support loads to be used, \r load "
         "factors must all be the same.\r"},
        {loadmsg::kSelfWeightFactorNotANumber, "Self-weight load factor is not a number"},
        {spanmsg::kSumExceeds, "Sum of spaces exceeds span length"},
        {spanmsg::kNegative, "Negative lengths not allowed"},
        {spanmsg::kNotSelected, " Effective length not selected for span "},
        {spanmsg::kNothingChosen,
         "Click all appropriate option boxes or\renter desired effective length in box"},
        {cantmsg::kIncomplete,
         "Click all appropriate option boxes or\renter desired effective length in box"},
        {cantmsg::kNegative, "Negative lengths not allowed"},
        {sectionmsg::kTimberSize, "Input beam size"},
    };
    for (const auto& [shown, words] : texts)
        EXPECT_STREQ(shown, words);
}

// The captions each cantilever form shows, the left form's and the right form's own spellings kept.
TEST(InputFormMessages, EachCantileverFormHasItsOwnCaptions) {
    const auto captions = [](const CantSide& side) {
        Texts t{side.Caption, side.InputCaption, side.ChangedLine, side.EndGroupCaption};
        for (int field : {coRestrained, coEdit, coNormal, coDestabilizing, coEndFree, coEndTop, coEndTorsion,
                          coEndBoth, coSupportLateral})
            t.push_back(CantOptionCaption(side, field));
        return t;
    };
    EXPECT_EQ(captions(LHCantSide()),
              (Texts{"LH Cantilever", "LHC Effective Length", " LHC length has been changed", "End Restraint",
                     "Cantilever fully restrained", "Enter value for effective length", "Normal",
                     "Destabilizing", "Free", "Top flange restraint", "Torsionional restraint",
                     "Lateral and torional restraint", ""}));
    EXPECT_EQ(
        captions(RHCantSide()),
        (Texts{"RH Cantilever", "RHC Effective Length", " RHC length has been changed", " End Restraint ",
               "Cantilever fully restrained", "Enter value for effective length", "Normal", "Destabilizing",
               "Free", "Top flange restraint", "Torsional restaint", "Lateral and torsional retraint", ""}));
    EXPECT_TRUE(LHCantSide().BracedNote && !RHCantSide().BracedNote);
}

// "Next >" of the load form names the row and the column of a text that is not a number, the last
// row included, and the self-weight's factor; then the row of a load past the end and of a value
// no single holds.
class LoadFormMessages : public LoadFormTest {
protected:
    Texts Next() {
        dialogs->clear();
        EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Stay);
        return Messages();
    }
};

TEST_F(LoadFormMessages, TheRowAndTheColumnOfEachRefusedLoad) {
    Point(1, "10", "1");
    Tick({1});
    const struct {
        bool point;
        std::array<std::string, 6> texts; // value, dist, start, finish, cover, factor
        const char* message;
        std::size_t times = 1; // a load past the end: by the reading of the rows, then by the check
    } rows[] = {
        {true, {"ten", "1", "", "", "", "1.2"}, "Load 50 value is not a number"},
        {true, {"10", "1 m", "", "", "", "1.2"}, "Load 50 distance is not a number"},
        {false, {"", "1", "2", "3kN", "2", "1.2"}, "Load 50 value is not a number"},
        {false, {"", "1", "2kN", "3", "2", "1.2"}, "Load 50 value is not a number"},
        {false, {"", "1", "2", "3", "2,5", "1.2"}, "Load 50 cover is not a number"},
        {false, {"", "1", "2", "3", "2", "x1.2"}, "Load 50 load factor is not a number"},
        {false, {"", "6", "2", "3", "1.001", "1.2"}, "Load 50 extends past end of beam", 2}, // 7.001 m of 7
        {true, {"1e39", "1", "", "", "", "1.2"}, "Load 50 value too large"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.message);
        Type(50, r.point, r.texts);
        Tick({50});
        EXPECT_EQ(Next(), Texts(r.times, r.message));
    }
    Type(50, true, {"10", "1", "", "", "", "1.2"});
    f.Frame_SWt = true;
    f.Edit_LF = "1.4x";
    EXPECT_EQ(Next(), Texts{"Self-weight load factor is not a number"});
}

// The span form names the last span whose length changed; each cantilever form its own end.
class EffLengthMessages : public InputFormTest {};

TEST_F(EffLengthMessages, ChangedLengthMessagesNameTheLastSpanAndEachEnd) {
    Model.SpanCount[0] = kMaxSpans;
    for (int s = 1; s <= kMaxSpans; ++s) {
        Model.SpanData[s][mfL] = Work.EffLengthMemberLengthWork[s] = 1000;
        Work.SpanOptFullWork[s] = 1;
    }
    Work.EffLengthMemberLengthWork[kMaxSpans] = 999;
    SpanControls c;
    SpanPictures p;
    EXPECT_EQ(SpanNext(c, p), SpanRoute::Stay);
    EXPECT_EQ(Messages(), Texts{" Span 25 length has been changed\r goto span 25 and re-select option.\r (it "
                                "may be necessary to de-select it first)"});
    for (const CantSide* side : {&LHCantSide(), &RHCantSide()}) {
        dialogs->clear();
        Model.SpanData[side->Row][mfL] = 1500;
        Work.EffLengthMemberLengthWork[side->Row] = 1400;
        CantControls cc;
        cc.Option[coRestrained] = true;
        EXPECT_EQ(CantNext(*side, cc), CantRoute::Stay);
        EXPECT_EQ(Messages(), Texts{std::string(side->Row == kLHCantRow ? " LHC" : " RHC") +
                                    " length has been changed\r re-select option.\r (it may be necessary to "
                                    "de-select it first)"});
    }
}

} // namespace
