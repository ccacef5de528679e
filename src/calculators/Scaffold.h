// The permissible axial load of a 48.3 mm scaffold tube strut (Perry-Robertson with a factor of
// safety) and the memo text that reports it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kx {

// Which tube radio is checked.
enum class TubeKind { New, Used, Aluminium };

// The fixed data of a tube: stresses in N/mm², area in mm², radius of gyration in m.
struct TubeData {
    float FactorOfSafety, Ys, E, A, r;
    const char* Line1; // the tube line of the memo
    const char* Line2; // the standard line of the memo
};
const TubeData& Tube(TubeKind kind);

// The steps of the calculation, each rounded to single as it is stored.
struct StrutCapacity {
    float Le = 0;  // effective length, m
    float Eta = 0; // Perry factor 0.3 (Le / 100 r)²
    float Co = 0;  // Euler stress, N/mm²
    float pc = 0;  // buckling stress, N/mm²
    float P = 0;   // permissible axial load, kN
};

// The capacity for an effective length Le > 0 (m).
StrutCapacity StrutCalc(TubeKind kind, float Le);

// The state of the window's controls.
struct ScaffoldChoices {
    TubeKind Tube = TubeKind::New;
    std::string Edit_Le; // the effective length as typed
};

// Calculate: the six memo lines, or nothing when the length cannot be used (empty, not a
// number, zero, negative, or too large for a single), in which case the memo keeps its text.
std::optional<std::vector<std::string>> ScaffoldCalculate(const ScaffoldChoices& c);

} // namespace kx
