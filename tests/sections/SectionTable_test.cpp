// The wide-flange rows whose base dimensions are estimates: the list may only shrink, as published
// figures replace estimates, and the README names every one of them.
#include "sections/SectionTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "sections/Pro_Load_WsBeam.h"
#include "sections/Pro_Load_WsCol.h"

using namespace kx;

TEST(EstimatedRows, OnlyTheKnownWideFlangeRowsAreEstimatesAndTheReadmeNamesThem) {
    // clang-format off
    const std::vector<std::string> known = {
        "W24 x 9 x 114", "W24 x 9 x 128", "W24 x 9 x 146", "W24 x 9 x 163", "W24 x 9 x 181",
        "W24 x 9 x 198", "W24 x 9 x 218", "W24 x 9 x 239",
        "W27 x 10 x 143", "W27 x 10 x 159", "W27 x 10 x 182", "W27 x 10 x 201", "W27 x 10 x 221",
        "W27 x 10 x 247", "W27 x 10 x 271", "W27 x 10 x 302",
        "W30 x 10-1/2 x 165", "W30 x 10-1/2 x 185", "W30 x 10-1/2 x 207", "W30 x 10-1/2 x 226",
        "W30 x 10-1/2 x 246", "W30 x 10-1/2 x 269", "W30 x 10-1/2 x 295",
        "W33 x 11-1/2 x 187", "W33 x 11-1/2 x 204", "W33 x 11-1/2 x 219", "W33 x 11-1/2 x 243",
        "W33 x 11-1/2 x 271", "W33 x 11-1/2 x 301", "W33 x 11-1/2 x 332", "W33 x 11-1/2 x 361",
        "W36 x 12 x 286", "W36 x 12 x 318", "W36 x 12 x 350", "W36 x 12 x 387",
        "W 10 x 10 x 72", "W 12 x 12 x 92", "W 14 x 16 x 219"};
    // clang-format on
    std::vector<std::string> estimated = WsBeamEstimatedDesignations();
    const std::vector<std::string> columns = WsColEstimatedDesignations();
    estimated.insert(estimated.end(), columns.begin(), columns.end());
    EXPECT_FALSE(estimated.empty());

    std::ifstream readme(KX_SOURCE_DIR "/README.md");
    ASSERT_TRUE(readme) << "README.md not found";
    std::stringstream text;
    text << readme.rdbuf();
    for (const std::string& d : estimated) {
        EXPECT_NE(std::find(known.begin(), known.end(), d), known.end()) << d << " is a new estimate";
        EXPECT_NE(text.str().find(d), std::string::npos) << "README.md does not name " << d;
    }
}
