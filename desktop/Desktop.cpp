#include "desktop/Desktop.h"

#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <time.h>
#include <unistd.h>

#include "desktop/DesktopImpl.h"
#include "desktop/Look.h"
#include "desktop/PngFile.h"
#include "desktop/ScreenshotFiles.h"
#include "desktop/WindowSize.h"
#include "desktop/XErrors.h"
#include "runtime/Controls.h"
#include "runtime/Scene.h"

namespace zorb::desktop {

namespace {

bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        const char* v = std::getenv(name);
        if (v && *v) return true;
    }
    return false;
}

}  // namespace

// --- DesktopImpl ----------------------------------------------------------------

// The window open now, for the one way out that cannot unwind: a lost display.
DesktopImpl* DesktopImpl::current = nullptr;

DesktopImpl::DesktopImpl(DesktopOptions o, Clock* c)
    : options(std::move(o)), clock(c ? *c : systemClock) {}

DesktopImpl::~DesktopImpl() {
    if (current == this) current = nullptr;
    painter.reset();
    fonts.reset();
    pictures.reset();
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    for (SDL_GameController* c : pads) SDL_GameControllerClose(c);
    if (padsStarted) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    if (sdlStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void DesktopImpl::open() {
    // Everything is checked before the recording is created, so a session
    // that never starts never wipes a file.
    if (!options.record.empty()) checkRecordingWritable();
    if (!options.replay.empty()) {
        try {
            // Every click is checked against the game when it is attached.
            replay = readRecording(options.replay, runtime);
        } catch (const ReplayError& e) {
            throw DesktopError(e.what());
        }
        replaying = !replay.empty();
    }
    if (const char* v = std::getenv("ZORBLAND_EXIT_AFTER_FIRST_FRAME"); v && *v) {
        exitAfterFirstFrame = true;
    }

    if (!hasDisplay()) throw DesktopError("no display: set DISPLAY or use --headless");
    // The screen is drawn with SDL's software renderer straight into the
    // window's framebuffer: a frame at scale 2 takes a couple of
    // milliseconds and is drawn only when something changed, while bringing
    // up OpenGL (which SDL otherwise probes for, even for the software
    // renderer) costs a quarter of a second and tens of megabytes.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    startVideo();
    // Hang-up and quit from the terminal end the game as SIGTERM does (SDL
    // turns that into closing the window), the recording complete.
    for (int sig : {SIGHUP, SIGQUIT}) std::signal(sig, [](int) { std::raise(SIGTERM); });

    try {
        fonts = std::make_unique<Fonts>(findFace());
    } catch (const NoFace& e) {
        throw DesktopError(e.what());
    } catch (const std::runtime_error& e) {
        throw DesktopError(e.what());
    }
    pictures = std::make_unique<Pictures>(options.assets.empty() ? Pictures::defaultDirectory()
                                                                 : options.assets);

    SDL_Rect usable{0, 0, kScreenWidth + kFrameAllowanceW, kScreenHeight + kFrameAllowanceH};
    SDL_GetDisplayUsableBounds(0, &usable);
    const float scale = options.scale > 0 ? options.scale : fittingScale(usable);
    const int w = static_cast<int>(std::lround(kScreenWidth * scale));
    const int h = static_cast<int>(std::lround(kScreenHeight * scale));
    const SDL_Point at = windowPlace(usable, w, h);
    Uint32 flags = SDL_WINDOW_RESIZABLE;
    if (options.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow("ZORBLAND", at.x, at.y, w, h, flags);
    windowedW = w;
    windowedH = h;
    if (!window) throw DesktopError(std::string("cannot open a window: ") + SDL_GetError());
    // The taskbar and Alt-Tab show the same face as the installed desktop icon
    // (both are drawn from icon.svg), at 2× so it stays sharp there.
    SDL_SetWindowIcon(window, pictures->get("icon", true).surface);
    SDL_SetWindowMinimumSize(window, kScreenWidth / 2, kScreenHeight / 2);
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) throw DesktopError(std::string("cannot draw in the window: ") + SDL_GetError());
    painter = std::make_unique<Painter>(renderer, *pictures, *fonts);
    updateView();
}

void DesktopImpl::checkRecordingWritable() const {
    namespace fs = std::filesystem;
    const fs::path file(options.record);
    std::error_code ec;
    if (!options.replay.empty() &&
        (fs::equivalent(file, options.replay, ec) ||
         fs::weakly_canonical(file, ec) == fs::weakly_canonical(options.replay, ec))) {
        throw DesktopError("--record and --replay name the same file " + options.record +
                           ": the recording would wipe what is played");
    }
    if (fs::is_directory(file, ec)) throw DesktopError("cannot write the recording " + options.record + ": it is a directory");
    const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const bool exists = fs::exists(file, ec);
    if (::access(exists ? file.c_str() : dir.c_str(), W_OK) != 0) {
        throw DesktopError("cannot write the recording " + options.record + ": " + std::strerror(errno));
    }
}

void DesktopImpl::startRecording() {
    if (options.record.empty()) return;
    recordFile.open(options.record, std::ios::out | std::ios::trunc);
    if (!recordFile) {
        throw DesktopError("cannot write the recording " + options.record + ": " + std::strerror(errno));
    }
    recorder = std::make_unique<Recorder>(recordFile);
    if (!options.loadedFrom.empty()) {
        // Played back, the recording starts where the save did.
        recorder->command("load " + options.loadedFrom, 0);
        recorder->restartAt(runtime->now());
    }
}

void DesktopImpl::record(const std::string& line) {
    if (!recorder) return;
    recorder->command(line, runtime->now());
    checkRecording();
}

void DesktopImpl::settleRecording() {
    if (!recorder) return;
    recorder->settle();
    checkRecording();
}

// A recording that cannot be written (a full disk) is said once, at once;
// the game plays on unrecorded and the program ends with status 1.
void DesktopImpl::checkRecording() {
    if (recordFile) return;
    const int error = errno;
    std::cerr << "zorbland: cannot write the recording " << options.record << ": "
              << std::strerror(error ? error : EIO) << "\n";
    recorder.reset();
    recordingFailed = true;
}

// Only the drivers that show a window, for the displays the environment
// names: left to itself SDL falls back to one that draws nowhere, and the
// player would wait for a window that never comes. A test may still ask
// for another driver through SDL_VIDEODRIVER.
void DesktopImpl::startVideo() {
    std::string drivers, display;
    if (const char* v = std::getenv("WAYLAND_DISPLAY"); v && *v) {
        drivers = "wayland";
        display = v;
    }
    if (const char* v = std::getenv("DISPLAY"); v && *v) {
        drivers += drivers.empty() ? "x11" : ",x11";
        display = v;  // X is what the error names when both are set
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
        sdlStarted = true;
        if (std::string(SDL_GetCurrentVideoDriver()) == "x11") {
            current = this;
            takeOverXErrors([](const char* display) {
                // The recording keeps what was played; then out, at once,
                // as nothing more can be drawn or read.
                std::cerr << "zorbland: lost the display " << display << "\n";
                if (current) current->finish();
                std::_Exit(1);
            });
        }
        // Gamepads come and go while the game runs; without them it plays on.
        padsStarted = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
        return;
    }
    std::string reason = SDL_GetError();
    if (reason.size() >= 13 && reason.compare(reason.size() - 13, 13, "not available") == 0) {
        reason = "nothing answers there";
    }
    throw DesktopError("cannot open the display " + (display.empty() ? std::string("(none)") : display) + ": " +
                       reason + "; set DISPLAY or use --headless");
}

void DesktopImpl::updateView() {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    painter->setView(View::fit(w, h));
    dirty = true;
}

GameTime DesktopImpl::gameNow() {
    return anchorGame + static_cast<GameTime>(clock.now() - anchorWall);
}

void DesktopImpl::rebase() {
    anchorWall = clock.now();
    anchorGame = runtime->now();
}

Interaction DesktopImpl::interaction() const {
    Interaction i;
    if (pressed && pressedInside) i.pressed = pressed;
    i.okPressed = okHeld;
    i.focused = focus.button();
    i.note = note;
    if (!options.gameOverScene.empty()) {
        const Scene* over = runtime->findScene(options.gameOverScene);
        if (over && over->visible()) i.hint = "F9: load the last save · Shift+F9: back to the last map";
    }
    return i;
}

// The focus follows the front window (see Focus).
void DesktopImpl::updateFocus() {
    const std::vector<Scene*> windows = layout.windows(*runtime);
    if (focus.follow(windows.empty() ? nullptr : windows.front())) dirty = true;
}

void DesktopImpl::moveFocus(int direction) {
    updateFocus();
    focus.move(direction);
    dirty = true;
}

void DesktopImpl::present(bool force) {
    if (!note.empty() && clock.now() >= noteUntil) {
        note.clear();
        dirty = true;
    }
    if (!force && !dirty && paintedRevision == runtime->revision()) return;
    updateFocus();  // the focus changes only with what is on the screen
    paintedRevision = runtime->revision();
    dirty = false;
    painter->paint(*runtime, layout, interaction());
    SDL_RenderPresent(renderer);
    if (firstFrame) {
        firstFrame = false;
        if (exitAfterFirstFrame) {
            timespec ts{};
            clock_gettime(CLOCK_MONOTONIC, &ts);
            std::cerr << "first frame " << (ts.tv_sec * 1000000LL + ts.tv_nsec / 1000) << "\n";
            throw Exit{0};
        }
    }
}

void DesktopImpl::toggleFullscreen() {
    const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    if (!full) SDL_GetWindowSize(window, &windowedW, &windowedH);
    SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    // With no window manager to send the new size, the window comes back
    // from fullscreen at its old size only when asked to.
    if (full) SDL_SetWindowSize(window, windowedW, windowedH);
    updateView();
}

// F12: the screen as the player sees it (no note on it) into the pictures
// directory; a note says where it went, or why it did not.
void DesktopImpl::screenshot() {
    Interaction plain = interaction();
    plain.note.clear();
    painter->paint(*runtime, layout, plain);
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    SDL_Surface* shot = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    std::string error;
    if (!shot || SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, shot->pixels, shot->pitch) != 0) {
        error = SDL_GetError();
    }
    const std::filesystem::path dir = screenshotDirectory();
    std::filesystem::path file;
    if (error.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (ec) error = "cannot make " + dir.string() + ": " + ec.message();
    }
    if (error.empty()) {
        file = newScreenshotPath(dir);
        error = savePng(shot, file.string());
    }
    if (shot) SDL_FreeSurface(shot);
    if (error.empty()) {
        std::cerr << "zorbland: screenshot " << file.string() << "\n";
        showNote("screenshot saved: " + file.string());
    } else {
        std::cerr << "zorbland: screenshot not saved in " << dir.string() << ": " << error << "\n";
        showNote("screenshot not saved: " + error);
    }
    present(true);
}

void DesktopImpl::showNote(const std::string& text) {
    note = text;
    noteUntil = clock.now() + kNoteMs;
    dirty = true;
}

// --- input ------------------------------------------------------------------

// The game clock catches up with the wall clock, delivering every tick that
// fell due, so that an input is handled at the moment it was made however
// long the game sat idle before it. Nothing moves while a box is open.
void DesktopImpl::catchUp() {
    if (runtime->messageBoxOpen()) return;
    GameTime target = gameNow();
    if (replayWaitEnd) target = std::min(target, *replayWaitEnd);
    if (target > runtime->now()) runtime->advanceTo(target);
    settleRecording();
}

bool DesktopImpl::isInput(const SDL_Event& e) {
    return e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP || e.type == SDL_KEYDOWN ||
           e.type == SDL_CONTROLLERBUTTONDOWN || e.type == SDL_CONTROLLERAXISMOTION;
}

void DesktopImpl::handle(const SDL_Event& e) {
    if (isInput(e)) {
        const std::uint64_t boxesBefore = boxesOpened;
        catchUp();
        // A box that opened in the time caught up was on the screen, in game
        // time, before this input: the input went to the box and is spent.
        if (boxesOpened != boxesBefore) return;
    }
    switch (e.type) {
        case SDL_QUIT: throw Exit{0};
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) updateView();
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) dirty = true;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_MOUSEMOTION: {
            float px = 0, py = 0;
            if (e.type == SDL_MOUSEMOTION) {
                px = static_cast<float>(e.motion.x);
                py = static_cast<float>(e.motion.y);
            } else {
                if (e.button.button != SDL_BUTTON_LEFT) break;
                px = static_cast<float>(e.button.x);
                py = static_cast<float>(e.button.y);
            }
            // The pointer arrives in window coordinates; the output may have
            // more pixels than that on a high-density screen.
            int ww = 1, wh = 1, ow = 1, oh = 1;
            SDL_GetWindowSize(window, &ww, &wh);
            SDL_GetRendererOutputSize(renderer, &ow, &oh);
            px = px * ow / std::max(1, ww);
            py = py * oh / std::max(1, wh);
            float x = 0, y = 0;
            painter->view().toLogical(px, py, x, y);
            if (e.type == SDL_MOUSEBUTTONDOWN) mouseDown(x, y);
            if (e.type == SDL_MOUSEBUTTONUP) mouseUp(x, y);
            if (e.type == SDL_MOUSEMOTION) mouseMove(x, y);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: key(e.key); break;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION: pad(e); break;
        default: break;
    }
}

void DesktopImpl::mouseDown(float x, float y) {
    if (runtime->messageBoxOpen()) {
        // Only the box answers while it is open.
        if (painter->messageBoxShape(runtime->messageBoxText()).ok.contains(x, y)) {
            okArmed = true;
            okHeld = true;
            dirty = true;
        }
        return;
    }
    const Hit hit = hitTest(*runtime, layout, painter->pictureSize(), x, y);
    if (!hit.scene) return;
    runtime->bringToFront(*hit.scene);
    if (hit.where == Hit::Where::Title) {
        const Box f = layout.frame(*hit.scene);
        dragging = hit.scene;
        grabX = x - f.x;
        grabY = y - f.y;
        return;
    }
    if (hit.control && !replaying) {
        pressed = hit.control;
        pressedInside = true;
        dirty = true;
    }
}

void DesktopImpl::mouseMove(float x, float y) {
    if (dragging) {
        layout.moveTo(*dragging, x - grabX, y - grabY);
        dirty = true;
        return;
    }
    if (pressed) {
        const Hit hit = hitTest(*runtime, layout, painter->pictureSize(), x, y);
        const bool inside = hit.control == pressed;
        if (inside != pressedInside) {
            pressedInside = inside;
            dirty = true;
        }
    }
    if (okArmed && runtime->messageBoxOpen()) {
        // OK looks pressed only while the pointer is on it.
        const bool on = painter->messageBoxShape(runtime->messageBoxText()).ok.contains(x, y);
        if (okHeld != on) {
            okHeld = on;
            dirty = true;
        }
    }
}

void DesktopImpl::mouseUp(float x, float y) {
    dragging = nullptr;
    if (runtime->messageBoxOpen()) {
        if (okArmed && painter->messageBoxShape(runtime->messageBoxText()).ok.contains(x, y) &&
            !replaying) {
            okDone = true;
        }
        okArmed = false;
        okHeld = false;
        dirty = true;
        return;
    }
    Control* target = pressed;
    pressed = nullptr;
    if (!target) return;
    dirty = true;
    const Hit hit = hitTest(*runtime, layout, painter->pictureSize(), x, y);
    if (hit.control == target) deliver(*target);
}

void DesktopImpl::key(const SDL_KeyboardEvent& k) {
    const KeyAction action = keyAction(k.keysym.sym, k.keysym.mod, runtime->messageBoxOpen());
    if (k.type == SDL_KEYUP) {
        if (isArrow(action)) arrowReleased(action);
        return;
    }
    // A held key repeats by walking (arrows) or not at all.
    if (!k.repeat) act(action);
}

void DesktopImpl::act(KeyAction action) {
    switch (action) {
        case KeyAction::None: break;
        case KeyAction::Fullscreen: toggleFullscreen(); break;
        case KeyAction::Screenshot: screenshot(); break;
        case KeyAction::Ok:
            if (!replaying && runtime->messageBoxOpen()) okDone = true;
            break;
        case KeyAction::Press:
            updateFocus();
            if (focus.button() && !replaying && !pressed && !runtime->messageBoxOpen()) deliver(*focus.button());
            break;
        case KeyAction::QuickSave: quickSave(); break;
        case KeyAction::QuickLoad: loadSlot(false); break;
        case KeyAction::CheckpointLoad: loadSlot(true); break;
        case KeyAction::NextFocus: moveFocus(+1); break;
        case KeyAction::PreviousFocus: moveFocus(-1); break;
        case KeyAction::Up:
        case KeyAction::Right:
        case KeyAction::Down:
        case KeyAction::Left: arrowPressed(action); break;
    }
}

// An arrow held down walks: its button is pressed again once the step it
// started has run its whole check chain and the arrows are back, at a
// walking pace; a message box ends the walk until the arrow is pressed anew.
void DesktopImpl::arrowPressed(KeyAction arrow) {
    heldArrow = arrow;
    walkBoxes = boxesOpened;
    lastWalkPress.reset();
    walk();
}

void DesktopImpl::arrowReleased(KeyAction arrow) {
    if (heldArrow == arrow) heldArrow = KeyAction::None;
}

void DesktopImpl::walk() {
    if (heldArrow == KeyAction::None) return;
    if (boxesOpened != walkBoxes) {
        heldArrow = KeyAction::None;
        return;
    }
    if (replaying || pressed || runtime->messageBoxOpen()) return;
    // At a walking pace: by then the step pressed last has long started.
    if (lastWalkPress && runtime->now() < *lastWalkPress + kWalkPaceMs) return;
    CommandButton* button = arrowButton(*runtime, layout, heldArrow);
    if (!button) return;
    lastWalkPress = runtime->now();
    deliver(*button);
}

// Gamepads: the D-pad and the left stick are the arrows, the buttons are
// the keys they stand for.
void DesktopImpl::pad(const SDL_Event& e) {
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* c = SDL_GameControllerOpen(e.cdevice.which)) pads.push_back(c);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            for (auto it = pads.begin(); it != pads.end(); ++it) {
                if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(*it)) == e.cdevice.which) {
                    SDL_GameControllerClose(*it);
                    pads.erase(it);
                    break;
                }
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            const KeyAction action = padAction(static_cast<SDL_GameControllerButton>(e.cbutton.button),
                                               runtime->messageBoxOpen());
            if (e.type == SDL_CONTROLLERBUTTONUP) {
                if (isArrow(action)) arrowReleased(action);
            } else {
                act(action);
            }
            break;
        }
        case SDL_CONTROLLERAXISMOTION: {
            if (e.caxis.axis != SDL_CONTROLLER_AXIS_LEFTX && e.caxis.axis != SDL_CONTROLLER_AXIS_LEFTY) break;
            (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ? stickX : stickY) = e.caxis.value;
            KeyAction arrow = KeyAction::None;
            if (std::abs(stickX) >= std::abs(stickY) && std::abs(stickX) > kStickDeadZone) {
                arrow = stickX > 0 ? KeyAction::Right : KeyAction::Left;
            } else if (std::abs(stickY) > kStickDeadZone) {
                arrow = stickY > 0 ? KeyAction::Down : KeyAction::Up;
            }
            if (arrow == stickArrow) break;
            if (stickArrow != KeyAction::None) arrowReleased(stickArrow);
            stickArrow = arrow;
            if (arrow != KeyAction::None && !runtime->messageBoxOpen()) arrowPressed(arrow);
            break;
        }
        default: break;
    }
}

void DesktopImpl::deliver(Control& control) {
    // A control with no click handler takes the click and does nothing.
    if (control.kind() == ControlKind::Timer || control.kind() == ControlKind::Line) return;
    if (!static_cast<VisualControl&>(control).hasClickHandler()) return;
    record("click " + control.scene().name() + "." + control.name());
    runtime->click(control);
    settleRecording();
    dirty = true;
}

// --- replay -------------------------------------------------------------------

void DesktopImpl::runReplay() {
    while (replaying && replayAt < replay.size()) {
        const ReplayStep& s = replay[replayAt];
        if (s.kind == ReplayStep::Kind::Wait) {
            if (!replayWaitEnd) replayWaitEnd = runtime->now() + s.ms;
            if (runtime->now() < *replayWaitEnd) return;
            replayWaitEnd.reset();
            ++replayAt;
        } else if (s.kind == ReplayStep::Kind::Draw) {
            runtime->fixNextDraw(s.outcome);
            ++replayAt;
        } else if (s.kind == ReplayStep::Kind::Ok) {
            ++replayAt;  // no box is open: nothing to press
        } else if (s.kind == ReplayStep::Kind::Load) {
            ++replayAt;
            loadFrom(s.target);
        } else {
            ++replayAt;
            Scene* scene = runtime->findScene(s.target.substr(0, s.target.find('.')));
            Control* c = scene ? scene->findControl(s.target.substr(s.target.find('.') + 1)) : nullptr;
            if (c && c->clickable()) {
                record("click " + s.target);
                runtime->click(*c);
                settleRecording();
                dirty = true;
            }
        }
    }
    stopReplayIfDone();
}

void DesktopImpl::runReplayInBox(std::uint64_t boxOpened) {
    while (replaying && replayAt < replay.size()) {
        const ReplayStep& s = replay[replayAt];
        if (s.kind == ReplayStep::Kind::Draw) {
            runtime->fixNextDraw(s.outcome);
            ++replayAt;
        } else if (s.kind == ReplayStep::Kind::Ok) {
            if (clock.now() - boxOpened < kReplayBoxPauseMs) return;
            ++replayAt;
            okDone = true;
            return;
        } else {
            // The wait that was running when the box opened ended with it (a
            // recording writes the box's OK at the game time it opened);
            // clicks go nowhere while a box is open.
            replayWaitEnd.reset();
            ++replayAt;
        }
    }
    stopReplayIfDone();
}

void DesktopImpl::stopReplayIfDone() {
    if (replayAt < replay.size()) return;
    // The player takes over, with the clock running from here.
    replaying = false;
    replayWaitEnd.reset();
}

// --- the loops ------------------------------------------------------------------

int DesktopImpl::timeout() {
    if (replaying && replayAt < replay.size() && replay[replayAt].kind != ReplayStep::Kind::Wait) return 0;
    std::optional<GameTime> due = runtime->nextDue();
    if (replayWaitEnd) due = due ? std::min(*due, *replayWaitEnd) : *replayWaitEnd;
    if (heldArrow != KeyAction::None && lastWalkPress) {
        const GameTime next = *lastWalkPress + kWalkPaceMs;
        due = due ? std::min(*due, next) : next;
    }
    int noteWait = -1;
    if (!note.empty()) noteWait = static_cast<int>(noteUntil > clock.now() ? noteUntil - clock.now() : 0);
    if (!due) return noteWait;
    const GameTime wait = *due - gameNow();
    const int timerWait = static_cast<int>(std::clamp<GameTime>(wait, kBatchMs, 1000 * 60 * 60));
    return noteWait < 0 ? timerWait : std::min(timerWait, std::max(noteWait, kBatchMs));
}

void DesktopImpl::step() {
    if (checkpointDue && !runtime->messageBoxOpen()) takeCheckpoint();
    runReplay();
    catchUp();
    runReplay();
    walk();
    present();
    SDL_Event e;
    if (clock.wait(e, timeout())) {
        handle(e);
        while (clock.poll(e)) handle(e);
    }
}

void DesktopImpl::loop() {
    for (;;) step();
}

void DesktopImpl::messageBox() {
    ++boxesOpened;
    ++boxesShowing;  // not taken back when the game ends inside the box
    settleRecording();  // the handler waits here: what led to the box is on disk
    pressed = nullptr;
    dragging = nullptr;
    okHeld = false;
    okArmed = false;
    okDone = false;
    dirty = true;
    const std::uint64_t opened = clock.now();
    while (!okDone) {
        runReplayInBox(opened);
        if (okDone) break;
        present();
        int wait = -1;
        if (replaying && replayAt < replay.size() && replay[replayAt].kind == ReplayStep::Kind::Ok) {
            const std::uint64_t shown = clock.now() - opened;
            wait = shown >= kReplayBoxPauseMs ? 0 : static_cast<int>(kReplayBoxPauseMs - shown);
        }
        SDL_Event e;
        if (clock.wait(e, wait)) {
            handle(e);
            while (!okDone && clock.poll(e)) handle(e);
        }
    }
    okDone = false;
    okHeld = false;
    okArmed = false;
    dirty = true;
    --boxesShowing;
    record("ok");
    // The game clock stood still while the box was open.
    rebase();
}

void DesktopImpl::finish() {
    if (!recorder) return;
    // The session ends now on the game clock: the player watched the screen
    // until then, though no tick was due. A tick due in the last few
    // milliseconds was never delivered, so the recording stops short of it.
    GameTime end = runtime->now();
    if (!ended && boxesShowing == 0) {
        GameTime wall = gameNow();
        if (const auto due = runtime->nextDue()) wall = std::min(wall, *due - 1);
        end = std::max(end, wall);
    }
    recorder->finish(end);
    checkRecording();
}

// --- Desktop ------------------------------------------------------------------

Desktop::Desktop(DesktopOptions options, Clock* clock)
    : impl_(std::make_unique<DesktopImpl>(std::move(options), clock)) {}

Desktop::~Desktop() = default;

void Desktop::open() { impl_->open(); }

void Desktop::attach(Runtime& runtime) { impl_->runtime = &runtime; }

DesktopOptions& Desktop::options() { return impl_->options; }

void Desktop::run(const std::function<void()>& start) {
    DesktopImpl& d = *impl_;
    try {
        d.startRecording();
        d.anchorWall = d.clock.now();
        d.anchorGame = d.runtime->now();
        start();
        if (!d.options.loadedFrom.empty()) d.checkpointDue = d.onCheckpointScene();
        // Start-up (a box at the title, say) may have taken wall time.
        d.rebase();
        d.loop();
    } catch (const Exit& exit) {
        // The recording keeps what was played, however the game ended.
        d.finish();
        throw Exit{d.recordingFailed ? 1 : exit.status};
    } catch (...) {
        d.finish();
        throw;
    }
    throw Exit{0};
}

void Desktop::messageBox(const std::string&) { impl_->messageBox(); }

void Desktop::beep() { impl_->beeper.beep(); }

void Desktop::log(GameTime time, const std::string& event) {
    DesktopImpl& d = *impl_;
    if (d.transcript) d.transcript(time, event);
    if (event == "end") d.ended = true;
    if (event.rfind("show ", 0) == 0) {
        const auto& maps = d.options.checkpointScenes;
        if (std::find(maps.begin(), maps.end(), event.substr(5)) != maps.end()) d.checkpointDue = true;
    }
    if (event.rfind("draw ", 0) == 0 && d.recorder) d.recorder->drawn(std::atoi(event.c_str() + 5));
    if (event.rfind("unload ", 0) == 0 && d.runtime) {
        // Shown again later, the window opens centred again.
        if (Scene* s = d.runtime->findScene(event.substr(7))) d.layout.forget(*s);
        if (d.pressed && &d.pressed->scene() == d.runtime->findScene(event.substr(7))) d.pressed = nullptr;
        if (d.dragging && d.dragging == d.runtime->findScene(event.substr(7))) d.dragging = nullptr;
        // Loaded again, it takes the focus afresh.
        if (Scene* s = d.runtime->findScene(event.substr(7))) d.focus.forget(*s);
    }
}

void Desktop::setTranscript(std::function<void(GameTime, const std::string&)> listener) {
    impl_->transcript = std::move(listener);
}

}  // namespace zorb::desktop
