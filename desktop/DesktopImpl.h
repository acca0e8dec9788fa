#pragma once

#include <SDL.h>

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/Beeper.h"
#include "desktop/Clock.h"
#include "desktop/Desktop.h"
#include "desktop/Face.h"
#include "desktop/Focus.h"
#include "desktop/Keys.h"
#include "desktop/Layout.h"
#include "desktop/Painter.h"
#include "desktop/Pictures.h"
#include "desktop/Recorder.h"
#include "desktop/Replay.h"
#include "runtime/Runtime.h"

namespace zorb {
class SaveState;
}

namespace zorb::desktop {

// How long a replay leaves each message box on the screen before it presses
// OK: the recording keeps only game time, which stands still in a box.
inline constexpr std::uint64_t kReplayBoxPauseMs = 1500;

// The shortest sleep between two wake-ups while timers run: one frame at
// 60 Hz, as often as a change could be seen anyway. The game's 1-ms timers
// are then delivered in batches, in order and on the game clock, instead of
// waking the machine a thousand times a second. Input wakes it at once.
inline constexpr int kBatchMs = 16;

// A held arrow walks one cell at most this often (game time): each step
// still runs its whole check chain first, and the player can stop on the
// cell he wants.
inline constexpr GameTime kWalkPaceMs = 120;

// How long a note of the window ("screenshot saved") stays up.
inline constexpr std::uint64_t kNoteMs = 2000;

// How far the left stick must lean before it walks.
inline constexpr int kStickDeadZone = 16000;

struct DesktopImpl {
    DesktopImpl(DesktopOptions options, Clock* clock);
    ~DesktopImpl();

    static DesktopImpl* current;

    DesktopOptions options;
    SystemClock systemClock;
    Clock& clock;
    Runtime* runtime = nullptr;

    bool sdlStarted = false;
    bool padsStarted = false;
    SDL_Window* window = nullptr;
    int windowedW = 0, windowedH = 0;  // the window's size out of fullscreen
    SDL_Renderer* renderer = nullptr;
    std::unique_ptr<Pictures> pictures;
    std::unique_ptr<Fonts> fonts;
    std::unique_ptr<Painter> painter;
    Layout layout;
    Beeper beeper;

    std::ofstream recordFile;
    std::unique_ptr<Recorder> recorder;
    bool recordingFailed = false;
    std::vector<ReplayStep> replay;
    std::size_t replayAt = 0;
    std::optional<GameTime> replayWaitEnd;
    bool replaying = false;

    std::function<void(GameTime, const std::string&)> transcript;

    // The game clock runs with the wall clock from this pair on.
    std::uint64_t anchorWall = 0;
    GameTime anchorGame = 0;

    // The pointer.
    Control* pressed = nullptr;      // the control the left button went down on
    bool pressedInside = false;      // and the pointer is still on it
    Scene* dragging = nullptr;
    float grabX = 0, grabY = 0;
    bool okArmed = false;            // the left button went down on OK
    bool okHeld = false;             // and the pointer is still on it
    bool okDone = false;

    std::uint64_t boxesOpened = 0;   // message boxes shown so far
    int boxesShowing = 0;            // and open now

    // The keyboard focus: a button of the front window.
    Focus focus;

    // Walking with a held arrow (a key, the D-pad or the stick).
    KeyAction heldArrow = KeyAction::None;
    std::uint64_t walkBoxes = 0;           // boxes opened when the walk began
    std::optional<GameTime> lastWalkPress;
    std::vector<SDL_GameController*> pads;
    int stickX = 0, stickY = 0;
    KeyAction stickArrow = KeyAction::None;

    // A note of the window over the desktop, until noteUntil (wall clock).
    std::string note;
    std::uint64_t noteUntil = 0;

    // Save states: a checkpoint is kept once the handler that entered a map
    // has run its course.
    bool checkpointDue = false;

    std::uint64_t paintedRevision = ~0ull;
    bool dirty = true;
    bool firstFrame = true;
    bool exitAfterFirstFrame = false;
    bool ended = false;  // the game ended itself (End)

    // --- the pieces ---------------------------------------------------
    void open();
    void loop();
    void step();
    int timeout();
    GameTime gameNow();
    void rebase();
    void checkRecordingWritable() const;
    void startVideo();
    void startRecording();
    void record(const std::string& line);
    void settleRecording();
    void checkRecording();
    void catchUp();
    static bool isInput(const SDL_Event& event);
    void present(bool force = false);
    void updateView();
    void toggleFullscreen();
    void screenshot();
    void handle(const SDL_Event& event);
    void mouseDown(float x, float y);
    void mouseMove(float x, float y);
    void mouseUp(float x, float y);
    void key(const SDL_KeyboardEvent& key);
    void act(KeyAction action);
    void arrowPressed(KeyAction arrow);
    void arrowReleased(KeyAction arrow);
    void walk();
    void pad(const SDL_Event& event);
    void updateFocus();
    void moveFocus(int direction);
    void showNote(const std::string& text);
    std::string savePath(const char* slot) const;
    SaveState snapshot() const;
    void quickSave();
    void takeCheckpoint();
    bool onCheckpointScene() const;
    void loadSlot(bool checkpoint);
    void loadFrom(const std::string& path);
    void afterLoad(const SaveState& save);
    void deliver(Control& control);
    void runReplay();
    void runReplayInBox(std::uint64_t boxOpened);
    void stopReplayIfDone();
    void messageBox();
    void finish();
    Interaction interaction() const;
};

}  // namespace zorb::desktop
