// The units settings file byte for byte, its built-in defaults, damaged files and the unit factors.
#include "foundation/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <sys/stat.h>

#include "StartDirTest.h"
#include "Unprivileged.h"
#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

using namespace kx;

namespace {

class UnitFile : public StartDirTest {
protected:
    std::string filePath() const { return dir_.path("Kxf_Unit.dim"); }
};

// Settings that differ from the defaults in every field: the last option of every group.
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

static_assert(std::endian::native == std::endian::little, "the file is little-endian");
template <typename T> T valueAt(const std::vector<std::uint8_t>& b, std::size_t off) {
    T v;
    (void)b.at(off + sizeof v - 1);
    std::memcpy(&v, b.data() + off, sizeof v);
    return v;
}

std::string textAt(const std::vector<std::uint8_t>& b, std::size_t off) {
    return std::string(reinterpret_cast<const char*>(&b.at(off + 1)), b.at(off));
}

// The built-in units (checked against the options below), the factored-loads flag aside.
void expectDefaults(const TUnitSettings& u) {
    TUnitSettings d;
    SetDefaultUnits(d);
    d.FactoredLoadsFlag = u.FactoredLoadsFlag;
    EXPECT_EQ(u, d);
}

} // namespace

TEST_F(UnitFile, ASavedFileIs972BytesWithEveryFieldAtItsOffset) {
    WriteUnitFile(imperialSettings());
    EXPECT_EQ(Model.FileTag, "Junk");
    const std::vector<std::uint8_t> b = ReadWholeFile(filePath());
    ASSERT_EQ(b.size(), 972u);
    // In file order, 15 bytes a kind: Length, SectLength, Force, UDL, Shear, Moment, Deflection,
    // Stress, SectE, SectI, SectZ, SectArea, Weight, Warping.
    // clang-format off
    const std::pair<const char*, float> kinds[] = {
        {"ft", 304.8f}, {"in", 25.4f}, {"Kips", 4448.22f}, {"Kips/ft", 14.593903f}, {"Kips", 0.000224809f},
        {"lbf-ft", 0.000737562f}, {"in", 0.03937008f}, {"lbf/in^2", 145.03767f}, {"lbf/in^2", 0.00689476f},
        {"in^4", 416231.44f}, {"in^3", 16387.064f}, {"in^2", 645.16f}, {"lb/ft", 0.005275f}, {"dm^6", 1e-12f}};
    // clang-format on
    for (std::size_t k = 0; k < std::size(kinds); ++k) {
        EXPECT_EQ(textAt(b, 15 * k), kinds[k].first) << "kind " << k;
        EXPECT_EQ(valueAt<float>(b, 15 * k + 11), kinds[k].second) << "kind " << k;
    }
    for (std::size_t i = 3; i < 11; ++i)
        EXPECT_EQ(b[i], 0) << "bytes after a text are zero, offset " << i;
    // Labels in the order plastic XX, elastic XX, plastic YY, elastic YY.
    EXPECT_EQ(textAt(b, 210), "Zxx");
    EXPECT_EQ(textAt(b, 236), "Sxx");
    EXPECT_EQ(textAt(b, 262), "Zyy");
    EXPECT_EQ(textAt(b, 288), "Syy");
    EXPECT_EQ(valueAt<std::int32_t>(b, 314), -1);
    EXPECT_EQ(valueAt<std::int32_t>(b, 318), 1);
    for (std::size_t j = 0; j < 25; ++j) {
        const std::size_t off = 322 + 26 * j;
        EXPECT_EQ(textAt(b, off), "Junk") << "copy " << j;
        for (std::size_t i = off + 5; i < off + 26; ++i)
            ASSERT_EQ(b[i], 0);
    }
}

TEST_F(UnitFile, EveryUnitOfEveryKindSurvivesAWriteAndAReadOfTheFirst322Bytes) {
    for (std::size_t i = 0; i < 6; ++i) { // the largest group has six options
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

    // Readers take the first 322 bytes only, from the file in whatever case its name is.
    std::vector<std::uint8_t> b = UnitFileImage(imperialSettings(), "Junk");
    b.resize(322);
    b.insert(b.end(), 40, 0xFF); // whatever follows is never read
    std::filesystem::remove(filePath());
    WriteFileDirect(dir_.path("KXF_UNIT.DIM"), b);
    TUnitSettings back;
    ASSERT_TRUE(ReadUnitFile(back));
    EXPECT_EQ(back, imperialSettings());

    WriteUnitFile(back);
    EXPECT_EQ(ReadWholeFile(dir_.path("KXF_UNIT.DIM")).size(), 972u) << "the existing file is rewritten";
    EXPECT_FALSE(std::filesystem::exists(filePath()));
}

TEST_F(UnitFile, AMissingShortDamagedOrUnreadableFileGivesTheDefaultsAndKeepsTheFactoredFlag) {
    if (kxtest::RanAsUnprivilegedUser()) return; // so that a file may be unreadable
    ScopedScriptedDialogs dialogs;
    Model.UnitTextLength = "ft";
    EXPECT_FALSE(ReadUnitFile(Model));
    expectDefaults(Model);
    EXPECT_EQ(Model.FactoredLoadsFlag, 0) << "neither enabled nor disabled until the first OK";

    using Bytes = std::vector<std::uint8_t>;
    auto put = [](std::size_t off, auto v) {
        return [off, v](Bytes& b) { std::memcpy(&b.at(off), &v, sizeof v); };
    };
    const std::pair<const char*, std::function<void(Bytes&)>> damages[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"short by one byte", [](Bytes& b) { b.resize(321); }},
        {"cut inside the factors", [](Bytes& b) { b.resize(100); }},
        {"text length above its capacity", [](Bytes& b) { b[15] = 11; }},
        {"label length above its capacity", [](Bytes& b) { b[262] = 26; }},
        {"zero factor", put(11, 0.0f)},
        {"negative factor", put(41, -4448.22f)},
        {"NaN factor", put(56, std::numeric_limits<float>::quiet_NaN())},
        {"infinite factor", put(206, std::numeric_limits<float>::infinity())},
        {"factor of another unit", put(11, 25.4f)},
        {"factor a little off its unit", put(11, 304.85f)},
        {"unit text no option has", [](Bytes& b) { b[1] = 'y', b[2] = 'd'; }},
        {"moment sign 0", put(314, std::int32_t{0})},
        {"factored flag 2", put(318, std::int32_t{2})},
        {"empty label", [](Bytes& b) { b[210] = 0; }},
        {"control byte in a label", [](Bytes& b) { b[237] = 7; }},
        {"labels of no one button", [](Bytes& b) { b[211] = 'S'; }}, // Sxx plastic and elastic
    };
    for (const auto& [what, damage] : damages) {
        Bytes b = UnitFileImage(imperialSettings(), "Junk");
        damage(b);
        WriteFileDirect(filePath(), b);
        Model.FactoredLoadsFlag = -1;
        Model.UnitFactorLength = 0.0f;
        EXPECT_FALSE(ReadUnitFile(Model)) << what;
        expectDefaults(Model);
        EXPECT_EQ(Model.FactoredLoadsFlag, -1) << what;
    }

    EXPECT_TRUE(dialogs->messages().empty()) << "a damaged file is replaced quietly";
    EXPECT_EQ(
        UnitFileUnreadableMessage("File access denied"),
        "The units file Kxf_Unit.dim could not be read: File access denied\rThe default units are used");

    // There, but no file that can be read: a folder, a pipe, a link to a device that never ends, a
    // file longer than any settings file, one the user may not read. None is read (a pipe or a device
    // would hold up the start for ever); the message says so, and the defaults are taken.
    const std::pair<const char*, std::function<void()>> unreadable[] = {
        {"folder", [&] { std::filesystem::create_directory(filePath()); }},
        {"pipe", [&] { ASSERT_EQ(::mkfifo(filePath().c_str(), 0644), 0); }},
        {"device", [&] { std::filesystem::create_symlink("/dev/zero", filePath()); }},
        {"973 bytes",
         [&] {
             Bytes b = UnitFileImage(imperialSettings(), "Junk");
             b.push_back(0);
             WriteFileDirect(filePath(), b);
         }},
        {"not readable",
         [&] {
             WriteUnitFile(imperialSettings());
             std::filesystem::permissions(filePath(), std::filesystem::perms::none);
         }},
    };
    for (const auto& [what, make] : unreadable) {
        std::filesystem::remove(filePath());
        make();
        dialogs->clear();
        Model.UnitTextLength = "ft";
        EXPECT_FALSE(ReadUnitFile(Model)) << what;
        expectDefaults(Model);
        EXPECT_EQ(dialogs->messages(),
                  std::vector<std::string>{UnitFileUnreadableMessage("File access denied")})
            << what;
    }
}

TEST(UnitOptions, FactorsAreTheNearestSinglesOfTheirPhysicalValues) {
    // Exact definitions: 1 in = 25.4 mm, 1 lb = 0.45359237 kg, g = 9.80665 m/s^2.
    const double in = 25.4, ft = 304.8, lbf = 0.45359237 * 9.80665, tonf = 2240 * lbf, kip = 1000 * lbf;
    struct Expected {
        const char* button;
        float written; // as the option is written, typed here again
        double physical;
    };
    // clang-format off
    const Expected expected[] = {
        {"Option_L_in", 25.4f, in},                  {"Option_L_ft", 304.8f, ft},
        {"Option_PL_lbf", 4.4482217f, lbf},          {"Option_PL_Iton", 9964.0f, tonf},
        {"Option_PL_Kip", 4448.22f, kip},            {"Option_R_lbfin", 0.175127f, lbf / in},
        {"Option_R_lbfft", 0.0145939f, lbf / ft},    {"Option_R_itft", 32.690342f, tonf / ft},
        {"Option_R_kipft", 14.593903f, kip / ft},    {"Option_Sh_lbf", 0.224809f, 1 / lbf},
        {"Option_Sh_ImpTon", 0.0001003611f, 1 / tonf}, {"Option_Sh_Kip", 0.000224809f, 1 / kip},
        {"Option_Mom_lbfin", 0.00885075f, 1 / (lbf * in)}, {"Option_Mom_lbfft", 0.000737562f, 1 / (lbf * ft)},
        {"Option_Def_in", 0.03937008f, 1 / in},      {"Option_St_lbfin", 145.03767f, in * in / lbf},
        {"Option_Sect_E_lbfin", 0.00689476f, lbf / (in * in)}, {"Option_Sect_I_in", 416231.44f, in * in * in * in},
        {"Option_Sect_SZ_in", 16387.064f, in * in * in}, {"Option_Sect_A_in", 645.16f, in * in},
        {"Option_Sect_L_in", 25.4f, in},             {"Option_Wt_Imp", 0.005275f, 0.00785 * ft / 1000 / 0.45359237}};
    // clang-format on
    for (const Expected& e : expected) {
        const UnitOption* found = nullptr;
        for (const UnitGroup& g : UnitOptionGroups())
            for (const UnitOption& o : g.options)
                if (std::string(o.button) == e.button) found = &o;
        ASSERT_NE(found, nullptr) << e.button;
        EXPECT_EQ(found->factor, e.written) << e.button;
        EXPECT_NEAR(found->factor, e.physical, 1e-5 * e.physical) << e.button;
    }
    // Every built-in unit is an option of its group, with that option's factor; warping is
    // always in dm^6; Sxx is the plastic modulus; moments are drawn as computed.
    TUnitSettings d;
    SetDefaultUnits(d);
    for (const UnitGroup& g : UnitOptionGroups()) {
        const auto o = std::find_if(g.options.begin(), g.options.end(),
                                    [&](const UnitOption& x) { return UnitText(d, g.kind) == x.text; });
        ASSERT_NE(o, g.options.end()) << UnitText(d, g.kind).str();
        EXPECT_EQ(UnitFactor(d, g.kind), o->factor) << o->text;
    }
    EXPECT_EQ(std::vector<std::string>({d.UnitTextWarping.str(), d.ModulusLabelPlasticXX.str()}),
              std::vector<std::string>({"dm^6", "Sxx"}));
    EXPECT_EQ(d.MomentDiagramSign, 1);
}
