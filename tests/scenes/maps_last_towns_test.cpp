// The third town (the radio towers and the way out through the sprouts) and
// the fourth town (water, the three blocks, the hideout).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maps_walk.h"
#include "scenes/battles/Form20.h"
#include "scenes/maps/Form19.h"

namespace zorb::test {
namespace {

const std::string kTowersFirst = "電波塔を壊さないと入れません！";
const std::string kNoBombHere = "ボトロンが足りません";

TEST(ThirdTown, EveryTriggerCell) {
    const Values allTowers = {{"Form4.Text14", "1"}, {"Form4.Text15", "1"}, {"Form4.Text16", "1"}};
    auto with = [](Values v, std::pair<std::string, std::string> more) {
        v.push_back(std::move(more));
        return v;
    };
    const std::vector<Trigger> table = {
        {"vending machine", {5760, 1440}, 'U', {}, {}, {{"Form6.Text1", "19"}}, "Form6"},
        {"name sign from the right", {5760, 2880}, 'L', {}, {"ここは、ちゃぶろタウン"}, {}, "Form19", Spot{5040, 2880}},
        {"name sign from above", {5040, 2160}, 'D', {}, {"ここは、ちゃぶろタウン"}, {}, "Form19", Spot{5040, 2880}},
        {"name sign from the left", {4320, 2880}, 'R', {}, {"ここは、ちゃぶろタウン"}, {}, "Form19", Spot{5040, 2880}},
        {"hints sign", {5040, 2160}, 'U', {},
         {"ちゃぶろのおやじは携帯電話を持っていて、ボトロンをするとすぐ警察に通報するらしい。",
          "携帯電話の電波塔を破壊すれば携帯電話は使えなくなります。"},
         {}, "Form19", Spot{5040, 1440}},
        {"left house", {720, 2160}, 'U', {}, {}, {}, "Form19", Spot{720, 2160}},
        {"right house", {2160, 1440}, 'L', {}, {}, {}, "Form19", Spot{2160, 1440}},
        {"tower 1", {4320, 2160}, 'U', {}, {}, {{"Form20.Text1", "1"}}, "Form20"},
        {"tower 2", {2880, 2160}, 'D', {}, {}, {{"Form20.Text1", "2"}}, "Form20"},
        {"tower 3", {2160, 2160}, 'L', {}, {}, {{"Form20.Text1", "3"}}, "Form20"},
        {"tower 1 done", {4320, 2160}, 'U', {{"Form4.Text14", "1"}}, {}, {}, "Form19", Spot{4320, 1440}},
        {"tower 2 done", {2880, 2160}, 'D', {{"Form4.Text15", "1"}}, {}, {}, "Form19", Spot{2880, 2880}},
        {"tower 3 done", {2160, 2160}, 'L', {{"Form4.Text16", "1"}}, {}, {}, "Form19", Spot{1440, 2160}},
        {"sprouts, no tower done", {2160, 720}, 'L', {}, {kTowersFirst}, {}, "Form19", Spot{2160, 720}},
        {"sprouts, towers 1 and 2 done", {2160, 720}, 'L', {{"Form4.Text14", "1"}, {"Form4.Text15", "1"}},
         {kTowersFirst}, {}, "Form19", Spot{2160, 720}},
        {"sprouts from the garage, towers 2 and 3 done", {720, 720}, 'R',
         {{"Form4.Text15", "1"}, {"Form4.Text16", "1"}}, {kTowersFirst}, {}, "Form19", Spot{720, 720}},
        {"sprouts, all towers, no bomb", {2160, 720}, 'L', with(allTowers, {"Form4.Text8", "0"}), {kNoBombHere},
         {{"Form4.Text8", "0"}}, "Form19", Spot{2160, 720}},
        {"sprouts, all towers, a bomb", {2160, 720}, 'L', with(allTowers, {"Form4.Text8", "1"}), {},
         {{"Form4.Text8", "1"}}, "Form21"},
        {"garage is plain ground", {1440, 720}, 'L', {}, {}, {}, "Form19", Spot{720, 720}},
    };
    for (const Trigger& t : table) playTrigger("Form19", t);
}

TEST(ThirdTown, ADoneTowerNoLongerStartsItsBattleAfterTheTownLoadsAgain) {
    Harness h;
    h.startAt("Form19");
    place(h, "Form19", {4320, 2160});
    stepOnce(h, "Form19", 'U');
    ASSERT_EQ(frontScene(h), "Form20");
    EXPECT_FALSE(h.loaded("Form19"));
    // The worker is beaten: the battle sets the flag and shows the town.
    h.setStore(14, "1");
    h.game.Form20.unload();
    h.game.Form19.show();
    EXPECT_EQ(heroAt(h, "Form19").x, 5760);
    EXPECT_EQ(heroAt(h, "Form19").y, 2880);
    place(h, "Form19", {4320, 2160});
    stepOnce(h, "Form19", 'U');
    h.wait(100);
    EXPECT_EQ(frontScene(h), "Form19");
    EXPECT_EQ(heroAt(h, "Form19").y, 1440);
}

TEST(ThirdTown, TheItemBoxLeavesTheTownAndTheHeroAsTheyWere) {
    Harness h;
    h.startAt("Form19");
    walk(h, "Form19", "UU");
    ASSERT_EQ(h.click("Form19.Command5"), ClickResult::Delivered);
    ASSERT_EQ(h.click("Form5.Command4"), ClickResult::Delivered);
    h.wait(kStep);
    EXPECT_EQ(frontScene(h), "Form19");
    EXPECT_EQ(heroAt(h, "Form19").x, 5760);
    EXPECT_EQ(heroAt(h, "Form19").y, 1440);
}

// ---------------------------------------------------------------------------
// The fourth town.

const std::string kTownSign = "ここはザルバタウン！すべてザルバに支配されてしまった。";
const std::string kBoard = "掲示板：この先危険！ザルバがいます！！";
const std::string kNoBomb = "ボトロンが足りません。";
const std::string kBroken = "ボトロンを使ってブロックを壊した！";
const std::string kRival = "ケンゾ：ザルバと戦ってみたが、まるで歯が立たなかった…。ポッチー、あとはおまえにまかせたぞ！";
const std::string kOwner =
    "ちゃぶろのおやじ：ポッチー、ザルバをなめるなよ。あいつはわしとはわけが違う。生きて帰れると思うな！";

TEST(FourthTown, EveryTriggerCell) {
    const std::vector<Trigger> table = {
        {"town sign", {5760, 2880}, 'L', {}, {kTownSign}, {}, "Form25", Spot{5040, 2880}},
        {"vending machine from below", {5760, 2160}, 'U', {}, {}, {{"Form6.Text1", "25"}}, "Form6"},
        {"vending machine from the left", {5040, 1440}, 'R', {}, {}, {{"Form6.Text1", "25"}}, "Form6"},
        {"the rival", {3600, 1440}, 'D', {},
         {kRival}, {},
         "Form25", Spot{3600, 2160}},
        {"the shop owner", {2880, 2880}, 'L', {},
         {kOwner}, {},
         "Form25", Spot{2160, 2880}},
        {"board 1", {720, 1440}, 'U', {}, {kBoard}, {}, "Form25", Spot{720, 720}},
        {"board 2", {1440, 1440}, 'U', {}, {kBoard}, {}, "Form25", Spot{1440, 720}},
        {"board 3", {2160, 1440}, 'U', {}, {kBoard}, {}, "Form25", Spot{2160, 720}},
        {"hideout", {720, 2160}, 'D', {}, {}, {}, "Form26"},
        {"B1 without a bomb", {5040, 1440}, 'L', {{"Form4.Text8", "0"}}, {kNoBomb},
         {{"Form4.Text8", "0"}, {"Form4.Text17", "0"}}, "Form25", Spot{5040, 1440}},
        {"B1 with three bombs", {5040, 1440}, 'L', {{"Form4.Text8", "3"}}, {kBroken},
         {{"Form4.Text8", "2"}, {"Form4.Text17", "1"}}, "Form25", Spot{4320, 1440}},
        {"B1 broken before", {3600, 1440}, 'R', {{"Form4.Text8", "1"}, {"Form4.Text17", "1"}}, {},
         {{"Form4.Text8", "1"}, {"Form4.Text17", "1"}}, "Form25", Spot{4320, 1440}},
        {"B2 without a bomb", {3600, 2880}, 'L', {{"Form4.Text8", "0"}}, {kNoBomb}, {{"Form4.Text18", "0"}},
         "Form25", Spot{3600, 2880}},
        {"B2 with a bomb", {3600, 2880}, 'L', {{"Form4.Text8", "1"}}, {kBroken},
         {{"Form4.Text8", "0"}, {"Form4.Text18", "1"}}, "Form25", Spot{2880, 2880}},
        {"B3 without a bomb", {2160, 2880}, 'U', {{"Form4.Text8", "0"}}, {kNoBomb}, {{"Form4.Text19", "0"}},
         "Form25", Spot{2160, 2880}},
        {"B3 with a bomb", {2160, 1440}, 'D', {{"Form4.Text8", "1"}}, {kBroken},
         {{"Form4.Text8", "0"}, {"Form4.Text19", "1"}}, "Form25", Spot{2160, 2160}},
        {"B3 with a debt of bombs", {2160, 1440}, 'D', {{"Form4.Text8", "-1"}}, {kNoBomb},
         {{"Form4.Text8", "-1"}, {"Form4.Text19", "0"}}, "Form25", Spot{2160, 1440}},
    };
    for (const Trigger& t : table) playTrigger("Form25", t);
}

// The water check comes first and puts the hero back before the other
// checks look: stepping into the water from a cell that speaks makes it
// speak again, as stepping onto it did.
TEST(FourthTown, EveryWaterCellInsideTheBorderKeepsTheHeroOut) {
    struct Water {
        Spot cell;
        Spot from;
        char arrow;
        std::vector<std::string> boxes = {};
    };
    const std::vector<Water> water = {
        {{2880, 720}, {2160, 720}, 'R', {kBoard}},
        {{3600, 720}, {3600, 1440}, 'U'},
        {{4320, 720}, {4320, 1440}, 'U'},
        {{5040, 720}, {5040, 1440}, 'U'},
        {{5760, 720}, {5040, 720}, 'R'},  // above the vending machine, whose cell nobody stands on
        {{2880, 1440}, {3600, 1440}, 'L'},
        {{1440, 2160}, {720, 2160}, 'R'},
        {{2880, 2160}, {2880, 2880}, 'U'},
        {{4320, 2160}, {5040, 2160}, 'L'},
        {{1440, 2880}, {2160, 2880}, 'L', {kOwner}},
        {{4320, 2880}, {3600, 2880}, 'R'},
    };
    for (const Water& w : water) {
        playTrigger("Form25", {"water " + std::to_string(w.cell.x) + "," + std::to_string(w.cell.y), w.from, w.arrow,
                               {{"Form4.Text17", "1"}, {"Form4.Text18", "1"}, {"Form4.Text19", "1"}}, w.boxes, {},
                               "Form25", w.from});
    }
}

TEST(FourthTown, ABrokenBlockStaysBrokenAndCostsNothingOnTheWayBack) {
    Harness h;
    h.setStore(8, "3");
    h.startAt("Form25");
    place(h, "Form25", {5040, 1440});
    walk(h, "Form25", "LRL");
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{kBroken});
    EXPECT_EQ(h.store(8), "2");
    EXPECT_EQ(h.store(17), "1");
    EXPECT_EQ(heroAt(h, "Form25").x, 4320);
}

TEST(FourthTown, ThreeBombsTakeTheHeroFromTheStartToTheHideout) {
    Harness h;
    h.setStore(8, "3");
    h.startAt("Form25");
    const std::vector<std::pair<std::string, std::string>> legs = {
        {"LUU", "3"},  // the town sign, up beside the vending machine
        {"L", "2"},    // B1
        {"LDD", "2"},  // the rival
        {"L", "1"},    // B2
        {"L", "1"},    // the shop owner
        {"U", "0"},    // B3
        {"ULLD", "0"},
    };
    for (const auto& [moves, bombs] : legs) {
        walk(h, "Form25", moves);
        h.wait(100);
        EXPECT_EQ(h.text("Form25.Label18"), bombs) << moves;
    }
    EXPECT_EQ(h.takeBoxes(), (std::vector<std::string>{kTownSign, kBroken, kRival, kBroken, kOwner, kBroken}));
    walk(h, "Form25", "D");
    EXPECT_EQ(frontScene(h), "Form26");
    EXPECT_FALSE(h.loaded("Form25"));
    EXPECT_EQ(h.store(17), "1");
    EXPECT_EQ(h.store(18), "1");
    EXPECT_EQ(h.store(19), "1");
}

TEST(FourthTown, TheVendingMachineBringsTheHeroBackToTheStartWithTheBlocksStillBroken) {
    Harness h;
    h.setStore(8, "1");
    h.startAt("Form25");
    walk(h, "Form25", "LUUL");  // B1 broken
    walk(h, "Form25", "RR");    // from beside it onto the machine
    ASSERT_EQ(frontScene(h), "Form6");
    EXPECT_FALSE(h.loaded("Form25"));
    ASSERT_EQ(h.click("Form6.Command4"), ClickResult::Delivered);
    h.wait(kStep);
    ASSERT_EQ(frontScene(h), "Form25");
    EXPECT_EQ(heroAt(h, "Form25").x, 5760);
    EXPECT_EQ(heroAt(h, "Form25").y, 2880);
    EXPECT_TRUE(arrowsShown(h, "Form25"));
    h.takeBoxes();
    walk(h, "Form25", "LUUL");
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{kTownSign});
    EXPECT_EQ(heroAt(h, "Form25").x, 4320);
    EXPECT_EQ(h.store(8), "0");
}

}  // namespace
}  // namespace zorb::test
