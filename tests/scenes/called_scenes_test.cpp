// Called scenes follow their callers: the item box and the vending machine
// open over a scene that stays playable beneath them; when that scene is
// left they close with it, so OK never brings back a scene that has gone,
// a game over is never escaped and at most one map is ever loaded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/Harness.h"

namespace zorb::test {
namespace {

using Lines = std::vector<std::string>;

enum : int { HP = 1, Bottles = 2, Medicine = 3, Water = 7, Money = 5 };

// The loaded scenes, in the order they were made.
Lines loadedScenes(const Harness& h) {
    Lines out;
    for (const Scene* s : h.runtime.scenes()) {
        if (s->loaded()) out.push_back(s->name());
    }
    return out;
}

// One step of the hero from (x, y) with an arrow button, and its check chain.
void stepFrom(Harness& h, const std::string& map, int x, int y, const char* arrow) {
    h.set(map + ".Text1", std::to_string(x));
    h.set(map + ".Text2", std::to_string(y));
    ASSERT_EQ(h.click(map + "." + arrow), ClickResult::Delivered) << map << " " << x << "," << y;
    h.wait(60);
}

// The second town's east machine, which opens beside the town.
void openEastMachine(Harness& h) {
    stepFrom(h, "Form13", 4320, 2160, "Command3");  // ↓ onto (4320, 2880)
    ASSERT_TRUE(h.loaded("Form6"));
    ASSERT_TRUE(h.loaded("Form13"));
}

TEST(CalledScenes, TheItemBoxClosesWhenTheHeroWalksOutOfTheHouse) {
    Harness h;
    h.startAt("Form7");
    ASSERT_EQ(h.click("Form7.Command5"), ClickResult::Delivered);  // ◎
    ASSERT_TRUE(h.loaded("Form5"));
    stepFrom(h, "Form7", 720, 1440, "Command1");  // ↑ onto the way out
    EXPECT_EQ(loadedScenes(h), (Lines{"Form3", "Form4"}));
    EXPECT_EQ(h.shownScenes().front(), "Form3");
}

TEST(CalledScenes, TheEastMachineClosesWhenTheHeroLeavesTheTown) {
    Harness h;
    h.startAt("Form13");
    openEastMachine(h);
    ASSERT_EQ(h.click("Form13.Command5"), ClickResult::Delivered);  // and the item box over it
    stepFrom(h, "Form13", 5760, 1440, "Command1");                  // ↑ into the maze room
    EXPECT_EQ(loadedScenes(h), (Lines{"Form4", "Form14"}));
}

TEST(CalledScenes, GameOverOnTheThornsIsTheOnlyWindow) {
    Harness h;
    h.setStore(HP, "5");
    h.startAt("Form13");
    openEastMachine(h);
    ASSERT_EQ(h.click("Form13.Command5"), ClickResult::Delivered);
    stepFrom(h, "Form13", 4320, 2160, "Command4");  // ← onto the thorns at (3600, 2160)
    h.wait(500);
    EXPECT_EQ(loadedScenes(h), (Lines{"Form4", "Form11"}));
    EXPECT_EQ(h.shownScenes(), (Lines{"Form11"}));
}

TEST(CalledScenes, ABattleThatEndsTakesItsItemBoxWithIt) {
    Harness h;
    h.setStore(HP, "-50");  // the ghost's first blow ends it
    h.setStore(Medicine, "2");
    h.startAt("Form10");
    ASSERT_EQ(h.click("Form10.Command5"), ClickResult::Delivered);  // アイテム
    ASSERT_TRUE(h.loaded("Form5"));
    ASSERT_EQ(h.click("Form10.Command1"), ClickResult::Delivered);  // attack
    for (int i = 0; i < 8; ++i) h.draw(1);
    h.wait(20000);
    EXPECT_EQ(loadedScenes(h), (Lines{"Form4", "Form11"}));
}

// The machine left beside the town is reached again from the west machine's
// cell, which closes the town on purpose: the machine then stays and its OK
// opens the town afresh, as from every machine a town closed itself under.
TEST(CalledScenes, AMachineShownAgainByATownThatClosesItselfStays) {
    Harness h;
    h.startAt("Form13");
    openEastMachine(h);
    stepFrom(h, "Form13", 720, 1440, "Command1");  // ↑ onto (720, 720)
    EXPECT_EQ(loadedScenes(h), (Lines{"Form4", "Form6"}));
    ASSERT_EQ(h.click("Form6.Command4"), ClickResult::Delivered);
    EXPECT_EQ(loadedScenes(h), (Lines{"Form4", "Form13"}));
    EXPECT_EQ(h.text("Form13.Text1"), "5760");
}

// Water bought at the machine beside the town shows in the item box the
// moment the box is in front again.
TEST(CalledScenes, TheItemBoxInFrontShowsTheStoresCounts) {
    Harness h;
    h.setStore(Money, "1000");
    h.startAt("Form13");
    ASSERT_EQ(h.click("Form13.Command5"), ClickResult::Delivered);
    EXPECT_EQ(h.text("Form5.Label2"), "0");
    openEastMachine(h);
    ASSERT_EQ(h.click("Form6.Command1"), ClickResult::Delivered);  // water
    ASSERT_EQ(h.click("Form6.Label1"), ClickResult::Delivered);    // a pet bottle found
    EXPECT_EQ(h.store(Water), "1");
    ASSERT_EQ(h.click("Form5.Command1"), ClickResult::Delivered);  // a bomb, from what was bought
    EXPECT_EQ(h.store(Water), "0");
    EXPECT_EQ(h.store(Bottles), "0");
    EXPECT_EQ(h.text("Form5.Label2"), "0");
    EXPECT_EQ(h.store(8), "1");
}

}  // namespace
}  // namespace zorb::test
