#pragma once

#include <ostream>
#include <string>

#include "runtime/Host.h"

namespace zorb::desktop {

// Writes a session in the script format: the game-clock waits between the
// player's actions, the clicks, the oks and the draws the game made, so that
// replaying it (in a window or headless) plays the same game.
//
// A script line is read only when the driver is ready for the next command,
// and a fixed draw must be queued before the draw happens. So every line is
// held back until the next one comes, and the draws made meanwhile (while
// that command ran, or in the wait after it) are written before it. Writing
// a draw earlier than needed is harmless: draws are taken in order.
class Recorder {
public:
    explicit Recorder(std::ostream& out) : out_(out) {}

    // A command ("click Form3.Command2", "ok") given at game time `time`.
    void command(const std::string& line, GameTime time);
    // The game made a draw.
    void drawn(int outcome);
    // The session ends at game time `time`: write what is held.
    void finish(GameTime time);

private:
    void flush();
    std::ostream& out_;
    std::string held_;
    std::string draws_;
    GameTime heldTime_ = 0;
};

}  // namespace zorb::desktop
