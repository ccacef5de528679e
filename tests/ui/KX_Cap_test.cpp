// The steel capacity window, headless: its menus open the section files, a pick lists the
// properties, the buttons list the results in red when too high, typing clears them; its bindings.
#include "calculators/ui/KX_Cap.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "WiringTables.h"
#include "foundation/ui/Preferences.h"

using namespace kx;

namespace {

// A click on the first line of the section list that matches pattern.
void clickLine(TKX_CapFrm* w, const char* pattern) {
    const auto found = w->List_Section->findItems(QString::fromLatin1(pattern), Qt::MatchRegularExpression);
    ASSERT_FALSE(found.isEmpty()) << pattern;
    w->List_Section->setCurrentItem(found.front());
    emit w->List_Section->itemClicked(found.front());
}

} // namespace

TEST_F(FormsTest, SteelWindowOpensFamiliesPicksCalculatesAndClears) {
    TKX_CapFrm* w = Forms.KX_CapFrm;
    // An empty start-up directory: the first family writes every section file.
    for (int i = KX_Cap::kCapFamilies - 1; i >= 0; --i) {
        w->familyItems[static_cast<std::size_t>(i)]->trigger();
        EXPECT_GT(w->List_Section->count(), 3) << i;
    }
    EXPECT_EQ(w->lbl_Group->text(), QStringLiteral("Universal Beam"));

    clickLine(w, "^127 x 76 UB 13");
    EXPECT_EQ(w->List_Props->count(), 23);
    EXPECT_EQ(w->lbl_E->text(), QStringLiteral("210000"));
    w->Edit_Le->setText("3");
    w->Edit_Axial->setText("50");
    w->Edit_Mom->setText("3");
    w->cmd_Calc->click();
    EXPECT_EQ(w->List_Results->findItems("Combined Axial Load and Bending too high", Qt::MatchExactly).size(),
              1);
    EXPECT_EQ(w->List_Results->palette().color(QPalette::Text), QColor(Qt::red));
    // Each edit, label and list feeds and shows its own field; typing would clear the results.
    w->Bindings.SetFilling(true);
    kxtest::ExpectRoundTrip(w->Bindings);
    kxtest::ExpectRoundTrip(w->Shown);
    w->Bindings.SetFilling(false);
    EXPECT_EQ(kxtest::UnboundInputs(w, w->Bindings), std::set<std::string>{});

    // A length that is no number: the conversion message, the list as it was.
    {
        const QSignalBlocker quiet(w->Edit_Le);
        w->Edit_Le->setText("3,5");
    }
    w->cmd_AxialYY->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"'3,5' is not a valid floating point value"});
    EXPECT_EQ(w->List_Results->count(), 21);
    w->Edit_Axial->setText("10"); // typing empties the results
    EXPECT_EQ(w->List_Results->count(), 0);

    clickLine(w, "^ *$"); // a spacer line clears the calculator
    EXPECT_EQ(w->List_Props->count(), 0);

    // Files that cannot be written: the I/O message, an empty list.
    StartDir = dir_.path("gone");
    dialogs_->clear();
    w->familyItems[6]->trigger();
    EXPECT_EQ(w->List_Section->count(), 0);
    EXPECT_EQ(dialogs_->messages().size(), 1u);

    ShowForm(w);
    w->Close2->trigger();
    EXPECT_FALSE(w->isVisible());
}

// No section kind greys or hides an input: every edit, list and button stays usable and shown, the
// size markers hidden. Each family item opens its own family; each button lists its own block only.
TEST_F(FormsTest, SteelControlsStayUsableAndEachItemAndButtonHasItsOwnEffect) {
    TKX_CapFrm* w = Forms.KX_CapFrm;
    const std::vector<std::string> all{"Edit_Le",    "Edit_Axial",   "Edit_Mom",    "List_Section",
                                       "List_Props", "List_Results", "cmd_AxialXX", "cmd_AxialYY",
                                       "cmd_MomXX",  "cmd_Calc"};
    auto state = [&](std::string name, std::function<void()> enter) {
        return kxtest::FormState{std::move(name), std::move(enter), all, {}, all, {"Panel1", "Panel2"}};
    };
    auto pick = [w](const char* family, const char* line) {
        return [w, family, line] {
            kxtest::Trigger(w, family);
            clickLine(w, line);
        };
    };
    kxtest::ExpectStates(w, {state("no section", nullptr),
                             state("a beam", pick("UniversalBeams1", "^127 x 76 UB 13")),
                             state("a tube", pick("CHS1", "\\S")), state("a channel", pick("RSC1", "\\S")),
                             state("a spacer line", pick("UniversalBeams1", "^ *$"))});

    const std::pair<const char*, const char*> families[] = {{"UniversalBeams1", "Universal Beam"},
                                                            {"UniversalColumns1", "Universal Column"},
                                                            {"RSJ1", "RSJ"},
                                                            {"IPE1", "IPE"},
                                                            {"HE1", "HE"},
                                                            {"RSC1", "RSC"},
                                                            {"PFC1", "PFC"},
                                                            {"UPN1", "UPN"},
                                                            {"RHS1", "RHS"},
                                                            {"CHS1", "CHS"}};
    std::vector<kxtest::ControlEffect> effects;
    for (auto [item, group] : families)
        effects.push_back({item, nullptr, [w, group] { EXPECT_EQ(kxtest::Text(w, "lbl_Group"), group); },
                           [w, item] { kxtest::Trigger(w, item); }});
    kxtest::ExpectEffects(w, effects);

    pick("UniversalBeams1", "^127 x 76 UB 13")();
    w->Edit_Le->setText("3");
    w->Edit_Mom->setText("3");
    const char* const blocks[] = {" Axial Capacity about Major Axis", "Axial Capacity about Minor Axis",
                                  "Moment Capacity about Major Axis", "Combined Axial Load and Bending"};
    const char* const buttons[] = {"cmd_AxialXX", "cmd_AxialYY", "cmd_MomXX", "cmd_Calc"};
    effects.clear();
    for (std::size_t b = 0; b < std::size(buttons); ++b)
        effects.push_back(
            {buttons[b],
             [w] { // typing empties the results
                 w->Edit_Axial->setText("");
                 w->Edit_Axial->setText("50");
             },
             [w, b, &blocks] {
                 for (std::size_t i = 0; i < std::size(blocks); ++i)
                     EXPECT_EQ(w->List_Results->findItems(blocks[i], Qt::MatchExactly).size(), i == b ? 1 : 0)
                         << blocks[i];
             }});
    kxtest::ExpectEffects(w, effects);
}

// The elastic-modulus labels of the property lines are the preferences': switched to the other
// modulus and back while both windows are open, then to the other one and back again with OK each
// time, the next pick names its moduli by the choice in force, their values unchanged.
TEST_F(FormsTest, SteelPropertiesNameTheModulusOfThePreferencesChangedWhileTheWindowIsOpen) {
    TKX_CapFrm* w = Forms.KX_CapFrm;
    TPreferencesFrm* p = Forms.PreferencesFrm;
    ShowForm(w);
    w->familyItems[0]->trigger();
    // The values after the label of the lines that begin with one of the labels.
    const auto moduli = [w](const char* xx, const char* yy) {
        clickLine(w, "^127 x 76 UB 13");
        std::vector<std::string> found;
        for (int i = 0; i < w->List_Props->count(); ++i) {
            const std::string line = w->List_Props->item(i)->text().toStdString();
            for (const std::string& label : {std::string("  ") + xx + " = ", std::string("  ") + yy + " = "})
                if (line.starts_with(label)) found.push_back(line.substr(label.size()));
        }
        return found;
    };
    const auto choose = [p](std::initializer_list<QRadioButton*> clicks) {
        ShowForm(p);
        for (QRadioButton* b : clicks)
            b->click();
        p->Button2->click();
    };
    choose({p->Option_SPlastic});
    const std::vector<std::string> values = moduli("Zxx", "Zyy");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0], "74.56 cm^3");
    choose({p->Option_ZPlastic, p->Option_SPlastic}); // there and back before OK
    EXPECT_EQ(moduli("Zxx", "Zyy"), values);
    choose({p->Option_ZPlastic});
    EXPECT_EQ(moduli("Sxx", "Syy"), values);
    EXPECT_TRUE(moduli("Zxx", "Zyy").empty());
    choose({p->Option_SPlastic});
    EXPECT_EQ(moduli("Zxx", "Zyy"), values);
    EXPECT_TRUE(w->isVisible());
}
