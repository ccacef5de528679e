// What the beam form tests share: a fresh job in metric units, the user's actions on the form,
// the section a pick of "127 x 76 UB 13" leaves, and recording stand-ins for the windows.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "foundation/SharedModel.h"
#include "foundation/StartDirTest.h"
#include "foundation/Unit1.h"
#include "foundation/Units.h"
#include "input/FormSketch.h"
#include "input/KX_Beam.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "window/RecordingFileHost.h"

namespace kxtest {

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

// Stands in for the load form.
class RecordingLoadForm : public kx::BeamCommitLoadForm {
public:
    void SetSelfWeightFactorText(const std::string& text) override { Log("Edit_LF " + text); }
    void ShowSelfWeightFrame(bool shown) override { Log(shown ? "Frame_SWt shown" : "Frame_SWt hidden"); }
    void DrawLoadFormBeam() override { Log("DrawLoadFormBeam"); }
    void Log(const std::string& call) { calls += (calls.empty() ? "" : ", ") + call; }
    std::string calls;
};

// A new job in m, kN, cm^4, N/mm^2 with factored loads off, and the beam form as New leaves it.
class BeamFormTest : public StartDirTest {
protected:
    void SetUp() override {
        StartDirTest::SetUp();
        // The program starts with its version texts and the units settings (here the built-in ones).
        kx::Model.VersionNumber = kx::kVersionNumber;
        kx::Model.VersionSuffix = kx::kVersionSuffix;
        kx::ReadUnitFile();
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
        const std::pair<int, float> values[] = {
            {kx::mfE, 205000},      {kx::mfIxx, 4734400}, {kx::mfY, 63.5f},       {kx::mfArea, 1652},
            {kx::mfShearArea, 508}, {kx::mfRy, 18.369f},  {kx::mfDT, 16.710527f}, {kx::mfSteelDepth, 127}};
        for (int row = 0; row <= kx::kRHCantRow; ++row)
            for (auto [field, v] : values)
                kx::Work.WorkSpanData[row][field] = v;
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

    bool Commit() { return kx::CommitBeamData(f, host, loadForm); }
    std::vector<std::string> Messages() { return dialogs->messages(); }

    kx::BeamFormControls f;
    kx::RecordingCanvas canvas;
    kx::SketchPicture pic{canvas, 753, 73};
    RecordingFileHost host;
    RecordingLoadForm loadForm;
    kx::ScopedScriptedDialogs dialogs;
};

} // namespace kxtest
