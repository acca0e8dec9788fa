#pragma once

#include <memory>
#include <string>

namespace zorb {
class Runtime;
}

namespace zorb::desktop {

// The screen drawn with no display (SDL's software renderer into a
// surface), for `shot FILE` in headless scripts: every window centred as it
// opens, the message box included when one is open.
class Screenshots {
public:
    explicit Screenshots(const Runtime& runtime, float scale = 1, std::string assets = {});
    ~Screenshots();
    Screenshots(const Screenshots&) = delete;
    Screenshots& operator=(const Screenshots&) = delete;

    // Writes the screen as it stands to `file` as a PNG. Returns an empty
    // string, or what went wrong in one line.
    std::string write(const std::string& file);
    // Draws the screen as it stands without writing it anywhere (for the
    // fuzzer, which must not fill the disk). Returns what write() would.
    std::string paint();

private:
    struct Impl;
    const Runtime& runtime_;
    float scale_;
    std::string assets_;
    std::unique_ptr<Impl> impl_;
    std::string startError_;
};

}  // namespace zorb::desktop
