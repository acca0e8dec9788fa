// The five cutscenes: their timings, pictures, boxes in order and exactly
// once, and the scene each hands over to.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "scenes/maps/Form13.h"
#include "scenes/minigames/Form23.h"
#include "scenes/story/Form17.h"
#include "scenes/story/Form22.h"
#include "scenes/story/Form28.h"
#include "scenes/story/Form32.h"

namespace zorb::test {
namespace {

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(WallCutscene, TheFriendGrowsAtOneThreeAndFiveSecondsThenTalks) {
    Harness h;
    h.setStore(12, "1");
    h.startAt("Form17");
    std::vector<bool> closeUpAtBox;
    h.whileBoxOpen = [&](const std::string&) { closeUpAtBox.push_back(h.visible("Form17.Image4")); };
    const std::vector<const char*> pictures{"Form17.Image2", "Form17.Image3", "Form17.Image4"};
    const std::vector<GameTime> at{1000, 3000, 5000};
    for (size_t i = 0; i < pictures.size(); ++i) {
        h.wait(at[i] - 1 - h.runtime.now());
        EXPECT_FALSE(h.visible(pictures[i]));
        h.wait(1);
        if (i + 1 < pictures.size()) EXPECT_TRUE(h.visible(pictures[i]));
    }
    EXPECT_TRUE(h.visible("Form17.Image1"));  // the smaller ones stay, covered
    EXPECT_EQ(h.takeBoxes(), Form17::kTalk);
    EXPECT_EQ(closeUpAtBox, (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(h.loaded("Form17"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form13"});
}

TEST(WallCutscene, TheSecondTownCarriesTheHeroOverTheWallByItself) {
    Harness h;
    h.setStore(12, "1");
    h.startAt("Form17");
    h.wait(5000);
    EXPECT_EQ(h.game.Form13.Timer15.interval(), 1);
    EXPECT_EQ(h.store(13), "0");
    h.wait(3000);
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form13"});
    EXPECT_EQ(h.text("Form13.Text1"), "2160");
    EXPECT_EQ(h.text("Form13.Text2"), "2160");
    EXPECT_EQ(h.store(13), "1");
    EXPECT_EQ(h.store(12), "1");  // the LED flag stays
}

TEST(TowerCutscene, ExplodesAtThreeSecondsAndHandsOverAtFourWithoutABox) {
    Harness h;
    h.startAt("Form21");
    h.wait(2999);
    EXPECT_TRUE(h.visible("Form21.Image1"));
    EXPECT_FALSE(h.visible("Form21.Image2"));
    h.wait(1);
    EXPECT_FALSE(h.visible("Form21.Image1"));
    EXPECT_TRUE(h.visible("Form21.Image2"));
    h.wait(999);
    EXPECT_TRUE(h.loaded("Form21"));
    h.wait(1);
    EXPECT_FALSE(h.loaded("Form21"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form22"});
    EXPECT_TRUE(h.boxes.empty());
}

TEST(ShopOwnerCall, FourLinesOnceThenTheRaceRulesOverTheCall) {
    Harness h;
    h.startAt("Form22");
    std::vector<std::string> frontAtBox;
    h.whileBoxOpen = [&](const std::string&) {
        frontAtBox.push_back(h.shownScenes().empty() ? "" : h.shownScenes().front());
    };
    h.wait(999);
    EXPECT_TRUE(h.boxes.empty());
    h.wait(1);
    const std::vector<std::string> rules{Form23::kRules[0], Form23::kRules[1], Form23::kRules[2]};
    EXPECT_EQ(h.takeBoxes(), concat(Form22::kTalk, rules));
    EXPECT_EQ(frontAtBox, std::vector<std::string>(7, "Form22"));  // the race's window comes after its rules
    EXPECT_FALSE(h.loaded("Form22"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form23"});
    h.wait(10000);
    EXPECT_TRUE(h.boxes.empty());
}

TEST(VillainBeaten, FourLinesOnceAtTwoSecondsThenTheBoss) {
    Harness h;
    h.startAt("Form28");
    h.wait(1999);
    EXPECT_TRUE(h.boxes.empty());
    h.wait(1);
    EXPECT_EQ(h.takeBoxes(), Form28::kTalk);
    EXPECT_NE(Form28::kTalk.back().find("首領（ドン）ポッチーおやびん"), std::string::npos);
    EXPECT_FALSE(h.loaded("Form28"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form29"});
    h.wait(3000);
    EXPECT_TRUE(h.boxes.empty());
}

TEST(BossSurrenders, OpensTheEndingTwoSecondsLaterInTheSameTick) {
    Harness h;
    h.startAt("Form32");
    EXPECT_EQ(h.text("Form32.Label1"), Form32::kApology);
    h.wait(1999);
    EXPECT_TRUE(h.loaded("Form32"));
    EXPECT_FALSE(h.loaded("Form33"));
    h.wait(1);
    EXPECT_FALSE(h.loaded("Form32"));
    EXPECT_EQ(h.shownScenes(), std::vector<std::string>{"Form33"});
    EXPECT_EQ(h.events.back(), "2000 unload Form32");
    EXPECT_EQ(h.events[h.events.size() - 2], "2000 show Form33");
    EXPECT_TRUE(h.boxes.empty());
}

}  // namespace
}  // namespace zorb::test
