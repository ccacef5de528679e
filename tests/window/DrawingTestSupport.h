// Drawing and printing tests: the jobs they draw, and look-ups in what a recording canvas holds
// (lines compared without direction, texts by their top-left point).
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "engine/EngineState.h"
#include "platform/Canvas.h"
#include "platform/Printer.h"
#include "window/DrawingState.h"
#include "window/IndexJobs.h"

namespace kx::test {

using Item = RecordingCanvas::Item;
using Colour = std::optional<Color>; // none: any colour

// Window 1025 x 800 with a 200 px case list: Lpx 800, S 400, B 550, baselines 216, 336, 446, d 20.
inline constexpr DrawingFrame kFrameF{1025, 800, 200};

struct Pt {
    int x, y;
};

// A line from a to b in either direction, of the pen width and colour when given.
inline ::testing::AssertionResult HasLine(const RecordingCanvas& c, Pt a, Pt b, int width = 0,
                                          Colour colour = {}) {
    for (const auto& i : c.lines())
        if ((width == 0 || i.width == width) && (!colour || i.color == *colour) &&
            ((i.x1 == a.x && i.y1 == a.y && i.x2 == b.x && i.y2 == b.y) ||
             (i.x1 == b.x && i.y1 == b.y && i.x2 == a.x && i.y2 == a.y)))
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "no line (" << a.x << "," << a.y << ")-(" << b.x << "," << b.y << ") width " << width;
}

// A line of the colour ends at p.
inline ::testing::AssertionResult Ends(const RecordingCanvas& c, Color colour, Pt p) {
    for (const auto& i : c.lines())
        if (i.color == colour && ((i.x1 == p.x && i.y1 == p.y) || (i.x2 == p.x && i.y2 == p.y)))
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no line through (" << p.x << "," << p.y << ")";
}

inline std::vector<Item> Of(const std::vector<Item>& items, Color colour) {
    std::vector<Item> out;
    for (const auto& i : items)
        if (i.color == colour) out.push_back(i);
    return out;
}

// The text with its top-left at p, in the colour when given.
inline ::testing::AssertionResult HasText(const RecordingCanvas& c, const std::string& text, Pt p,
                                          Colour colour = {}) {
    std::string seen;
    for (const auto& i : c.texts()) {
        if (i.text != text) continue;
        if (i.x1 == p.x && i.y1 == p.y && (!colour || i.color == *colour))
            return ::testing::AssertionSuccess();
        seen += " (" + std::to_string(i.x1) + "," + std::to_string(i.y1) + ")";
    }
    return ::testing::AssertionFailure()
           << "no \"" << text << "\" at (" << p.x << "," << p.y << "); drawn at:" << seen;
}

struct TextAt {
    std::string text;
    int x, y;
    Colour colour = {};
};
inline void ExpectTexts(const RecordingCanvas& c, std::initializer_list<TextAt> texts) {
    for (const auto& t : texts)
        EXPECT_TRUE(HasText(c, t.text, {t.x, t.y}, t.colour));
}

// The first text item with this text (an empty item when there is none).
inline Item TextItem(const RecordingCanvas& c, const std::string& text) {
    for (const auto& i : c.texts())
        if (i.text == text) return i;
    ADD_FAILURE() << "no \"" << text << "\"";
    return {};
}

// Shows loadcase lc alone (mode -1), or with lc 0 "All" (mode 1).
inline void Show(int lc) {
    Drawing.ShownCase = lc;
    Model.ShownCaseMode = lc == 0 ? 1 : -1;
}

// Job A with the stack record the load form leaves. Vmax 25000 N, Mmax 31.25e6 N mm, deflection
// 5wL^4/384EI = 3.8752 mm.
inline void BeamA() {
    kxtest::AnalyseJob(kxtest::JobA());
    const float stack[] = {0, 10, 1, 10, 5000, 10, 1, 10};
    for (int f = 0; f < 8; ++f)
        Model.UDLStackTable[1][1][f] = stack[f];
}

// Job B analysed, with the member lengths the main window's sketch leaves for the printed diagrams.
inline void PrintBeamB() {
    kxtest::AnalyseJobB();
    for (int row = 0; row <= kRHCantRow; ++row)
        Drawing.DrawnMemberLength[row] = Model.SpanData[row][mfL];
}

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
    RecordingPrinter p{600};
    const RecordingCanvas& Page(int n) const { return *p.pages.at(static_cast<std::size_t>(n - 1)); }
};

} // namespace kx::test
