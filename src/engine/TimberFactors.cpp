// The strength-class table and the timber modification factors.
#include "engine/TimberFactors.h"

#include <cmath>

namespace kx {

namespace {

// clang-format off
constexpr std::array<TimberGrade, kTimberGradeItems> Grades{{
    // class   E single  E sharing  bending  shear  compression
    {"C14",    4600,     6800,      4.1f,    0.6f,  5.2f},
    {"C16",    5800,     8800,      5.3f,    0.67f, 6.8f},
    {"C18",    6000,     9100,      5.8f,    0.67f, 7.1f},
    {"C22",    6500,     9700,      6.8f,    0.71f, 7.5f},
    {"C24",    7200,     10800,     7.5f,    0.71f, 7.9f},
    {"C27",    8200,     12300,     10,      1.1f,  8.2f},
    {"C30",    8200,     12300,     11,      1.2f,  8.6f},
    {"C35",    9000,     13400,     12,      1.3f,  8.7f},
    {"C40",    10000,    14500,     13,      1.4f,  8.7f},
    {"",       0,        0,         0,       0,     0},
    {"D30",    6000,     9500,      9,       1.4f,  8.1f},
    {"D35",    6500,     10000,     11,      1.7f,  8.6f},
    {"D40",    7500,     10800,     12.5f,   2,     12.6f},
    {"D50",    12600,    15000,     16,      2.2f,  15.2f},
    {"D60",    15600,    18500,     18,      2.4f,  18},
    {"D70",    18000,    21000,     23,      2.6f,  23},
    {"",       0,        0,         0,       0,     0},
    {"SC1",    4500,     6800,      2.8f,    0.46f, 3.5f},
    {"SC2",    5000,     8000,      4.1f,    0.66f, 5.3f},
    {"SC3",    5800,     8800,      5.3f,    0.67f, 6.8f},
    {"SC4",    6600,     9900,      7.5f,    0.71f, 7.9f},
    {"SC5",    7100,     10700,     10,      1,     8.7f},
    {"SC6",    11800,    14100,     12.5f,   1.5f,  12.5f},
    {"SC7",    13600,    16200,     15,      1.75f, 14.5f},
    {"SC8",    15600,    18700,     17.5f,   2,     16.5f},
    {"SC9",    18000,    21600,     20.5f,   2.25f, 19.5f},
}};

constexpr std::array<TimberDuration, kTimberDurations> Durations{{
    {"Option_LT",      "Long Term",     "LT",      1.0f,  "  (Long Term)"},
    {"Option_MT",      "Medium Term",   "MT",      1.25f, "  (Medium Term)"},
    {"Option_ST",      "Short Term",    "ST",      1.5f,  "  (Short Term)"},
    {"Option_VST",     "V. Short Term", "VST",     1.75f, "  (Very Short Term)"},
    {"Option_General", "General",       "General", 1.4f,  "  (General Formwork)"},
    {"Option_Wall",    "Wall",          "Wall",    1.5f,  "  (Formwork Wall Shutters)"},
    {"Option_Week",    "1 Week",        "1 Week",  1.4f,  "  (1 Week)"},
    {"Option_Month",   "1 Month",       "1 Month", 1.3f,  "  (1 Month)"},
    {"Option_Year",    "1 Year",        "1 Year",  1.2f,  "  (1 Year)"},
}};
// clang-format on

} // namespace

std::string TimberGradeItem(int position) {
    if (position == 16) return "";
    if (position < 0 || position >= kTimberGradeItems) return "";
    return std::string("   ") + Grades[static_cast<std::size_t>(position)].ClassName;
}

const TimberGrade* TimberGradeAt(int position) {
    if (position < 0 || position >= kTimberGradeItems) return nullptr;
    const TimberGrade& g = Grades[static_cast<std::size_t>(position)];
    return *g.ClassName ? &g : nullptr;
}

int TimberGradePosition(std::string_view className) {
    for (int i = 0; i < kTimberGradeItems; ++i)
        if (*Grades[static_cast<std::size_t>(i)].ClassName &&
            className == Grades[static_cast<std::size_t>(i)].ClassName)
            return i;
    return -1;
}

TimberSharing TimberK8(bool sharing) {
    return sharing ? TimberSharing{1.1f, "  (Sharing)"} : TimberSharing{1.0f, "  (Single)"};
}

TimberMoisture TimberK1K2(bool wet) {
    return wet ? TimberMoisture{1.02f, 0.8f, 0.9f, 0.6f, "Wet"}
               : TimberMoisture{1.0f, 1.0f, 1.0f, 1.0f, "Dry"};
}

const std::array<TimberDuration, kTimberDurations>& TimberDurations() { return Durations; }

int TimberDurationIndex(std::string_view code) {
    for (int i = 0; i < kTimberDurations; ++i)
        if (code == Durations[static_cast<std::size_t>(i)].Code) return i;
    return -1;
}

float TimberK7(double depth) {
    const long double h = depth;
    if (h <= 72) return 1.17f;
    if (h <= 300) return static_cast<float>(std::pow(300.0L / h, 0.11L));
    return static_cast<float>(0.81L * (h * h + 92300) / (h * h + 56800));
}

TimberBendingShear TimberBendingShearValues(const TimberBendingShearInputs& in) {
    TimberBendingShear out;
    out.PermBendingStress = static_cast<float>(in.GradeBending * in.K2Bending * in.K3 * in.K7 * in.K8);
    out.PermE = static_cast<float>(in.GradeE * in.K2E);
    out.EI = static_cast<float>(static_cast<long double>(out.PermE) * in.I / 100000);
    if (in.BendingDepth != 0 && in.K1 != 0)
        out.PermMoment =
            static_cast<long double>(out.PermBendingStress) * in.I * 2 / in.BendingDepth / in.K1 / 100;
    out.PermShearStress = static_cast<float>(in.GradeShear * in.K2Shear * in.K3 * in.K8 * in.ShearFactor);
    out.PermShearLoad =
        in.K1 * in.K1 * (static_cast<long double>(out.PermShearStress) * in.Width * in.Depth) / 1000 / 1.5L;
    return out;
}

} // namespace kx
