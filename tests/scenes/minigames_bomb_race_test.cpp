// The bomb-making race: the rules pages, the take-then-put clicks, the
// bottle and supply pictures, the bombs that hit クロッパ a second after
// their ninth item, his hits every 8 s, the win's rewards and the loss.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "scenes/minigames/Form18.h"

namespace zorb::test {
namespace {

// The rules, then スタート; returns when スタート was pressed.
GameTime startRace(Harness& h) {
    for (int i = 0; i < 5; ++i) h.click("Form18.Command1");
    h.click("Form18.Command2");
    return h.runtime.now();
}

void takeAndPut(Harness& h) {
    h.click("Form18.Image12");
    h.wait(1);
    h.click("Form18.Image3");
    h.wait(1);
}

void buildBomb(Harness& h) {
    for (int i = 0; i < 9; ++i) takeAndPut(h);
}

TEST(BombRace, FiveRulesPagesThenStartAndNothingHappensBeforeIt) {
    Harness h;
    h.setStore(1, "100");
    h.startAt("Form18");
    EXPECT_EQ(h.text("Form18.Label5"), "クロッパが勝負を仕掛けてきた！");
    for (int page = 0; page < 5; ++page) {
        EXPECT_TRUE(h.visible("Form18.Command1"));
        EXPECT_FALSE(h.visible("Form18.Command2"));
        h.click("Form18.Command1");
        EXPECT_EQ(h.text("Form18.Label5"), Form18::kRules[page]);
    }
    EXPECT_FALSE(h.visible("Form18.Command1"));
    EXPECT_TRUE(h.visible("Form18.Command2"));
    EXPECT_FALSE(h.visible("Form18.Image3"));
    EXPECT_FALSE(h.visible("Form18.Image12"));
    h.wait(40000);
    EXPECT_EQ(h.store(1), "100");  // no hit before スタート
    EXPECT_EQ(h.text("Form18.Label4"), "100");
    EXPECT_FALSE(h.visible("Form18.Image21"));

    h.click("Form18.Command2");
    EXPECT_FALSE(h.visible("Form18.Command2"));
    EXPECT_TRUE(h.visible("Form18.Image3"));
    EXPECT_TRUE(h.visible("Form18.Image12"));
}

TEST(BombRace, SupplyAndBottlePicturesRunThroughTheNineItemsAndWrap) {
    Harness h;
    h.setStore(1, "100000");
    h.startAt("Form18");
    startRace(h);
    // After each take, then after each put.
    const std::vector<std::pair<std::string, std::string>> stages{
        {"supply_ice4", "bottle_ice1"}, {"supply_ice3", "bottle_ice2"},   {"supply_ice2", "bottle_ice3"},
        {"supply_ice1", "bottle_ice4"}, {"water_tub", "bottle_ice5"},     {"water_tub", "bottle_water1"},
        {"water_tub", "bottle_water2"}, {"water_tub", "bottle_water3"},   {"supply_ice5", "bottle_empty"},
        {"supply_ice4", "bottle_ice1"},  // the next bomb starts over
    };
    for (size_t i = 0; i < stages.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i + 1));
        h.click("Form18.Image12");
        h.wait(1);
        EXPECT_EQ(h.text("Form18.Image12"), stages[i].first);
        EXPECT_EQ(h.text("Form18.Text4"), "1");
        h.click("Form18.Image3");
        h.wait(1);
        EXPECT_EQ(h.text("Form18.Image3"), stages[i].second);
        EXPECT_EQ(h.text("Form18.Text4"), "0");
    }
    EXPECT_EQ(h.text("Form18.Text2"), "2");
    EXPECT_EQ(h.text("Form18.Text3"), "2");
}

TEST(BombRace, TheHandHoldsOneItemAtATime) {
    Harness h;
    h.startAt("Form18");
    startRace(h);
    h.click("Form18.Image3");  // nothing in hand
    h.wait(5);
    EXPECT_EQ(h.text("Form18.Text2"), "1");
    EXPECT_EQ(h.text("Form18.Image3"), "bottle_empty");
    h.click("Form18.Image12");
    h.wait(1);
    h.click("Form18.Image12");  // already holding
    h.wait(5);
    EXPECT_EQ(h.text("Form18.Text3"), "2");
    EXPECT_EQ(h.text("Form18.Image12"), "supply_ice4");
    h.click("Form18.Image3");
    h.wait(1);
    h.click("Form18.Image3");  // the hand is empty again
    h.wait(5);
    EXPECT_EQ(h.text("Form18.Text2"), "2");
}

TEST(BombRace, AFinishedBombHitsOneSecondAfterItsNinthItem) {
    Harness h;
    h.setStore(1, "100000");
    h.startAt("Form18");
    startRace(h);
    buildBomb(h);
    const GameTime finished = h.runtime.now();  // the ninth put has just been made
    EXPECT_TRUE(h.visible("Form18.Image20"));
    EXPECT_EQ(h.text("Form18.Image3"), "bottle_empty");
    h.wait(finished + 999 - h.runtime.now());
    EXPECT_EQ(h.text("Form18.Label2"), "400");
    EXPECT_TRUE(h.visible("Form18.Image20"));
    h.wait(1);
    EXPECT_EQ(h.text("Form18.Label2"), "300");
    EXPECT_FALSE(h.visible("Form18.Image20"));
}

TEST(BombRace, KroppaHitsAtSevenFifteenAndTwentyThreeSecondsAndTheHeroFallsBelowZero) {
    Harness h;
    h.setStore(1, "250");
    h.startAt("Form18");
    const GameTime start = startRace(h);
    struct Hit {
        GameTime at;
        const char* hp;
    };
    for (Hit hit : {Hit{7000, "150"}, Hit{15000, "50"}}) {
        h.wait(start + hit.at - 1 - h.runtime.now());
        EXPECT_FALSE(h.visible("Form18.Image21"));
        h.wait(1);
        EXPECT_EQ(h.store(1), hit.hp);
        EXPECT_TRUE(h.visible("Form18.Image21"));
        h.wait(1);
        EXPECT_EQ(h.text("Form18.Label4"), hit.hp);
        h.wait(999);
        EXPECT_FALSE(h.visible("Form18.Image21"));
    }
    // A bomb finished just before the last hit is still on its way to クロッパ.
    h.wait(start + 22000 - h.runtime.now());
    buildBomb(h);
    h.wait(start + 23000 - h.runtime.now());
    EXPECT_EQ(h.store(1), "-50");
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"ポッチーは目の前が真っ暗になった！"});
    EXPECT_FALSE(h.loaded("Form18"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form11"});
    h.wait(20000);
    EXPECT_TRUE(h.boxes.empty());
    EXPECT_EQ(h.store(1), "-50");
    EXPECT_FALSE(h.loaded("Form19"));
}

TEST(BombRace, TheFifthBombWinsAndEachRewardComesRightAfterItsBox) {
    Harness h;
    h.setStore(1, "100000");
    h.setStore(4, "1");
    h.setStore(5, "200");
    h.setStore(6, "6");
    h.startAt("Form18");
    startRace(h);
    for (int bomb = 1; bomb <= 4; ++bomb) {
        buildBomb(h);
        h.wait(1000);
    }
    EXPECT_EQ(h.text("Form18.Label2"), "0");  // still standing
    EXPECT_TRUE(h.loaded("Form18"));
    const std::string hpBefore = h.store(1);

    // What the store holds as each box opens: level, HP, candy, money.
    std::vector<std::string> seen;
    h.whileBoxOpen = [&](const std::string&) {
        seen.push_back(h.store(6) + " " + h.store(1) + " " + h.store(4) + " " + h.store(5));
    };
    buildBomb(h);
    h.wait(1000);
    const std::string hp = hpBefore;
    const std::string hpWon = std::to_string(std::stoi(hp) + 1000);
    EXPECT_EQ(h.takeBoxes(), (std::vector<std::string>{"クロッパを倒した！", "レベルが5上がった！", "HPが1000あがった！",
                                                        "おいしいあめを3個もらった！", "お金を5000円もらった！",
                                                        "NEXT!!!!!"}));
    EXPECT_EQ(seen, (std::vector<std::string>{"6 " + hp + " 1 200", "6 " + hp + " 1 200", "11 " + hp + " 1 200",
                                               "11 " + hpWon + " 1 200", "11 " + hpWon + " 4 200",
                                               "11 " + hpWon + " 4 5200"}));
    EXPECT_FALSE(h.loaded("Form18"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form19"});
    h.whileBoxOpen = nullptr;
    h.wait(30000);
    EXPECT_EQ(h.store(1), hpWon);  // クロッパ's bombs are over
}

}  // namespace
}  // namespace zorb::test
