// The load form's tests start here: spans of 3 m and 4 m committed, units m, kN and kN/m, factored
// loads on, a blank form, a recording picture of 743 x 145 and scripted messages.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/ProgramState.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "input/LoadData.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"

namespace kxtest {

// The committed two-span beam (a 127 x 76 UB's E and Ixx) on three vertically fixed supports; the
// load tables as New leaves them.
inline void CommitTwoSpanBeam() {
    using namespace kx;
    SharedModel& m = Model;
    for (int r : {1, 2}) {
        m.SpanData[r][mfExists] = 1.0f;
        m.SpanData[r][mfL] = r == 1 ? 3000.0f : 4000.0f;
    }
    for (int r = 0; r <= kRHCantRow; ++r) {
        m.SpanData[r][mfE] = 205000;
        m.SpanData[r][mfIxx] = 4734400;
    }
    m.SpanData[kFlagsRow][kShearDeflectionField] = -1.0f;
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

    // Chooses a row's type as a click does, and types its values (m, kN, kN/m).
    void Point(int n, const std::string& P, const std::string& dist, const std::string& lf = "") {
        kx::LoadRowControls& r = f.Rows[n];
        r.OptionP = true;
        r.OptionUDL = false;
        kx::SetLoadRowMode(f, n);
        r.Edit_PL.Text = P;
        r.Edit_Dist.Text = dist;
        r.Edit_LF.Text = lf;
    }
    void Udl(int n, const std::string& dist, const std::string& cover, const std::string& w1,
             const std::string& w2, const std::string& lf = "") {
        kx::LoadRowControls& r = f.Rows[n];
        r.OptionUDL = true;
        r.OptionP = false;
        kx::SetLoadRowMode(f, n);
        r.Edit_Dist.Text = dist;
        r.Edit_Cover.Text = cover;
        r.Edit_UDLS.Text = w1;
        r.Edit_UDLF.Text = w2;
        r.Edit_LF.Text = lf;
    }
    // Ticks or unticks a row's Apply box as a click does.
    void Tick(int n, bool on = true) {
        f.Rows[n].Check = on;
        kx::ApplyClicked(f, n, pic);
    }
    void TickSelfWeight(bool on = true) {
        f.Check_Swt = on;
        kx::SelfWeightApplyClicked(f, pic);
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
        for (int n = 1; n <= 4; ++n)
            Tick(n);
    }

    kx::ScopedScriptedDialogs dialogs;
    kx::RecordingCanvas canvas;
    kx::LoadFormPicture pic{canvas, 743, 145};
    kx::LoadFormControls f;
};

} // namespace kxtest
