#pragma once

#include <filesystem>
#include <string>

namespace zorb::desktop {

// Where F12 puts its pictures: the user's pictures directory as the desktop
// names it ($XDG_PICTURES_DIR, or the XDG_PICTURES_DIR line of
// user-dirs.dirs), else ~/Pictures, else the current directory.
std::filesystem::path screenshotDirectory();

// A name for a new screenshot in `dir`, ZORBLAND-YYYYMMDD-HHMMSS.png, with a
// number added when one of that second is already there.
std::filesystem::path newScreenshotPath(const std::filesystem::path& dir);

}  // namespace zorb::desktop
