// Save states continue exactly. For every seed a random game is played to a
// random point, saved, and played on; the save is then loaded into a second
// game (a fresh one, or one in the middle of another random game) and the
// same events are played there. From the save on, both must agree on every
// transcript line, on the clock, window order, armed timers and control
// values after every event, and on the whole state at the end. A snapshot
// that left anything out would show here as a game that goes another way.
// Built with AddressSanitizer and UndefinedBehaviorSanitizer like random play.
//
//   zorb_save_determinism [--seeds N] [--first-seed S] [--events M] [--after K] [--out DIR]
//
// The save falls somewhere in the first M events of a seed's game; K events
// follow it. A failing seed leaves its save and the events after it in DIR,
// to be replayed with
//   zorbland --headless --load DIR/save_determinism_seed_S.save --script DIR/save_determinism_seed_S.script
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "RandomMoves.h"
#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "runtime/SaveState.h"
#include "scenes/Game.h"
#include "state/Form4.h"

namespace zorb {
namespace {

struct Failure {
    std::string what;
};

// The events ran out inside a message box: the replayed game opened a box
// the original did not answer.
struct OutOfEvents {};

// One game and the host it runs on. It either makes up its events at random
// (and can write them down), or plays back events written down elsewhere.
// Events are script lines: click, wait, ok, set, draw.
class Session : public Host {
public:
    explicit Session(std::uint64_t seed) : rng_(seed) { fresh(); }

    Runtime& runtime() { return *runtime_; }
    bool ended() const { return ended_; }

    // Title or a random scene over a store pushed towards the later stages.
    void startRandomGame() {
        fresh();
        guarded([&] {
            if (pick(0, 1) == 0) {
                game_->start();
            } else {
                Scene* start = runtime_->scenes()[pick(0, static_cast<int>(runtime_->scenes().size()) - 1)];
                if (start == &game_->Form4) start = game_->findScene("Form3");
                game_->startAt(*start);
                for (int i = pick(0, 6); i > 0; --i) run(randomStoreChange());
            }
        });
    }

    // Random events at the top level, each followed by a look at the state.
    void playRandom(int events) {
        for (int i = 0; i < events && !ended_; ++i) {
            const std::string event = randomEvent();
            guarded([&] { run(event); });
            afterEvent(event);
        }
    }

    void playBack(const std::vector<std::string>& events) {
        replay_ = &events;
        next_ = 0;
        while (next_ < events.size() && !ended_) {
            const std::string& event = events[next_++];
            guarded([&] { run(event); });
            afterEvent(event);
        }
        replay_ = nullptr;
    }

    // Throws SaveError. A game that had ended plays on from the save.
    void load(const std::string& save) {
        SaveState::parse(save, *runtime_).restore(*runtime_);
        ended_ = false;
    }

    // From now on every event and transcript line is kept.
    void startKeeping() {
        keeping_ = true;
        events_.clear();
        seen_.clear();
    }
    const std::vector<std::string>& events() const { return events_; }
    const std::vector<std::string>& seen() const { return seen_; }

    void messageBox(const std::string&) override {
        for (;;) {
            std::string event;
            if (replay_) {
                if (next_ >= replay_->size()) throw OutOfEvents{};
                event = (*replay_)[next_++];
            } else {
                // Mostly OK at once; sometimes a click or a wait first, which
                // the game ignores while the box is open.
                const int roll = pick(0, 9);
                if (roll < 8) {
                    event = "ok";
                } else if (Control* c = roll == 8 ? randomTarget() : nullptr) {
                    event = "click " + c->scene().name() + "." + c->name();
                } else {
                    event = "wait " + std::to_string(pick(1, 3000));
                }
            }
            if (keeping_ && !replay_) events_.push_back(event);
            if (event == "ok") return;
            run(event);
        }
    }
    void beep() override {}  // the runtime has written its transcript line
    void log(GameTime time, const std::string& event) override {
        keep(std::to_string(time) + " " + event);
        if (event == "end") ended_ = true;
    }

private:
    void fresh() {
        game_.reset();
        runtime_ = std::make_unique<Runtime>(*this);
        game_ = std::make_unique<Game>(*runtime_);
        ended_ = false;
    }

    template <class F>
    void guarded(F&& f) {
        try {
            f();
        } catch (const Exit&) {
            ended_ = true;
        }
    }

    // One event, as the script driver would run it.
    void run(const std::string& event) {
        const auto space = event.find(' ');
        const std::string verb = event.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : event.substr(space + 1);
        if (verb == "click") {
            const auto dot = rest.find('.');
            Control* c = runtime_->findScene(rest.substr(0, dot))->findControl(rest.substr(dot + 1));
            switch (runtime_->click(*c)) {
                case ClickResult::Delivered: break;
                case ClickResult::MessageBoxOpen: ignored(event, "message box open"); break;
                case ClickResult::NotLoaded: ignored(event, "not loaded"); break;
                case ClickResult::Hidden: ignored(event, "hidden"); break;
            }
        } else if (verb == "wait") {
            if (runtime_->messageBoxOpen()) return ignored(event, "message box open");
            runtime_->advance(std::stoll(rest));
        } else if (verb == "set") {
            const auto gap = rest.find(' ');
            const std::string field = rest.substr(rest.find('.') + 1, gap - rest.find('.') - 1);
            static_cast<TextBox*>(game_->Form4.findControl(field))->setText(rest.substr(gap + 1));
            keep(std::to_string(runtime_->now()) + " " + rest.substr(0, gap) + ".Text = " + rest.substr(gap + 1));
        } else if (verb == "draw") {
            runtime_->fixNextDraw(std::stoi(rest));
        }
    }

    void ignored(const std::string& event, const char* why) {
        keep(std::to_string(runtime_->now()) + " ignored " + event + " (" + why + ")");
    }

    // What a player could do now: click what is on the screen (mostly), let
    // time pass, change the store, or fix the next draw.
    std::string randomEvent() {
        std::string event;
        const int roll = pick(0, 99);
        if (roll < 60) {
            if (Control* c = randomTarget()) event = "click " + c->scene().name() + "." + c->name();
        }
        if (event.empty()) {
            if (roll < 90) {
                event = "wait " + std::to_string(pick(0, 1) ? pick(1, 50) : pick(1, 3000));
            } else if (roll < 96) {
                event = randomStoreChange();
            } else {
                event = "draw " + std::to_string(pick(1, 4));
            }
        }
        if (keeping_) events_.push_back(event);
        return event;
    }

    Control* randomTarget() { return play::randomTarget(rng_, *runtime_, game_->Form4); }

    std::string randomStoreChange() {
        const play::StoreChange change = play::randomStoreChange(rng_);
        return "set Form4.Text" + std::to_string(change.field) + " " + change.value;
    }

    // The clock, the window order, the armed timers and a digest of every
    // control value, after each event: ticks leave no transcript line of
    // their own, but their effects show here.
    void afterEvent(const std::string& event) {
        if (!keeping_) return;
        std::string line = "after " + event + ": " + std::to_string(runtime_->now()) + " |";
        for (const Scene* s : runtime_->zOrder()) line += " " + s->name() + (s->visible() ? "" : "(hidden)");
        line += " |";
        // Which timers run, not the order the runtime happens to list them in:
        // ticks go by due time and arming order, which the final state compares.
        std::vector<std::string> timers;
        for (const Timer* t : runtime_->runningTimers()) timers.push_back(t->scene().name() + "." + t->name());
        std::sort(timers.begin(), timers.end());
        for (const std::string& t : timers) line += " " + t;
        if (const auto due = runtime_->nextDue()) line += " next " + std::to_string(*due);
        std::uint64_t h = 1469598103934665603ull;
        auto mix = [&h](const std::string& text) {
            for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
            h = (h ^ 0xFF) * 1099511628211ull;
        };
        for (const Scene* s : runtime_->scenes()) {
            if (!s->loaded()) continue;
            for (const Control* c : s->controls()) {
                mix(c->visible() ? "1" : "0");
                if (const auto* i = dynamic_cast<const Image*>(c)) {
                    mix(std::to_string(std::bit_cast<std::uint32_t>(i->left())) + "," +
                        std::to_string(std::bit_cast<std::uint32_t>(i->top())) + "," + i->picture());
                } else if (const auto* l = dynamic_cast<const Label*>(c)) {
                    mix(l->caption());
                } else if (const auto* b = dynamic_cast<const CommandButton*>(c)) {
                    mix(b->caption());
                } else if (const auto* x = dynamic_cast<const TextBox*>(c)) {
                    mix(x->text());
                } else if (const auto* t = dynamic_cast<const Timer*>(c)) {
                    mix(std::to_string(t->interval()));
                }
            }
        }
        line += " | " + std::to_string(h);
        keep(line);
    }

    void keep(const std::string& line) {
        if (keeping_) seen_.push_back(line);
    }
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    std::mt19937_64 rng_;
    std::unique_ptr<Runtime> runtime_;
    std::unique_ptr<Game> game_;
    bool ended_ = false;
    bool keeping_ = false;
    std::vector<std::string> events_;
    std::vector<std::string> seen_;
    const std::vector<std::string>* replay_ = nullptr;
    std::size_t next_ = 0;
};

// The save, damaged: cut anywhere, a byte changed, a line dropped, doubled
// or moved. Each is refused or read whole, and (under the sanitizers) the
// reading never strays outside the text; true when all were.
bool readsDamagedCopies(const std::string& save, std::mt19937_64& rng, const Runtime& runtime) {
    auto at = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i + 1 < save.size(); ++i) {
        if (save[i] == '\n') starts.push_back(i + 1);
    }
    auto line = [&](std::size_t k) {
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : save.size();
        return save.substr(starts[k], end - starts[k]);
    };
    for (int round = 0; round < 5; ++round) {
        std::string damaged = save;
        switch (round % 5) {
            case 0: damaged.resize(at(save.size())); break;
            case 1: damaged[at(save.size())] = static_cast<char>(rng()); break;
            case 2: {
                const std::size_t k = at(starts.size());
                damaged.erase(starts[k], line(k).size());
                break;
            }
            case 3: {
                const std::size_t k = at(starts.size());
                damaged.insert(starts[k], line(k));
                break;
            }
            case 4: {
                const std::size_t k = at(starts.size());
                const std::string moved = line(k);
                damaged.erase(starts[k], moved.size());
                damaged.insert(std::min(starts[at(starts.size())], damaged.size()), moved);
                break;
            }
        }
        try {
            SaveState::parse(damaged, runtime);
        } catch (const SaveError& e) {
            if (std::string(e.what()).empty() || std::string(e.what()).find('\n') != std::string::npos) return false;
        }
    }
    return true;
}

struct Outcome {
    std::string save;
    std::vector<std::string> events;
    std::string failure;  // empty when the two games agreed
};

Outcome checkSeed(std::uint64_t seed, int maxBefore, int after) {
    Outcome out;
    std::mt19937_64 plan(seed);
    const int before = std::uniform_int_distribution<int>(0, maxBefore)(plan);
    const bool intoPlayedGame = seed % 2 == 0;

    // The original: played to the save, then on.
    Session original(plan());
    original.startRandomGame();
    for (int played = 0; played < before;) {
        if (original.ended()) original.startRandomGame();
        const int n = std::min(50, before - played);
        original.playRandom(n);
        played += n;
    }
    if (original.ended()) original.startRandomGame();
    out.save = SaveState::capture(original.runtime()).text();
    if (!readsDamagedCopies(out.save, plan, original.runtime())) {
        out.failure = "a damaged save was refused with no reason, or one of more than one line";
        return out;
    }
    original.startKeeping();
    original.playRandom(after);
    out.events = original.events();
    const std::string finalOriginal = SaveState::capture(original.runtime()).text();

    // The copy: a game loaded from the save, playing the same events. Half
    // the time it was in the middle of another game, which the load must
    // wipe out entirely (its timers, windows and values).
    Session copy(plan());
    if (intoPlayedGame) {
        copy.startRandomGame();
        copy.playRandom(std::uniform_int_distribution<int>(0, 400)(plan));
    }
    try {
        copy.load(out.save);
    } catch (const SaveError& e) {
        out.failure = std::string("the save was refused: ") + e.what();
        return out;
    }
    copy.startKeeping();
    try {
        copy.playBack(out.events);
    } catch (const OutOfEvents&) {
        out.failure = "the loaded game waited in a message box the original never opened";
    }
    const std::string finalCopy = SaveState::capture(copy.runtime()).text();

    const auto& a = original.seen();
    const auto& b = copy.seen();
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(nothing)";
        const std::string y = i < b.size() ? b[i] : "(nothing)";
        if (x != y) {
            out.failure = "line " + std::to_string(i + 1) + " after the save differs:\n  original: " + x +
                          "\n  loaded:   " + y;
            return out;
        }
    }
    if (out.failure.empty() && finalOriginal != finalCopy) out.failure = "the games end in different states";
    return out;
}

}  // namespace
}  // namespace zorb

int main(int argc, char** argv) {
    long seeds = 200;
    int maxBefore = 1500, after = 300;
    std::uint64_t first = 1;
    std::string out = ".";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--seeds") seeds = std::atol(argv[i + 1]);
        else if (a == "--events") maxBefore = std::atoi(argv[i + 1]);
        else if (a == "--after") after = std::atoi(argv[i + 1]);
        else if (a == "--first-seed") first = std::strtoull(argv[i + 1], nullptr, 10);
        else if (a == "--out") out = argv[i + 1];
        else {
            std::cerr << "zorb_save_determinism: unknown option " << a << "\n";
            return 2;
        }
    }
    for (std::uint64_t seed = first; seed < first + static_cast<std::uint64_t>(seeds); ++seed) {
        const zorb::Outcome o = zorb::checkSeed(seed, maxBefore, after);
        if (o.failure.empty()) continue;
        const std::string base = out + "/save_determinism_seed_" + std::to_string(seed);
        std::ofstream(base + ".save", std::ios::binary) << o.save;
        std::ofstream script(base + ".script");
        for (const std::string& e : o.events) script << e << "\n";
        std::cerr << "seed " << seed << ": " << o.failure << "\nreplay: zorbland --headless --load " << base
                  << ".save --script " << base << ".script\n";
        return 1;
    }
    std::cout << "save determinism: " << seeds << " seeds, every loaded game went on as the original\n";
    return 0;
}
