// The seven restraint pictures of each cantilever form: each stands beside the option it chooses
// and shows that option's drawing.
#include <QGroupBox>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "app/Forms.h"
#include "foundation/ui/Picture.h"
#include "input/Cantilever.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "platform/QtCanvas.h"

using namespace kx;

namespace {

class CantPictures : public FormsTest {};

TEST_F(CantPictures, EachPictureShowsAndStandsBesideTheOptionItChooses) {
    // Image1..Image7 and the option each shows; the right form's Image7 chooses nothing and shows
    // the partial torsional support.
    const int shown[2][7] = {
        {coEndFree, coEndTop, coEndBoth, coEndTorsion, coSupportBoth, coSupportLateral, coSupportPartial},
        {coSupportLateral, coSupportBoth, coEndTop, coEndBoth, coEndTorsion, coEndFree, coSupportPartial}};
    const TCantileverFrm* forms[2] = {Forms.CantLHFrm, Forms.CantRHFrm};
    for (int s = 0; s < 2; ++s)
        for (int i = 1; i <= 7; ++i) {
            SCOPED_TRACE(forms[s]->objectName().toStdString() + " Image" + std::to_string(i));
            const TPicture* p = forms[s]->Image[i];
            const QRadioButton* option = forms[s]->Options[shown[s][i - 1]];
            // In the option's group, level with it: the option at 44 + 74 k, its picture at 20 + 74 k.
            EXPECT_EQ(p->parentWidget(), option->parentWidget());
            EXPECT_EQ((std::pair{p->x(), p->y()}), (std::pair{255, option->y() - 24}));
            QImage expected = p->Picture;
            expected.fill(QColor(0x80, 0x80, 0x80));
            QtCanvas canvas(&expected);
            DrawRestraintPicture(canvas, 110, 60, shown[s][i - 1]);
            canvas.End();
            EXPECT_TRUE(p->Picture == expected);
        }
}

} // namespace
