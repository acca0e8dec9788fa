// The battle turn cycle of the three battles: the steps and their timing to
// the millisecond, the kill tests, the defeat test, the enemy's moves.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "harness/Harness.h"

namespace zorb::test {
namespace {

using Lines = std::vector<std::string>;

// What a battle shows, under short names: the message line, the enemy's and
// the hero's HP, the three buttons (which always move together) and the
// effect pictures.
struct BattleView {
    std::string scene;
    std::string message;  // the message label
    std::string enemyHp;
    std::vector<std::string> buttons;
    std::map<std::string, std::string> pictures;  // short name -> control
};

const BattleView kGhost{"Form10", "Label5", "Label2", {"Command1", "Command2", "Command5"},
                        {{"spark", "Image3"}, {"blast", "Image5"}, {"cross", "Image6"},
                         {"claws", "Image7"}, {"star", "Image4"}}};
const BattleView kRival{"Form12", "Label6", "Label2", {"Command1", "Command2", "Command3"},
                        {{"spark", "Image3"}, {"blast", "Image4"}, {"salmon", "Image5"}}};
const BattleView kWorker{"Form20", "Label5", "Label2", {"Command1", "Command2", "Command3"},
                         {{"spark", "Image5"}, {"blast", "Image4"}, {"wrench", "Image3"}}};

// Every change of what the battle shows, one line each, with the time since
// the recording began: "2500 msg=幽霊は10のダメージを受けた！".
class Timeline {
public:
    Timeline(Harness& h, const BattleView& view) : h_(h), view_(view), start_(h.runtime.now()) {
        state_ = snapshot();
    }

    // Lets `ms` pass one millisecond at a time, noting every change.
    void run(GameTime ms) {
        for (GameTime i = 0; i < ms && !h_.ended; ++i) {
            h_.wait(1);
            note(snapshot());
        }
    }
    // Notes what a click or a write did at once.
    void note() { note(snapshot()); }
    const Lines& lines() const { return lines_; }

private:
    std::map<std::string, std::string> snapshot() const {
        const std::string s = view_.scene + ".";
        std::map<std::string, std::string> now;
        now["msg"] = h_.text(s + view_.message);
        now["enemy"] = h_.text(s + view_.enemyHp);
        now["hp"] = h_.store(1);
        std::string buttons = h_.visible(s + view_.buttons[0]) ? "shown" : "hidden";
        for (const auto& b : view_.buttons) {
            if ((h_.visible(s + b) ? "shown" : "hidden") != buttons) buttons = "apart";
        }
        now["buttons"] = buttons;
        for (const auto& [name, control] : view_.pictures) {
            now[name] = h_.visible(s + control) ? "shown" : "hidden";
        }
        return now;
    }
    void note(const std::map<std::string, std::string>& now) {
        const GameTime t = h_.runtime.now() - start_;
        // Fixed order so a step reads the same every time.
        for (const char* key : {"buttons", "msg", "enemy", "hp"}) {
            if (now.at(key) != state_.at(key)) lines_.push_back(std::to_string(t) + " " + key + "=" + now.at(key));
        }
        for (const auto& [name, control] : view_.pictures) {
            if (now.at(name) != state_.at(name)) lines_.push_back(std::to_string(t) + " " + name + "=" + now.at(name));
        }
        state_ = now;
    }

    Harness& h_;
    const BattleView& view_;
    GameTime start_;
    std::map<std::string, std::string> state_;
    Lines lines_;
};

std::vector<std::string> draws(const Harness& h) {
    std::vector<std::string> found;
    for (const auto& e : h.events) {
        if (e.find(" draw ") != std::string::npos) found.push_back(e);
    }
    return found;
}

// --- one turn, step by step -------------------------------------------------

struct TurnCase {
    const char* name;
    const BattleView* view;
    std::map<int, std::string> store;  // store fields before
    std::string enemyHp;               // written into the enemy HP label before the click, if any
    GameTime before;                   // wait after loading, before the click
    std::string button;                // "" records from loading on, with no click
    std::vector<int> fixedDraws;
    GameTime length;
    Lines want;
};

void PrintTo(const TurnCase& c, std::ostream* os) { *os << c.name; }

class TurnCycle : public ::testing::TestWithParam<TurnCase> {};

TEST_P(TurnCycle, RunsItsStepsAtTheirTimes) {
    const TurnCase& c = GetParam();
    Harness h;
    for (const auto& [field, value] : c.store) h.setStore(field, value);
    h.startAt(c.view->scene);
    h.wait(c.before);
    if (!c.enemyHp.empty()) h.set(c.view->scene + "." + c.view->enemyHp, c.enemyHp);
    for (int d : c.fixedDraws) h.draw(d);
    Timeline line(h, *c.view);
    if (!c.button.empty()) {
        ASSERT_EQ(h.click(c.view->scene + "." + c.button), ClickResult::Delivered);
        line.note();
    }
    line.run(c.length);
    EXPECT_EQ(line.lines(), c.want);
    EXPECT_TRUE(h.boxes.empty());
    // Only the ghost draws, once per enemy turn.
    EXPECT_EQ(draws(h).size(), c.view == &kGhost ? c.fixedDraws.size() : 0u);
}

const TurnCase kTurns[] = {
    {"GhostMeleeThenScratchTakesEightSeconds", &kGhost, {{1, "100"}}, "", 10, "Command1", {3}, 9000,
     {"0 buttons=hidden", "0 msg=ポッチーの攻撃！リンチ！！",
      "1000 spark=shown", "1500 spark=hidden", "2000 spark=shown",
      "2500 msg=幽霊は10のダメージを受けた！", "2500 enemy=40", "2500 spark=hidden",
      "3500 msg=幽霊の攻撃！引っかく！",
      "5000 claws=shown", "5500 claws=hidden", "6000 claws=shown",
      "6500 msg=ポッチーはダメージで30減らした！", "6500 hp=70", "6500 claws=hidden",
      "8000 buttons=shown", "8000 msg=ポッチーの攻撃です！"}},
    {"GhostMeleeThenReaper", &kGhost, {{1, "100"}}, "", 10, "Command1", {1}, 9000,
     {"0 buttons=hidden", "0 msg=ポッチーの攻撃！リンチ！！",
      "1000 spark=shown", "1500 spark=hidden", "2000 spark=shown",
      "2500 msg=幽霊は10のダメージを受けた！", "2500 enemy=40", "2500 spark=hidden",
      "3500 msg=幽霊の攻撃！死神！",
      "5000 cross=shown", "5500 cross=hidden", "6000 cross=shown",
      "6500 msg=ポッチーはダメージで70減らした！", "6500 hp=30", "6500 cross=hidden",
      "8000 buttons=shown", "8000 msg=ポッチーの攻撃です！"}},
    {"GhostMeleeThenPatienceGivesTheTurnBackAtOnce", &kGhost, {{1, "100"}}, "", 10, "Command1", {2}, 9000,
     {"0 buttons=hidden", "0 msg=ポッチーの攻撃！リンチ！！",
      "1000 spark=shown", "1500 spark=hidden", "2000 spark=shown",
      "2500 msg=幽霊は10のダメージを受けた！", "2500 enemy=40", "2500 spark=hidden",
      "3500 buttons=shown", "3500 msg=幽霊は我慢した！", "3500 enemy=60"}},
    {"GhostBombThenCurse", &kGhost, {{1, "100"}, {8, "2"}}, "150", 10, "Command2", {4}, 9000,
     {"0 buttons=hidden", "0 msg=ポッチーの攻撃！ボトロン！！",
      "1000 blast=shown",
      "3000 msg=幽霊は100のダメージを受けた！", "3000 enemy=50", "3000 blast=hidden",
      "4000 msg=幽霊の攻撃！呪い！",
      "5500 star=shown", "6000 star=hidden", "6500 star=shown",
      "7000 msg=ポッチーはダメージで20減らした！", "7000 hp=80", "7000 star=hidden",
      "8500 buttons=shown", "8500 msg=ポッチーの攻撃です！"}},
    {"RivalMeleeThenSalmonWithNoWaitAfterTheBlink", &kRival, {{1, "100"}}, "", 10, "Command1", {}, 8000,
     {"0 buttons=hidden", "0 msg=ポッチーの攻撃！リンチ！！",
      "1000 spark=shown", "1500 spark=hidden", "2000 spark=shown",
      "2500 msg=ケンゾは20のダメージを受けた！", "2500 enemy=130", "2500 spark=hidden",
      "3500 msg=ケンゾの攻撃！シャケ！シャケ！！シャケ！！！",
      "5000 salmon=shown", "5500 salmon=hidden", "6000 salmon=shown",
      "6500 buttons=shown", "6500 msg=ポッチーは80くらった！ポッチーの攻撃です！", "6500 hp=20",
      "6500 salmon=hidden"}},
    {"RivalBombThenSalmon", &kRival, {{1, "100"}, {8, "1"}}, "", 10, "Command2", {}, 8000,
     {"0 buttons=hidden", "0 msg=ポッチーの攻撃！ボトロン！！",
      "1000 blast=shown",
      "3000 msg=ケンゾは100のダメージを受けた！", "3000 enemy=50", "3000 blast=hidden",
      "4000 msg=ケンゾの攻撃！シャケ！シャケ！！シャケ！！！",
      "5500 salmon=shown", "6000 salmon=hidden", "6500 salmon=shown",
      "7000 buttons=shown", "7000 msg=ポッチーは80くらった！ポッチーの攻撃です！", "7000 hp=20",
      "7000 salmon=hidden"}},
    {"WorkerThrowsFirstAndTheButtonsComeAtFourAndAHalfSeconds", &kWorker, {{1, "100"}}, "", 0, "", {}, 6000,
     {"2000 msg=工事員の攻撃！レンチ投げ！",
      "3000 wrench=shown", "3500 wrench=hidden", "4000 wrench=shown",
      "4500 buttons=shown", "4500 msg=ポッチーは20くらった！ポッチーの攻撃です", "4500 hp=80",
      "4500 wrench=hidden"}},
    {"WorkerMeleeWaitsOneAndAHalfSecondsThenHeThrowsAgain", &kWorker, {{1, "100"}}, "", 4500, "Command2", {}, 9000,
     {"0 buttons=hidden", "0 msg=ポッチーの攻撃。リンチ！！",
      "1500 spark=shown", "2000 spark=hidden", "2500 spark=shown",
      "3000 msg=工事員は20くらった！工事員の攻撃！レンチ投げ！", "3000 enemy=80", "3000 spark=hidden",
      "5000 msg=工事員の攻撃！レンチ投げ！",
      "6000 wrench=shown", "6500 wrench=hidden", "7000 wrench=shown",
      "7500 buttons=shown", "7500 msg=ポッチーは20くらった！ポッチーの攻撃です", "7500 hp=60",
      "7500 wrench=hidden"}},
};

INSTANTIATE_TEST_SUITE_P(Battles, TurnCycle, ::testing::ValuesIn(kTurns),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the kill tests ---------------------------------------------------------

struct KillCase {
    const char* name;
    const BattleView* view;
    std::string button;
    std::string enemyBefore;
    std::string enemyAfter;
    std::string winBox;  // the first box of the win; "" when the enemy fights on
};

void PrintTo(const KillCase& c, std::ostream* os) { *os << c.name; }

class KillTest : public ::testing::TestWithParam<KillCase> {};

TEST_P(KillTest, DecidesWhetherTheHitWins) {
    const KillCase& c = GetParam();
    Harness h;
    h.setStore(1, "1000");
    h.setStore(8, "1");
    h.startAt(c.view->scene);
    h.wait(c.view == &kWorker ? 4500 : 10);
    h.set(c.view->scene + "." + c.view->enemyHp, c.enemyBefore);
    h.draw(2);
    ASSERT_EQ(h.click(c.view->scene + "." + c.button), ClickResult::Delivered);
    h.wait(3000);  // every hit has landed by now; no enemy has acted yet
    EXPECT_EQ(h.text(c.view->scene + "." + c.view->enemyHp), c.enemyAfter);
    if (c.winBox.empty()) {
        EXPECT_TRUE(h.boxes.empty());
        h.wait(1000);
        EXPECT_TRUE(h.loaded(c.view->scene));  // its turn is under way
        EXPECT_TRUE(h.boxes.empty());
    } else {
        ASSERT_FALSE(h.boxes.empty());
        EXPECT_EQ(h.boxes.front(), c.winBox);
    }
}

const KillCase kKills[] = {
    {"GhostMeleeWinsAtZero", &kGhost, "Command1", "10", "0", "幽霊は倒れた！"},
    {"GhostMeleeLeavesOne", &kGhost, "Command1", "11", "1", ""},
    {"GhostBombLeavesZeroAndTheGhostFightsOn", &kGhost, "Command2", "100", "0", ""},
    {"GhostBombWinsBelowZero", &kGhost, "Command2", "99", "-1", "幽霊は倒れた！"},
    {"RivalMeleeLeavesZeroAndHeFightsOn", &kRival, "Command1", "20", "0", ""},
    {"RivalMeleeWinsBelowZero", &kRival, "Command1", "19", "-1", "ケンゾは倒れた！"},
    {"RivalBombLeavesZeroAndHeFightsOn", &kRival, "Command2", "100", "0", ""},
    {"RivalBombWinsBelowZero", &kRival, "Command2", "99", "-1", "ケンゾは倒れた！"},
    {"WorkerMeleeLeavesZeroAndHeFightsOn", &kWorker, "Command2", "20", "0", ""},
    {"WorkerMeleeWinsBelowZero", &kWorker, "Command2", "19", "-1", "ポッチーは工事員をたおした！"},
    {"WorkerBombAlwaysWins", &kWorker, "Command1", "500", "400", "工事員は倒れた！"},
};

INSTANTIATE_TEST_SUITE_P(Battles, KillTest, ::testing::ValuesIn(kKills),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the defeat test ----------------------------------------------------------

struct DefeatCase {
    const char* name;
    const BattleView* view;
    std::string hp;
    int draw;             // the ghost's move; ignored by the others
    GameTime attackEnds;  // from the melee click (the worker: from loading)
    GameTime checkDelay;  // from the damage to the defeat check
    std::string hpAfter;
    bool lost;
    Lines lossEvents;     // what the loss does, in order, after the box
};

void PrintTo(const DefeatCase& c, std::ostream* os) { *os << c.name; }

class DefeatTest : public ::testing::TestWithParam<DefeatCase> {};

TEST_P(DefeatTest, OnlyANegativeHpLoses) {
    const DefeatCase& c = GetParam();
    Harness h;
    h.setStore(1, c.hp);
    h.startAt(c.view->scene);
    GameTime clickAt = 0;
    if (c.view != &kWorker) {
        h.wait(10);
        clickAt = h.runtime.now();
        h.set(c.view->scene + ".Label2", "1000");
        h.draw(c.draw);
        h.click(c.view->scene + ".Command1");
    }
    const GameTime checkAt = clickAt + c.attackEnds + c.checkDelay;
    h.wait(checkAt - h.runtime.now() - 1);
    // The ghost's damage comes 1500 ms before the check; the others check as it lands.
    EXPECT_EQ(h.store(1), c.checkDelay > 0 ? c.hpAfter : c.hp);
    EXPECT_TRUE(h.boxes.empty());
    EXPECT_FALSE(h.visible(c.view->scene + ".Command1"));
    h.wait(1);
    EXPECT_EQ(h.store(1), c.hpAfter);
    if (c.lost) {
        EXPECT_EQ(h.boxes, Lines{"ポッチーは目の前が真っ暗になった！"});
        Lines tail(h.events.end() - 3, h.events.end());
        Lines want;
        for (const auto& e : c.lossEvents) want.push_back(std::to_string(checkAt) + " " + e);
        EXPECT_EQ(tail, want);
        EXPECT_EQ(h.shownScenes(), Lines{"Form11"});
        for (Timer* t : h.runtime.runningTimers()) EXPECT_TRUE(t->scene().loaded()) << t->scene().name();
    } else {
        EXPECT_TRUE(h.boxes.empty());
        EXPECT_TRUE(h.visible(c.view->scene + ".Command1"));
        EXPECT_TRUE(h.loaded(c.view->scene));
        EXPECT_FALSE(h.loaded("Form11"));
    }
}

const DefeatCase kDefeats[] = {
    {"GhostReaperFromSixtyLoses", &kGhost, "60", 1, 6500, 1500, "-10", true,
     {"msgbox ポッチーは目の前が真っ暗になった！", "unload Form10", "show Form11"}},
    {"GhostReaperFromSeventySurvivesAtZero", &kGhost, "70", 1, 6500, 1500, "0", false, {}},
    {"GhostScratchFromThirtySurvivesAtZero", &kGhost, "30", 3, 6500, 1500, "0", false, {}},
    {"GhostCurseFromNineteenLoses", &kGhost, "19", 4, 6500, 1500, "-1", true,
     {"msgbox ポッチーは目の前が真っ暗になった！", "unload Form10", "show Form11"}},
    {"RivalSalmonFromSeventyLoses", &kRival, "70", 0, 6500, 0, "-10", true,
     {"msgbox ポッチーは目の前が真っ暗になった！", "unload Form12", "show Form11"}},
    {"RivalSalmonFromEightySurvivesAtZero", &kRival, "80", 0, 6500, 0, "0", false, {}},
    {"WorkerWrenchFromTenLoses", &kWorker, "10", 0, 4500, 0, "-10", true,
     {"msgbox ポッチーは目の前が真っ暗になった！", "show Form11", "unload Form20"}},
    {"WorkerWrenchFromTwentySurvivesAtZero", &kWorker, "20", 0, 4500, 0, "0", false, {}},
};

INSTANTIATE_TEST_SUITE_P(Battles, DefeatTest, ::testing::ValuesIn(kDefeats),
                         [](const auto& info) { return std::string(info.param.name); });

// At the defeat check the damage is already in, so the HP shown before the
// check is the one that decides (the rival and the worker check at once).
TEST(GhostBattle, SurvivingAtZeroGivesTheTurnBackWithItsMessage) {
    Harness h;
    h.setStore(1, "70");
    h.startAt("Form10");
    h.draw(1);
    h.click("Form10.Command1");
    h.wait(8000);
    EXPECT_EQ(h.text("Form10.Label5"), "ポッチーの攻撃です！");
    EXPECT_EQ(h.text("Form10.Label4"), "0");
    EXPECT_EQ(h.text("Form10.Text1"), "1");
}

}  // namespace
}  // namespace zorb::test
