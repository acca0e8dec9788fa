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
// and a fixed draw must be queued before the draw happens. So a command is
// held back while its handler runs, and the draws it makes are written
// before it; the window settles the recording as soon as the handler has
// run its course (it returned, or it waits in a message box), and then every
// line is on the disk: a session that is cut short loses at most the wait
// in progress. Writing a draw earlier than needed is harmless: draws are
// taken in order.
class Recorder {
public:
    explicit Recorder(std::ostream& out) : out_(out) {}

    // A command ("click Form3.Command2", "ok") given at game time `time`.
    void command(const std::string& line, GameTime time);
    // The game made a draw.
    void drawn(int outcome);
    // The handler of the last command has run its course: write it out.
    void settle();
    // The game clock jumped to `time` (a save was loaded): what is held is
    // written, and the next wait counts from there.
    void restartAt(GameTime time);
    // The session ends at game time `time`: write what is held.
    void finish(GameTime time);

private:
    std::ostream& out_;
    std::string held_;
    std::string draws_;
    GameTime heldTime_ = 0;
};

}  // namespace zorb::desktop
