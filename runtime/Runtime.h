#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Host.h"

namespace zorb {

class Control;
class Scene;
class Timer;

enum class ClickResult { Delivered, MessageBoxOpen, NotLoaded, Hidden };

// The scene runtime: the game clock and its timer queue, the order of the
// scene windows, modal message boxes, the beep, the random draw and End.
// Handlers run one at a time, to completion, on one thread.
class Runtime {
public:
    explicit Runtime(Host& host);
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    void setHost(Host& host) { host_ = &host; }
    Host& host() const { return *host_; }

    // --- the clock -------------------------------------------------------
    GameTime now() const { return now_; }
    // Lets game time run to `time`, delivering every tick due at or before
    // it, in order. The clock stands still while a message box is open:
    // called from inside one, it does nothing.
    void advanceTo(GameTime time);
    void advance(GameTime ms) { advanceTo(now_ + ms); }
    // When the next tick is due, if any timer is running.
    std::optional<GameTime> nextDue() const;

    // --- input -----------------------------------------------------------
    // A click aimed at a control, as the player or a script makes it. It
    // reaches the control's handler only when no box is open, the scene is
    // loaded and visible and the control visible; the scene comes to the front.
    ClickResult click(Control& control);

    // --- what a scene may do -------------------------------------------
    void msgbox(const std::string& text);
    void beep();
    // A choice 1..4: Int(r × 4 + 1), r from a generator reseeded from the
    // clock right before the draw, unless a draw has been fixed in advance.
    int draw();
    void fixNextDraw(int outcome) { fixedDraws_.push_back(outcome); }
    [[noreturn]] void end();

    // --- what a window system reads -------------------------------------
    bool messageBoxOpen() const { return boxOpen_; }
    const std::string& messageBoxText() const { return boxText_; }
    // Loaded scenes, front first (hidden ones included).
    const std::vector<Scene*>& zOrder() const { return zOrder_; }
    void bringToFront(Scene& scene);
    // Every scene, in the order they were made.
    const std::vector<Scene*>& scenes() const { return scenes_; }
    Scene* findScene(std::string_view name) const;
    // Grows whenever anything a player could see may have changed.
    std::uint64_t revision() const { return revision_; }
    void touch() { ++revision_; }
    // Timers waiting to tick (for checks: none may belong to an unloaded scene).
    const std::vector<Timer*>& runningTimers() const { return armed_; }

private:
    friend class Scene;
    friend class Timer;
    friend class SaveState;
    void registerScene(Scene& scene) { scenes_.push_back(&scene); }
    void sceneLoaded(Scene& scene);
    void sceneUnloaded(Scene& scene);
    void arm(Timer& timer);
    void disarm(Timer& timer);
    void log(const std::string& event) { host_->log(now_, event); }

    Host* host_;
    GameTime now_ = 0;
    long long armCounter_ = 0;
    std::vector<Timer*> armed_;
    std::vector<Scene*> scenes_;
    std::vector<Scene*> zOrder_;
    bool boxOpen_ = false;
    std::string boxText_;
    std::deque<int> fixedDraws_;
    std::uint64_t revision_ = 0;
};

}  // namespace zorb
