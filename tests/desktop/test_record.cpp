// Record and replay: the recorder's order of lines, the reading of a
// recording, and the round trip: a session played in a window (offscreen,
// on a test clock) is recorded, and the recording played headless or in a
// window again gives the same transcript.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "desktop/Desktop.h"
#include "desktop/DesktopImpl.h"
#include "desktop/Recorder.h"
#include "desktop/Replay.h"
#include "runtime/Controls.h"
#include "scenes/Game.h"
#include "script/ScriptDriver.h"
#include "Windowed.h"

namespace zorb::desktop {
namespace {

using namespace test;

TEST(Recorder, WritesEveryDrawBeforeTheCommandItHappenedIn) {
    std::ostringstream out;
    Recorder r(out);
    r.drawn(2);                    // at start-up
    r.command("click A.B", 100);   // after 100 ms
    r.drawn(3);                    // while the click ran
    r.drawn(1);                    // in a tick after it
    r.command("ok", 250);          // a box opened at 250
    r.drawn(4);                    // the handler went on after OK
    r.command("click A.C", 250);   // at once, no wait
    r.finish(400);
    EXPECT_EQ(out.str(),
              "draw 2\n"
              "wait 100\n"
              "draw 3\n"
              "draw 1\n"
              "click A.B\n"
              "wait 150\n"
              "draw 4\n"
              "ok\n"
              "click A.C\n"
              "wait 150\n");
}

TEST(Replay, ReadsRecordingsAndRefusesAnythingElse) {
    std::istringstream good("# a session\n\nwait 100\ndraw 3\nclick Form3.Command2\nok\n  wait 5  \n");
    const auto steps = parseRecording(good, "s.rec");
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].kind, ReplayStep::Kind::Wait);
    EXPECT_EQ(steps[0].ms, 100);
    EXPECT_EQ(steps[1].outcome, 3);
    EXPECT_EQ(steps[2].target, "Form3.Command2");
    EXPECT_EQ(steps[2].line, 5);
    EXPECT_EQ(steps[3].kind, ReplayStep::Kind::Ok);
    EXPECT_EQ(steps[4].ms, 5);

    struct Bad {
        const char* text;
        const char* error;
    };
    const Bad bad[] = {
        {"wait\n", "s.rec:1: wait needs whole milliseconds"},
        {"wait -5\n", "s.rec:1: wait needs whole milliseconds"},
        {"\ndraw 5\n", "s.rec:2: draw needs 1, 2, 3 or 4"},
        {"click Form3\n", "s.rec:1: click needs SCENE.CONTROL"},
        {"ok now\n", "s.rec:1: ok takes nothing after it"},
        {"set Form4.Text1 5\n", "s.rec:1: a recording holds only wait, click, ok, draw and load lines, not 'set'"},
    };
    for (const Bad& b : bad) {
        std::istringstream in(b.text);
        try {
            parseRecording(in, "s.rec");
            ADD_FAILURE() << "accepted " << b.text;
        } catch (const ReplayError& e) {
            EXPECT_EQ(std::string(e.what()), b.error);
        }
    }
}

// Through the title and the introduction into the first town; a few steps
// with the arrow keys and clicks, the item box and back.
void openingSession(TestClock& clock, DesktopImpl& d, Game& game) {
    Scene& intro = *game.findScene("Form2");
    Scene& town = *game.findScene("Form3");
    for (int page = 0; page < 7; ++page) {
        clock.at(3600 + 400 * page, [&] { clickControl(d, *intro.findControl("Command1")); });
    }
    clock.at(7000, [] { pressKey(SDLK_UP); });
    clock.at(7300, [] { pressKey(SDLK_LEFT); });
    clock.at(7600, [] { pressKey(SDLK_a); });  // does nothing
    clock.at(7900, [&] { clickControl(d, *town.findControl("Command2")); });
    clock.at(8200, [&] { clickControl(d, *town.findControl("Command3")); });
    // Answer any box that may be open.
    for (std::uint64_t t = 8300; t < 12000; t += 250) clock.at(t, [] { pressKey(SDLK_RETURN); });
    clock.at(12000, [&] { clickControl(d, *town.findControl("Command5")); });  // ◎: the item box
    clock.at(12500, [&] {
        if (Scene* box = game.findScene("Form5")) clickControl(d, *box->findControl("Command4"));
    });
    clock.at(13000, [] { pressKey(SDLK_DOWN); });
    clock.finished = [&] { return clock.t >= 14000; };
}

// A ghost battle: attacks, boxes answered with the keys, the random draws.
void battleSession(TestClock& clock, DesktopImpl& d, Game& game) {
    Scene& battle = *game.findScene("Form10");
    for (std::uint64_t t = 300; t < 40000; t += 700) {
        clock.at(t, [&] { clickControl(d, *battle.findControl("Command1")); });
        clock.at(t + 350, [] { pressKey(SDLK_SPACE); });
    }
    clock.finished = [&] { return clock.t >= 40000; };
}

// The maze room's buttons open boxes from ticks, between waits: a replay
// must take each box's OK where the recording has it and keep every wait.
void mazeSession(TestClock& clock, DesktopImpl& d, Game& game) {
    Scene& maze = *game.findScene("Form14");
    for (int i = 0; i < 3; ++i) clock.at(1000 + 600 * i, [&] { clickControl(d, *maze.findControl("Command1")); });
    clock.at(2800, [&] { clickControl(d, *maze.findControl("Command2")); });
    for (std::uint64_t t = 2900; t < 4000; t += 200) clock.at(t, [] { pressKey(SDLK_RETURN); });
    clock.at(7000, [&] { clickControl(d, *maze.findControl("Command4")); });
    for (std::uint64_t t = 7100; t < 8000; t += 200) clock.at(t, [] { pressKey(SDLK_RETURN); });
    clock.finished = [&] { return clock.t >= 9000; };
}

// The session ends with a box open: a step onto the first town's sign.
void endsInABoxSession(TestClock& clock, DesktopImpl& d, Game& game) {
    Scene& town = *game.findScene("Form3");
    clock.at(500, [&] { clickControl(d, *town.findControl("Command4")); });
    clock.finished = [&] { return clock.t >= 1500; };
}

struct SessionCase {
    const char* name;
    const char* start;
    void (*session)(TestClock&, DesktopImpl&, Game&);
};

void PrintTo(const SessionCase& c, std::ostream* os) { *os << c.name; }

class RoundTrip : public ::testing::TestWithParam<SessionCase> {};

TEST_P(RoundTrip, RecordingReplaysToTheSameTranscript) {
    const std::string name = GetParam().name;
    const std::string start = GetParam().start;
    const auto session = GetParam().session;

    DesktopOptions recordOptions;
    recordOptions.record = tempFile("zorb_" + name + ".rec");
    const Session played = playWindowed(start, recordOptions, session);
    ASSERT_FALSE(played.recording.empty());
    ASSERT_GE(played.transcript.size(), 3u) << played.recording;
    if (name == "opening") {
        EXPECT_NE(std::find(played.transcript.begin(), played.transcript.end(), "3000 show Form2"),
                  played.transcript.end());
        EXPECT_NE(played.recording.find("click Form2.Command1\n"), std::string::npos);
        EXPECT_NE(played.recording.find("click Form3.Command1\n"), std::string::npos) << "↑ pressed ↑";
        EXPECT_NE(played.recording.find("click Form3.Command4\n"), std::string::npos) << "← pressed ←";
    }
    // Every draw the game made is in the recording, in order.
    std::string draws, recordedDraws;
    for (const auto& line : played.transcript) {
        if (line.find(" draw ") != std::string::npos) draws += line.substr(line.find(" draw ") + 1) + "\n";
    }
    std::istringstream rec(played.recording);
    for (std::string line; std::getline(rec, line);) {
        if (line.rfind("draw ", 0) == 0) recordedDraws += line + "\n";
    }
    EXPECT_EQ(recordedDraws, draws);
    if (name == "battle") {
        EXPECT_FALSE(draws.empty()) << "the battle made no draw";
    }

    // Headless, the recording plays the same game.
    EXPECT_EQ(playHeadless(start, played.recording), played.transcript) << played.recording;

    // And in a window again, recorded again: the same game, step for step,
    // waits included.
    DesktopOptions replayOptions;
    replayOptions.replay = recordOptions.record;
    replayOptions.record = tempFile("zorb_" + name + "_again.rec");
    Session replayed = playWindowed(start, replayOptions, [](TestClock& clock, DesktopImpl& d, Game&) {
        clock.finished = [&d] { return !d.replaying; };
    });
    EXPECT_EQ(replayed.transcript, played.transcript);
    EXPECT_EQ(replayed.recording, played.recording);
    std::filesystem::remove(recordOptions.record);
    std::filesystem::remove(replayOptions.record);
}

INSTANTIATE_TEST_SUITE_P(Sessions, RoundTrip,
                         ::testing::Values(SessionCase{"opening", "", openingSession},
                                           SessionCase{"battle", "Form10", battleSession},
                                           SessionCase{"maze", "Form14", mazeSession},
                                           SessionCase{"ends_in_a_box", "Form3", endsInABoxSession}),
                         [](const auto& info) { return std::string(info.param.name); });

// A replay that ends with a box open hands the game to the player: OK
// closes the box, and the clock, the arrows and the recording go on.
TEST(Replay, PlayGoesOnAfterAReplayThatEndsInABox) {
    const std::string original = tempFile("zorb_box_end.rec");
    playWindowed("Form3", [&] {
        DesktopOptions o;
        o.record = original;
        return o;
    }(), endsInABoxSession);
    DesktopOptions options;
    options.replay = original;
    options.record = tempFile("zorb_box_end_again.rec");
    bool boxAtEnd = false;
    const Session after = playWindowed("Form3", options, [&](TestClock& clock, DesktopImpl& d, Game&) {
        clock.at(4000, [&] { boxAtEnd = !d.replaying && d.runtime->messageBoxOpen(); });
        clock.at(4100, [] { pressKey(SDLK_RETURN); });
        clock.at(5000, [] { pressKey(SDLK_UP); });
        clock.finished = [&] { return clock.t >= 6000; };
    });
    EXPECT_TRUE(boxAtEnd);
    EXPECT_NE(after.recording.find("ok\nwait "), std::string::npos) << after.recording;
    // The arrows came back after the step the replay ended in: the clock runs.
    EXPECT_NE(after.recording.find("click Form3.Command1\n"), std::string::npos) << after.recording;
    std::filesystem::remove(original);
    std::filesystem::remove(options.record);
}

TEST(Desktop, RefusesARecordingItCannotWriteOrRead) {
    TestClock clock;
    DesktopOptions o;
    o.record = "/nonexistent-dir/session.rec";
    Desktop a(o, &clock);
    EXPECT_THROW(
        {
            try {
                a.open();
            } catch (const DesktopError& e) {
                EXPECT_EQ(std::string(e.what()),
                          "cannot write the recording /nonexistent-dir/session.rec: No such file or directory");
                throw;
            }
        },
        DesktopError);
    DesktopOptions r;
    r.replay = "/nonexistent-dir/session.rec";
    Desktop b(r, &clock);
    EXPECT_THROW(b.open(), DesktopError);
}

TEST_F(WindowedGame, ClosingTheWindowInsideABoxEndsCleanly) {
    // The title has no box; the game-over scene's picture opens one.
    desktop.open();
    desktop.attach(runtime);
    Scene& over = *game.findScene("Form11");
    bool boxSeen = false;
    clock.at(500, [&] { clickControl(desktop.impl(), *over.findControl("Image1")); });
    clock.at(900, [&] {
        boxSeen = runtime.messageBoxOpen();
        SDL_Event q{};
        q.type = SDL_QUIT;
        SDL_PushEvent(&q);
    });
    int status = -1;
    try {
        desktop.run([&] { game.startAt(over); });
    } catch (const Exit& e) {
        status = e.status;
    }
    EXPECT_TRUE(boxSeen);
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(runtime.messageBoxOpen());
}

}  // namespace
}  // namespace zorb::desktop

namespace zorb::desktop {
namespace {

TEST_F(WindowedGame, F11TogglesFullscreenAndTheDesktopFollowsTheWindowsSize) {
    desktop.open();
    desktop.attach(runtime);
    DesktopImpl& d = desktop.impl();
    bool full = false, back = false;
    float fullScale = 0;
    clock.at(100, [] { pressKey(SDLK_F11); });
    clock.at(200, [&] {
        full = (SDL_GetWindowFlags(d.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
        fullScale = d.painter->view().scale;
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = SDLK_RETURN;
        e.key.keysym.mod = KMOD_LALT;
        push(e);
    });
    clock.at(300, [&] { back = (SDL_GetWindowFlags(d.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == 0; });
    clock.finished = [&] { return clock.t >= 400; };
    try {
        desktop.run([&] { game.start(); });
    } catch (const Exit&) {
    }
    EXPECT_TRUE(full);
    EXPECT_TRUE(back) << "Alt+Enter toggles it back";
    int w = 0, h = 0;
    SDL_DisplayMode mode;
    SDL_GetDesktopDisplayMode(0, &mode);
    w = mode.w;
    h = mode.h;
    EXPECT_FLOAT_EQ(fullScale, View::fit(w, h).scale) << "the desktop fills the display";
}

}  // namespace
}  // namespace zorb::desktop

namespace zorb::desktop {
namespace {

void clickAt(DesktopImpl& d, const Box& box) {
    const View& v = d.painter->view();
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<int>(v.offsetX + (box.x + box.w / 2) * v.scale);
    e.button.y = static_cast<int>(v.offsetY + (box.y + box.h / 2) * v.scale);
    push(e);
    e.type = SDL_MOUSEBUTTONUP;
    push(e);
}

TEST_F(WindowedGame, OnlyTheBoxAnswersWhileItIsOpenAndOkClosesIt) {
    std::vector<std::string> boxes;
    desktop.setTranscript([&](GameTime, const std::string& e) {
        if (e.rfind("msgbox", 0) == 0 || e == "end") boxes.push_back(e);
    });
    desktop.open();
    desktop.attach(runtime);
    DesktopImpl& d = desktop.impl();
    Scene& over = *game.findScene("Form11");  // Image1 opens a box, Command1 ends the game
    std::vector<bool> open;
    auto note = [&] { open.push_back(runtime.messageBoxOpen()); };
    clock.at(100, [&] { clickControl(d, *over.findControl("Image1")); });
    clock.at(200, note);
    clock.at(300, [&] { clickControl(d, *over.findControl("Command1")); });  // under the box: nothing
    clock.at(350, [] { pressKey(SDLK_UP); });                                  // nothing either
    clock.at(400, note);
    clock.at(500, [&] { clickAt(d, d.painter->messageBoxShape(runtime.messageBoxText()).ok); });
    clock.at(600, note);
    clock.at(700, [&] { clickControl(d, *over.findControl("Image1")); });
    clock.at(800, [] { pressKey(SDLK_ESCAPE); });
    clock.at(900, note);
    clock.finished = [&] { return clock.t >= 1000; };
    try {
        desktop.run([&] { game.startAt(over); });
    } catch (const Exit&) {
    }
    EXPECT_EQ(open, (std::vector<bool>{true, true, false, false}));
    ASSERT_EQ(boxes.size(), 2u) << "the click under the box did not end the game";
    EXPECT_EQ(boxes[0].rfind("msgbox", 0), 0u);
}

}  // namespace
}  // namespace zorb::desktop

namespace zorb::desktop {
namespace {

// The game times of the commands in a recording: "click X" at the sum of
// the waits before it.
std::vector<std::pair<GameTime, std::string>> timedCommands(const std::string& recording) {
    std::vector<std::pair<GameTime, std::string>> out;
    GameTime t = 0;
    std::istringstream in(recording);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("wait ", 0) == 0) {
            t += std::stoll(line.substr(5));
        } else if (line.rfind("draw ", 0) != 0) {
            out.emplace_back(t, line);
        }
    }
    return out;
}

// The player sits reading for six seconds before スタート, with no timer
// running, then taps while only the ten-second timer runs: every input is
// handled at the moment it was made, so the tapping lasts its ten seconds
// of wall time and the recording puts each click where it happened.
TEST(InputTime, IdleThenAClickIsHandledWhenItWasMade) {
    DesktopOptions options;
    options.record = tempFile("zorb_idle.rec");
    const Session played = playWindowed("Form8", options, [](TestClock& clock, DesktopImpl& d, Game& game) {
        Scene& tap = *game.findScene("Form8");
        for (int i = 0; i < 3; ++i) clock.at(1000 + 1000 * i, [&] { clickControl(d, *tap.findControl("Command1")); });
        clock.at(4000, [&] { clickControl(d, *tap.findControl("Command2")); });   // YES
        clock.at(10000, [&] { clickControl(d, *tap.findControl("Command4")); });  // スタート, after 6 s idle
        clock.at(17300, [&] { clickControl(d, *tap.findControl("Image3")); });    // a tap, 7.3 s in
        for (std::uint64_t t = 20000; t < 22000; t += 300) clock.at(t, [] { pressKey(SDLK_RETURN); });
        clock.finished = [&] { return clock.t >= 23000; };
    });
    const auto commands = timedCommands(played.recording);
    const std::vector<std::pair<GameTime, std::string>> expected = {
        {1000, "click Form8.Command1"}, {2000, "click Form8.Command1"}, {3000, "click Form8.Command1"},
        {4000, "click Form8.Command2"}, {10000, "click Form8.Command4"}, {17300, "click Form8.Image3"},
        {20000, "ok"},                  {20000, "ok"},
    };
    ASSERT_GE(commands.size(), expected.size()) << played.recording;
    EXPECT_EQ(std::vector(commands.begin(), commands.begin() + expected.size()), expected) << played.recording;
    EXPECT_NE(std::find(played.transcript.begin(), played.transcript.end(), "20000 unload Form8"),
              played.transcript.end())
        << "the ten seconds of tapping are counted from スタート";
    EXPECT_EQ(playHeadless("Form8", played.recording), played.transcript);
    std::filesystem::remove(options.record);
}

}  // namespace
}  // namespace zorb::desktop
