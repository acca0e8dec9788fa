#include "desktop/Pictures.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>
#include <filesystem>

namespace zorb::desktop {

namespace {

SDL_Surface* loadPng(const std::string& path) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) return nullptr;
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    return converted;
}

}  // namespace

Pictures::Pictures(std::string directory) : directory_(std::move(directory)) {}

Pictures::~Pictures() {
    for (auto& cache : cache_) {
        for (auto& [name, picture] : cache) SDL_FreeSurface(picture.surface);
    }
}

std::string Pictures::defaultDirectory() {
    if (const char* env = std::getenv("ZORBLAND_ASSETS"); env && *env) return env;
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "assets";
    return (exe.parent_path() / "assets").string();
}

const Pictures::Picture& Pictures::get(const std::string& name, bool hi) {
    auto& cache = cache_[hi ? 1 : 0];
    if (auto it = cache.find(name); it != cache.end()) return it->second;

    const std::string one = directory_ + "/1x/" + name + ".png";
    const std::string two = directory_ + "/2x/" + name + ".png";
    Picture picture;
    if (hi) {
        picture.surface = loadPng(two);
        if (picture.surface) {
            picture.natural = {picture.surface->w / 2, picture.surface->h / 2};
        }
    }
    if (!picture.surface) {
        picture.surface = loadPng(one);
        if (!picture.surface) throw MissingPicture(name, hi ? two : one);
        picture.natural = {picture.surface->w, picture.surface->h};
    }
    return cache.emplace(name, picture).first->second;
}

}  // namespace zorb::desktop
