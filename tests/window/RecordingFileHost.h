// A stand-in for the main window in file-command tests and the fuzz target: records every call
// that New, Open and the rebuild make of the windows.
#pragma once

#include <string>
#include <vector>

#include "window/FileCommands.h"

namespace kxtest {

class RecordingFileHost : public kx::FileCommandsHost {
public:
    void EmptyResultLists() override { Log("EmptyResultLists"); }
    void ShowCaseSelector() override { Log("ShowCaseSelector"); }
    void ResetImageRect() override { Log("ResetImageRect"); }
    void FillImageBlack() override { Log("FillImageBlack"); }
    void EnableFileMenus() override { Log("EnableFileMenus"); }
    void SetCaseSelection(const std::string& label, const std::string& editText) override {
        Log("SetCaseSelection " + label + " " + editText);
    }
    void SetShownCase(int lc) override { Log("SetShownCase " + std::to_string(lc)); }
    void DrawLoads() override { Log("DrawLoads"); }
    void DrawBeam() override { Log("DrawBeam"); }
    void DrawDiagrams() override { Log("DrawDiagrams"); }
    void ShowCaseResults() override { Log("ShowCaseResults"); }
    void FillResultsList() override { Log("FillResultsList"); }
    void ShowEnvelopeResults() override { Log("ShowEnvelopeResults"); }
    void EnableCaseSelector(int maxCase) override { Log("EnableCaseSelector " + std::to_string(maxCase)); }
    void HideInputForms() override { Log("HideInputForms"); }
    void SetCaption(const std::string& caption) override {
        this->caption = caption;
        Log("SetCaption " + caption);
    }
    void DisableFileMenus() override { Log("DisableFileMenus"); }
    void ResetInputForms() override { Log("ResetInputForms"); }
    void ClearResultLists() override { Log("ClearResultLists"); }
    void TileDefault() override { Log("TileDefault"); }
    void RestoreInputForms() override { Log("RestoreInputForms"); }

    void Log(const std::string& call) { calls.push_back(call); }

    std::vector<std::string> calls;
    std::string caption;
};

} // namespace kxtest
