#include "desktop/Pictures.h"

#include <SDL.h>
#include <SDL_image.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

// Where the installed pictures are, relative to the installed program; the
// build sets it from the install layout (games/ and share/games/zorbland/).
#ifndef ZORB_ASSETS_FROM_PROGRAM
#define ZORB_ASSETS_FROM_PROGRAM "../share/games/zorbland/assets"
#endif

namespace zorb::desktop {

namespace {

constexpr const char* kAssetsVariable = "ZORBLAND_ASSETS";

bool holdsPictures(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder / "1x", error);
}

std::string joinPlaces(const std::vector<std::string>& looked) {
    std::string text;
    for (const auto& place : looked) text += (text.empty() ? "" : ", ") + place;
    return text;
}

// Standard error goes nowhere while it stands. libpng prints its own line
// ("libpng error: IDAT: CRC error") about a damaged file before SDL_image
// hears of it; the game says what is wrong in its own words instead.
class QuietStandardError {
public:
    QuietStandardError() {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
        if (null >= 0) ::close(null);
    }
    ~QuietStandardError() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};

// The picture at `path`, or nullptr: `damaged` then tells a file that is
// there but not a readable PNG from one that is not there at all.
SDL_Surface* loadPng(const std::string& path, bool& damaged) {
    damaged = false;
    SDL_Surface* loaded = nullptr;
    {
        QuietStandardError quiet;
        loaded = IMG_Load(path.c_str());
    }
    if (!loaded) {
        std::error_code error;
        damaged = std::filesystem::is_regular_file(path, error);
        return nullptr;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    return converted;
}

}  // namespace

MissingPicture::MissingPicture(const std::string& name, const std::vector<std::string>& looked)
    : std::runtime_error("cannot find the game's pictures: looked in " + joinPlaces(looked)), name_(name) {}

Pictures::Pictures(std::string directory) : directory_(std::move(directory)) {}

Pictures::~Pictures() {
    for (auto& cache : cache_) {
        for (auto& [name, picture] : cache) SDL_FreeSurface(picture.surface);
    }
}

PictureSearch Pictures::search() {
    PictureSearch result;
    if (const char* env = std::getenv(kAssetsVariable); env && *env) {
        result.looked.push_back(std::string(env) + " (" + kAssetsVariable + ")");
        if (holdsPictures(env)) result.found = env;
        return result;
    }
    std::vector<std::filesystem::path> places;
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        places.push_back("assets");
    } else {
        places.push_back(exe.parent_path() / "assets");
        places.push_back((exe.parent_path() / ZORB_ASSETS_FROM_PROGRAM).lexically_normal());
    }
    for (const auto& place : places) {
        std::string text = place.string();
        if (text.size() > 1 && text.back() == '/') text.pop_back();
        result.looked.push_back(text);
        if (result.found.empty() && holdsPictures(place)) result.found = text;
    }
    return result;
}

std::string Pictures::defaultDirectory() {
    PictureSearch where = search();
    if (!where.found.empty()) return where.found;
    // The first place looked in, without the note on where it came from.
    if (const char* env = std::getenv(kAssetsVariable); env && *env) return env;
    return where.looked.front();
}

const Pictures::Picture& Pictures::get(const std::string& name, bool hi) {
    auto& cache = cache_[hi ? 1 : 0];
    if (auto it = cache.find(name); it != cache.end()) return it->second;

    const std::string one = directory_ + "/1x/" + name + ".png";
    const std::string two = directory_ + "/2x/" + name + ".png";
    Picture picture;
    bool damaged = false;
    if (hi) {
        picture.surface = loadPng(two, damaged);
        if (picture.surface) {
            picture.natural = {picture.surface->w / 2, picture.surface->h / 2};
        }
        if (damaged) throw DamagedPicture(name, two);
    }
    if (!picture.surface) {
        picture.surface = loadPng(one, damaged);
        if (damaged) throw DamagedPicture(name, one);
        if (!picture.surface) {
            // Not one picture missing but all of them, from wherever the
            // game looked: say where it looked rather than name one file.
            if (!holdsPictures(directory_)) {
                const PictureSearch where = search();
                if (where.found.empty() && directory_ == defaultDirectory()) {
                    throw MissingPicture(name, where.looked);
                }
            }
            throw MissingPicture(name, hi ? two : one);
        }
        picture.natural = {picture.surface->w, picture.surface->h};
    }
    return cache.emplace(name, picture).first->second;
}

}  // namespace zorb::desktop
