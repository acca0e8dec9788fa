// The opening, the game-over scene and the ending, played through the harness.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "scenes/story/Form2.h"
#include "scenes/story/Form11.h"

namespace zorb::test {
namespace {

TEST(Title, ChangesItsTextAtTwoSecondsAndOpensTheStoreAndIntroductionAtThree) {
    Harness h;
    h.start();
    h.wait(1999);
    EXPECT_EQ(h.text("Form1.Label1"), "ZORBLAND");
    EXPECT_TRUE(h.visible("Form1.Label2"));
    h.wait(1);
    EXPECT_EQ(h.text("Form1.Label1"), "始まるよ｡");
    EXPECT_FALSE(h.visible("Form1.Label2"));
    h.wait(999);
    EXPECT_TRUE(h.loaded("Form1"));
    EXPECT_FALSE(h.loaded("Form4"));
    h.wait(1);
    EXPECT_FALSE(h.loaded("Form1"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form2"});
    EXPECT_EQ(h.store(1), "100");  // the store is there before the first map
    EXPECT_EQ(h.events, (std::vector<std::string>{"0 show Form1", "3000 show Form4", "3000 show Form2",
                                                  "3000 unload Form1"}));
}

TEST(Introduction, TurnsSevenPagesThenOpensTheFirstTown) {
    Harness h;
    h.start();
    h.wait(3000);
    EXPECT_EQ(h.text("Form2.Label1"), Form2::kPages[0]);
    for (int page = 2; page <= 7; ++page) {
        ASSERT_EQ(h.click("Form2.Command1"), ClickResult::Delivered);
        EXPECT_EQ(h.text("Form2.Label1"), Form2::kPages[page - 1]);
        EXPECT_EQ(h.text("Form2.Text1"), std::to_string(page));
        EXPECT_FALSE(h.loaded("Form3"));
    }
    h.click("Form2.Command1");
    EXPECT_FALSE(h.loaded("Form2"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form3"});
    EXPECT_TRUE(h.boxes.empty());
}

TEST(Introduction, ClickingTheTitlePictureDoesNothing) {
    Harness h;
    h.start();
    EXPECT_EQ(h.click("Form1.Image1"), ClickResult::Delivered);
    h.wait(3000);
    EXPECT_TRUE(h.boxes.empty());
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form2"});
    EXPECT_EQ(h.store(1), "100");
}

TEST(GameOver, LogoTellsTheAddressEachTimeAndTheHeroButtonEndsAtOnce) {
    Harness h;
    h.startAt("Form11");
    for (int i = 0; i < 3; ++i) h.click("Form11.Image1");
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>(3, Form11::kMakerAddress));
    EXPECT_TRUE(h.loaded("Form11"));
    EXPECT_FALSE(h.ended);
    h.click("Form11.Command1");
    EXPECT_TRUE(h.ended);
    EXPECT_TRUE(h.boxes.empty());
    EXPECT_EQ(h.events.back(), "0 end");
}

// Which of the ending's four parts is on screen.
std::string endingShows(Harness& h) {
    std::string shown;
    for (const char* c : {"Form33.Label1", "Form33.Label2", "Form33.Image1", "Form33.Label3"}) {
        if (h.visible(c)) shown += std::string(shown.empty() ? "" : "+") + (c + 7);
    }
    return shown;
}

TEST(Ending, ShowsOnePartAtATimeForThreeSecondsEachThenTheCards) {
    Harness h;
    h.startAt("Form33");
    const struct {
        GameTime at;
        const char* shown;
    } timeline[] = {{0, "Label1"}, {2999, "Label1"}, {3000, "Label2"}, {5999, "Label2"},
                    {6000, "Image1"}, {8999, "Image1"}, {9000, "Label3"}, {11999, "Label3"}};
    for (const auto& step : timeline) {
        h.wait(step.at - h.runtime.now());
        EXPECT_EQ(endingShows(h), step.shown) << "at " << step.at;
    }
    EXPECT_FALSE(h.loaded("Form34"));
    h.wait(1);
    EXPECT_FALSE(h.loaded("Form33"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form34"});
}

TEST(ClosingCards, ShowEachCardInTurnAndEndSeventyTwoSecondsAfterOpening) {
    Harness h;
    h.startAt("Form34");
    auto shownCard = [&] {
        int shown = 0;
        for (int n = 1; n <= 12; ++n) {
            if (h.visible("Form34.Image" + std::to_string(n))) {
                EXPECT_EQ(shown, 0) << "two cards at once";
                shown = n;
            }
        }
        return shown;
    };
    EXPECT_EQ(shownCard(), 1);
    EXPECT_EQ(h.text("Form34.Timer1"), "7000");
    h.wait(6999);
    EXPECT_EQ(shownCard(), 1);
    h.wait(1);
    EXPECT_EQ(shownCard(), 2);
    EXPECT_EQ(h.text("Form34.Timer1"), "5000");
    for (int n = 3; n <= 12; ++n) {
        h.wait(4999);
        EXPECT_EQ(shownCard(), n - 1);
        h.wait(1);
        EXPECT_EQ(shownCard(), n) << "at " << h.runtime.now();
    }
    h.wait(14999);  // the closing card stays up
    EXPECT_EQ(shownCard(), 12);
    EXPECT_FALSE(h.ended);
    h.wait(1);
    EXPECT_TRUE(h.ended);
    EXPECT_EQ(h.runtime.now(), 72000);
    EXPECT_TRUE(h.boxes.empty());
}

}  // namespace
}  // namespace zorb::test
