// The print options and set header windows headless: their captions, ticks that last, OK to the
// recording printer and to a real PDF read back with poppler's tools, the header texts stored.
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "WiringTables.h"
#include "app/Forms.h"
#include "engine/ResultText.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinter.h"
#include "window/DrawingTestSupport.h"
#include "window/ui/Print.h"
#include "window/ui/SetHeader.h"

using namespace kx;

namespace {

class PrintFrmTest : public FormsTest {
protected:
    TPrintFrm& frm() { return *Forms.PrintFrm; }
    TSetHeaderFrm& header() { return *Forms.SetHeaderFrm; }
    RecordingPrinter& recorder() { return dynamic_cast<RecordingPrinter&>(printer()); }
    void SetUp() override {
        FormsTest::SetUp();
        recorder() = RecordingPrinter();
        kx::test::PrintBeamB();
        Drawing.ShownCase = 1;
    }
    // Prints on p instead of the installed printer.
    void ClickOk(Printer& p) {
        Printer& installed = printer();
        InstallPrinter(&p);
        frm().Cmd_OK->click();
        InstallPrinter(&installed);
    }
};

class CancellingPrinter : public RecordingPrinter {
public:
    void BeginDoc() override { throw PrintCancelled(); }
};

QString RunTool(const QString& program, QStringList args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

} // namespace

TEST_F(PrintFrmTest, OkPrintsTheTickedSectionsThenHidesAndTheTicksLast) {
    const std::pair<QAbstractButton*, const char*> captions[] = {
        {frm().Check_Beam, "Beam and Loading Data + Results Maxima"},
        {frm().Check_Envelope, "Envelope Diagrams"},
        {frm().Check_Env20, "Envelope Data at:"},
        {frm().Option_10, "1/10th Span"},
        {frm().Option_20, "1/20th Span"},
        {frm().Check_Case, "Loadcase Diagrams"},
        {frm().Check_Case20, "Loadcase Data at 1/20th Span"},
        {frm().Cmd_OK, "OK"}};
    for (const auto& [button, caption] : captions) {
        EXPECT_EQ(FromQt(button->text()), caption);
        EXPECT_EQ(button->isChecked(), button == frm().Option_10) << caption;
    }
    EXPECT_EQ(frm().windowTitle(), "Print Options");
    EXPECT_EQ(frm().Frame_Envelope->title(), " Envelope Data (more than one loadcase)");
    EXPECT_EQ(frm().Frame_Description->title(), "Description");
    EXPECT_EQ(frm().Option_20->parentWidget(), frm().Frame_Envelope);
    kxtest::ExpectRoundTrip(frm().Bindings);
    EXPECT_EQ(kxtest::UnboundInputs(&frm(), frm().Bindings), std::set<std::string>{});
    frm().Option_20->setChecked(true); // one exclusive pair
    EXPECT_TRUE(frm().Bindings.Read().Option_20 && !frm().Bindings.Read().Option_10);
    frm().Option_10->setChecked(true);
    EXPECT_TRUE(frm().Bindings.Read().Option_10 && !frm().Bindings.Read().Option_20);
    Model.HeaderProject1 = "Bridge Street"; // the description shows the header texts on each showing
    frm().show();
    EXPECT_EQ(frm().lbl_Project_1->text(), "Bridge Street");
    frm().hide();

    frm().show();
    frm().Cmd_OK->click();
    EXPECT_FALSE(frm().isVisible()) << "nothing ticked: hidden";
    EXPECT_TRUE(recorder().pages.empty());
    frm().show();
    frm().Check_Beam->setChecked(true);
    frm().Check_Case20->setChecked(true);
    frm().Cmd_OK->click();
    EXPECT_FALSE(frm().isVisible());
    EXPECT_TRUE(recorder().ended);
    EXPECT_EQ(recorder().pages.size(), 7u) << "beam data, then three pages a loadcase";
    frm().show();
    EXPECT_TRUE(frm().Check_Beam->isChecked() && frm().Check_Case20->isChecked());
    EXPECT_TRUE(dialogs_->messages().empty());

    // A cancel ends quietly, a failure shows its error: both keep the window, as does no beam.
    frm().Check_Case20->setChecked(false);
    CancellingPrinter cancelling;
    ClickOk(cancelling);
    EXPECT_TRUE(frm().isVisible());
    EXPECT_TRUE(dialogs_->shown.empty()) << "no error box for a cancel";
    Txt.MaximaLines[0] = "x";
    RecordingPrinter failing;
    ClickOk(failing);
    EXPECT_TRUE(frm().isVisible());
    EXPECT_TRUE(failing.aborted);
    ASSERT_EQ(dialogs_->messages().size(), 1u);
    EXPECT_EQ(dialogs_->shown[0].caption, "KX-Flexor");
    Model.BeamLength = 0;
    RecordingPrinter none;
    ClickOk(none);
    EXPECT_TRUE(frm().isVisible());
    EXPECT_TRUE(none.pages.empty());
    frm().hide();
}

TEST_F(PrintFrmTest, SetHeaderStoresTheTextsShownOnThePrintOptionsAndItsCloseBoxNothing) {
    Model.HeaderCompany = "Acme Temporary Works";
    Model.HeaderUser = "J Bloggs";
    std::vector<std::string> labels;
    for (QLabel* l : {header().Label1, header().Label2, header().Label3, header().Label4, header().Label5})
        labels.push_back(FromQt(l->text()));
    EXPECT_EQ(labels, (std::vector<std::string>{"Company", "User", "Project", "Job Description", "Job Ref"}));
    EXPECT_TRUE(header().isModal());
    kxtest::ExpectRoundTrip(header().Bindings);
    EXPECT_EQ(kxtest::UnboundInputs(&header(), header().Bindings), std::set<std::string>{});
    header().show();
    EXPECT_FALSE(header().Edit_Company->isEnabled());
    EXPECT_EQ(header().Edit_Company->text(), "Acme Temporary Works");
    header().Edit_User->setText("Someone Else");
    header().close();
    EXPECT_EQ(header().result(), QDialog::Rejected);
    EXPECT_EQ(Model.HeaderUser, "J Bloggs");

    header().show();
    EXPECT_EQ(header().Edit_User->text(), "J Bloggs") << "the edits show the stored texts again";
    header().Edit_User->setText("K Smith");
    header().Edit_Project_2->setText(QStringLiteral("Phase 2 \u2013 east")); // an en dash has no Latin-1 byte
    header().Button1->click();
    EXPECT_EQ(header().result(), QDialog::Accepted);
    EXPECT_FALSE(header().isVisible());
    EXPECT_EQ(Model.HeaderUser, "K Smith");
    EXPECT_EQ(Model.HeaderProject2, "Phase 2 ? east");
    EXPECT_EQ(frm().lbl_Project_2->text(), "Phase 2 ? east") << "shown on the print options at once";

    // File New empties the job texts, keeping company and user.
    ResetAllInputForms();
    for (QLineEdit* e :
         {header().Edit_Project_1, header().Edit_Project_2, header().Edit_JobDesc, header().Edit_Ref})
        EXPECT_TRUE(e->text().isEmpty()) << FromQt(e->objectName());
    EXPECT_EQ(header().Edit_User->text(), "K Smith");
}

// What a real PDF holds beyond the recorded pages: the pages themselves, the fonts standing in,
// and columns that line up in the printed faces.
TEST_F(PrintFrmTest, AllFiveSectionsOfBeamBPrintTwelvePagesToAPdf) {
    const QString pdf = QString::fromStdString(dir_.path("report.pdf"));
    QtPrinter real(pdf.toStdString());
    frm().show();
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{frm().Check_Beam, frm().Check_Envelope, frm().Check_Env20,
                                                 frm().Option_20, frm().Check_Case, frm().Check_Case20})
        b->setChecked(true);
    ClickOk(real);
    EXPECT_FALSE(frm().isVisible());
    EXPECT_TRUE(dialogs_->messages().empty());

    EXPECT_TRUE(RunTool("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+12")));
    auto page = [&](int n, bool layout) {
        QStringList args{"-f", QString::number(n), "-l", QString::number(n)};
        if (layout) args << "-layout";
        return RunTool("pdftotext", args << pdf << "-");
    };
    EXPECT_TRUE(page(1, false).contains("Page 1") && page(12, false).contains("Page 12"));
    // Where the system lacks the faces the reports name, their metric twins stand in.
    if (!QFontDatabase::hasFamily("Arial")) {
        const QString fonts = RunTool("pdffonts", {pdf});
        EXPECT_TRUE(fonts.contains("LiberationSans") && fonts.contains("LiberationMono"))
            << fonts.toStdString();
    }
    // The reactions of loadcase 1 stand with their decimal points in one column.
    std::vector<qsizetype> points;
    for (const QString& line : page(7, true).split('\n'))
        for (const char* reaction : {" 8.125", " 13.750", " -1.875"})
            if (line.endsWith(QLatin1String(reaction))) points.push_back(line.lastIndexOf('.'));
    ASSERT_EQ(points.size(), 3u) << page(7, true).toStdString();
    EXPECT_TRUE(points[0] == points[1] && points[1] == points[2]);
}

TEST_F(PrintFrmTest, EveryChoiceIsUsableWithOneLoadcaseOrAllShownAndEachPrintsItsOwnSection) {
    const std::vector<std::string> choices = {"Check_Beam", "Check_Envelope", "Check_Env20",  "Option_10",
                                              "Option_20",  "Check_Case",     "Check_Case20", "Cmd_OK"};
    const auto shown = [this](int loadcase) {
        return [this, loadcase] {
            frm().hide();
            Drawing.ShownCase = loadcase;
            frm().show();
        };
    };
    kxtest::ExpectStates(&frm(),
                         {{"one loadcase shown", shown(1), choices, {}, choices, {"Panel1", "Panel2"}},
                          {"all loadcases shown", shown(0), choices, {}, choices, {"Panel1", "Panel2"}}});

    // Each choice alone, then OK: the job holds that section only, known by its first title and
    // its pages (beam B has two loadcases).
    const auto prints = [this](const char* title, std::size_t pages) {
        return [this, title, pages] {
            EXPECT_FALSE(frm().isVisible());
            ASSERT_EQ(recorder().pages.size(), pages);
            EXPECT_TRUE(recorder().pages[0]->hasText(title)) << title;
        };
    };
    const auto only = [this](std::vector<QAbstractButton*> ticked) {
        return [this, ticked] {
            recorder() = RecordingPrinter();
            frm().show();
            for (QAbstractButton* b : {frm().Check_Beam, frm().Check_Envelope, frm().Check_Env20,
                                       frm().Check_Case, frm().Check_Case20})
                b->setChecked(false);
            for (QAbstractButton* b : ticked)
                b->setChecked(true);
        };
    };
    const auto then = [this](const char* control) {
        return [this, control] {
            kxtest::Click(&frm(), control);
            frm().Cmd_OK->click();
        };
    };
    const char* const env10 = "Results Envelope at 1/10th Span Intervals";
    const char* const env20 = "Results Envelope at 1/20th Span Intervals";
    kxtest::ExpectEffects(
        &frm(),
        {{"Check_Beam", only({}), prints("Beam & Loading Data + Results Summary", 1), then("Check_Beam")},
         {"Check_Envelope", only({}), prints("  Envelope Diagrams ", 1), then("Check_Envelope")},
         {"Check_Env20", only({frm().Option_10}), prints(env10, 2), then("Check_Env20")},
         {"Option_20", only({frm().Check_Env20}), prints(env20, 2), then("Option_20")},
         {"Option_10", only({frm().Check_Env20, frm().Option_20}), prints(env10, 2), then("Option_10")},
         {"Check_Case", only({}), prints(" LOADCASE 1", 2), then("Check_Case")},
         {"Check_Case20", only({}), prints("LOADCASE 1", 6), then("Check_Case20")},
         {"Cmd_OK", only({}), [this] {
              EXPECT_FALSE(frm().isVisible());
              EXPECT_TRUE(recorder().pages.empty());
          }}});
}

TEST_F(PrintFrmTest, SetHeaderLetsAllButTheCompanyBeEditedAndOkStoresThem) {
    Model.HeaderCompany = "Acme Temporary Works";
    kxtest::ExpectStates(&header(),
                         {{"shown",
                           [this] { header().show(); },
                           {"Edit_User", "Edit_Project_1", "Edit_Project_2", "Edit_JobDesc", "Edit_Ref"},
                           {"Edit_Company"}}});
    kxtest::ExpectEffects(&header(), {{"Button1", [this] { header().Edit_Ref->setText("TW/042"); },
                                       [this] {
                                           EXPECT_EQ(header().result(), QDialog::Accepted);
                                           EXPECT_FALSE(header().isVisible());
                                           EXPECT_EQ(Model.HeaderJobRef, "TW/042");
                                           EXPECT_EQ(frm().lbl_Ref->text(), "TW/042");
                                       }}});
}

// Every text of the header differs from every other and from what was stored: OK stores each in
// its own field, the print options show each in its own label, and the next showing shows each in
// its own edit.
TEST_F(PrintFrmTest, SetHeaderStoresEachTextInItsOwnField) {
    Model.HeaderCompany = "Co", Model.HeaderUser = "U0", Model.HeaderProject1 = "P0";
    Model.HeaderProject2 = "Q0", Model.HeaderJobDesc = "D0", Model.HeaderJobRef = "R0";
    frm().show();
    header().show();
    header().Edit_User->setText("User 1");
    header().Edit_Project_1->setText("Project line 1");
    header().Edit_Project_2->setText("Project line 2");
    header().Edit_JobDesc->setText("Needle beams");
    header().Edit_Ref->setText("TW/7");
    header().Button1->click();
    using V = std::vector<std::string>;
    EXPECT_EQ((V{Model.HeaderCompany, Model.HeaderUser, Model.HeaderProject1, Model.HeaderProject2,
                 Model.HeaderJobDesc, Model.HeaderJobRef}),
              (V{"Co", "User 1", "Project line 1", "Project line 2", "Needle beams", "TW/7"}));
    EXPECT_EQ((V{FromQt(frm().lbl_Project_1->text()), FromQt(frm().lbl_Project_2->text()),
                 FromQt(frm().lbl_JobDesc->text()), FromQt(frm().lbl_Ref->text())}),
              (V{"Project line 1", "Project line 2", "Needle beams", "TW/7"}));
    Model.HeaderUser = "User 2"; // stored elsewhere meanwhile: the next showing reads the model
    header().show();
    EXPECT_EQ((V{FromQt(header().Edit_Company->text()), FromQt(header().Edit_User->text()),
                 FromQt(header().Edit_Project_1->text()), FromQt(header().Edit_Project_2->text()),
                 FromQt(header().Edit_JobDesc->text()), FromQt(header().Edit_Ref->text())}),
              (V{"Co", "User 2", "Project line 1", "Project line 2", "Needle beams", "TW/7"}));
    header().hide();
    frm().hide();
}

namespace {

// Each control of the print options stands where the window's layout puts it, in its own frame:
// the envelope ticks and the spacing choice inside the envelope frame, the four header texts 26 px
// apart inside the description frame; the window keeps its fixed 657 x 425.
TEST_F(PrintFrmTest, EveryControlStandsInItsPlaceInsideItsFrame) {
    struct Row {
        QWidget* control;
        QWidget* parent;
        QRect place;
    };
    TPrintFrm& f = frm();
    const std::vector<Row> rows{
        {f.Check_Beam, &f, {24, 16, 400, 24}},
        {f.Frame_Envelope, &f, {16, 52, 420, 128}},
        {f.Check_Envelope, f.Frame_Envelope, {16, 28, 200, 24}},
        {f.Check_Env20, f.Frame_Envelope, {16, 62, 160, 24}},
        {f.Option_10, f.Frame_Envelope, {200, 62, 160, 24}},
        {f.Option_20, f.Frame_Envelope, {200, 92, 160, 24}},
        {f.Check_Case, &f, {24, 196, 300, 24}},
        {f.Check_Case20, &f, {24, 228, 300, 24}},
        {f.Frame_Description, &f, {16, 268, 500, 140}},
        {f.lbl_Project_1, f.Frame_Description, {16, 28, 470, 22}},
        {f.lbl_Project_2, f.Frame_Description, {16, 54, 470, 22}},
        {f.lbl_JobDesc, f.Frame_Description, {16, 80, 470, 22}},
        {f.lbl_Ref, f.Frame_Description, {16, 106, 470, 22}},
        {f.Cmd_OK, &f, {544, 372, 97, 33}},
    };
    f.show();
    for (const Row& r : rows) {
        EXPECT_EQ(r.control->parentWidget(), r.parent) << r.control->objectName().toStdString();
        EXPECT_EQ(r.control->geometry(), r.place) << r.control->objectName().toStdString();
        EXPECT_TRUE(r.control->isVisible()) << r.control->objectName().toStdString();
    }
    EXPECT_EQ(f.size(), QSize(657, 425));
    f.hide();
}

// The set header window likewise: each caption left of its box on the same line, the second
// project line under the first, the short job reference box, OK at the foot; fixed 480 x 256.
TEST_F(PrintFrmTest, EveryControlOfTheSetHeaderStandsInItsPlace) {
    TSetHeaderFrm& h = header();
    const std::vector<std::pair<QWidget*, QRect>> rows{
        {h.Label1, {16, 16, 116, 24}},           {h.Edit_Company, {140, 16, 324, 24}},
        {h.Label2, {16, 48, 116, 24}},           {h.Edit_User, {140, 48, 324, 24}},
        {h.Label3, {16, 80, 116, 24}},           {h.Edit_Project_1, {140, 80, 324, 24}},
        {h.Edit_Project_2, {140, 108, 324, 24}}, {h.Label4, {16, 140, 116, 24}},
        {h.Edit_JobDesc, {140, 140, 324, 24}},   {h.Label5, {16, 172, 116, 24}},
        {h.Edit_Ref, {140, 172, 121, 24}},       {h.Button1, {368, 212, 96, 30}},
    };
    h.show();
    for (const auto& [control, place] : rows) {
        EXPECT_EQ(control->parentWidget(), &h) << control->objectName().toStdString();
        EXPECT_EQ(control->geometry(), place) << control->objectName().toStdString();
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    }
    EXPECT_EQ(h.size(), QSize(480, 256));
    h.hide();
}

} // namespace
