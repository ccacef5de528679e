// The result text tables: the one writer, a full table's note, and clearing only what was
// written (texts and diagrams) leaving what a full clearing leaves.
#include "engine/ResultText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "foundation/Unit1.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"

namespace kx::test {
namespace {

// A formatted text as the writers' padded Put takes it: the whole of its readable room is there to
// be read, as in the program's formatting buffers.
struct Padded {
    static constexpr std::size_t readable = 256;
    std::array<char, readable> room{};
    std::size_t n = 0;
    explicit Padded(std::string_view s) : n(std::min(s.size(), readable)) {
        std::copy_n(s.data(), n, room.data());
    }
    std::string_view view() const { return {room.data(), n}; }
};

TEST(TextWriter, CountsTheNextLineAndEndsAFullTableWithTheNote) {
    // Three lines: the count names the (empty) next line, as the readers show 1..count.
    TextTable<5> t;
    TextWriter w(t);
    for (const char* line : {"a", "b", "c"})
        w.Put(line);
    w.WriteCount();
    EXPECT_EQ(t[0], "4");
    EXPECT_EQ(t[3], "c");
    EXPECT_EQ(t[4], "");
    // Exactly full, then two lines too many: the last line gives way to the note. Odd lines go in
    // as padded texts (formatted figures), even ones as strings: the table's last line is stored
    // either way.
    for (int extra : {0, 2}) {
        TextTable<5> full;
        TextWriter f(full);
        for (int i = 1; i <= 5 + extra; ++i) {
            if (i % 2 == 1)
                f.Put(Padded{"line " + std::to_string(i)});
            else
                f.Put("line " + std::to_string(i));
        }
        f.WriteCount();
        EXPECT_EQ(full[0], "5") << extra;
        EXPECT_EQ(full[4], "line 4") << extra;
        EXPECT_EQ(full[5], extra == 0 ? "line 5" : " (list full: further lines are not shown)") << extra;
    }
}

// A text stored from a buffer with other characters after it leaves the bytes an assignment of the
// text leaves: the text cut at the line's room, zeros after it.
template <class Line> void ExpectPaddedStoreAsAssigned() {
    char buffer[192];
    for (std::size_t i = 0; i < sizeof buffer; ++i)
        buffer[i] = static_cast<char>('A' + i % 26);
    for (const std::size_t n : {0, 1, 7, 8, 9, 16, 67, 74, 75, 76, 84, 85, 86, 120}) {
        Line stored = "old text that is long enough to reach well into the line's room, all of it";
        StorePaddedLine(stored, buffer, n);
        const Line assigned = std::string_view(buffer, n);
        std::uint8_t got[Line::byteSize], want[Line::byteSize];
        stored.toBytes(got);
        assigned.toBytes(want);
        EXPECT_EQ(std::string(got, got + Line::byteSize), std::string(want, want + Line::byteSize)) << n;
    }
}

TEST(TextWriter, APaddedTextIsStoredAsAssigned) {
    ExpectPaddedStoreAsAssigned<TResultLine>();
    ExpectPaddedStoreAsAssigned<TLoadListLine>();
}

TEST(TextWriter, ClearingEmptiesEveryLineHoweverItWasWritten) {
    auto table = std::make_unique<TextTable<1000>>();
    TextTable<1000>& t = *table;
    TextWriter w(t);
    w.Put("written");
    w.WriteCount();
    t[700] = "set directly, as a beam file is read";
    ClearTextLines(t, 500); // as the analysis clears the first 500 lines of a listing
    EXPECT_EQ(t[1], "");
    EXPECT_EQ(t[700], "set directly, as a beam file is read");
    ClearTable(t);
    EXPECT_TRUE(t == TextTable<1000>{});
    for (auto& line : t)
        line = "every line";
    ClearTable(t);
    EXPECT_TRUE(t == TextTable<1000>{});
}

// Lines put when first read read as if written at once, whatever was done to the table between:
// a line past them stays, a partial clearing empties them afterwards, a full one drops them.
TEST(TextWriter, DeferredLinesReadAsIfWrittenAtOnce) {
    struct Three final : DeferredLines<TResultLine, 5> {
        void Put(TextWriter<TResultLine, 5>& w) const override {
            for (const char* line : {"a", "b", "c"})
                w.Put(line);
        }
    };
    const std::pair<const char*, void (*)(TextTable<5>&)> steps[] = {
        {"read", [](TextTable<5>&) {}},
        {"clear to 2", [](TextTable<5>& t) { ClearTextLines(t, 2); }},
        {"clear to 3", [](TextTable<5>& t) { ClearTextLines(t, 3); }},
        {"clear", [](TextTable<5>& t) { ClearTextLines(t); }},
        {"clear table", [](TextTable<5>& t) { ClearTable(t); }},
        {"count", [](TextTable<5>& t) { t[0] = "9"; }},
        {"copied over", [](TextTable<5>& t) { t = TextTable<5>(t); }},
    };
    for (const auto& [name, step] : steps) {
        TextTable<5> atOnce, deferred;
        atOnce[4] = deferred[4] = "earlier";
        TextWriter w(atOnce);
        Three().Put(w);
        w.WriteCount();
        deferred.Defer(std::make_unique<Three>(), 3);
        step(atOnce);
        step(deferred);
        ClearTextLines(atOnce, 1); // a clearing that leaves deferred lines to put
        ClearTextLines(deferred, 1);
        EXPECT_TRUE(deferred == atOnce) << name;
    }
}

// A table read as const is never changed: its count reads at once, its deferred lines cannot be read
// until a reader that may change the table puts them, and copies and comparisons leave them deferred.
TEST(TextWriter, ReadingAConstTableNeverChangesIt) {
    struct Three final : DeferredLines<TResultLine, 5> {
        void Put(TextWriter<TResultLine, 5>& w) const override {
            for (const char* line : {"a", "b", "c"})
                w.Put(line);
        }
    };
    TextTable<5> atOnce, t;
    TextWriter w(atOnce);
    Three().Put(w);
    w.WriteCount();
    atOnce[4] = t[4] = "earlier";
    t.Defer(std::make_shared<Three>(), 3);

    const TextTable<5>& view = t;
    EXPECT_EQ(view[0], "4");
    EXPECT_EQ(LineCount(view), 4);
    EXPECT_THROW(static_cast<void>(view[1]), std::logic_error);
    EXPECT_THROW(static_cast<void>(view.begin()), std::logic_error);
    const TextTable<5> copy = t;
    EXPECT_TRUE(view == atOnce);
    EXPECT_TRUE(copy == atOnce);
    EXPECT_TRUE(t.Pending() && copy.Pending()) << "read as const, yet changed";

    EXPECT_EQ(t[2], "b"); // a reader that may change the table puts the lines
    EXPECT_FALSE(t.Pending());
    EXPECT_EQ(view[1], "a");
    EXPECT_EQ(view[4], "earlier");
    EXPECT_TRUE(copy.Pending());
    TextTable<5> later = copy;
    later.Settle();
    EXPECT_TRUE(later == atOnce);
}

// The texts and diagrams an analysis leaves, to compare whole.
auto Leaves(const ResultTextTables& t, const EngineState& e) {
    return std::tie(t.CaseLoadLines, t.CaseSupportLines, t.CaseListing, t.KxCheckLines, t.SteelCheckLines,
                    t.TimberCheckLines, t.SummaryLines, t.MaximaLines, t.EnvelopeLines, t.LoadListLines,
                    t.PointLoadListLines, t.CaseMaxStressLines, t.MaxStressLine, e.ShearPolyline,
                    e.MomentPolyline, e.DeflectionPolyline);
}

// Every vertex past each polyline's count is 0, which their clearing relies on.
bool PolylinesEndInZeros() {
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        const auto& shear = Eng.ShearPolyline[lc];
        const auto& moment = Eng.MomentPolyline[lc];
        const auto& deflection = Eng.DeflectionPolyline[lc];
        for (int i = static_cast<int>(shear[0].x) + 1; i <= shear.high; ++i)
            if (!(shear[i] == TPolyPoint{})) return false;
        for (int i = static_cast<int>(moment[0].x) + 1; i <= moment.high; ++i)
            if (!(moment[i] == TPolyPoint{})) return false;
        for (int i = static_cast<int>(deflection[0][0]) + 1; i <= deflection.high; ++i)
            if (!(deflection[i] == Arr<float, 0, 2>{})) return false;
    }
    return true;
}

TEST(ResultText, AnAnalysisAfterALongerJobLeavesWhatAFreshOneLeaves) {
    ScopedScriptedDialogs dialogs;
    NullAnalysisHost host;
    // A short job: two spans, one loadcase.
    BeamBuilder().Spans({4000, 3000}).Udl(1, 0, 10, 7000).Point(1, 2000, 5000).Commit();
    SetDefaultUnits(Model);
    Model.VersionNumber = kVersionNumber; // as a saved job has them
    Model.VersionSuffix = kVersionSuffix;
    Model.FileTag = "MBS";
    Model.CurrentLoadcase = 1;
    const auto shortJob = std::make_unique<SharedModel>(Model);
    AnalyseBeam(host);
    const std::vector<std::uint8_t> shortFile = WriteKxfFile();
    const auto freshTexts = std::make_unique<ResultTextTables>(Txt);
    const auto freshEngine = std::make_unique<EngineState>(Eng);

    // A long job first: 25 spans and both cantilevers, five loadcases, a capacity check.
    BeamBuilder longJob;
    longJob.LHCantilever(1500).EqualSpans(25, 3000).RHCantilever(1200);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        longJob.Udl(lc, 0, 5.0f * static_cast<float>(lc), 77700)
            .Point(lc, 1000.0f * static_cast<float>(lc), 8000);
    longJob.Commit();
    SetDefaultUnits(Model);
    Model.MemberType = "KXF";
    for (int row = 0; row <= kRHCantRow; ++row) {
        Model.SpanData[row][mfPermShear] = 50000;
        Model.SpanData[row][mfPermMoment] = 2e7f;
    }
    AnalyseBeam(host);
    ASSERT_GT(LineCount(Txt.CaseListing[5]), 600);
    ASSERT_GT(LineCount(Txt.KxCheckLines[5]), 90);

    const auto longTexts = std::make_unique<ResultTextTables>(Txt);
    const auto longEngine = std::make_unique<EngineState>(Eng);

    // Straight after it, and after the short job is opened over it (its results rebuilt from the
    // file, with no clearing of the diagrams first).
    Model = *shortJob;
    AnalyseBeam(host);
    EXPECT_TRUE(Leaves(Txt, Eng) == Leaves(*freshTexts, *freshEngine));
    Txt = *longTexts;
    Eng = *longEngine;
    ReadKxfFile(shortFile);
    ASSERT_TRUE(RebuildResults(host));
    EXPECT_TRUE(PolylinesEndInZeros());
    // The diagrams rebuilt over the longer ones are the fresh analysis's, to their last vertex.
    EXPECT_TRUE(Eng.ShearPolyline[1] == freshEngine->ShearPolyline[1]);
    EXPECT_TRUE(Eng.MomentPolyline[1] == freshEngine->MomentPolyline[1]);
    EXPECT_TRUE(Eng.DeflectionPolyline[1] == freshEngine->DeflectionPolyline[1]);
    AnalyseBeam(host);
    EXPECT_TRUE(Leaves(Txt, Eng) == Leaves(*freshTexts, *freshEngine));
    EXPECT_TRUE(dialogs->messages().empty());
}

// An analysis that stops in loadcase 1 (a load on the LH tip lifts the forkheads beyond it: the
// beam is unstable) after a longer job was analysed leaves what it leaves after a fresh start:
// nothing of the earlier job's loadcase 1 in the texts, the diagrams or the saved file.
TEST(ResultText, AnAnalysisStoppedInLoadcaseOneLeavesNothingOfTheJobBefore) {
    ScopedScriptedDialogs dialogs;
    NullAnalysisHost host;
    const auto unstable = [] {
        BeamBuilder()
            .LHCantilever(2000)
            .Spans({4000, 4000})
            .AllSupports(supForkhead)
            .Point(1, 0, 1000)
            .Commit();
        SetDefaultUnits(Model);
        Model.VersionNumber = kVersionNumber;
        Model.VersionSuffix = kVersionSuffix;
        Model.FileTag = "MBS";
    };
    unstable();
    AnalyseBeam(host);
    ASSERT_EQ(dialogs->messages(),
              std::vector<std::string>{"  ERROR         \r\rLoadcase 1   Beam is unstable"});
    const std::vector<std::uint8_t> freshFile = WriteKxfFile();
    const auto freshTexts = std::make_unique<ResultTextTables>(Txt);
    const auto freshEngine = std::make_unique<EngineState>(Eng);

    BeamBuilder().Spans({5000, 5000}).Udl(1, 0, 10, 10000).Point(1, 2500, 20000).Commit();
    SetDefaultUnits(Model);
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    ASSERT_GT(LineCount(Txt.CaseListing[1]), 20);
    unstable();
    AnalyseBeam(host);
    EXPECT_TRUE(WriteKxfFile() == freshFile);
    EXPECT_TRUE(Leaves(Txt, Eng) == Leaves(*freshTexts, *freshEngine));
}

} // namespace
} // namespace kx::test
