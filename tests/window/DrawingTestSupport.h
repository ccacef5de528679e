// Drawing and printing tests: the jobs they draw, and look-ups in what a recording canvas holds
// (lines compared without direction, texts by their top-left point).
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Printer.h"
#include "window/DrawingState.h"
#include "window/IndexJobs.h"

namespace kx::test {

using Item = RecordingCanvas::Item;
using Colour = std::optional<Color>; // none: any colour
inline constexpr Color W = colors::White, R = colors::Red, Y = colors::Yellow, F = colors::Fuchsia,
                       A = colors::Aqua;

// Window 1025 x 800 with a 200 px case list: Lpx 800, S 400, B 550, baselines 216, 336, 446, d 20.
inline constexpr DrawingFrame kFrameF{1025, 800, 200};

struct L {
    int x1, y1, x2, y2, width = 0; // width 0: any
};
// The canvas holds each line, in either direction, in the colour when given.
inline void ExpectLines(const RecordingCanvas& c, std::vector<L> lines, Colour colour = {},
                        bool present = true) {
    for (const L& l : lines) {
        bool found = false;
        for (const auto& i : c.lines())
            found |= (l.width == 0 || i.width == l.width) && (!colour || i.color == *colour) &&
                     ((i.x1 == l.x1 && i.y1 == l.y1 && i.x2 == l.x2 && i.y2 == l.y2) ||
                      (i.x1 == l.x2 && i.y1 == l.y2 && i.x2 == l.x1 && i.y2 == l.y1));
        EXPECT_EQ(found, present) << "line (" << l.x1 << "," << l.y1 << ")-(" << l.x2 << "," << l.y2 << ")";
    }
}

// A line of the colour ends at (x, y).
inline bool Ends(const RecordingCanvas& c, Color colour, int x, int y) {
    for (const auto& i : c.lines())
        if (i.color == colour && ((i.x1 == x && i.y1 == y) || (i.x2 == x && i.y2 == y))) return true;
    return false;
}

inline std::vector<Item> Of(const std::vector<Item>& items, Color colour) {
    std::vector<Item> out;
    for (const auto& i : items)
        if (i.color == colour) out.push_back(i);
    return out;
}

struct T {
    std::string text;
    int x, y;
    Colour colour = {};
};
// The canvas holds each text with its top-left at (x, y), in the colour when given.
inline void ExpectTexts(const RecordingCanvas& c, std::vector<T> texts) {
    for (const T& t : texts) {
        bool found = false;
        std::string seen;
        for (const auto& i : c.texts())
            if (i.text == t.text) {
                found |= i.x1 == t.x && i.y1 == t.y && (!t.colour || i.color == *t.colour);
                seen += " (" + std::to_string(i.x1) + "," + std::to_string(i.y1) + ")";
            }
        EXPECT_TRUE(found) << "\"" << t.text << "\" at (" << t.x << "," << t.y << "), drawn at:" << seen;
    }
}

// The first text item with this text.
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

// A job without an analysis: 10000 mm of equal spans between supports, one loadcase whose shear,
// moment and stored deflection are 1000 at the middle of span 1, the envelope's largest values all
// 1000.
inline void SmallJob(int spans = 1) {
    SetDefaultUnits(Model);
    Model.BeamLength = 10000;
    Model.SpanCount[0] = Model.SpanCount[1] = spans;
    for (int s = 1; s <= spans; ++s)
        Drawing.DrawnMemberLength[s] = Eng.LoadcaseSpanLength[1][s] = 10000.0f / static_cast<float>(spans);
    Model.LoadcaseCount = 1;
    Model.SupportType.fill(supFixed);
    Eng.ShearExtremes[0][27][5] = Eng.MomentExtremes[0][27][5] = Eng.DeflectionExtremes[0][27][5] = 1000;
    Eng.ShearPolyline[1][0].x = Eng.MomentPolyline[1][0].x = 1;
    Eng.ShearPolyline[1][1] = {0.5f, 1000};
    Eng.MomentPolyline[1][1] = {0.5f, 1000};
    Eng.DeflectionPolyline[1][0][0] = 1;
    Eng.DeflectionPolyline[1][1][1] = 0.5f;
    Eng.DeflectionPolyline[1][1][2] = 1000;
}

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
    RecordingPrinter p{600};
    const RecordingCanvas& Page(int n) const { return *p.pages.at(static_cast<std::size_t>(n - 1)); }
};

} // namespace kx::test
