// The choice of section on the beam form.
#include "input/SectionChoice.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "foundation/LineCount.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "input/BeamMessages.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/NumberInput.h"
#include "platform/StateRegistry.h"
#include "sections/SectionFile.h"

namespace kx {

SectionChoiceState SectionChoiceVars;
KX_REGISTER_STATE(SectionChoiceVars);

namespace {

using FK = FamilyKind;
using CC = CodeCheck;

// clang-format off
const std::array<SectionFamilyRow, kSectionFamilies> kFamilies = {{
    {"UniversalBeams1", "Universal Beams",  "UniversalBeams1Click", "UB",      "UB.sct",      "Beam",                       FK::Standard, CC::Allowed},
    {"UniveralColumns1","Univeral Columns", "UniveralColumns1Click","UC",      "UC.sct",      "Universal Column",           FK::Standard, CC::Allowed},
    {"RSJ1",            "RSJ",              "RSJ1Click",            "RSJ",     "RSJ.sct",     "RSJ",                        FK::Standard, CC::Allowed},
    {"IPE1",            "IPE",              "IPE1Click",            "IPE",     "IPE.sct",     "IPE",                        FK::Standard, CC::Allowed},
    {"HE1",             "HE",               "HE1Click",             "HE",      "HE.sct",      "HE Beam",                    FK::Standard, CC::Allowed},
    {"WShapeBeams1",    "W Shape Beams",    "WShapeBeams1Click",    "WFB",     "WsBeam.sct",  "Wide Flanged Beam",          FK::Standard, CC::Allowed},
    {"WShapeColumns1",  "W Shape Columns",  "WShapeColumns1Click",  "WFC",     "WsCol.sct",   "Wide Flanged Column",        FK::Standard, CC::Allowed},
    {"RSC1",            "RSC",              "RSC1Click",            "RSC",     "RSC.sct",     "Rolled Steel Channel",       FK::Standard, CC::Allowed},
    {"PFC1",            "PFC",              "PFC1Click",            "PFC",     "PFC.sct",     "Parallel Flanged Channel",   FK::Standard, CC::Allowed},
    {"UPN1",            "UPN",              "UPN1Click",            "UPN",     "UPN.sct",     "Rolled Steel Channel",       FK::Standard, CC::Allowed},
    {"CShape1",         "C Shape",          "CShape1Click",         "C",       "C.sct",       "Rolled Steel Channel",       FK::Standard, CC::Allowed},
    {"EqualRSA1",       "Equal RSA",        "EqualRSA1Click",       "EqRSA",   "EqRSA.sct",   "Rolled Steel Angle",         FK::Standard, CC::Refused},
    {"UnequalRSA1",     "Unequal RSA",      "UnequalRSA1Click",     "UnEqRSA", "UnEqRSA.sct", "Rolled Steel Angle",         FK::Standard, CC::Refused},
    {"EqualL1",         "Equal 'L'",        "EqualL1Click",         "EqL",     "EqL.sct",     "Rolled Steel Angle",         FK::Standard, CC::Refused},
    {"UnequalL1",       "Unequal 'L'",      "UnequalL1Click",       "UnEqL",   "UnEqL.sct",   "Rolled Steel Angle",         FK::Standard, CC::Refused},
    {"RHS1",            "RHS",              "RHS1Click",            "RHS",     "RHS.sct",     "Rectangular Hollow Section", FK::Standard, CC::Refused},
    {"CHS1",            "CHS",              "CHS1Click",            "CHS",     "CHS.sct",     "Circular Hollow Section",    FK::Standard, CC::Refused},
    {"Tube1",           "Scaffold ",        "Tube1Click",           "Scaffold","Scaf.sct",    "Scaffold",                   FK::Scaffold, CC::NotOffered},
    {"Miscellaneous1",  "KX Sections",      "Miscellaneous1Click",  "KXSect",  "KX.sct",      "Miscellaneous",              FK::User,     CC::NotOffered},
    {"Timber1",         "Timber",           "Timber1Click",         "Timber",  "",            "",                           FK::Timber,   CC::NotOffered},
}};
// clang-format on

constexpr const char* kUserSectionFile = "KX.sct";

bool sameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool isOneOf(const std::string& shape, std::initializer_list<const char*> shapes) {
    return std::any_of(shapes.begin(), shapes.end(), [&](const char* s) { return shape == s; });
}

// The grid text of a member field that the pick writes; the spares show nothing.
std::string memberGridText(int field, float value) {
    if (field == 10 || field >= 14) return "";
    return SigFig4(value);
}

// The code check as a family offers it: refused, "None" is chosen and "Check" greyed.
void offerCodeCheck(BeamFormControls& f, CodeCheck check) {
    if (check == CodeCheck::Allowed) f.Option_Check_Enabled = true;
    if (check == CodeCheck::Refused) {
        f.Option_None = true;
        f.Option_Check = false;
        f.Option_Check_Enabled = false;
    }
}

} // namespace

bool SectionRefusesCodeCheck(const std::string& shape, const std::string& memberType) {
    return memberType == "Scaffold" || isOneOf(shape, {"RSA", "Box", "Tube"});
}

void RefuseCodeCheckForSectionHeld(BeamFormControls& f, const std::string& shape,
                                   const std::string& memberType) {
    if (f.Frame_SteelCheck && SectionRefusesCodeCheck(shape, memberType))
        offerCodeCheck(f, CodeCheck::Refused);
}

const std::array<SectionFamilyRow, kSectionFamilies>& SectionFamilies() { return kFamilies; }

const SectionFamilyRow* SectionFamilyByCode(std::string_view code) {
    for (const SectionFamilyRow& row : kFamilies)
        if (code == row.Code) return &row;
    return nullptr;
}

SectionLoader SectionLoaderFor(const SectionFamilyRow& family) {
    SectionLoader s;
    switch (family.Kind) {
    case FK::Standard:
        s.Check_GA = false;
        s.Frame_SteelCheck = true;
        s.Check = family.Check;
        break;
    case FK::Scaffold:
        s.Frame_Couplers = true;
        s.UntickCouplers = false;
        s.Check_GA = false;
        s.FixedEndsOff = true;
        break;
    case FK::User: s.Frame_Shear = true; break;
    case FK::Timber:
        s.TimberMemberType = true;
        s.Frame_Shear = true;
        s.Frame_Steel = false;
        s.Frame_Timber = true;
        return s;
    }
    s.Group = family.Group;
    s.FileName = family.FileName;
    s.FillList = true;
    return s;
}

void ApplySectionLoader(BeamFormControls& f, const SectionLoader& s, bool report) {
    if (s.TimberMemberType) Work.WorkMemberType = "Timber";
    f.Frame_Couplers = s.Frame_Couplers;
    if (s.UntickCouplers) f.Check_LH_End_Sup = f.Check_Span_Sup = f.Check_RH_End_Sup = false;
    if (s.Check_GA) f.Check_GA = *s.Check_GA;
    f.Frame_Shear = s.Frame_Shear;
    f.Frame_Steel = s.Frame_Steel;
    f.Frame_SteelCheck = s.Frame_SteelCheck;
    if (s.Frame_SteelCheck) offerCodeCheck(f, s.Check);
    f.Frame_Timber = s.Frame_Timber;
    if (s.FixedEndsOff) f.Check_LHF = f.Check_RHF = false;
    f.Check_LHF_Enabled = f.Check_RHF_Enabled = !s.FixedEndsOff;
    if (s.Group) f.lbl_Group = s.Group;
    if (s.FileName) SectionChoiceVars.SectionFileName = s.FileName;
    if (!s.FillList) return;
    try {
        FillSectionList(f);
    } catch (const IoError& e) {
        // The frames and caption stay set; the list stays empty until the file can be read.
        if (report) dlg().Message(e.what());
    }
}

void ChooseSectionFamily(BeamFormControls& f, const SectionFamilyRow& family) {
    Work.SectionFamily = family.Code;
    if (family.Kind == FK::User) Work.WorkSectionShape = "KXSect";
    if (family.Kind == FK::Timber) Work.WorkSectionShape = "Timber";
    ApplySectionLoader(f, SectionLoaderFor(family));
    RefuseCodeCheckForSectionHeld(f, Work.WorkSectionShape, Work.WorkMemberType);
}

void FillSectionList(BeamFormControls& f) {
    f.List_Sect.clear();
    if (SectionChoiceVars.SectionFileName.empty()) return;
    f.List_Sect = ReadSectionDesignations(SectionChoiceVars.SectionFileName);
}

SectionValues SectionValuesOf(const TSectionRec& rec) {
    SectionValues v;
    v.User = rec.Group == 1.0f;
    v.Scaffold = rec.Group == 2.0f;
    v.Shape = rec.B != 0 ? rec.Shape.str() : std::string();
    // A record without a flange thickness has no ratio to give.
    if (rec.T != 0) v.DOverT = static_cast<float>(static_cast<double>(rec.D) / rec.T);
    double shearArea = 0;
    if (v.Shape == "Tube") shearArea = rec.A / 2.0;
    if (v.Shape == "Box") shearArea = 2.0 * rec.D * rec.t;
    if (isOneOf(v.Shape, {"RSC", "Beam", "RSJ"})) shearArea = static_cast<double>(rec.D) * rec.t;

    TMemberRow& m = v.Member;
    m[mfE] = rec.E;
    m[mfIxx] = rec.Ixx;
    m[mfRy] = rec.ry;
    if (v.User) {
        m[mfGA] = rec.GA;
        m[mfPermShear] = rec.PermShear;
        m[mfPermMoment] = rec.PermMoment;
    } else if (v.Scaffold) {
        m[mfY] = rec.FibreX;
        m[mfArea] = rec.A;
        m[mfPermMoment] = rec.PermMoment;
    } else {
        m[mfY] = rec.FibreX;
        m[mfArea] = rec.A;
        m[mfShearArea] = static_cast<float>(shearArea);
        if (isOneOf(v.Shape, {"Beam", "RSJ", "RSC"})) m[mfDT] = v.DOverT;
        m[mfSteelDepth] = rec.D;
    }
    v.FlangeThickness = rec.T;
    v.WebThickness = rec.t;
    return v;
}

namespace {

// The texts of a picked section in the model's units: its property lines (line 0 their count)
// and the captions of the first member.
struct PickedTexts {
    Arr<std::string, 0, 50> Lines;
    std::string lbl_GA, lbl_S01_E, lbl_S01_Ixx;
};

PickedTexts pickedTexts(const TSectionRec& rec, const SectionValues& v, const SharedModel& m) {
    const double ixxShown = static_cast<double>(rec.Ixx) / m.UnitFactorSectI;
    const double eShown = static_cast<double>(rec.E) / m.UnitFactorSectE;
    const std::string ixxLine = " Ixx = " + SigFig4Dec3(ixxShown) + " " + m.UnitTextSectI;
    const std::string eLine = " E = " + SigFig4Dec3(eShown) + " " + m.UnitTextSectE;
    const std::string momentLine = " = " +
                                   SigFig4Dec3(static_cast<double>(rec.PermMoment) * m.UnitFactorMoment) +
                                   " " + m.UnitTextMoment;

    PickedTexts t;
    Arr<std::string, 0, 50>& lines = t.Lines;
    lines[1] = rec.Designation.str();
    int next = 3;
    if (rec.B != 0) {
        lines[next++] = ixxLine;
        if (isOneOf(v.Shape, {"Beam", "RSJ", "RSC"})) lines[next++] = " D/T = " + SigFig3(v.DOverT);
        lines[next++] =
            " Wt = " + SigFig4Dec3(static_cast<double>(rec.A) * m.UnitFactorWeight) + " " + m.UnitTextWeight;
        lines[next++] = eLine;
    }
    int count = next;
    if (v.User || v.Scaffold) {
        lines[3] = ixxLine;
        lines[4] = eLine;
        lines[5] = " Permissible Bending Moment";
        lines[6] = momentLine;
        count = 6;
    }
    if (v.User) {
        lines[7] = " Permissible Shear";
        lines[8] = " = " + SigFig4Dec3(static_cast<double>(rec.PermShear) * m.UnitFactorShear) + " " +
                   m.UnitTextShear;
        lines[9] = " GA/Kform = " + SigFig4Dec3(static_cast<double>(rec.GA) / m.UnitFactorForce) + " " +
                   m.UnitTextForce;
        count = 9;
    }
    SetLineCount(lines, count);

    t.lbl_GA = SigFig4Dec3(static_cast<double>(rec.GA) / m.UnitFactorForce);
    if (t.lbl_GA == "0.000") t.lbl_GA.clear();
    t.lbl_S01_E = SigFig4Dec3(eShown);
    t.lbl_S01_Ixx = SigFig4Dec3(ixxShown);
    return t;
}

} // namespace

bool PickSection(BeamFormControls& f, int position) {
    if (position < 0) return false;
    TSectionRec rec;
    try {
        rec = ReadSectionRecord(SectionChoiceVars.SectionFileName, position + 1);
    } catch (const IoError& e) {
        dlg().Message(e.what());
        return false;
    }
    // The member values first: a record that gives any the program cannot use changes nothing.
    const SectionValues v = SectionValuesOf(rec);
    if (!UsableSectionValues(v.Member, v.FlangeThickness, v.WebThickness)) {
        dlg().Message(beammsg::kSection);
        return false;
    }
    const PickedTexts t = pickedTexts(rec, v, Model);

    WorkingCopies& w = Work;
    const std::string designation = rec.Designation.str();
    w.WorkSectionShape = v.Shape;
    w.SectionRecordNo = position + 1;
    w.WorkSectionText = designation;
    w.WorkSectionPropLines = t.Lines;
    w.WorkMemberType = v.User ? "KXF" : v.Scaffold ? "Scaffold" : "HRS";
    w.WorkFlangeThickness = v.FlangeThickness;
    w.WorkWebThickness = v.WebThickness;

    f.List_Props.clear();
    if (rec.B != 0) f.List_Props.push_back(" ");
    for (int i = 1, n = LineCount(t.Lines); i <= n; ++i)
        f.List_Props.push_back(t.Lines[i]);
    // Another section's texts stand for what they show.
    f.lbl_GA = ShownText(t.lbl_GA);
    f.lbl_S01_Desc = " " + designation;
    f.lbl_S01_E = ShownText(t.lbl_S01_E);
    f.lbl_S01_Ixx = ShownText(t.lbl_S01_Ixx);
    for (int row = 0; row <= kRHCantRow; ++row) {
        for (int field = mfE; field <= 19; ++field) {
            w.WorkSpanData[row][field] = v.Member[field];
            f.Grid_SpanData.SetCell(row + 1, field + 1, memberGridText(field, v.Member[field]));
        }
    }
    // The section held is now one of the family shown.
    if (const SectionFamilyRow* family = SectionFamilyByCode(w.SectionFamily); family && f.Frame_SteelCheck)
        offerCodeCheck(f, family->Check);
    return true;
}

std::optional<TimberSizeTexts> TimberSizeChosen(const BeamFormControls& f) {
    const double factor = Model.UnitFactorSectLength;
    // A size that is not a number reads as 0, and so is refused below.
    constexpr NumberPolicy kSizeNumbers = NumberPolicy::ZeroWhenNotANumber;
    // A size shown from the committed timber reads back as that size while nobody changes it.
    const auto size = [&](const ShownText& text) {
        return static_cast<float>(text.Read(static_cast<float>(factor), ReadNumber(text, kSizeNumbers)));
    };
    const float width = size(f.Edit_Timber_W);
    const float depth = size(f.Edit_Timber_H);
    // A size that is not above 0, or too large to hold, is no beam size.
    if (!(width > 0) || !(depth > 0) || !std::isfinite(width) || !std::isfinite(depth)) {
        dlg().Message(sectionmsg::kTimberSize);
        return std::nullopt;
    }
    Work.TimberWidth = width;
    Work.TimberDepth = depth;
    return TimberSizeTexts{SigFig4(width), SigFig4(depth)};
}

bool UsableSectionValues(const TMemberRow& row, float flangeThickness, float webThickness) {
    auto usable = [](float v) { return std::isfinite(v) && v >= 0; };
    for (int field = mfE; field < TMemberRow::count; ++field)
        if (!usable(row[field])) return false;
    return usable(flangeThickness) && usable(webThickness);
}

void UserSectionFileSaved(BeamFormControls& f) {
    if (sameNoCase(SectionChoiceVars.SectionFileName, kUserSectionFile)) FillSectionList(f);
}

// The timber family's controls come back with the committed timber choice, not from a loader. A
// list file that cannot be read leaves the list empty: the committed section is restored all the
// same.
void OpenSectionFamily(BeamFormControls& f, const std::string& code) {
    const SectionFamilyRow* family = SectionFamilyByCode(code);
    if (family && family->Kind != FamilyKind::Timber) ApplySectionLoader(f, SectionLoaderFor(*family), false);
    // The section about to be restored is the committed one, which the family may not have given.
    RefuseCodeCheckForSectionHeld(f, Model.SectionShape.str(), Model.MemberType.str());
}

} // namespace kx
