#include "foundation/Unit1.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/SharedModel.h"
#include "platform/Files.h"

using namespace kx;

TEST(StartScreenPlace, AThirdOfTheFreeWidthFromTheLeftAndHalfTheFreeHeightFromTheTop) {
    const ScreenPoint p = StartScreenPosition(1024, 768, 473, 521);
    EXPECT_EQ(p.left, 183);
    EXPECT_EQ(p.top, 123);
    const ScreenPoint big = StartScreenPosition(1920, 1080, 473, 521);
    EXPECT_EQ(big.left, 482); // 1447 / 3 = 482.33
    EXPECT_EQ(big.top, 279);  // 559 / 2 = 279.5
    const ScreenPoint small = StartScreenPosition(400, 500, 473, 521);
    EXPECT_EQ(small.left, -24) << "truncated toward zero";
    EXPECT_EQ(small.top, -10);
}

TEST(StartScreenState, CreationSetsLoadcaseDirectoryVersionAndTheNotShownFlag) {
    ResetSharedModelToStart();
    const std::string saved = StartDir;
    StartDir.clear();
    StartScreenCreate();
    EXPECT_EQ(Model.CurrentLoadcase, 1);
    EXPECT_EQ(Model.BeamFormShown, -1);
    EXPECT_EQ(StartDir, std::filesystem::current_path().string());
    EXPECT_EQ(Model.VersionNumber, "1.3");
    EXPECT_EQ(Model.VersionSuffix, ".1");
    EXPECT_EQ(VersionText(), "Version 1.3.1");
    Model.VersionNumber = "1.2"; // as a beam file read later may set it
    Model.VersionSuffix = "";
    EXPECT_EQ(VersionText(), "Version 1.2");
    StartDir = saved;
}
