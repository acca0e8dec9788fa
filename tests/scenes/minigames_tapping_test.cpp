// The shoulder-tapping game: the father's talk, ten seconds of tapping the
// fist on screen, 30 yen a tap, and back to the house.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "scenes/maps/Form7.h"
#include "scenes/minigames/Form8.h"

namespace zorb::test {
namespace {

// Through the talk to YES and スタート; returns the time スタート was pressed.
GameTime startTapping(Harness& h) {
    for (int i = 0; i < 3; ++i) h.click("Form8.Command1");
    h.click("Form8.Command2");
    h.click("Form8.Command4");
    return h.runtime.now();
}

TEST(ShoulderTapping, TalkStepsThenYesNoAndFurtherArrowsChangeNothing) {
    Harness h;
    h.startAt("Form8");
    EXPECT_EQ(h.text("Form8.Label1"), "お！ポッチーか！");
    h.click("Form8.Command1");
    EXPECT_EQ(h.text("Form8.Label1"), Form8::kHeroCall);
    h.click("Form8.Command1");
    EXPECT_EQ(h.text("Form8.Label1"), Form8::kOffer);
    EXPECT_FALSE(h.visible("Form8.Command2"));
    h.click("Form8.Command1");
    EXPECT_TRUE(h.visible("Form8.Command2"));
    EXPECT_TRUE(h.visible("Form8.Command3"));
    EXPECT_EQ(h.text("Form8.Text1"), "4");
    h.click("Form8.Command1");  // nothing left to say
    EXPECT_EQ(h.text("Form8.Text1"), "4");
    EXPECT_EQ(h.text("Form8.Label1"), Form8::kOffer);

    h.click("Form8.Command2");
    EXPECT_EQ(h.text("Form8.Label1"), Form8::kHowTo);
    for (const char* gone : {"Form8.Command1", "Form8.Command2", "Form8.Command3"}) EXPECT_FALSE(h.visible(gone));
    EXPECT_TRUE(h.visible("Form8.Command4"));
    EXPECT_FALSE(h.visible("Form8.Image2"));
    EXPECT_FALSE(h.visible("Form8.Image3"));
}

TEST(ShoulderTapping, NoLeavesForTheHouseWithoutPay) {
    Harness h;
    h.setStore(5, "100");
    h.startAt("Form8");
    for (int i = 0; i < 3; ++i) h.click("Form8.Command1");
    h.click("Form8.Command3");
    EXPECT_FALSE(h.loaded("Form8"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form7"});
    EXPECT_EQ(h.store(5), "100");
    EXPECT_TRUE(h.boxes.empty());
}

struct TapCase {
    int taps;
    const char* moneyAfter;  // from 100 yen
};

class ShoulderTappingPay : public ::testing::TestWithParam<TapCase> {};

TEST_P(ShoulderTappingPay, PaysThirtyYenATapAtTenSecondsWithBothClosingLines) {
    const TapCase c = GetParam();
    Harness h;
    h.setStore(5, "100");
    h.startAt("Form8");
    const GameTime start = startTapping(h);
    EXPECT_TRUE(h.visible("Form8.Image3"));  // the right shoulder first
    for (int i = 0; i < c.taps; ++i) {
        const char* fist = h.visible("Form8.Image3") ? "Form8.Image3" : "Form8.Image2";
        ASSERT_EQ(h.click(fist), ClickResult::Delivered);
        h.wait(10);
    }
    EXPECT_EQ(h.text("Form8.Text2"), std::to_string(c.taps));
    h.wait(start + 9999 - h.runtime.now());
    EXPECT_TRUE(h.loaded("Form8"));
    EXPECT_EQ(h.store(5), "100");
    h.wait(1);
    EXPECT_EQ(h.store(5), c.moneyAfter);
    EXPECT_EQ(h.takeBoxes(), (std::vector<std::string>{"ごくろうさん！", "てきとーにお金を加算しとくわ！"}));
    EXPECT_FALSE(h.loaded("Form8"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form7"});
    EXPECT_EQ(h.text("Form7.Text1"), "5760");
    EXPECT_EQ(h.text("Form7.Text2"), "2880");
}

INSTANTIATE_TEST_SUITE_P(Taps, ShoulderTappingPay,
                         ::testing::Values(TapCase{0, "100"}, TapCase{1, "130"}, TapCase{17, "610"}));

TEST(ShoulderTapping, OnlyTheFistOnScreenCounts) {
    Harness h;
    h.startAt("Form8");
    startTapping(h);
    EXPECT_EQ(h.click("Form8.Image2"), ClickResult::Hidden);
    EXPECT_EQ(h.text("Form8.Text2"), "0");
    h.click("Form8.Image3");
    EXPECT_TRUE(h.visible("Form8.Image2"));
    EXPECT_FALSE(h.visible("Form8.Image3"));
    EXPECT_EQ(h.click("Form8.Image3"), ClickResult::Hidden);
    EXPECT_EQ(h.text("Form8.Text2"), "1");
}

TEST(ShoulderTapping, EveryVisitStartsAfreshAndPaysAgain) {
    Harness h;
    h.startAt("Form8");
    for (int round = 1; round <= 2; ++round) {
        h.game.Form7.unload();
        h.game.Form8.show();
        EXPECT_EQ(h.text("Form8.Text2"), "0");
        EXPECT_EQ(h.text("Form8.Label1"), "お！ポッチーか！");
        startTapping(h);
        h.click("Form8.Image3");
        h.click("Form8.Image2");
        h.wait(10000);
        EXPECT_EQ(h.store(5), std::to_string(60 * round));
    }
}

}  // namespace
}  // namespace zorb::test
