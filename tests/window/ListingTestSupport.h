// Listing tests: a fresh job with the built-in units, and the expected lines of the listings, kept
// in data/<file>.txt (see data/README.md).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

// Expects the lines of a text table that block [block] of data/<file>.txt gives.
template <class Table> void ExpectLines(Table& table, const std::string& file, const std::string& block) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "data" / (file + ".txt"));
    bool inside = false;
    int compared = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('[')) inside = line == "[" + block + "]";
        const std::size_t bar = line.find('|');
        if (!inside || bar == std::string::npos || line.size() <= bar + 1 || line.back() != '|') continue;
        const int n = std::stoi(line.substr(0, bar));
        EXPECT_EQ(table[n].str(), line.substr(bar + 1, line.size() - bar - 2)) << block << " line " << n;
        ++compared;
    }
    EXPECT_GT(compared, 0) << "data/" << file << ".txt has no block [" << block << "]";
}

class ListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        SetDefaultUnits(Model); // m, kN, kN/m, kN-m, mm, N/mm^2
    }
    static void Commit(const BeamBuilder& beam, int32 factored = -1) {
        beam.Commit();
        SetDefaultUnits(Model);
        Model.FactoredLoadsFlag = factored;
    }

    ScopedScriptedDialogs dialogs;
    NullAnalysisHost host;
};

} // namespace kx::test
