#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/Host.h"

namespace zorb::test {

// Records every transcript line; a box runs `duringBox` before it is answered.
class RecordingHost : public Host {
public:
    std::vector<std::string> log_;
    std::function<void()> duringBox;
    void messageBox(const std::string&) override {
        if (duringBox) duringBox();
    }
    void beep() override {}
    void log(GameTime t, const std::string& e) override { log_.push_back(std::to_string(t) + " " + e); }
};

}  // namespace zorb::test
