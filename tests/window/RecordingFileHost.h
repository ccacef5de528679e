// Stands in for the main window in tests of New, Open, Save and the beam form's commit: records
// every call made of it, in order, and runs what a test gives it for the input forms' reset and restore.
#pragma once

#include <functional>
#include <string>

#include "window/FileCommands.h"

namespace kxtest {

class RecordingFileHost : public kx::FileCommandsHost {
public:
    void SetCaseSelection(const std::string& label, const std::string& edit) override {
        Log("SetCaseSelection " + label + " " + edit);
    }
    void SetShownCase(int lc) override { Log("SetShownCase " + std::to_string(lc)); }
    void EnableCaseSelector(int maxCase) override { Log("EnableCaseSelector " + std::to_string(maxCase)); }
    void SetCaption(const std::string& text) override { Log("SetCaption " + (caption = text)); }
    void ResetInputForms() override { Log("ResetInputForms", onReset); }
    void RestoreInputForms() override { Log("RestoreInputForms", onRestore); }
    void AskForInput(const kx::AnalysisRefusal& r) override {
        using Form = kx::AnalysisRefusal::Form;
        if (r.form == Form::Beam) return Log("AskForInput beam");
        Log(r.form == Form::Loads ? "AskForInput loads" : "AskForInput member " + std::to_string(r.row));
    }
    void ShowLoadFactorsReset() override { Log("ShowLoadFactorsReset", onFactorsReset); }
    void Log(const std::string& call, const std::function<void()>& then = {}) {
        calls += (calls.empty() ? "" : ", ") + call;
        if (then) then();
    }

    std::string calls, caption; // calls: in order, separated by ", "
    std::function<void()> onReset, onRestore, onFactorsReset;

    // clang-format off
#define RECORD(Name) void Name() override { Log(#Name); }
    RECORD(EmptyResultLists) RECORD(ShowCaseSelector) RECORD(ResetImageRect) RECORD(FillImageBlack)
    RECORD(EnableFileMenus) RECORD(DrawLoads) RECORD(DrawBeam) RECORD(DrawDiagrams) RECORD(ShowCaseResults)
    RECORD(FillResultsList) RECORD(ShowEnvelopeResults) RECORD(HideInputForms) RECORD(DisableFileMenus)
    RECORD(ClearResultLists) RECORD(TileDefault)
#undef RECORD
    // clang-format on
};

} // namespace kxtest
