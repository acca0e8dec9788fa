#pragma once

#include <cstdint>

namespace zorb::desktop {

// The beep: a short, soft tone through SDL audio. The device is opened at
// the first beep; with no audio device the game plays on silently.
class Beeper {
public:
    Beeper() = default;
    ~Beeper();
    Beeper(const Beeper&) = delete;
    Beeper& operator=(const Beeper&) = delete;

    void beep();
    bool silent() const { return failed_; }

private:
    bool open();
    std::uint32_t device_ = 0;
    bool failed_ = false;
    bool audioStarted_ = false;
};

}  // namespace zorb::desktop
