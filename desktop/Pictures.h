#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/Geometry.h"

struct SDL_Surface;

namespace zorb::desktop {

// A picture a scene names is not on disk: the assets were not built, or a
// scene names a picture that was never drawn.
class MissingPicture : public std::runtime_error {
public:
    MissingPicture(const std::string& name, const std::string& path)
        : std::runtime_error("picture '" + name + "' is missing (" + path + ")"), name_(name) {}
    // None of the places the game looks in holds any pictures at all (a
    // program copied away from its data, a half-finished install): the
    // message names every one of them, so the person can see which is wrong.
    MissingPicture(const std::string& name, const std::vector<std::string>& looked);
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

// A picture is on disk but cannot be read as a PNG (cut short, overwritten):
// not the same trouble as a missing one, and not told as one.
class DamagedPicture : public std::runtime_error {
public:
    DamagedPicture(const std::string& name, const std::string& path)
        : std::runtime_error("picture '" + name + "' is damaged (" + path + ")"), name_(name) {}
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

// The places the pictures are looked for, in order, and the first that holds
// them (a folder with a 1x/ in it).
struct PictureSearch {
    std::vector<std::string> looked;  // as a person should read them
    std::string found;                // empty when none holds them
};

// The PNG rasters of the pictures: DIR/1x/NAME.png at natural size and
// DIR/2x/NAME.png at twice that, loaded on first use and kept.
class Pictures {
public:
    explicit Pictures(std::string directory);
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    // $ZORBLAND_ASSETS when it is set, and then nothing else: a person who
    // points the game at pictures means those. Otherwise assets/ beside the
    // program (the build tree), then the installed data folder found from
    // where the program is, so that an installed prefix can be moved whole.
    static PictureSearch search();
    // The folder search() found, else the first place it looked in; the
    // pictures read from it then fail with the message naming every place.
    static std::string defaultDirectory();

    struct Picture {
        SDL_Surface* surface = nullptr;  // ARGB8888
        Size natural;                    // pixels at scale 1
    };
    // The 2× raster when `hi` (the 1× one stretched if only that exists).
    // Throws MissingPicture when neither is there, DamagedPicture when the
    // one there cannot be read.
    const Picture& get(const std::string& name, bool hi);

    const std::string& directory() const { return directory_; }

private:
    std::string directory_;
    std::map<std::string, Picture> cache_[2];
};

}  // namespace zorb::desktop
