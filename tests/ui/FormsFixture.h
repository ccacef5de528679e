// Creates every window for a test, in a fresh start-up directory, with scripted dialogs.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/Forms.h"
#include "app/ProgramState.h"
#include "foundation/SharedModel.h"
#include "foundation/ui/Windows.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "sections/SectionFile.h"
#include "window/ui/Index.h"

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        kx::ResetProgramState();
        savedStartDir_ = kx::StartDir;
        // The start screen takes the current directory as the start-up directory.
        savedCwd_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.dir());
        kx::CreateForms();
    }
    void TearDown() override {
        kx::DestroyForms();
        std::filesystem::current_path(savedCwd_);
        kx::StartDir = savedStartDir_;
    }

    TempDir dir_;
    kx::ScopedScriptedDialogs dialogs_;
    std::filesystem::path savedCwd_;
    std::string savedStartDir_;
};

// The steps a user takes on the main, beam and load forms, for the tests that walk the wizard.
// Public: the tables of those tests take them.
class FormSteps : public FormsTest {
public:
    void SetUp() override {
        FormsTest::SetUp();
        main = kx::Forms.IndexFrm;
        beam = kx::Forms.KX_BeamFrm;
        loads = kx::Forms.LoadDataFrm;
    }

    // File > New, the cantilevers ticked and the number of spans set.
    void NewBeam(int spans, bool lhc, bool rhc) {
        main->New1->trigger();
        ASSERT_TRUE(beam->isVisible());
        if (lhc) beam->Check_LHC->click();
        if (rhc) beam->Check_RHC->click();
        beam->Edit_Spans->setValue(spans);
    }
    // Member lengths typed into the spans grid, left to right (cantilevers included); a nullptr
    // leaves that member's length as it is.
    void Lengths(const std::vector<const char*>& typed) {
        for (std::size_t i = 0; i < typed.size(); ++i)
            if (typed[i]) {
                QTableWidgetItem* it = beam->Grid_Spans->item(1, static_cast<int>(i) + 1);
                ASSERT_NE(it, nullptr) << "member " << i;
                it->setText(QString::fromLatin1(typed[i]));
            }
    }
    // A universal beam picked by its designation.
    void Section(const char* designation) {
        beam->UniversalBeams1->trigger();
        const QList<QListWidgetItem*> found =
            beam->List_Sect->findItems(QString::fromLatin1(designation), Qt::MatchStartsWith);
        ASSERT_FALSE(found.empty()) << designation;
        beam->List_Sect->setCurrentItem(found.front());
        emit beam->List_Sect->itemClicked(found.front());
    }
    // Row n of the load form a distributed load (W1 to W2 over the cover from at), and its factor.
    void Udl(int n, const char* at, const char* w1, const char* w2, const char* cover,
             const char* lf = nullptr) {
        const kx::TLoadRow& r = loads->Row(n);
        r.OptionUDL->click();
        r.Edit_Dist->setText(at);
        r.Edit_UDLS->setText(w1);
        r.Edit_UDLF->setText(w2);
        r.Edit_Cover->setText(cover);
        if (lf) r.Edit_LF->setText(lf);
    }
    // The rows applied in a loadcase, ticked there.
    void Apply(int loadcase, const std::vector<int>& rows) {
        loads->Edit_Case->setValue(loadcase);
        for (int n : rows)
            loads->Row(n).Check->click();
    }
    void SaveAs(const std::string& path) {
        dialogs_->fileAnswers.push_back(path);
        main->SaveAs1->trigger();
    }
    void Open(const std::string& path) {
        dialogs_->fileAnswers.push_back(path);
        main->Open1->trigger();
    }
    void Analyse() { main->Analyse2->trigger(); }
    kx::ScriptedDialogs& Script() { return *dialogs_; }

    kx::TIndexFrm* main = nullptr;
    kx::TKX_BeamFrm* beam = nullptr;
    kx::TLoadDataFrm* loads = nullptr;
};

// Runs the program's event loop with action posted into it: true when the loop ended with code 0
// before a safety stop after 5 s. The safety timer lives only as long as this call, so that it can
// never end a later loop, of this test or of another.
inline bool LoopEndsAfter(const std::function<void()>& action) {
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    safety.start(5000);
    QTimer::singleShot(0, &safety, action);
    return QCoreApplication::exec() == 0;
}

// The user's own section file holding one section of figures no table holds: E 9876.5 N/mm^2,
// Ixx 1.23456e8 mm^4, GA 1.2345e7 N, shear 34567 N, moment 2.3456e7 N-mm.
inline void WriteOwnSectionFile() {
    kx::TSectionRec own;
    own.Designation = "Ply box 300";
    own.Group = 1;
    own.E = 9876.5f;
    own.Ixx = 1.23456e8f;
    own.GA = 1.2345e7f;
    own.PermShear = 34567;
    own.PermMoment = 2.3456e7f;
    kx::WriteSectionFile("KX.sct", std::vector<kx::TSectionRec>{own});
}
