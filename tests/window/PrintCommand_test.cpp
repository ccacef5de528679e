// The print command: which sections print, in which order, with which page breaks, and what a
// failing or cancelled job leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PrintTestSupport.h"
#include "app/ProgramState.h"
#include "engine/ResultText.h"
#include "platform/BusyCursor.h"
#include "window/Print.h"

using namespace kx;
using namespace kx::test;

namespace {

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
    RecordingPrinter p{600};

    static PrintChoices All(bool twentieths) {
        PrintChoices c;
        c.Check_Beam = c.Check_Envelope = c.Check_Env20 = c.Check_Case = c.Check_Case20 = true;
        c.Option_10 = !twentieths;
        c.Option_20 = twentieths;
        return c;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> out;
        for (const auto& page : p.pages)
            out.push_back(TitleOf(*page));
        return out;
    }
};

class CancellingPrinter : public RecordingPrinter {
public:
    void BeginDoc() override { throw PrintCancelled(); }
};

} // namespace

TEST_F(PrintCommandTest, AllFiveSectionsOfBeamBMakeTwelvePagesInTheirFixedOrder) {
    AnalyseBeamB();
    EXPECT_EQ(PrintReport(All(true), 1, p), PrintOutcome::Printed);
    EXPECT_TRUE(p.ended);
    EXPECT_EQ(Model.EnvelopeDivisions, 20);
    ASSERT_EQ(p.pages.size(), 12u);
    for (std::size_t n = 0; n < 12; ++n)
        EXPECT_TRUE(p.pages[n]->hasText("Page " + std::to_string(n + 1))) << "page " << n + 1;
    const std::string envelope = "Results Envelope at 1/20th Span Intervals";
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Beam & Loading Data + Results Summary",
                                                  "  Envelope Diagrams ", envelope, envelope, " LOADCASE 1",
                                                  " LOADCASE 2", "LOADCASE 1", "LoadCase 1", "LoadCase 1",
                                                  "LOADCASE 2", "LoadCase 2", "LoadCase 2"}));

    // At 1/10th the envelope text is shorter but still breaks once.
    p = RecordingPrinter(600);
    PrintChoices c;
    c.Check_Env20 = true;
    EXPECT_EQ(PrintReport(c, 1, p), PrintOutcome::Printed);
    EXPECT_EQ(Model.EnvelopeDivisions, 10);
    EXPECT_EQ(Titles(), std::vector<std::string>(2, "Results Envelope at 1/10th Span Intervals"));
}

TEST_F(PrintCommandTest, BreaksComeOnlyBeforeALaterTickedSection) {
    AnalyseBeamB();
    PrintChoices c;
    c.Check_Case20 = true;
    EXPECT_EQ(PrintReport(c, 1, p), PrintOutcome::Printed);
    ASSERT_EQ(p.pages.size(), 6u);
    EXPECT_EQ(Titles().front(), "LOADCASE 1") << "no page before the only section";
    EXPECT_EQ(Titles().back(), "LoadCase 2") << "none after it";

    // A ticked section that prints nothing still has its page.
    p = RecordingPrinter(600);
    c.Check_Beam = true;
    EXPECT_EQ(PrintReport(c, 0, p), PrintOutcome::Printed);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_TRUE(p.pages[1]->items.empty());

    // The envelope data's interval is set only when that section prints.
    p = RecordingPrinter(600);
    Model.EnvelopeDivisions = 7;
    PrintChoices diagrams;
    diagrams.Check_Case = true;
    diagrams.Option_10 = false;
    diagrams.Option_20 = true;
    EXPECT_EQ(PrintReport(diagrams, 1, p), PrintOutcome::Printed);
    EXPECT_EQ(Model.EnvelopeDivisions, 7);
    EXPECT_EQ(p.pages.size(), 2u);
}

TEST_F(PrintCommandTest, NoBeamNothingTickedACancelAndAFailureEachEndTheirOwnWay) {
    PrintChoices none;
    EXPECT_EQ(PrintReport(All(true), 1, p), PrintOutcome::NoBeam);
    EXPECT_TRUE(p.pages.empty()) << "no job begun";
    AnalyseBeamB();
    EXPECT_EQ(PrintReport(none, 1, p), PrintOutcome::NothingTicked);
    EXPECT_TRUE(p.pages.empty());

    CancellingPrinter cancelling;
    EXPECT_EQ(PrintReport(All(true), 1, cancelling), PrintOutcome::Cancelled);
    EXPECT_TRUE(cancelling.pages.empty());

    // A damaged line count stops the job in section 3: the job is abandoned whole.
    Txt.EnvelopeLines[0] = "many";
    EXPECT_THROW(PrintReport(All(true), 1, p), ConvertError);
    EXPECT_TRUE(p.aborted);
    EXPECT_FALSE(p.ended);
    EXPECT_FALSE(p.Printing());
    EXPECT_EQ(BusyCursor::depth(), 0);
}
