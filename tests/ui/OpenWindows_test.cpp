// Windows left open while the job changes under them (File New, File Open, a commit of the beam
// that clears the analysis, Analyse, a change of units, Save As): each then shows and works on the
// job as it now is, or refuses as its own rules say; none prints, saves or converts anything of the
// job that was.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "FormsFixture.h"
#include "calculators/KX_Cap.h"
#include "calculators/Timber.h"
#include "engine/AnalysedJob.h"
#include "foundation/Preferences.h"
#include "foundation/Units.h"
#include "foundation/ui/Preferences.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "platform/Printer.h"
#include "platform/QtDialogs.h"
#include "sections/SectionFile.h"
#include "window/FileCommands.h"
#include "window/IndexJobs.h"
#include "window/Point.h"
#include "window/ui/Index.h"
#include "window/ui/Point.h"
#include "window/ui/Print.h"

using namespace kx;

namespace {

using Texts = std::vector<std::string>;

enum class Change { New, Open, Commit, Analyse, Units, SaveAs };
constexpr Change kChanges[] = {Change::New,     Change::Open,  Change::Commit,
                               Change::Analyse, Change::Units, Change::SaveAs};

const char* Name(Change c) {
    switch (c) {
    case Change::New: return "File New";
    case Change::Open: return "File Open";
    case Change::Commit: return "commit of the beam";
    case Change::Analyse: return "Analyse";
    case Change::Units: return "change of units";
    case Change::SaveAs: return "Save As";
    }
    return "";
}

std::string Cell(const QTableWidget* t, int col, int row) {
    const QTableWidgetItem* it = t->item(row, col);
    return it ? FromQt(it->text()) : std::string("<none>");
}

Texts Lines(const QListWidget* l) {
    Texts out;
    for (int i = 0; i < l->count(); ++i)
        out.push_back(FromQt(l->item(i)->text()));
    return out;
}

// The job analysed and written at path under a project text, in the default units or with its
// lengths in mm, Ixx in mm^4 and moments in N-mm; the program state is reset afterwards.
void WriteJobFile(const kxtest::BeamBuilder& beam, const std::string& path, const char* project, bool inMm) {
    kxtest::AnalyseJob(beam);
    Model.HeaderProject1 = project;
    if (inMm) {
        Model.UnitTextLength = "mm", Model.UnitFactorLength = 1;
        Model.UnitTextSectI = "mm^4", Model.UnitFactorSectI = 1;
        Model.UnitTextMoment = "N-mm", Model.UnitFactorMoment = 1;
        kx::NullAnalysisHost quiet;
        AnalyseBeam(quiet); // the results' texts in the units saved with them
    }
    WriteBeamFile(path);
    ResetProgramState();
}

class OpenWindows : public FormsTest {
protected:
    void SetUp() override {
        // A: 5000 mm, 10 N/mm, in m; C: 4000 mm fixed ends, 15 N/mm and 48000 N at mid-span, in mm.
        WriteJobFile(kxtest::JobA(), jobs_.path("a.kxf"), "Grid <A> to <B>", false);
        WriteJobFile(kxtest::JobC(), jobs_.path("c.kxf"), "Job <2>", true);
        FormsTest::SetUp();
        // The settings File New reads: feet, mm^4 and N-mm.
        TUnitSettings u;
        SetDefaultUnits(u);
        u.UnitTextLength = "ft", u.UnitFactorLength = 304.8f;
        u.UnitTextSectI = "mm^4", u.UnitFactorSectI = 1;
        u.UnitTextMoment = "N-mm", u.UnitFactorMoment = 1;
        u.UnitTextWarping = kWarpingText, u.UnitFactorWarping = kWarpingFactor;
        u.FactoredLoadsFlag = -1;
        WriteUnitFile(u);
        w = Forms.IndexFrm;
        w->PlaceOnScreen(QRect(0, 0, 1280, 1024));
        w->show();
    }
    void Open(const char* name) {
        dialogs_->fileAnswers.push_back(jobs_.path(name));
        w->Open1->trigger();
    }
    // Job A opened, every other window hidden, nothing asked yet.
    void Start() {
        for (QWidget* f : FormsInCreationOrder())
            if (f != Widget(Forms.Form1) && f != Widget(w)) f->hide();
        Open("a.kxf");
        ASSERT_EQ(Model.AnalysedFlag, 1);
        dialogs_->clear();
    }
    void Make(Change c) {
        switch (c) {
        case Change::New: w->New1->trigger(); break;
        case Change::Open: Open("c.kxf"); break;
        case Change::Commit: {
            w->Beam1->trigger();
            TKX_BeamFrm* beam = Forms.KX_BeamFrm;
            beam->Option_Vert_Fixed->click(); // the job's interior entries hold no support kind
            beam->cmdNext->click();
            ASSERT_FALSE(ResultsStand());
            break;
        }
        case Change::Analyse: w->Analyse2->trigger(); break;
        case Change::Units: {
            TPreferencesFrm* p = Forms.PreferencesFrm;
            p->show();
            p->optionButton("Option_Mom_Nmm")->click();
            p->Button2->click();
            break;
        }
        case Change::SaveAs:
            dialogs_->fileAnswers.push_back(dir_.path("saved.kxf"));
            w->SaveAs1->trigger();
            break;
        }
        ASSERT_TRUE(dialogs_->messages().empty()) << Name(c) << ": " << dialogs_->messages().front();
    }
    int PrintedPages(const std::function<void()>& press) {
        RecordingPrinter p;
        Printer& installed = printer();
        InstallPrinter(&p);
        press();
        InstallPrinter(&installed);
        printedFileName_ = !p.pages.empty() && p.pages[0]->hasText(dir_.path("saved.kxf"));
        return static_cast<int>(p.pages.size());
    }

    TempDir jobs_;
    TIndexFrm* w = nullptr;
    bool printedFileName_ = false;
};

} // namespace

TEST_F(OpenWindows, EachWindowLeftOpenWorksOnTheJobAsItNowIsOrRefuses) {
    using Check = std::function<void(Change)>;
    struct Row {
        const char* window;
        std::function<void()> before; // opened (and used) on job A
        Check after;                  // what it does once the job has changed
    };

    TPrintFrm* print = Forms.PrintFrm;
    TPointFrm* point = Forms.PointFrm;
    TPreferencesFrm* prefs = Forms.PreferencesFrm;
    TKX_GridFrm* editor = Forms.KX_GridFrm;
    Texts pointList;
    std::vector<float> unitsBefore;
    auto units = [] {
        std::vector<float> f;
        for (TUnitKind k :
             {TUnitKind::Length, TUnitKind::Force, TUnitKind::UDL, TUnitKind::SectE, TUnitKind::SectI,
              TUnitKind::Shear, TUnitKind::Moment, TUnitKind::Deflection, TUnitKind::Stress})
            f.push_back(UnitFactor(Model, k));
        return f;
    };
    std::string spanText;
    KX_Cap::CapState steel;
    Timber::TimberState timber;
    auto calculate = [point](const char* distance) {
        point->Edit_Dist->setText(distance);
        point->cmd_Calc->click();
    };
    // Hand figures: A, 10 N/mm on 5000 mm simply supported, at mid-span M = wL^2/8 = 31.25e6 N mm;
    // C, fixed ends, at mid-span M = wL^2/24 = 10e6 N mm (15 N/mm) and PL/8 = 24e6 N mm (48000 N).
    auto momentIs = [](int lc, double expected) {
        EXPECT_NEAR(std::fabs(PointResults.PointMoment[lc]), expected, expected * 1e-3) << "loadcase " << lc;
    };

    const Row rows[] = {
        {"print options",
         [&] {
             w->Print1->trigger();
             for (QCheckBox* b :
                  {print->Check_Envelope, print->Check_Env20, print->Check_Case, print->Check_Case20})
                 b->setChecked(false);
             print->Check_Beam->setChecked(true);
         },
         [&](Change c) {
             const int pages = PrintedPages([print] { print->Cmd_OK->click(); });
             if (c == Change::New) { // no beam: nothing happens
                 EXPECT_TRUE(pages == 0 && print->isVisible() && dialogs_->messages().empty());
                 EXPECT_EQ(print->lbl_Project_1->text(), "");
             } else if (c == Change::Commit || c == Change::Units) { // results of another job
                 EXPECT_TRUE(pages == 0 && print->isVisible());
                 EXPECT_EQ(dialogs_->messages(), Texts{"Analyse the beam first"});
             } else {
                 EXPECT_TRUE(pages > 0 && !print->isVisible());
                 EXPECT_EQ(FromQt(print->lbl_Project_1->text()),
                           c == Change::Open ? "Job <2>" : "Grid <A> to <B>");
             }
             if (c == Change::SaveAs) {
                 EXPECT_TRUE(printedFileName_) << "the page header names the new file";
             }
         }},
        {"results at a point",
         [&] {
             point->show();
             calculate("2.5");
             momentIs(1, 31.25e6);
             pointList = Lines(point->List_Results);
             ASSERT_FALSE(pointList.empty());
             point->hide();
         },
         [&](Change c) {
             point->show();
             const bool sameResults = c == Change::SaveAs; // texts in other units are stale too
             EXPECT_EQ(Lines(point->List_Results), sameResults ? pointList : Texts{});
             EXPECT_EQ(PrintedPages([point] { point->cmd_Print->click(); }) > 0, sameResults);
             dialogs_->clear();
             switch (c) {
             case Change::New: // no beam: nothing happens
                 calculate("2.5");
                 EXPECT_TRUE(dialogs_->messages().empty() && point->List_Results->count() == 0);
                 break;
             case Change::Commit:
             case Change::Units:
                 calculate("2.5");
                 EXPECT_EQ(dialogs_->messages(), Texts{"Analyse the beam first"});
                 EXPECT_EQ(point->List_Results->count(), 0);
                 break;
             case Change::Open:
                 calculate("2000"); // mm
                 momentIs(1, 10e6);
                 momentIs(2, 24e6);
                 break;
             default: calculate("2.5"); momentIs(1, 31.25e6);
             }
             point->hide();
         }},
        {"preferences",
         [&] {
             w->Units1->trigger();
             ASSERT_TRUE(prefs->isVisible());
         },
         [&](Change c) {
             if (c == Change::Units) return; // the window is the change
             // Shown again as they now stand; OK without a change of choice changes nothing.
             if (c == Change::New || c == Change::Open) {
                 EXPECT_TRUE(
                     prefs->optionButton(c == Change::New ? "Option_L_ft" : "Option_L_mm")->isChecked());
             }
             unitsBefore = units();
             const std::string length = Model.UnitTextLength.str();
             spanText = Cell(Forms.KX_BeamFrm->Grid_Spans, 1, 1);
             prefs->Button2->click();
             EXPECT_EQ(units(), unitsBefore);
             EXPECT_EQ(Model.UnitTextLength.str(), length);
             EXPECT_EQ(Cell(Forms.KX_BeamFrm->Grid_Spans, 1, 1), spanText);
         }},
        {"section editor",
         [&] {
             editor->show();
             // 500 cm^4 and 12.5 kN-m as the headings say.
             editor->SetCell(1, 1, "Ply box");
             editor->SetCell(2, 1, "500");
             editor->SetCell(5, 1, "12.5");
         },
         [&](Change c) {
             EXPECT_EQ(editor->Cell(5, 0).find(c == Change::Units ? "(N-mm)" : "(kN-m)") != std::string::npos,
                       true)
                 << editor->Cell(5, 0);
             editor->cmd_Save->click();
             const TSectionRec rec = ReadSectionFile("KX.sct").at(0);
             EXPECT_EQ(rec.Designation.str(), "Ply box");
             EXPECT_NEAR(rec.Ixx, 5e6, 1);
             EXPECT_NEAR(rec.PermMoment, 1.25e7, 1);
         }},
        {"steel and timber calculators",
         [&] {
             KX_Cap::CapOpenSectionFamily(KX_Cap::CapFamilies()[0].FileName, KX_Cap::CapFamilies()[0].Group);
             const auto& names = KX_Cap::Cap.CapDesignations;
             const auto at = std::find_if(names.begin(), names.end(), [](const std::string& n) {
                 return n.rfind("127 x 76 UB 13", 0) == 0;
             });
             ASSERT_NE(at, names.end());
             KX_Cap::List_SectionClick(static_cast<int>(at - names.begin()));
             KX_Cap::cmd_AxialXXClick({"3", "", ""});
             ASSERT_TRUE(dialogs_->messages().empty());
             steel = KX_Cap::Cap;
             Timber::TimberInputs in;
             in.Edit_Width = "50", in.Edit_Depth = "150", in.Edit_Le = "2";
             ASSERT_TRUE(Timber::cmd_BendCapClick(in).Dialog);
             timber = Timber::Calc;
         },
         [&](Change) {
             // They work in fixed units on their own inputs: nothing of the job touches them.
             EXPECT_TRUE(KX_Cap::Cap == steel);
             EXPECT_TRUE(Timber::Calc == timber);
         }},
        {"beam and load forms", [] {},
         [&](Change c) {
             // New shows the beam form cleared; Open leaves both hidden, restored from the file.
             if (c == Change::New) {
                 EXPECT_TRUE(Forms.KX_BeamFrm->isVisible() && !Widget(Forms.LoadDataFrm)->isVisible());
                 EXPECT_EQ(Forms.KX_BeamFrm->Grid_Spans->columnCount(), 2);
             }
             if (c == Change::Open) {
                 EXPECT_FALSE(Forms.KX_BeamFrm->isVisible() || Widget(Forms.LoadDataFrm)->isVisible());
                 EXPECT_EQ(Cell(Forms.KX_BeamFrm->Grid_Spans, 1, 1), "4000"); // C's span in mm
             }
         }},
    };
    for (const Row& r : rows)
        for (Change c : kChanges) {
            SCOPED_TRACE(std::string(r.window) + " left open over " + Name(c));
            Start();
            r.before();
            Make(c);
            r.after(c);
        }
}

TEST_F(OpenWindows, PrintOptionsShowTheJobTextsAsTyped) {
    Start();
    w->Print1->trigger();
    TPrintFrm* print = Forms.PrintFrm;
    const QString typed = QStringLiteral("Grid <A> to <B>");
    ASSERT_EQ(print->lbl_Project_1->text(), typed);
    // Shown as markup, "<A>" and "<B>" would be tags and take no room.
    EXPECT_GE(print->lbl_Project_1->sizeHint().width(),
              print->lbl_Project_1->fontMetrics().horizontalAdvance(typed));
}
