// A print job: begun, drawn under the hourglass, ended; abandoned whole when it fails; quiet on cancel.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/BusyCursor.h"
#include "platform/Printer.h"

using namespace kx;

namespace {

class CancellingPrinter : public RecordingPrinter {
public:
    void BeginDoc() override { throw PrintCancelled(); }
};

class CountingCursor : public CursorService {
public:
    void ShowBusy() override { ++busy; }
    void Restore() override { ++restored; }
    int busy = 0, restored = 0;
};

} // namespace

TEST(RecordingPrinter, KeepsResolutionsApartAndCarriesPenAndFontToTheNextPage) {
    RecordingPrinter p(600, 300);
    EXPECT_EQ(p.DpiX(), 600);
    EXPECT_EQ(p.DpiY(), 300);
    EXPECT_EQ(p.PageWidth(), 4961);  // 210 mm at 600 dpi
    EXPECT_EQ(p.PageHeight(), 3508); // 297 mm at 300 dpi
    p.BeginDoc();
    p.canvas().SetFontName("Courier");
    p.canvas().SetFontSize(10);
    p.canvas().SetPenWidth(3);
    p.canvas().TextOut(1, 2, "first");
    p.NewPage();
    p.canvas().TextOut(3, 4, "second");
    p.canvas().LineTo(5, 6);
    ASSERT_EQ(p.pages.size(), 2u);
    ASSERT_EQ(p.pages[1]->items.size(), 2u) << "a new page starts empty";
    EXPECT_EQ(p.pages[1]->items[0].font, "Courier");
    EXPECT_EQ(p.pages[1]->items[0].fontSize, 10);
    EXPECT_EQ(p.pages[1]->items[1].width, 3);
}

TEST(RunPrintJob, PrintsUnderTheHourglassAbandonsAFailedJobAndEndsQuietlyOnCancel) {
    CountingCursor cursor;
    InstallCursorService(&cursor);

    RecordingPrinter ok;
    EXPECT_TRUE(RunPrintJob(ok, [&] {
        EXPECT_EQ(BusyCursor::depth(), 1);
        ok.canvas().TextOut(0, 0, "page");
    }));
    EXPECT_TRUE(ok.ended);
    EXPECT_FALSE(ok.aborted);
    EXPECT_EQ(cursor.busy, 1);
    EXPECT_EQ(cursor.restored, 1);

    RecordingPrinter failing;
    EXPECT_THROW(RunPrintJob(failing, [&] { throw std::runtime_error("Range check error"); }),
                 std::runtime_error);
    EXPECT_TRUE(failing.aborted);
    EXPECT_FALSE(failing.ended);
    EXPECT_FALSE(failing.Printing());
    EXPECT_EQ(BusyCursor::depth(), 0);
    EXPECT_EQ(cursor.restored, 2) << "the cursor comes back on the failing path too";

    CancellingPrinter cancelling;
    bool drawn = false;
    EXPECT_FALSE(RunPrintJob(cancelling, [&] { drawn = true; }));
    EXPECT_FALSE(drawn);
    EXPECT_FALSE(cancelling.aborted);
    EXPECT_EQ(cursor.busy, 2) << "no hourglass for a job that never began";

    InstallCursorService(nullptr);
}
