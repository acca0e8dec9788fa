// Save states in the window: F5 and F9, the checkpoint kept at every map,
// and the way back after a game over, on the test clock.
#include <gtest/gtest.h>

#include <filesystem>

#include "Windowed.h"
#include "runtime/Scene.h"

namespace zorb::desktop {
namespace {

using namespace test;

std::string text(Game& game, const std::string& scene, const std::string& control) {
    return static_cast<TextBox*>(game.findScene(scene)->findControl(control))->text();
}

void pressKeyWith(SDL_Keycode key, Uint16 mod) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    push(e);
    e.type = SDL_KEYUP;
    push(e);
}

DesktopOptions withSaves(const std::string& dir) {
    std::filesystem::remove_all(dir);
    DesktopOptions o;
    o.saveDirectory = dir;
    o.checkpointScenes = {"Form3", "Form7", "Form9", "Form13", "Form14", "Form19", "Form25"};
    o.gameOverScene = "Form11";
    return o;
}

TEST(Saves, F5SavesAndF9LoadsTheGameAsItWas) {
    const std::string dir = tempFile("zorb_saves_quick");
    std::vector<std::string> notes, ys;
    DesktopOptions options = withSaves(dir);
    options.checkpointScenes.clear();  // F9 would fall back to the checkpoint
    const Session s = playWindowed("Form3", options, [&](TestClock& clock, DesktopImpl& d, Game& game) {
        auto note = [&] { notes.push_back(d.note); };
        auto y = [&] { ys.push_back(text(game, "Form3", "Text2")); };
        clock.at(100, [] { pressKey(SDLK_F9); });
        clock.at(150, note);
        clock.at(300, [] { pressKey(SDLK_UP); });
        clock.at(700, [] { pressKey(SDLK_F5); });
        clock.at(750, note);
        clock.at(900, [] { pressKey(SDLK_UP); });
        clock.at(1200, y);
        clock.at(1300, [] { pressKey(SDLK_F9); });
        clock.at(1350, note);
        clock.at(1400, y);
        clock.at(1500, [] { pressKey(SDLK_UP); });  // and the game plays on from there
        clock.at(1900, y);
        clock.finished = [&] { return clock.t >= 2000; };
    });
    EXPECT_EQ(notes, (std::vector<std::string>{"no save yet", "saved", "loaded"}));
    EXPECT_EQ(ys, (std::vector<std::string>{"1440", "2160", "1440"}));
    std::filesystem::remove_all(dir);
}

TEST(Saves, ASaveWaitsUntilTheMessageIsClosed) {
    const std::string dir = tempFile("zorb_saves_box");
    std::string note;
    playWindowed("Form3", withSaves(dir), [&](TestClock& clock, DesktopImpl& d, Game&) {
        clock.at(300, [] { pressKey(SDLK_LEFT); });  // onto the town's sign: a box
        clock.at(600, [] { pressKey(SDLK_F5); });
        clock.at(650, [&] { note = d.note; });
        clock.finished = [&] { return clock.t >= 1000; };
    });
    EXPECT_EQ(note, "close the message first");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(dir) / "quick.save"));
    std::filesystem::remove_all(dir);
}

// Lost on the thorns of the second town: the window offers the way back,
// and Shift+F9 puts the hero back in the town as he entered it.
TEST(Saves, ShiftF9GoesBackToTheLastMapAfterAGameOver) {
    const std::string dir = tempFile("zorb_saves_checkpoint");
    DesktopOptions options = withSaves(dir);
    options.record = tempFile("zorb_saves_checkpoint.rec");
    std::string hint, hintAfter, hp;
    bool overShown = false, townBack = false, overGone = false;
    const Session s = playWindowed("Form13", options, [&](TestClock& clock, DesktopImpl& d, Game& game) {
        clock.at(100, [&] { static_cast<TextBox*>(game.findScene("Form4")->findControl("Text1"))->setText("5"); });
        clock.at(300, [] { pressKey(SDLK_UP); });
        clock.at(700, [] { pressKey(SDLK_UP); });  // onto the thorns
        clock.at(1100, [] { pressKey(SDLK_RETURN); });  // "ポッチーは目の前が真っ暗になった！"
        clock.at(1500, [&] {
            overShown = game.findScene("Form11")->visible();
            hint = d.interaction().hint;
        });
        clock.at(1600, [] { pressKeyWith(SDLK_F9, KMOD_LSHIFT); });
        clock.at(1700, [&] {
            townBack = game.findScene("Form13")->visible();
            overGone = !game.findScene("Form11")->loaded();
            hp = text(game, "Form4", "Text1");
            hintAfter = d.interaction().hint;
        });
        clock.finished = [&] { return clock.t >= 2000; };
    });
    EXPECT_TRUE(overShown);
    EXPECT_EQ(hint, "F9: load the last save · Shift+F9: back to the last map");
    EXPECT_TRUE(townBack);
    EXPECT_TRUE(overGone);
    EXPECT_EQ(hp, "100");
    EXPECT_TRUE(hintAfter.empty());
    EXPECT_NE(s.recording.find("load " + (std::filesystem::path(dir) / "checkpoint.save").string() + "\n"),
              std::string::npos)
        << s.recording;
    std::filesystem::remove_all(dir);
    std::filesystem::remove(options.record);
}

// Lost in a battle without ever pressing F5: F9 is back in the town the
// battle started from.
TEST(Saves, F9WithNoQuickSaveGoesBackToTheLastMap) {
    const std::string dir = tempFile("zorb_saves_battle");
    bool battle = false, over = false, town = false;
    std::string note;
    playWindowed("Form3", withSaves(dir), [&](TestClock& clock, DesktopImpl& d, Game& game) {
        // The doctor's technique learnt: the grass cell starts the ghost battle.
        clock.at(100, [&] {
            static_cast<TextBox*>(game.findScene("Form4")->findControl("Text10"))->setText("1");
            static_cast<TextBox*>(game.findScene("Form4")->findControl("Text1"))->setText("-1");
        });
        clock.at(200, [&] {
            auto* town3 = game.findScene("Form3");
            static_cast<TextBox*>(town3->findControl("Text1"))->setText("5040");
            static_cast<TextBox*>(town3->findControl("Text2"))->setText("2160");
        });
        clock.at(300, [] { pressKey(SDLK_LEFT); });  // onto the grass at (4320, 2160)
        clock.at(800, [&] { battle = game.findScene("Form10")->visible(); });
        clock.at(900, [&] { clickControl(d, *game.findScene("Form10")->findControl("Command1")); });
        // Enter through the battle's messages, and no more: on GAME OVER the focused
        // button is the one that ends the game.
        for (std::uint64_t t = 1000; t < 9100; t += 250) clock.at(t, [] { pressKey(SDLK_RETURN); });
        clock.at(9500, [&] { over = game.findScene("Form11")->visible(); });
        clock.at(9600, [] { pressKey(SDLK_F9); });
        clock.at(9700, [&] {
            town = game.findScene("Form3")->visible() && !game.findScene("Form11")->loaded();
            note = d.note;
        });
        clock.finished = [&] { return clock.t >= 10000; };
    });
    EXPECT_TRUE(battle);
    EXPECT_TRUE(over) << "the ghost wins against a hero below 0 HP";
    EXPECT_TRUE(town);
    EXPECT_EQ(note, "loaded");
    std::filesystem::remove_all(dir);
}

// A session with a load in it replays to the same game, in a window and
// headless, and recorded again equals the original.
TEST(Saves, ARecordingWithALoadInItReplaysTheSameGame) {
    const std::string dir = tempFile("zorb_saves_replay");
    DesktopOptions options = withSaves(dir);
    options.record = tempFile("zorb_saves_replay.rec");
    const Session played = playWindowed("Form3", options, [](TestClock& clock, DesktopImpl&, Game&) {
        clock.at(300, [] { pressKey(SDLK_UP); });
        clock.at(600, [] { pressKey(SDLK_F5); });
        clock.at(900, [] { pressKey(SDLK_LEFT); });
        clock.at(1300, [] { pressKey(SDLK_F9); });
        clock.at(1600, [] { pressKey(SDLK_RIGHT); });
        clock.finished = [&] { return clock.t >= 2000; };
    });
    ASSERT_NE(played.recording.find("\nload "), std::string::npos) << played.recording;
    EXPECT_EQ(playHeadless("Form3", played.recording), played.transcript);

    DesktopOptions again = withSaves(dir + "_again");
    again.replay = options.record;
    again.record = tempFile("zorb_saves_replay_again.rec");
    const Session replayed = playWindowed("Form3", again, [](TestClock& clock, DesktopImpl& d, Game&) {
        clock.finished = [&d] { return !d.replaying; };
    });
    EXPECT_EQ(replayed.transcript, played.transcript);
    EXPECT_EQ(replayed.recording, played.recording);
    for (const std::string& f : {options.record, again.record}) std::filesystem::remove(f);
    std::filesystem::remove_all(dir);
    std::filesystem::remove_all(dir + "_again");
}

}  // namespace
}  // namespace zorb::desktop
