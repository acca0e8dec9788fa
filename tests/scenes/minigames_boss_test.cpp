// The boss: the explanation, the hundred-click mash with its damage stages,
// and the chase with its rules, flight, field limits, catch and time limit.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/Harness.h"
#include "scenes/minigames/Form29.h"
#include "scenes/minigames/Form30.h"
#include "scenes/minigames/Form31.h"

namespace zorb::test {
namespace {

const std::vector<std::string> kChaseRules{Form31::kRules[0], Form31::kRules[1], Form31::kRules[2]};
const char* kLost = "ポッチーは首領ポッチーを見失った！気力がなくなり、目の前が真っ白になった。";

TEST(BossExplanation, TwoLinesAtTwoAndFourSecondsThenTheMashAtSix) {
    Harness h;
    h.startAt("Form29");
    EXPECT_EQ(h.text("Form29.Label1"), Form29::kOpening);
    h.wait(1999);
    EXPECT_EQ(h.text("Form29.Label1"), Form29::kOpening);
    h.wait(1);
    EXPECT_EQ(h.text("Form29.Label1"), "このゲームを説明します。");
    h.wait(2000);
    EXPECT_EQ(h.text("Form29.Label1"), "とにか首領ポッチーを連打してください！");
    h.wait(1999);
    EXPECT_TRUE(h.loaded("Form29"));
    h.wait(1);
    EXPECT_FALSE(h.loaded("Form29"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form30"});
    EXPECT_TRUE(h.boxes.empty());
}

TEST(BossMash, DamageEveryTenClicksButNotAtSeventyAndFleesAtAHundred) {
    Harness h;
    h.startAt("Form30");
    // The picture after each click, where it changes.
    const std::vector<std::pair<int, std::string>> stages{
        {10, "boss_damage1"}, {20, "boss_damage2"}, {30, "boss_damage3"}, {40, "boss_damage4"},
        {50, "boss_damage5"}, {60, "boss_damage6"}, {80, "boss_damage7"}, {90, "boss_damage8"}};
    std::string expected = "boss_portrait";
    for (int click = 1; click <= 99; ++click) {
        h.click("Form30.Image1");
        for (const auto& [at, picture] : stages) {
            if (at == click) expected = picture;
        }
        ASSERT_EQ(h.text("Form30.Image1"), expected) << "after click " << click;
    }
    EXPECT_TRUE(h.boxes.empty());
    h.wait(60000);  // no time limit
    EXPECT_TRUE(h.loaded("Form30"));
    h.click("Form30.Image1");
    auto boxes = h.takeBoxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.front(), "首領ポッチーはにげた！");
    EXPECT_EQ(std::vector<std::string>(boxes.begin() + 1, boxes.end()), kChaseRules);
    EXPECT_FALSE(h.loaded("Form30"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form31"});
}

struct Chase : ::testing::Test {
    Harness h;
    Form31& f = h.game.Form31;
    GameTime rulesClosed = 0;
    void SetUp() override {
        h.startAt("Form31");
        rulesClosed = h.runtime.now();
        h.takeBoxes();
    }
    void step(const char* arrow, int times = 1) {
        for (int i = 0; i < times; ++i) h.click(std::string("Form31.") + arrow);
    }
};

TEST(ChaseRules, NoTimerRunsUntilTheThirdRuleBoxIsClosed) {
    Harness h;
    std::vector<size_t> runningAtBox;
    h.whileBoxOpen = [&](const std::string&) {
        const auto& timers = h.runtime.runningTimers();
        runningAtBox.push_back(std::count_if(timers.begin(), timers.end(), [&](const Timer* t) {
            return &t->scene() == &h.game.Form31;
        }));
    };
    h.startAt("Form31");
    EXPECT_EQ(h.takeBoxes(), kChaseRules);
    EXPECT_EQ(runningAtBox, (std::vector<size_t>{0, 0, 0}));
    EXPECT_EQ(h.game.Form31.Timer1.interval(), 2000);
    EXPECT_EQ(h.game.Form31.Timer2.interval(), 1);
    EXPECT_EQ(h.game.Form31.Timer3.interval(), 1);
    EXPECT_EQ(h.game.Form31.Timer4.interval(), 20000);
}

TEST_F(Chase, NoArrowClickLosesTwentySecondsAfterTheRules) {
    h.wait(19999);
    EXPECT_TRUE(h.loaded("Form31"));
    EXPECT_TRUE(h.boxes.empty());
    h.wait(1);
    EXPECT_EQ(h.runtime.now() - rulesClosed, 20000);
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{kLost});
    EXPECT_FALSE(h.loaded("Form31"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form11"});
}

TEST_F(Chase, TheFirstFlightFromTheStartIsDiagonallyAway) {
    h.wait(1999);
    EXPECT_FLOAT_EQ(f.Image2.left(), 4000);
    h.wait(1);
    EXPECT_FLOAT_EQ(f.Image2.left(), 4400);
    EXPECT_FLOAT_EQ(f.Image2.top(), 4400);
}

struct FlightCase {
    float hero, boss, after;  // one axis; the other is kept far apart
};

class Flight : public ::testing::TestWithParam<FlightCase> {};

TEST_P(Flight, StepsAwayOrTowardsZeroWhenLevelAndStaysOnTheField) {
    const FlightCase c = GetParam();
    for (bool onLeft : {true, false}) {
        SCOPED_TRACE(onLeft ? "Left" : "Top");
        Harness h;
        h.startAt("Form31");
        Form31& f = h.game.Form31;
        // The other axis: hero at 0, boss at 4000, so the boss steps to 4400 there.
        if (onLeft) {
            f.Image1.move(c.hero, 0);
            f.Image2.move(c.boss, 4000);
        } else {
            f.Image1.move(0, c.hero);
            f.Image2.move(4000, c.boss);
        }
        h.wait(2000);
        EXPECT_FLOAT_EQ(onLeft ? f.Image2.left() : f.Image2.top(), c.after);
        EXPECT_FLOAT_EQ(onLeft ? f.Image2.top() : f.Image2.left(), 4400);
    }
}

INSTANTIATE_TEST_SUITE_P(Axes, Flight,
                         ::testing::Values(FlightCase{1200, 4000, 4400}, FlightCase{6000, 4000, 3600},
                                           FlightCase{2000, 2000, 1600}, FlightCase{0, 0, 0},
                                           FlightCase{400, 7600, 7600}, FlightCase{7600, 0, 0},
                                           FlightCase{400, 400, 0}));

TEST_F(Chase, TheHeroStaysOnTheField) {
    f.Image2.move(7600, 7600);
    f.Timer1.setInterval(0);
    step("Command4", 5);  // from 1200: 800, 400, 0, then held at 0
    h.wait(1);
    step("Command4");
    h.wait(1);
    EXPECT_FLOAT_EQ(f.Image1.left(), 0);
    f.Image1.move(7600, 1200);
    step("Command2");
    h.wait(1);
    EXPECT_FLOAT_EQ(f.Image1.left(), 7600);
    step("Command1", 4);
    h.wait(1);
    EXPECT_FLOAT_EQ(f.Image1.top(), 0);
    f.Image1.move(0, 7600);
    step("Command3");
    h.wait(1);
    EXPECT_FLOAT_EQ(f.Image1.top(), 7600);
}

TEST_F(Chase, ReachingTheBossJustBeforeHisFlightCatchesHim) {
    h.wait(1998);
    step("Command2", 7);  // (4000, 1200)
    step("Command3", 7);  // (4000, 4000), where the boss stands
    EXPECT_TRUE(h.loaded("Form31"));
    h.wait(1);
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"捕まえた！"});
    EXPECT_FALSE(h.loaded("Form31"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form32"});
    h.wait(30000);
    EXPECT_FALSE(std::any_of(h.boxes.begin(), h.boxes.end(), [](const std::string& b) { return b == kLost; }));
}

TEST_F(Chase, OneMillisecondTooLateAndTheBossHasMoved) {
    h.wait(1999);
    step("Command2", 7);
    step("Command3", 7);
    h.wait(1);  // the flight comes before the catch test at the same moment
    EXPECT_TRUE(h.loaded("Form31"));
    EXPECT_FLOAT_EQ(f.Image2.left(), 3600);
    EXPECT_FLOAT_EQ(f.Image2.top(), 3600);
}

}  // namespace
}  // namespace zorb::test
