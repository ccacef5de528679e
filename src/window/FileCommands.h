// File New, Open and Save without the window: the reset of the job, reading a beam file with the
// rebuild of its results, and writing one so that a failed save never destroys the old file.
#pragma once

#include <string>

namespace kx {

// The units settings that File New takes: the first 322 bytes of "Kxf_Unit.dim" in the start-up
// directory; when it cannot be used, the built-in units of the eight kinds New resets, the
// moment sign, the modulus labels and factored loads off (the other kinds keep their values).
void ReadNewBeamUnits();

// The job reset of File New: every variable of the beam model to its value after New (the
// company and user header texts, the fifth steel calculator value and the SpanOptEdit flags
// kept), the support, shear, moment, extremes and check results cleared, no file name, the units
// settings re-read.
void ResetBeamJob();

// True when a chosen name may be opened: its last three characters are "kxf".
bool HasBeamFileSuffix(const std::string& path);

// Reads the beam file at path into the job and checks it whole before anything is taken: a file
// that cannot be opened throws IoError; a version other than 1, a short or damaged file throws
// KxfFileError with the message to show. Either way the job is left as it was.
void ReadBeamFile(const std::string& path);

// Writes the job as a beam file at path, through a temporary file in the same folder that
// replaces the old file only when it is complete. Throws IoError (the old file kept), or the
// writer's ConvertError or RangeError for a text table whose count is damaged.
void WriteBeamFile(const std::string& path);

} // namespace kx
