// The choice of section on the beam form: the family loaders and lists over the written section
// files, the pick of a record into the working beam, the timber size, and a user section edited
// while a beam is open.
#include "input/SectionChoice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <span>

#include "BeamFormTestSupport.h"
#include "input/KX_Grid.h"
#include "sections/SectionFile.h"
#include "sections/SectionWriters.h"

using namespace kx;
using namespace kxtest;

namespace {

std::string padded(std::string s) {
    s.resize(25, ' ');
    return s;
}

class SectionChoice : public BeamFormTest {
protected:
    void SetUp() override {
        BeamFormTest::SetUp();
        WriteAllSectionFiles();
    }

    void Choose(const char* code) {
        const SectionFamilyRow* family = SectionFamilyByCode(code);
        ASSERT_NE(family, nullptr) << code;
        ChooseSectionFamily(f, *family);
    }
    // The position of a designation in the list (blanks around it not counted).
    int Line(const std::string& name) {
        for (std::size_t i = 0; i < f.List_Sect.size(); ++i) {
            std::string s = f.List_Sect[i];
            s.erase(0, s.find_first_not_of(' '));
            s.erase(s.find_last_not_of(' ') + 1);
            if (s == name) return static_cast<int>(i);
        }
        ADD_FAILURE() << name << " not listed";
        return -1;
    }
    void Pick(const char* code, const std::string& name) {
        Choose(code);
        ASSERT_TRUE(PickSection(f, Line(name))) << ::testing::PrintToString(Messages());
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> out;
        for (int i = 0; i <= 50; ++i)
            out.push_back(Work.WorkSectionPropLines[i]);
        while (!out.empty() && out.back().empty())
            out.pop_back();
        return out;
    }
    // Fields E to the last spare of every working row 0..26 hold these values.
    void ExpectRows(const std::array<float, 18>& fields) {
        for (int row = 0; row <= kRHCantRow; ++row)
            for (int field = mfE; field <= 19; ++field)
                EXPECT_FLOAT_EQ(Work.WorkSpanData[row][field], fields[static_cast<std::size_t>(field - mfE)])
                    << "row " << row << " field " << field;
    }
    // One user section typed into row 1 of the editor and saved.
    void SaveUserSection(const std::string& ixx) {
        SectionGridContent grid = SectionGridShow();
        grid.Rows[0] = {"1", "Alu beam", ixx, "70000", "50", "20", "150000"};
        ASSERT_FALSE(SaveSectionGrid(grid.Rows));
    }
    std::vector<std::string> Messages() { return dialogs->messages(); }
};

TEST_F(SectionChoice, UniversalBeamPickGivesItsLinesCaptionsAndMemberRows) {
    // Lengths and the member grid's Exists and L stay as the user left them.
    TypeBeam({"3", "4"});
    Work.WorkSpanData[kFlagsRow][kShearDeflectionField] = -1.0f;
    Pick("UB", "127 x 76 UB 13");
    const std::string name = padded("127 x 76 UB 13");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"7", name, "", " Ixx = 473.4 cm^4", " D/T = 16.7",
                                                 " Wt = 12.97 kg/m", " E = 205000 N/mm^2"}));
    EXPECT_EQ(f.List_Props, (std::vector<std::string>{" ", name, "", " Ixx = 473.4 cm^4", " D/T = 16.7",
                                                      " Wt = 12.97 kg/m", " E = 205000 N/mm^2", ""}));
    EXPECT_EQ(f.lbl_S01_Ixx, "473.4");
    EXPECT_EQ(f.lbl_S01_E, "205000");
    EXPECT_EQ(f.lbl_GA, "");
    EXPECT_EQ(f.lbl_S01_Desc, " " + name);
    // D/T = 127 / 7.6; shear area D x t = 127 x 4.
    ExpectRows({205000, 4734400, 63.5f, 1652, 508, 18.369f, 16.710527f, 127, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Work.WorkSpanData[1][mfL], 3000.0f);
    EXPECT_EQ(Work.WorkSpanData[2][mfL], 4000.0f);
    EXPECT_EQ(Work.WorkSpanData[kFlagsRow][kShearDeflectionField], -1.0f);
    EXPECT_EQ(Work.WorkSectionText, name);
    EXPECT_EQ(Work.WorkMemberType, "HRS");
    EXPECT_EQ(Work.WorkSectionShape, "Beam");
    EXPECT_EQ(Work.WorkFlangeThickness, 7.6f);
    EXPECT_EQ(Work.WorkWebThickness, 4.0f);
    EXPECT_EQ(Work.SectionRecordNo, 1);
    EXPECT_EQ(Work.SectionFamily, "UB");
    // The hidden member grid: fields from E on at four figures, in every member's column.
    EXPECT_EQ(f.Grid_SpanData.Cell(1, 4), "4734000");
    EXPECT_EQ(f.Grid_SpanData.Cell(27, 9), "16.71");
    EXPECT_EQ(f.Grid_SpanData.Cell(3, 2), "4000.0"); // L untouched
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SectionChoice, IPEPickCommitsItsLinesAndSelfWeight) {
    Pick("IPE", "IPE 360 A");
    const std::vector<std::string> lines = {"7",
                                            padded("IPE 360 A"),
                                            "",
                                            " Ixx = 14520 cm^4",
                                            " D/T = 31.1",
                                            " Wt = 50.21 kg/m",
                                            " E = 205000 N/mm^2"};
    EXPECT_EQ(Lines(), lines);
    // Shear area 357.6 x 6.6, D/T 357.6 / 11.5.
    ExpectRows({205000, 1.4516e8f, 178.8f, 6396.5f, 2360.16f, 38.422f, 31.095654f, 357.6f, 0, 0, 0, 0, 0, 0,
                0, 0, 0, 0});
    EXPECT_EQ(Work.WorkFlangeThickness, 11.5f);
    EXPECT_EQ(Work.WorkWebThickness, 6.6f);

    TypeBeam({"5"});
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        EXPECT_EQ(Model.SectionPropLines[i].str(), lines[static_cast<std::size_t>(i)]);
    EXPECT_EQ(Model.SectionFamilyCode, "IPE");
    EXPECT_EQ(Model.SpanData[1][mfIxx], 1.4516e8f);
    // 7.85 t/m^3 x 6396.5 mm^2 x 9.81 = 0.49258488 N/mm.
    EXPECT_NEAR(Work.WorkLoads[kSelfWeightRecord][lfW1], 0.49258488, 1e-7);
}

TEST_F(SectionChoice, ScaffoldTubeAndSpacerRowPicks) {
    Pick("Scaffold", "\"Used\" Steel Tube");
    EXPECT_EQ(Work.SectionRecordNo, 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"6", " \"Used\" Steel Tube", "", " Ixx = 13.80 cm^4",
                                                 " E = 210000 N/mm^2", " Permissible Bending Moment",
                                                 " = 0.794 kN-m"}));
    EXPECT_EQ(f.List_Props.front(), " "); // a tube has standard dimensions
    EXPECT_EQ(f.List_Props.size(), 7u);
    // Area, y, ry and the permissible moment from the record; no shear area, D/T or depth.
    ExpectRows({210000, 138000, 24.15f, 556.69f, 0, 15.726f, 0, 0, 0, 0, 0, 794300, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Work.WorkMemberType, "Scaffold");
    EXPECT_EQ(Work.WorkSectionShape, "Tube");

    // A spacer row: a blank section, not the tube's values.
    Pick("UB", "127 x 76 UB 13");
    ASSERT_TRUE(PickSection(f, 1));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"3", padded("")}));
    EXPECT_EQ(Work.WorkSectionPropLines[0], "3");
    EXPECT_EQ(f.List_Props, (std::vector<std::string>{padded(""), "", ""}));
    EXPECT_EQ(f.lbl_S01_E, "0.000");
    EXPECT_EQ(f.lbl_S01_Ixx, "0.000");
    EXPECT_EQ(f.lbl_GA, "");
    EXPECT_EQ(Work.WorkSectionShape, "");
    EXPECT_EQ(Work.WorkMemberType, "HRS");
    ExpectRows({});
    EXPECT_EQ(Work.SectionRecordNo, 2);
}

TEST_F(SectionChoice, FamiliesListTheirFilesAndSetTheFrames) {
    // Each family with a written file lists exactly its designations.
    std::size_t total = 0;
    for (const SectionFamilyRow& family : SectionFamilies()) {
        if (family.Kind == FamilyKind::User || family.Kind == FamilyKind::Timber) continue;
        SCOPED_TRACE(family.Code);
        ChooseSectionFamily(f, family);
        EXPECT_EQ(f.List_Sect, ReadSectionDesignations(family.FileName));
        EXPECT_EQ(f.lbl_Group, family.Group);
        EXPECT_EQ(Work.SectionFamily, family.Code);
        total += f.List_Sect.size();
    }
    EXPECT_EQ(total, 1178u);
    EXPECT_TRUE(Messages().empty());

    // Names are found without regard to case.
    std::filesystem::rename(dir_.path("UB.sct"), dir_.path("ub.SCT"));
    Choose("UB");
    EXPECT_EQ(f.List_Sect.size(), ReadSectionDesignations("ub.SCT").size());
    EXPECT_EQ(f.List_Sect.front(), padded("127 x 76 UB 13"));

    // Angles and hollow sections refuse the check; UB allows it again, "None" stays.
    for (const char* code : {"EqRSA", "UnEqL", "RHS", "CHS"}) {
        SCOPED_TRACE(code);
        f.Option_Check = true;
        f.Option_None = false;
        Choose(code);
        EXPECT_TRUE(f.Option_None);
        EXPECT_FALSE(f.Option_Check);
        EXPECT_FALSE(f.Option_Check_Enabled);
        EXPECT_TRUE(f.Frame_SteelCheck);
    }
    Choose("UB");
    EXPECT_TRUE(f.Option_Check_Enabled);
    EXPECT_TRUE(f.Option_None);
    f.Option_Check = true;
    f.Option_None = false;
    Choose("HE");
    EXPECT_TRUE(f.Option_Check); // an allowed family keeps the choice

    // Scaffold: the couplers with their ticks, the fixed ends unticked and disabled, no check.
    f.Check_GA = true;
    f.Check_LH_End_Sup = f.Check_RH_End_Sup = true;
    f.Check_LHF = f.Check_RHF = true;
    Choose("Scaffold");
    EXPECT_TRUE(f.Frame_Couplers);
    EXPECT_TRUE(f.Check_LH_End_Sup && f.Check_RH_End_Sup);
    EXPECT_FALSE(f.Check_LHF || f.Check_RHF);
    EXPECT_FALSE(f.Check_LHF_Enabled || f.Check_RHF_Enabled);
    EXPECT_FALSE(f.Check_GA);
    EXPECT_FALSE(f.Frame_SteelCheck || f.Frame_Shear || f.Frame_Timber);
    EXPECT_TRUE(f.Frame_Steel);
    EXPECT_EQ(f.lbl_Group, "Scaffold");

    // A standard family hides the couplers and unticks them; the fixed ends come back.
    Choose("RSJ");
    EXPECT_FALSE(f.Frame_Couplers || f.Check_LH_End_Sup || f.Check_RH_End_Sup);
    EXPECT_TRUE(f.Check_LHF_Enabled && f.Check_RHF_Enabled);
    EXPECT_FALSE(f.Frame_Shear);

    // Timber: the frames only; the list, caption and file stay.
    f.Check_GA = true;
    const std::vector<std::string> rsj = f.List_Sect;
    Choose("Timber");
    EXPECT_EQ(Work.WorkMemberType, "Timber");
    EXPECT_EQ(Work.WorkSectionShape, "Timber");
    EXPECT_EQ(Work.SectionFamily, "Timber");
    EXPECT_TRUE(f.Frame_Timber && f.Frame_Shear && f.Check_GA);
    EXPECT_FALSE(f.Frame_Steel || f.Frame_SteelCheck || f.Frame_Couplers);
    EXPECT_EQ(f.List_Sect, rsj);
    EXPECT_EQ(f.lbl_Group, "RSJ");
    EXPECT_EQ(SectionChoiceVars.SectionFileName, "RSJ.sct");

    // The user's sections without a file: the frames set, the message, an empty list.
    Choose("KXSect");
    EXPECT_EQ(Messages(), std::vector<std::string>{"File not found"});
    EXPECT_TRUE(f.List_Sect.empty());
    EXPECT_EQ(f.lbl_Group, "Miscellaneous");
    EXPECT_EQ(Work.WorkSectionShape, "KXSect");
    EXPECT_TRUE(f.Frame_Shear && f.Frame_Steel && f.Check_GA);
    EXPECT_FALSE(f.Frame_Timber || f.Frame_SteelCheck);
}

TEST_F(SectionChoice, PickThatCannotReadItsRecordChangesNothing) {
    Pick("UB", "127 x 76 UB 13");
    const BeamFormControls before = f;
    const auto rows = Work.WorkSpanData;
    const auto lines = Work.WorkSectionPropLines;

    // The file shortened to 3 records while the list shows them all.
    std::filesystem::resize_file(dir_.path("UB.sct"), 3 * SectionRecSize + 150);
    EXPECT_FALSE(PickSection(f, 3));
    std::filesystem::remove(dir_.path("UB.sct"));
    EXPECT_FALSE(PickSection(f, 0));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Read beyond end of file", "File not found"}));
    EXPECT_TRUE(f == before);
    EXPECT_TRUE(Work.WorkSpanData == rows);
    EXPECT_TRUE(Work.WorkSectionPropLines == lines);
    EXPECT_EQ(Work.WorkSectionShape, "Beam");
    EXPECT_EQ(Work.SectionRecordNo, 1);
}

TEST_F(SectionChoice, ChannelWithoutFlangeThicknessHasNoRatio) {
    // A damaged record: an "RSC" of depth 100 with T = 0.
    TSectionRec rec;
    rec.Designation = "odd channel";
    rec.D = 100;
    rec.B = 50;
    rec.t = 5;
    rec.E = 205000;
    rec.Ixx = 2e6f;
    rec.A = 1000;
    rec.Shape = "RSC";
    WriteSectionFile("KX.sct", std::span(&rec, 1));
    Pick("KXSect", "odd channel");
    EXPECT_EQ(Work.WorkSectionPropLines[4], " D/T = 0.0");
    EXPECT_EQ(Work.WorkSpanData[3][mfDT], 0.0f);
    EXPECT_EQ(Work.WorkSpanData[3][mfShearArea], 500.0f);
    EXPECT_EQ(Work.WorkSectionShape, "RSC");
}

TEST_F(SectionChoice, TimberSizeInMillimetresOrRefused) {
    Model.UnitFactorSectLength = 10; // sizes typed in cm
    f.Edit_Timber_W = "4.7";
    f.Edit_Timber_H = "15";
    const auto texts = TimberSizeChosen(f);
    ASSERT_TRUE(texts);
    EXPECT_FLOAT_EQ(Work.TimberWidth, 47.0f);
    EXPECT_FLOAT_EQ(Work.TimberDepth, 150.0f);
    EXPECT_EQ(texts->lbl_Width, "47.00");
    EXPECT_EQ(texts->lbl_Depth, "150.0");

    // 0, below 0, not a number or too large: the message and nothing changed.
    const std::pair<const char*, const char*> bad[] = {{"0", "15"}, {"-5", "20"}, {"5", "x"}, {"1e39", "5"}};
    for (const auto& [w, h] : bad) {
        SCOPED_TRACE(std::string(w) + " x " + h);
        dialogs->clear();
        f.Edit_Timber_W = w;
        f.Edit_Timber_H = h;
        EXPECT_FALSE(TimberSizeChosen(f));
        EXPECT_EQ(Messages(), std::vector<std::string>{"Input beam size"});
        EXPECT_FLOAT_EQ(Work.TimberWidth, 47.0f);
        EXPECT_FLOAT_EQ(Work.TimberDepth, 150.0f);
    }
}

TEST_F(SectionChoice, RestoreRunsTheLoaderOfTheCommittedFamily) {
    Model.SectionFamilyCode = "PFC";
    RestoreBeamForm(f);
    EXPECT_EQ(f.List_Sect, ReadSectionDesignations("PFC.sct"));
    EXPECT_EQ(f.lbl_Group, "Parallel Flanged Channel");
    EXPECT_EQ(SectionChoiceVars.SectionFileName, "PFC.sct");

    // No file to list: the restore goes on quietly with an empty list.
    std::filesystem::remove(dir_.path("UB.sct"));
    Model.SectionFamilyCode = "UB";
    RestoreBeamForm(f);
    EXPECT_TRUE(f.List_Sect.empty());
    EXPECT_EQ(f.lbl_Group, "Beam");

    // A timber beam has no list to load.
    Model.SectionFamilyCode = "Timber";
    RestoreBeamForm(f);
    EXPECT_EQ(SectionChoiceVars.SectionFileName, "UB.sct");
    EXPECT_TRUE(f.Frame_Timber);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SectionChoice, UserSectionPickedFromTheEditorsFile) {
    SaveUserSection("1200");
    Pick("KXSect", "Alu beam");
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"9", "Alu beam", "", " Ixx = 1200 cm^4", " E = 70000 N/mm^2",
                                        " Permissible Bending Moment", " = 20.00 kN-m", " Permissible Shear",
                                        " = 50.00 kN", " GA/Kform = 150000 kN"}));
    EXPECT_EQ(f.List_Props.size(), 9u); // no standard dimensions, no blank first item
    EXPECT_EQ(f.lbl_GA, "150000");
    EXPECT_EQ(f.lbl_S01_Desc, " Alu beam");
    // GA, the permissible values as stored; no fibre distance, area, shear area, D/T or depth.
    ExpectRows({70000, 1.2e7f, 0, 0, 0, 0, 0, 0, 0, 1.5e8f, 49999.996f, 2e7f, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Work.WorkMemberType, "KXF");
    EXPECT_EQ(Work.WorkSectionShape, ""); // the menu's "KXSect" emptied by the pick
}

TEST_F(SectionChoice, OpenBeamKeepsItsSectionUntilPickedAgain) {
    SaveUserSection("1200");
    Pick("KXSect", "Alu beam");
    TypeBeam({"4"});
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    EXPECT_EQ(Model.SpanData[1][mfIxx], 1.2e7f);
    EXPECT_EQ(Model.MemberType, "KXF");

    // Ixx changed to 1500 cm^4 and saved: the list is read again, the sections stay.
    f.List_Sect = {"stale"};
    SaveUserSection("1500");
    UserSectionFileSaved(f);
    EXPECT_EQ(f.List_Sect, ReadSectionDesignations("KX.sct"));
    EXPECT_EQ(f.List_Sect.size(), 250u);
    EXPECT_EQ(Work.WorkSpanData[1][mfIxx], 1.2e7f);
    EXPECT_EQ(Model.SpanData[1][mfIxx], 1.2e7f);
    EXPECT_EQ(f.lbl_S01_Ixx, "1200");

    // Picked and committed again: the new value.
    ASSERT_TRUE(PickSection(f, 0));
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    EXPECT_EQ(Model.SpanData[1][mfIxx], 1.5e7f);

    // A list of another file is left alone, and so is the list a new beam emptied.
    Choose("UB");
    const std::vector<std::string> ub = f.List_Sect;
    UserSectionFileSaved(f);
    EXPECT_EQ(f.List_Sect, ub);
    Choose("KXSect");
    ResetBeamForm(f);
    UserSectionFileSaved(f);
    EXPECT_TRUE(f.List_Sect.empty());
}

} // namespace
