// The whole story, played from the title to the end of the closing cards the
// way a player would, with the store checked at every stage; and a loss in
// every place that can lose, each ending on the game-over scene.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "harness/Harness.h"

namespace zorb::test {
namespace {

class Player {
public:
    Harness h;

    // The scene in front (the one being played).
    std::string front() const {
        const auto shown = h.shownScenes();
        return shown.empty() ? "" : shown.front();
    }

    // A click that does not reach its control stops the test there: the
    // rest of the story cannot be played from the wrong place.
    void click(const std::string& path) {
        if (h.click(path) != ClickResult::Delivered) {
            throw std::runtime_error(path + " could not be clicked at " + std::to_string(h.runtime.now()) +
                                     " with " + front() + " in front");
        }
    }
    void clicks(const std::string& path, int times, GameTime between = 1) {
        for (int i = 0; i < times; ++i) {
            click(path);
            h.wait(between);
        }
    }

    // Walks a map: one arrow click per character of `route` (U R D L), each
    // step given time to run its chain to the end.
    void walk(const std::string& map, const std::string& route) {
        for (char c : route) {
            const char* button = c == 'U' ? "Command1" : c == 'R' ? "Command2" : c == 'D' ? "Command3" : "Command4";
            if (front() != map) {
                throw std::runtime_error(front() + " is in front instead of " + map + " before step " + c +
                                         " of " + route);
            }
            click(map + "." + button);
            h.wait(40);
        }
    }

    std::string store(int field) const { return h.store(field); }

    // The boxes shown since the last call.
    std::vector<std::string> boxes() { return h.takeBoxes(); }
};

TEST(WholeGame, PlaysFromTheTitleToTheEndOfTheClosingCards) {
    Player p;
    Harness& h = p.h;

    // Title, introduction.
    h.start();
    h.wait(3000);
    ASSERT_EQ(p.front(), "Form2");
    p.clicks("Form2.Command1", 7, 0);
    ASSERT_EQ(p.front(), "Form3");
    EXPECT_EQ(h.text("Form3.Text1"), "5760");
    EXPECT_EQ(h.text("Form3.Label9"), "100");  // the status panel shows the fresh store

    // First town to the hero's house, past the grass (no technique yet).
    p.walk("Form3", "ULLLL");
    ASSERT_EQ(p.front(), "Form7");
    EXPECT_EQ(p.boxes(), std::vector<std::string>{"ここはポッチーの家"});

    // The visitor: the doctor has called.
    p.walk("Form7", "LLLLLLLUU");
    EXPECT_EQ(p.boxes(), (std::vector<std::string>{"お！君がポッチーか！", "博士が呼んでたぞ！"}));
    EXPECT_EQ(p.store(9), "1");

    // The father: twenty taps pay 600 yen.
    p.walk("Form7", "RRR");
    ASSERT_EQ(p.front(), "Form8");
    p.clicks("Form8.Command1", 3, 0);
    p.click("Form8.Command2");
    p.click("Form8.Command4");
    for (int tap = 0; tap < 20; ++tap) {
        p.click(h.visible("Form8.Image3") ? "Form8.Image3" : "Form8.Image2");
        h.wait(100);
    }
    h.wait(10000 - 2000);
    ASSERT_EQ(p.front(), "Form7");
    EXPECT_EQ(p.store(5), "600");
    p.boxes();

    // Back out through the door (the visitor speaks again on the way).
    p.walk("Form7", "LLLLLLLUUU");
    ASSERT_EQ(p.front(), "Form3");
    p.boxes();

    // The vending machine: four waters, four bottles from the bin.
    p.walk("Form3", "UUULL");
    ASSERT_EQ(p.front(), "Form6");
    p.clicks("Form6.Command1", 4);
    p.clicks("Form6.Label1", 4);
    EXPECT_EQ(p.store(5), "200");
    EXPECT_EQ(p.store(7), "4");
    EXPECT_EQ(p.store(2), "4");
    EXPECT_EQ(p.store(1), "140");
    p.click("Form6.Command4");
    ASSERT_EQ(p.front(), "Form3");

    // The item box: four bombs.
    p.click("Form3.Command5");
    ASSERT_EQ(p.front(), "Form5");
    p.clicks("Form5.Command1", 4);
    EXPECT_EQ(p.store(8), "4");
    EXPECT_EQ(p.store(7), "0");
    EXPECT_EQ(p.store(2), "0");
    p.click("Form5.Command4");
    ASSERT_EQ(p.front(), "Form3");
    p.boxes();

    // The doctor's house: the note, the walk, the technique.
    p.walk("Form3", "UULLLLLLLD");
    ASSERT_EQ(p.front(), "Form9");
    EXPECT_EQ(p.boxes(), std::vector<std::string>{"博士の家だ！"});
    p.walk("Form9", "ULLLL");
    EXPECT_EQ(p.boxes(), std::vector<std::string>{"ちょっと待ってってくれ。博士より。"});
    h.wait(7000);
    ASSERT_EQ(p.front(), "Form3");
    EXPECT_EQ(p.store(10), "1");
    EXPECT_EQ(p.boxes().size(), 7u);

    // Two ghost battles on the grass, each won with a bomb.
    for (int win = 1; win <= 2; ++win) {
        p.walk("Form3", "ULL");
        ASSERT_EQ(p.front(), "Form10");
        p.click("Form10.Command2");
        h.wait(3000 + 10);
        ASSERT_EQ(p.front(), "Form3");
        EXPECT_EQ(p.store(6), std::to_string(win));
        EXPECT_EQ(p.store(3), std::to_string(win));
        EXPECT_EQ(p.boxes().size(), 3u);
    }
    EXPECT_EQ(p.store(8), "2");

    // The rival's garage at level 2: two bombs beat ケンゾ.
    p.walk("Form3", "UULLLLLLLU");
    ASSERT_EQ(p.front(), "Form12");
    EXPECT_EQ(p.boxes().size(), 3u);  // the door and ケンゾ's two lines
    p.click("Form12.Command2");
    h.wait(3000 + 1000 + 1500 + 2000);  // bomb, ケンゾ's salmon
    EXPECT_EQ(p.store(1), "60");
    p.click("Form12.Command2");
    h.wait(3000 + 10);
    ASSERT_EQ(p.front(), "Form13");
    EXPECT_EQ(p.store(6), "4");
    EXPECT_EQ(p.store(3), "5");
    EXPECT_EQ(p.store(5), "5200");
    EXPECT_EQ(p.store(8), "0");
    p.boxes();

    // Second town: through a thorn bush into the maze room.
    p.walk("Form13", "UUU");
    ASSERT_EQ(p.front(), "Form14");
    EXPECT_EQ(p.store(1), "50");

    // The maze: the shortest way, key included, is eight clicks.
    p.walk("Form14", "UUURLLLU");
    ASSERT_EQ(p.front(), "Form13");
    EXPECT_EQ(p.store(11), "1");
    EXPECT_EQ(p.boxes(), std::vector<std::string>{"かぎを手に入れた！"});

    // The locked house with the key: the trash cans; the LED on the first try.
    p.walk("Form13", "ULLUU");
    ASSERT_EQ(p.front(), "Form15");
    EXPECT_EQ(p.store(1), "40");
    h.draw(4);
    p.click("Form15.Command1");
    ASSERT_EQ(p.front(), "Form16");
    EXPECT_EQ(p.store(12), "1");
    p.boxes();
    p.click("Form16.Command1");
    ASSERT_EQ(p.front(), "Form13");

    // The friend in the thorns takes the LED and carries the hero over the wall.
    h.wait(10);
    EXPECT_TRUE(h.visible("Form13.Image62"));
    p.walk("Form13", "ULLL");
    ASSERT_EQ(p.front(), "Form17");
    EXPECT_EQ(p.store(1), "30");
    h.wait(5000);
    EXPECT_EQ(p.boxes().size(), 3u);
    ASSERT_EQ(p.front(), "Form13");
    h.wait(2100);
    EXPECT_EQ(h.text("Form13.Text1"), "2160");
    EXPECT_EQ(h.text("Form13.Text2"), "2160");
    EXPECT_EQ(p.store(13), "1");
    EXPECT_EQ(p.store(12), "1");

    // West vending machine: eight waters and bottles, eight bombs in the item box.
    p.walk("Form13", "LUUL");
    ASSERT_EQ(p.front(), "Form6");
    p.clicks("Form6.Command1", 8);
    p.clicks("Form6.Image2", 8);
    p.click("Form6.Command4");
    h.wait(20);  // the second town puts the hero back over the wall
    EXPECT_EQ(h.text("Form13.Text1"), "2160");
    p.click("Form13.Command5");
    p.clicks("Form5.Command1", 8);
    p.click("Form5.Command4");
    ASSERT_EQ(p.front(), "Form13");
    EXPECT_EQ(p.store(8), "8");
    EXPECT_EQ(p.store(5), "4400");
    EXPECT_EQ(p.store(1), "110");
    p.boxes();

    // Two ghosts in the sprout field make level 6.
    for (int level = 5; level <= 6; ++level) {
        p.walk("Form13", "UU");
        ASSERT_EQ(p.front(), "Form10");
        p.click("Form10.Command2");
        h.wait(3000 + 20);
        ASSERT_EQ(p.front(), "Form13");
        EXPECT_EQ(p.store(6), std::to_string(level));
        EXPECT_EQ(h.text("Form13.Text1"), "2160");
    }
    p.boxes();

    // The garage opens at level 6: the bomb-making race.
    p.walk("Form13", "LL");
    ASSERT_EQ(p.front(), "Form18");
    EXPECT_EQ(p.boxes(), std::vector<std::string>{"レベルのおかげでドアが開いた！"});
    p.clicks("Form18.Command1", 5, 0);
    p.click("Form18.Command2");
    for (int bomb = 0; bomb < 5; ++bomb) {
        for (int item = 0; item < 9; ++item) {
            p.click("Form18.Image12");
            h.wait(2);
            p.click("Form18.Image3");
            h.wait(2);
        }
        if (bomb < 4) h.wait(1000);
    }
    h.wait(1000);
    ASSERT_EQ(p.front(), "Form19");
    EXPECT_EQ(p.store(6), "11");
    EXPECT_EQ(p.store(1), "1110");
    EXPECT_EQ(p.store(4), "3");
    EXPECT_EQ(p.store(5), "9400");
    p.boxes();

    // Third town: the three towers' workers, each beaten with a bomb.
    const struct {
        const char* route;
        int flag;
    } towers[] = {{"ULLU", 14}, {"LLLL", 15}, {"ULLLLLL", 16}};
    for (const auto& tower : towers) {
        p.walk("Form19", tower.route);
        ASSERT_EQ(p.front(), "Form20") << tower.flag;
        h.wait(4500);
        p.click("Form20.Command1");
        h.wait(2500 + 10);
        ASSERT_EQ(p.front(), "Form19");
        EXPECT_EQ(p.store(tower.flag), "1");
        p.boxes();
    }
    EXPECT_EQ(p.store(8), "3");
    EXPECT_EQ(p.store(1), "1050");

    // The sprout field with all three towers down and a bomb in hand.
    p.walk("Form19", "ULLLLLUUL");
    ASSERT_EQ(p.front(), "Form21");
    EXPECT_EQ(p.store(8), "3");  // no bomb is used for it
    h.wait(3000 + 1000 + 1000);  // the explosion, the shop owner's call, the rules
    EXPECT_EQ(p.boxes().size(), 4u + 3u);
    ASSERT_EQ(p.front(), "Form23");

    // The phone-line race always ends at the police.
    p.click("Form23.Command1");
    p.clicks("Form23.Image1", 10);
    h.wait(6000);
    EXPECT_EQ(p.boxes().size(), 2u + 4u);  // the police, then the handcuff rules
    ASSERT_EQ(p.front(), "Form24");

    // Handcuff defence: every pistol once a second holds them off for 20 s.
    for (int second = 0; second < 20; ++second) {
        for (const char* pistol : {"Form24.Image5", "Form24.Image6", "Form24.Image7", "Form24.Image8"}) {
            if (p.front() == "Form24") p.click(pistol);
        }
        h.wait(1000);
    }
    ASSERT_EQ(p.front(), "Form25");
    EXPECT_EQ(p.store(5), "19400");
    EXPECT_EQ(p.boxes().size(), 3u);

    // Fourth town: three blocks, three bombs, the hideout.
    p.walk("Form25", "ULULLDDLLUULLDD");
    ASSERT_EQ(p.front(), "Form26");
    EXPECT_EQ(p.store(8), "0");
    EXPECT_EQ(p.store(17), "1");
    EXPECT_EQ(p.store(18), "1");
    EXPECT_EQ(p.store(19), "1");
    p.boxes();

    // The ambush, then the escape with both keys into the safe house.
    h.wait(8000);
    ASSERT_EQ(p.front(), "Form27");
    p.click("Form27.Command5");
    auto move = [&](const char* button, int times) { p.clicks(std::string("Form27.") + button, times, 1); };
    move("Command2", 16);  // right to the first key's column
    move("Command3", 2);   // down onto the first key
    h.wait(2);
    move("Command3", 12);  // down the right side, away from the hideout
    move("Command4", 14);  // left onto the second key
    h.wait(2);
    EXPECT_EQ(h.text("Form27.Text1"), "2");
    move("Command2", 15);  // right into the safe house
    h.wait(5);
    ASSERT_EQ(p.front(), "Form28");

    // ザルバ calls his boss; the boss is mashed and flees.
    h.wait(2000);
    EXPECT_EQ(p.boxes().size(), 4u);
    ASSERT_EQ(p.front(), "Form29");
    h.wait(6000);
    ASSERT_EQ(p.front(), "Form30");
    p.clicks("Form30.Image1", 100, 0);
    ASSERT_EQ(p.front(), "Form31");
    EXPECT_EQ(p.boxes().size(), 1u + 3u);

    // The chase: caught before his first flight.
    for (int i = 0; i < 7; ++i) {
        p.click("Form31.Command2");
        p.click("Form31.Command3");
    }
    h.wait(2);
    ASSERT_EQ(p.front(), "Form32");
    EXPECT_EQ(p.boxes(), std::vector<std::string>{"捕まえた！"});

    // Surrender, the ending, the closing cards, the end of the program.
    h.wait(2000);
    ASSERT_EQ(p.front(), "Form33");
    h.wait(12000);
    ASSERT_EQ(p.front(), "Form34");
    h.wait(80000);
    ASSERT_TRUE(h.ended);
    // The cards stand for 72 s from the moment they were shown.
    const auto shown = std::find_if(h.events.begin(), h.events.end(),
                                    [](const std::string& e) { return e.ends_with(" show Form34"); });
    ASSERT_NE(shown, h.events.end());
    EXPECT_EQ(h.events.back(), std::to_string(std::stoll(*shown) + 72000) + " end");
    EXPECT_TRUE(p.boxes().empty());
}

// Every place that can lose ends on the game-over scene, alone on the screen.
TEST(WholeGame, EveryLossEndsOnTheGameOverScene) {
    const struct Loss {
        const char* caller;
        std::function<void(Player&)> lose;
    } losses[] = {
        {"Form10", [](Player& p) {  // the ghost's reaper at HP 60
             p.h.setStore(1, "60");
             p.h.startAt("Form10");
             p.h.draw(1);
             p.click("Form10.Command1");
             p.h.wait(8000);
         }},
        {"Form12", [](Player& p) {  // two salmon strikes from 100 HP
             p.h.startAt("Form12");
             for (int turn = 0; turn < 2; ++turn) {
                 if (p.front() != "Form12") break;
                 p.click("Form12.Command1");
                 p.h.wait(8000);
             }
         }},
        {"Form20", [](Player& p) {  // a wrench at HP 10
             p.h.setStore(1, "10");
             p.h.startAt("Form20");
             p.h.wait(4500);
         }},
        {"Form13", [](Player& p) {  // a thorn bush at HP 5
             p.h.setStore(1, "5");
             p.h.startAt("Form13");
             p.walk("Form13", "UU");  // the bush above the floor cell
             p.h.wait(10);
         }},
        {"Form15", [](Player& p) {  // a snake bite at HP 5
             p.h.setStore(1, "5");
             p.h.startAt("Form15");
             p.h.draw(1);  // can 1 hides the LED at 4
             p.click("Form15.Command1");
             p.h.wait(5);
         }},
        {"Form18", [](Player& p) {  // クロッパ's bombs while the hero does nothing
             p.h.startAt("Form18");
             p.clicks("Form18.Command1", 5, 0);
             p.click("Form18.Command2");
             p.h.wait(16000);
         }},
        {"Form24", [](Player& p) {  // handcuffs left to cross the line
             p.h.startAt("Form24");
             p.h.wait(6000);
         }},
        {"Form27", [](Player& p) {  // caught by ザルバ standing still
             p.h.startAt("Form27");
             p.click("Form27.Command5");
             p.h.wait(9000);
         }},
        {"Form31", [](Player& p) {  // the boss lost after 20 s
             p.h.startAt("Form31");
             p.h.wait(20001);
         }},
    };
    for (const Loss& loss : losses) {
        SCOPED_TRACE(loss.caller);
        Player p;
        loss.lose(p);
        EXPECT_EQ(p.h.shownScenes(), std::vector<std::string>{"Form11"});
        EXPECT_FALSE(p.h.loaded(loss.caller));
        EXPECT_FALSE(p.h.ended);
    }
}

}  // namespace
}  // namespace zorb::test
