#pragma once

#include <string>

#include "runtime/Host.h"

namespace zorb::bench {

// A host that answers every box at once and keeps no transcript: the
// benchmarks measure the game, not its output.
class QuietHost : public Host {
public:
    void messageBox(const std::string&) override {}
    void beep() override {}
    void log(GameTime, const std::string&) override {}
};

}  // namespace zorb::bench
