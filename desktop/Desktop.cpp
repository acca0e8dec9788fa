#include "desktop/Desktop.h"

#include <SDL_image.h>

#include <algorithm>
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

// The largest whole scale at which the desktop fits the display.
int fittingScale() {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    // Leave room for the window's own frame.
    const int sx = (usable.w - 16) / kScreenWidth;
    const int sy = (usable.h - 48) / kScreenHeight;
    return std::max(1, std::min(sx, sy));
}

std::string screenshotName() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    std::string name = std::string("zorbland-") + stamp + ".png";
    for (int n = 2; std::filesystem::exists(name); ++n) {
        name = std::string("zorbland-") + stamp + "-" + std::to_string(n) + ".png";
    }
    return name;
}

}  // namespace

// --- DesktopImpl ----------------------------------------------------------------

DesktopImpl::DesktopImpl(DesktopOptions o, Clock* c)
    : options(std::move(o)), clock(c ? *c : systemClock) {}

DesktopImpl::~DesktopImpl() {
    painter.reset();
    fonts.reset();
    pictures.reset();
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    if (sdlStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void DesktopImpl::open() {
    // Everything is checked before the recording is created, so a session
    // that never starts never wipes a file.
    if (!options.record.empty()) checkRecordingWritable();
    if (!options.replay.empty()) {
        std::ifstream in(options.replay);
        if (!in) throw DesktopError("cannot read the recording " + options.replay);
        try {
            replay = parseRecording(in, options.replay);
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

    const int scale = options.scale > 0 ? options.scale : fittingScale();
    Uint32 flags = SDL_WINDOW_RESIZABLE;
    if (options.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow("ZORBLAND", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              kScreenWidth * scale, kScreenHeight * scale, flags);
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
    return i;
}

void DesktopImpl::present(bool force) {
    if (!force && !dirty && paintedRevision == runtime->revision()) return;
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
    SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    updateView();
}

void DesktopImpl::screenshot() {
    const std::string name = screenshotName();
    painter->paint(*runtime, layout, interaction());
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    SDL_Surface* shot = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    bool ok = shot && SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, shot->pixels,
                                           shot->pitch) == 0;
    ok = ok && IMG_SavePNG(shot, name.c_str()) == 0;
    if (ok) {
        std::cerr << "zorbland: screenshot " << name << "\n";
    } else {
        std::cerr << "zorbland: cannot write the screenshot " << name << ": " << SDL_GetError() << "\n";
    }
    if (shot) SDL_FreeSurface(shot);
    SDL_RenderPresent(renderer);
    paintedRevision = runtime->revision();
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
    return e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP || e.type == SDL_KEYDOWN;
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
        case SDL_KEYDOWN: key(e.key); break;
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
    switch (action) {
        case KeyAction::None: break;
        case KeyAction::Fullscreen:
            if (!k.repeat) toggleFullscreen();
            break;
        case KeyAction::Screenshot:
            if (!k.repeat) screenshot();
            break;
        case KeyAction::Ok:
            if (!k.repeat && !replaying) okDone = true;
            break;
        case KeyAction::Up:
        case KeyAction::Right:
        case KeyAction::Down:
        case KeyAction::Left:
            if (k.repeat || replaying || pressed) break;
            if (CommandButton* button = arrowButton(*runtime, layout, action)) deliver(*button);
            break;
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
    if (!due) return -1;
    const GameTime wait = *due - gameNow();
    return static_cast<int>(std::clamp<GameTime>(wait, kBatchMs, 1000 * 60 * 60));
}

void DesktopImpl::step() {
    runReplay();
    catchUp();
    runReplay();
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

void Desktop::run(const std::function<void()>& start) {
    DesktopImpl& d = *impl_;
    try {
        d.startRecording();
        d.anchorWall = d.clock.now();
        d.anchorGame = d.runtime->now();
        start();
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
    if (event.rfind("draw ", 0) == 0 && d.recorder) d.recorder->drawn(std::atoi(event.c_str() + 5));
    if (event.rfind("unload ", 0) == 0 && d.runtime) {
        // Shown again later, the window opens centred again.
        if (Scene* s = d.runtime->findScene(event.substr(7))) d.layout.forget(*s);
        if (d.pressed && &d.pressed->scene() == d.runtime->findScene(event.substr(7))) d.pressed = nullptr;
        if (d.dragging && d.dragging == d.runtime->findScene(event.substr(7))) d.dragging = nullptr;
    }
}

void Desktop::setTranscript(std::function<void(GameTime, const std::string&)> listener) {
    impl_->transcript = std::move(listener);
}

}  // namespace zorb::desktop
