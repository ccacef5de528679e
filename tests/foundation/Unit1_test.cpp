// The start screen's place on the screen and the state its creation sets.
#include "app/ProgramState.h"
#include "foundation/Unit1.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/SharedModel.h"
#include "platform/Files.h"

using namespace kx;

TEST(StartScreenPlace, AThirdOfTheFreeWidthFromTheLeftAndHalfTheFreeHeightFromTheTop) {
    EXPECT_EQ(StartScreenPosition(1024, 768, 473, 521).left, 183); // 551 / 3 = 183.67
    EXPECT_EQ(StartScreenPosition(1024, 768, 473, 521).top, 123);  // 247 / 2 = 123.5
    EXPECT_EQ(StartScreenPosition(400, 500, 473, 521).left, -24) << "truncated toward zero";
    EXPECT_EQ(StartScreenPosition(400, 500, 473, 521).top, -10);
}

TEST(StartScreenState, CreationSetsLoadcaseDirectoryVersionAndTheNotShownFlag) {
    ResetProgramState();
    const std::string saved = StartDir;
    StartDir.clear();
    StartScreenCreate();
    EXPECT_EQ(Model.CurrentLoadcase, 1);
    EXPECT_EQ(Model.BeamFormShown, -1);
    EXPECT_EQ(StartDir, std::filesystem::current_path().string());
    EXPECT_EQ(VersionText(), "Version 1.3.1");
    StartDir = saved;
}
