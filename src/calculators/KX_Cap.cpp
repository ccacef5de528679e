// The steel member capacity calculator.
#include "calculators/KX_Cap.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "engine/Pro_Table_A1.h"
#include "foundation/LineCount.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "input/SectionChoice.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/NumberInput.h"
#include "platform/Single.h"
#include "platform/StateRegistry.h"
#include "sections/SectionFile.h"
#include "sections/SectionWriters.h"

namespace kx::KX_Cap {

CapState Cap;
KX_REGISTER_STATE(Cap);

namespace {

// A load, moment or length that is not a number is refused: read as 0 it could pass an overloaded
// member. A blank one reads as 0.
constexpr NumberPolicy kCapNumbers = NumberPolicy::RefusedWhenNotANumber;

constexpr float kE = 210000.0f;       // N/mm^2
constexpr float kYs = 270.0f;         // N/mm^2
constexpr long double kSafety = 1.7L; // factor of safety on the strut stress
constexpr float kPi = 3.14159f;       // five figures, as the published strut figures are worked
constexpr float kPcZeroLength = 170.0f;
constexpr float kHollowPbc = 180.0f;
constexpr float kMaxThickness = 40.0f;
constexpr float kUnityLimit = 1.005f;
constexpr float kLowSlendernessXX = 0.07f, kLowSlendernessYY = 0.0705f;
constexpr const char* kNoSection = " Load properties from menu and click on section required.";

// clang-format off
constexpr std::array<CapFamily, kCapFamilies> Families{{
    {"UniversalBeams1",   "Universal Beams",   "ub.sct",  "Universal Beam"},
    {"UniversalColumns1", "Universal Columns", "uc.sct",  "Universal Column"},
    {"RSJ1",              "RSJ",               "rsj.sct", "RSJ"},
    {"IPE1",              "IPE",               "ipe.sct", "IPE"},
    {"HE1",               "HE",                "he.sct",  "HE"},
    {"RSC1",              "RSC",               "rsc.sct", "RSC"},
    {"PFC1",              "PFC",               "pfc.sct", "PFC"},
    {"UPN1",              "UPN",               "upn.sct", "UPN"},
    {"RHS1",              "RHS",               "rhs.sct", "RHS"},
    {"CHS1",              "CHS",               "chs.sct", "CHS"},
}};
// clang-format on

const CapSection& S() { return Cap.Sect; }

bool hollow() { return S().Shape == "Tube" || S().Shape == "Box"; }
// Sections whose permissible bending stress comes from Table A1 with D/T. RSJ are rolled I-sections
// like "Beam" and are checked as the beam analysis checks them.
bool tableA1Shape() { return S().Shape == "Beam" || S().Shape == "RSJ" || S().Shape == "RSC"; }

bool positive(float v) { return std::isfinite(v) && v > 0; }

void emptyBlock(CapBlock& block) {
    for (int i = 0; i <= 10; ++i)
        block[i].clear();
}

// Lines 1 to the count in line 0 of a table.
template <CountedTable Table> std::vector<std::string> listed(const Table& table) {
    std::vector<std::string> out;
    for (int i = 1, n = LineCount(table, CountPolicy::WithinTable); i <= n; ++i)
        out.push_back(static_cast<std::string>(table[i]));
    return out;
}

// Runs a button's work so that a refused number leaves the calculator as it was.
template <class F> CapView unchangedOnError(F work) {
    CapState saved = Cap;
    try {
        work();
    } catch (...) {
        Cap = std::move(saved);
        throw;
    }
    return CapShown();
}

// The effective length (mm) for buckling about one axis: from Edit_Le, or asked for when it is empty.
float strutLength(const CapInputs& in, bool aboutXX) {
    double n;
    if (in.Edit_Le.empty()) {
        std::string& remembered = aboutXX ? Cap.CapLeXXText : Cap.CapLeYYText;
        const std::string answer =
            dlg().InputBox(aboutXX ? " Strut Capacity About x-x" : " Strut Capacity About y-y",
                           aboutXX ? "Input effective length (m) for buckling about x-x"
                                   : "Input effective length (m) for buckling about y-y",
                           remembered);
        n = ReadNumber(answer, kCapNumbers);
        remembered = SigFig3(n);
    } else {
        n = ReadNumber(in.Edit_Le, kCapNumbers);
    }
    return static_cast<float>(n * 1000.0);
}

bool strutStress(float Le, float r, float lowSlenderness, float& pc) {
    if (Le < 0) return false;
    if (Le == 0) {
        pc = kPcZeroLength;
        return true;
    }
    if (!(r > 0)) return false;
    // The slenderness is not stored as a single: only eta, Co, pc and the factor are rounded.
    const long double lambda = static_cast<long double>(Le) / r;
    const long double ratio = static_cast<long double>(Le) / (100.0L * r);
    const float eta = static_cast<float>(0.3L * ratio * ratio);
    long double p;
    if (lambda > 0) {
        const float Co = ToSingle(static_cast<long double>(kPi) * kPi * kE / (lambda * lambda));
        const long double X = ((eta + 1.0L) * Co + kYs) / 2;
        p = std::isfinite(Co) ? X - std::sqrt(X * X - static_cast<long double>(kYs) * Co) : kYs;
    } else {
        p = kYs; // a length too small to divide by: the limit of the formula
    }
    pc = static_cast<float>(p / kSafety);
    if (lambda < 25) {
        const float factor = static_cast<float>(1.0L + lowSlenderness * (25.0L - lambda) / 25.0L);
        pc = static_cast<float>(static_cast<long double>(pc) * factor);
    }
    return true;
}

// The effective length (mm) for bending; asks about torsional restraint and then the length when
// Edit_Le is empty. askedNo tells that the question was answered No.
float bendingLength(const CapInputs& in, bool& askedNo) {
    askedNo = false;
    if (in.Edit_Le.empty()) {
        if (dlg().Confirm("Is the beam fully restrained against torsion"))
            return static_cast<float>(1e-10 * 1000.0);
        askedNo = true;
        const std::string answer = dlg().InputBox(
            " Moment Capacity About x-x", "Input effective length (m) for bending.", Cap.CapLeBendText);
        const double n = ReadNumber(answer, kCapNumbers);
        Cap.CapLeBendText = SigFig3(n);
        return static_cast<float>(n * 1000.0);
    }
    return static_cast<float>(ReadNumber(in.Edit_Le, kCapNumbers) * 1000.0);
}

// Table A1's permissible compressive bending stress for the bending length Le; false (after the
// message) when Le/ry passes 300.
bool tablePbc(float Le, float& pbc) {
    Model.CapCheckSettings[0] = std::bit_cast<std::int32_t>(S().ry);
    Model.CapCheckSettings[1] = std::bit_cast<std::int32_t>(Le);
    Model.CapCheckSettings[2] = std::bit_cast<std::int32_t>(S().D);
    Model.CapCheckSettings[3] = std::bit_cast<std::int32_t>(S().T);
    Model.SlendernessRatio = Le / S().ry;
    Model.DepthThicknessRatio = S().D / S().T;
    if (Model.SlendernessRatio > 300.0f) {
        dlg().Message(" Le / r  exceeds 300");
        return false;
    }
    Pro_Table_A1();
    pbc = Model.Pbc;
    return true;
}

void SectionReportLines();

void axialCapacity(const CapInputs& in, bool aboutXX) {
    const float Le = strutLength(in, aboutXX);
    const float r = aboutXX ? S().rx : S().ry;
    float pc = 0;
    if (!strutStress(Le, r, aboutXX ? kLowSlendernessXX : kLowSlendernessYY, pc)) return;
    // Worked and shown as it comes: a single would round 276.49999 kN up to "277".
    const double P = static_cast<double>(static_cast<long double>(pc) * S().A / 1000.0L);
    CapBlock& block = aboutXX ? Cap.CapAxialXXLines : Cap.CapAxialYYLines;
    emptyBlock(block);
    block[1] = aboutXX ? " Axial Capacity about Major Axis" : "Axial Capacity about Minor Axis";
    block[2] = "   Le/r = " + SigFig3(static_cast<double>(Le) / r);
    block[3] = "   pc = " + SigFig3(pc) + " N/mm^2";
    block[4] = "   Effective Length = " + SigFig3(static_cast<double>(Le) / 1000.0) + " m";
    block[5] = "   Permissible Axial Load = " + SigFig3(P) + " kN";
    SetLineCount(block, 5);
    SectionReportLines();
}

CapView axialButton(const CapInputs& in, bool aboutXX) {
    if (S().D == 0 && (!aboutXX || S().B == 0)) {
        dlg().Message(kNoSection);
        return CapShown();
    }
    return unchangedOnError([&] { axialCapacity(in, aboutXX); });
}

std::string propText(float v) { return SigFig3(v); }

// Empties the results and the unity; the section stays.
void clearResults() {
    Cap.CapUnity = 0;
    emptyBlock(Cap.CapAxialXXLines);
    emptyBlock(Cap.CapAxialYYLines);
    emptyBlock(Cap.CapMomentLines);
    emptyBlock(Cap.CapCombinedLines);
    for (int i = 0; i <= 50; ++i)
        Cap.CapResultLines[i] = "";
}

// Empties the properties, the results and every section value (D/T kept).
void CapClearSection() {
    const float dt = Cap.Sect.DT;
    Cap.Sect = CapSection{};
    Cap.Sect.DT = dt;
    clearResults();
    for (int i = 0; i <= 101; ++i)
        Cap.CapPropLines[i] = "";
}

void CapLoadSectionList() {
    Cap.CapDesignations.clear();
    Cap.CapRecords.clear();
    // The section files are written when the main window is first shown; a calculator opened
    // straight from the start screen writes them itself.
    if (!FindFileNoCase(StartDir, Cap.CapFileName)) WriteAllSectionFiles();
    Cap.CapRecords = ReadSectionFile(Cap.CapFileName);
    for (const TSectionRec& rec : Cap.CapRecords)
        Cap.CapDesignations.push_back(rec.Designation.str());
}

void CapShowSectionProps() {
    const CapSection& s = S();
    const std::string& shape = s.Shape;
    const bool tube = shape == "Tube", box = shape == "Box";
    std::vector<std::string> lines;
    lines.push_back("  " + s.Designation);
    lines.push_back("");
    lines.push_back((tube ? "  Dia = " : "  Width = ") + propText(s.B) + " mm");
    if (!tube) lines.push_back("  Depth = " + propText(s.D) + " mm");
    lines.push_back((tube || box ? "  Wall Thickness = " : "  Flange Thickness = ") + propText(s.T) + " mm");
    if (!tube && !box) lines.push_back("  Web Thickness = " + propText(s.t) + " mm");
    if (shape == "Beam" || shape == "RSJ" || shape == "RSC")
        lines.push_back("  Root Radius = " + propText(s.r1) + " mm");
    if (!tube) {
        lines.push_back("  Outstand = " + propText(s.b) + " mm");
        lines.push_back("  Web Depth = " + propText(s.d) + " mm");
    }
    if (shape == "RSJ" || shape == "RSC") lines.push_back("  Flange Taper = " + propText(s.Taper) + " deg");
    lines.push_back("");
    lines.push_back("  Area = " + SigFig3(s.A / 100.0) + " cm^2");
    lines.push_back("  Ixx = " + SigFig4(s.Ixx / 10000.0) + " cm^4");
    lines.push_back("  Iyy = " + SigFig4(s.Iyy / 10000.0) + " cm^4");
    lines.push_back("  Rx = " + propText(s.rx) + " mm");
    lines.push_back("  Ry = " + propText(s.ry) + " mm");
    if (shape == "RSC") {
        lines.push_back("  Cy = " + propText(s.cy) + " mm");
        lines.push_back("  Cs = " + propText(s.Cs) + " mm");
    }
    lines.push_back("  " + Model.ModulusLabelElasticXX.str() + " = " + SigFig4(s.Zxx / 1000.0) + " cm^3");
    lines.push_back("  " + Model.ModulusLabelElasticYY.str() + " = " + SigFig4(s.Zyy / 1000.0) + " cm^3");
    lines.push_back("  K = " + SigFig4(s.J / 10000.0) + " cm^4");
    lines.push_back("  t = " + SigFig4(s.TorsionT) + " mm");
    if (shape == "Beam" || shape == "RSJ" || shape == "RSC") lines.push_back("  D / T = " + propText(s.DT));
    lines.push_back("");
    lines.push_back("  Wt = " + SigFig4(0.00785 * s.A) + " kg/m");
    lines.push_back("");

    const int count = static_cast<int>(lines.size());
    SetLineCount(Cap.CapPropLines, count);
    for (int i = 1; i <= count; ++i)
        Cap.CapPropLines[i] = lines[static_cast<std::size_t>(i - 1)];
}

void SectionReportLines() {
    for (int i = 1; i <= 50; ++i)
        Cap.CapResultLines[i] = "";

    const CapSection& s = S();
    int n = 0;
    const auto add = [&n](const std::string& line) { Cap.CapResultLines[++n] = line; };
    add(s.Designation);
    add("  Ixx = " + SigFig4(s.Ixx / 10000.0) + " cm^4");
    add("  Iyy = " + SigFig4(s.Iyy / 10000.0) + " cm^4");
    add("  Rxx = " + SigFig4(s.rx) + " mm");
    add("  Ryy = " + SigFig4(s.ry) + " mm");
    // An RSJ takes a "Beam"'s check only for its moment, alone or combined; its section lines give y
    // as those of every shape but "Beam" and "RSC" do.
    const bool withDT = s.Shape == "Beam" || s.Shape == "RSC";
    add(withDT ? "  D/T = " + SigFig3(s.DT) : "  y = " + SigFig4(s.D / 2.0) + " mm");
    for (const CapBlock* block :
         {&Cap.CapAxialXXLines, &Cap.CapAxialYYLines, &Cap.CapMomentLines, &Cap.CapCombinedLines}) {
        add("");
        for (const std::string& line : listed(*block))
            add(line);
    }
    add("");
    SetLineCount(Cap.CapResultLines, n);
}

} // namespace

const std::array<CapFamily, kCapFamilies>& CapFamilies() { return Families; }

bool CapStrutStress(float Le, float r, bool aboutXX, float& pc) {
    return strutStress(Le, r, aboutXX ? kLowSlendernessXX : kLowSlendernessYY, pc);
}

CapView CapShown() {
    CapView v;
    v.lbl_Group = Cap.CapGroup;
    // E and the blank bending-stress box appear with the first section picked and then stay.
    if (Cap.CapE != 0) {
        v.lbl_E = SigFig3(Cap.CapE);
        v.lbl_Py = " ";
    }
    v.List_Section = Cap.CapDesignations;
    v.List_Props = listed(Cap.CapPropLines);
    v.List_Results = listed(Cap.CapResultLines);
    v.List_ResultsRed = Cap.CapUnity > kUnityLimit;
    return v;
}

CapView CapClearResults() {
    clearResults();
    return CapShown();
}

CapView CapOpenSectionFamily(const std::string& fileName, const std::string& group) {
    CapClearSection();
    Cap.CapFileName = fileName;
    Cap.CapGroup = group;
    CapLoadSectionList();
    return CapShown();
}

CapView List_SectionClick(int position) {
    CapClearSection();
    if (position < 0 || position >= static_cast<int>(Cap.CapRecords.size())) return CapShown();
    Model.CapCheckSettings[4] = 0;
    const TSectionRec rec = Cap.CapRecords[static_cast<std::size_t>(position)];
    Cap.Sect.Designation = rec.Designation.str();
    Cap.Sect.Shape = rec.Shape.str();
    if (rec.B == 0) return CapShown(); // a spacer between groups
    // A damaged record is no section: every quotient below needs these.
    for (float v : {rec.A, rec.Ixx, rec.D, rec.T, rec.rx, rec.ry})
        if (!positive(v)) return CapShown();

    CapSection& s = Cap.Sect;
    s.B = rec.B, s.D = rec.D, s.t = rec.t, s.T = rec.T, s.r1 = rec.r1, s.b = rec.b, s.d = rec.d;
    s.Taper = rec.Taper, s.A = rec.A, s.Ixx = rec.Ixx, s.Iyy = rec.Iyy, s.rx = rec.rx, s.ry = rec.ry;
    s.J = rec.J, s.TorsionT = rec.TorsionLength, s.cy = rec.cy, s.Cs = rec.Cs;
    s.Zxx = positive(rec.FibreX) ? rec.Ixx / rec.FibreX : 0.0f;
    s.Zyy = positive(rec.FibreY) ? rec.Iyy / rec.FibreY : 0.0f;
    s.DT = SectionValuesOf(rec).DOverT;

    if (s.t > kMaxThickness || s.T > kMaxThickness) {
        dlg().Message(" Section thickness exceeds 40mm\rand is beyond the scope of this program");
        CapClearSection();
        return CapShown();
    }
    Cap.CapE = kE;
    CapShowSectionProps();
    return CapShown();
}

CapView cmd_AxialXXClick(const CapInputs& in) { return axialButton(in, true); }

CapView cmd_AxialYYClick(const CapInputs& in) { return axialButton(in, false); }

CapView cmd_MomXXClick(const CapInputs& in) {
    if (S().D == 0) {
        dlg().Message(kNoSection);
        return CapShown();
    }
    return unchangedOnError([&] {
        bool askedNo = false;
        const float Le = bendingLength(in, askedNo);
        if (Le <= 0 || !(S().ry > 0)) return;
        CapBlock& block = Cap.CapMomentLines;
        if (hollow()) {
            const long double M = static_cast<long double>(kHollowPbc) * S().Ixx / (S().D / 2.0L);
            emptyBlock(block);
            block[1] = "Permissible Moment about Major Axis";
            block[2] = " ";
            block[3] = "Pbc = " + SigFig3(kHollowPbc) + " N/mm^2";
            block[4] = "Permissible Moment = " + SigFig3(static_cast<double>(M / 1e6L)) + " kN-m";
            SetLineCount(block, 4);
        } else if (tableA1Shape()) {
            float pbc = 0;
            if (!tablePbc(Le, pbc)) return;
            const long double M = static_cast<long double>(pbc) * S().Ixx / (S().D / 2.0L);
            emptyBlock(block);
            block[1] = "Moment Capacity about Major Axis";
            block[2] = "   Le/r = " + SigFig3(static_cast<double>(Le) / S().ry);
            block[3] = "   Pbc = " + SigFig3(pbc) + " N/mm^2";
            block[4] = "   Permissible Moment = " + SigFig3(static_cast<double>(M / 1e6L)) + " kN-m";
            SetLineCount(block, 4);
            if (S().Shape == "RSC" && askedNo) {
                block[5] = "  (Assuming loading does not induce lateral torsion)";
                SetLineCount(block, 5);
            }
        }
        SectionReportLines();
    });
}

CapView cmd_CalcClick(const CapInputs& in) {
    if (S().D == 0) {
        dlg().Message(kNoSection);
        return CapShown();
    }
    return unchangedOnError([&] {
        // Compression and bending of either sense load the member alike.
        const float P = static_cast<float>(std::fabs(ReadNumber(in.Edit_Axial, kCapNumbers)) * 1000.0);
        const float fc = P / S().A;
        const float M = static_cast<float>(std::fabs(ReadNumber(in.Edit_Mom, kCapNumbers)) * 1000.0 * 1000.0);
        const float fbc = static_cast<float>(static_cast<long double>(M) * (S().D / 2.0L) / S().Ixx);

        const float Lex = strutLength(in, true);
        float pcx = 0;
        if (!strutStress(Lex, S().rx, kLowSlendernessXX, pcx)) return;
        const float Ley = strutLength(in, false);
        float pcy = 0;
        if (!strutStress(Ley, S().ry, kLowSlendernessYY, pcy)) return;
        bool askedNo = false;
        const float Leb = bendingLength(in, askedNo);
        if (Leb <= 0 || !(S().ry > 0)) return;

        float pbc = 0;
        if (hollow()) {
            pbc = kHollowPbc;
        } else if (tableA1Shape()) {
            if (!tablePbc(Leb, pbc)) return;
        } else {
            return; // no permissible bending stress for such a shape
        }
        const float Pc = std::min(pcx, pcy);
        Cap.CapUnity =
            static_cast<float>(static_cast<long double>(fc) / Pc + static_cast<long double>(fbc) / pbc);

        CapBlock& block = Cap.CapCombinedLines;
        emptyBlock(block);
        block[1] = "Combined Axial Load and Bending";
        block[2] = "   Axial Load = " + SigFig3(P / 1000.0) + " kN";
        block[3] = "   Axial Stress = " + SigFig3(fc) + " N/mm^2";
        block[4] = "   Le/rx = " + SigFig3(static_cast<double>(Lex) / S().rx);
        block[5] = "   Le/ry = " + SigFig3(static_cast<double>(Ley) / S().ry);
        block[6] = "   Moment about X-X axis= " + SigFig3(M / 1e6) + " kN-m";
        block[7] = "   Bending stress = " + SigFig3(fbc) + " N/mm^2";
        block[8] = "   Unity check Fc/Pc + Fbc/Pbc = " + SigFig3(Cap.CapUnity);
        block[9] = S().Shape == "RSC" && askedNo ? "  (Assumes loading does not induce lateral torsion)" : "";
        block[10] = Cap.CapUnity <= kUnityLimit ? "Combined Axial Load and Bending ok"
                                                : "Combined Axial Load and Bending too high";
        SetLineCount(block, 10);
        SectionReportLines();
    });
}

} // namespace kx::KX_Cap
