// The print options window headless: its controls, ticks that last, OK to the recording printer and
// to a real PDF read back with poppler's tools.
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "engine/ResultText.h"
#include "platform/QtPrinter.h"
#include "window/DrawingState.h"
#include "window/PrintTestSupport.h"
#include "window/ui/Print.h"

using namespace kx;

namespace {

class PrintFrmTest : public FormsTest {
protected:
    TPrintFrm& frm() { return *Forms.PrintFrm; }
    RecordingPrinter& recorder() { return dynamic_cast<RecordingPrinter&>(printer()); }
    void SetUp() override {
        FormsTest::SetUp();
        recorder().pages.clear();
    }
};

class CancellingPrinter : public RecordingPrinter {
public:
    void BeginDoc() override { throw PrintCancelled(); }
};

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

} // namespace

TEST_F(PrintFrmTest, HasItsCaptionsSizeAndStartingChoices) {
    EXPECT_EQ(frm().windowTitle(), QStringLiteral("Print Options"));
    EXPECT_EQ(frm().minimumSize(), QSize(657, 425));
    EXPECT_EQ(frm().maximumSize(), QSize(657, 425));
    EXPECT_FALSE(frm().windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(frm().isModal());
    const std::vector<std::pair<QAbstractButton*, const char*>> captions{
        {frm().Check_Beam, "Beam and Loading Data + Results Maxima"},
        {frm().Check_Envelope, "Envelope Diagrams"},
        {frm().Check_Env20, "Envelope Data at:"},
        {frm().Option_10, "1/10th Span"},
        {frm().Option_20, "1/20th Span"},
        {frm().Check_Case, "Loadcase Diagrams"},
        {frm().Check_Case20, "Loadcase Data at 1/20th Span"},
        {frm().Cmd_OK, "OK"}};
    for (const auto& [button, caption] : captions) {
        EXPECT_EQ(button->text(), QString::fromLatin1(caption));
        EXPECT_EQ(button->isChecked(), button == frm().Option_10) << caption;
    }
    EXPECT_EQ(frm().Frame_Envelope->title(), QStringLiteral(" Envelope Data (more than one loadcase)"));
    EXPECT_EQ(frm().Frame_Description->title(), QStringLiteral("Description"));
    for (QWidget* w : {static_cast<QWidget*>(frm().Check_Envelope), static_cast<QWidget*>(frm().Option_20)})
        EXPECT_EQ(w->parentWidget(), frm().Frame_Envelope);
    frm().Option_20->setChecked(true);
    EXPECT_FALSE(frm().Option_10->isChecked()) << "one exclusive pair";

    Model.HeaderProject1 = "Bridge Street";
    Model.HeaderJobRef = "JR-7";
    frm().show();
    EXPECT_EQ(frm().lbl_Project_1->text(), QStringLiteral("Bridge Street"));
    EXPECT_EQ(frm().lbl_Ref->text(), QStringLiteral("JR-7"));
    EXPECT_TRUE(frm().lbl_Project_2->text().isEmpty());
    frm().hide();
}

TEST_F(PrintFrmTest, OkPrintsTheTickedSectionsThenHidesAndTheTicksLast) {
    kx::test::AnalyseBeamB();
    Drawing.ShownCase = 1;
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
    EXPECT_TRUE(frm().Check_Beam->isChecked());
    EXPECT_TRUE(frm().Check_Case20->isChecked());
    EXPECT_TRUE(dialogs_->messages().empty());

    // No beam: the window stays and nothing prints.
    recorder().pages.clear();
    Model.BeamLength = 0;
    frm().Cmd_OK->click();
    EXPECT_TRUE(frm().isVisible());
    EXPECT_TRUE(recorder().pages.empty());
    frm().hide();
}

TEST_F(PrintFrmTest, ACancelEndsQuietlyAndAFailureShowsItsErrorBothKeepingTheWindow) {
    kx::test::AnalyseBeamB();
    frm().show();
    frm().Check_Beam->setChecked(true);
    RecordingPrinter& recording = recorder();
    {
        CancellingPrinter cancelling;
        InstallPrinter(&cancelling);
        frm().Cmd_OK->click();
        InstallPrinter(&recording);
    }
    EXPECT_TRUE(frm().isVisible());
    EXPECT_TRUE(dialogs_->shown.empty()) << "no error box for a cancel";

    Txt.MaximaLines[0] = "x";
    frm().Cmd_OK->click();
    EXPECT_TRUE(frm().isVisible());
    EXPECT_TRUE(recorder().aborted);
    ASSERT_EQ(dialogs_->messages().size(), 1u);
    EXPECT_EQ(dialogs_->shown[0].caption, "KX-Flexor");
    frm().hide();
}

TEST_F(PrintFrmTest, AllFiveSectionsOfBeamBPrintTwelvePagesToAPdf) {
    kx::test::AnalyseBeamB();
    Drawing.ShownCase = 1;
    Model.HeaderCompany = "Acme Temporary Works";
    Model.HeaderUser = "J Bloggs";
    Model.HeaderProject1 = "Bridge Street";
    Model.HeaderProject2 = "Phase 2";
    Model.HeaderJobDesc = "Needle beams";
    Model.HeaderJobRef = "JR-7";
    Model.BeamFileName = dir_.path("needle.kxf");
    const std::string pdf = dir_.path("report.pdf");
    QtPrinter real(pdf);
    struct Reinstall {
        Printer& recording;
        ~Reinstall() { InstallPrinter(&recording); }
    } reinstall{recorder()};
    InstallPrinter(&real);
    frm().show();
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{frm().Check_Beam, frm().Check_Envelope, frm().Check_Env20,
                                                 frm().Option_20, frm().Check_Case, frm().Check_Case20})
        b->setChecked(true);
    frm().Cmd_OK->click();
    EXPECT_FALSE(frm().isVisible());
    EXPECT_TRUE(dialogs_->messages().empty());

    const QString file = QString::fromStdString(pdf);
    EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {file})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+12"))));
    auto page = [&](int n, bool layout) {
        QStringList args{QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"), QString::number(n)};
        if (layout) args << QStringLiteral("-layout");
        return RunTool(QStringLiteral("pdftotext"), args << file << QStringLiteral("-"));
    };
    const QString first = page(1, false);
    for (const char* text : {"KX-Flexor", "Acme Temporary Works", "by", "J Bloggs", "Bridge Street",
                             "Phase 2", "Needle beams", "JR-7", "Page 1", "Results Summary", "Point Loads"})
        EXPECT_TRUE(first.contains(QString::fromLatin1(text))) << text << "\n" << first.toStdString();
    EXPECT_TRUE(first.contains(QString::fromStdString(Model.BeamFileName))) << "the beam file's whole path";
    EXPECT_TRUE(page(12, false).contains(QStringLiteral("Page 12")));

    // Where the system lacks the faces the reports name, their metric twins stand in.
    if (!QFontDatabase::hasFamily(QStringLiteral("Arial"))) {
        const QString fonts = RunTool(QStringLiteral("pdffonts"), {file});
        EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans"))) << fonts.toStdString();
        EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationMono"))) << fonts.toStdString();
    }

    // The reactions of loadcase 1 stand with their decimal points in one column.
    const QStringList lines = page(7, true).split(QLatin1Char('\n'));
    std::vector<qsizetype> points;
    for (const char* reaction : {"8.125", "13.750", "-1.875"})
        for (const QString& line : lines)
            if (line.contains(QRegularExpression(QStringLiteral("\\s") +
                                                 QRegularExpression::escape(reaction) + QStringLiteral("$"))))
                points.push_back(line.lastIndexOf(QLatin1Char('.')));
    ASSERT_EQ(points.size(), 3u) << page(7, true).toStdString();
    EXPECT_EQ(points[0], points[1]);
    EXPECT_EQ(points[1], points[2]);
}
