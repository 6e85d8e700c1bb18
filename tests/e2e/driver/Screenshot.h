#pragma once
// Pictures of what the user sees, saved as PNG files when the environment variable KV_SCREENS
// names a folder (tools/screenshots.sh sets it); otherwise nothing is taken.
#include <string>
#include <vector>

#include "tests/e2e/driver/Window.h"

namespace e2e {

// The folder named by KV_SCREENS, empty when pictures are not wanted.
std::string ScreenshotFolder();
// The screen area that the windows cover together, the last one brought to the front, as
// <folder>\<name>.png.
void Screenshot(const std::string& name, const std::vector<Window>& windows);

}  // namespace e2e
