#include "foundation/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <set>

#include "StartDirTest.h"
#include "platform/BinaryIO.h"
#include "platform/Files.h"

using namespace kx;

namespace {

class UnitFile : public StartDirTest {
protected:
    std::string filePath() const { return dir_.path("Kxf_Unit.dim"); }

    void putFile(const std::vector<std::uint8_t>& bytes) const {
        std::ofstream f(filePath(), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
};

// Settings that differ from the defaults in every field.
TUnitSettings imperialSettings() {
    TUnitSettings u;
    for (const UnitGroup& g : UnitOptionGroups()) {
        UnitText(u, g.kind) = g.options.back().text;
        UnitFactor(u, g.kind) = g.options.back().factor;
    }
    u.UnitTextWarping = "dm^6";
    u.UnitFactorWarping = 1e-12f;
    SetModulusLabels(u, false);
    u.MomentDiagramSign = -1;
    u.FactoredLoadsFlag = 1;
    return u;
}

float floatAt(const std::vector<std::uint8_t>& b, std::size_t off) {
    std::uint32_t u = b.at(off) | (b.at(off + 1) << 8) | (b.at(off + 2) << 16) |
                      (static_cast<std::uint32_t>(b.at(off + 3)) << 24);
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}

std::int32_t intAt(const std::vector<std::uint8_t>& b, std::size_t off) {
    float f = floatAt(b, off);
    std::int32_t i;
    std::memcpy(&i, &f, 4);
    return i;
}

std::string textAt(const std::vector<std::uint8_t>& b, std::size_t off) {
    return std::string(reinterpret_cast<const char*>(&b.at(off + 1)), b.at(off));
}

void putFloat(std::vector<std::uint8_t>& b, std::size_t off, float f) { std::memcpy(&b.at(off), &f, 4); }

void expectDefaults(const TUnitSettings& u) {
    const std::pair<TUnitKind, std::pair<const char*, float>> expected[] = {
        {TUnitKind::Length, {"m", 1000.0f}},        {TUnitKind::Force, {"kN", 1000.0f}},
        {TUnitKind::UDL, {"kN/m", 1.0f}},           {TUnitKind::SectE, {"N/mm^2", 1.0f}},
        {TUnitKind::SectI, {"cm^4", 10000.0f}},     {TUnitKind::Shear, {"kN", 0.001f}},
        {TUnitKind::Moment, {"kN-m", 1e-6f}},       {TUnitKind::Deflection, {"mm", 1.0f}},
        {TUnitKind::Stress, {"N/mm^2", 1.0f}},      {TUnitKind::SectZ, {"cm^3", 1000.0f}},
        {TUnitKind::SectArea, {"cm^2", 100.0f}},    {TUnitKind::SectLength, {"mm", 1.0f}},
        {TUnitKind::Weight, {"kg/m", 0.00785f}},    {TUnitKind::Warping, {"dm^6", 1e-12f}},
    };
    for (const auto& [kind, unit] : expected) {
        EXPECT_EQ(UnitText(u, kind), unit.first) << "kind " << static_cast<int>(kind);
        EXPECT_EQ(UnitFactor(u, kind), unit.second) << "kind " << static_cast<int>(kind);
    }
    EXPECT_EQ(u.MomentDiagramSign, 1);
    EXPECT_EQ(u.ModulusLabelPlasticXX, "Sxx");
    EXPECT_EQ(u.ModulusLabelPlasticYY, "Syy");
    EXPECT_EQ(u.ModulusLabelElasticXX, "Zxx");
    EXPECT_EQ(u.ModulusLabelElasticYY, "Zyy");
}

} // namespace

TEST_F(UnitFile, WithoutAFileTheBuiltInDefaultsApplyAndTheFactoredFlagIsKept) {
    EXPECT_FALSE(ReadUnitFile(Model));
    expectDefaults(Model);
    EXPECT_EQ(Model.FactoredLoadsFlag, 0) << "neither enabled nor disabled until the first OK";

    Model.FactoredLoadsFlag = 1;
    Model.UnitTextLength = "ft";
    EXPECT_FALSE(ReadUnitFile(Model));
    expectDefaults(Model);
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
}

TEST_F(UnitFile, ASavedFileIs972BytesWithEveryFieldAtItsOffset) {
    const TUnitSettings u = imperialSettings();
    WriteUnitFile(u);
    EXPECT_EQ(Model.FileTag, "Junk");
    const std::vector<std::uint8_t> b = ReadWholeFile(filePath());
    ASSERT_EQ(b.size(), 972u);

    // Kinds in file order: Length, SectLength, Force, UDL, Shear, Moment, Deflection, Stress,
    // SectE, SectI, SectZ, SectArea, Weight, Warping; 15 bytes each.
    EXPECT_EQ(textAt(b, 0), "ft");
    EXPECT_EQ(floatAt(b, 11), 304.8f);
    EXPECT_EQ(textAt(b, 15), "in");
    EXPECT_EQ(floatAt(b, 26), 25.4f);
    EXPECT_EQ(textAt(b, 30), "Kips");
    EXPECT_EQ(floatAt(b, 41), 4448.22f);
    EXPECT_EQ(textAt(b, 45), "Kips/ft");
    EXPECT_EQ(textAt(b, 60), "Kips");
    EXPECT_EQ(floatAt(b, 71), 0.000224809f);
    EXPECT_EQ(textAt(b, 75), "lbf-ft");
    EXPECT_EQ(textAt(b, 90), "in");
    EXPECT_EQ(textAt(b, 105), "lbf/in^2");
    EXPECT_EQ(floatAt(b, 116), 145.03767f);
    EXPECT_EQ(textAt(b, 120), "lbf/in^2");
    EXPECT_EQ(floatAt(b, 131), 0.00689476f);
    EXPECT_EQ(textAt(b, 135), "in^4");
    EXPECT_EQ(textAt(b, 150), "in^3");
    EXPECT_EQ(textAt(b, 165), "in^2");
    EXPECT_EQ(textAt(b, 180), "lb/ft");
    EXPECT_EQ(floatAt(b, 191), 0.005275f);
    EXPECT_EQ(textAt(b, 195), "dm^6");
    EXPECT_EQ(floatAt(b, 206), 1e-12f);
    for (std::size_t i = 1 + 2; i < 11; ++i) EXPECT_EQ(b[i], 0) << "bytes after a text are zero, offset " << i;

    // Labels in the order plastic XX, elastic XX, plastic YY, elastic YY.
    EXPECT_EQ(textAt(b, 210), "Zxx");
    EXPECT_EQ(textAt(b, 236), "Sxx");
    EXPECT_EQ(textAt(b, 262), "Zyy");
    EXPECT_EQ(textAt(b, 288), "Syy");
    EXPECT_EQ(intAt(b, 314), -1);
    EXPECT_EQ(intAt(b, 318), 1);
    for (std::size_t j = 0; j < 25; ++j) {
        const std::size_t off = 322 + 26 * j;
        EXPECT_EQ(textAt(b, off), "Junk") << "copy " << j;
        for (std::size_t i = off + 5; i < off + 26; ++i) ASSERT_EQ(b[i], 0);
    }
}

TEST_F(UnitFile, EveryUnitOfEveryKindSurvivesAWriteAndARead) {
    std::size_t most = 0;
    for (const UnitGroup& g : UnitOptionGroups()) most = std::max(most, g.options.size());
    for (std::size_t i = 0; i < most; ++i) {
        TUnitSettings u = imperialSettings();
        for (const UnitGroup& g : UnitOptionGroups()) {
            const UnitOption& o = g.options[std::min(i, g.options.size() - 1)];
            UnitText(u, g.kind) = o.text;
            UnitFactor(u, g.kind) = o.factor;
        }
        SetModulusLabels(u, i % 2 == 0);
        u.MomentDiagramSign = i % 2 == 0 ? 1 : -1;
        u.FactoredLoadsFlag = i % 2 == 0 ? -1 : 1;
        WriteUnitFile(u);
        TUnitSettings back;
        ASSERT_TRUE(ReadUnitFile(back)) << "option " << i;
        EXPECT_EQ(back, u) << "option " << i;
    }
}

TEST_F(UnitFile, ReadersUseOnlyTheFirst322BytesAndFindTheFileInAnyCase) {
    std::vector<std::uint8_t> b = UnitFileImage(imperialSettings(), "Junk");
    b.resize(322);
    b.insert(b.end(), 40, 0xFF); // whatever follows is never read
    std::filesystem::remove(filePath());
    std::ofstream(dir_.path("KXF_UNIT.DIM"), std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    TUnitSettings back;
    ASSERT_TRUE(ReadUnitFile(back));
    EXPECT_EQ(back, imperialSettings());

    WriteUnitFile(back);
    EXPECT_EQ(ReadWholeFile(dir_.path("KXF_UNIT.DIM")).size(), 972u) << "the existing file is rewritten";
    EXPECT_FALSE(std::filesystem::exists(filePath()));
}

TEST_F(UnitFile, ShortDamagedOrUnreadableFilesGiveTheDefaultsNeverAZeroFactor) {
    const std::vector<std::uint8_t> good = UnitFileImage(imperialSettings(), "Junk");
    struct Damage {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> apply;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<Damage> damages = {
        {"empty", [](auto& b) { b.clear(); }},
        {"short by one byte", [](auto& b) { b.resize(321); }},
        {"cut inside the factors", [](auto& b) { b.resize(100); }},
        {"text length above its capacity", [](auto& b) { b[15] = 11; }},
        {"label length above its capacity", [](auto& b) { b[262] = 26; }},
        {"zero factor", [](auto& b) { putFloat(b, 11, 0.0f); }},
        {"negative factor", [](auto& b) { putFloat(b, 41, -4448.22f); }},
        {"NaN factor", [nan](auto& b) { putFloat(b, 56, nan); }},
        {"infinite factor", [inf](auto& b) { putFloat(b, 206, inf); }},
        {"factor of another unit", [](auto& b) { putFloat(b, 11, 25.4f); }},
        {"unit text no option has", [](auto& b) { b[1] = 'y', b[2] = 'd'; }},
        {"moment sign 0", [](auto& b) { b[314] = 0; b[315] = 0; b[316] = 0; b[317] = 0; }},
        {"factored flag 2", [](auto& b) { b[318] = 2; b[319] = 0; b[320] = 0; b[321] = 0; }},
    };
    for (const Damage& d : damages) {
        std::vector<std::uint8_t> b = good;
        d.apply(b);
        putFile(b);
        Model.FactoredLoadsFlag = -1;
        Model.UnitFactorLength = 0.0f;
        EXPECT_FALSE(ReadUnitFile(Model)) << d.what;
        expectDefaults(Model);
        EXPECT_EQ(Model.FactoredLoadsFlag, -1) << d.what;
        for (int k = 0; k < kUnitKindCount; ++k)
            EXPECT_GT(UnitFactor(Model, static_cast<TUnitKind>(k)), 0.0f) << d.what;
    }

    std::filesystem::remove(filePath());
    std::filesystem::create_directory(filePath()); // exists, but cannot be read as a file
    Model.UnitTextLength = "ft";
    EXPECT_FALSE(ReadUnitFile(Model));
    expectDefaults(Model);
}

TEST_F(UnitFile, AFailedWriteReportsTheErrorAndLeavesTheOldFile) {
    putFile(UnitFileImage(imperialSettings(), "Junk"));
    const auto before = ReadWholeFile(filePath());
    StartDir = dir_.path("gone");
    TUnitSettings u;
    SetDefaultUnits(u);
    u.FactoredLoadsFlag = 1;
    try {
        WriteUnitFile(u);
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(std::string(e.what()), "File not found");
    }
    EXPECT_EQ(ReadWholeFile(filePath()), before);
}

TEST(UnitOptions, FactorsAreTheNearestSinglesOfTheirPhysicalValues) {
    // Exact definitions: 1 in = 25.4 mm, 1 lb = 0.45359237 kg, g = 9.80665 m/s^2.
    const double in = 25.4, ft = 304.8, lbf = 0.45359237 * 9.80665, tonf = 2240 * lbf, kip = 1000 * lbf;
    const double lbPerFtPerKgPerM = ft / 1000 / 0.45359237;
    struct Expected {
        const char* button;
        const char* written; // as the option is written, typed here again
        double physical;
    };
    const Expected expected[] = {
        {"Option_L_in", "25.4", in},
        {"Option_L_ft", "304.8", ft},
        {"Option_PL_lbf", "4.4482217", lbf},
        {"Option_PL_Iton", "9964", tonf},
        {"Option_PL_Kip", "4448.22", kip},
        {"Option_R_lbfin", "0.175127", lbf / in},
        {"Option_R_lbfft", "0.0145939", lbf / ft},
        {"Option_R_itft", "32.690342", tonf / ft},
        {"Option_R_kipft", "14.593903", kip / ft},
        {"Option_Sh_lbf", "0.224809", 1 / lbf},
        {"Option_Sh_ImpTon", "0.0001003611", 1 / tonf},
        {"Option_Sh_Kip", "0.000224809", 1 / kip},
        {"Option_Mom_lbfin", "0.00885075", 1 / (lbf * in)},
        {"Option_Mom_lbfft", "0.000737562", 1 / (lbf * ft)},
        {"Option_Def_in", "0.03937008", 1 / in},
        {"Option_St_lbfin", "145.03767", in * in / lbf},
        {"Option_Sect_E_lbfin", "0.00689476", lbf / (in * in)},
        {"Option_Sect_I_in", "416231.44", in * in * in * in},
        {"Option_Sect_SZ_in", "16387.064", in * in * in},
        {"Option_Sect_A_in", "645.16", in * in},
        {"Option_Sect_L_in", "25.4", in},
        {"Option_Wt_Imp", "0.005275", 0.00785 * lbPerFtPerKgPerM},
    };
    for (const Expected& e : expected) {
        const UnitOption* found = nullptr;
        for (const UnitGroup& g : UnitOptionGroups())
            for (const UnitOption& o : g.options)
                if (std::string(o.button) == e.button) found = &o;
        ASSERT_NE(found, nullptr) << e.button;
        EXPECT_EQ(found->factor, std::strtof(e.written, nullptr)) << e.button;
        EXPECT_NEAR(found->factor, e.physical, 1e-5 * e.physical) << e.button;
    }
}

TEST(UnitOptions, EachKindWithButtonsHasOneGroupAndDistinctTexts) {
    std::set<TUnitKind> kinds;
    for (const UnitGroup& g : UnitOptionGroups()) {
        EXPECT_TRUE(kinds.insert(g.kind).second);
        std::set<std::string> texts;
        for (const UnitOption& o : g.options) {
            EXPECT_TRUE(texts.insert(o.text).second) << o.text;
            EXPECT_LE(std::string(o.text).size(), 10u);
            EXPECT_GT(o.factor, 0.0f);
        }
    }
    EXPECT_EQ(kinds.size(), 13u);
    EXPECT_EQ(kinds.count(TUnitKind::Warping), 0u);
}
