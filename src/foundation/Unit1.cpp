// Start-up state, version texts and the start screen's place.
#include "foundation/Unit1.h"

#include "foundation/SharedModel.h"
#include "platform/Files.h"

namespace kx {

void StartScreenCreate() {
    Model.CurrentLoadcase = 1;
    InitStartDir();
    Model.VersionNumber = kVersionNumber;
    Model.VersionSuffix = kVersionSuffix;
    Model.BeamFormShown = -1;
}

std::string VersionText() { return "Version " + Model.VersionNumber + Model.VersionSuffix; }

ScreenPoint StartScreenPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {(screenWidth - windowWidth) / 3, (screenHeight - windowHeight) / 2};
}

} // namespace kx
