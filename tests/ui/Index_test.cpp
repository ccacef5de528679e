// The main analysis window: the menu, the section files of its first showing, the loadcase
// selector and the analysis driven through its menus (the file commands have their core tests).
#include "window/ui/Index.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "OnScreen.h"
#include "WiringTables.h"
#include "engine/ResultText.h"
#include "foundation/ui/Preferences.h"
#include "platform/QtDialogs.h"
#include "window/DrawingState.h"
#include "window/IndexJobs.h"

using namespace kx;
namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

Texts Lines(const QListWidget* l) {
    Texts out;
    for (int i = 0; i < l->count(); ++i)
        out.push_back(FromQt(l->item(i)->text()));
    return out;
}

QColor TextColour(const QListWidget* l) { return l->palette().color(QPalette::Text); }

class IndexFrmTest : public FormsTest {
protected:
    void SetUp() override {
        kxtest::WriteJob(kxtest::JobA(), jobs_.path("a.kxf"));
        kxtest::WriteJob(kxtest::JobC(), jobs_.path("c.kxf"));
        FormsTest::SetUp();
        w = Forms.IndexFrm;
        w->PlaceOnScreen(QRect(0, 0, 1280, 1024));
    }
    void Open(const std::string& path) {
        dialogs_->fileAnswers.push_back(path);
        w->Open1->trigger();
    }
    std::string Job(const char* name) const { return jobs_.path(name); }
    // The list in front of the other (the one later among Image1's children).
    const QListWidget* InFront() const {
        const QObjectList& c = w->Image1->children();
        return c.indexOf(w->List_Results) > c.indexOf(w->List_CaseResults) ? w->List_Results
                                                                           : w->List_CaseResults;
    }
    void ExpectFileItems(bool enabled) {
        for (QAction* a : {w->Save1, w->SaveAs1, w->Print1})
            EXPECT_EQ(a->isEnabled(), enabled) << FromQt(a->objectName());
    }

    TempDir jobs_;
    TIndexFrm* w = nullptr;
};

} // namespace

TEST_F(IndexFrmTest, TheMenuHasItsItemsInOrderAndEachOpensItsWindow) {
    // Per menu its items as name=caption, "-" a separator, "!" a disabled item.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"File", "New1=New Open1=Open - !Save1=Save !SaveAs1=Save As - SetHeader1=Set Header !Print1=Print - "
                 "ExitTrussolve1=Exit KX-Flexor"},
        {"Input", "Beam1=Beam Loads1=Loads"},
        {"Tile", "Default1=Default Diagrams1=Diagrams Results1=Results - ShowSummary1=Show Results Summary "
                 "ShowLoadcaseResults1=Show Loadcase Results "},
        {"Analyse", "Analyse2=Analyse Resultsatapoint1=Results at a point"},
        {"Steel", "MemberCapacities1=Member Capacities to BS 5975"},
        {"Timber", "MemberCapacities2=Member Capacities"},
        {"Scaffold ", "Axialloadontube1=Axial load on steel tube Windloading1=Wind loading"},
        {"Settings", "Units1=Preferences"},
        {"Info", "Disclaimer1=General About1=About"},
    };
    std::vector<std::pair<std::string, std::string>> menus;
    for (QAction* m : w->menuBar()->actions()) {
        std::string items;
        for (QAction* a : m->menu()->actions())
            items += std::string(items.empty() ? "" : " ") +
                     (a->isSeparator()
                          ? "-"
                          : (a->isEnabled() ? "" : "!") + FromQt(a->objectName()) + "=" + FromQt(a->text()));
        menus.emplace_back(FromQt(m->text()), items);
    }
    EXPECT_EQ(menus, expected);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    // The captions stand out from the bar behind them (the window itself is black).
    const QImage bar = w->menuBar()->grab().toImage();
    const QColor back = bar.pixelColor(bar.width() - 3, bar.height() / 2);
    int captionPixels = 0;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < bar.height(); ++y)
            captionPixels += std::abs(bar.pixelColor(x, y).lightness() - back.lightness()) > 100;
    EXPECT_GT(captionPixels, 20) << "menu captions in the bar's own colour";

    // Each item opens its window; the modal ones hold the handler until the user closes them.
    // clang-format off
    const std::tuple<QAction*, QWidget*, bool> opens[] = {
        {w->Beam1, Widget(Forms.KX_BeamFrm), false}, {w->Print1, Widget(Forms.PrintFrm), false},
        {w->MemberCapacities1, Widget(Forms.KX_CapFrm), false}, {w->MemberCapacities2, Widget(Forms.TimberFrm), false},
        {w->Axialloadontube1, Widget(Forms.ScaffoldFrm), false}, {w->Windloading1, Widget(Forms.WindFrm), false},
        {w->Units1, Widget(Forms.PreferencesFrm), false}, {w->Disclaimer1, Widget(Forms.InfoFrm), false},
        {w->SetHeader1, Widget(Forms.SetHeaderFrm), true}, {w->Resultsatapoint1, Widget(Forms.PointFrm), true},
        {w->About1, Widget(Forms.AboutBox), true}};
    // clang-format on
    for (const auto& [item, window, modal] : opens) {
        QWidget* seen = nullptr;
        if (modal)
            QTimer::singleShot(0, [&seen] {
                if ((seen = QApplication::activeModalWidget())) seen->close();
            });
        item->setEnabled(true);
        item->trigger();
        EXPECT_TRUE(modal ? seen == window : window->isVisible() && !window->isModal())
            << FromQt(item->objectName());
        window->hide();
    }
    // Loads with no beam: the message and nothing else; with a beam, the load form.
    w->Loads1->trigger();
    EXPECT_EQ(dialogs_->messages(), Texts{"Specify beam data first"});
    EXPECT_FALSE(Widget(Forms.LoadDataFrm)->isVisible());
    Model.BeamLength = 4000;
    w->Loads1->trigger();
    EXPECT_TRUE(Widget(Forms.LoadDataFrm)->isVisible());
    dialogs_->clear();
    w->ShowSummary1->trigger();
    w->ShowLoadcaseResults1->trigger();
    EXPECT_TRUE(dialogs_->shown.empty()) << "the two Show items do nothing";

    EXPECT_TRUE(LoopEndsAfter([this] { w->ExitTrussolve1->trigger(); })) << "Exit did not end the program";
    EXPECT_TRUE(dialogs_->shown.empty()) << "the job is discarded unasked";
}

TEST_F(IndexFrmTest, EachShowingWritesTheSectionFilesAndAFailureStopsNothing) {
    std::uintmax_t bytes = 0;
    auto sectionFiles = [&] {
        int n = 0;
        for (const auto& e : fs::directory_iterator(dir_.dir()))
            if (e.is_regular_file() && e.path().extension() == ".sct") bytes += e.file_size(), ++n;
        return n;
    };
    ASSERT_EQ(Model.BeamFormShown, -1);
    w->show();
    EXPECT_EQ(sectionFiles(), 18);
    EXPECT_EQ(bytes, 235600u); // 1178 records of 200 bytes
    EXPECT_EQ(Model.BeamFormShown, 1);
    EXPECT_TRUE(dialogs_->shown.empty());
    w->hide();
    // "PFC.sct" taken by a folder: one message, the other 17 files written, the flag set.
    for (const auto& e : fs::directory_iterator(dir_.dir()))
        if (e.path().extension() == ".sct") fs::remove(e.path());
    fs::create_directory(dir_.path("PFC.sct"));
    Model.BeamFormShown = -1;
    w->show();
    EXPECT_EQ(dialogs_->messages(), Texts{"File access denied"});
    EXPECT_EQ(sectionFiles(), 17);
    EXPECT_EQ(Model.BeamFormShown, 1);
}

TEST_F(IndexFrmTest, OpenShowsTheStoredResultsAndTheSelectorStepsThroughTheLoadcases) {
    Open(Job("c.kxf"));
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_EQ(FromQt(w->windowTitle()), Job("c.kxf"));
    EXPECT_EQ(w->lbl_Case->text(), "All");
    EXPECT_EQ(w->Edit_Case->text(), "0");
    EXPECT_FALSE(w->UpDown1->isHidden() || w->lbl_Case->isHidden() || w->Label_Case->isHidden());
    EXPECT_TRUE(w->UpDown1->isEnabled());
    EXPECT_EQ(w->UpDown1->Max, 2);
    ExpectFileItems(true);
    const Texts results = Lines(w->List_Results);
    ASSERT_EQ(results.size(), 17u);
    const Texts envelope = Lines(w->List_CaseResults);
    ASSERT_EQ(envelope.size(), 29u);
    EXPECT_EQ(envelope[0], "RESULTS ENVELOPE at 1/20th SPAN INTERVALS");
    EXPECT_EQ(TextColour(w->List_CaseResults), QColor(0, 0, 128));

    // Up to loadcase 1, 2, and no further; down to "All" with the envelope again.
    w->UpDown1->Up->click();
    EXPECT_EQ(w->lbl_Case->text(), "1");
    EXPECT_EQ(Drawing.ShownCase, 1);
    EXPECT_EQ(Lines(w->List_CaseResults).front(), "LOADCASE 1");
    EXPECT_EQ(TextColour(w->List_CaseResults), QColor(Qt::black));
    EXPECT_EQ(InFront(), w->List_CaseResults);
    w->UpDown1->Up->click();
    EXPECT_EQ(Lines(w->List_CaseResults).front(), "LOADCASE 2");
    w->UpDown1->Up->click();
    EXPECT_EQ(w->lbl_Case->text(), "2");
    EXPECT_EQ(w->Edit_Case->text(), "2");
    w->UpDown1->Down->click();
    w->UpDown1->Down->click();
    EXPECT_EQ(w->lbl_Case->text(), "All");
    EXPECT_EQ(Drawing.ShownCase, 0);
    EXPECT_EQ(Lines(w->List_CaseResults), envelope);
    EXPECT_EQ(TextColour(w->List_CaseResults), QColor(0, 0, 128));
    EXPECT_EQ(InFront(), w->List_Results);
    // A click on a list brings it forward.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w->List_CaseResults->viewport(), &release);
    EXPECT_EQ(InFront(), w->List_CaseResults);
    QApplication::sendEvent(w->List_Results->viewport(), &release);
    EXPECT_EQ(InFront(), w->List_Results);

    // A job of one loadcase shows that loadcase.
    Open(Job("a.kxf"));
    EXPECT_EQ(w->lbl_Case->text(), "1");
    EXPECT_EQ(Lines(w->List_CaseResults).front(), "LOADCASE 1");
    EXPECT_EQ(TextColour(w->List_CaseResults), QColor(Qt::black));
    EXPECT_EQ(w->UpDown1->Max, 1);
    // The beam form's showing disables Save and Save As only.
    w->DisableSaveItems();
    EXPECT_FALSE(w->Save1->isEnabled() || w->SaveAs1->isEnabled());
    EXPECT_TRUE(w->Print1->isEnabled());

    // New: the job and the window cleared, the beam form shown, nothing asked.
    Model.HeaderCompany = "Acme";
    dialogs_->clear();
    w->New1->trigger();
    EXPECT_EQ(w->windowTitle(), "");
    ExpectFileItems(false);
    EXPECT_FALSE(w->UpDown1->isEnabled());
    EXPECT_EQ(w->List_Results->count() + w->List_CaseResults->count(), 0);
    EXPECT_TRUE(Widget(Forms.KX_BeamFrm)->isVisible());
    EXPECT_EQ(Model.HeaderCompany, "Acme");
    EXPECT_EQ(Model.BeamLength, 0);
    EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(IndexFrmTest, TheSelectorBindsItsTextsAndItsArrowsStandOutOnTheirButtons) {
    Open(Job("c.kxf"));
    // In the top right corner of the 1278 wide picture, where nothing is drawn.
    for (QWidget* s : {static_cast<QWidget*>(w->UpDown1), static_cast<QWidget*>(w->lbl_Case),
                       static_cast<QWidget*>(w->Label_Case)})
        EXPECT_TRUE(s->x() >= 1278 - 60 && s->y() + s->height() < 60) << FromQt(s->objectName());
    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_EQ(kxtest::UnboundInputs(w, w->Bindings), std::set<std::string>{});
    for (QToolButton* b : {w->UpDown1->Up, w->UpDown1->Down}) {
        // Arrow pixels inside the button's edge that stand out against its face.
        const QImage image = b->grab().toImage();
        const int face = b->palette().color(QPalette::Button).lightness();
        int arrow = 0;
        for (int y = 3; y < image.height() - 3; ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                arrow += std::abs(image.pixelColor(x, y).lightness() - face) > 100;
        EXPECT_GT(arrow, 8) << FromQt(b->objectName());
    }
    EXPECT_EQ(QStringList({w->UpDown1->Up->accessibleName(), w->UpDown1->Down->accessibleName()}),
              QStringList({"Next loadcase", "Previous loadcase"}));
}

TEST_F(IndexFrmTest, SaveAsThenSaveAndARefusedOrFailedAnalysis) {
    Open(Job("c.kxf"));
    w->Analyse2->trigger();
    ASSERT_TRUE(dialogs_->messages().empty());
    const Texts results = Lines(w->List_Results), caseResults = Lines(w->List_CaseResults);
    EXPECT_EQ(results.size(), 17u);
    // Save As asks for the name, Save then writes to it unasked.
    dialogs_->fileAnswers.push_back(dir_.path("copy"));
    w->SaveAs1->trigger();
    const std::string copy = dir_.path("copy.kxf");
    ASSERT_TRUE(fs::is_regular_file(copy));
    EXPECT_EQ(FromQt(w->windowTitle()), copy);
    fs::remove(copy);
    w->Save1->trigger();
    EXPECT_TRUE(fs::is_regular_file(copy));

    // The job changed by hand (E 0, which no form lets through): its results stand no longer, and
    // a refused analysis shows none. E back, the results are the job's again and shown again, the
    // selector and the file items as the analysis left them.
    const float e = Model.SpanData[1][mfE];
    Model.SpanData[1][mfE] = 0;
    dialogs_->clear();
    w->Analyse2->trigger();
    ASSERT_EQ(dialogs_->messages().size(), 1u);
    EXPECT_EQ(w->List_Results->count() + w->List_CaseResults->count(), 0);
    EXPECT_FALSE(w->UpDown1->isEnabled() || w->Save1->isEnabled() || w->Print1->isEnabled());
    Model.SpanData[1][mfE] = e;
    w->Default1->trigger();
    EXPECT_EQ(Lines(w->List_Results), results);
    EXPECT_EQ(Lines(w->List_CaseResults), caseResults);
    EXPECT_TRUE(w->UpDown1->isEnabled() && w->Save1->isEnabled() && w->Print1->isEnabled());
    EXPECT_EQ(w->lbl_Case->text(), "All");

    // A span of 1e30 m, which the beam form's "Next >" refuses, is refused by Analyse with the
    // form's message: nothing is analysed, and the results of the job before stand no longer.
    Model.SpanData[1][mfE] = 210000;
    Model.SpanData[1][mfL] = 1e33f;
    Model.BeamLength = 1e33;
    dialogs_->clear();
    w->Analyse2->trigger();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{" Enter Length for Span "});
    EXPECT_EQ(w->List_Results->count() + w->List_CaseResults->count(), 0);
    EXPECT_FALSE(w->UpDown1->isEnabled());
    ExpectFileItems(false);

    // The save dialog adds the beam file extension and asks before replacing a file.
    const auto d = MakeSaveDialog(nullptr, "Save As", kSaveBeamFilter, "", "", "kxf");
    EXPECT_EQ(d->defaultSuffix(), "kxf");
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(IndexFrmTest, TheFileItemsAndTheSelectorAreUsableAndShownInTheStatesTheWindowNames) {
    const std::vector<std::string> fileItems = {"Save1", "SaveAs1", "Print1"};
    const std::vector<std::string> selector = {"UpDown1", "lbl_Case", "Label_Case"};
    auto with = [](std::vector<std::string> a, const char* b) {
        a.push_back(b);
        return a;
    };
    // clang-format off
    kxtest::ExpectStatesWithItems(w, {
        {"started", nullptr, {"New1", "Open1"}, fileItems, {}, with(selector, "Edit_Case")},
        {"a committed job analysed from the menu",
         [this] {
             kxtest::JobC().Commit();
             kxtest::Trigger(w, "Analyse2");
         },
         with(fileItems, "UpDown1"), {}, selector, {"Edit_Case"}},
        {"File New", [this] { kxtest::Trigger(w, "New1"); }, {}, with(fileItems, "UpDown1")},
        {"a job opened", [this] { Open(Job("c.kxf")); }, with(fileItems, "UpDown1"), {}, selector, {"Edit_Case"}},
        {"the beam form shown from the Input menu", [this] { kxtest::Trigger(w, "Beam1"); },
         {"Print1", "UpDown1"}, {"Save1", "SaveAs1"}},
    });
    // clang-format on
}

TEST_F(IndexFrmTest, TheSelectorsArrowsAndTheTileItemsEachHaveTheirOwnEffect) {
    const auto opened = [this] { Open(Job("c.kxf")); };
    const auto click = [this](const char* name) { return [this, name] { kxtest::Click(w, name); }; };
    const auto trigger = [this](const char* name) { return [this, name] { kxtest::Trigger(w, name); }; };
    const auto shows = [this](const char* label, const char* first) {
        return [this, label, first] {
            EXPECT_EQ(FromQt(w->lbl_Case->text()), label);
            EXPECT_EQ(Drawing.ShownCase, std::string(label) == "All" ? 0 : std::stoi(label));
            EXPECT_EQ(Lines(w->List_CaseResults).front(), first);
        };
    };
    const int client = w->Image1->height();
    const auto lists = [this](int top, int height) {
        return [this, top, height] {
            for (const QListWidget* l : {w->List_Results, w->List_CaseResults})
                EXPECT_EQ((std::pair{l->y(), l->height()}), (std::pair{top, height}))
                    << FromQt(l->objectName());
        };
    };
    // The Default layout on a window 1022 high: lists 1022 - 600 high on the bottom edge; Diagrams
    // leaves them where they stand with no height.
    const int listHeight = w->height() - 600;
    kxtest::ExpectEffects(
        w, {
               {"Up", opened, shows("1", "LOADCASE 1")},
               {"Up", click("Up"), shows("2", "LOADCASE 2")},
               {"Down", nullptr, shows("1", "LOADCASE 1")},
               {"Down", nullptr, shows("All", "RESULTS ENVELOPE at 1/20th SPAN INTERVALS")},
               {"Diagrams1", opened, lists(client - listHeight, 0), trigger("Diagrams1")},
               {"Results1", nullptr, lists(180, client - 180), trigger("Results1")},
               {"Default1", nullptr, lists(client - listHeight, listHeight), trigger("Default1")},
           });
}

// Job C open at loadcase 2, the moment unit switched to N-mm and back, then factored loads on and
// off again, with the main window open: the lists go while the job differs from the one analysed
// and come back once it is as analysed again, as an opened job shows them: "All" and the envelope. Maxima:
// shear wL/2 = 15 x 4000 / 2 = 30 kN, moment PL/8 = 48 x 4 / 8 = 24 kN-m (24e6 N mm while in N-mm).
TEST_F(IndexFrmTest, UnitsAndFactoredLoadsSwitchedAndSwitchedBackWhileTheWindowIsOpen) {
    w->show();
    Open(Job("c.kxf"));
    const Texts envelope = Lines(w->List_CaseResults);
    w->UpDown1->Up->click();
    w->UpDown1->Up->click();
    ASSERT_EQ(Lines(w->List_CaseResults).front(), "LOADCASE 2");
    const Texts results = Lines(w->List_Results);
    const auto at = std::find(results.begin(), results.end(), "MAXIMA");
    ASSERT_LT(at + 2, results.end());
    EXPECT_EQ(*(at + 1) + "|" + *(at + 2), " Max shear = 30.00 kN| Max bending moment = 24.00 kN-m");
    TPreferencesFrm* prefs = Forms.PreferencesFrm;
    const std::function<void()> steps[] = {
        [prefs] { prefs->optionButton("Option_Mom_Nmm")->click(); },
        [prefs] { prefs->optionButton("Option_Mom_kNm")->click(); },
        [prefs] { prefs->Check_Factor->setChecked(true); },
        [prefs] { prefs->Check_Factor->setChecked(false); },
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        prefs->show();
        steps[i]();
        prefs->Button2->click();
        if (i % 2 == 1) {
            EXPECT_TRUE(w->ShowsResults());
            EXPECT_EQ(Lines(w->List_Results), results);
            EXPECT_EQ(Lines(w->List_CaseResults), envelope);
            EXPECT_EQ(w->lbl_Case->text(), "All");
            EXPECT_EQ(Drawing.ShownCase, 2) << "every loadcase drawn, the last staying shown";
            ExpectFileItems(true);
        } else {
            EXPECT_FALSE(w->ShowsResults());
            EXPECT_EQ(w->List_Results->count() + w->List_CaseResults->count(), 0);
            ExpectFileItems(false);
        }
    }
    EXPECT_TRUE(dialogs_->messages().empty());
}

// A job of five loadcases, 2k N/mm in loadcase k on 5 m: the selector steps up to loadcase 5 and no
// further, and each loadcase's list shows its own reactions wL/2 = 5k kN.
TEST_F(IndexFrmTest, TheSelectorReachesTheFifthLoadcaseAndShowsItsOwnReactions) {
    kxtest::BeamBuilder job = kxtest::BeamBuilder().Spans({5000});
    for (int lc = 1; lc <= 5; ++lc)
        job.Udl(lc, 0, 2.0f * static_cast<float>(lc), 5000);
    kxtest::WriteJob(job, Job("five.kxf"));
    Open(Job("five.kxf"));
    ASSERT_EQ(w->UpDown1->Max, 5);
    const char* const reaction[] = {"  1              5.000", "  1             10.000",
                                    "  1             15.000", "  1             20.000",
                                    "  1             25.000"};
    for (int lc = 1; lc <= 6; ++lc) {
        w->UpDown1->Up->click();
        const int shown = std::min(lc, 5);
        EXPECT_EQ(FromQt(w->lbl_Case->text()), std::to_string(shown));
        const Texts list = Lines(w->List_CaseResults);
        ASSERT_FALSE(list.empty());
        EXPECT_EQ(list.front(), "LOADCASE " + std::to_string(shown));
        EXPECT_NE(std::find(list.begin(), list.end(), reaction[shown - 1]), list.end())
            << reaction[shown - 1];
    }
}

// The picture is drawn afresh whatever was drawn before: results shown again after a switch of
// units and back, and the Diagrams layout chosen after the Results layout (whose diagrams stand at
// B = 650), give the very picture of the same layout drawn first.
TEST_F(IndexFrmTest, ThePictureIsDrawnAfreshAfterUnitsSwitchedBackAndAfterTheResultsLayout) {
    w->show();
    Open(Job("c.kxf"));
    const QImage opened = w->Image1->Picture.copy();
    TPreferencesFrm* prefs = Forms.PreferencesFrm;
    prefs->show();
    QRadioButton* const lengths = prefs->optionButton("Option_L_mm");
    ASSERT_FALSE(lengths->isChecked());
    QRadioButton* const before = prefs->findChildren<QRadioButton*>(QStringLiteral("Option_L_m")).value(0);
    ASSERT_TRUE(before && before->isChecked());
    lengths->click();
    prefs->Button2->click();
    ASSERT_FALSE(w->ShowsResults());
    w->Default1->trigger(); // the sketch alone, its lengths in mm
    ASSERT_NE(w->Image1->Picture, opened) << "the sketch without the diagrams";
    prefs->show();
    before->click();
    prefs->Button2->click();
    ASSERT_TRUE(w->ShowsResults());
    EXPECT_TRUE(w->Image1->Picture == opened) << "drawn over the sketch of the cleared results";

    w->Diagrams1->trigger();
    const QImage diagrams = w->Image1->Picture.copy();
    w->Results1->trigger();
    w->Diagrams1->trigger();
    EXPECT_TRUE(w->Image1->Picture == diagrams) << "the diagrams drawn where the Results layout has them";
    EXPECT_TRUE(dialogs_->messages().empty());
}

// The client area starts right under the menu bar, whether the window is placed while hidden or
// placed again on the same screen while shown; the frame 1 px inside the screen's free area. Before
// anything is drawn the picture is black all over, and shows so.
TEST_F(IndexFrmTest, TheClientAreaStartsUnderTheMenuBar) {
    for (int shown = 0; shown < 2; ++shown) {
        SCOPED_TRACE(shown);
        if (shown) {
            w->show();
            QApplication::processEvents();
        }
        w->PlaceOnScreen(QRect(0, 0, 1280, 1024));
        const int bar = w->menuBar()->geometry().bottom() + 1;
        EXPECT_EQ(w->Image1->geometry(), QRect(0, bar, w->width(), w->height() - bar));
        EXPECT_EQ(w->Image1->Picture.size(), w->Image1->size());
        QImage black(w->Image1->size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        EXPECT_TRUE(w->Image1->Picture.convertToFormat(QImage::Format_RGB32) == black);
        EXPECT_TRUE(!shown || kxtest::ShownAsDrawn(w->Image1));
        // The frame stands 1 px in from each edge of the screen's free area.
        EXPECT_EQ(w->frameGeometry(), QRect(1, 1, 1278, 1022));
    }
    w->PlaceOnScreen(QRect(40, 30, 1280, 1024));
    EXPECT_EQ(w->frameGeometry(), QRect(41, 31, 1278, 1022));
}

// The selector stands in the top right corner of the 1278 wide picture, 2 px in from its edge;
// after an analysis that stops on an unstable loadcase, and after a job is opened, it steps from
// "All" to loadcase 1.
TEST_F(IndexFrmTest, TheSelectorStandsInTheCornerAndStepsFromAllAfterAStoppedAnalysis) {
    ASSERT_EQ(w->Image1->width(), 1278);
    const std::pair<QWidget*, QRect> places[] = {
        {w->Label_Case, QRect(1278 - 58, 2, 56, 16)}, {w->lbl_Case, QRect(1278 - 58, 22, 28, 16)},
        {w->UpDown1, QRect(1278 - 26, 16, 20, 36)},   {w->UpDown1->Up, QRect(0, 0, 20, 18)},
        {w->UpDown1->Down, QRect(0, 18, 20, 18)},
    };
    for (const auto& [widget, place] : places)
        EXPECT_EQ(widget->geometry(), place) << FromQt(widget->objectName());

    // Over the results of a job opened before. A load on the LH tip lifts the forkheads beyond
    // it: loadcase 1 stands, loadcase 2 does not.
    Open(Job("c.kxf"));
    ASSERT_TRUE(w->ShowsResults());
    kxtest::BeamBuilder()
        .LHCantilever(2000)
        .Spans({4000, 4000})
        .AllSupports(supForkhead)
        .Udl(1, 2000, 10, 8000)
        .Point(2, 0, 1000)
        .Commit();
    SetDefaultUnits(Model);
    w->Analyse2->trigger();
    ASSERT_EQ(dialogs_->messages(), Texts{"  ERROR         \r\rLoadcase 2   Beam is unstable"});
    ASSERT_FALSE(w->UpDown1->isHidden());
    EXPECT_FALSE(w->ShowsResults());
    EXPECT_EQ(w->List_Results->count() + w->List_CaseResults->count(), 0);
    ExpectFileItems(true);
    w->UpDown1->Up->click();
    EXPECT_EQ(w->lbl_Case->text(), "1");
    EXPECT_EQ(w->Edit_Case->text(), "1");
    // A job opened while loadcase 2 is shown starts again from "All".
    Open(Job("c.kxf"));
    w->UpDown1->Up->click();
    w->UpDown1->Up->click();
    ASSERT_EQ(w->lbl_Case->text(), "2");
    Open(Job("c.kxf"));
    w->UpDown1->Up->click();
    EXPECT_EQ(w->lbl_Case->text(), "1");
}

// A menu bar grown taller while the window is shown (larger text, as on another screen) leaves the
// window its fixed size and shrinks only the client area: the picture is made again at the new
// size, the case list still ends at the bottom edge, and what shows is what a fresh placing draws.
TEST_F(IndexFrmTest, AMenuBarGrownTallerRemakesThePictureAtTheSmallerClientArea) {
    Open(Job("c.kxf"));
    ASSERT_TRUE(w->ShowsResults());
    w->show();
    QApplication::processEvents();
    const QSize window = w->size();
    const int before = w->Image1->height();
    QFont big = w->menuBar()->font();
    big.setPixelSize(40);
    w->menuBar()->setFont(big);
    QApplication::processEvents();
    const int bar = w->menuBar()->geometry().bottom() + 1;
    ASSERT_GT(bar, window.height() - before) << "the menu bar grew";
    EXPECT_EQ(w->size(), window);
    // Client height = window height - menu bar; the 422 px list stands on the bottom edge.
    EXPECT_EQ(w->Image1->geometry(), QRect(0, bar, window.width(), window.height() - bar));
    EXPECT_EQ(w->Image1->Picture.size(), w->Image1->size());
    EXPECT_EQ(w->List_CaseResults->geometry().bottom() + 1, window.height() - bar);
    const QImage shown = w->Image1->grab().toImage();
    // Placed afresh and the default tile drawn again, as the program does for a new client area.
    w->PlaceOnScreen(QRect(0, 0, 1280, 1024));
    w->Default1->trigger();
    EXPECT_TRUE(w->Image1->grab().toImage() == shown)
        << "the picture left as drawn for the taller client area";
}

// A result line wider than its list is cut at the list's edge, as in a list box of fixed rows: no
// horizontal scroll bar takes the room of the last row, and row i stands at 16 i across the whole
// width. A beam file may hold summary lines as long as a result line (75 characters, some 600 px in
// the 475 px results list); Open fills the list from them.
TEST_F(IndexFrmTest, AResultLineWiderThanItsListIsCutAtTheListsEdge) {
    w->show();
    Open(Job("c.kxf"));
    ASSERT_TRUE(w->ShowsResults());
    const std::string wide(75, '8');
    Txt.SummaryLines[3] = wide;
    w->FillResultsList();
    QApplication::processEvents();
    ASSERT_EQ(Lines(w->List_Results).at(2), wide);
    ASSERT_GT(QFontMetrics(w->List_Results->font()).horizontalAdvance(ToQt(wide)), w->List_Results->width());
    for (const QListWidget* l : {w->List_Results, w->List_CaseResults}) {
        SCOPED_TRACE(FromQt(l->objectName()));
        EXPECT_FALSE(l->horizontalScrollBar()->isVisible());
        EXPECT_EQ(l->viewport()->height(), l->height() - 2 * l->frameWidth());
        ASSERT_GT(l->count(), 16);
        for (int i = 0; i < l->count(); ++i)
            EXPECT_EQ(l->visualRect(l->model()->index(i, 0)), QRect(0, 16 * i, l->viewport()->width(), 16))
                << "row " << i;
    }
}

// Each drawing step shows on the screen what it drew and leaves the picture finished: a picture
// left open to its painter would be replaced under it at the next change of size. Tile > Default
// over a beam not yet analysed ends with the beam's sketch; after the analysis each step the
// analysis and Open take alone changes the picture and shows.
TEST_F(IndexFrmTest, EachDrawingStepShowsOnTheScreenAndLeavesThePictureFinished) {
    w->show();
    QApplication::processEvents();
    kxtest::JobA().Commit();
    SetDefaultUnits(Model);
    w->Default1->trigger();
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image1));
    ASSERT_FALSE(w->Image1->Picture.paintingActive()) << "the sketch of the beam left unfinished";
    // 200 px narrower and lower from outside: the picture made again and the layout redrawn.
    const QSize border = w->frameGeometry().size() - w->size();
    w->setFixedSize(QSize(1078, 822) - border);
    QApplication::processEvents();
    ASSERT_EQ(w->frameGeometry().size(), QSize(1078, 822));
    EXPECT_EQ(w->Image1->Picture.size(), w->Image1->size());
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image1));
    kxtest::ExpectLoadsAndBeamDrawn(w);

    w->PlaceOnScreen(QRect(0, 0, 1280, 1024));
    w->Analyse2->trigger();
    ASSERT_TRUE(w->ShowsResults());
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"FillImageBlack", [this] { w->FillImageBlack(); }},
        {"DrawLoads", [this] { w->DrawLoads(); }},
        {"DrawBeam", [this] { w->DrawBeam(); }},
        {"DrawDiagrams", [this] { w->DrawDiagrams(); }}};
    for (const auto& [name, step] : steps) {
        ASSERT_TRUE(kxtest::ShownAsDrawn(w->Image1)) << "before " << name;
        const QImage before = w->Image1->Picture.copy();
        step();
        ASSERT_NE(w->Image1->Picture, before) << name << " draws";
        EXPECT_FALSE(w->Image1->Picture.paintingActive()) << name;
        EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image1)) << name;
    }
}
