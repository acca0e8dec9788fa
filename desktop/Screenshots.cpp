#include "desktop/Screenshots.h"

#include <SDL.h>

#include <cmath>

#include "desktop/Face.h"
#include "desktop/Layout.h"
#include "desktop/Look.h"
#include "desktop/Painter.h"
#include "desktop/Pictures.h"
#include "desktop/PngFile.h"

namespace zorb::desktop {

struct Screenshots::Impl {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    Pictures pictures;
    Fonts fonts;
    Layout layout;  // nothing is ever dragged: every window stands where it opened
    std::unique_ptr<Painter> painter;

    Impl(float scale, const std::string& assets)
        : pictures(assets.empty() ? Pictures::defaultDirectory() : assets), fonts(findFace()) {
        surface = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(std::lround(kScreenWidth * scale)),
                                                 static_cast<int>(std::lround(kScreenHeight * scale)), 32,
                                                 SDL_PIXELFORMAT_ARGB8888);
        if (!surface) throw std::runtime_error(std::string("cannot make a surface: ") + SDL_GetError());
        renderer = SDL_CreateSoftwareRenderer(surface);
        if (!renderer) {
            SDL_FreeSurface(surface);
            throw std::runtime_error(std::string("cannot draw: ") + SDL_GetError());
        }
        painter = std::make_unique<Painter>(renderer, pictures, fonts);
    }
    ~Impl() {
        painter.reset();
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }
};

Screenshots::Screenshots(const Runtime& runtime, float scale, std::string assets)
    : runtime_(runtime), scale_(scale < 0.5f ? 1.0f : scale), assets_(std::move(assets)) {}

Screenshots::~Screenshots() = default;

std::string Screenshots::paint() {
    // Made at the first shot: a script that takes none needs no face.
    if (!impl_ && startError_.empty()) {
        try {
            impl_ = std::make_unique<Impl>(scale_, assets_);
        } catch (const std::exception& e) {
            startError_ = e.what();
        }
    }
    if (!impl_) return startError_;
    try {
        impl_->painter->paint(runtime_, impl_->layout);
    } catch (const std::exception& e) {
        // A picture missing or damaged, the face file gone: said as the
        // window says it, and the script ends on that line.
        return e.what();
    }
    SDL_RenderFlush(impl_->renderer);
    return {};
}

std::string Screenshots::write(const std::string& file) {
    if (std::string error = paint(); !error.empty()) return error;
    return savePng(impl_->surface, file);
}

}  // namespace zorb::desktop
