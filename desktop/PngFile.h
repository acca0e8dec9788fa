#pragma once

#include <string>

struct SDL_Surface;

namespace zorb::desktop {

// Writes `surface` to `file` as a PNG: an empty string, or the reason it was
// not written ("No space left on device"). The picture is encoded in memory
// first and then written with checked calls, because SDL_image reports
// success even when the disk took only part of the file; a regular file cut
// short is removed rather than left looking saved.
std::string savePng(SDL_Surface* surface, const std::string& file);

}  // namespace zorb::desktop
