#pragma once

#include <SDL.h>

#include <cstdint>

namespace zorb::desktop {

// Wall time and the waiting for events, in one place so tests can run the
// desktop on a clock of their own.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic clock.
    virtual std::uint64_t now() = 0;
    // Waits for an event at most `timeoutMs` (-1: as long as it takes);
    // true with the event in `event`.
    virtual bool wait(SDL_Event& event, int timeoutMs) = 0;
    // An event that is already waiting, if any.
    virtual bool poll(SDL_Event& event) = 0;
};

class SystemClock : public Clock {
public:
    std::uint64_t now() override { return SDL_GetTicks64(); }
    bool wait(SDL_Event& event, int timeoutMs) override {
        return timeoutMs < 0 ? SDL_WaitEvent(&event) == 1 : SDL_WaitEventTimeout(&event, timeoutMs) == 1;
    }
    bool poll(SDL_Event& event) override { return SDL_PollEvent(&event) == 1; }
};

}  // namespace zorb::desktop
