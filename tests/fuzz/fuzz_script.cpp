// libFuzzer target over the script parser and driver: any bytes as a script,
// run against the real game, `shot` drawing the screen into an offscreen
// surface (never written to disk). A first line "# start FormN" starts there.
// The same bytes are read as a recording too, checked against the game.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "desktop/Replay.h"
#include "desktop/Screenshots.h"
#include "runtime/Runtime.h"
#include "scenes/Game.h"
#include "script/ScriptDriver.h"

namespace {

// Long waits are valid, just slow (the game runs its timers through every
// millisecond); keep each input to a few minutes of game time.
bool tooLong(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    long long total = 0;
    while (std::getline(lines, line)) {
        const auto at = line.find("wait");
        if (at == std::string::npos) continue;
        long long ms = 0;
        for (char c : line.substr(at + 4)) {
            if (c >= '0' && c <= '9') ms = ms * 10 + (c - '0');
            if (ms > 10'000'000) return true;
        }
        total += ms;
        if (total > 300'000) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Shots draw with SDL's software renderer; nothing may look for a display.
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("ZORBLAND_ASSETS", ZORB_ASSETS_DIR, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (tooLong(text)) return 0;
    std::istringstream in(text);
    std::ostringstream out;
    zorb::ScriptDriver driver(in, "fuzz", out);
    zorb::Runtime runtime(driver);
    zorb::Game game(runtime);
    driver.attach(runtime);
    {
        std::istringstream recording(text);
        try {
            zorb::desktop::parseRecording(recording, "fuzz", &runtime);
        } catch (const zorb::desktop::ReplayError&) {
        }
    }
    // Scale 2: the 2× pictures and every box turned into twice the pixels.
    zorb::desktop::Screenshots shots(runtime, 2);
    driver.setShotWriter([&shots](const std::string&) { return shots.paint(); });
    try {
        zorb::Scene* start = nullptr;
        if (text.rfind("# start ", 0) == 0) {
            start = game.findScene(text.substr(8, text.find('\n') == std::string::npos
                                                      ? std::string::npos
                                                      : text.find('\n') - 8));
        }
        if (start) {
            game.startAt(*start);
        } else {
            game.start();
        }
        driver.run();
    } catch (const zorb::Exit&) {
    } catch (const zorb::ScriptError&) {
    }
    return 0;
}
