#include "desktop/ScreenshotFiles.h"

#include <cstdlib>
#include <ctime>
#include <fstream>

namespace zorb::desktop {

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// XDG_PICTURES_DIR="$HOME/Bilder" in user-dirs.dirs: $HOME is the only
// variable the format allows.
std::string picturesFromUserDirs(const std::string& home) {
    std::string config = env("XDG_CONFIG_HOME");
    if (config.empty() && !home.empty()) config = home + "/.config";
    if (config.empty()) return "";
    std::ifstream in(config + "/user-dirs.dirs");
    const std::string key = "XDG_PICTURES_DIR=\"";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key, 0) != 0 || line.back() != '"') continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        if (!value.empty() && value.front() == '/') return value;
    }
    return "";
}

}  // namespace

std::filesystem::path screenshotDirectory() {
    const std::string home = env("HOME");
    if (std::string dir = env("XDG_PICTURES_DIR"); !dir.empty()) return dir;
    if (std::string dir = picturesFromUserDirs(home); !dir.empty()) return dir;
    if (!home.empty()) return std::filesystem::path(home) / "Pictures";
    return ".";
}

std::filesystem::path newScreenshotPath(const std::filesystem::path& dir) {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    std::filesystem::path path = dir / (std::string("ZORBLAND-") + stamp + ".png");
    for (int n = 2; std::filesystem::exists(path); ++n) {
        path = dir / (std::string("ZORBLAND-") + stamp + "-" + std::to_string(n) + ".png");
    }
    return path;
}

}  // namespace zorb::desktop
