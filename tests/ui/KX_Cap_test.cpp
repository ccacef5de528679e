// The steel capacity window, headless: its menus open the section files, a pick lists the
// properties, the buttons list the results, typing clears them.
#include "calculators/ui/KX_Cap.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>

#include "FormsFixture.h"
#include "foundation/ui/Unit1.h"
#include "sections/SectionWriters.h"

using namespace kx;

namespace {

QStringList lines(const QListWidget* l) {
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text();
    return out;
}

// Picks the section whose designation (blanks trimmed) is name, as a click on its line does.
void pick(TKX_CapFrm* w, const QString& name) {
    const auto found = w->List_Section->findItems(name, Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    w->List_Section->setCurrentItem(found.front());
    emit w->List_Section->itemClicked(found.front());
}

} // namespace

TEST_F(FormsTest, SteelWindowMenusOpenEverySectionFileWritingThemWhenMissing) {
    TKX_CapFrm* w = Forms.KX_CapFrm;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Steel Member Capacities to BS 5975"));
    EXPECT_EQ(w->size(), QSize(790, 540));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QStringList menus;
    for (QAction* a : w->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"File", "Section Properties"}));

    // The start-up directory is empty: the first family writes every section file.
    ASSERT_FALSE(std::filesystem::exists(dir_.path("UB.sct")));
    const char* groups[] = {
        "Universal Beam", "Universal Column", "RSJ", "IPE", "HE", "RSC", "PFC", "UPN", "RHS", "CHS"};
    for (int i = 0; i < KX_Cap::kCapFamilies; ++i) {
        w->familyItems[static_cast<std::size_t>(i)]->trigger();
        EXPECT_EQ(w->lbl_Group->text().toStdString(), groups[i]);
        EXPECT_GT(w->List_Section->count(), 3) << groups[i];
    }
    EXPECT_TRUE(std::filesystem::exists(dir_.path("UB.sct")));
    EXPECT_TRUE(dialogs_->shown.empty());

    // Files that cannot be written: the I/O message, an empty list.
    StartDir = dir_.path("gone");
    w->familyItems[6]->trigger();
    EXPECT_EQ(w->List_Section->count(), 0);
    ASSERT_EQ(dialogs_->shown.size(), 1u);
    EXPECT_EQ(dialogs_->shown[0].caption, "KX-Flexor");
}

TEST_F(FormsTest, SteelWindowPicksCalculatesClearsAndTurnsRed) {
    TKX_CapFrm* w = Forms.KX_CapFrm;
    Model.ModulusLabelElasticXX = "Zxx";
    w->familyItems[0]->trigger();
    pick(w, "127 x 76 UB 13");
    EXPECT_EQ(w->List_Props->count(), 23);
    EXPECT_TRUE(lines(w->List_Props).contains("  Zxx = 74.56 cm^3"));
    EXPECT_EQ(w->lbl_E->text(), QStringLiteral("210000"));

    w->Edit_Le->setText("3");
    w->cmd_AxialXX->click();
    EXPECT_TRUE(lines(w->List_Results).contains("   pc = 139 N/mm^2"));
    // Typing in any edit empties the results.
    w->Edit_Axial->setText("5");
    EXPECT_EQ(w->List_Results->count(), 0);

    w->Edit_Axial->setText("50");
    w->Edit_Mom->setText("3");
    w->cmd_Calc->click();
    EXPECT_TRUE(lines(w->List_Results).contains("Combined Axial Load and Bending too high"));
    EXPECT_EQ(w->List_Results->palette().color(QPalette::Text), QColor(Qt::red));
    w->Edit_Axial->setText("10");
    w->cmd_Calc->click();
    EXPECT_TRUE(lines(w->List_Results).contains("Combined Axial Load and Bending ok"));
    EXPECT_EQ(w->List_Results->palette().color(QPalette::Text), QColor(Qt::black));

    // A length that is no number: the conversion message, the list as it was.
    const QStringList before = lines(w->List_Results);
    w->Edit_Le->blockSignals(true);
    w->Edit_Le->setText("3,5");
    w->Edit_Le->blockSignals(false);
    w->cmd_AxialYY->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"'3,5' is not a valid floating point value"});
    EXPECT_EQ(lines(w->List_Results), before);

    // An empty length is asked for.
    w->Edit_Le->clear();
    dialogs_->clear();
    dialogs_->inputAnswers = {std::string("3")};
    w->cmd_AxialYY->click();
    ASSERT_EQ(dialogs_->shown.size(), 1u);
    EXPECT_EQ(dialogs_->shown[0].caption, " Strut Capacity About y-y");
    EXPECT_TRUE(lines(w->List_Results).contains("   pc = 35.3 N/mm^2"));

    // A spacer line clears the calculator; the buttons then ask for a section.
    const auto spacers = w->List_Section->findItems(QStringLiteral("^ *$"), Qt::MatchRegularExpression);
    ASSERT_FALSE(spacers.isEmpty());
    w->List_Section->setCurrentItem(spacers.front());
    emit w->List_Section->itemClicked(spacers.front());
    EXPECT_EQ(w->List_Props->count(), 0);
    EXPECT_EQ(w->List_Results->count(), 0);
    dialogs_->clear();
    w->cmd_MomXX->click();
    EXPECT_EQ(dialogs_->messages(),
              std::vector<std::string>{" Load properties from menu and click on section required."});

    ShowForm(w);
    w->Close2->trigger();
    EXPECT_FALSE(w->isVisible());
}
