#include "runtime/Runtime.h"

#include <algorithm>

#include "runtime/Controls.h"
#include "runtime/Scene.h"

namespace zorb {

Runtime::Runtime(Host& host) : host_(&host) {}

// --- timers ----------------------------------------------------------------

void Runtime::arm(Timer& timer) {
    if (!timer.armed_) armed_.push_back(&timer);
    timer.armed_ = true;
    timer.due_ = now_ + timer.interval_;
    timer.armOrder_ = ++armCounter_;
    ++timer.generation_;
}

void Runtime::disarm(Timer& timer) {
    ++timer.generation_;
    if (!timer.armed_) return;
    timer.armed_ = false;
    armed_.erase(std::find(armed_.begin(), armed_.end(), &timer));
}

std::optional<GameTime> Runtime::nextDue() const {
    if (armed_.empty()) return std::nullopt;
    GameTime due = armed_.front()->due_;
    for (const Timer* t : armed_) due = std::min(due, t->due_);
    return due;
}

void Runtime::advanceTo(GameTime time) {
    if (boxOpen_) return;  // the clock stands still while a box is open
    // Ticks due at the same time run in the order their timers were armed.
    auto before = [](const Timer& a, const Timer& b) {
        return a.due_ < b.due_ || (a.due_ == b.due_ && a.armOrder_ < b.armOrder_);
    };
    for (;;) {
        Timer* next = nullptr;
        for (Timer* t : armed_) {
            if (!next || before(*t, *next)) next = t;
        }
        if (!next || next->due_ > time) break;

        now_ = next->due_;
        disarm(*next);
        const long long generation = next->generation_;
        if (next->onTimer_) next->onTimer_();
        // A running timer is due again one interval after this tick, unless
        // its handler set the interval itself (or its scene went away).
        if (next->generation_ == generation && next->interval_ > 0 && next->scene().loaded()) {
            arm(*next);
        }
    }
    now_ = std::max(now_, time);
}

// --- scenes ----------------------------------------------------------------

Scene* Runtime::findScene(std::string_view name) const {
    for (Scene* s : scenes_) {
        if (s->name() == name) return s;
    }
    return nullptr;
}

void Runtime::bringToFront(Scene& scene) {
    auto it = std::find(zOrder_.begin(), zOrder_.end(), &scene);
    if (it == zOrder_.begin()) return;
    const bool wasBehind = it != zOrder_.end();
    if (wasBehind) zOrder_.erase(it);
    zOrder_.insert(zOrder_.begin(), &scene);
    touch();
    if (wasBehind) scene.Form_Activate();
}

void Runtime::sceneLoaded(Scene& scene) {
    if (std::find(zOrder_.begin(), zOrder_.end(), &scene) == zOrder_.end()) {
        zOrder_.insert(zOrder_.begin(), &scene);
    }
    touch();
}

void Runtime::sceneUnloaded(Scene& scene) {
    for (Control* c : scene.controls()) {
        if (c->kind() == ControlKind::Timer) disarm(static_cast<Timer&>(*c));
    }
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &scene), zOrder_.end());
    touch();
    // What it called goes with it, in the order the scenes were made.
    for (Scene* s : scenes_) {
        if (s->caller_ == &scene) s->unload();
    }
}

ClickResult Runtime::click(Control& control) {
    if (boxOpen_) return ClickResult::MessageBoxOpen;
    Scene& scene = control.scene();
    if (!scene.loaded()) return ClickResult::NotLoaded;
    if (!scene.visible() || !control.visible()) return ClickResult::Hidden;
    bringToFront(scene);
    control.click();
    return ClickResult::Delivered;
}

// --- what a scene may do ---------------------------------------------------

void Runtime::msgbox(const std::string& text) {
    log("msgbox " + text);
    // Reset on every way out, Exit included.
    struct Open {
        Runtime& rt;
        Open(Runtime& r, const std::string& text) : rt(r) {
            rt.boxOpen_ = true;
            rt.boxText_ = text;
            rt.touch();
        }
        ~Open() {
            rt.boxOpen_ = false;
            rt.boxText_.clear();
            rt.touch();
        }
    } open(*this, text);
    host_->messageBox(text);
}

void Runtime::beep() {
    log("beep");
    host_->beep();
}

namespace {

std::uint64_t splitmix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

int Runtime::draw() {
    int outcome;
    if (!fixedDraws_.empty()) {
        outcome = fixedDraws_.front();
        fixedDraws_.pop_front();
    } else {
        // Reseeded from the clock right before the draw, as the game always
        // did; on the game clock this also makes a headless run repeatable.
        const double r =
            static_cast<double>(splitmix64(static_cast<std::uint64_t>(now_)) >> 11) * 0x1.0p-53;
        outcome = static_cast<int>(r * 4 + 1);
    }
    log("draw " + std::to_string(outcome));
    return outcome;
}

void Runtime::end() {
    log("end");
    for (Scene* s : scenes_) {
        s->loaded_ = false;
        s->visible_ = false;
        s->caller_ = nullptr;
    }
    for (Timer* t : std::vector<Timer*>(armed_)) disarm(*t);
    zOrder_.clear();
    touch();
    throw Exit{0};
}

}  // namespace zorb
