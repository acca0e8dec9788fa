// The second town and its maze room: every trigger cell, the thorns and
// the hedge, the HP watcher, the carry over the wall and the re-entry in the
// west half, the twelve warps and the way through the maze.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "maps_walk.h"
#include "scenes/maps/Form13.h"
#include "scenes/maps/Form14.h"

namespace zorb::test {
namespace {

const std::string kSign = "ここはタケヤブシティー。とげのやぶに入るとHPが減ります！気をつけてください！";

TEST(SecondTown, EveryTriggerCell) {
    const std::vector<Trigger> table = {
        {"signboard", {5760, 2880}, 'L', {}, {kSign}, {}, "Form13", Spot{5040, 2880}},
        {"east vending machine, the town stays open", {5040, 2880}, 'L', {}, {}, {{"Form6.Text1", "13"}}, "Form6",
         Spot{4320, 2880}},
        {"maze-room house", {5760, 1440}, 'U', {}, {}, {{"Form4.Text1", "100"}}, "Form14"},
        {"locked house without the key", {4320, 1440}, 'U', {{"Form4.Text11", "0"}}, {"かぎがありません。"}, {},
         "Form13", Spot{4320, 720}},
        {"locked house with the key", {4320, 1440}, 'U', {{"Form4.Text11", "1"}}, {}, {}, "Form15"},
        {"friend's cell without the LED", {4320, 2160}, 'L', {{"Form4.Text12", "0"}}, {}, {{"Form4.Text1", "90"}},
         "Form13", Spot{3600, 2160}, 1},
        {"friend's cell with the LED", {4320, 2160}, 'L', {{"Form4.Text12", "1"}}, {}, {{"Form4.Text1", "90"}},
         "Form17", std::nullopt, 1},
        {"west vending machine", {1440, 720}, 'L', {}, {}, {{"Form6.Text1", "13"}}, "Form6"},
        {"garage at level 5", {1440, 2160}, 'L', {{"Form4.Text6", "5"}}, {"レベル6以上でないと開きません！"}, {},
         "Form13", Spot{720, 2160}},
        {"garage at level 6", {720, 2880}, 'U', {{"Form4.Text6", "6"}}, {"レベルのおかげでドアが開いた！"}, {},
         "Form18"},
        {"sprout field", {1440, 720}, 'R', {}, {}, {{"Form10.Text2", "13"}}, "Form10"},
        {"hedge from the thorns", {3600, 2160}, 'L', {}, {}, {{"Form4.Text1", "100"}}, "Form13", Spot{3600, 2160}},
        {"hedge from the west", {2160, 1440}, 'R', {}, {}, {}, "Form13", Spot{2160, 1440}},
        {"hedge from the sprout field", {2160, 720}, 'R', {}, {}, {}, "Form13", Spot{2160, 720}},
        {"path at the east edge", {5760, 2880}, 'R', {}, {}, {}, "Form13", Spot{5760, 2880}},
    };
    for (const Trigger& t : table) playTrigger("Form13", t);
}

TEST(SecondTown, EveryThornCellCostsTenHpAndOneBeepPerStep) {
    struct Thorn {
        Spot cell;
        Spot from;
        char arrow;
    };
    const std::vector<Thorn> thorns = {
        {{3600, 720}, {3600, 1440}, 'U'},  {{5040, 720}, {5040, 1440}, 'U'},  {{3600, 1440}, {4320, 1440}, 'L'},
        {{4320, 1440}, {4320, 2160}, 'U'}, {{5040, 1440}, {5040, 2160}, 'U'}, {{5760, 1440}, {5760, 2160}, 'U'},
        {{3600, 2160}, {4320, 2160}, 'L'}, {{3600, 2880}, {4320, 2880}, 'L'},
    };
    for (const Thorn& t : thorns) {
        playTrigger("Form13", {"thorn " + std::to_string(t.cell.x) + "," + std::to_string(t.cell.y), t.from,
                               t.arrow, {{"Form4.Text1", "100"}}, {}, {{"Form4.Text1", "90"}}, "Form13", t.cell, 1});
    }
}

TEST(SecondTown, TheTopBorderAboveTheThornsCostsNothing) {
    for (Spot top : {Spot{3600, 720}, Spot{5040, 720}}) {
        playTrigger("Form13", {"against the top", top, 'U', {}, {}, {{"Form4.Text1", "100"}}, "Form13", top});
    }
}

TEST(SecondTown, UpIntoTheThornsThenLeftAgainstTheHedgeCostsOnlyTheThorn) {
    Harness h;
    h.startAt("Form13");
    h.wait(20);
    place(h, "Form13", {3600, 2880});
    walk(h, "Form13", "UL");
    EXPECT_EQ(h.store(1), "90");
    EXPECT_EQ(beeps(h), 1);
    EXPECT_EQ(heroAt(h, "Form13").x, 3600);
    EXPECT_EQ(heroAt(h, "Form13").y, 2160);
}

TEST(SecondTown, HpExactlyZeroLivesAndBelowZeroEndsTheGameAtOnce) {
    {
        Harness h;
        h.setStore(1, "10");
        h.startAt("Form13");
        place(h, "Form13", {4320, 2880});
        stepOnce(h, "Form13", 'L');
        h.wait(500);
        EXPECT_EQ(h.store(1), "0");
        EXPECT_TRUE(h.boxes.empty());
        EXPECT_EQ(frontScene(h), "Form13");
    }
    {
        Harness h;
        h.setStore(1, "5");
        h.startAt("Form13");
        place(h, "Form13", {4320, 2880});
        ASSERT_EQ(h.click("Form13.Command4"), ClickResult::Delivered);
        h.wait(5);  // the thorn's check
        EXPECT_EQ(h.store(1), "-5");
        h.wait(1);  // the very next tick
        EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"ポッチーは目の前が真っ暗になった！"});
        EXPECT_EQ(frontScene(h), "Form11");
        EXPECT_FALSE(h.loaded("Form13"));
    }
}

// The wall cutscene shows the town and starts the carry sequence.
void carried(Harness& h) {
    h.game.Form13.show();
    h.game.Form13.Timer15.setInterval(1);
}

TEST(SecondTown, TheFriendCarriesTheHeroOverTheWallAndStaysOnIt) {
    Harness h;
    h.setStore(12, "1");
    h.startAt("Form13");
    carried(h);
    h.wait(1);
    auto& hero = static_cast<Image&>(h.control("Form13.Image61"));
    auto& friendPicture = static_cast<Image&>(h.control("Form13.Image62"));
    EXPECT_FALSE(h.visible("Form13.Command1"));
    EXPECT_TRUE(h.visible("Form13.Command5"));
    EXPECT_FALSE(hero.visible());
    EXPECT_TRUE(friendPicture.visible());
    h.wait(1000);
    EXPECT_EQ(friendPicture.left(), 2880);
    EXPECT_EQ(friendPicture.top(), 2160);
    EXPECT_EQ(h.store(13), "0");
    h.wait(1000);
    for (const char* field : {"Text1", "Text2", "Text3", "Text4"}) {
        EXPECT_EQ(h.text(std::string("Form13.") + field), "2160") << field;
    }
    EXPECT_EQ(hero.left(), 2160);
    EXPECT_EQ(hero.top(), 2160);
    EXPECT_TRUE(hero.visible());
    EXPECT_TRUE(arrowsShown(h, "Form13"));
    EXPECT_EQ(h.store(13), "1");
    h.wait(1);
    EXPECT_TRUE(friendPicture.visible());  // back on the wall at once
    EXPECT_EQ(friendPicture.left(), 2880);
    // The west half is walkable; the hedge still turns the hero back.
    walk(h, "Form13", "R");
    EXPECT_EQ(heroAt(h, "Form13").x, 2160);
}

TEST(SecondTown, AfterTheCrossingEveryLoadPutsTheHeroInTheWestHalf) {
    Harness h;
    h.setStore(12, "1");
    h.setStore(13, "1");
    h.startAt("Form13");
    EXPECT_EQ(heroAt(h, "Form13").x, 5760);  // the load handler's place first
    h.wait(10);
    for (const char* field : {"Text1", "Text2", "Text3", "Text4"}) {
        EXPECT_EQ(h.text(std::string("Form13.") + field), "2160") << field;
    }
    EXPECT_EQ(static_cast<Image&>(h.control("Form13.Image61")).left(), 2160);
    auto& friendPicture = static_cast<Image&>(h.control("Form13.Image62"));
    EXPECT_TRUE(friendPicture.visible());
    EXPECT_EQ(friendPicture.left(), 3600);
    // The west vending machine and back: again at (2160, 2160).
    walk(h, "Form13", "LUUL");
    ASSERT_EQ(frontScene(h), "Form6");
    EXPECT_FALSE(h.loaded("Form13"));
    ASSERT_EQ(h.click("Form6.Command4"), ClickResult::Delivered);
    h.wait(20);
    EXPECT_EQ(frontScene(h), "Form13");
    EXPECT_EQ(heroAt(h, "Form13").x, 2160);
    EXPECT_EQ(heroAt(h, "Form13").y, 2160);
}

TEST(SecondTown, BeforeTheCrossingTheTownShowsTheHeroOnTheArrivalCellAndNoFriend) {
    Harness h;
    h.startAt("Form13");
    h.wait(100);
    EXPECT_EQ(heroAt(h, "Form13").x, 5760);
    EXPECT_EQ(heroAt(h, "Form13").y, 2880);
    EXPECT_FALSE(h.visible("Form13.Image62"));
}

TEST(SecondTown, TheEastVendingMachineLeavesTheHeroWhereHeWas) {
    Harness h;
    h.startAt("Form13");
    walk(h, "Form13", "LL");
    ASSERT_EQ(frontScene(h), "Form6");
    ASSERT_EQ(h.click("Form6.Command4"), ClickResult::Delivered);
    h.wait(20);
    EXPECT_EQ(frontScene(h), "Form13");
    EXPECT_EQ(heroAt(h, "Form13").x, 4320);
    EXPECT_EQ(heroAt(h, "Form13").y, 2880);
}

TEST(SecondTown, TheLockedHouseRefusesOnEveryStepWithoutTheKey) {
    Harness h;
    h.startAt("Form13");
    place(h, "Form13", {4320, 1440});
    walk(h, "Form13", "UDU");
    EXPECT_EQ(h.takeBoxes(), (std::vector<std::string>{"かぎがありません。", "かぎがありません。"}));
    EXPECT_EQ(h.store(1), "90");  // the thorn between
}

// ---------------------------------------------------------------------------
// The maze room.

const std::string kMazeSign = "ここは迷路の部屋！丸はワープです。かぎを取って出口にたどりついてください。";

TEST(MazeRoom, EachRingMovesTheHeroToItsTargetOnce) {
    struct Warp {
        Spot ring;
        Spot from;
        char arrow;
        Spot target;
    };
    const std::vector<Warp> warps = {
        {{5760, 720}, {5760, 1440}, 'U', {3600, 720}},   {{1440, 2160}, {1440, 2880}, 'U', {5760, 720}},
        {{2160, 2880}, {1440, 2880}, 'R', {3600, 720}},  {{3600, 720}, {4320, 720}, 'L', {2160, 2880}},
        {{720, 2880}, {1440, 2880}, 'L', {720, 1440}},   {{720, 1440}, {720, 720}, 'D', {3600, 2880}},
        {{5040, 1440}, {5760, 1440}, 'L', {3600, 2160}}, {{3600, 2160}, {3600, 2880}, 'U', {5040, 1440}},
        {{3600, 2880}, {3600, 2160}, 'D', {2160, 720}},  {{2160, 720}, {2160, 1440}, 'U', {3600, 2880}},
        {{2160, 1440}, {2160, 720}, 'D', {5040, 2160}},  {{5040, 2160}, {5760, 2160}, 'L', {720, 1440}},
    };
    for (const Warp& w : warps) {
        SCOPED_TRACE("ring " + std::to_string(w.ring.x) + "," + std::to_string(w.ring.y));
        Harness h;
        h.setStore(11, "0");
        h.startAt("Form14");
        place(h, "Form14", w.from);
        stepOnce(h, "Form14", w.arrow);
        h.wait(100);  // and no second warp from the target
        EXPECT_EQ(heroAt(h, "Form14").x, w.target.x);
        EXPECT_EQ(heroAt(h, "Form14").y, w.target.y);
        EXPECT_EQ(static_cast<Image&>(h.control("Form14.Image61")).left(), w.target.x);
        EXPECT_EQ(static_cast<Image&>(h.control("Form14.Image61")).top(), w.target.y);
        EXPECT_EQ(h.text("Form14.Text3"), std::to_string(w.from.x));
        EXPECT_EQ(h.text("Form14.Text4"), std::to_string(w.from.y));
        EXPECT_TRUE(arrowsShown(h, "Form14"));
        EXPECT_TRUE(h.boxes.empty());
        EXPECT_EQ(h.store(11), "0");
        EXPECT_EQ(frontScene(h), "Form14");
    }
}

TEST(MazeRoom, ARingLandedOnWorksAgainOnceTheHeroStepsOffAndOn) {
    Harness h;
    h.startAt("Form14");
    place(h, "Form14", {4320, 720});
    walk(h, "Form14", "L");
    EXPECT_EQ(heroAt(h, "Form14").x, 2160);
    EXPECT_EQ(heroAt(h, "Form14").y, 2880);
    walk(h, "Form14", "L");
    EXPECT_EQ(heroAt(h, "Form14").x, 1440);
    walk(h, "Form14", "R");
    EXPECT_EQ(heroAt(h, "Form14").x, 3600);
    EXPECT_EQ(heroAt(h, "Form14").y, 720);
}

TEST(MazeRoom, EveryInteriorWallTurnsTheHeroBackFromAnySide) {
    const std::vector<Spot> walls = {{1440, 720},  {2880, 720},  {5040, 720},  {1440, 1440}, {2880, 1440},
                                     {3600, 1440}, {4320, 1440}, {720, 2160},  {2160, 2160}, {2880, 2160},
                                     {4320, 2160}, {2880, 2880}, {4320, 2880}};
    const std::vector<std::pair<char, Spot>> sides = {{'U', {0, 720}}, {'D', {0, -720}}, {'L', {720, 0}},
                                                      {'R', {-720, 0}}};
    for (const Spot& wall : walls) {
        for (const auto& [arrow, offset] : sides) {
            const Spot from{wall.x + offset.x, wall.y + offset.y};
            if (from.x < 720 || from.x > 5760 || from.y < 720 || from.y > 2880) continue;
            SCOPED_TRACE(std::string("wall ") + std::to_string(wall.x) + "," + std::to_string(wall.y) + " " + arrow);
            Harness h;
            h.startAt("Form14");
            place(h, "Form14", from);
            stepOnce(h, "Form14", arrow);
            EXPECT_EQ(heroAt(h, "Form14").x, from.x);
            EXPECT_EQ(heroAt(h, "Form14").y, from.y);
        }
    }
}

TEST(MazeRoom, AWallRightAfterAWarpTurnsTheHeroBackOntoTheTargetRing) {
    Harness h;
    h.startAt("Form14");
    walk(h, "Form14", "UUU");  // onto (5760, 720), on to (3600, 720)
    walk(h, "Form14", "D");    // the wall below
    EXPECT_EQ(heroAt(h, "Form14").x, 3600);
    EXPECT_EQ(heroAt(h, "Form14").y, 720);
    place(h, "Form14", {2160, 2880});
    walk(h, "Form14", "L");  // the floor cell between two rings can be entered
    EXPECT_EQ(heroAt(h, "Form14").x, 1440);
    EXPECT_EQ(heroAt(h, "Form14").y, 2880);
}

TEST(MazeRoom, TheKeyCellGivesTheKeyOnEveryVisitAndTheSignTellsTheRules) {
    Harness h;
    h.startAt("Form14");
    walk(h, "Form14", "L");
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{kMazeSign});
    place(h, "Form14", {4320, 720});
    walk(h, "Form14", "U");  // against the top border: no check runs
    EXPECT_TRUE(h.takeBoxes().empty());
    place(h, "Form14", {3600, 720});
    walk(h, "Form14", "R");
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"かぎを手に入れた！"});
    EXPECT_EQ(h.store(11), "1");
    place(h, "Form14", {3600, 720});
    walk(h, "Form14", "R");
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"かぎを手に入れた！"});
    EXPECT_EQ(h.store(11), "1");
}

TEST(MazeRoom, TheShortestWayThroughTakesEightClicksAndTheLockedHouseThenOpens) {
    Harness h;
    h.startAt("Form14");
    walk(h, "Form14", "UUURLLLU");
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"かぎを手に入れた！"});
    ASSERT_EQ(frontScene(h), "Form13");
    EXPECT_FALSE(h.loaded("Form14"));
    EXPECT_EQ(heroAt(h, "Form13").x, 5760);
    EXPECT_EQ(heroAt(h, "Form13").y, 2880);
    walk(h, "Form13", "ULLUU");
    EXPECT_EQ(frontScene(h), "Form15");
}

// Searches the maze with the game itself as the map: from every cell
// reached, each arrow is clicked and the cell the step ends on is read back.
// No way to the door with the key in hand is shorter than eight clicks.
TEST(MazeRoom, NoWayOutWithTheKeyIsShorterThanEightClicks) {
    struct State {
        int x, y;
        bool key;
        auto operator<=>(const State&) const = default;
    };
    Harness h;
    h.startAt("Form14");
    std::map<State, int> clicks{{{5760, 2880, false}, 0}};
    std::deque<State> queue{{5760, 2880, false}};
    int shortest = -1;
    while (!queue.empty() && shortest < 0) {
        const State s = queue.front();
        queue.pop_front();
        for (char arrow : std::string("URDL")) {
            if (!h.loaded("Form14")) h.game.Form14.show();
            h.setStore(11, "0");
            place(h, "Form14", {s.x, s.y});
            stepOnce(h, "Form14", arrow);
            const bool key = s.key || h.store(11) == "1";
            if (!h.loaded("Form14")) {  // out through the door
                if (key) {
                    shortest = clicks[s] + 1;
                    break;
                }
                continue;
            }
            const Spot at = heroAt(h, "Form14");
            const State next{at.x, at.y, key};
            if (clicks.emplace(next, clicks[s] + 1).second) queue.push_back(next);
        }
    }
    EXPECT_EQ(shortest, 8);
}

TEST(MazeRoom, TheDoorOpensWithoutTheKeyToo) {
    playTrigger("Form14", {"door", {720, 1440}, 'U', {{"Form4.Text11", "0"}}, {}, {{"Form4.Text11", "0"}},
                           "Form13"});
}

}  // namespace
}  // namespace zorb::test
