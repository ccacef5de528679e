// What the input form tests share: one fixture (a fresh model in m, kN, cm^4 and N/mm^2, a
// temporary start-up directory, scripted messages and a recording canvas), the beam form's and the
// load form's user actions on it, the "127 x 76 UB 13" section, and drawn items as text.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "app/ProgramState.h"
#include "engine/ResultText.h"
#include "foundation/SharedModel.h"
#include "foundation/StartDirTest.h"
#include "foundation/Unit1.h"
#include "foundation/Units.h"
#include "input/FormSketch.h"
#include "input/KX_Beam.h"
#include "input/LoadData.h"
#include "input/Span.h"
#include "input/TimSect.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "window/RecordingFileHost.h"

namespace kx::test {

// "127 x 76 UB 13" (E 205000, Ixx 4734400, D 127, ry 18.369, T 7.6) on every member row.
inline void PutUB127(Arr<TMemberRow, 0, 27>& rows) {
    for (int row = 0; row <= kRHCantRow; ++row)
        for (auto [field, v] : {std::pair{mfE, 205000.0f},
                                {mfIxx, 4734400.0f},
                                {mfY, 63.5f},
                                {mfArea, 1652.0f},
                                {mfShearArea, 508.0f},
                                {mfRy, 18.369f},
                                {mfDT, 127 / 7.6f},
                                {mfSteelDepth, 127.0f}})
            rows[row][field] = v;
}
// The committed beam made of it, checked as a hot-rolled beam.
inline void UseUB127OnEveryMember() {
    PutUB127(Model.SpanData);
    Model.SectionShape = "Beam";
    Model.MemberType = "HRS";
    Model.SteelSectionFlag = 1;
}

// The index of a line of the first loadcase's steel check listing; 0 when it is not there.
inline int SteelCheckLine(const std::string& line) {
    for (int i = 1; i <= 500; ++i)
        if (Txt.SteelCheckLines[1][i].str() == line) return i;
    return 0;
}

// The timber window's controls set one by one, as a user sets them, to D40 load sharing, dry,
// long term, 75 x 225 mm.
inline void ChooseD40SharedDryLongTerm75x225() {
    TimSectControls& c = TimSectVars.Ctl;
    c.lbl_Width = "75.00";
    c.lbl_Depth = "225.0";
    c.Duration.fill(false);
    c.Duration[TimberDurationIndex("LT")] = true;
    TimSectDurationClick();
    c.Option_Dry = true;
    c.Option_Wet = false;
    TimSectWetDryClick();
    c.Option_Share = true;
    c.Option_Single = false;
    c.Combo_Grade = 12; // D40
    TimSectGradeClick();
}

} // namespace kx::test

namespace kxtest {

// The span form's interval picture, recorded; the beam sketch is the window's.
struct SpanPictures : kx::SpanFormPictures {
    kx::RecordingCanvas canvas;
    void ClearSpanSketch() override {}
    void DrawSpanSketch() override {}
    void HighlightCurrentSpan() override {}
    kx::Canvas& IntervalCanvas() override { return canvas; }
    int IntervalWidth() const override { return kx::kIntSpanPictureW; }
    int IntervalHeight() const override { return kx::kIntSpanPictureH; }
};

// A drawn item as text: "line (x1,y1)-(x2,y2) colour width", "text (x,y) colour text",
// "fill (l,t,r,b) colour".
inline std::string Describe(const kx::RecordingCanvas::Item& i) {
    using Op = kx::RecordingCanvas::Op;
    auto pt = [](int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; };
    const std::pair<kx::Color, const char*> names[] = {{kx::colors::White, "white"},
                                                       {kx::colors::Gray, "grey"},
                                                       {kx::colors::Red, "red"},
                                                       {kx::colors::Black, "black"}};
    std::string colour = "another colour";
    for (const auto& [c, name] : names)
        if (i.color == c) colour = name;
    if (i.op == Op::Line)
        return "line " + pt(i.x1, i.y1) + "-" + pt(i.x2, i.y2) + " " + colour + " " + std::to_string(i.width);
    if (i.op == Op::Text) return "text " + pt(i.x1, i.y1) + " " + colour + " " + i.text;
    return "fill (" + std::to_string(i.x1) + "," + std::to_string(i.y1) + "," + std::to_string(i.x2) + "," +
           std::to_string(i.y2) + ") " + colour;
}

inline std::vector<std::string> Drawn(const std::vector<kx::RecordingCanvas::Item>& items) {
    std::vector<std::string> out;
    for (const auto& i : items)
        out.push_back(Describe(i));
    return out;
}
inline std::vector<std::string> Drawn(const kx::RecordingCanvas& c) { return Drawn(c.items); }

// A fresh model in m, kN, kN/m, cm^4, N/mm^2 and kN-m, in a temporary start-up directory.
class InputFormTest : public StartDirTest {
protected:
    void SetUp() override {
        StartDirTest::SetUp();
        kx::SetDefaultUnits(kx::Model);
    }
    void TearDown() override {
        kx::ResetProgramState();
        StartDirTest::TearDown();
    }
    std::vector<std::string> Messages() { return dialogs->messages(); }

    kx::ScopedScriptedDialogs dialogs;
    kx::RecordingCanvas canvas;
};

// Stands in for the load form: what the beam form's commit tells it.
class RecordingLoadForm : public kx::BeamCommitLoadForm {
public:
    void ShowFactorsReset() override { ++factorsReset; }
    void ShowSelfWeightFrame(bool shown) override { selfWeightFrame = shown; }
    void DrawLoadFormBeam() override { ++drawn; }
    int factorsReset = 0; // times every load-factor edit was made to show 1.0
    bool selfWeightFrame = false;
    int drawn = 0;
};

// A new job with factored loads off, and the beam form as New leaves it.
class BeamFormTest : public InputFormTest {
protected:
    void SetUp() override {
        InputFormTest::SetUp();
        kx::Model.VersionNumber = kx::kVersionNumber;
        kx::Model.VersionSuffix = kx::kVersionSuffix;
        kx::ResetBeamJob();
        kx::Work.WorkSpanCount = 1;
        kx::ResetBeamForm(f);
        kx::BeamFormShow(f);
        // The main window's New and Open run the form's own steps.
        host.onReset = [this] { kx::ResetBeamForm(f); };
        host.onRestore = [this] { kx::RestoreBeamForm(f); };
    }

    // The user sets the span count and the cantilevers and types every length (texts in m).
    void TypeBeam(const std::vector<std::string>& spans, const std::string& lhc = "",
                  const std::string& rhc = "") {
        f.Edit_Spans = std::to_string(spans.size());
        kx::SpanCountChanged(f, pic);
        for (bool left : {true, false})
            if (!(left ? lhc : rhc).empty()) {
                (left ? f.Check_LHC : f.Check_RHC) = true;
                kx::CantileverClicked(f, left, pic);
            }
        const int c = f.Check_LHC ? 1 : 0, n = static_cast<int>(spans.size());
        if (!lhc.empty()) Type(1, lhc);
        for (int i = 1; i <= n; ++i)
            Type(c + i, spans[static_cast<std::size_t>(i - 1)]);
        if (!rhc.empty()) Type(n + c + 1, rhc);
    }
    void Type(int col, const std::string& text) {
        f.Grid_Spans.SetCell(col, 1, text);
        kx::SpanGridEdited(f, pic);
    }

    // The section a pick of "127 x 76 UB 13" leaves.
    void PickUB127() {
        kx::test::PutUB127(kx::Work.WorkSpanData);
        const char* const lines[] = {"7",
                                     " 127 x 76 UB 13",
                                     "",
                                     " Ixx = 473.4 cm^4",
                                     " D/T = 16.7",
                                     " Wt = 12.97 kg/m",
                                     " E = 205000 N/mm^2",
                                     ""};
        for (int i = 0; i <= 7; ++i)
            kx::Work.WorkSectionPropLines[i] = lines[i];
        f.List_Props.assign(lines, lines + 8);
        f.List_Props[0] = " ";
        f.lbl_S01_Ixx = "473.4";
        f.lbl_S01_E = "205000";
        f.lbl_S01_Desc = kx::Work.WorkSectionText = " 127 x 76 UB 13";
        kx::Work.WorkSectionShape = "Beam";
        kx::Work.WorkMemberType = "HRS";
        kx::Work.SectionFamily = "UB";
        kx::Work.WorkFlangeThickness = 7.6f;
        kx::Work.WorkWebThickness = 4;
        kx::Work.SectionRecordNo = 1;
    }

    bool Commit() { return kx::CommitBeamData(f, loadForm); }

    kx::BeamFormControls f;
    kx::LoadFormPicture pic{canvas, 753, 73};
    RecordingFileHost host;
    RecordingLoadForm loadForm;
};

// The committed two-span beam (3 m and 4 m), a steel UB on three vertically fixed supports; the
// load tables as New leaves them.
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

// The load form on that beam with factored loads on, a blank form and a picture of 743 x 145.
class LoadFormTest : public InputFormTest {
protected:
    void SetUp() override {
        InputFormTest::SetUp();
        kx::Model.FactoredLoadsFlag = 1;
        CommitTwoSpanBeam();
        kx::LoadDataVars.WorkLoadcase = 1;
        kx::LoadDataVars.WorkRowsShown = 5;
    }

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

    kx::LoadFormPicture pic{canvas, 743, 145};
    kx::LoadFormControls f;
};

} // namespace kxtest
