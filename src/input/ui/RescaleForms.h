// The conversion of the open input windows to new units, installed for the preferences' OK.
#pragma once

namespace kx {

// Converts the unit texts of the beam form, the load form, the user section editor and the three
// effective-length windows, in this order, from OldUnitFactors to the model's units.
void RescaleInputForms();

void InstallInputFormsRescale();
void UninstallInputFormsRescale();

} // namespace kx
