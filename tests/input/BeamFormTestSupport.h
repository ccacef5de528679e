// What the beam form tests share: a fresh job in metric units, the user's actions on the form,
// the section a pick of "127 x 76 UB 13" leaves, and recording stand-ins for the windows.
#pragma once

#include <string>
#include <vector>

#include "foundation/SharedModel.h"
#include "foundation/StartDirTest.h"
#include "foundation/Unit1.h"
#include "foundation/Units.h"
#include "input/BeamSketch.h"
#include "input/KX_Beam.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "window/FileCommands.h"

namespace kxtest {

// A drawn item as text: "line (x1,y1)-(x2,y2) colour width", "text (x,y) colour text",
// "fill (l,t,r,b) colour".
inline std::string ColourName(kx::Color c) {
    if (c == kx::colors::White) return "white";
    if (c == kx::colors::Gray) return "grey";
    if (c == kx::colors::Red) return "red";
    if (c == kx::colors::Black) return "black";
    return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

inline std::string Describe(const kx::RecordingCanvas::Item& i) {
    using Op = kx::RecordingCanvas::Op;
    auto pt = [](int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; };
    switch (i.op) {
    case Op::Line:
        return "line " + pt(i.x1, i.y1) + "-" + pt(i.x2, i.y2) + " " + ColourName(i.color) + " " +
               std::to_string(i.width);
    case Op::Text: return "text " + pt(i.x1, i.y1) + " " + ColourName(i.color) + " " + i.text;
    case Op::Fill:
        return "fill (" + std::to_string(i.x1) + "," + std::to_string(i.y1) + "," + std::to_string(i.x2) +
               "," + std::to_string(i.y2) + ") " + ColourName(i.color);
    }
    return {};
}

inline std::vector<std::string> Drawn(const kx::RecordingCanvas& c) {
    std::vector<std::string> out;
    for (const auto& i : c.items)
        out.push_back(Describe(i));
    return out;
}

// Stands in for the main window: records the calls the commit and New and Open make of it, and
// runs the beam form's own New and Open steps on a form snapshot.
class RecordingFileHost : public kx::FileCommandsHost {
public:
    explicit RecordingFileHost(kx::BeamFormControls* form = nullptr) : form_(form) {}
    void SetCaseSelection(const std::string&, const std::string&) override {}
    void SetShownCase(int) override {}
    void EnableCaseSelector(int) override {}
    void SetCaption(const std::string&) override {}
    void ResetInputForms() override {
        Log("ResetInputForms");
        if (form_) kx::ResetBeamForm(*form_);
    }
    void RestoreInputForms() override {
        Log("RestoreInputForms");
        if (form_) kx::RestoreBeamForm(*form_);
    }
    void Log(const std::string& call) { calls += (calls.empty() ? "" : ", ") + call; }

    std::string calls;

    // clang-format off
#define RECORD(Name) void Name() override { Log(#Name); }
    RECORD(EmptyResultLists) RECORD(ShowCaseSelector) RECORD(ResetImageRect) RECORD(FillImageBlack)
    RECORD(EnableFileMenus) RECORD(DrawLoads) RECORD(DrawBeam) RECORD(DrawDiagrams) RECORD(ShowCaseResults)
    RECORD(FillResultsList) RECORD(ShowEnvelopeResults) RECORD(HideInputForms) RECORD(DisableFileMenus)
    RECORD(ClearResultLists) RECORD(TileDefault)
#undef RECORD
        // clang-format on

        private : kx::BeamFormControls* form_;
};

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
    }

    // The user sets the span count and the cantilevers and types every length (texts in m).
    void TypeBeam(const std::vector<std::string>& spans, const std::string& lhc = "",
                  const std::string& rhc = "") {
        f.Edit_Spans = std::to_string(spans.size());
        kx::SpanCountChanged(f, pic);
        if (!lhc.empty()) {
            f.Check_LHC = true;
            kx::CantileverClicked(f, true, pic);
        }
        if (!rhc.empty()) {
            f.Check_RHC = true;
            kx::CantileverClicked(f, false, pic);
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
        for (int row = 0; row <= kx::kRHCantRow; ++row) {
            kx::TMemberRow& r = kx::Work.WorkSpanData[row];
            r[kx::mfE] = 205000;
            r[kx::mfIxx] = 4734400;
            r[kx::mfY] = 63.5f;
            r[kx::mfArea] = 1652;
            r[kx::mfShearArea] = 508;
            r[kx::mfRy] = 18.369f;
            r[kx::mfDT] = 16.710527f;
            r[kx::mfSteelDepth] = 127;
        }
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
        f.List_Props.assign(lines + 1, lines + 8);
        f.List_Props.insert(f.List_Props.begin(), " ");
        f.lbl_S01_Ixx = "473.4";
        f.lbl_S01_E = "205000";
        f.lbl_S01_Desc = " 127 x 76 UB 13";
        kx::Work.WorkSectionText = f.lbl_S01_Desc;
        kx::Work.WorkSectionShape = "Beam";
        kx::Work.WorkMemberType = "HRS";
        kx::Work.SectionFamily = "UB";
        kx::Work.WorkFlangeThickness = 7.6f;
        kx::Work.WorkWebThickness = 4;
        kx::Work.SectionRecordNo = 1;
    }

    bool Commit() { return kx::CommitBeamData(f, host, loadForm); }

    kx::BeamFormControls f;
    kx::RecordingCanvas canvas;
    kx::SketchPicture pic{canvas, 753, 73};
    RecordingFileHost host{&f};
    RecordingLoadForm loadForm;
    kx::ScopedScriptedDialogs dialogs;
};

} // namespace kxtest
