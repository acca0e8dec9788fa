#pragma once

#include <map>
#include <stdexcept>
#include <string>

#include "runtime/Geometry.h"

struct SDL_Surface;

namespace zorb::desktop {

// A picture a scene names is not on disk: the assets were not built, or a
// scene names a picture that was never drawn.
class MissingPicture : public std::runtime_error {
public:
    MissingPicture(const std::string& name, const std::string& path)
        : std::runtime_error("picture '" + name + "' is missing (" + path + ")"), name_(name) {}
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

// The PNG rasters of the pictures: DIR/1x/NAME.png at natural size and
// DIR/2x/NAME.png at twice that, loaded on first use and kept.
class Pictures {
public:
    explicit Pictures(std::string directory);
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    // $ZORBLAND_ASSETS if set, else the assets directory beside the program.
    static std::string defaultDirectory();

    struct Picture {
        SDL_Surface* surface = nullptr;  // ARGB8888
        Size natural;                    // pixels at scale 1
    };
    // The 2× raster when `hi` (the 1× one stretched if only that exists).
    // Throws MissingPicture when neither is there.
    const Picture& get(const std::string& name, bool hi);

    const std::string& directory() const { return directory_; }

private:
    std::string directory_;
    std::map<std::string, Picture> cache_[2];
};

}  // namespace zorb::desktop
