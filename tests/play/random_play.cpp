// Random play: many seeded games of random clicks on whatever a player can
// see, waits, oks and store changes that reach the far stages, with the
// game's invariants checked after every event. Built with AddressSanitizer
// and UndefinedBehaviorSanitizer, so a memory fault or undefined behaviour
// anywhere in the game stops the run as well.
//
//   zorb_random_play [--seeds N] [--first-seed S] [--events M] [--out DIR]
//
// A failing seed is written out as a script that replays it:
//   zorbland --headless --script DIR/random_play_seed_S.script --start SCENE
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "RandomMoves.h"
#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "scenes/Game.h"
#include "scenes/maps/Form3.h"
#include "scenes/shop/Form5.h"
#include "state/Form4.h"

namespace zorb {
namespace {

struct Failure {
    std::string what;
};

// Counts never fall below 0 and flags ("0" or "1") never go back to "0".
using play::kCounts;
using play::kFlagFirst;
using play::kFlagLast;

// The map scenes: at most one of them is ever loaded.
constexpr const char* kMaps[] = {"Form3", "Form7", "Form9", "Form13", "Form14", "Form19", "Form25"};

class RandomPlayer : public Host {
public:
    RandomPlayer(std::uint64_t seed, long events) : rng_(seed), budget_(events) {}

    // Plays games until the event budget is spent; throws Failure.
    void play() {
        while (budget_ > 0) playOneGame();
    }

    const std::string& script() const { return script_; }
    const std::string& startScene() const { return startScene_; }
    long eventsPlayed() const { return played_; }

    void messageBox(const std::string&) override {
        if (++boxDepth_ > 1) fail("a message box opened inside another");
        struct Close {
            int& depth;
            ~Close() { --depth; }
        } close{boxDepth_};
        // Mostly OK at once; sometimes a click or a wait first, which the
        // game must ignore while the box is open.
        for (;;) {
            consume();
            const int roll = pick(0, 9);
            if (roll < 8) {
                record("ok");
                return;
            }
            const std::uint64_t before = runtime_->revision();
            const GameTime now = runtime_->now();
            if (roll == 8) {
                if (Control* c = randomTarget()) {
                    record("click " + c->scene().name() + "." + c->name());
                    if (runtime_->click(*c) != ClickResult::MessageBoxOpen) fail("a click got through an open box");
                }
            } else {
                record("wait " + std::to_string(pick(1, 3000)));  // ignored: the clock stands still
            }
            if (runtime_->now() != now || runtime_->revision() != before) fail("the game moved while a box was open");
        }
    }
    void beep() override {}
    void log(GameTime, const std::string&) override {}

private:
    void playOneGame() {
        Runtime runtime(*this);
        Game game(runtime);
        runtime_ = &runtime;
        game_ = &game;
        front_ = nullptr;
        flags_.assign(kFlagLast + 1, false);
        script_.clear();
        try {
            // Half the games from the title, half from a random scene with the
            // store pushed towards the later stages.
            if (pick(0, 1) == 0) {
                startScene_ = "Form1";
                game.start();
            } else {
                Scene* start = runtime.scenes()[pick(0, static_cast<int>(runtime.scenes().size()) - 1)];
                if (start == &game.Form4) start = &game.Form3;
                startScene_ = start->name();
                game.startAt(*start);
                for (int i = pick(0, 6); i > 0; --i) tweakStore();
            }
            check();
            while (budget_ > 0) {
                step();
                check();
            }
        } catch (const Exit&) {
            // End: this game is over; the next one starts afresh.
        }
        runtime_ = nullptr;
        game_ = nullptr;
    }

    void step() {
        consume();
        const int roll = pick(0, 99);
        if (roll < 60) {
            if (Control* c = randomTarget()) {
                record("click " + c->scene().name() + "." + c->name());
                if (runtime_->click(*c) != ClickResult::Delivered) fail("a visible control refused a click");
                return;
            }
        }
        if (roll < 93) {
            const int ms = pick(0, 1) ? pick(1, 50) : pick(1, 3000);
            record("wait " + std::to_string(ms));
            runtime_->advance(ms);
        } else {
            tweakStore();
        }
    }

    Control* randomTarget() { return play::randomTarget(rng_, *runtime_, game_->Form4); }

    void tweakStore() {
        const play::StoreChange change = play::randomStoreChange(rng_);
        auto* text = static_cast<TextBox*>(game_->Form4.findControl("Text" + std::to_string(change.field)));
        record("set Form4.Text" + std::to_string(change.field) + " " + change.value);
        text->setText(change.value);
    }

    void check() {
        for (const Timer* t : runtime_->runningTimers()) {
            if (!t->scene().loaded()) fail("a timer runs on the unloaded " + t->scene().name());
        }
        Form4& store = game_->Form4;
        if (!store.loaded()) return;  // still on the title
        for (int field : kCounts) {
            auto* text = static_cast<TextBox*>(store.findControl("Text" + std::to_string(field)));
            if (text->value() < 0) fail("store Text" + std::to_string(field) + " fell to " + text->text());
        }
        for (int field = kFlagFirst; field <= kFlagLast; ++field) {
            auto* text = static_cast<TextBox*>(store.findControl("Text" + std::to_string(field)));
            if (text->text() != "0" && text->text() != "1") fail("flag Text" + std::to_string(field) + " holds " + text->text());
            if (flags_[field] && text->text() == "0") fail("flag Text" + std::to_string(field) + " went back to 0");
            flags_[field] = text->text() == "1";
        }
        bool anyShown = false;
        for (Scene* s : runtime_->zOrder()) anyShown |= s->visible() && s != &store;
        if (!anyShown) fail("no scene on the screen");

        // Called scenes go with their callers: one map at most, and the
        // game-over scene alone with the store.
        std::string mapsLoaded;
        for (const char* name : kMaps) {
            if (game_->findScene(name)->loaded()) mapsLoaded += std::string(" ") + name;
        }
        if (std::count(mapsLoaded.begin(), mapsLoaded.end(), ' ') > 1) fail("maps loaded together:" + mapsLoaded);
        if (game_->findScene("Form11")->loaded()) {
            for (Scene* s : runtime_->scenes()) {
                if (s->loaded() && s != &store && s->name() != "Form11") fail(s->name() + " is loaded beside GAME OVER");
            }
        }

        // The item box that has come to the front shows what the store holds.
        Scene* front = runtime_->zOrder().empty() ? nullptr : runtime_->zOrder().front();
        Form5& box = game_->Form5;
        if (front == &box && front_ != &box) {
            const std::pair<const Label*, const TextBox*> counts[] = {
                {&box.Label2, &store.Text7}, {&box.Label4, &store.Text2},
                {&box.Label6, &store.Text4}, {&box.Label8, &store.Text3}};
            for (const auto& [label, field] : counts) {
                if (label->caption() != field->text()) {
                    fail("the item box shows " + label->caption() + " where the store holds " + field->text());
                }
            }
        }
        front_ = front;
    }

    void consume() {
        --budget_;
        ++played_;
    }
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    void record(const std::string& line) { script_ += line + "\n"; }
    [[noreturn]] void fail(const std::string& what) { throw Failure{what}; }

    std::mt19937_64 rng_;
    long budget_;
    long played_ = 0;
    Runtime* runtime_ = nullptr;
    Game* game_ = nullptr;
    int boxDepth_ = 0;
    Scene* front_ = nullptr;  // the front scene after the last event
    std::vector<bool> flags_;
    std::string script_;
    std::string startScene_;
};

}  // namespace
}  // namespace zorb

int main(int argc, char** argv) {
    long seeds = 100, events = 10000;
    std::uint64_t first = 1;
    std::string out = ".";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--seeds") seeds = std::atol(argv[i + 1]);
        else if (a == "--events") events = std::atol(argv[i + 1]);
        else if (a == "--first-seed") first = std::strtoull(argv[i + 1], nullptr, 10);
        else if (a == "--out") out = argv[i + 1];
        else {
            std::cerr << "zorb_random_play: unknown option " << a << "\n";
            return 2;
        }
    }
    long total = 0;
    for (std::uint64_t seed = first; seed < first + static_cast<std::uint64_t>(seeds); ++seed) {
        zorb::RandomPlayer player(seed, events);
        try {
            player.play();
        } catch (const zorb::Failure& f) {
            const std::string file = out + "/random_play_seed_" + std::to_string(seed) + ".script";
            std::ofstream(file) << "# zorbland --headless --script " << file << " --start " << player.startScene()
                                << "\n# " << f.what << "\n" << player.script();
            std::cerr << "seed " << seed << ": " << f.what << " (after " << player.eventsPlayed()
                      << " events; replay: zorbland --headless --script " << file << " --start "
                      << player.startScene() << ")\n";
            return 1;
        }
        total += player.eventsPlayed();
    }
    std::cout << "random play: " << seeds << " seeds, " << total << " events, no fault\n";
    return 0;
}
