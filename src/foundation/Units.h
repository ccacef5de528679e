// Units of measure: the kinds of quantity, the units the preferences offer, the built-in
// defaults and the units settings file "Kxf_Unit.dim".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/SharedModel.h"

namespace kx {

// The kinds of quantity, in the order their settings are declared.
enum class TUnitKind : int {
    Length,
    Force,
    UDL,
    SectE,
    SectI,
    Shear,
    Moment,
    Deflection,
    Stress,
    SectZ,
    SectArea,
    SectLength,
    Weight,
    Warping,
};
inline constexpr int kUnitKindCount = 14;

// The text and factor of one kind.
Str10& UnitText(TUnitSettings& u, TUnitKind k);
const Str10& UnitText(const TUnitSettings& u, TUnitKind k);
float& UnitFactor(TUnitSettings& u, TUnitKind k);
float UnitFactor(const TUnitSettings& u, TUnitKind k);

// One radio button of the preferences: its component name, its caption, and the unit text and
// factor it sets.
struct UnitOption {
    const char* button;
    const char* caption;
    const char* text;
    float factor;
};

// One radio group of the preferences, for one kind.
struct UnitGroup {
    TUnitKind kind;
    const char* title; // the group box caption
    const char* note;  // shown beside the group ("" for none)
    std::vector<UnitOption> options;
};

// The groups with buttons, in the order in which OK assigns them. Warping has no buttons.
inline constexpr int kUnitGroupCount = 13;
const std::array<UnitGroup, kUnitGroupCount>& UnitOptionGroups();

// Warping is always shown in dm^6.
inline constexpr const char* kWarpingText = "dm^6";
inline constexpr float kWarpingFactor = 1e-12f;

// The modulus labels of the two terminology buttons.
void SetModulusLabels(TUnitSettings& u, bool sxxIsPlastic);

// The built-in settings used when the settings file cannot be used. FactoredLoadsFlag keeps
// what it held.
void SetDefaultUnits(TUnitSettings& u);

// The units settings file: 972 bytes, of which readers use the first 322.
inline constexpr const char* kUnitFileName = "Kxf_Unit.dim";
inline constexpr std::size_t kUnitFileSize = 972;
inline constexpr std::size_t kUnitFileReadSize = 322;
inline constexpr const char* kUnitFileTag = "Junk";

// The order in which the file stores the kinds.
extern const std::array<TUnitKind, kUnitKindCount> kUnitFileOrder;

// The whole file image of u, with fileTag in the 25 trailing copies.
std::vector<std::uint8_t> UnitFileImage(const TUnitSettings& u, const Str25& fileTag);

// Takes the settings from the first 322 bytes of a file image. Returns false, leaving u as it
// was, when the image is short or damaged: a text longer than its field, a unit text and factor
// that no option of its kind sets, modulus labels other than those of a terminology button, or a
// sign or flag other than +1/-1.
bool ParseUnitFile(const std::vector<std::uint8_t>& image, TUnitSettings& u);

// The message shown when the settings file is there but cannot be read, with the I/O message.
std::string UnitFileUnreadableMessage(const std::string& ioText);

// Reads the settings file at path (a regular file of at most 972 bytes) into u; false, leaving u
// as it was, on any failure. A file that is there but cannot be read (a folder, a device, a pipe,
// a longer file, one the user may not read) is reported with UnitFileUnreadableMessage; a missing,
// short or damaged file is not.
bool ReadUnitSettings(const std::string& path, TUnitSettings& u);

// Reads "Kxf_Unit.dim" from StartDir into u as ReadUnitSettings does, or sets the built-in
// defaults when it is missing, unreadable, short or damaged. Returns true when the file's values
// were taken.
bool ReadUnitFile(TUnitSettings& u = Model);

// Writes u as "Kxf_Unit.dim" in StartDir and sets the model's FileTag to "Junk". A failure
// throws IoError and leaves any previous file as it was.
void WriteUnitFile(const TUnitSettings& u = Model);

} // namespace kx
