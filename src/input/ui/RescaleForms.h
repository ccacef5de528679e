// The conversion of the open input windows to new units, installed for the preferences' OK.
#pragma once

namespace kx {

class TKX_BeamFrm;
class TLoadDataFrm;
class TKX_GridFrm;
class TCantLHFrm;
class TSpanFrm;
class TCantRHFrm;

// The input windows whose unit texts follow a change of units; a window left out is skipped.
struct RescaledForms {
    TKX_BeamFrm* Beam = nullptr;
    TLoadDataFrm* Loads = nullptr;
    TKX_GridFrm* UserSections = nullptr;
    TCantLHFrm* CantLH = nullptr;
    TSpanFrm* Span = nullptr;
    TCantRHFrm* CantRH = nullptr;
};

// Converts the unit texts of the beam form, the load form, the user section editor and the three
// effective-length windows, in this order, from OldUnitFactors to the model's units.
void RescaleInputForms(const RescaledForms& forms);

// Has the preferences' OK rescale these windows, until uninstalled.
void InstallInputFormsRescale(const RescaledForms& forms);
void UninstallInputFormsRescale();

} // namespace kx
