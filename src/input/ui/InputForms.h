// What File New and File Open do to the input windows together, in the order the windows are to
// see it. The main window calls these; each input window adds its own steps.
#pragma once

namespace kx {

// Clears the input windows for a new beam.
void ResetAllInputForms();

// Rebuilds the input windows' working copies from the committed model that Open has read.
void RestoreAllInputForms();

} // namespace kx
