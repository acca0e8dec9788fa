// Playing without the mouse, and the window's own comforts: the size the
// window opens at, the keyboard focus, walking with a held arrow, the
// gamepad, and screenshots where people keep their pictures.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Windowed.h"
#include "desktop/Keys.h"
#include "desktop/Look.h"
#include "desktop/WindowSize.h"

namespace zorb::desktop {
namespace {

using namespace test;

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// --- the window's size ---------------------------------------------------

TEST(WindowSize, OpensAtTheLargestScaleThatFitsWhollyOnTheScreen) {
    struct Case {
        SDL_Rect usable;
        float scale;
    };
    const Case cases[] = {
        {{0, 40, 1920, 1040}, 1.25f},  // 1920 × 1080 with a panel
        {{0, 0, 1920, 1080}, 1.5f},    // no panel
        {{0, 0, 1280, 720}, 0.95f},
        {{0, 0, 3840, 2160}, 3.0f},
        {{0, 0, 800, 600}, 0.8f},
        {{0, 0, 640, 400}, 0.5f},      // never under a half: the player can move it
    };
    for (const Case& c : cases) {
        const float s = fittingScale(c.usable);
        EXPECT_FLOAT_EQ(s, c.scale) << c.usable.w << "x" << c.usable.h;
        const int w = static_cast<int>(kScreenWidth * s), h = static_cast<int>(kScreenHeight * s);
        const SDL_Point at = windowPlace(c.usable, w, h);
        EXPECT_GE(at.x, c.usable.x);
        EXPECT_GE(at.y - (kFrameAllowanceH - kFrameAllowanceW / 2), c.usable.y) << "the title bar is on the screen";
        if (s > 0.5f) {
            EXPECT_LE(at.x + w, c.usable.x + c.usable.w);
            EXPECT_LE(at.y + h, c.usable.y + c.usable.h);
        }
    }
}

// --- the keyboard --------------------------------------------------------

// Space on the introduction turns its pages exactly as clicks on ▼ do.
TEST(Keyboard, SpaceTurnsTheIntroductionsPages) {
    DesktopOptions options;
    options.record = tempFile("zorb_space.rec");
    const Session s = playWindowed("Form2", options, [](TestClock& clock, DesktopImpl&, Game&) {
        for (int i = 0; i < 3; ++i) clock.at(500 + 300 * i, [] { pressKey(SDLK_SPACE); });
        clock.finished = [&] { return clock.t >= 2000; };
    });
    EXPECT_EQ(count(s.recording, "click Form2.Command1\n"), 3) << s.recording;
    std::filesystem::remove(options.record);
}

// The tapping game's dialogue without the mouse: ▼ has the focus, Tab
// reaches YES, and the focus passes on to スタート when YES hides.
TEST(Keyboard, TabAndEnterPlayTheTappingGamesDialogue) {
    DesktopOptions options;
    options.record = tempFile("zorb_tab.rec");
    std::vector<std::string> focused;
    const Session s = playWindowed("Form8", options, [&](TestClock& clock, DesktopImpl& d, Game&) {
        auto note = [&] { focused.push_back(d.focus.button() ? d.focus.button()->name() : "-"); };
        for (int i = 0; i < 3; ++i) clock.at(300 + 100 * i, [] { pressKey(SDLK_RETURN); });
        clock.at(650, note);                              // ▼, YES and NO are up
        clock.at(700, [] { pressKey(SDLK_TAB); });
        clock.at(750, note);
        clock.at(800, [] { pressKey(SDLK_TAB); });
        clock.at(850, note);
        clock.at(900, [] {
            SDL_Event e{};
            e.type = SDL_KEYDOWN;
            e.key.keysym.sym = SDLK_TAB;
            e.key.keysym.mod = KMOD_LSHIFT;
            push(e);
        });
        clock.at(950, note);
        clock.at(1000, [] { pressKey(SDLK_RETURN); });  // YES
        clock.at(1050, note);
        clock.at(1100, [] { pressKey(SDLK_SPACE); });   // スタート
        clock.finished = [&] { return clock.t >= 1500; };
    });
    EXPECT_EQ(focused, (std::vector<std::string>{"Command1", "Command2", "Command3", "Command2", "Command4"}));
    std::string clicks;
    std::istringstream in(s.recording);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("click ", 0) == 0) clicks += line.substr(6) + " ";
    }
    EXPECT_EQ(clicks, "Form8.Command1 Form8.Command1 Form8.Command1 Form8.Command2 Form8.Command4 ");
    std::filesystem::remove(options.record);
}

// Tab wraps round the front window's visible buttons, both ways.
TEST(Keyboard, TabWrapsRoundTheFrontWindowsButtons) {
    std::vector<std::string> focused;
    playWindowed("Form3", {}, [&](TestClock& clock, DesktopImpl& d, Game&) {
        auto note = [&] { focused.push_back(d.focus.button() ? d.focus.button()->name() : "-"); };
        clock.at(100, note);
        for (int i = 0; i < 5; ++i) {
            clock.at(200 + 100 * i, [] { pressKey(SDLK_TAB); });
            clock.at(250 + 100 * i, note);
        }
        clock.finished = [&] { return clock.t >= 800; };
    });
    EXPECT_EQ(focused, (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4", "Command5",
                                                 "Command1"}));
}

// --- walking ---------------------------------------------------------------

void holdKey(TestClock& clock, SDL_Keycode key, std::uint64_t from, std::uint64_t to) {
    clock.at(from, [key] {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = key;
        push(e);
    });
    clock.at(to, [key] {
        SDL_Event e{};
        e.type = SDL_KEYUP;
        e.key.keysym.sym = key;
        push(e);
    });
}

TEST(Walking, AHeldArrowWalksStepAfterStep) {
    DesktopOptions options;
    options.record = tempFile("zorb_walk.rec");
    std::string y;
    const Session s = playWindowed("Form3", options, [&](TestClock& clock, DesktopImpl&, Game& game) {
        holdKey(clock, SDLK_UP, 500, 800);
        clock.at(1500, [&] { y = static_cast<TextBox*>(game.findScene("Form3")->findControl("Text2"))->text(); });
        clock.finished = [&] { return clock.t >= 2000; };
    });
    EXPECT_EQ(count(s.recording, "click Form3.Command1\n"), 3) << s.recording;
    EXPECT_EQ(y, "720") << "three cells up from 2880";
    // Replayed headless, the walk is the same game.
    EXPECT_EQ(playHeadless("Form3", s.recording), s.transcript);
    std::filesystem::remove(options.record);
}

TEST(Walking, AMessageBoxStopsTheWalkUntilTheArrowIsPressedAgain) {
    DesktopOptions options;
    options.record = tempFile("zorb_walk_box.rec");
    const Session s = playWindowed("Form3", options, [](TestClock& clock, DesktopImpl&, Game&) {
        holdKey(clock, SDLK_LEFT, 500, 3000);  // onto the town's sign, and held on
        clock.at(1500, [] { pressKey(SDLK_RETURN); });
        clock.finished = [&] { return clock.t >= 3500; };
    });
    EXPECT_EQ(count(s.recording, "click Form3.Command4\n"), 1) << s.recording;
    EXPECT_EQ(count(s.recording, "ok\n"), 1) << s.recording;
    std::filesystem::remove(options.record);
}

// --- the gamepad -----------------------------------------------------------

// A virtual gamepad, plugged in once the window is open.
struct VirtualPad {
    SDL_Joystick* joystick = nullptr;
    void plug() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(index, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(index);
        ASSERT_NE(joystick, nullptr) << SDL_GetError();
    }
    void button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0);
        SDL_JoystickUpdate();
    }
    void tap(SDL_GameControllerButton b) {
        button(b, true);
        button(b, false);
    }
    void axis(SDL_GameControllerAxis a, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick, a, value);
        SDL_JoystickUpdate();
    }
    ~VirtualPad() {
        if (joystick) SDL_JoystickClose(joystick);
    }
};

TEST(Gamepad, ButtonsPressLikeTheKeysAndTheStickWalks) {
    DesktopOptions options;
    options.record = tempFile("zorb_pad.rec");
    VirtualPad pad;
    std::string x;
    // The offscreen window never has the keyboard focus, without which SDL
    // keeps a pad's events from the game (as it should for a real window).
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    const Session s = playWindowed("Form3", options, [&](TestClock& clock, DesktopImpl&, Game& game) {
        clock.at(100, [&] { pad.plug(); });
        clock.at(400, [&] { pad.tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT); });  // onto the sign: a box
        clock.at(800, [&] { pad.tap(SDL_CONTROLLER_BUTTON_B); });          // B closes it
        // The arrows hid during the step, so the focus went on to ◎; the
        // right shoulder wraps it round to ↑, which A presses.
        clock.at(1000, [&] { pad.tap(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER); });
        clock.at(1100, [&] { pad.tap(SDL_CONTROLLER_BUTTON_A); });
        clock.at(1500, [&] { pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -30000); });  // the stick leans left…
        clock.at(1800, [&] { pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0); });       // …and comes back
        clock.at(2500, [&] { x = static_cast<TextBox*>(game.findScene("Form3")->findControl("Text1"))->text(); });
        clock.finished = [&] { return clock.t >= 3000; };
    });
    std::string clicks;
    std::istringstream in(s.recording);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("click ", 0) == 0 || line == "ok") clicks += line + "; ";
    }
    const std::string first = "click Form3.Command4; ok; click Form3.Command1; ";
    EXPECT_EQ(clicks.substr(0, first.size()), first) << s.recording;
    EXPECT_GE(count(s.recording, "click Form3.Command4\n"), 3) << "the stick walked: " << s.recording;
    EXPECT_NE(x, "5760");
    std::filesystem::remove(options.record);
}

// --- screenshots -----------------------------------------------------------

class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Screenshot, F12WritesIntoThePicturesDirectoryAndSaysSo) {
    const std::filesystem::path dir = tempFile("zorb_pictures");
    std::filesystem::remove_all(dir);
    ScopedEnv pictures("XDG_PICTURES_DIR", (dir / "new").string());  // made when missing
    std::string note;
    playWindowed("Form3", {}, [&](TestClock& clock, DesktopImpl& d, Game&) {
        clock.at(300, [] { pressKey(SDLK_F12); });
        clock.at(400, [&] { note = d.note; });
        clock.finished = [&] { return clock.t >= 3000 && d.note.empty(); };
    });
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "new")) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].filename().string().rfind("ZORBLAND-", 0), 0u);
    EXPECT_GT(std::filesystem::file_size(files[0]), 1000u);
    EXPECT_EQ(note, "screenshot saved: " + files[0].string());
    std::filesystem::remove_all(dir);
}

TEST(Screenshot, F12IntoADirectoryThatCannotBeMadeSaysWhyAndPlaysOn) {
    // A directory under a plain file cannot be made, even by root.
    const std::filesystem::path file = tempFile("zorb_not_a_dir");
    std::ofstream(file) << "x";
    ScopedEnv pictures("XDG_PICTURES_DIR", (file / "shots").string());
    std::string note;
    bool clicked = false;
    playWindowed("Form3", {}, [&](TestClock& clock, DesktopImpl& d, Game& game) {
        clock.at(300, [] { pressKey(SDLK_F12); });
        clock.at(400, [&] { note = d.note; });
        clock.at(500, [] { pressKey(SDLK_UP); });
        clock.at(900, [&] {
            clicked = static_cast<TextBox*>(game.findScene("Form3")->findControl("Text2"))->text() != "2880";
        });
        clock.finished = [&] { return clock.t >= 1000; };
    });
    EXPECT_EQ(note.rfind("screenshot not saved: cannot make " + (file / "shots").string(), 0), 0u) << note;
    EXPECT_TRUE(clicked) << "the game plays on";
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace zorb::desktop
