// Jobs and look-ups for the tests of the printed report: a beam analysed as the program would
// before printing, and the texts and strokes of recorded pages.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "foundation/Units.h"
#include "platform/Printer.h"
#include "window/DrawingState.h"

namespace kx::test {

// Cantilevers of 1000 and 1500 mm, spans 4000 + 4000; loadcase 1 20000 N at 3000 mm; loadcase 2
// 4000 N at the LH tip and 5000 N at the RH tip; no section, no self-weight; built-in units. As the
// load form commits them, every loadcase holds the three loads and marks those it applies.
inline void AnalyseBeamB() {
    BeamBuilder().LHCantilever(1000).Spans({4000, 4000}).RHCantilever(1500).Commit();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = -1;
    const float loads[3][3] = {{3000, 20000, 1}, {0, 4000, 2}, {10500, 5000, 2}}; // dist, P, loadcase
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (int r = 1; r <= 3; ++r) {
            const float* l = loads[r - 1];
            TLoadRec& rec = Model.LoadTable[lc][r];
            rec[lfKind] = 1;
            rec[lfDist] = l[0];
            rec[lfP] = l[1];
            rec[lfLF] = 1;
            rec[lfApplied] = static_cast<float>(l[2]) == static_cast<float>(lc) ? 1.0f : -1.0f;
        }
    Model.CaseHasLoads[1] = Model.CaseHasLoads[2] = 1;
    NullAnalysisHost host;
    AnalyseBeam(host);
    // What the main window's beam drawing leaves for the printed diagrams.
    for (int row = 0; row <= kRHCantRow; ++row)
        Drawing.DrawnMemberLength[row] = Model.SpanData[row][mfL];
}

using Item = RecordingCanvas::Item;

inline std::vector<Item> TextsAt(const RecordingCanvas& page, int y) {
    std::vector<Item> out;
    for (const auto& i : page.texts())
        if (i.y1 == y) out.push_back(i);
    return out;
}

// The one text item with this text; fails the test when there is none or more than one.
inline Item TextItem(const RecordingCanvas& page, const std::string& text) {
    std::vector<Item> found;
    for (const auto& i : page.texts())
        if (i.text == text) found.push_back(i);
    EXPECT_EQ(found.size(), 1u) << "\"" << text << "\"";
    return found.empty() ? Item{} : found[0];
}

inline bool HasTextAt(const RecordingCanvas& page, const std::string& text, int x, int y) {
    for (const auto& i : page.texts())
        if (i.text == text && i.x1 == x && i.y1 == y) return true;
    return false;
}

// The page's title (Arial 12 pt), or "" when it has none.
inline std::string TitleOf(const RecordingCanvas& page) {
    for (const auto& i : page.texts())
        if (i.fontSize == 12 && i.font == "Arial" && i.y1 > 840) return i.text;
    return "";
}

} // namespace kx::test
