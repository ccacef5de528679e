// Start-up of the program's state, the version texts and the place of the start screen.
#pragma once

#include <string>

namespace kx {

inline constexpr const char* kVersionNumber = "1.3";
inline constexpr const char* kVersionSuffix = ".1";

// What the start screen's creation sets: the loadcase, the start-up directory, the version texts
// and the flag that the main analysis window has not been shown yet.
void StartScreenCreate();

// "Version " + VersionNumber + VersionSuffix, as the start screen and the about box show it.
std::string VersionText();

struct ScreenPoint {
    int left;
    int top;
};

// The start screen stands a third of the free width from the left and half the free height from
// the top (whole-number division).
ScreenPoint StartScreenPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

} // namespace kx
