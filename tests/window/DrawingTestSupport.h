// Drawing tests: the test beams of the main window's picture, and checks of what a recording canvas
// holds (segments compared without direction, texts by point and colour).
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/EngineState.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "window/DrawingState.h"

namespace kx::test {

// Window 1025 x 800 with a 200 px case list: Lpx 800, S 400, B 550, baselines 216, 336, 446, d 20.
inline constexpr DrawingFrame kFrameF{1025, 800, 200};

struct Pt {
    int x, y;
};

inline std::string Rgb(Color c) {
    return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

// A line of the colour (and pen width, when not 0) from a to b, in either direction.
inline ::testing::AssertionResult HasSegment(const RecordingCanvas& c, Color colour, Pt a, Pt b,
                                             int width = 0) {
    for (const auto& i : c.items) {
        if (i.op != RecordingCanvas::Op::Line || !(i.color == colour)) continue;
        if (width != 0 && i.width != width) continue;
        const bool fwd = i.x1 == a.x && i.y1 == a.y && i.x2 == b.x && i.y2 == b.y;
        const bool back = i.x1 == b.x && i.y1 == b.y && i.x2 == a.x && i.y2 == a.y;
        if (fwd || back) return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "no " << Rgb(colour) << " line (" << a.x << "," << a.y << ")-(" << b.x << "," << b.y << ")"
           << (width ? " of width " + std::to_string(width) : "");
}

// A line of the colour ends at p.
inline ::testing::AssertionResult PassesThrough(const RecordingCanvas& c, Color colour, Pt p) {
    for (const auto& i : c.items)
        if (i.op == RecordingCanvas::Op::Line && i.color == colour &&
            ((i.x1 == p.x && i.y1 == p.y) || (i.x2 == p.x && i.y2 == p.y)))
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "no " << Rgb(colour) << " line through (" << p.x << "," << p.y << ")";
}

inline std::vector<RecordingCanvas::Item> LinesOf(const RecordingCanvas& c, Color colour) {
    std::vector<RecordingCanvas::Item> out;
    for (const auto& i : c.items)
        if (i.op == RecordingCanvas::Op::Line && i.color == colour) out.push_back(i);
    return out;
}

inline std::vector<RecordingCanvas::Item> TextsOf(const RecordingCanvas& c, Color colour) {
    std::vector<RecordingCanvas::Item> out;
    for (const auto& i : c.items)
        if (i.op == RecordingCanvas::Op::Text && i.color == colour) out.push_back(i);
    return out;
}

// The text drawn with its top-left at (x, y) in the colour.
inline ::testing::AssertionResult HasText(const RecordingCanvas& c, const std::string& text, Pt p,
                                          Color colour) {
    std::ostringstream seen;
    for (const auto& i : c.items) {
        if (i.op != RecordingCanvas::Op::Text || i.text != text) continue;
        if (i.x1 == p.x && i.y1 == p.y && i.color == colour) return ::testing::AssertionSuccess();
        seen << " (" << i.x1 << "," << i.y1 << ") " << Rgb(i.color);
    }
    return ::testing::AssertionFailure() << "no " << Rgb(colour) << " \"" << text << "\" at (" << p.x << ","
                                         << p.y << "); drawn at:" << seen.str();
}

// The text drawn with its top-left at (x, y), whatever its colour.
inline ::testing::AssertionResult HasTextAt(const RecordingCanvas& c, const std::string& text, Pt p) {
    for (const auto& i : c.items)
        if (i.op == RecordingCanvas::Op::Text && i.text == text && i.x1 == p.x && i.y1 == p.y)
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << text << "\" at (" << p.x << "," << p.y << ")";
}

inline int TextsAtY(const RecordingCanvas& c, int y) {
    int n = 0;
    for (const auto& i : c.items)
        n += i.op == RecordingCanvas::Op::Text && i.y1 == y;
    return n;
}

// Commits beam with the built-in units (m, kN, kN/m, kN-m, mm) and analyses it without a window.
inline void CommitAndAnalyse(const BeamBuilder& beam) {
    ScopedScriptedDialogs dialogs;
    beam.Commit();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = -1;
    NullAnalysisHost host;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
}

// Beam A: one 5000 mm span on two vertically fixed supports, loadcase 1 a uniform 10 N/mm over it.
// Vmax 25000 N, Mmax 31.25e6 N mm, deflection 5wL^4/384EI = 3.8752 mm.
inline void BeamA() {
    CommitAndAnalyse(BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000));
    const float stack[] = {0, 10, 1, 10, 5000, 10, 1, 10};
    for (int f = 0; f < 8; ++f)
        Model.UDLStackTable[1][1][f] = stack[f];
}

// Beam C: one 4000 mm span with fixed ends; loadcase 1 uniform 15 N/mm, loadcase 2 a point load of
// 48000 N at mid-span. Envelope: 30000 N (wL/2), 24e6 N mm (PL/8), 0.761905 mm (PL^3/192EI).
inline void BeamC() {
    CommitAndAnalyse(
        BeamBuilder().Spans({4000}).AllSupports(supFixedEnd).Udl(1, 0, 15, 4000).Point(2, 2000, 48000));
}

// Shows loadcase lc alone (mode -1), or with lc 0 "All" (mode 1).
inline void Show(int lc) {
    Drawing.ShownCase = lc;
    Model.ShownCaseMode = lc == 0 ? 1 : -1;
}

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        SetDefaultUnits(Model);
    }
};

} // namespace kx::test
