// The choice of section on the beam form: the family loaders and lists over the written section
// files, the pick of a record into the working beam, the timber size, and a user section edited
// while a beam is open.
#include "input/SectionChoice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <span>
#include <sys/stat.h>

#include "FileReads.h"
#include "FormTestSupport.h"
#include "input/KX_Grid.h"
#include "input/LoadData.h"
#include "platform/BinaryIO.h"
#include "sections/SectionFile.h"
#include "sections/SectionWriters.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"

using namespace kx;
using namespace kxtest;

namespace {

using Lines = std::vector<std::string>;

std::string padded(const std::string& s) { return s + std::string(25 - s.size(), ' '); }

class SectionChoice : public BeamFormTest {
protected:
    void SetUp() override {
        BeamFormTest::SetUp();
        WriteAllSectionFiles();
    }
    void Choose(const char* code) { ChooseSectionFamily(f, *SectionFamilyByCode(code)); }
    void Pick(const char* code, int position) {
        Choose(code);
        ASSERT_TRUE(PickSection(f, position)) << ::testing::PrintToString(Messages());
    }
    // One user section typed into row 1 of the editor and saved.
    void SaveUserSection(const std::string& ixx) {
        std::vector<SectionGridRow> rows = SectionGridShow().Rows;
        rows[0] = {"1", "Alu beam", ixx, "70000", "50", "20", "150000"};
        ASSERT_FALSE(SaveSectionGrid(rows));
    }
};

TEST_F(SectionChoice, PickGivesLinesCaptionsAndMemberRows) {
    SaveUserSection("1200");
    TypeBeam({"3", "4"});
    Work.WorkSpanData[kFlagsRow][kShearDeflectionField] = -1.0f;
    struct Case {
        const char* code;
        int position;
        Lines lines;                  // WorkSectionPropLines from 0, the rest empty
        bool dims;                    // standard dimensions: " " opens List_Props
        const char* captions;         // lbl_S01_Ixx|lbl_S01_E|lbl_GA
        std::array<float, 18> fields; // E to the last spare of every working row 0..26
        const char* types;            // WorkMemberType|WorkSectionShape
    };
    // clang-format off
    const Case cases[] = {
        {"Scaffold", 0, {"6", " \"Used\" Steel Tube", "", " Ixx = 13.80 cm^4", " E = 210000 N/mm^2",
                         " Permissible Bending Moment", " = 0.794 kN-m"},
         true, "13.80|210000|", {210000, 138000, 24.15f, 556.69f, 0, 15.726f, 0, 0, 0, 0, 0, 794300}, "Scaffold|Tube"},
        // A spacer row after the tube: a blank section, not the tube's values.
        {"UB", 1, {"3", padded("")}, false, "0.000|0.000|", {}, "HRS|"},
        // The section typed into the editor; the pick empties the menu's shape "KXSect".
        {"KXSect", 0, {"9", "Alu beam", "", " Ixx = 1200 cm^4", " E = 70000 N/mm^2", " Permissible Bending Moment",
                       " = 20.00 kN-m", " Permissible Shear", " = 50.00 kN", " GA/Kform = 150000 kN"},
         false, "1200|70000|150000", {70000, 1.2e7f, 0, 0, 0, 0, 0, 0, 0, 1.5e8f, 49999.996f, 2e7f}, "KXF|"},
        // Shear area D x t: 357.6 x 6.6 and 127 x 4; D/T: 357.6 / 11.5 and 127 / 7.6.
        {"IPE", 49, {"7", padded("IPE 360 A"), "", " Ixx = 14520 cm^4", " D/T = 31.1", " Wt = 50.21 kg/m",
                     " E = 205000 N/mm^2"},
         true, "14520|205000|", {205000, 1.4516e8f, 178.8f, 6396.5f, 2360.16f, 38.422f, 31.095654f, 357.6f}, "HRS|Beam"},
        {"UB", 0, {"7", padded("127 x 76 UB 13"), "", " Ixx = 473.4 cm^4", " D/T = 16.7", " Wt = 12.97 kg/m",
                   " E = 205000 N/mm^2"},
         true, "473.4|205000|", {205000, 4734400, 63.5f, 1652, 508, 18.369f, 16.710527f, 127}, "HRS|Beam"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines[1]);
        Pick(c.code, c.position);
        Lines lines(Work.WorkSectionPropLines.begin(), Work.WorkSectionPropLines.end()), want = c.lines;
        want.resize(lines.size());
        EXPECT_EQ(lines, want);
        Lines props(c.lines.begin() + 1, c.lines.end());
        props.resize(std::stoul(c.lines[0]));
        if (c.dims) props.insert(props.begin(), " ");
        EXPECT_EQ(f.List_Props, props);
        EXPECT_EQ(f.lbl_S01_Ixx + "|" + f.lbl_S01_E + "|" + f.lbl_GA, c.captions);
        EXPECT_EQ(f.lbl_S01_Desc, " " + c.lines[1]);
        EXPECT_EQ(Work.WorkSectionText, c.lines[1]);
        for (int row = 0; row <= kRHCantRow; ++row)
            for (int field = mfE; field <= 19; ++field)
                EXPECT_FLOAT_EQ(Work.WorkSpanData[row][field],
                                c.fields[static_cast<std::size_t>(field - mfE)])
                    << "row " << row << " field " << field;
        EXPECT_EQ(Work.WorkMemberType + "|" + Work.WorkSectionShape, c.types);
        EXPECT_EQ(Work.SectionRecordNo, c.position + 1);
    }
    // Lengths and flags stay as the user left them; the member grid (in view once the window is enlarged)
    // shows four figures.
    EXPECT_TRUE(Work.WorkSpanData[2][mfL] == 4000 &&
                Work.WorkSpanData[kFlagsRow][kShearDeflectionField] == -1);
    EXPECT_EQ(f.Grid_SpanData.Cell(1, 4) + " " + f.Grid_SpanData.Cell(27, 9) + " " +
                  f.Grid_SpanData.Cell(3, 2),
              "4734000 16.71 4000.0");
    // The spare fields (member field 10, and 14 on) show nothing in any column.
    EXPECT_EQ(f.Grid_SpanData.Cell(1, 11) + "|" + f.Grid_SpanData.Cell(14, 15) + "|" +
                  f.Grid_SpanData.Cell(27, 20),
              "||");

    // IPE committed: its lines, and self-weight 7.85 t/m^3 x 6396.5 mm^2 x 9.81 = 0.49258488 N/mm.
    EXPECT_TRUE(Work.WorkFlangeThickness == 7.6f && Work.WorkWebThickness == 4.0f);
    Pick("IPE", 49);
    EXPECT_TRUE(Work.WorkFlangeThickness == 11.5f && Work.WorkWebThickness == 6.6f);
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    for (std::size_t i = 0; i < cases[3].lines.size(); ++i)
        EXPECT_EQ(Model.SectionPropLines[static_cast<int>(i)].str(), cases[3].lines[i]);
    EXPECT_NEAR(Work.WorkLoads[kSelfWeightRecord][lfW1], 0.49258488, 1e-7);
}

TEST_F(SectionChoice, FamiliesListTheirFilesAndSetTheFrames) {
    // The restore of a committed beam runs its family's loader.
    Model.SectionFamilyCode = "PFC";
    RestoreBeamForm(f);
    EXPECT_EQ(f.List_Sect, ReadSectionDesignations("PFC.sct"));
    std::size_t total = 0;
    for (const SectionFamilyRow& family : SectionFamilies()) {
        if (family.Kind == FamilyKind::User || family.Kind == FamilyKind::Timber) continue;
        ChooseSectionFamily(f, family);
        EXPECT_EQ(f.List_Sect, ReadSectionDesignations(family.FileName)) << family.Code;
        total += f.List_Sect.size();
    }
    EXPECT_EQ(total, 1178u);
    std::filesystem::rename(dir_.path("UB.sct"), dir_.path("ub.SCT"));
    Choose("UB");
    EXPECT_EQ(f.List_Sect.front(), padded("127 x 76 UB 13"));

    // Angles and hollow sections tick "None" and refuse the check; UB allows it, "None" stays.
    for (const char* code : {"EqRSA", "UnEqL", "RHS", "CHS"}) {
        f.Option_Check = true;
        f.Option_None = false;
        Choose(code);
        EXPECT_TRUE(f.Option_None && !f.Option_Check && !f.Option_Check_Enabled && f.Frame_SteelCheck)
            << code;
    }
    Choose("UB");
    EXPECT_TRUE(f.Option_Check_Enabled && f.Option_None);

    // Scaffold: the couplers with their ticks, the fixed ends unticked and disabled, no check; a
    // standard family hides and unticks the couplers and gives the fixed ends back.
    f.Check_GA = f.Check_LH_End_Sup = f.Check_RH_End_Sup = f.Check_LHF = f.Check_RHF = true;
    Choose("Scaffold");
    EXPECT_TRUE(f.Frame_Couplers && f.Frame_Steel && f.Check_LH_End_Sup && f.Check_RH_End_Sup);
    EXPECT_FALSE(f.Check_LHF || f.Check_RHF || f.Check_LHF_Enabled || f.Check_RHF_Enabled || f.Check_GA);
    EXPECT_FALSE(f.Frame_SteelCheck || f.Frame_Shear || f.Frame_Timber);
    Choose("RSJ");
    EXPECT_FALSE(f.Frame_Couplers || f.Check_LH_End_Sup || f.Check_RH_End_Sup || f.Frame_Shear);
    EXPECT_TRUE(f.Check_LHF_Enabled && f.Check_RHF_Enabled);

    // Timber: the frames only; the list and its file stay.
    f.Check_GA = true;
    const Lines rsj = f.List_Sect;
    Choose("Timber");
    EXPECT_EQ(Work.WorkMemberType + "|" + Work.WorkSectionShape, "Timber|Timber");
    EXPECT_TRUE(f.Frame_Timber && f.Frame_Shear && f.Check_GA && !f.Frame_Steel && !f.Frame_SteelCheck);
    EXPECT_TRUE(f.List_Sect == rsj && SectionChoiceVars.SectionFileName == "RSJ.sct");

    // The user's sections without a file: an empty list, quietly for a restore, else the message.
    Model.SectionFamilyCode = "KXSect";
    RestoreBeamForm(f);
    EXPECT_TRUE(f.List_Sect.empty() && Messages().empty());
    Choose("KXSect");
    EXPECT_EQ(Messages(), Lines{"File not found"});
    EXPECT_TRUE(f.List_Sect.empty() && Work.WorkSectionShape == "KXSect");
    EXPECT_TRUE(f.Frame_Shear && f.Frame_Steel && !f.Frame_Timber && !f.Frame_SteelCheck);
}

TEST_F(SectionChoice, DamagedShortenedOrMissingRecord) {
    // An "RSC" of depth 100 with T = 0: no D/T; shear area 100 x 5.
    TSectionRec rec;
    rec.Designation = "odd channel";
    rec.D = 100;
    rec.B = 50;
    rec.t = 5;
    rec.Shape = "RSC";
    WriteSectionFile("KX.sct", std::span(&rec, 1));
    Pick("KXSect", 0);
    EXPECT_EQ(Work.WorkSectionPropLines[4], " D/T = 0.0");
    EXPECT_TRUE(Work.WorkSpanData[3][mfDT] == 0 && Work.WorkSpanData[3][mfShearArea] == 500);
    // A tube's shear area is half its area, 1000 / 2; a box's 2 D t = 2 x 100 x 5.
    rec.A = 1000;
    for (auto [shape, want] : {std::pair{"Tube", 500.0f}, {"Box", 1000.0f}, {"RSC", 500.0f}}) {
        rec.Shape = shape;
        WriteSectionFile("KX.sct", std::span(&rec, 1));
        Pick("KXSect", 0);
        EXPECT_EQ(Work.WorkSpanData[3][mfShearArea], want) << shape;
    }
    // A depth so large that the shear area D x t is beyond a single: an unusable section.
    rec.D = std::numeric_limits<float>::max();
    WriteSectionFile("KX.sct", std::span(&rec, 1));
    EXPECT_FALSE(PickSection(f, 0));
    EXPECT_EQ(Messages(), Lines{beammsg::kSection});
    dialogs->clear();

    // The file cut inside its record, then gone: the message each time, and nothing changed.
    const BeamFormControls before = f;
    const WorkingCopies work = Work;
    std::filesystem::resize_file(dir_.path("KX.sct"), 150);
    EXPECT_FALSE(PickSection(f, 0));
    std::filesystem::remove(dir_.path("KX.sct"));
    EXPECT_FALSE(PickSection(f, 0));
    EXPECT_EQ(Messages(), (Lines{"Read beyond end of file", "File not found"}));
    EXPECT_TRUE(f == before && Work.WorkSpanData == work.WorkSpanData &&
                Work.WorkSectionPropLines == work.WorkSectionPropLines && Work.WorkSectionShape == "RSC");
}

TEST_F(SectionChoice, ARecordWithANumberThatCannotBeUsedIsRefusedAtThePickAndTheCommit) {
    // A user section picked and committed; then its record damaged, one number at a time.
    SaveUserSection("1200");
    Pick("KXSect", 0);
    TypeBeam({"4"});
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    const std::vector<std::uint8_t> committed = WriteKxfFile();
    const TSectionRec sound = ReadSectionFile("KX.sct")[0];
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const struct {
        float TSectionRec::*field;
        int member; // the member field the pick fills from it
        float value;
    } damaged[] = {{&TSectionRec::ry, mfRy, nan},
                   {&TSectionRec::GA, mfGA, nan},
                   {&TSectionRec::PermShear, mfPermShear, nan},
                   {&TSectionRec::PermMoment, mfPermMoment, nan},
                   {&TSectionRec::ry, mfRy, inf},
                   {&TSectionRec::PermMoment, mfPermMoment, -1}};
    const BeamFormControls form = f;
    const WorkingCopies work = Work;
    for (const auto& d : damaged) {
        SCOPED_TRACE(::testing::Message() << "member field " << d.member << " = " << d.value);
        TSectionRec rec = sound;
        rec.*d.field = d.value;
        WriteSectionFile("KX.sct", std::span(&rec, 1));
        dialogs->clear();
        EXPECT_FALSE(PickSection(f, 0));
        EXPECT_EQ(Messages(), Lines{beammsg::kSection});
        EXPECT_TRUE(f == form && Work.WorkSpanData == work.WorkSpanData &&
                    Work.WorkSectionPropLines == work.WorkSectionPropLines);
        // Had the value come into the working rows, the commit refuses it and the model stays.
        for (int row = 0; row <= kRHCantRow; ++row)
            Work.WorkSpanData[row][d.member] = d.value;
        dialogs->clear();
        EXPECT_FALSE(Commit());
        EXPECT_EQ(Messages(), Lines{beammsg::kSection});
        EXPECT_EQ(WriteKxfFile(), committed);
        Work.WorkSpanData = work.WorkSpanData;
    }
}

TEST_F(SectionChoice, JobsAtTheLimitsOfTheFormsAreSavedAndOpenedAgainOrNotWrittenAtAll) {
    // The user section as the editor takes it at its largest, permissible values and GA/Kform of
    // 3.4e38 N and N mm, with ry (which the editor writes as 0) at the largest single.
    std::vector<SectionGridRow> rows = SectionGridShow().Rows;
    rows[0] = {"1", "A designation of 30 letters", "10000", "210000", "3.4e35", "3.4e32", "3.4e35"};
    ASSERT_FALSE(SaveSectionGrid(rows));
    std::vector<TSectionRec> records = ReadSectionFile("KX.sct");
    records[0].ry = std::numeric_limits<float>::max();
    WriteSectionFile("KX.sct", records);

    // 20 spans and two cantilevers of 10 km, 50 loads over five loadcases, every page header text
    // at its capacity; loads of 1e15 kN and kN/m, then the largest the load form takes, whose
    // results no single holds: Save refuses that job and the file saved before stays.
    const std::string path = dir_.path("job.kxf"), header(100, 'H');
    const std::vector<std::string> spans(20, "10000");
    for (const char* load : {"1e15", "3.4e35"}) {
        SCOPED_TRACE(load);
        NewBeam(host);
        Model.HeaderCompany = Model.HeaderUser = Model.HeaderProject1 = Model.HeaderProject2 =
            Model.HeaderJobDesc = Model.HeaderJobRef = header;
        Pick("KXSect", 0);
        TypeBeam(spans, spans[0], spans[0]);
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        LoadFormControls lf;
        RecordingCanvas canvas2;
        LoadFormPicture lp{canvas2, 743, 145};
        LoadFormShow(lf, lp);
        const double step = Model.BeamLength / 1000 / kLoadRows; // m
        for (int n = 1; n <= kLoadRows; ++n) {
            LoadRowControls& r = lf.Rows[n];
            r.OptionP = n % 2 == 1;
            r.OptionUDL = !r.OptionP;
            SetLoadRowMode(lf, n);
            r.Edit_Dist.Text = std::to_string(step * (n - 1));
            for (EditBox* e : r.OptionP ? std::vector{&r.Edit_PL} : std::vector{&r.Edit_UDLS, &r.Edit_UDLF})
                e->Text = load;
            if (r.OptionUDL) r.Edit_Cover.Text = std::to_string(step);
        }
        for (int c = 1; c <= kMaxLoadcases; ++c) {
            lf.Edit_Case = c;
            LoadcaseClicked(lf, lp);
            for (int n = c; n <= kLoadRows; n += kMaxLoadcases) {
                lf.Rows[n].Check = true;
                ApplyClicked(lf, n, lp);
            }
        }
        ASSERT_EQ(CommitLoads(lf, lp), LoadRoute::Analysis) << ::testing::PrintToString(Messages());
        AnalyseBeam(host);
        ASSERT_EQ(Model.LoadcaseCount, 5);

        const std::vector<std::uint8_t> before =
            load[0] == '3' ? ReadWholeFile(path) : std::vector<std::uint8_t>();
        Model.BeamFileName = path;
        dialogs->clear();
        SaveBeamFile(host);
        if (load[0] == '3') {
            EXPECT_EQ(Messages(), Lines{kFileSavingError});
            EXPECT_EQ(ReadWholeFile(path), before);
            continue;
        }
        EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
        const std::vector<std::uint8_t> saved = ReadWholeFile(path);
        ASSERT_TRUE(OpenBeamFile(host, path));
        EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
        EXPECT_TRUE(Model.HeaderJobRef.str() == header && Model.SpanData[1][mfRy] == records[0].ry);
        SaveBeamFile(host);
        EXPECT_TRUE(ReadWholeFile(path) == saved);
    }
}

TEST_F(SectionChoice, AUserSectionFileThatIsNoFileOrTooLongIsRefusedUnread) {
    // A section picked from the file the editor saved: 250 records, the most a section file holds.
    SaveUserSection("1200");
    Pick("KXSect", 0);
    const std::string path = dir_.path("KX.sct");
    const std::vector<std::uint8_t> saved = ReadWholeFile(path);
    ASSERT_EQ(saved.size(), 250u * 200u);
    const WorkingCopies work = Work;
    // A pipe that nobody writes to would hold the window up for ever and a long file would be listed
    // whole (a device that never ends meets the same reader's refusal: tests/platform).
    for (std::uintmax_t size : {0u, 250u * 200u + 1, 100000u * 200u}) {
        SCOPED_TRACE(size == 0 ? "pipe" : std::to_string(size) + " bytes");
        std::filesystem::remove(path);
        if (size == 0) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        } else {
            WriteFileDirect(path, saved);
            std::filesystem::resize_file(path, size);
        }
        dialogs->clear();
        const auto before = BytesReadSoFar();
        Choose("KXSect");
        EXPECT_TRUE(f.List_Sect.empty());
        EXPECT_FALSE(PickSection(f, 0));
        const SectionGridContent grid = SectionGridShow();
        EXPECT_EQ(grid.Rows[0], SectionGridRow{"1"});
        try {
            SaveSectionGrid(grid.Rows);
            ADD_FAILURE() << "written over";
        } catch (const IoError& e) {
            EXPECT_STREQ(e.what(), "File access denied");
        }
        if (before) {
            EXPECT_LT(*BytesReadSoFar() - *before, 65536u);
        }
        EXPECT_EQ(Messages(), Lines(3, "File access denied"));
        EXPECT_TRUE(Work.WorkSpanData == work.WorkSpanData &&
                    Work.WorkSectionPropLines == work.WorkSectionPropLines);
    }
    EXPECT_EQ(std::filesystem::file_size(path), 100000u * 200u) << "the long file is left as it was";
}

TEST_F(SectionChoice, TimberSizeInMillimetresOrRefused) {
    Model.UnitFactorSectLength = 10; // sizes typed in cm
    f.Edit_Timber_W = "4.7";
    f.Edit_Timber_H = "15";
    const auto texts = TimberSizeChosen(f);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->lbl_Width + " " + texts->lbl_Depth, "47.00 150.0");
    // 0, below 0, not a number or too large: the message and nothing changed.
    const std::pair<const char*, const char*> bad[] = {{"0", "15"}, {"-5", "20"}, {"5", "x"}, {"1e39", "5"}};
    for (const auto& [w, h] : bad) {
        f.Edit_Timber_W = w;
        f.Edit_Timber_H = h;
        EXPECT_FALSE(TimberSizeChosen(f)) << w << " x " << h;
    }
    EXPECT_EQ(Messages(), Lines(4, "Input beam size"));
    EXPECT_TRUE(Work.TimberWidth == 47.0f && Work.TimberDepth == 150.0f);
}

TEST_F(SectionChoice, OpenBeamKeepsItsSectionUntilPickedAgain) {
    SaveUserSection("1200");
    Pick("KXSect", 0);
    TypeBeam({"4"});
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    // Ixx changed to 1500 cm^4 and saved: the list is read again, the sections stay.
    f.List_Sect = {"stale"};
    SaveUserSection("1500");
    UserSectionFileSaved(f);
    EXPECT_TRUE(f.List_Sect.size() == 250 && f.List_Sect[0] == "Alu beam");
    EXPECT_TRUE(Work.WorkSpanData[1][mfIxx] == 1.2e7f && Model.SpanData[1][mfIxx] == 1.2e7f);
    // Picked and committed again: the new value.
    ASSERT_TRUE(PickSection(f, 0));
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    EXPECT_EQ(Model.SpanData[1][mfIxx], 1.5e7f);

    // A list of another file is left alone, and so is the list a new beam emptied.
    Choose("UB");
    f.List_Sect = {"other"};
    UserSectionFileSaved(f);
    EXPECT_EQ(f.List_Sect, Lines{"other"});
    Choose("KXSect");
    ResetBeamForm(f);
    UserSectionFileSaved(f);
    EXPECT_TRUE(f.List_Sect.empty());
}

} // namespace

namespace {

// Every family of the section menus, the last (Timber) included: its menu item, caption, code,
// file, the group caption its loader shows and whether it may be code checked.
// New after a beam was committed shows the form as the first New showed it, and leaves the working
// beam as that New left it: no group, section, lengths, ticks, couplers or timber size. (Entry 0 of
// the property lines, their count, is written by every pick before a commit can read it.)
TEST_F(SectionChoice, NewAfterAUsedFormShowsItAsTheFirstNewDid) {
    const auto work = [] {
        const WorkingCopies& w = Work;
        Arr<std::string, 0, 50> lines = w.WorkSectionPropLines;
        lines[0].clear();
        return std::tuple{w.WorkBeamLength,
                          w.WorkSectionShape,
                          w.WorkMemberType,
                          w.SectionFamily,
                          w.WorkFlangeThickness,
                          w.WorkWebThickness,
                          lines,
                          w.WorkSpanData,
                          w.WorkSpanCount,
                          w.WorkSupportType,
                          w.WorkSupportStiffness,
                          SectionChoiceVars.SectionFileName};
    };
    const BeamFormControls asNew = f;
    const auto newWork = work();
    Pick("UB", 0);
    ASSERT_EQ(f.lbl_Group, "Beam");
    TypeBeam({"3", "4"}, "1.5", "1");
    f.Check_GA = f.Check_LHF = f.Check_RHF = true;
    f.Option_None = false, f.Option_Check = true;
    f.Edit_L = "9";
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    // What a scaffold or timber section leaves on the form.
    f.Check_LH_End_Sup = f.Check_Span_Sup = f.Check_RH_End_Sup = true;
    f.Option_Forkhead = true, f.Option_Vert_Fixed = false;
    f.lbl_GA = "1770";
    f.List_TimProps = {"C16"};
    f.Edit_Timber_W = "47";
    f.Edit_Timber_H = "150";
    Work.WorkSupportType[1] = supCouplerTop;
    Work.WorkSupportStiffness[1] = 1.0f;
    NewBeam(host);
    BeamFormShow(f);
    EXPECT_EQ(f.lbl_Group, "");
    EXPECT_TRUE(f == asNew);
    EXPECT_TRUE(work() == newWork);
}

TEST_F(SectionChoice, EveryFamilyShowsItsOwnGroupAndFile) {
    const struct {
        const char *item, *caption, *code, *file, *group;
        CodeCheck check;
    } rows[] = {
        {"UniversalBeams1", "Universal Beams", "UB", "UB.sct", "Beam", CodeCheck::Allowed},
        {"UniveralColumns1", "Univeral Columns", "UC", "UC.sct", "Universal Column", CodeCheck::Allowed},
        {"RSJ1", "RSJ", "RSJ", "RSJ.sct", "RSJ", CodeCheck::Allowed},
        {"IPE1", "IPE", "IPE", "IPE.sct", "IPE", CodeCheck::Allowed},
        {"HE1", "HE", "HE", "HE.sct", "HE Beam", CodeCheck::Allowed},
        {"WShapeBeams1", "W Shape Beams", "WFB", "WsBeam.sct", "Wide Flanged Beam", CodeCheck::Allowed},
        {"WShapeColumns1", "W Shape Columns", "WFC", "WsCol.sct", "Wide Flanged Column", CodeCheck::Allowed},
        {"RSC1", "RSC", "RSC", "RSC.sct", "Rolled Steel Channel", CodeCheck::Allowed},
        {"PFC1", "PFC", "PFC", "PFC.sct", "Parallel Flanged Channel", CodeCheck::Allowed},
        {"UPN1", "UPN", "UPN", "UPN.sct", "Rolled Steel Channel", CodeCheck::Allowed},
        {"CShape1", "C Shape", "C", "C.sct", "Rolled Steel Channel", CodeCheck::Allowed},
        {"EqualRSA1", "Equal RSA", "EqRSA", "EqRSA.sct", "Rolled Steel Angle", CodeCheck::Refused},
        {"UnequalRSA1", "Unequal RSA", "UnEqRSA", "UnEqRSA.sct", "Rolled Steel Angle", CodeCheck::Refused},
        {"EqualL1", "Equal 'L'", "EqL", "EqL.sct", "Rolled Steel Angle", CodeCheck::Refused},
        {"UnequalL1", "Unequal 'L'", "UnEqL", "UnEqL.sct", "Rolled Steel Angle", CodeCheck::Refused},
        {"RHS1", "RHS", "RHS", "RHS.sct", "Rectangular Hollow Section", CodeCheck::Refused},
        {"CHS1", "CHS", "CHS", "CHS.sct", "Circular Hollow Section", CodeCheck::Refused},
        {"Tube1", "Scaffold ", "Scaffold", "Scaf.sct", "Scaffold", CodeCheck::NotOffered},
        {"Miscellaneous1", "KX Sections", "KXSect", "KX.sct", "Miscellaneous", CodeCheck::NotOffered},
        {"Timber1", "Timber", "Timber", "", "Miscellaneous", CodeCheck::NotOffered}, // the group stays
    };
    ASSERT_EQ(SectionFamilies().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        const SectionFamilyRow& family = SectionFamilies()[i];
        SCOPED_TRACE(r.code);
        EXPECT_EQ((Lines{family.Item, family.Caption, family.Code, family.FileName}),
                  (Lines{r.item, r.caption, r.code, r.file}));
        EXPECT_EQ(std::string(family.Handler), std::string(r.item) + "Click");
        EXPECT_EQ(family.Check, r.check);
        Choose(r.code);
        EXPECT_EQ(f.lbl_Group, r.group);
        EXPECT_EQ(Work.SectionFamily, r.code);
    }
}

} // namespace

namespace {

// The beam form as it is made, before any New: one span, no coupler ticked, so that a scaffold
// family chosen first (which keeps the coupler ticks as they stand) couples no support unasked.
TEST_F(SectionChoice, TheFirstFormCouplesNothingUntilTheUserTicks) {
    f = FirstBeamForm();
    EXPECT_FALSE(f.Check_LH_End_Sup || f.Check_Span_Sup || f.Check_RH_End_Sup || f.Check_Span_Sup_Enabled);
    EXPECT_TRUE(f.Option_Vert_Fixed && !f.Option_Forkhead && f.Option_None && !f.Option_Check);
    EXPECT_EQ((Lines{f.Edit_Spans, f.Grid_Spans.Cell(0, 0), f.Grid_Spans.Cell(1, 0)}),
              (Lines{"1", " Spans", " Span 1 "}));
    EXPECT_EQ(f.Grid_Spans.ColCount(), 2);
    Choose("Scaffold");
    TypeBeam({"2", "2"});
    for (int k = 0; k <= kRHEndSupport; ++k)
        EXPECT_EQ(Work.WorkSupportType[k], supFixed) << k;
}

} // namespace
