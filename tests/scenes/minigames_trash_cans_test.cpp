// The trash-can search: one fresh draw a click against each can's LED
// number; the snake's five lines and 10 HP; the HP watcher; the way back.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/Harness.h"
#include "scenes/minigames/Form15.h"

namespace zorb::test {
namespace {

long countDraws(const Harness& h) {
    return std::count_if(h.events.begin(), h.events.end(),
                         [](const std::string& e) { return e.find(" draw ") != std::string::npos; });
}

struct CanCase {
    int can;        // Command1..Command4
    int ledNumber;  // the draw that finds the LED in it
};

class TrashCan : public ::testing::TestWithParam<CanCase> {};

TEST_P(TrashCan, FindsTheLedOnlyOnItsOwnNumberAndIsBittenOtherwise) {
    const CanCase c = GetParam();
    const std::string button = "Form15.Command" + std::to_string(c.can);
    for (int drawn = 1; drawn <= 4; ++drawn) {
        SCOPED_TRACE("draw " + std::to_string(drawn));
        Harness h;
        h.setStore(1, "60");
        h.startAt("Form15");
        h.draw(drawn);
        ASSERT_EQ(h.click(button), ClickResult::Delivered);
        EXPECT_EQ(countDraws(h), 1);
        if (drawn == c.ledNumber) {
            EXPECT_EQ(h.takeBoxes(), Form15::kFoundLines);
            EXPECT_EQ(h.store(12), "1");
            EXPECT_EQ(h.store(1), "60");
            EXPECT_FALSE(h.loaded("Form15"));
            EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form16"});
        } else {
            EXPECT_EQ(h.takeBoxes(), Form15::kSnakeLines);
            EXPECT_EQ(h.store(12), "0");
            EXPECT_EQ(h.store(1), "50");
            EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form15"});
            EXPECT_EQ(std::count(h.events.begin(), h.events.end(), "0 beep"), 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cans, TrashCan,
                         ::testing::Values(CanCase{1, 4}, CanCase{2, 1}, CanCase{3, 2}, CanCase{4, 3}));

TEST(TrashCans, EverySearchDrawsAnewWhateverCameBefore) {
    Harness h;
    h.setStore(1, "1000");
    h.startAt("Form15");
    // The same can bitten three times, then lucky on the fourth try.
    for (int drawn : {1, 2, 3}) {
        h.draw(drawn);
        h.click("Form15.Command1");
        h.wait(1);
    }
    h.draw(4);
    h.click("Form15.Command1");
    EXPECT_EQ(countDraws(h), 4);
    EXPECT_EQ(h.store(1), "970");
    EXPECT_EQ(h.store(12), "1");
}

TEST(TrashCans, ShowsTheHpFromTheFirstMillisecond) {
    Harness h;
    h.setStore(1, "37");
    h.startAt("Form15");
    EXPECT_EQ(h.text("Form15.Label3"), "0");
    h.wait(1);
    EXPECT_EQ(h.text("Form15.Label3"), "37");
}

TEST(TrashCans, ThreeBitesFromTwentyFiveEndTheGameAfterTheThirdBitesLines) {
    Harness h;
    h.setStore(1, "25");
    h.startAt("Form15");
    for (int i = 0; i < 3; ++i) {
        h.draw(1);  // never the LED of Command1
        h.click("Form15.Command1");
        h.wait(1);
    }
    EXPECT_EQ(h.store(1), "-5");
    std::vector<std::string> expected;
    for (int i = 0; i < 3; ++i) expected.insert(expected.end(), Form15::kSnakeLines.begin(), Form15::kSnakeLines.end());
    expected.push_back(Form15::kBeaten);
    EXPECT_EQ(h.takeBoxes(), expected);
    EXPECT_FALSE(h.loaded("Form15"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form11"});
}

TEST(TrashCans, HpOfExactlyZeroGoesOnAndTheNextBiteEndsIt) {
    Harness h;
    h.setStore(1, "10");
    h.startAt("Form15");
    h.draw(1);
    h.click("Form15.Command1");
    h.wait(50);
    EXPECT_EQ(h.store(1), "0");
    EXPECT_TRUE(h.loaded("Form15"));
    EXPECT_EQ(h.text("Form15.Label3"), "0");
    h.takeBoxes();
    h.draw(1);
    h.click("Form15.Command1");
    const GameTime bitten = h.runtime.now();
    EXPECT_TRUE(h.loaded("Form15"));  // the watcher waits for its next tick
    h.wait(1);
    EXPECT_EQ(h.boxes.back(), Form15::kBeaten);
    EXPECT_EQ(h.events.back(), std::to_string(bitten + 1) + " show Form11");
    EXPECT_FALSE(h.loaded("Form15"));
}

TEST(TrashCans, OkOnTheLedGoesBackToTheSecondTownAfresh) {
    Harness h;
    h.setStore(11, "1");
    h.startAt("Form15");
    h.draw(4);
    h.click("Form15.Command1");
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form16"});
    h.click("Form16.Command1");
    EXPECT_FALSE(h.loaded("Form16"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form13"});
    EXPECT_EQ(h.text("Form13.Text1"), "5760");
    EXPECT_EQ(h.text("Form13.Text2"), "2880");
    h.wait(5);
    EXPECT_TRUE(h.visible("Form13.Image62"));  // the friend waits in the thorns now
}

}  // namespace
}  // namespace zorb::test
