#pragma once

// The game in a window on a clock of the test's own: input arrives at set
// times, wall time moves only while the desktop waits, so a session in a
// window takes no real time. Used by the record, keyboard and gamepad tests.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/Clock.h"
#include "desktop/Desktop.h"
#include "desktop/DesktopImpl.h"
#include "runtime/Controls.h"
#include "scenes/Game.h"
#include "script/ScriptDriver.h"

namespace zorb::desktop::test {

// Wall time that moves only when the desktop waits, and input that arrives
// at set times: a session in a window that takes no real time.
class TestClock : public Clock {
public:
    struct Action {
        std::uint64_t at;
        std::function<void()> act;
    };
    std::deque<Action> actions;  // in time order
    std::function<bool()> finished;  // once true (and nothing is left to do), the window closes
    std::uint64_t t = 0;
    std::uint64_t limit = 10 * 60 * 1000;

    std::uint64_t now() override { return t; }
    bool poll(SDL_Event& e) override { return SDL_PollEvent(&e) == 1; }
    bool wait(SDL_Event& e, int timeout) override {
        if (SDL_PollEvent(&e)) return true;
        if ((finished && finished() && actions.empty()) || t > limit) {
            quit();
            return SDL_PollEvent(&e) == 1;
        }
        const std::uint64_t until = timeout < 0 ? UINT64_MAX : t + static_cast<std::uint64_t>(timeout);
        if (!actions.empty() && actions.front().at <= until) {
            t = std::max(t, actions.front().at);
            const auto act = actions.front().act;
            actions.pop_front();
            act();
            return SDL_PollEvent(&e) == 1;
        }
        if (timeout < 0) {
            quit();  // nothing will ever happen again
            return SDL_PollEvent(&e) == 1;
        }
        t = until;
        return false;
    }
    void at(std::uint64_t when, std::function<void()> act) { actions.push_back({when, std::move(act)}); }

private:
    static void quit() {
        SDL_Event q{};
        q.type = SDL_QUIT;
        SDL_PushEvent(&q);
    }
};

inline void push(const SDL_Event& e) {
    SDL_Event copy = e;
    SDL_PushEvent(&copy);
}

// A click of the left button at the middle of a control, as the pointer
// would make it: only if the control is on the screen now.
inline void clickControl(DesktopImpl& d, Control& c) {
    if (!c.scene().loaded() || !c.visible()) return;
    Box box = controlBox(c, d.painter->pictureSize());
    const Box client = d.layout.client(c.scene());
    const View& v = d.painter->view();
    const int x = static_cast<int>(v.offsetX + (client.x + box.x + box.w / 2) * v.scale);
    const int y = static_cast<int>(v.offsetY + (client.y + box.y + box.h / 2) * v.scale);
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = x;
    e.button.y = y;
    push(e);
    e.type = SDL_MOUSEBUTTONUP;
    push(e);
}

// A key pressed and let go at once.
inline void pressKey(SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    push(e);
    e.type = SDL_KEYUP;
    push(e);
}

struct Session {
    std::vector<std::string> transcript;
    std::string recording;
};

inline std::string tempFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / (name + "_" + std::to_string(::getpid()))).string();
}

// Plays in a window: `script` arms the clock's input once the game exists.
inline Session playWindowed(const std::string& start, DesktopOptions options,
                     const std::function<void(TestClock&, DesktopImpl&, Game&)>& script) {
    TestClock clock;
    options.scale = 1;
    options.assets = ZORB_ASSETS_DIR;
    Desktop desktop(options, &clock);
    Runtime runtime(desktop);
    Game game(runtime);
    Session session;
    desktop.setTranscript([&](GameTime t, const std::string& e) {
        session.transcript.push_back(std::to_string(t) + " " + e);
    });
    desktop.open();
    desktop.attach(runtime);
    script(clock, desktop.impl(), game);
    try {
        desktop.run([&] {
            if (start.empty()) {
                game.start();
            } else {
                game.startAt(*game.findScene(start));
            }
        });
    } catch (const Exit&) {
    }
    if (!options.record.empty()) {
        std::ifstream in(options.record);
        std::stringstream b;
        b << in.rdbuf();
        session.recording = b.str();
    }
    return session;
}

inline std::vector<std::string> playHeadless(const std::string& start, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    ScriptDriver driver(in, "recording", out);
    Runtime runtime(driver);
    Game game(runtime);
    driver.attach(runtime);
    driver.allowSaveFiles();
    try {
        if (start.empty()) {
            game.start();
        } else {
            game.startAt(*game.findScene(start));
        }
        driver.run();
    } catch (const Exit&) {
    }
    std::vector<std::string> lines;
    std::istringstream split(out.str());
    for (std::string line; std::getline(split, line);) lines.push_back(line);
    return lines;
}

// The game in a real window on the test clock, at scale 1 with the built
// pictures; each test opens and attaches it when it is ready.
class WindowedGame : public ::testing::Test {
protected:
    static DesktopOptions options() {
        DesktopOptions o;
        o.scale = 1;
        o.assets = ZORB_ASSETS_DIR;
        return o;
    }
    TestClock clock;
    Desktop desktop{options(), &clock};
    Runtime runtime{desktop};
    Game game{runtime};
};

}  // namespace zorb::desktop::test
