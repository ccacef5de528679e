// The load form's tests start here: spans of 3 m and 4 m committed, units m, kN and kN/m, factored
// loads on, a blank form, a recording picture of 743 x 145 and scripted messages.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "app/ProgramState.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "input/LoadData.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"

namespace kxtest {

// The committed two-span beam, a steel UB on three vertically fixed supports; the load tables as New
// leaves them.
inline void CommitTwoSpanBeam() {
    using namespace kx;
    SharedModel& m = Model;
    for (int r : {1, 2}) {
        m.SpanData[r][mfExists] = 1.0f;
        m.SpanData[r][mfL] = r == 1 ? 3000.0f : 4000.0f;
    }
    m.SpanCount[0] = 2;
    m.SupportType[0] = m.SupportType[1] = m.SupportType[25] = supFixed;
    m.BeamLength = 7000;
    for (auto& loadcase : m.LoadTable)
        for (TLoadRec& r : loadcase)
            r[lfApplied] = -1.0f;
    m.CurrentLoadcase = 1;
    m.LoadRowsShown = 6;
    m.SectionShape = "Beam";
    m.SectionFamilyCode = "UB";
    m.SteelSectionFlag = -1;
}

class LoadFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        kx::ResetProgramState();
        kx::SetDefaultUnits(kx::Model);
        kx::Model.FactoredLoadsFlag = 1;
        CommitTwoSpanBeam();
        kx::LoadDataVars.WorkLoadcase = 1;
        kx::LoadDataVars.WorkRowsShown = 5;
    }
    void TearDown() override { kx::ResetProgramState(); }

    // Row n typed as a click on its type and typing do (m, kN, kN/m): a point load P at dist, or a
    // distributed load from dist over cover rising from w1 to w2.
    void Point(int n, const std::string& P, const std::string& dist, const std::string& lf = "") {
        Type(n, true, {P, dist, "", "", "", lf});
    }
    void Udl(int n, const std::string& dist, const std::string& cover, const std::string& w1,
             const std::string& w2, const std::string& lf = "") {
        Type(n, false, {"", dist, w1, w2, cover, lf});
    }
    void Type(int n, bool point, const std::array<std::string, 6>& texts) {
        kx::LoadRowControls& r = f.Rows[n];
        r.OptionP = point;
        r.OptionUDL = !point;
        kx::SetLoadRowMode(f, n);
        std::size_t i = 0;
        for (kx::EditBox* e :
             {&r.Edit_PL, &r.Edit_Dist, &r.Edit_UDLS, &r.Edit_UDLF, &r.Edit_Cover, &r.Edit_LF})
            e->Text = texts[i++];
    }
    // The Apply boxes of rows (0: the self-weight's) and the loadcase spinner as a click sets them.
    void Tick(std::initializer_list<int> rows, bool on = true) {
        for (int n : rows) {
            (n == 0 ? f.Check_Swt : f.Rows[n].Check) = on;
            n == 0 ? kx::SelfWeightApplyClicked(f, pic) : kx::ApplyClicked(f, n, pic);
        }
    }
    void ShowLoadcase(int lc) {
        f.Edit_Case = lc;
        kx::LoadcaseClicked(f, pic);
    }
    // Loadcase 1 applies a point load of 12 kN at 1.5 m and three distributed loads:
    // A over 0..4 m at 3 kN/m, B over 2..5 m rising from 1 to 4 kN/m, C over 4..7 m at 2 kN/m.
    void TypeLoadcaseOne() {
        Point(1, "12", "1.5");
        Udl(2, "0", "4", "3", "3");
        Udl(3, "2", "3", "1", "4");
        Udl(4, "4", "3", "2", "2");
        Tick({1, 2, 3, 4});
    }

    kx::ScopedScriptedDialogs dialogs;
    kx::RecordingCanvas canvas;
    kx::LoadFormPicture pic{canvas, 743, 145};
    kx::LoadFormControls f;
};

} // namespace kxtest
