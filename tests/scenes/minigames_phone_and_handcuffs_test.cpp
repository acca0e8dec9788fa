// The phone-line race, which only the shop owner's walk ends, and the
// handcuff defence: four rows, the strict line, the 20-s win.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "scenes/minigames/Form23.h"
#include "scenes/minigames/Form24.h"

namespace zorb::test {
namespace {

std::vector<std::string> phoneRules() { return {Form23::kRules[0], Form23::kRules[1], Form23::kRules[2]}; }
std::vector<std::string> handcuffRules() {
    return {Form24::kRules[0], Form24::kRules[1], Form24::kRules[2], Form24::kRules[3]};
}
const std::vector<std::string> kPolice{"ポッチーは警察に通報された！", "ポッチーは警察署に中で逃亡を図った！"};

TEST(PhoneRace, RulesAtLoadAndTheTelephoneMovesTheHeroEvenBeforeTheStart) {
    Harness h;
    h.startAt("Form23");
    EXPECT_EQ(h.takeBoxes(), phoneRules());
    h.click("Form23.Image1");
    h.click("Form23.Image1");
    EXPECT_FLOAT_EQ(h.game.Form23.Image3.left(), 7360);
    h.wait(10000);
    EXPECT_FLOAT_EQ(h.game.Form23.Image2.left(), 7560);  // he waits for the start
    EXPECT_TRUE(h.loaded("Form23"));
    EXPECT_TRUE(h.boxes.empty());
}

class PhoneRaceClicks : public ::testing::TestWithParam<int> {};

// However the player clicks, the shop owner finishes strictly past 1800 on
// his 58th step, and the same two boxes and the same scene follow.
TEST_P(PhoneRaceClicks, EndsOnTheShopOwnersFiftyEighthStep) {
    const int clicks = GetParam();
    Harness h;
    h.startAt("Form23");
    h.takeBoxes();
    h.click("Form23.Command1");
    const GameTime start = h.runtime.now();
    EXPECT_FALSE(h.visible("Form23.Command1"));
    for (int i = 0; i < clicks; ++i) h.click("Form23.Image1");
    EXPECT_FLOAT_EQ(h.game.Form23.Image3.left(), 7560.0f - 100.0f * clicks);
    h.wait(5700);
    EXPECT_FLOAT_EQ(h.game.Form23.Image2.left(), 1860);
    h.wait(99);
    EXPECT_TRUE(h.loaded("Form23"));
    EXPECT_TRUE(h.boxes.empty());
    h.wait(1);
    EXPECT_EQ(h.runtime.now() - start, 5800);
    std::vector<std::string> expected = kPolice;
    const auto rules = handcuffRules();
    expected.insert(expected.end(), rules.begin(), rules.end());
    EXPECT_EQ(h.takeBoxes(), expected);
    EXPECT_FALSE(h.loaded("Form23"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form24"});
    h.wait(200);
    EXPECT_TRUE(std::find(h.boxes.begin(), h.boxes.end(), kPolice[0]) == h.boxes.end());
}

INSTANTIATE_TEST_SUITE_P(Clicks, PhoneRaceClicks, ::testing::Values(0, 10, 120));

TEST(PhoneRace, APositionOfExactly1800HasNotFinished) {
    Harness h;
    h.startAt("Form23");
    h.click("Form23.Command1");
    h.game.Form23.Image2.setLeft(1900.0f);
    h.wait(100);  // one step: 1800
    EXPECT_FLOAT_EQ(h.game.Form23.Image2.left(), 1800);
    h.wait(99);
    EXPECT_TRUE(h.loaded("Form23"));
    h.takeBoxes();
    h.wait(1);
    EXPECT_FALSE(h.loaded("Form23"));
    EXPECT_EQ(h.takeBoxes().front(), kPolice[0]);
}

TEST(Handcuffs, RulesThenAllFourCrossTogetherAfter4900msAndTheLossComesOnce) {
    Harness h;
    h.startAt("Form24");
    EXPECT_EQ(h.takeBoxes(), handcuffRules());
    const GameTime start = h.runtime.now();
    h.wait(4800);
    EXPECT_EQ(h.text("Form24.Text1"), "1200");  // on the line is safe
    EXPECT_FLOAT_EQ(h.game.Form24.Image4.left(), 1200);
    h.wait(99);
    EXPECT_TRUE(h.loaded("Form24"));
    h.wait(1);
    EXPECT_EQ(h.runtime.now() - start, 4900);
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"ポッチーは目の前が真っ暗になった！"});
    EXPECT_FALSE(h.loaded("Form24"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form11"});
    h.wait(30000);
    EXPECT_TRUE(h.boxes.empty());
    EXPECT_EQ(std::count(h.events.begin(), h.events.end(), std::to_string(start + 4900) + " show Form11"), 1);
    EXPECT_FALSE(h.loaded("Form25"));
}

TEST(Handcuffs, OneRowAloneLosesAndAPistolBuysASecond) {
    Harness h;
    h.startAt("Form24");
    // Rows 1, 2 and 4 pushed far away; row 3 pushed once.
    for (int i = 0; i < 30; ++i) {
        h.click("Form24.Image5");
        h.click("Form24.Image6");
        h.click("Form24.Image8");
    }
    h.click("Form24.Image7");
    EXPECT_EQ(h.text("Form24.Text1"), "36000");
    EXPECT_EQ(h.text("Form24.Text3"), "7000");
    EXPECT_FLOAT_EQ(h.game.Form24.Image3.left(), 6000);  // moves at the next step
    h.wait(100);
    EXPECT_FLOAT_EQ(h.game.Form24.Image3.left(), 6900);
    h.wait(5799);
    EXPECT_TRUE(h.loaded("Form24"));
    h.wait(1);
    EXPECT_FALSE(h.loaded("Form24"));
    EXPECT_EQ(h.text("Form24.Text3"), "1100");  // row 3 crossed; the others were far away
    EXPECT_EQ(h.text("Form24.Text1"), "30100");
}

TEST(Handcuffs, HoldingOutTwentySecondsWinsTenThousandYenOverTheFourthTown) {
    Harness h;
    h.setStore(5, "5000");
    h.startAt("Form24");
    h.takeBoxes();
    const GameTime start = h.runtime.now();
    std::vector<std::string> moneyAtBox, frontAtBox;
    h.whileBoxOpen = [&](const std::string&) {
        moneyAtBox.push_back(h.store(5));
        frontAtBox.push_back(h.shownScenes().empty() ? "" : h.shownScenes().front());
    };
    for (int second = 1; second <= 19; ++second) {
        for (const char* pistol : {"Form24.Image5", "Form24.Image6", "Form24.Image7", "Form24.Image8"}) {
            h.click(pistol);
        }
        h.wait(1000);
    }
    EXPECT_EQ(h.text("Form24.Label2"), "1");
    h.wait(start + 19999 - h.runtime.now());
    EXPECT_TRUE(h.loaded("Form24"));
    h.wait(1);
    EXPECT_EQ(h.takeBoxes(), (std::vector<std::string>{"何とか逃げ切れた！", "ポッチーはついでに1万円を盗んだ。", "NEXT!!!!!!"}));
    EXPECT_EQ(moneyAtBox, (std::vector<std::string>{"5000", "15000", "15000"}));
    EXPECT_EQ(frontAtBox, (std::vector<std::string>{"Form25", "Form25", "Form25"}));
    EXPECT_EQ(h.store(5), "15000");
    EXPECT_FALSE(h.loaded("Form24"));
    EXPECT_FALSE(h.loaded("Form11"));
}

TEST(Handcuffs, TheCountdownOnlyShowsTheTime) {
    Harness h;
    h.startAt("Form24");
    for (int i = 0; i < 100; ++i) {
        for (const char* pistol : {"Form24.Image5", "Form24.Image6", "Form24.Image7", "Form24.Image8"}) {
            h.click(pistol);
        }
    }
    h.set("Form24.Label2", "3");
    h.wait(3000);
    EXPECT_EQ(h.text("Form24.Label2"), "0");
    h.wait(2000);
    EXPECT_EQ(h.text("Form24.Label2"), "-2");
    EXPECT_TRUE(h.loaded("Form24"));  // only the 20-s clock decides
    h.wait(15000);
    EXPECT_TRUE(h.loaded("Form25"));
}

}  // namespace
}  // namespace zorb::test
