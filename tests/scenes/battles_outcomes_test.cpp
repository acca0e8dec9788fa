// How the three battles end: the win's boxes and rewards, where each one
// goes back to, whole fights, and the turns that are not used.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/Harness.h"
#include "scenes/battles/Form10.h"
#include "scenes/battles/Form20.h"
#include "scenes/maps/Form19.h"
#include "scenes/maps/Form3.h"

namespace zorb::test {
namespace {

using Lines = std::vector<std::string>;

// Events from `from` on whose text starts with one of the given words.
Lines eventsOf(const Harness& h, const std::vector<std::string>& kinds, size_t from = 0) {
    Lines found;
    for (size_t i = from; i < h.events.size(); ++i) {
        const std::string& e = h.events[i];
        const std::string what = e.substr(e.find(' ') + 1);
        for (const auto& k : kinds) {
            if (what.rfind(k, 0) == 0) found.push_back(e);
        }
    }
    return found;
}

void expectNothingOfRunning(const Harness& h, const std::string& scene) {
    EXPECT_FALSE(h.loaded(scene));
    for (Timer* t : h.runtime.runningTimers()) EXPECT_NE(t->scene().name(), scene);
}

// --- the ghost ----------------------------------------------------------------

struct GhostReturn {
    const char* code;
    const char* town;
};

void PrintTo(const GhostReturn& c, std::ostream* os) { *os << c.code; }

class GhostWin : public ::testing::TestWithParam<GhostReturn> {};

TEST_P(GhostWin, PaysALevelAndAMedicineThenGoesBackToTheCallingTown) {
    Harness h;
    h.setStore(6, "2");
    h.setStore(3, "1");
    h.setStore(8, "1");
    h.startAt("Form10");
    h.set("Form10.Text2", GetParam().code);
    const size_t mark = h.events.size();
    h.click("Form10.Command2");  // 50 − 100: the bomb wins at once
    h.wait(3000);
    EXPECT_EQ(h.text("Form10.Label5"), "幽霊は倒れた！");
    EXPECT_FALSE(h.visible("Form10.Command1"));
    EXPECT_EQ(h.store(8), "0");
    EXPECT_EQ(h.store(6), "3");
    EXPECT_EQ(h.store(3), "2");
    EXPECT_TRUE(h.loaded("Form10"));  // it goes back one millisecond later
    h.wait(1);
    const std::string town = GetParam().town;
    EXPECT_EQ(eventsOf(h, {"msgbox", "show", "unload"}, mark),
              (Lines{"3000 msgbox 幽霊は倒れた！", "3000 msgbox ポッチーのレベルが1上がった！",
                     "3000 msgbox ポッチーは幽霊から回復の薬をもらった！", "3001 show " + town,
                     "3001 unload Form10"}));
    EXPECT_EQ(h.shownScenes().front(), town);
    expectNothingOfRunning(h, "Form10");
}

// The level and the medicine are written between the boxes that tell them.
TEST(GhostBattle, WritesEachRewardRightAfterItsBox) {
    Harness h;
    h.setStore(8, "1");
    h.startAt("Form10");
    h.set("Form10.Text2", "3");
    Lines seen;
    h.whileBoxOpen = [&](const std::string& text) { seen.push_back(text + " L" + h.store(6) + " M" + h.store(3)); };
    h.click("Form10.Command2");
    h.wait(3001);
    EXPECT_EQ(seen, (Lines{"幽霊は倒れた！ L0 M0", "ポッチーのレベルが1上がった！ L0 M0",
                           "ポッチーは幽霊から回復の薬をもらった！ L1 M0"}));
    EXPECT_EQ(h.store(3), "1");
}

INSTANTIATE_TEST_SUITE_P(Battles, GhostWin,
                         ::testing::Values(GhostReturn{"3", "Form3"}, GhostReturn{"13", "Form13"}),
                         [](const auto& info) { return std::string("Code") + info.param.code; });

// Every caller writes 3 or 13; without a code the won battle stays shown
// instead of closing onto an empty screen.
TEST(GhostBattle, AWinWithoutAReturnCodeKeepsTheBattleOnTheScreen) {
    Harness h;
    h.setStore(8, "1");
    h.startAt("Form10");
    h.click("Form10.Command2");
    h.wait(3100);
    EXPECT_EQ(h.boxes.size(), 3u);
    EXPECT_EQ(h.store(6), "1");
    EXPECT_TRUE(h.loaded("Form10"));
    EXPECT_EQ(h.shownScenes(), Lines{"Form10"});
    EXPECT_FALSE(h.game.Form10.Timer22.running());
}

TEST(GhostBattle, FiveMeleeHitsWinAtZeroAndTheNextFightStartsAfresh) {
    Harness h;
    h.setStore(1, "500");
    h.startAt("Form10");
    h.set("Form10.Text2", "3");
    Lines enemy;
    for (int hit = 1; hit <= 5; ++hit) {
        ASSERT_TRUE(h.visible("Form10.Command1")) << hit;
        h.draw(3);
        h.click("Form10.Command1");
        h.wait(2500);
        enemy.push_back(h.text("Form10.Label2"));
        if (hit < 5) h.wait(5500);
    }
    EXPECT_EQ(enemy, (Lines{"40", "30", "20", "10", "0"}));
    EXPECT_EQ(h.store(1), "380");  // four scratches
    h.wait(1);
    EXPECT_FALSE(h.loaded("Form10"));
    EXPECT_EQ(eventsOf(h, {"draw"}).size(), 4u);  // one draw per ghost turn

    h.game.Form3.unload();
    h.game.Form10.show();
    EXPECT_EQ(h.text("Form10.Label2"), "50");
    EXPECT_TRUE(h.visible("Form10.Command1"));
    EXPECT_EQ(h.text("Form10.Label5"), "幽霊が飛び出した！「前回の復讐をしてやる！！」ポッチーの攻撃です！");
}

// Three patient turns and a hit leave the ghost at 100; a bomb then leaves
// exactly 0 and the ghost fights on, where a melee hit at 0 would have won.
TEST(GhostBattle, PatienceHealsAndABombThatLeavesZeroDoesNotWin) {
    Harness h;
    h.setStore(8, "1");
    h.startAt("Form10");
    for (int turn = 0; turn < 4; ++turn) {
        h.draw(2);
        h.click("Form10.Command1");
        h.wait(3500);
    }
    EXPECT_EQ(h.text("Form10.Label2"), "90");  // 50 − 40 + 80
    h.set("Form10.Label2", "100");
    h.draw(2);
    h.click("Form10.Command2");
    h.wait(4000);
    EXPECT_EQ(h.text("Form10.Label2"), "20");
    EXPECT_TRUE(h.boxes.empty());
    EXPECT_TRUE(h.visible("Form10.Command1"));
}

struct NoBombCase {
    const char* scene;
    const char* bombButton;
    const char* itemButton;
    Lines boxes;
};

void PrintTo(const NoBombCase& c, std::ostream* os) { *os << c.scene; }

class NoBomb : public ::testing::TestWithParam<NoBombCase> {};

TEST_P(NoBomb, LeavesThePlayersTurnAsItWas) {
    const NoBombCase& c = GetParam();
    const std::string s = c.scene;
    Harness h;
    h.startAt(s);
    h.wait(std::string(c.scene) == "Form20" ? 4500 : 10);
    const std::string message = h.text(s + (s == "Form12" ? ".Label6" : ".Label5"));
    const size_t mark = h.events.size();
    EXPECT_EQ(h.click(s + "." + c.bombButton), ClickResult::Delivered);
    EXPECT_EQ(h.boxes, c.boxes);
    h.wait(10000);
    EXPECT_TRUE(h.visible(s + ".Command1"));
    EXPECT_TRUE(h.visible(s + ".Command2"));
    EXPECT_TRUE(h.visible(s + "." + c.itemButton));
    EXPECT_EQ(h.text(s + (s == "Form12" ? ".Label6" : ".Label5")), message);
    EXPECT_EQ(h.store(8), "0");
    EXPECT_EQ(h.store(1), s == "Form20" ? "80" : "100");  // nobody attacks
    EXPECT_EQ(eventsOf(h, {"msgbox", "draw", "show", "unload"}, mark).size(), c.boxes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Battles, NoBomb,
    ::testing::Values(NoBombCase{"Form10", "Command2", "Command5", {"ボトロンが足りません！"}},
                      NoBombCase{"Form12", "Command2", "Command3", {"ボトロンが足りません！"}},
                      NoBombCase{"Form20", "Command1", "Command3", {}}),
    [](const auto& info) { return std::string(info.param.scene); });

// --- the item box over a battle -------------------------------------------------

struct ItemButtonCase {
    const char* scene;
    const char* button;
    const char* code;
    const char* hpLabel;
    GameTime ready;
};

void PrintTo(const ItemButtonCase& c, std::ostream* os) { *os << c.scene; }

class BattleItemBox : public ::testing::TestWithParam<ItemButtonCase> {};

// The box opens with the battle's code, a medicine shows in the battle's HP
// at once, and OK leaves the battle exactly where it was: same turn, same
// buttons, and no enemy move is set off by it.
TEST_P(BattleItemBox, UsesNoTurnAndLeavesTheBattleWhereItWas) {
    const ItemButtonCase& c = GetParam();
    const std::string s = c.scene;
    Harness h;
    h.setStore(1, "95");
    h.setStore(3, "1");
    h.startAt(s);
    h.wait(c.ready);
    const std::string hpBefore = h.store(1);
    ASSERT_EQ(h.click(s + "." + c.button), ClickResult::Delivered);
    EXPECT_EQ(h.shownScenes().front(), "Form5");
    EXPECT_EQ(h.text("Form5.Text3"), c.code);
    EXPECT_TRUE(h.visible("Form5.Command4"));
    EXPECT_TRUE(h.visible(s + "." + c.button));  // the battle's buttons stay

    h.click("Form5.Command3");
    const std::string hpAfter = std::to_string(std::stoi(hpBefore) + 20);
    EXPECT_EQ(h.store(1), hpAfter);
    h.wait(1);
    EXPECT_EQ(h.text(s + "." + c.hpLabel), hpAfter);

    h.click("Form5.Command4");
    EXPECT_FALSE(h.loaded("Form5"));
    EXPECT_EQ(h.shownScenes(), Lines{s});
    h.wait(10000);
    EXPECT_EQ(h.store(1), hpAfter);  // no enemy acted meanwhile
    EXPECT_TRUE(h.visible(s + "." + c.button));
    EXPECT_TRUE(h.visible(s + ".Command1"));
    EXPECT_TRUE(h.visible(s + ".Command2"));
}

INSTANTIATE_TEST_SUITE_P(Battles, BattleItemBox,
                         ::testing::Values(ItemButtonCase{"Form10", "Command5", "10", "Label4", 10},
                                           ItemButtonCase{"Form12", "Command3", "12", "Label4", 10},
                                           ItemButtonCase{"Form20", "Command3", "20", "Label4", 4500}),
                         [](const auto& info) { return std::string(info.param.scene); });

// The battle's buttons stay usable under the open box; the attack runs and
// the box's OK then only closes the box.
TEST(GhostBattle, AttacksWithTheItemBoxStillOpen) {
    Harness h;
    h.startAt("Form10");
    h.set("Form10.Text2", "13");
    h.click("Form10.Command5");
    ASSERT_EQ(h.click("Form10.Command1"), ClickResult::Delivered);
    EXPECT_TRUE(h.loaded("Form5"));
    h.wait(2500);
    EXPECT_EQ(h.text("Form10.Label2"), "40");
    h.click("Form5.Command4");
    EXPECT_FALSE(h.loaded("Form5"));
    EXPECT_TRUE(h.loaded("Form10"));
    EXPECT_FALSE(h.visible("Form10.Command1"));  // still the ghost's turn to come
}

// --- the rival ----------------------------------------------------------------

TEST(RivalBattle, TwoBombsWinWithEveryBoxRewardAndStoryLineThenTheSecondTown) {
    Harness h;
    h.setStore(6, "2");
    h.setStore(8, "2");
    h.startAt("Form12");
    Lines seen;
    h.whileBoxOpen = [&](const std::string& text) {
        seen.push_back(text + " L" + h.store(6) + " M" + h.store(3) + " ¥" + h.store(5));
    };
    h.click("Form12.Command2");
    h.wait(7000);  // 50 left; the rival's salmon: 100 − 80
    EXPECT_EQ(h.text("Form12.Label2"), "50");
    EXPECT_EQ(h.store(1), "20");
    ASSERT_TRUE(h.visible("Form12.Command2"));
    const size_t mark = h.events.size();
    h.click("Form12.Command2");
    h.wait(3000);
    EXPECT_EQ(seen,
              (Lines{"ケンゾは倒れた！ L2 M0 ¥0", "ポッチーのレベルが2上がった！ L2 M0 ¥0",
                     "ポッチーはケンゾから回復の薬を三つもらった！ L4 M0 ¥0",
                     "ポッチーから5千円もらった！ L4 M3 ¥5000",
                     "ケンゾ：くそっ、今日はちょっと調子が悪かっただけだ！急いでるから、じゃあな！ L4 M3 ¥5000",
                     "ケンゾは急いで走り去っていった。 L4 M3 ¥5000", "NEXT!!!!!!!! L4 M3 ¥5000"}));
    EXPECT_EQ(h.store(8), "0");
    EXPECT_EQ(h.text("Form12.Label6"), "ケンゾは倒れた！");
    const Lines moves = eventsOf(h, {"show", "unload"}, mark);
    EXPECT_EQ(moves, (Lines{"10000 unload Form12", "10000 show Form13"}));
    expectNothingOfRunning(h, "Form12");
    EXPECT_TRUE(eventsOf(h, {"draw"}).empty());
}

// Eight melee hits win; the rival strikes seven times in between, so 560 HP
// is just enough.
TEST(RivalBattle, MeleeOnlyTakesEightHitsAndSevenSalmons) {
    Harness h;
    h.setStore(1, "560");
    h.startAt("Form12");
    Lines enemy;
    for (int hit = 1; hit <= 8; ++hit) {
        ASSERT_TRUE(h.visible("Form12.Command1")) << hit;
        h.click("Form12.Command1");
        h.wait(2500);
        enemy.push_back(h.text("Form12.Label2"));
        if (hit < 8) h.wait(4000);
    }
    EXPECT_EQ(enemy, (Lines{"130", "110", "90", "70", "50", "30", "10", "-10"}));
    EXPECT_EQ(h.store(1), "0");
    EXPECT_EQ(h.boxes.front(), "ケンゾは倒れた！");
    EXPECT_TRUE(h.loaded("Form13"));
    EXPECT_FALSE(h.loaded("Form11"));
}

// --- the worker ---------------------------------------------------------------

struct TowerCase {
    const char* tower;
    int flag;
};

void PrintTo(const TowerCase& c, std::ostream* os) { *os << c.tower; }

class WorkerWin : public ::testing::TestWithParam<TowerCase> {};

TEST_P(WorkerWin, ABombSetsOnlyThatTowersFlagAndGoesBackToTheThirdTown) {
    Harness h;
    h.setStore(8, "1");
    h.startAt("Form20");
    h.set("Form20.Text1", GetParam().tower);
    h.wait(4500);
    const size_t mark = h.events.size();
    h.click("Form20.Command1");
    EXPECT_EQ(h.store(8), "0");  // used up at the click
    h.wait(2500);
    EXPECT_EQ(h.boxes, Lines{"工事員は倒れた！"});
    EXPECT_EQ(h.text("Form20.Label2"), "0");
    for (int f = 14; f <= 16; ++f) EXPECT_EQ(h.store(f), "0") << f;  // the flag comes a millisecond later
    h.wait(1);
    for (int f = 14; f <= 16; ++f) EXPECT_EQ(h.store(f), f == GetParam().flag ? "1" : "0") << f;
    EXPECT_EQ(eventsOf(h, {"msgbox", "show", "unload"}, mark),
              (Lines{"7000 msgbox 工事員は倒れた！", "7001 unload Form20", "7001 show Form19"}));
    expectNothingOfRunning(h, "Form20");
}

INSTANTIATE_TEST_SUITE_P(Battles, WorkerWin,
                         ::testing::Values(TowerCase{"1", 14}, TowerCase{"2", 15}, TowerCase{"3", 16}),
                         [](const auto& info) { return std::string("Tower") + info.param.tower; });

TEST(WorkerBattle, MeleeOnlyWinsAtTheSixthHitAndTheNextTowerStartsAfresh) {
    Harness h;
    h.setStore(1, "200");
    h.startAt("Form20");
    h.set("Form20.Text1", "1");
    h.wait(4500);
    Lines enemy;
    for (int hit = 1; hit <= 6; ++hit) {
        ASSERT_TRUE(h.visible("Form20.Command2")) << hit;
        h.click("Form20.Command2");
        h.wait(3000);
        enemy.push_back(h.text("Form20.Label2"));
        if (hit < 6) h.wait(4500);
    }
    EXPECT_EQ(enemy, (Lines{"80", "60", "40", "20", "0", "-20"}));
    EXPECT_EQ(h.store(1), "80");  // the opening throw and five more, at 0 too
    EXPECT_EQ(h.boxes, Lines{"ポッチーは工事員をたおした！"});
    h.wait(1);
    EXPECT_EQ(h.store(14), "1");
    EXPECT_TRUE(eventsOf(h, {"draw"}).empty());

    // The town sends the hero to the next tower: the same opening again.
    h.game.Form19.unload();
    h.game.Form20.show();
    h.set("Form20.Text1", "2");
    const GameTime loadedAt = h.runtime.now();
    EXPECT_EQ(h.text("Form20.Label2"), "100");
    EXPECT_FALSE(h.visible("Form20.Command1"));
    h.wait(1999);
    EXPECT_EQ(h.text("Form20.Label5"), "工事員のおっさんが勝負を仕掛けてきた");
    h.wait(1);
    EXPECT_EQ(h.text("Form20.Label5"), "工事員の攻撃！レンチ投げ！");
    h.wait(2500);
    EXPECT_EQ(h.runtime.now() - loadedAt, 4500);
    EXPECT_TRUE(h.visible("Form20.Command1"));
    EXPECT_EQ(h.store(1), "60");
}

// The worker throws only at the opening and after a melee hit he survives:
// a player who waits is left alone.
TEST(WorkerBattle, DoesNotThrowWhileThePlayerWaits) {
    Harness h;
    h.startAt("Form20");
    h.wait(4500);
    EXPECT_EQ(h.store(1), "80");
    h.wait(60000);
    EXPECT_EQ(h.store(1), "80");
    EXPECT_TRUE(h.visible("Form20.Command1"));
}

}  // namespace
}  // namespace zorb::test
