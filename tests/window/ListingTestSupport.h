// Listing tests: a fresh job with the built-in units, and the expected lines of the listings, kept
// in data/<file>.txt (see data/README.md).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/ProgramState.h"
#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"

namespace kx::test {

// Line number -> text of block [block] of data/<file>.txt.
inline std::map<int, std::string> ExpectedLines(const std::string& file, const std::string& block) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "data" / (file + ".txt"));
    std::map<int, std::string> lines;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('[')) inside = line == "[" + block + "]";
        const std::size_t bar = line.find('|');
        if (inside && bar != std::string::npos && line.size() > bar + 1 && line.back() == '|')
            lines[std::stoi(line.substr(0, bar))] = line.substr(bar + 1, line.size() - bar - 2);
    }
    EXPECT_FALSE(lines.empty()) << "data/" << file << ".txt has no block [" << block << "]";
    return lines;
}

// Expects the lines of a text table that block [block] of data/<file>.txt gives.
template <class Table>
void ExpectLines(const Table& table, const std::string& file, const std::string& block) {
    for (const auto& [n, text] : ExpectedLines(file, block))
        EXPECT_EQ(table[n].str(), text) << block << " line " << n;
}

class ListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Eng = EngineState{};
        Txt = ResultTextTables{};
        SetDefaultUnits(Model); // m, kN, kN/m, kN-m, mm, N/mm^2
    }
    // Commits the beam with the built-in units; FactoredLoadsFlag as given.
    static void Commit(const BeamBuilder& beam, int32 factored = -1) {
        beam.Commit();
        SetDefaultUnits(Model);
        Model.FactoredLoadsFlag = factored;
    }

    ScopedScriptedDialogs dialogs;
    NullAnalysisHost host;
};

} // namespace kx::test
