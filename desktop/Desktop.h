#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/Host.h"

namespace zorb {
class Runtime;
}

namespace zorb::desktop {

class Clock;
struct DesktopImpl;

struct DesktopOptions {
    float scale = 0;          // 0: the largest that fits the display
    bool fullscreen = false;
    std::string record;       // write the session to this file
    std::string replay;       // play this recording back
    std::string assets;       // the pictures; empty: beside the program
    // Scenes the window keeps a checkpoint at, each time one is entered (the
    // maps), and the scene after which a way back is offered (the game over).
    std::vector<std::string> checkpointScenes;
    std::string gameOverScene;
    // Where F5/F9 and the checkpoints keep their saves; empty: the player's
    // save directory.
    std::string saveDirectory;
    // The save the game was started from (--load), for the recording.
    std::string loadedFrom;
};

// Something that keeps the game from starting in a window: no display, no
// Japanese face, a recording that cannot be written or read. what() is one
// line for the player.
class DesktopError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The game in a window: one window is the desktop on which every scene is a
// framed window; the mouse clicks, the keys press the arrow buttons and the
// message box's OK, the clock runs in real time.
class Desktop : public Host {
public:
    // `clock` (for tests) defaults to the system's.
    explicit Desktop(DesktopOptions options, Clock* clock = nullptr);
    ~Desktop() override;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Opens the window. Throws DesktopError.
    void open();
    void attach(Runtime& runtime);
    // Starts the game with `start` at game time 0 and plays it until it
    // ends, by End or by the player closing the window: throws Exit.
    [[noreturn]] void run(const std::function<void()>& start);

    void messageBox(const std::string& text) override;
    void beep() override;
    void log(GameTime time, const std::string& event) override;

    // Every transcript line as the game makes it ("3000 show Form2").
    void setTranscript(std::function<void(GameTime, const std::string&)> listener);

    DesktopImpl& impl() { return *impl_; }
    // Settings the program adds once the game exists (before open()).
    DesktopOptions& options();

private:
    std::unique_ptr<DesktopImpl> impl_;
};

}  // namespace zorb::desktop
