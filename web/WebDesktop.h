#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop/Focus.h"
#include "desktop/Layout.h"
#include "runtime/Host.h"
#include "runtime/Runtime.h"
#include "web/Bridge.h"
#include "web/WebPainter.h"

namespace zorb::web {

// The shortest sleep between two wake-ups while timers run: one frame at
// 60 Hz. The game's 1-ms timers are delivered in batches, in order and on
// the game clock, instead of waking the page a thousand times a second.
// Input wakes it at once.
inline constexpr int kBatchMs = 16;

// A held arrow walks one cell at most this often (game time), as in the window.
inline constexpr GameTime kWalkPaceMs = 120;

// What a key does, as in the window: the arrows press the front window's
// arrow buttons, Tab moves the focus, Space and Enter press the focused
// button, and Enter, Space and Escape press a message box's OK.
enum class KeyAction { None, Up, Right, Down, Left, Ok, Press, NextFocus, PreviousFocus, Save, Load, LoadCheckpoint };

KeyAction keyAction(page::Key key, int modifiers, bool boxOpen);

// The game in the browser: the page's canvas is the desktop on which every
// scene is a framed window; the pointer clicks and drags, the keys press
// the arrow buttons and the message box's OK, and the game clock follows
// the page's clock. A message box waits for its OK in a loop of its own,
// the handler that opened it put aside until then.
class WebDesktop : public Host {
public:
    explicit WebDesktop(const PictureSize& pictureSize);
    void attach(Runtime& runtime) { runtime_ = &runtime; }
    // Entering one of these scenes (the maps) keeps a checkpoint.
    void setCheckpointScenes(std::vector<std::string> names) { checkpointScenes_ = std::move(names); }

    // Starts the game at game time 0 and plays it until it ends: throws Exit.
    [[noreturn]] void run(const std::function<void()>& start);

    void messageBox(const std::string& text) override;
    void beep() override;
    void log(GameTime time, const std::string& event) override;

private:
    void step();
    int timeout();
    GameTime gameNow() const;
    void rebase();
    void catchUp();
    void present();
    void updateView();
    void handle(const page::Event& event);
    void mouseDown(float x, float y);
    void mouseMove(float x, float y);
    void mouseUp(float x, float y);
    void key(const page::Event& event);
    void act(KeyAction action);
    void arrowPressed(KeyAction arrow);
    void walk();
    void updateFocus();
    void moveFocus(int direction);
    void deliver(Control& control);
    CommandButton* arrowButton(KeyAction arrow) const;
    Interaction interaction() const;
    std::string dump(const std::string& name) const;
    void save();
    void load(bool checkpoint);
    void takeCheckpoint();

    Runtime* runtime_ = nullptr;
    Layout layout_;
    WebPainter painter_;

    // The game clock runs with the page's clock from this pair on.
    double anchorWall_ = 0;
    GameTime anchorGame_ = 0;

    Control* pressed_ = nullptr;  // the control the button went down on
    bool pressedInside_ = false;  // and the pointer is still on it
    Scene* dragging_ = nullptr;
    float grabX_ = 0, grabY_ = 0;
    bool okArmed_ = false;  // the button went down on OK
    bool okHeld_ = false;   // and the pointer is still on it
    bool okDone_ = false;
    std::uint64_t boxesOpened_ = 0;

    desktop::Focus focus_;

    KeyAction heldArrow_ = KeyAction::None;
    std::uint64_t walkBoxes_ = 0;
    std::optional<GameTime> lastWalkPress_;

    std::vector<std::string> checkpointScenes_;
    bool checkpointDue_ = false;

    std::uint64_t paintedRevision_ = ~0ull;
    bool dirty_ = true;
};

}  // namespace zorb::web
