#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorb {

// The file side of a save. Both throw SaveError with the reason in a few
// words ("no such file or directory", "file too large").

// Reads a whole regular file of at most `maxBytes`.
std::string readSaveFile(const std::string& path, std::size_t maxBytes);

// Replaces the file at `path` with `contents` so that at every moment, a
// crash or a full disk included, `path` holds either the old file whole or
// the new one whole: the text goes to a temporary file in the same
// directory, is flushed to the disk, and is then renamed over the old one.
void writeSaveFile(const std::string& path, std::string_view contents);

}  // namespace zorb
