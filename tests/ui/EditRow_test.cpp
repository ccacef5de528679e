// A caption, its edit box and its unit in one row: the caption names the edit for a screen reader,
// each part stands where it is told, and only the labels given names carry them.
#include <QWidget>
#include <gtest/gtest.h>

#include "foundation/ui/Binding.h"

using namespace kx;

TEST(EditRow, TheCaptionNamesTheEditAndEachPartStandsInItsPlace) {
    QWidget parent;
    const EditRow row = MakeEditRow(&parent, {"&Axial  Load ", "Edit_Axial", " N/mm\xb2", "", "Label_Unit"},
                                    {.captionX = 10,
                                     .captionWidth = 190,
                                     .editX = 200,
                                     .editWidth = 80,
                                     .unitX = 282,
                                     .unitWidth = 70,
                                     .labelTop = 110,
                                     .labelHeight = 20,
                                     .editTop = 107,
                                     .editHeight = 24});
    for (QWidget* w : {static_cast<QWidget*>(row.caption), static_cast<QWidget*>(row.edit),
                       static_cast<QWidget*>(row.unit)})
        EXPECT_EQ(w->parentWidget(), &parent);
    EXPECT_EQ(row.caption->buddy(), row.edit);
    EXPECT_EQ(row.edit->accessibleName(), QStringLiteral("Axial Load"));
    EXPECT_EQ(row.caption->geometry(), QRect(10, 110, 190, 20));
    EXPECT_EQ(row.edit->geometry(), QRect(200, 107, 80, 24));
    EXPECT_EQ(row.unit->geometry(), QRect(282, 110, 70, 20));
    EXPECT_EQ(row.edit->objectName(), QStringLiteral("Edit_Axial"));
    EXPECT_TRUE(row.caption->objectName().isEmpty());
    EXPECT_EQ(row.unit->objectName(), QStringLiteral("Label_Unit"));
    // The windows' texts are Latin-1, as every other caption of theirs.
    EXPECT_EQ(row.unit->text(), QString::fromUtf8(" N/mm\u00b2"));
    EXPECT_TRUE(row.edit->text().isEmpty());
}
