#include "web/WebDesktop.h"

#include <algorithm>
#include <cmath>

#include "desktop/Look.h"
#include "runtime/Controls.h"
#include "runtime/SaveState.h"
#include "runtime/Scene.h"
#include "runtime/Value.h"

namespace zorb::web {

using desktop::Hit;
using desktop::hitTest;
using desktop::visibleButton;

KeyAction keyAction(page::Key key, int modifiers, bool boxOpen) {
    switch (key) {
        case page::Key::Enter:
        case page::Key::Space: return boxOpen ? KeyAction::Ok : KeyAction::Press;
        case page::Key::Escape: return boxOpen ? KeyAction::Ok : KeyAction::None;
        case page::Key::Tab:
            if (boxOpen) return KeyAction::None;
            return (modifiers & page::Shift) ? KeyAction::PreviousFocus : KeyAction::NextFocus;
        case page::Key::Up: return boxOpen ? KeyAction::None : KeyAction::Up;
        case page::Key::Right: return boxOpen ? KeyAction::None : KeyAction::Right;
        case page::Key::Down: return boxOpen ? KeyAction::None : KeyAction::Down;
        case page::Key::Left: return boxOpen ? KeyAction::None : KeyAction::Left;
        case page::Key::F5: return KeyAction::Save;
        case page::Key::F9: return (modifiers & page::Shift) ? KeyAction::LoadCheckpoint : KeyAction::Load;
        case page::Key::None: break;
    }
    return KeyAction::None;
}

namespace {

bool isArrow(KeyAction action) {
    return action == KeyAction::Up || action == KeyAction::Right || action == KeyAction::Down ||
           action == KeyAction::Left;
}

}  // namespace

WebDesktop::WebDesktop(const PictureSize& pictureSize) : painter_(pictureSize) {}

// --- the clock --------------------------------------------------------------

GameTime WebDesktop::gameNow() const {
    return anchorGame_ + static_cast<GameTime>(std::floor(page::now() - anchorWall_));
}

void WebDesktop::rebase() {
    anchorWall_ = page::now();
    anchorGame_ = runtime_->now();
}

// The game clock catches up with the page's clock, delivering every tick
// that fell due, so that an input is handled at the moment it was made
// however long the game sat idle before it. Nothing moves while a box is open.
void WebDesktop::catchUp() {
    if (runtime_->messageBoxOpen()) return;
    const GameTime target = gameNow();
    if (target > runtime_->now()) runtime_->advanceTo(target);
}

// --- drawing ----------------------------------------------------------------

void WebDesktop::updateView() {
    int w = 0, h = 0;
    page::outputSize(w, h);
    painter_.setView(View::fit(std::max(1, w), std::max(1, h)));
    dirty_ = true;
}

Interaction WebDesktop::interaction() const {
    Interaction i;
    if (pressed_ && pressedInside_) i.pressed = pressed_;
    i.okPressed = okHeld_;
    i.focused = focus_.button();
    return i;
}

void WebDesktop::present() {
    updateFocus();
    if (!dirty_ && paintedRevision_ == runtime_->revision()) return;
    paintedRevision_ = runtime_->revision();
    dirty_ = false;
    painter_.paint(*runtime_, layout_, interaction());
}

// --- the keyboard focus -------------------------------------------------------

// The focus follows the front window (see Focus).
void WebDesktop::updateFocus() {
    const std::vector<Scene*> windows = layout_.windows(*runtime_);
    if (focus_.follow(windows.empty() ? nullptr : windows.front())) dirty_ = true;
}

void WebDesktop::moveFocus(int direction) {
    updateFocus();
    focus_.move(direction);
    dirty_ = true;
}

// --- input ------------------------------------------------------------------

void WebDesktop::handle(const page::Event& e) {
    using page::EventType;
    const bool input = e.type == EventType::PointerDown || e.type == EventType::PointerUp ||
                       e.type == EventType::KeyDown;
    if (input) {
        const std::uint64_t boxesBefore = boxesOpened_;
        catchUp();
        // A box that opened in the time caught up was on the screen, in game
        // time, before this input: the input went to the box and is spent.
        if (boxesOpened_ != boxesBefore) return;
    }
    switch (e.type) {
        case EventType::Resize: updateView(); break;
        case EventType::Repaint: dirty_ = true; break;
        case EventType::PointerDown:
        case EventType::PointerMove:
        case EventType::PointerUp: {
            float x = 0, y = 0;
            painter_.view().toLogical(e.x, e.y, x, y);
            if (e.type == EventType::PointerDown) mouseDown(x, y);
            if (e.type == EventType::PointerMove) mouseMove(x, y);
            if (e.type == EventType::PointerUp) mouseUp(x, y);
            break;
        }
        case EventType::KeyDown:
        case EventType::KeyUp: key(e); break;
        case EventType::FixDraw: runtime_->fixNextDraw(e.key); break;
        case EventType::Dump: page::answer(e.key, dump(page::question(e.key))); break;
        case EventType::None: break;
    }
}

void WebDesktop::mouseDown(float x, float y) {
    if (runtime_->messageBoxOpen()) {
        // Only the box answers while it is open.
        if (painter_.messageBoxShape(runtime_->messageBoxText()).ok.contains(x, y)) {
            okArmed_ = true;
            okHeld_ = true;
            dirty_ = true;
        }
        return;
    }
    const Hit hit = hitTest(*runtime_, layout_, painter_.pictureSize(), x, y);
    if (!hit.scene) return;
    runtime_->bringToFront(*hit.scene);
    if (hit.where == Hit::Where::Title) {
        const Box f = layout_.frame(*hit.scene);
        dragging_ = hit.scene;
        grabX_ = x - f.x;
        grabY_ = y - f.y;
        return;
    }
    if (hit.control) {
        pressed_ = hit.control;
        pressedInside_ = true;
        dirty_ = true;
    }
}

void WebDesktop::mouseMove(float x, float y) {
    if (dragging_) {
        layout_.moveTo(*dragging_, x - grabX_, y - grabY_);
        dirty_ = true;
        return;
    }
    if (pressed_) {
        const Hit hit = hitTest(*runtime_, layout_, painter_.pictureSize(), x, y);
        const bool inside = hit.control == pressed_;
        if (inside != pressedInside_) {
            pressedInside_ = inside;
            dirty_ = true;
        }
    }
    if (okArmed_ && runtime_->messageBoxOpen()) {
        // OK looks pressed only while the pointer is on it.
        const bool on = painter_.messageBoxShape(runtime_->messageBoxText()).ok.contains(x, y);
        if (okHeld_ != on) {
            okHeld_ = on;
            dirty_ = true;
        }
    }
}

void WebDesktop::mouseUp(float x, float y) {
    dragging_ = nullptr;
    if (runtime_->messageBoxOpen()) {
        if (okArmed_ && painter_.messageBoxShape(runtime_->messageBoxText()).ok.contains(x, y)) okDone_ = true;
        okArmed_ = false;
        okHeld_ = false;
        dirty_ = true;
        return;
    }
    Control* target = pressed_;
    pressed_ = nullptr;
    if (!target) return;
    dirty_ = true;
    const Hit hit = hitTest(*runtime_, layout_, painter_.pictureSize(), x, y);
    if (hit.control == target) deliver(*target);
}

void WebDesktop::key(const page::Event& e) {
    const KeyAction action = keyAction(static_cast<page::Key>(e.key), e.modifiers, runtime_->messageBoxOpen());
    if (e.type == page::EventType::KeyUp) {
        if (isArrow(action) && heldArrow_ == action) heldArrow_ = KeyAction::None;
        return;
    }
    act(action);
}

void WebDesktop::act(KeyAction action) {
    switch (action) {
        case KeyAction::None: break;
        case KeyAction::Ok:
            if (runtime_->messageBoxOpen()) okDone_ = true;
            break;
        case KeyAction::Press:
            updateFocus();
            if (focus_.button() && !pressed_ && !runtime_->messageBoxOpen()) deliver(*focus_.button());
            break;
        case KeyAction::Save: save(); break;
        case KeyAction::Load: load(false); break;
        case KeyAction::LoadCheckpoint: load(true); break;
        case KeyAction::NextFocus: moveFocus(+1); break;
        case KeyAction::PreviousFocus: moveFocus(-1); break;
        case KeyAction::Up:
        case KeyAction::Right:
        case KeyAction::Down:
        case KeyAction::Left: arrowPressed(action); break;
    }
}

// An arrow held down walks: its button is pressed again once the step it
// started has run and the pace allows; a message box ends the walk until
// the arrow is pressed anew.
void WebDesktop::arrowPressed(KeyAction arrow) {
    heldArrow_ = arrow;
    walkBoxes_ = boxesOpened_;
    lastWalkPress_.reset();
    walk();
}

void WebDesktop::walk() {
    if (heldArrow_ == KeyAction::None) return;
    if (boxesOpened_ != walkBoxes_) {
        heldArrow_ = KeyAction::None;
        return;
    }
    if (pressed_ || runtime_->messageBoxOpen()) return;
    const GameTime now = runtime_->now();
    if (lastWalkPress_ && (now <= *lastWalkPress_ || now < *lastWalkPress_ + kWalkPaceMs)) return;
    CommandButton* button = arrowButton(heldArrow_);
    if (!button) return;
    lastWalkPress_ = now;
    deliver(*button);
}

// The visible button captioned with the arrow in the front window: only
// the window in front takes the keys, so a box open over a town does not
// let the town beneath it walk.
CommandButton* WebDesktop::arrowButton(KeyAction arrow) const {
    const char* caption = nullptr;
    switch (arrow) {
        case KeyAction::Up: caption = "↑"; break;
        case KeyAction::Right: caption = "→"; break;
        case KeyAction::Down: caption = "↓"; break;
        case KeyAction::Left: caption = "←"; break;
        default: return nullptr;
    }
    const std::vector<Scene*> windows = layout_.windows(*runtime_);
    return windows.empty() ? nullptr : visibleButton(*windows.front(), caption);
}

void WebDesktop::deliver(Control& control) {
    // A control with no click handler takes the click and does nothing.
    if (control.kind() == ControlKind::Timer || control.kind() == ControlKind::Line) return;
    if (!static_cast<VisualControl&>(control).hasClickHandler()) return;
    runtime_->click(control);
    dirty_ = true;
}

// --- save states ------------------------------------------------------------

namespace {
constexpr const char* kQuickSlot = "quick";
constexpr const char* kCheckpointSlot = "checkpoint";
}  // namespace

// F5: the game as it is, into the page's storage. A handler waiting in a
// message box cannot be saved half-run.
void WebDesktop::save() {
    if (runtime_->messageBoxOpen()) {
        page::note("close the message first");
        return;
    }
    try {
        page::store(kQuickSlot, SaveState::capture(*runtime_).text());
        page::note("saved");
    } catch (const std::exception& e) {
        page::note(std::string("not saved: ") + e.what());
    }
}

// Every time a map is entered the page keeps a checkpoint, taken between
// two events with no message box open, as a save is.
void WebDesktop::takeCheckpoint() {
    checkpointDue_ = false;
    try {
        page::store(kCheckpointSlot, SaveState::capture(*runtime_).text());
    } catch (const std::exception& e) {
        page::note(std::string("no checkpoint kept: ") + e.what());
    }
}

// F9: back to the save, or to the last map's checkpoint while there is no
// save; Shift+F9 to the checkpoint. A save that does not fit these scenes
// is refused and the game goes on as it was.
void WebDesktop::load(bool checkpoint) {
    if (runtime_->messageBoxOpen()) {
        page::note("close the message first");
        return;
    }
    std::string text = checkpoint ? std::string() : page::stored(kQuickSlot);
    if (text.empty()) text = page::stored(kCheckpointSlot);
    if (text.empty()) {
        page::note(checkpoint ? "no checkpoint yet" : "no save yet");
        return;
    }
    try {
        SaveState::parse(text, *runtime_).restore(*runtime_);
    } catch (const std::exception& e) {
        page::note(std::string("not loaded: ") + e.what());
        return;
    }
    // The game jumped: the clock runs on from the save's time, the windows
    // open where they open, and nothing the player was doing carries over.
    for (Scene* s : runtime_->scenes()) layout_.forget(*s);
    pressed_ = nullptr;
    dragging_ = nullptr;
    focus_.clear();
    heldArrow_ = KeyAction::None;
    checkpointDue_ = false;
    rebase();
    dirty_ = true;
    runtime_->touch();
    page::note("loaded");
}

// --- the loops ------------------------------------------------------------------

int WebDesktop::timeout() {
    std::optional<GameTime> due = runtime_->nextDue();
    if (heldArrow_ != KeyAction::None && lastWalkPress_) {
        const GameTime next = std::max(*lastWalkPress_ + 1, *lastWalkPress_ + kWalkPaceMs);
        due = due ? std::min(*due, next) : next;
    }
    if (!due) return -1;
    const GameTime wait = *due - gameNow();
    return static_cast<int>(std::clamp<GameTime>(wait, kBatchMs, 1000 * 60 * 60));
}

void WebDesktop::step() {
    if (checkpointDue_ && !runtime_->messageBoxOpen()) takeCheckpoint();
    catchUp();
    walk();
    present();
    page::wait(timeout());
    page::Event e;
    while (page::next(e)) handle(e);
}

void WebDesktop::run(const std::function<void()>& start) {
    updateView();
    anchorWall_ = page::now();
    anchorGame_ = runtime_->now();
    start();
    // Start-up (a box at the title, say) may have taken wall time.
    rebase();
    for (;;) step();
}

void WebDesktop::messageBox(const std::string&) {
    ++boxesOpened_;
    pressed_ = nullptr;
    dragging_ = nullptr;
    okHeld_ = false;
    okArmed_ = false;
    okDone_ = false;
    dirty_ = true;
    while (!okDone_) {
        present();
        page::wait(-1);
        page::Event e;
        while (!okDone_ && page::next(e)) handle(e);
    }
    okDone_ = false;
    okHeld_ = false;
    okArmed_ = false;
    dirty_ = true;
    // The game clock stood still while the box was open.
    rebase();
}

// What a test asks of a control ("Form3.Text1"): its value as the script's
// dump gives it, the properties of its kind joined by spaces.
std::string WebDesktop::dump(const std::string& name) const {
    const std::size_t dot = name.find('.');
    Scene* scene = runtime_->findScene(name.substr(0, dot));
    if (!scene) return "no such scene";
    if (dot == std::string::npos) return scene->loaded() ? (scene->visible() ? "shown" : "hidden") : "not loaded";
    const Control* c = scene->findControl(name.substr(dot + 1));
    if (!c) return "no such control";
    auto flag = [](bool b) { return std::string(b ? "True" : "False"); };
    switch (c->kind()) {
        case ControlKind::Image: {
            const auto& i = static_cast<const Image&>(*c);
            return toText(i.left()) + " " + toText(i.top()) + " " + flag(i.visible()) + " " + i.picture();
        }
        case ControlKind::Label: {
            const auto& l = static_cast<const Label&>(*c);
            return l.caption() + " " + flag(l.visible());
        }
        case ControlKind::CommandButton: {
            const auto& b = static_cast<const CommandButton&>(*c);
            return b.caption() + " " + flag(b.visible());
        }
        case ControlKind::TextBox: return static_cast<const TextBox&>(*c).text();
        case ControlKind::Timer: return std::to_string(static_cast<const Timer&>(*c).interval());
        case ControlKind::Line: break;
    }
    return "";
}

void WebDesktop::beep() { page::beep(); }

void WebDesktop::log(GameTime time, const std::string& event) {
    page::log(time, event);
    if (event.rfind("show ", 0) == 0 &&
        std::find(checkpointScenes_.begin(), checkpointScenes_.end(), event.substr(5)) != checkpointScenes_.end()) {
        checkpointDue_ = true;
    }
    if (event.rfind("unload ", 0) == 0 && runtime_) {
        // Shown again later, the window opens centred again.
        if (Scene* s = runtime_->findScene(event.substr(7))) layout_.forget(*s);
    }
}

}  // namespace zorb::web
