// Analyse on a job that the input forms would not let through: the form's message, and the window
// that asks for what is missing shown at the member it asks about, as the wizard shows it.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

#include "FormsFixture.h"
#include "app/Forms.h"
#include "engine/BeamBuilder.h"
#include "engine/EngineState.h"
#include "foundation/Units.h"
#include "foundation/ui/Preferences.h"
#include "foundation/ui/Windows.h"
#include "input/BeamMessages.h"
#include "input/FormTestSupport.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class AnalyseGuardTest : public FormsTest {
protected:
    // A 1.5 m LH cantilever, spans of 4 m and 4 m and a 1.5 m RH cantilever of 127 x 76 UB 13
    // checked to BS 5975, every member's effective length chosen for it; 10 kN/m over 11 m.
    void SetUp() override {
        FormsTest::SetUp();
        SetDefaultUnits(Model);
        test::BeamBuilder()
            .LHCantilever(1500)
            .Spans({4000, 4000})
            .RHCantilever(1500)
            .Section(205000, 4734400)
            .Udl(1, 0, 10, 11000)
            .Commit();
        test::UseUB127OnEveryMember();
        Model.CantLHOpts[coRestrained] = Model.CantRHOpts[coRestrained] = 1;
        Model.SpanOptFull[1] = Model.SpanOptFull[2] = 1;
        for (int r : {kLHCantRow, 1, 2, kRHCantRow}) {
            Model.EffLengthMemberLength[r] = Model.SpanData[r][mfL];
            Model.EffLength[r][0] = r == 1 || r == 2 ? 0.85f * 4000 : 0;
        }
    }
    std::vector<QWidget*> inputForms() const {
        return {Forms.KX_BeamFrm, Forms.LoadDataFrm, Forms.CantLHFrm, Forms.SpanFrm, Forms.CantRHFrm};
    }
};

TEST_F(AnalyseGuardTest, ARefusedAnalyseShowsTheFormThatAsksAtItsMember) {
    struct Case {
        const char* what;
        std::function<void()> spoil;
        QWidget* shown; // the one input window shown; nullptr: analysed
        std::string message;
    };
    const Case cases[] = {
        {"every member confirmed", [] {}, nullptr, ""},
        {"LH cantilever not chosen", [] { Model.CantLHOpts[coRestrained] = 0; }, Forms.CantLHFrm,
         "Click all appropriate option boxes or\renter desired effective length in box"},
        {"span 2 chosen for 3 m", [] { Model.EffLengthMemberLength[2] = 3000; }, Forms.SpanFrm,
         " Span 2 length has been changed\r goto span 2 and re-select option.\r (it may be necessary to "
         "de-select it first)"},
        {"RH cantilever chosen for 1 m", [] { Model.EffLengthMemberLength[kRHCantRow] = 1000; },
         Forms.CantRHFrm,
         " RHC length has been changed\r re-select option.\r (it may be necessary to de-select it first)"},
        {"load reaching 12 m on an 11 m beam",
         [] {
             TLoadRec& r = Model.LoadTable[3][2];
             for (auto [field, v] : {std::pair{lfKind, -1.0f},
                                     {lfDist, 10000.0f},
                                     {lfW1, 5.0f},
                                     {lfW2, 5.0f},
                                     {lfCover, 2000.0f},
                                     {lfLF, 1.0f},
                                     {lfApplied, 1.0f}})
                 r[field] = v;
         },
         Forms.LoadDataFrm, "Load 2 extends past end of beam"},
        {"a 75 x 225 timber section with member type HRS",
         [] {
             Model.SectionDescription = "75.0 x 225 C24 Timber";
             for (int r = 0; r <= kRHCantRow; ++r) {
                 Model.SpanData[r][mfTimberDepth] = 225;
                 Model.SpanData[r][mfTimberWidth] = 75;
             }
         },
         Forms.KX_BeamFrm, beammsg::kSection},
        {"forkheads with load factors 1.6 and 1.0",
         [] {
             Model.FactoredLoadsFlag = 1;
             Model.SupportType.fill(supForkhead);
             for (int lc = 1; lc <= kMaxLoadcases; ++lc)
                 Model.LoadTable[lc][1][lfLF] = 1.6f;
             TLoadRec& r = Model.LoadTable[1][2];
             for (auto [field, v] : {std::pair{lfKind, 1.0f},
                                     {lfDist, 2000.0f},
                                     {lfW1, 5000.0f},
                                     {lfLF, 1.0f},
                                     {lfApplied, 1.0f}})
                 r[field] = v;
         },
         Forms.LoadDataFrm, loadmsg::kForkheadFactors},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto saved = std::make_unique<SharedModel>(Model);
        c.spoil();
        for (QWidget* w : inputForms())
            w->hide();
        Forms.SpanFrm->Edit_Span->setValue(1);
        dialogs_->clear();
        Model.AnalysedFlag = 0;

        Forms.IndexFrm->Analyse2->trigger();
        EXPECT_EQ(dialogs_->messages(),
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        for (QWidget* w : inputForms())
            EXPECT_EQ(w->isVisible(), w == c.shown) << w->objectName().toStdString();
        EXPECT_EQ(Model.AnalysedFlag, c.shown ? 0 : 1);
        if (c.shown == Forms.SpanFrm) {
            TSpanFrm* span = Forms.SpanFrm;
            EXPECT_EQ(span->Edit_Span->value(), 2);
            // Its sketch marks span 2, as the spinner moved there by the user marks it, and not
            // span 1.
            const QImage asked = span->Image_Spans->Picture.copy();
            span->Edit_Span->setValue(1);
            EXPECT_NE(span->Image_Spans->Picture, asked);
            span->Edit_Span->setValue(2);
            EXPECT_EQ(span->Image_Spans->Picture, asked);
        }
        Model = *saved;
    }
}

} // namespace

namespace {

// Factored loads turned on in the preferences while the load form is open, over a job checked to
// BS 5975: Analyse asks the check's question first, and a No shows every factor as 1.0 on the open
// load form, as the beam form's Next leaves it, and hides the factor column.
TEST_F(AnalyseGuardTest, FactoredLoadsTurnedOnWithTheLoadFormOpenAreQuestionedByAnalyse) {
    Model.FactoredLoadsFlag = -1;
    Model.SectionShape = "Beam";
    Model.SectionFamilyCode = "UB";
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    loads->RestoreCommittedLoads();
    ShowForm(loads);
    TPreferencesFrm* prefs = Forms.PreferencesFrm;
    ShowForm(prefs);
    prefs->Check_Factor->setChecked(true);
    prefs->Button2->click();
    ASSERT_EQ(Model.FactoredLoadsFlag, 1);
    ASSERT_TRUE(loads->Row(1).Edit_LF->isVisibleTo(loads));
    loads->Row(1).Edit_LF->setText("1.6");
    dialogs_->clear();

    Forms.IndexFrm->Analyse2->trigger();
    ASSERT_EQ(dialogs_->shown.size(), 2u);
    EXPECT_EQ(dialogs_->shown[0].kind + "|" + dialogs_->shown[0].text,
              std::string("confirm|") + beammsg::kFactoredLoads);
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kFactorsReset});
    EXPECT_EQ(Model.FactoredLoadsFlag, -1);
    EXPECT_EQ(Model.LoadTable[1][1][lfLF], 1.0f);
    EXPECT_EQ(FromQt(loads->Row(1).Edit_LF->text()), "1.000");
    EXPECT_EQ(FromQt(loads->Edit_LF->text()), "1.000");
    EXPECT_FALSE(loads->Row(1).Edit_LF->isVisibleTo(loads));
    EXPECT_EQ(Model.AnalysedFlag, 1);
    // The reactions carry the 10 kN/m over 11 m unfactored.
    EXPECT_NEAR(Eng.SupportReactionSum[1] / 1000, 110, 0.01);

    // Asked once: the next Analyse asks nothing.
    dialogs_->clear();
    Forms.IndexFrm->Analyse2->trigger();
    EXPECT_TRUE(dialogs_->shown.empty());
}

} // namespace
