// The ambush and the safe-house escape: ザルバ's lines, his pace, the keys,
// the safe house that shuts for good, the hideout and the capture.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "scenes/minigames/Form26.h"
#include "scenes/minigames/Form27.h"

namespace zorb::test {
namespace {

TEST(Ambush, ThreeLinesTwoSecondsApartThenTheEscape) {
    Harness h;
    h.startAt("Form26");
    EXPECT_EQ(h.text("Form26.Label1"), Form26::kGreeting);
    struct Step {
        GameTime at;
        const char* line;
    };
    for (Step s : {Step{2000, Form26::kThreat}, Step{4000, Form26::kDontRun}, Step{6000, Form26::kRules}}) {
        h.wait(s.at - 1 - h.runtime.now());
        EXPECT_NE(h.text("Form26.Label1"), s.line);
        h.wait(1);
        EXPECT_EQ(h.text("Form26.Label1"), s.line);
    }
    h.wait(1999);
    EXPECT_FALSE(h.loaded("Form27"));
    h.wait(1);
    EXPECT_FALSE(h.loaded("Form26"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form27"});
    EXPECT_TRUE(h.boxes.empty());
    h.wait(10000);
    EXPECT_EQ(h.events.back(), "8000 unload Form26");
    EXPECT_EQ(h.events[h.events.size() - 2], "8000 show Form27");
}

struct Escape : ::testing::Test {
    Harness h;
    Form27& f = h.game.Form27;
    void SetUp() override {
        h.startAt("Form27");
        h.click("Form27.Command5");
    }
    // One arrow click, given a millisecond for the watches.
    void step(const char* arrow, int times = 1) {
        for (int i = 0; i < times; ++i) {
            ASSERT_EQ(h.click(std::string("Form27.") + arrow), ClickResult::Delivered);
            h.wait(1);
        }
    }
    // ザルバ out of the way, so that only what the test does counts.
    void sendChaserAway() {
        f.Timer1.setInterval(0);
        f.Image2.move(-4000, -4000);
    }
};

TEST_F(Escape, StartShowsTheArrowsAndStandingStillIsCaughtOnTheFiftySixthStep) {
    for (const char* arrow : {"Form27.Command1", "Form27.Command2", "Form27.Command3", "Form27.Command4"}) {
        EXPECT_TRUE(h.visible(arrow));
    }
    EXPECT_FALSE(h.visible("Form27.Command5"));
    h.wait(150);
    EXPECT_FLOAT_EQ(f.Image2.left(), 5900);  // a diagonal step
    EXPECT_FLOAT_EQ(f.Image2.top(), 3500);
    h.wait(150 * 31);
    EXPECT_FLOAT_EQ(f.Image2.top(), 400);  // level with the hero after 32 steps
    EXPECT_FLOAT_EQ(f.Image2.left(), 2800);
    h.wait(150);
    EXPECT_FLOAT_EQ(f.Image2.top(), 400);
    EXPECT_FLOAT_EQ(f.Image2.left(), 2700);
    h.wait(150 * 23 - 1);
    EXPECT_TRUE(h.loaded("Form27"));
    h.wait(1);  // the 56th step, 8.4 s after the start
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"ザルバ：ばかめ！まだまだだな！"});
    EXPECT_FALSE(h.loaded("Form27"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form11"});
}

TEST_F(Escape, ArrowsMoveFourHundredWithNoBounds) {
    sendChaserAway();
    step("Command1", 3);
    EXPECT_FLOAT_EQ(f.Image1.top(), -800);
    step("Command4");
    EXPECT_FLOAT_EQ(f.Image1.left(), 0);
    step("Command2", 2);
    step("Command3");
    EXPECT_FLOAT_EQ(f.Image1.left(), 800);
    EXPECT_FLOAT_EQ(f.Image1.top(), -400);
}

TEST_F(Escape, BothKeysThenTheSafeHouseWinsWithoutABox) {
    sendChaserAway();
    step("Command2", 16);  // (6800, 400)
    step("Command3", 2);   // the first key at (6800, 1200)
    EXPECT_FALSE(h.visible("Form27.Image5"));
    step("Command3");
    step("Command1");      // and back onto its place: counted once
    EXPECT_EQ(h.text("Form27.Text1"), "1");
    step("Command3", 12);  // (6800, 6000)
    step("Command4", 14);  // the second key at (1200, 6000)
    EXPECT_EQ(h.text("Form27.Text1"), "2");
    EXPECT_FALSE(h.visible("Form27.Image6"));
    step("Command2", 15);  // the safe house at (7200, 6000)
    h.wait(2);
    EXPECT_FALSE(h.loaded("Form27"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form28"});
    EXPECT_TRUE(h.boxes.empty());
}

TEST_F(Escape, TheSafeHouseShutsForGoodWhenEnteredWithOneKey) {
    sendChaserAway();
    step("Command2", 16);
    step("Command3", 2);  // one key
    step("Command3", 12);
    step("Command2");     // (7200, 6000) with one key
    h.wait(5);
    EXPECT_TRUE(h.loaded("Form27"));
    EXPECT_EQ(f.Timer4.interval(), 0);
    step("Command4", 15);  // the second key
    EXPECT_EQ(h.text("Form27.Text1"), "2");
    step("Command2", 15);  // back into the safe house
    h.wait(100);
    EXPECT_TRUE(h.loaded("Form27"));
    EXPECT_FALSE(h.loaded("Form28"));
    EXPECT_TRUE(h.boxes.empty());
}

TEST_F(Escape, TheHideoutLosesAtOnceEvenWithBothKeys) {
    sendChaserAway();
    h.set("Form27.Text1", "2");
    step("Command2", 2);  // (1200, 400)
    step("Command3", 10); // (1200, 4400), the hideout
    EXPECT_FALSE(h.loaded("Form27"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form11"});
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"ザルバ：はっはっは！ばかめ！ここは俺のアジトだ！"});
    h.wait(1000);
    EXPECT_TRUE(h.boxes.empty());
}

TEST_F(Escape, TheChaserStepsOnlyOnTheAxesHeIsNotLevelOn) {
    struct Case {
        float heroLeft, heroTop, fromLeft, fromTop, toLeft, toTop;
    };
    for (Case c : {Case{400, 400, 2000, 400, 1900, 400}, Case{400, 400, 400, 2000, 400, 1900},
                   Case{4000, 4000, 2000, 2000, 2100, 2100}, Case{400, 4000, 2000, 2000, 1900, 2100},
                   Case{400, 400, 500, 300, 400, 400}}) {
        f.Image1.move(c.heroLeft, c.heroTop);
        f.Image2.move(c.fromLeft, c.fromTop);
        f.Timer1.setInterval(150);
        h.wait(150);
        EXPECT_FLOAT_EQ(f.Image2.left(), c.toLeft) << c.fromLeft << "," << c.fromTop;
        EXPECT_FLOAT_EQ(f.Image2.top(), c.toTop) << c.fromLeft << "," << c.fromTop;
        if (!h.loaded("Form27")) break;  // the last case is a catch
    }
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"ザルバ：ばかめ！まだまだだな！"});
}

}  // namespace
}  // namespace zorb::test
