// Units of measure, their options and defaults, and the units settings file.
#include "foundation/Units.h"

#include <cmath>
#include <cstring>
#include <tuple>

#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

namespace kx {

namespace {

struct KindFields {
    Str10 TUnitSettings::*text;
    float TUnitSettings::*factor;
};

// Indexed by TUnitKind.
constexpr std::array<KindFields, kUnitKindCount> kFields = {{
    {&TUnitSettings::UnitTextLength, &TUnitSettings::UnitFactorLength},
    {&TUnitSettings::UnitTextForce, &TUnitSettings::UnitFactorForce},
    {&TUnitSettings::UnitTextUDL, &TUnitSettings::UnitFactorUDL},
    {&TUnitSettings::UnitTextSectE, &TUnitSettings::UnitFactorSectE},
    {&TUnitSettings::UnitTextSectI, &TUnitSettings::UnitFactorSectI},
    {&TUnitSettings::UnitTextShear, &TUnitSettings::UnitFactorShear},
    {&TUnitSettings::UnitTextMoment, &TUnitSettings::UnitFactorMoment},
    {&TUnitSettings::UnitTextDeflection, &TUnitSettings::UnitFactorDeflection},
    {&TUnitSettings::UnitTextStress, &TUnitSettings::UnitFactorStress},
    {&TUnitSettings::UnitTextSectZ, &TUnitSettings::UnitFactorSectZ},
    {&TUnitSettings::UnitTextSectArea, &TUnitSettings::UnitFactorSectArea},
    {&TUnitSettings::UnitTextSectLength, &TUnitSettings::UnitFactorSectLength},
    {&TUnitSettings::UnitTextWeight, &TUnitSettings::UnitFactorWeight},
    {&TUnitSettings::UnitTextWarping, &TUnitSettings::UnitFactorWarping},
}};

const KindFields& fields(TUnitKind k) { return kFields.at(static_cast<std::size_t>(k)); }

// Factors are the nearest singles to the values written here.
// clang-format off
const std::array<UnitGroup, kUnitGroupCount> kGroups = {{
    {TUnitKind::Length, "Length", "",
     {{"Option_L_mm", "mm", "mm", 1.0f},
      {"Option_L_cm", "cm", "cm", 10.0f},
      {"Option_L_m", "m", "m", 1000.0f},
      {"Option_L_in", "Inches", "in", 25.4f},
      {"Option_L_ft", "feet", "ft", 304.8f}}},
    {TUnitKind::Force, "Point Load", "(2240 lbf)",
     {{"Option_PL_N", "N", "N", 1.0f},
      {"Option_PL_kN", "kN", "kN", 1000.0f},
      {"Option_PL_lbf", "lbf", "lbf", 4.4482217f},
      {"Option_PL_Iton", "Imperial ton (tonf)", "ton", 9964.0f},
      {"Option_PL_Kip", "Kips", "Kips", 4448.22f}}},
    {TUnitKind::UDL, "UDL Load Rate", "",
     {{"Option_R_Nmm", "N/mm", "N/mm", 1.0f},
      {"Option_R_kNm", "kN/m", "kN/m", 1.0f},
      {"Option_R_lbfin", "lbf/in", "lbf/in", 0.175127f},
      {"Option_R_lbfft", "lbf/ft", "lbf/ft", 0.0145939f},
      {"Option_R_itft", "Imp ton/ft", "Ton/ft", 32.690342f},
      {"Option_R_kipft", "Kips/ft", "Kips/ft", 14.593903f}}},
    {TUnitKind::Shear, "Shear", "(2240 lbf)",
     {{"Option_Sh_N", "N", "N", 1.0f},
      {"Option_Sh_kN", "kN", "kN", 0.001f},
      {"Option_Sh_lbf", "lbf", "lbf", 0.224809f},
      {"Option_Sh_ImpTon", "Imperial ton (tonf)", "ton", 0.0001003611f},
      {"Option_Sh_Kip", "Kips", "Kips", 0.000224809f}}},
    {TUnitKind::Moment, "Moment", "",
     {{"Option_Mom_Nmm", "N-mm", "N-mm", 1.0f},
      {"Option_Mom_Nm", "N-m", "N-m", 0.001f},
      {"Option_Mom_kNm", "kN-m", "kN-m", 1e-6f},
      {"Option_Mom_lbfin", "lbf-in", "lbf-in", 0.00885075f},
      {"Option_Mom_lbfft", "lbf-ft", "lbf-ft", 0.000737562f}}},
    {TUnitKind::Deflection, "Deflection", "",
     {{"Option_Def_mm", "mm", "mm", 1.0f},
      {"Option_Def_cm", "cm", "cm", 0.1f},
      {"Option_Def_m", "m", "m", 0.001f},
      {"Option_Def_in", "inches", "in", 0.03937008f}}},
    {TUnitKind::Stress, "Stress", "",
     {{"Option_St_Nmm", "N/mm\xB2", "N/mm^2", 1.0f},
      {"Option_St_lbfin", "lbf/in\xB2", "lbf/in^2", 145.03767f}}},
    {TUnitKind::SectE, "E", "",
     {{"Option_Sect_E_Nmm", "N/mm^2", "N/mm^2", 1.0f},
      {"Option_Sect_E_lbfin", "lbf/in^2", "lbf/in^2", 0.00689476f}}},
    {TUnitKind::SectI, "I", "",
     {{"Option_Sect_I_mm", "mm^4", "mm^4", 1.0f},
      {"Option_Sect_I_cm", "cm^4", "cm^4", 10000.0f},
      {"Option_Sect_I_in", "inches^4", "in^4", 416231.44f}}},
    {TUnitKind::SectZ, "S/ Z", "",
     {{"Option_Sect_SZ_mm", "mm^3", "mm^3", 1.0f},
      {"Option_Sect_SZ_cm", "cm^3", "cm^3", 1000.0f},
      {"Option_Sect_SZ_in", "in^3", "in^3", 16387.064f}}},
    {TUnitKind::SectArea, "Area", "",
     {{"Option_Sect_A_mm", "mm^2", "mm^2", 1.0f},
      {"Option_Sect_A_cm", "cm^2", "cm^2", 100.0f},
      {"Option_Sect_A_in", "in^2", "in^2", 645.16f}}},
    {TUnitKind::SectLength, "Length", "",
     {{"Option_Sect_L_mm", "mm", "mm", 1.0f},
      {"Option_Sect_L_cm", "cm", "cm", 10.0f},
      {"Option_Sect_L_in", "inches", "in", 25.4f}}},
    {TUnitKind::Weight, "Weight", "",
     {{"Option_Wt_m", "kg / m", "kg/m", 0.00785f}, {"Option_Wt_Imp", "lb / ft", "lb/ft", 0.005275f}}},
}};
// clang-format on

// True when the pair is one the program itself sets for the kind. A factor read back from a file
// written elsewhere may differ from ours in its last bits, hence the small tolerance.
bool isKnownUnit(TUnitKind kind, const Str10& text, float factor) {
    if (!std::isfinite(factor) || factor <= 0.0f) return false;
    auto close = [factor](float f) { return std::fabs(factor - f) <= 1e-6f * f; };
    if (kind == TUnitKind::Warping) return text == kWarpingText && close(kWarpingFactor);
    for (const UnitGroup& g : kGroups) {
        if (g.kind != kind) continue;
        for (const UnitOption& o : g.options)
            if (text == o.text && close(o.factor)) return true;
    }
    return false;
}

// A string field whose length byte exceeds its capacity marks a damaged file.
template <int N> bool readStr(BinaryReader& r, ShortString<N>& s) {
    std::uint8_t raw[N + 1];
    r.bytes(raw, sizeof raw);
    if (raw[0] > N) return false;
    s.fromBytes(raw);
    return true;
}

} // namespace

Str10& UnitText(TUnitSettings& u, TUnitKind k) { return u.*fields(k).text; }
const Str10& UnitText(const TUnitSettings& u, TUnitKind k) { return u.*fields(k).text; }
float& UnitFactor(TUnitSettings& u, TUnitKind k) { return u.*fields(k).factor; }
float UnitFactor(const TUnitSettings& u, TUnitKind k) { return u.*fields(k).factor; }

const std::array<UnitGroup, kUnitGroupCount>& UnitOptionGroups() { return kGroups; }

const std::array<TUnitKind, kUnitKindCount> kUnitFileOrder = {
    TUnitKind::Length, TUnitKind::SectLength, TUnitKind::Force,  TUnitKind::UDL,     TUnitKind::Shear,
    TUnitKind::Moment, TUnitKind::Deflection, TUnitKind::Stress, TUnitKind::SectE,   TUnitKind::SectI,
    TUnitKind::SectZ,  TUnitKind::SectArea,   TUnitKind::Weight, TUnitKind::Warping,
};

void SetModulusLabels(TUnitSettings& u, bool sxxIsPlastic) {
    u.ModulusLabelPlasticXX = sxxIsPlastic ? "Sxx" : "Zxx";
    u.ModulusLabelPlasticYY = sxxIsPlastic ? "Syy" : "Zyy";
    u.ModulusLabelElasticXX = sxxIsPlastic ? "Zxx" : "Sxx";
    u.ModulusLabelElasticYY = sxxIsPlastic ? "Zyy" : "Syy";
}

void SetDefaultUnits(TUnitSettings& u) {
    struct Default {
        TUnitKind kind;
        const char* text;
        float factor;
    };
    static const Default defaults[] = {
        {TUnitKind::Length, "m", 1000.0f},     {TUnitKind::Force, "kN", 1000.0f},
        {TUnitKind::UDL, "kN/m", 1.0f},        {TUnitKind::SectE, "N/mm^2", 1.0f},
        {TUnitKind::SectI, "cm^4", 10000.0f},  {TUnitKind::Shear, "kN", 0.001f},
        {TUnitKind::Moment, "kN-m", 1e-6f},    {TUnitKind::Deflection, "mm", 1.0f},
        {TUnitKind::Stress, "N/mm^2", 1.0f},   {TUnitKind::SectZ, "cm^3", 1000.0f},
        {TUnitKind::SectArea, "cm^2", 100.0f}, {TUnitKind::SectLength, "mm", 1.0f},
        {TUnitKind::Weight, "kg/m", 0.00785f}, {TUnitKind::Warping, kWarpingText, kWarpingFactor},
    };
    for (const Default& d : defaults) {
        UnitText(u, d.kind) = d.text;
        UnitFactor(u, d.kind) = d.factor;
    }
    u.MomentDiagramSign = 1;
    SetModulusLabels(u, true);
}

std::vector<std::uint8_t> UnitFileImage(const TUnitSettings& u, const Str25& fileTag) {
    BinaryWriter w;
    for (TUnitKind k : kUnitFileOrder) {
        w.str(UnitText(u, k));
        w.single(UnitFactor(u, k));
    }
    w.str(u.ModulusLabelPlasticXX);
    w.str(u.ModulusLabelElasticXX);
    w.str(u.ModulusLabelPlasticYY);
    w.str(u.ModulusLabelElasticYY);
    w.int32(u.MomentDiagramSign);
    w.int32(u.FactoredLoadsFlag);
    for (int j = 0; j < 25; ++j)
        w.str(fileTag);
    return w.data();
}

bool ParseUnitFile(const std::vector<std::uint8_t>& image, TUnitSettings& u) {
    if (image.size() < kUnitFileReadSize) return false;
    BinaryReader r(std::vector<std::uint8_t>(image.begin(), image.begin() + kUnitFileReadSize));
    TUnitSettings read = u;
    for (TUnitKind k : kUnitFileOrder) {
        if (!readStr(r, UnitText(read, k))) return false;
        UnitFactor(read, k) = r.single();
        if (!isKnownUnit(k, UnitText(read, k), UnitFactor(read, k))) return false;
    }
    if (!readStr(r, read.ModulusLabelPlasticXX) || !readStr(r, read.ModulusLabelElasticXX) ||
        !readStr(r, read.ModulusLabelPlasticYY) || !readStr(r, read.ModulusLabelElasticYY))
        return false;
    // The labels are those of one of the two terminology buttons, as the unit texts are an option's.
    auto labels = [](const TUnitSettings& x) {
        return std::tie(x.ModulusLabelPlasticXX, x.ModulusLabelElasticXX, x.ModulusLabelPlasticYY,
                        x.ModulusLabelElasticYY);
    };
    TUnitSettings sxx, zxx;
    SetModulusLabels(sxx, true);
    SetModulusLabels(zxx, false);
    if (labels(read) != labels(sxx) && labels(read) != labels(zxx)) return false;
    read.MomentDiagramSign = r.int32();
    read.FactoredLoadsFlag = r.int32();
    auto isSign = [](int32 v) { return v == 1 || v == -1; };
    if (!isSign(read.MomentDiagramSign) || !isSign(read.FactoredLoadsFlag)) return false;
    u = read;
    return true;
}

std::string UnitFileUnreadableMessage(const std::string& ioText) {
    return std::string("The units file ") + kUnitFileName + " could not be read: " + ioText +
           "\rThe default units are used";
}

bool ReadUnitSettings(const std::string& path, TUnitSettings& u) {
    try {
        return ParseUnitFile(ReadRegularFile(path, kUnitFileSize), u);
    } catch (const IoError& e) {
        // No file is the usual first start; one that is there but cannot be read is the user's to know.
        if (e.code() != IoFileNotFound) dlg().Message(UnitFileUnreadableMessage(e.what()));
        return false;
    }
}

bool ReadUnitFile(TUnitSettings& u) {
    if (ReadUnitSettings(StartDirPath(kUnitFileName), u)) return true;
    SetDefaultUnits(u);
    return false;
}

void WriteUnitFile(const TUnitSettings& u) {
    Model.FileTag = kUnitFileTag;
    WriteFileReplacing(StartDirPath(kUnitFileName), UnitFileImage(u, Model.FileTag));
}

} // namespace kx
