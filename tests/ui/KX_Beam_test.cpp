// The beam form headless: the handlers as the user or a screen reader reaches them (clicks, the
// Toggle action, keys in the grids and the span count), Next and File New, the sketch on its
// picture, the couplers note, and the binding of every control. Next and Cancel in a real window:
// tests/real/BeamForm_real.cpp.
#include "input/ui/KX_Beam.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <span>
#include <tuple>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "OnScreen.h"
#include "WiringTables.h"
#include "app/Forms.h"
#include "engine/AnalysedJob.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/Units.h"
#include "input/SectionChoice.h"
#include "input/ui/Couplers.h"
#include "input/ui/LoadData.h"
#include "input/ui/TimSect.h"
#include "platform/BinaryIO.h"
#include "platform/QtDialogs.h"
#include "sections/SectionFile.h"
#include "sections/SectionWriters.h"
#include "window/FileCommands.h"
#include "window/IndexJobs.h"
#include "window/KxfFile.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class BeamWindow : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        ReadUnitFile();
        ResetBeamJob();
        w = Forms.KX_BeamFrm;
        ResetAllInputForms();
        w->show();
    }

    // Keys typed into a widget, as the keyboard sends them, then Enter.
    static void typeKeys(QWidget* target, const QString& text) {
        for (QChar ch : text)
            for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(t, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
                QApplication::sendEvent(target, &key);
            }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
    }
    // A length typed into a cell of the spans grid through the grid's editor.
    void typeLength(int col, const QString& text) {
        QTableWidgetItem* it = w->Grid_Spans->item(1, col);
        ASSERT_NE(it, nullptr);
        w->Grid_Spans->setCurrentItem(it);
        w->Grid_Spans->editItem(it);
        QLineEdit* editor = nullptr; // the open editor: closed ones are hidden until deleted
        for (QLineEdit* e : w->Grid_Spans->findChildren<QLineEdit*>())
            if (e->isVisible()) editor = e;
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        typeKeys(editor, text);
    }
    std::string cell(QTableWidget* t, int col, int row) const {
        const QTableWidgetItem* it = t->item(row, col);
        return it ? FromQt(it->text()) : std::string("<none>");
    }
    std::vector<std::string> lengths() const {
        std::vector<std::string> out;
        for (int col = 1; col < w->Grid_Spans->columnCount(); ++col)
            out.push_back(cell(w->Grid_Spans, col, 1));
        return out;
    }

    // A new beam of universal beams from File New (which leaves the controls of the family chosen
    // before as they were), its span count set with the spinner and its lengths typed.
    void fresh(const std::vector<const char*>& spans = {"3"}) {
        Forms.IndexFrm->New1->trigger();
        w->UniversalBeams1->trigger();
        for (std::size_t n = 1; n < spans.size(); ++n)
            w->Edit_Spans->stepUp();
        for (std::size_t i = 0; i < spans.size(); ++i)
            setLength(static_cast<int>(i) + 1, spans[i]);
        dialogs_->clear();
    }
    // A cell's text changed as the grid's editor changes it: the form reads it at once.
    void setLength(int col, const char* text) {
        ASSERT_NE(w->Grid_Spans->item(1, col), nullptr) << col;
        w->Grid_Spans->item(1, col)->setText(QString::fromLatin1(text));
    }
    // A beam of the first scaffold tube, with a lift height of 2 m typed.
    void scaffold(const std::vector<const char*>& spans) {
        fresh(spans);
        w->Tube1->trigger();
        QListWidgetItem* tube = w->List_Sect->item(0);
        ASSERT_NE(tube, nullptr);
        w->List_Sect->setCurrentItem(tube);
        emit w->List_Sect->itemClicked(tube);
        w->Edit_L->setText("2");
    }
    static std::vector<char> fileBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The section of a family's menu item whose designation holds the text, clicked in the list.
    void pickSection(const char* item, const char* designation) {
        w->findChild<QAction*>(item)->trigger();
        const auto found = w->List_Sect->findItems(designation, Qt::MatchContains);
        ASSERT_EQ(found.size(), 1) << designation;
        w->List_Sect->setCurrentItem(found.front());
        emit w->List_Sect->itemClicked(found.front());
    }
    bool ticked(const std::string& name) const { return kxtest::Button(w, name)->isChecked(); }
    // White pixels of a fixed end's wall, which alone rises above the beam line, at either end.
    int wallPixels(bool right) const {
        const QImage& p = w->Image_Beam->Picture;
        const int x = right ? p.width() - 25 : 25, beam = p.height() / 2 - 10;
        int n = 0;
        for (int y = beam - 25; y <= beam - 6; ++y)
            for (int dx = -1; dx <= 1; ++dx)
                n += p.pixelColor(x + dx, y) == QColor(Qt::white);
        return n;
    }
    // The coupler spring of a lift of 2 m on the picked section, N mm per radian.
    static double spring() { return 210000.0 * Work.WorkSpanData[1][mfIxx] / 2000; }

    TKX_BeamFrm* w = nullptr;
};

using Texts = std::vector<std::string>;
using Codes = std::vector<TSupportCode>;

// Each family of the table has one menu item, captioned and named from its row, that chooses it.
TEST_F(BeamWindow, EveryFamilyMenuItemChoosesItsOwnFamily) {
    int items = 0;
    for (const SectionFamilyRow& row : SectionFamilies()) {
        SCOPED_TRACE(row.Item);
        QAction* item = nullptr;
        for (QAction* a : w->findChildren<QAction*>())
            if (a->objectName() == QString::fromLatin1(row.Item)) item = a, ++items;
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(FromQt(item->text()), row.Caption);
        Work.SectionFamily.clear();
        item->trigger();
        EXPECT_EQ(Work.SectionFamily, row.Code);
    }
    EXPECT_EQ(items, kSectionFamilies);
}

TEST_F(BeamWindow, TypedLengthsFollowTheTicksFillTheMemberGridAndAreSketched) {
    EXPECT_FALSE(w->Grid_Spans->item(0, 1)->flags() & Qt::ItemIsEditable); // captions
    EXPECT_FALSE(w->Grid_Spans->item(1, 0)->flags() & Qt::ItemIsEditable);
    w->Edit_Spans->setValue(3); // the spinner
    for (int col : {1, 2, 3})
        typeLength(col, col == 2 ? "4" : "3");
    // "LHC" ticked as a screen reader does it, with no click, moves the typed lengths one column
    // right; typing refreshes the member grid.
    QAccessible::queryAccessibleInterface(w->Check_LHC)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(lengths(), (std::vector<std::string>{"", "3.000", "4.000", "3.000"}));
    typeLength(1, "1.5");
    EXPECT_EQ(cell(w->Grid_SpanData, 1, 2), "1500.0");

    // The sketch is painted on the form's own picture: the white beam line on its grey ground, and
    // "RH Support Fixed" draws the wall of a fixed end where the pinned end stood.
    EXPECT_EQ(w->Image_Beam->Picture.pixelColor(450, 26), QColor(Qt::white));
    EXPECT_EQ(wallPixels(true), 0);
    w->Check_RHF->click();
    EXPECT_GT(wallPixels(true), 30);

    // "LH Support Fixed" unticks "LHC" and takes its column away.
    w->Check_LHF->click();
    EXPECT_FALSE(w->Check_LHC->isChecked());
    EXPECT_EQ(lengths(), (std::vector<std::string>{"3.000", "4.000", "3.000"}));
    EXPECT_EQ(Work.WorkSupportType[0], supFixedEnd);

    // Forkheads, chosen with no click, refuse a coupler box ticked afterwards.
    w->Option_Forkhead->setChecked(true);
    EXPECT_EQ(Work.WorkSupportType[1], supForkhead);
    w->Frame_Couplers->show();
    w->Check_RH_End_Sup->click();
    EXPECT_FALSE(w->Check_RH_End_Sup->isChecked());
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kCouplerWithForkheads});

    // "30" typed as the span count gives 20.
    w->Edit_Spans->findChild<QLineEdit*>()->selectAll();
    typeKeys(w->Edit_Spans, "30");
    EXPECT_EQ(w->Edit_Spans->value(), 20);
    EXPECT_EQ(Work.WorkSpanCount, 20);
    EXPECT_EQ(w->Grid_Spans->columnCount(), 21);
}

// Each drawing of the sketch reaches the screen: a length typed, another, File New clearing it.
TEST_F(BeamWindow, EachDrawingOfTheSketchReachesTheScreen) {
    w->Edit_Spans->setValue(2);
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Beam));
    for (auto [col, length] : {std::pair{1, "3"}, {2, "4"}}) {
        const QImage before = w->Image_Beam->Picture.copy();
        typeLength(col, length);
        EXPECT_NE(w->Image_Beam->Picture, before) << col;
        EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Beam)) << col;
    }
    Forms.IndexFrm->New1->trigger();
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Beam));
}

TEST_F(BeamWindow, NextRefusedKeepsTheFormAndFileNewResetsIt) {
    w->Edit_Spans->setValue(2);
    typeLength(1, "3");
    w->Check_RHC->click();
    w->lbl_S01_E->setText("205000");
    w->cmdNext->click(); // no section: the message, and the form stays
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kSection});
    EXPECT_TRUE(w->isVisible());

    // File New clears the form and its picture, and shows it.
    Forms.IndexFrm->New1->trigger();
    EXPECT_TRUE(w->isVisible() && !w->Check_RHC->isChecked());
    EXPECT_EQ(lengths(), std::vector<std::string>{""});
    EXPECT_EQ(w->Edit_Spans->value(), 1);
    EXPECT_EQ(w->Image_Beam->Picture.pixelColor(400, 26), QColor(0x80, 0x80, 0x80));
}

TEST_F(BeamWindow, ShowingDisablesSavingAndACommitClearsTheAnalysisShown) {
    TempDir jobs;
    kxtest::WriteJob(kxtest::JobC(), jobs.path("c.kxf"));
    TIndexFrm* index = Forms.IndexFrm;
    w->hide();
    dialogs_->fileAnswers.push_back(jobs.path("c.kxf"));
    index->Open1->trigger();
    ASSERT_EQ(Model.AnalysedFlag, 1);
    ASSERT_GT(index->List_Results->count(), 0);
    ASSERT_NE(Txt.SummaryLines[1], "");
    ASSERT_NE(Txt.EnvelopeLines[1], "");
    ASSERT_TRUE(index->Save1->isEnabled() && index->SaveAs1->isEnabled() && index->Print1->isEnabled());

    // Input > Beam: the restored beam, and the job cannot be saved while it is edited.
    index->Beam1->trigger();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(index->Save1->isEnabled() || index->SaveAs1->isEnabled());
    EXPECT_EQ(cell(w->Grid_Spans, 1, 1), "4.000");
    EXPECT_TRUE(w->Check_LHF->isChecked() && w->Check_RHF->isChecked());

    // Next: nothing of the old beam's analysis is left to show, print or save.
    Txt.SteelCheckLines[1][0] = "1";
    w->Option_Vert_Fixed->click(); // the job's interior entries hold no support kind
    w->cmdNext->click();
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(ResultsStand());
    EXPECT_TRUE(ResultsOfAnotherJob());
    EXPECT_EQ(index->List_Results->count() + index->List_CaseResults->count(), 0);
    EXPECT_FALSE(index->Print1->isEnabled() || index->Save1->isEnabled());
    EXPECT_EQ(Model.SupportType[0], supFixedEnd);
    EXPECT_EQ(Model.SupportType[1], supFixed);
}

TEST_F(BeamWindow, ASectionWithoutSteelSelfWeightLeavesOnlyTheTypedLoads) {
    WriteAllSectionFiles();
    TIndexFrm* index = Forms.IndexFrm;
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    TempDir jobs;
    const std::string ub = jobs.path("ub.kxf"), tube = jobs.path("tube.kxf");
    auto pick = [this](const char* item, const char* designation) { pickSection(item, designation); };
    auto open = [&](const std::string& path) {
        dialogs_->fileAnswers.push_back(path);
        index->Open1->trigger();
    };
    auto commitTube = [&] {
        index->Beam1->trigger();
        pick("Tube1", "\"New\" Steel Tube");
        w->cmdNext->click();
    };
    // The typed loads, 10 kN at 2 m and 2 kN/m over the whole 4 m span, are 18 kN on the supports.
    const double typed = 10 + 2 * 4;
    auto onlyTypedLoads = [&](const char* route) {
        SCOPED_TRACE(route);
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        dialogs_->clear();
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            EXPECT_NE(Model.LoadTable[lc][kSelfWeightRecord][lfApplied], 1.0f) << lc;
        EXPECT_NEAR(Eng.SupportReactionSum[1] / 1000.0, typed, 1e-4 * typed);
    };

    // A 127 x 76 UB whose self-weight is applied: 7.85 t/m^3 x 1652 mm^2 x 9.81 over 4 m more.
    typeLength(1, "4");
    pick("UniversalBeams1", "127 x 76 UB 13");
    w->cmdNext->click();
    loads->Row(1).OptionP->setChecked(true);
    loads->Row(2).OptionUDL->setChecked(true);
    for (auto [e, text] : {std::pair{loads->Row(1).Edit_PL, "10"},
                           {loads->Row(1).Edit_Dist, "2"},
                           {loads->Row(2).Edit_Dist, "0"},
                           {loads->Row(2).Edit_UDLS, "2"},
                           {loads->Row(2).Edit_UDLF, "2"},
                           {loads->Row(2).Edit_Cover, "4"}})
        e->setText(text);
    for (QCheckBox* apply : {loads->Row(1).Check, loads->Row(2).Check, loads->Check_Swt})
        apply->click();
    loads->cmd_Next->click();
    EXPECT_NEAR(Eng.SupportReactionSum[1] / 1000.0, typed + 7.85 * 1652e-6 * 9.81 * 4, 1e-4 * typed);
    dialogs_->clear();
    WriteBeamFile(ub);
    Model.SectionShape = "Tube"; // the job as a faulty commit left it with a scaffold tube
    Model.SectionFamilyCode = "Scaffold";
    WriteFileReplacing(tube, WriteKxfFile());        // as saved then, with the UB's results
    ASSERT_THROW(WriteBeamFile(tube), KxfFileError); // which are not this job's

    // Opened, then the tube: the load form shows the job's loads, without the self-weight.
    open(ub);
    commitTube();
    EXPECT_TRUE(loads->Row(1).OptionP->isChecked() && loads->Row(2).OptionUDL->isChecked());
    EXPECT_EQ(loads->Row(1).Edit_PL->text(), "10.000");
    EXPECT_TRUE(loads->Row(1).Check->isChecked() && loads->Row(2).Check->isChecked());
    EXPECT_TRUE(loads->Frame_SWt->isHidden() && !loads->Check_Swt->isChecked());
    loads->cmd_Next->click();
    onlyTypedLoads("Open, then the beam commit");

    open(ub);
    index->Loads1->trigger();
    loads->Check_Swt->click(); // unticked and cancelled: the flags are applied again
    loads->cmd_Cancel->click();
    commitTube();
    loads->cmd_Next->click();
    onlyTypedLoads("the beam commit");

    open(tube);
    index->Analyse2->trigger();
    onlyTypedLoads("Open");
    index->Loads1->trigger();
    loads->cmd_Next->click();
    onlyTypedLoads("the load form");
}

TEST_F(BeamWindow, TheInstructionShowsTheMemberGridTheCouplersNoteClosesOnOkAndTheCodeCheckFits) {
    // The member grid lies below the client area until the instruction is clicked.
    const int shortHeight = w->height();
    EXPECT_GT(w->Grid_SpanData->y(), w->centralWidget()->height());
    emit w->Label_Demo->clicked();
    EXPECT_GT(w->height(), shortHeight);
    EXPECT_LE(w->Grid_SpanData->geometry().bottom(), w->centralWidget()->height());

    TCouplersFrm* note = Forms.CouplersFrm;
    QTimer::singleShot(0, note, [note] {
        EXPECT_TRUE(note->isModal() && note->isVisible());
        note->cmd_OK->click();
    });
    w->Button1->click();
    EXPECT_EQ(note->result(), 1);
    EXPECT_FALSE(note->isVisible());

    // GA / Kform is shown in the force unit of the moment the form is shown.
    EXPECT_EQ(w->Label_GA_Unit->text(), "( kN )");
    w->hide();
    Model.UnitTextForce = "lbf";
    w->show();
    EXPECT_EQ(w->Label_GA_Unit->text(), "( lbf )");

    // The code check's option and its steel grade each show whole, apart, inside the group.
    const QWidget* grade = w->Frame_SteelCheck->findChild<QLabel*>("Label_S275");
    ASSERT_NE(grade, nullptr);
    for (const QWidget* c : {static_cast<const QWidget*>(w->Option_Check), grade})
        EXPECT_TRUE(c->sizeHint().width() <= c->width() &&
                    c->geometry().right() < w->Frame_SteelCheck->width() - 2)
            << c->objectName().toStdString();
    EXPECT_FALSE(w->Option_Check->geometry().intersects(grade->geometry()));
}

TEST_F(BeamWindow, EachControlFeedsItsOwnFieldInEveryStateOfTheForm) {
    EXPECT_TRUE(kxtest::UnboundInputs(w, w->Bindings).empty());
    const auto roundTrip = [this](const char* state) {
        SCOPED_TRACE(state);
        w->Bindings.SetFilling(true); // the handlers stay out of it, as when a snapshot is shown
        kxtest::ExpectRoundTrip(w->Bindings);
        w->Bindings.SetFilling(false);
    };
    roundTrip("new beam");
    w->Edit_Spans->setValue(3);
    w->Check_RHC->click();
    typeLength(2, "4");
    w->Tube1->trigger();
    emit w->Label_Demo->clicked();
    ASSERT_TRUE(w->Frame_Couplers->isVisibleTo(w));
    roundTrip("scaffold tube with couplers, member grid shown");
    w->Timber1->trigger();
    ASSERT_TRUE(w->Frame_Timber->isVisibleTo(w) && w->Frame_Shear->isVisibleTo(w));
    roundTrip("timber");

    // Each option feeds its own field, which a round trip cannot tell from a swap within its pair.
    using F = BeamFormControls;
    const std::pair<QRadioButton*, bool F::*> options[] = {
        {w->Option_Forkhead, &F::Option_Forkhead}, {w->Option_Vert_Fixed, &F::Option_Vert_Fixed},
        {w->Option_LH_Top, &F::Option_LH_Top},     {w->Option_LH_Mid, &F::Option_LH_Mid},
        {w->Option_Span_Mid, &F::Option_Span_Mid}, {w->Option_Span_Top, &F::Option_Span_Top},
        {w->Option_RH_Top, &F::Option_RH_Top},     {w->Option_RH_Mid, &F::Option_RH_Mid},
        {w->Option_Check, &F::Option_Check},       {w->Option_None, &F::Option_None}};
    w->Bindings.SetFilling(true);
    for (auto [radio, field] : options) {
        radio->setChecked(true);
        EXPECT_TRUE(w->Bindings.Read().*field) << radio->objectName().toStdString();
    }
    w->Bindings.SetFilling(false);
}

TEST_F(BeamWindow, EachControlIsUsableAndShownInTheStatesTheFormNames) {
    WriteAllSectionFiles();
    using kxtest::BothNames;
    const std::vector<std::string> fixedEnds = BothNames({"Check_LHF"});
    auto plus = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    // clang-format off
    kxtest::ExpectStates(w, {
        {"a new beam of one span of universal beams", [this] { fresh(); },
         plus(fixedEnds, {"Option_Check"}), {"Check_Span_Sup"},
         {"Frame_Steel", "Frame_SteelCheck"}, {"Frame_Couplers", "Frame_Shear", "Frame_Timber"}},
        {"a scaffold tube", [this] { w->Tube1->trigger(); },
         {}, plus(fixedEnds, {"Check_Span_Sup"}),
         {"Frame_Couplers", "Frame_Steel"}, {"Frame_SteelCheck", "Frame_Shear", "Frame_Timber"}},
        {"two spans set with the spinner", [this] { w->Edit_Spans->stepUp(); },
         {"Check_Span_Sup"}, fixedEnds},
        {"one span again", [this] { w->Edit_Spans->stepDown(); }, {}, {"Check_Span_Sup"}},
        {"a universal beam", [this] { w->UniversalBeams1->trigger(); },
         plus(fixedEnds, {"Option_Check"}), {},
         {"Frame_Steel", "Frame_SteelCheck"}, {"Frame_Couplers", "Frame_Shear", "Frame_Timber"}},
        {"angles, which are not checked", [this] { w->EqualRSA1->trigger(); },
         {}, {"Option_Check"}, {"Frame_SteelCheck"}},
        {"a universal beam after the angles", [this] { w->UniversalBeams1->trigger(); }, {"Option_Check"}},
        {"the user's own sections", [this] { w->Miscellaneous1->trigger(); },
         fixedEnds, {}, {"Frame_Steel", "Frame_Shear"}, {"Frame_SteelCheck", "Frame_Couplers", "Frame_Timber"}},
        {"timber", [this] { w->Timber1->trigger(); },
         fixedEnds, {}, {"Frame_Timber", "Frame_Shear"}, {"Frame_Steel", "Frame_SteelCheck", "Frame_Couplers"}},
        {"a scaffold beam of two spans committed, changed to one span of timber and cancelled",
         [this] {
             scaffold({"2", "2"});
             w->Edit_L->clear();
             w->cmdNext->click();
             ASSERT_TRUE(dialogs_->messages().empty()) << dialogs_->messages().front();
             Forms.IndexFrm->Beam1->trigger();
             w->Edit_Spans->stepDown();
             w->Timber1->trigger();
             w->cmdCancel->click();
         },
         {"Check_Span_Sup"}, fixedEnds,
         {"Frame_Couplers", "Frame_Steel"}, {"Frame_Timber", "Frame_Shear", "Frame_SteelCheck"}},
    });
    // clang-format on
}

TEST_F(BeamWindow, EachBoxOptionAndButtonHasItsOwnEffectAtEitherEnd) {
    WriteAllSectionFiles();
    using kxtest::ControlEffect;
    using kxtest::Side;
    const auto codes = [](int from, int to) {
        return std::vector<TSupportCode>(Work.WorkSupportType.begin() + from,
                                         Work.WorkSupportType.begin() + to + 1);
    };
    const auto all = [](TSupportCode c, std::size_t n = 26) { return Codes(n, c); };
    std::vector<ControlEffect> effects = kxtest::BothEnds<ControlEffect>([&](Side s) {
        const int end = s.right ? 25 : 0, other = 25 - end;
        const auto cantilever = [this, s] { kxtest::Click(w, s("Check_LHC")); };
        const auto coupled = [this, s] {
            scaffold({"2", "2"});
            kxtest::Click(w, s("Check_LH_End_Sup"));
        };
        return std::vector<ControlEffect>{
            // A cantilever's column comes before or after the spans, with its own caption.
            {s("Check_LHC"),
             [this] {
                 fresh({"3", "4"});
             },
             [&, s] {
                 EXPECT_EQ(w->Grid_Spans->columnCount(), 4);
                 EXPECT_EQ(cell(w->Grid_Spans, s.right ? 3 : 1, 0), s.right ? " RHC" : " LHC ");
                 const Texts moved = s.right ? Texts{"3.000", "4.000", ""} : Texts{"", "3.000", "4.000"};
                 EXPECT_EQ(lengths(), moved);
             }},
            // Ticked again after a span was added, the cantilever's column shows its own length.
            {s("Check_LHC"),
             [this, s, cantilever] {
                 fresh({"3", "4"});
                 cantilever();
                 setLength(s.right ? 3 : 1, "1.5");
                 cantilever();
                 w->Edit_Spans->stepUp();
             },
             [&, s] {
                 const Texts own =
                     s.right ? Texts{"3.000", "4.000", "", "1.500"} : Texts{"1.500", "3.000", "4.000", ""};
                 EXPECT_EQ(lengths(), own);
                 EXPECT_EQ(Work.WorkSpanData[s.right ? kRHCantRow : kLHCantRow][mfL], 1500.0f);
             }},
            // A fixed end takes the cantilever and its column away, and is drawn as a wall.
            {s("Check_LHF"),
             [this, s, cantilever] {
                 fresh({"3", "4"});
                 cantilever();
                 setLength(s.right ? 3 : 1, "1.5");
             },
             [&, s, end, other] {
                 EXPECT_FALSE(ticked(s("Check_LHC")));
                 EXPECT_EQ(lengths(), (std::vector<std::string>{"3.000", "4.000"}));
                 EXPECT_EQ((std::pair{Work.WorkSupportType[end], Work.WorkSupportType[other]}),
                           (std::pair<TSupportCode, TSupportCode>{supFixedEnd, supFixed}));
                 EXPECT_GT(wallPixels(s.right), 30);
                 EXPECT_EQ(wallPixels(!s.right), 0);
             }},
            // A cantilever ticked beside a fixed end unticks it.
            {s("Check_LHC"),
             [this, s] {
                 fresh();
                 kxtest::Click(w, s("Check_LHF"));
             },
             [&, s, end] {
                 EXPECT_FALSE(ticked(s("Check_LHF")));
                 EXPECT_EQ(Work.WorkSupportType[end], supFixed);
                 EXPECT_EQ(wallPixels(s.right), 0);
             }},
            // A coupler at its own end, "Mid" as the form starts: twice the spring of one lift.
            {s("Check_LH_End_Sup"),
             [this] {
                 scaffold({"2", "2"});
             },
             [&, end, other] {
                 EXPECT_EQ(
                     (Codes{Work.WorkSupportType[end], Work.WorkSupportType[1], Work.WorkSupportType[other]}),
                     (Codes{supCouplerMid, supFixed, supFixed}));
                 EXPECT_NEAR(Work.WorkSupportStiffness[end], 2 * spring(), 1e-3 * spring());
                 EXPECT_EQ(Work.WorkSupportStiffness[other], 0.0f);
             }},
            {s("Option_LH_Top"), coupled,
             [&, end] {
                 EXPECT_EQ(Work.WorkSupportType[end], supCouplerTop);
                 EXPECT_NEAR(Work.WorkSupportStiffness[end], spring(), 1e-3 * spring());
             }},
            {s("Option_LH_Mid"),
             [this, s, coupled] {
                 coupled();
                 kxtest::Click(w, s("Option_LH_Top"));
             },
             [&, end] { EXPECT_EQ(Work.WorkSupportType[end], supCouplerMid); }},
        };
    });
    const std::vector<ControlEffect> single = {
        // The interior couplers, "Top" as the form starts, on every interior entry.
        {"Check_Span_Sup",
         [this] {
             scaffold({"2", "2", "2"});
         },
         [&] {
             EXPECT_EQ(codes(1, 24), all(supCouplerTop, 24));
             EXPECT_EQ((std::pair{Work.WorkSupportType[0], Work.WorkSupportType[25]}),
                       (std::pair<TSupportCode, TSupportCode>{supFixed, supFixed}));
             EXPECT_NEAR(Work.WorkSupportStiffness[2], spring(), 1e-3 * spring());
         }},
        {"Option_Span_Mid",
         [this] {
             scaffold({"2", "2", "2"});
             w->Check_Span_Sup->click();
         },
         [&] {
             EXPECT_EQ(codes(1, 24), all(supCouplerMid, 24));
             EXPECT_NEAR(Work.WorkSupportStiffness[1], 2 * spring(), 1e-3 * spring());
         }},
        {"Option_Span_Top",
         [this] {
             scaffold({"2", "2", "2"});
             w->Check_Span_Sup->click();
             w->Option_Span_Mid->click();
         },
         [&] { EXPECT_EQ(codes(1, 24), all(supCouplerTop, 24)); }},
        // Forkheads refuse the couplers.
        {"Option_Forkhead",
         [this] {
             scaffold({"2", "2"});
             w->Check_LH_End_Sup->click();
         },
         [&] {
             EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kCouplerWithForkheads});
             EXPECT_FALSE(ticked("Check_LH_End_Sup"));
             EXPECT_EQ(codes(0, 25), all(supForkhead));
         }},
        {"Option_Vert_Fixed",
         [this] {
             fresh({"3", "4"});
             w->Option_Forkhead->click();
         },
         [&] { EXPECT_EQ(codes(0, 25), all(supFixed)); }},
        // The code check is refused with forkheads.
        {"Option_Check",
         [this] {
             fresh();
             w->UniversalBeams1->trigger();
             w->Option_Forkhead->click();
         },
         [&] {
             EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kNoCheckWithForkheads});
             EXPECT_TRUE(ticked("Option_None") && !ticked("Option_Check"));
         }},
        {"cmdNext", [this] { fresh(); },
         [&] {
             EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kSection});
             EXPECT_TRUE(w->isVisible());
         }},
        {"cmdCancel",
         [this] {
             fresh({"3", "4"});
         },
         [&] {
             EXPECT_FALSE(w->isVisible());
             EXPECT_EQ(lengths(), std::vector<std::string>{""});
         }},
        {"Button1", [] {}, [] { EXPECT_EQ(Forms.CouplersFrm->result(), 1); },
         [this] {
             TCouplersFrm* note = Forms.CouplersFrm;
             note->setResult(0);
             QTimer::singleShot(0, note, [note] { note->cmd_OK->click(); });
             w->Button1->click();
         }},
        {"cmd_OK",
         [this] {
             fresh();
             w->Timber1->trigger();
             w->Edit_Timber_W->setText("75");
             w->Edit_Timber_H->setText("200");
         },
         [] {
             EXPECT_TRUE(Widget(Forms.TimSectFrm)->isVisible());
             EXPECT_EQ((std::pair{Work.TimberWidth, Work.TimberDepth}), (std::pair{75.0f, 200.0f}));
         }},
    };
    effects.insert(effects.end(), single.begin(), single.end());
    kxtest::ExpectEffects(w, effects);
}

// A timber job opened from its file, or cancelled back to after another timber section was worked
// out, commits unchanged: every committed timber value as it was, and the job saved again byte for
// byte. The job: C24 75 x 225, dry, load sharing, General. By hand K7 = (300 / 225)^0.11 and the
// permissible bending stress 7.5 x 1.4 x K7 x 1.1 = 11.92 N/mm^2, on Z = 75 x 225^2 / 6 a moment of
// 7.544 kN m; the other section, 150 x 300 wet and single, would carry 20.06 kN m.
TEST_F(BeamWindow, AnUnchangedTimberJobCommitsAsItWasAfterOpenOrCancel) {
    TIndexFrm* index = Forms.IndexFrm;
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    TTimSectFrm* ts = Forms.TimSectFrm;
    TempDir jobs;
    const std::string job = jobs.path("timber.kxf"), again = jobs.path("again.kxf");
    auto open = [&](const std::string& path) {
        dialogs_->fileAnswers.push_back(path);
        index->Open1->trigger();
    };
    // The size typed on the beam form, then the timber form's choices and its Next.
    auto timber = [&](const char* width, const char* depth, bool dry, bool share) {
        w->Timber1->trigger();
        w->Edit_Timber_W->setText(width);
        w->Edit_Timber_H->setText(depth);
        w->cmd_OK->click();
        ts->Combo_Grade->setCurrentIndex(4); // C24
        (dry ? ts->Option_Dry : ts->Option_Wet)->setChecked(true);
        (share ? ts->Option_Share : ts->Option_Single)->setChecked(true);
        ts->Duration[TimberDurationIndex("General")]->setChecked(true);
        ts->cmd_OK->click();
    };
    const double k7 = std::pow(300.0 / 225.0, 0.11);
    const double handMoment = 7.5 * 1.4 * k7 * 1.1 * 75 * 225 * 225 / 6; // N mm
    ASSERT_NEAR(handMoment / 1e6, 7.544, 5e-4);

    fresh({"3"});
    timber("75", "225", true, true);
    w->cmdNext->click();
    loads->Row(1).OptionP->setChecked(true);
    loads->Row(1).Edit_PL->setText("5");
    loads->Row(1).Edit_Dist->setText("1.5");
    loads->Row(1).Check->click();
    loads->cmd_Next->click();
    ASSERT_EQ(dialogs_->messages(), std::vector<std::string>{});
    ASSERT_NEAR(Model.TimberPermMomentSaved, handMoment, 1e-4 * handMoment);
    WriteBeamFile(job);

    struct Route {
        const char* name;
        std::function<void()> steps; // from the job just opened, back to the beam form's Next
    };
    const std::vector<Route> routes = {
        {"another timber beam committed, then File > Open",
         [&] {
             fresh({"4"});
             timber("150", "300", false, false);
             w->cmdNext->click();
             open(job);
             index->Beam1->trigger();
         }},
        {"another timber section worked out, then Cancel",
         [&] {
             index->Beam1->trigger();
             timber("150", "300", false, false);
             w->cmdCancel->click();
             index->Beam1->trigger();
         }},
    };
    auto f9 = [](float v) {
        char t[32];
        std::snprintf(t, sizeof t, "%.9g", static_cast<double>(v));
        return std::string(t);
    };
    using Field = std::pair<const char*, std::function<std::string()>>;
    const std::vector<Field> fields = {
        {"TimberGradeSaved", [] { return Model.TimberGradeSaved.str(); }},
        {"TimberSharingSaved", [] { return Model.TimberSharingSaved.str(); }},
        {"TimberMoistureSaved", [] { return Model.TimberMoistureSaved.str(); }},
        {"TimberDurationSaved", [] { return Model.TimberDurationSaved.str(); }},
        {"TimberGradeValuesSaved bending", [&] { return f9(Model.TimberGradeValuesSaved[0]); }},
        {"TimberGradeValuesSaved shear", [&] { return f9(Model.TimberGradeValuesSaved[1]); }},
        {"TimberGradeValuesSaved E", [&] { return f9(Model.TimberGradeValuesSaved[2]); }},
        {"TimberWidthSaved", [&] { return f9(Model.TimberWidthSaved); }},
        {"TimberDepthSaved", [&] { return f9(Model.TimberDepthSaved); }},
        {"TimberPermMomentSaved", [&] { return f9(Model.TimberPermMomentSaved); }},
        {"TimberPermShearSaved", [&] { return f9(Model.TimberPermShearSaved); }},
        {"TimberResultLinesSaved",
         [] {
             std::string all;
             for (const Str50& line : Model.TimberResultLinesSaved)
                 all += line.str() + "|";
             return all;
         }},
        {"SectionDescription", [] { return Model.SectionDescription.str(); }},
        {"member rows",
         [&] {
             std::string all;
             for (const TMemberRow& row : Model.SpanData)
                 for (float v : row)
                     all += f9(v) + " ";
             return all;
         }},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        open(job);
        std::vector<std::string> before;
        for (const Field& field : fields)
            before.push_back(field.second());
        route.steps();
        ASSERT_TRUE(w->isVisible());
        w->cmdNext->click();
        loads->cmd_Next->click();
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        dialogs_->clear();
        for (std::size_t i = 0; i < fields.size(); ++i)
            EXPECT_EQ(fields[i].second(), before[i]) << fields[i].first;
        WriteBeamFile(again);
        EXPECT_TRUE(fileBytes(again) == fileBytes(job));

        // Opened again, the timber form shows the job's own section and strength.
        open(again);
        EXPECT_NEAR(Model.TimberPermMomentSaved, handMoment, 1e-4 * handMoment);
        ASSERT_GE(ts->List_Results->count(), 30);
        EXPECT_EQ(FromQt(ts->List_Results->item(29)->text()), "  Permissible  Bending Moment = 7.544 kN-m");
    }
}

// The timber section form belongs to the beam form's timber choice: the beam form's Cancel and
// Next close it, and its Next writes nothing once the beam form holds another section. From a
// committed 127 x 76 UB 13 job, each way ends in a commit that is never a mix: a timber section
// only with the timber member type, and the steel job as it was where no timber was taken.
TEST_F(BeamWindow, TheTimberFormWritesOnlyIntoTheTimberChoiceItWasOpenedFor) {
    WriteAllSectionFiles();
    TIndexFrm* index = Forms.IndexFrm;
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    TTimSectFrm* ts = Forms.TimSectFrm;
    TempDir jobs;
    const std::string steel = jobs.path("steel.kxf");
    typeLength(1, "4");
    pickSection("UniversalBeams1", "127 x 76 UB 13");
    w->cmdNext->click();
    loads->Row(1).OptionP->setChecked(true);
    loads->Row(1).Edit_PL->setText("10");
    loads->Row(1).Edit_Dist->setText("2");
    loads->Row(1).Check->click();
    loads->cmd_Next->click();
    ASSERT_EQ(dialogs_->messages(), std::vector<std::string>{});
    WriteBeamFile(steel);

    // Timber chosen, 75 x 225 handed to the timber form and C24 chosen there.
    auto timberShown = [&] {
        w->Timber1->trigger();
        w->Edit_Timber_W->setText("75");
        w->Edit_Timber_H->setText("225");
        w->cmd_OK->click();
        ASSERT_TRUE(ts->isVisible());
        ts->Combo_Grade->setCurrentIndex(4);
    };
    // The committed section: description, member type, E, Ixx and the timber depth of the rows.
    auto section = [] {
        const TMemberRow& r = Model.SpanData[1];
        return std::tuple{Model.SectionDescription.str(), Model.MemberType.str(), r[mfE], r[mfIxx],
                          r[mfTimberDepth]};
    };
    const auto ub = section();
    ASSERT_EQ(std::get<1>(ub), "HRS");
    struct Way {
        const char* name;
        std::function<void()> steps; // from Input > Beam to the beam form's Next
        bool timber;                 // the job committed is the timber 75 x 225
    };
    const Way ways[] = {
        {"the UB picked again, then the timber form's Next",
         [&] {
             timberShown();
             pickSection("UniversalBeams1", "127 x 76 UB 13");
             ts->cmd_OK->click();
         },
         false},
        {"the beam form's Cancel, then the timber form's Next",
         [&] {
             timberShown();
             w->cmdCancel->click();
             EXPECT_FALSE(ts->isVisible());
             if (ts->isVisible()) ts->cmd_OK->click(); // what a user could then do
             index->Beam1->trigger();
         },
         false},
        {"the beam form's Next with the timber form open", [&] { timberShown(); }, true},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        dialogs_->fileAnswers.push_back(steel);
        index->Open1->trigger();
        index->Beam1->trigger();
        way.steps();
        w->cmdNext->click();
        EXPECT_FALSE(ts->isVisible());
        loads->cmd_Next->click();
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        dialogs_->clear();
        const auto now = section();
        if (!way.timber) {
            EXPECT_TRUE(now == ub);
            continue;
        }
        // C24 wet, single, General: E = 7200 x 0.8; Ixx = 75 x 225^3 / 12 x 1.02^4.
        EXPECT_EQ(std::get<0>(now), "75.0 x 225 C24 Timber");
        EXPECT_EQ(std::get<1>(now), "Timber");
        EXPECT_EQ(std::get<2>(now), 5760.0f);
        EXPECT_NEAR(std::get<3>(now), 75 * std::pow(225.0, 3) / 12 * std::pow(1.02, 4), 100);
        EXPECT_EQ(std::get<4>(now), 225.0f);
    }
}

// The Timber frame's OK hands the size typed to the timber form each time: the form shows it and
// works the section from it, and its OK puts that section on the beam form. C24 dry (K1 = 1):
// Ixx = b d^3 / 12.
TEST_F(BeamWindow, TheTimberFramesOkHandsEachTypedSizeToTheTimberForm) {
    TTimSectFrm* ts = Forms.TimSectFrm;
    fresh();
    struct Size {
        const char *width, *depth; // typed, mm
        const char *shownWidth, *shownDepth, *desc, *ixx;
    };
    const Size sizes[] = {// 75 x 225^3 / 12 = 71191406 mm^4 = 7119.1 cm^4
                          {"75", "225", "75.00", "225.0", "75.0 x 225 C24 Timber", "7119"},
                          // 47 x 150^3 / 12 = 13218750 mm^4 = 1321.9 cm^4
                          {"47", "150", "47.00", "150.0", "47.0 x 150 C24 Timber", "1322"}};
    for (const Size& s : sizes) {
        SCOPED_TRACE(s.desc);
        w->Timber1->trigger();
        w->Edit_Timber_W->setText(s.width);
        w->Edit_Timber_H->setText(s.depth);
        w->cmd_OK->click();
        ASSERT_TRUE(ts->isVisible());
        EXPECT_EQ(ts->lbl_Width->text().toStdString() + " x " + ts->lbl_Depth->text().toStdString(),
                  std::string(s.shownWidth) + " x " + s.shownDepth);
        ts->Combo_Grade->setCurrentIndex(4); // C24
        ts->Option_Dry->setChecked(true);
        ts->Option_Share->setChecked(true);
        ts->Duration[TimberDurationIndex("General")]->setChecked(true);
        ts->cmd_OK->click();
        EXPECT_EQ(w->lbl_S01_Desc->text().toStdString(), s.desc);
        EXPECT_EQ(w->lbl_S01_Ixx->text().toStdString(), s.ixx);
    }
}

// The self-weight is applied in all five loadcases or in none, after File > Open too: a job whose
// loads stand in loadcases 1 and 2 (the file holds those two) shows its self-weight ticked in
// loadcases 3 and 5, an Apply click there leaves it applied in all five, and the job commits and
// saves as it was opened.
TEST_F(BeamWindow, TheSelfWeightStaysAppliedInEveryLoadcaseAfterOpen) {
    WriteAllSectionFiles();
    TIndexFrm* index = Forms.IndexFrm;
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    TempDir jobs;
    const std::string job = jobs.path("sw.kxf"), again = jobs.path("again.kxf");
    typeLength(1, "4");
    pickSection("UniversalBeams1", "127 x 76 UB 13");
    w->cmdNext->click();
    loads->Row(1).OptionP->setChecked(true);
    loads->Row(1).Edit_PL->setText("10");
    loads->Row(1).Edit_Dist->setText("2");
    loads->Row(1).Check->click();
    loads->Edit_Case->setValue(2);
    loads->Row(1).Check->click();
    loads->Check_Swt->click();
    loads->cmd_Next->click();
    ASSERT_EQ(dialogs_->messages(), std::vector<std::string>{});
    ASSERT_EQ(Model.LoadcaseCount, 2);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        ASSERT_EQ(Model.LoadTable[lc][kSelfWeightRecord][lfApplied], 1.0f) << lc;
    WriteBeamFile(job);

    for (int shown : {3, 5}) {
        SCOPED_TRACE(shown);
        dialogs_->fileAnswers.push_back(job);
        index->Open1->trigger();
        index->Loads1->trigger();
        loads->Edit_Case->setValue(shown);
        EXPECT_TRUE(loads->Check_Swt->isChecked());
        loads->Row(1).Check->click(); // applied here, then taken off again
        loads->Row(1).Check->click();
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            EXPECT_EQ(Work.ApplyFlags[lc][kSelfWeightRecord], 1.0f) << lc;
        loads->cmd_Next->click();
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            EXPECT_EQ(Model.LoadTable[lc][kSelfWeightRecord][lfApplied], 1.0f) << lc;
        WriteBeamFile(again);
        EXPECT_TRUE(fileBytes(again) == fileBytes(job));
    }
}

// Cancel sets every box back as committed: a shear-deflection tick given or taken off on a user
// section since the commit goes back, and an unchanged Next commits the flag as it was.
TEST_F(BeamWindow, CancelSetsTheShearDeflectionTickBackAsCommitted) {
    TSectionRec rec;
    rec.Designation = "Ply box";
    rec.D = 200;
    rec.B = 100;
    rec.Group = 1;
    rec.E = 10000;
    rec.Ixx = 5e7f;
    rec.GA = 2e6f;
    rec.PermShear = 20000;
    rec.PermMoment = 5e6f;
    rec.Shape = "KXSect";
    WriteSectionFile("KX.sct", std::span(&rec, 1));
    for (bool committedTick : {false, true}) {
        SCOPED_TRACE(committedTick ? "committed with shear deflection" : "committed without");
        fresh({"4"});
        pickSection("Miscellaneous1", "Ply box");
        w->Check_GA->setChecked(committedTick);
        w->cmdNext->click();
        const float flag = committedTick ? 1.0f : -1.0f;
        ASSERT_EQ(Model.SpanData[kFlagsRow][kShearDeflectionField], flag);
        Forms.IndexFrm->Beam1->trigger();
        w->Check_GA->click();
        w->cmdCancel->click();
        EXPECT_EQ(w->Check_GA->isChecked(), committedTick);
        Forms.IndexFrm->Beam1->trigger();
        w->cmdNext->click();
        EXPECT_EQ(Model.SpanData[kFlagsRow][kShearDeflectionField], flag);
    }
}

// The span count typed over another, as the keys come, then Enter: "12" over "3" passes through
// "1", where a beam has no interior supports to couple. The couplers at the interior supports
// (Mid: twice 210000 Ixx / L for a lift of 2 m), the left end's coupler and the grid's lengths
// stay, and the beam is committed with them.
TEST_F(BeamWindow, ASpanCountTypedOverAnotherKeepsTheCouplers) {
    WriteAllSectionFiles();
    for (auto [from, typed] : {std::pair{3, "12"}, {2, "10"}, {5, "15"}, {9, "11"}, {4, "1"}}) {
        SCOPED_TRACE(std::to_string(from) + " -> " + typed);
        const int n = std::stoi(typed);
        scaffold(std::vector<const char*>(static_cast<std::size_t>(from), "2"));
        w->Check_LH_End_Sup->click();
        w->Option_LH_Top->click();
        w->Check_Span_Sup->click();
        w->Option_Span_Mid->click();
        ASSERT_EQ(Work.WorkSupportType[1], supCouplerMid);

        w->Edit_Spans->findChild<QLineEdit*>()->selectAll();
        typeKeys(w->Edit_Spans, typed);
        EXPECT_EQ(Work.WorkSpanCount, n);
        EXPECT_EQ(w->Grid_Spans->columnCount(), n + 1);
        if (n == 1) { // chosen, not passed through: a single span has no interior supports
            EXPECT_FALSE(w->Check_Span_Sup->isChecked() || w->Check_Span_Sup->isEnabled());
            continue;
        }
        EXPECT_TRUE(w->Check_Span_Sup->isChecked() && w->Check_Span_Sup->isEnabled());
        EXPECT_TRUE(w->Option_Span_Mid->isChecked() && w->Check_LH_End_Sup->isChecked());
        for (int col = 1; col <= from; ++col)
            EXPECT_EQ(cell(w->Grid_Spans, col, 1), "2.000") << col;
        for (int col = from + 1; col <= n; ++col)
            setLength(col, "2");
        dialogs_->clear();
        w->cmdNext->click();
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        EXPECT_EQ(Model.SpanCount[0], n);
        EXPECT_EQ(Model.SupportType[0], supCouplerTop);
        for (int k = 1; k < n; ++k)
            EXPECT_EQ(Model.SupportType[k], supCouplerMid) << k;
        EXPECT_NEAR(Model.SupportStiffness[1], 2 * spring(), 2 * spring() * 1e-6);
        EXPECT_NEAR(Model.SupportStiffness[0], spring(), spring() * 1e-6);
    }
}

// The span spinner runs from 1 to 20 and stops at either end: a step down from one span leaves one
// (one member column beside the captions), a step up from twenty leaves twenty (21 columns).
TEST_F(BeamWindow, TheSpanSpinnerStopsAtOneAndAtTwentySpans) {
    fresh();
    w->Edit_Spans->stepDown();
    EXPECT_EQ(w->Edit_Spans->value(), 1);
    EXPECT_EQ(Work.WorkSpanCount, 1);
    EXPECT_EQ(w->Grid_Spans->columnCount(), 2);
    for (int n = 2; n <= 20; ++n)
        w->Edit_Spans->stepUp();
    ASSERT_EQ(w->Edit_Spans->value(), 20);
    w->Edit_Spans->stepUp();
    EXPECT_EQ(w->Edit_Spans->value(), 20);
    EXPECT_EQ(Work.WorkSpanCount, 20);
    EXPECT_EQ(w->Grid_Spans->columnCount(), 21);
}

// A section of a family that refuses the code check (angles, hollow sections, scaffold tubes) is
// picked, then the menu of a family that allows it is opened and nothing picked from it: the
// section held is still the refused one, so "Check  to BS 5975" stays greyed and the beam is
// committed unchecked, also after Cancel rebuilds the form from it. A section picked from the
// family shown can be checked again.
TEST_F(BeamWindow, TheCodeCheckFollowsTheSectionHeldNotTheMenuOpenedLast) {
    WriteAllSectionFiles();
    auto action = [this](const char* item) {
        QAction* a = w->findChild<QAction*>(item);
        EXPECT_NE(a, nullptr) << item;
        return a;
    };
    // The first line of the list that names a section.
    auto pickFirst = [this] {
        for (int i = 0; i < w->List_Sect->count(); ++i)
            if (!w->List_Sect->item(i)->text().trimmed().isEmpty()) {
                w->List_Sect->setCurrentRow(i);
                emit w->List_Sect->itemClicked(w->List_Sect->item(i));
                return;
            }
        ADD_FAILURE() << "no section listed";
    };
    const std::pair<const char*, const char*> rows[] = {
        {"EqualRSA1", "UniversalBeams1"},  {"UnequalRSA1", "UniversalBeams1"}, {"EqualL1", "RSC1"},
        {"UnequalL1", "UniveralColumns1"}, {"CHS1", "UniversalBeams1"},        {"RHS1", "IPE1"},
        {"Tube1", "UniversalBeams1"}};
    for (auto [held, opened] : rows) {
        SCOPED_TRACE(std::string(held) + " held, " + opened + " opened");
        fresh({"3"});
        action(held)->trigger();
        pickFirst();
        action(opened)->trigger();
        EXPECT_TRUE(w->Option_None->isChecked());
        EXPECT_FALSE(w->Option_Check->isEnabled());
        w->Option_Check->click(); // greyed: nothing happens
        dialogs_->clear();
        w->cmdNext->click();
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        EXPECT_EQ(Model.SteelSectionFlag, -1);

        // Cancel rebuilds the form from the committed beam, its refused section under the family
        // opened last.
        Forms.IndexFrm->Beam1->trigger();
        w->cmdCancel->click();
        Forms.IndexFrm->Beam1->trigger();
        EXPECT_TRUE(w->Option_None->isChecked());
        EXPECT_FALSE(w->Option_Check->isEnabled());

        pickFirst();
        EXPECT_TRUE(w->Option_Check->isEnabled());
        w->Option_Check->click();
        dialogs_->confirmAnswers = {true}; // factored loads kept, if asked
        w->cmdNext->click();
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        EXPECT_EQ(Model.SteelSectionFlag, 1);
    }
}

} // namespace

namespace {

// Each box and option of the form with a handler, clicked or changed by a screen reader while the
// form is shown, hands the focus to "Next >", those at the right-hand end as those at the left
// ("None" has no handler).
TEST_F(BeamWindow, EachBoxAndOptionClickedHandsTheFocusToNext) {
    struct Click {
        const char* name;
        std::function<void()> before;
    };
    WriteAllSectionFiles();
    const auto steel = [this] { fresh({"3", "4"}); };
    const auto tube = [this] { scaffold({"2", "2"}); };
    const std::vector<Click> clicks = {
        {"Check_LHC", steel},       {"Check_RHC", steel},       {"Check_LHF", steel},
        {"Check_RHF", steel},       {"Option_Forkhead", steel}, {"Option_Vert_Fixed", steel},
        {"Check_LH_End_Sup", tube}, {"Option_LH_Mid", tube},    {"Check_Span_Sup", tube},
        {"Option_Span_Mid", tube},  {"Check_RH_End_Sup", tube}, {"Option_RH_Mid", tube},
        {"Option_Check", steel},
    };
    for (const Click& c : clicks) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(c.before());
        QAbstractButton* b = kxtest::Button(w, c.name);
        ASSERT_TRUE(b->isVisibleTo(w) && b->isEnabled());
        // Clicked, and changed as a screen reader changes it (the state alone, no click).
        for (bool click : {true, false}) {
            SCOPED_TRACE(click ? "clicked" : "state changed");
            ASSERT_NO_FATAL_FAILURE(c.before());
            // An option already chosen is left for its partner first, so that choosing it changes.
            if (!click && b->isChecked() && b->group())
                for (QAbstractButton* other : b->group()->buttons())
                    if (other != b) other->setChecked(true);
            w->cmdCancel->setFocus();
            ASSERT_EQ(w->focusWidget(), w->cmdCancel);
            if (click)
                b->click();
            else
                b->setChecked(!b->isChecked());
            EXPECT_EQ(w->focusWidget(), w->cmdNext);
        }
    }
}

} // namespace
