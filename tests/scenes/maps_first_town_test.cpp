// The first town, the hero's house and the doctor's house: every trigger
// cell, walked onto, and the doctor's walk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maps_walk.h"

namespace zorb::test {
namespace {

const std::string kRefusal1 = "レベルを2以上にしないと開きません！";
const std::string kRefusal2 = "レベルは幽霊と戦うと増えます！";

TEST(FirstTown, EveryTriggerCell) {
    const std::vector<Trigger> table = {
        {"vending machine", {4320, 1440}, 'U', {}, {}, {{"Form6.Text1", "3"}}, "Form6"},
        {"sign", {5760, 2880}, 'L', {}, {"ここはマサラリーマンタウン。"}, {}, "Form3", Spot{5040, 2880}},
        {"hero's house", {2880, 2880}, 'U', {}, {"ここはポッチーの家"}, {}, "Form7"},
        {"doctor's door before the call", {1440, 2160}, 'L', {{"Form4.Text9", "0"}},
         {"博士の家だ！", "かぎがかかっている"}, {{"Form3.Text5", "1"}}, "Form3", Spot{720, 2160}},
        {"doctor's door after the call", {720, 2880}, 'U', {{"Form4.Text9", "1"}}, {"博士の家だ！"}, {}, "Form9"},
        {"grass without the technique", {4320, 2880}, 'U', {{"Form4.Text10", "0"}}, {}, {{"Form3.Timer13", "0"}},
         "Form3", Spot{4320, 2160}},
        {"grass with the technique", {5040, 2160}, 'L', {{"Form4.Text10", "1"}}, {}, {{"Form10.Text2", "3"}},
         "Form10"},
        {"rival's door at level 0", {1440, 720}, 'L', {{"Form4.Text6", "0"}}, {kRefusal1, kRefusal2}, {}, "Form3",
         Spot{720, 720}},
        {"rival's door at level 1", {720, 1440}, 'U', {{"Form4.Text6", "1"}}, {kRefusal1, kRefusal2}, {}, "Form3",
         Spot{720, 720}},
        {"rival's door at level 2", {1440, 720}, 'L', {{"Form4.Text6", "2"}},
         {"ポッチーのレベルでドアを開いた！", "ケンゾ：よく来たな、ポッチー！おまえもザルバを倒すつもりらしいな。",
          "ケンゾ：それなら、ここでどっちが強いか力比べといこうぜ！"},
         {},
         "Form12"},
        {"plain floor", {2160, 2160}, 'D', {}, {}, {}, "Form3", Spot{2160, 2880}},
    };
    for (const Trigger& t : table) playTrigger("Form3", t);
}

TEST(FirstTown, TheHouseOpensBeforeItsNameIsToldOverIt) {
    Harness h;
    h.startAt("Form3");
    place(h, "Form3", {2880, 2880});
    stepOnce(h, "Form3", 'U');
    const auto show = std::find_if(h.events.begin(), h.events.end(),
                                   [](const std::string& e) { return e.ends_with(" show Form7"); });
    const auto box = std::find_if(h.events.begin(), h.events.end(),
                                  [](const std::string& e) { return e.ends_with(" msgbox ここはポッチーの家"); });
    ASSERT_NE(show, h.events.end());
    ASSERT_NE(box, h.events.end());
    EXPECT_LT(show, box);
    EXPECT_FALSE(h.loaded("Form3"));
    EXPECT_EQ(heroAt(h, "Form7").x, 5760);
}

TEST(FirstTown, TheGrassWithoutTheTechniqueDoesNothingHoweverOftenTheHeroStepsThere) {
    Harness h;
    h.startAt("Form3");
    place(h, "Form3", {4320, 2880});
    walk(h, "Form3", "UDUDU");
    h.setStore(10, "1");  // learnt elsewhere later: nothing left waiting for it here
    h.wait(100);
    EXPECT_TRUE(h.boxes.empty());
    EXPECT_EQ(frontScene(h), "Form3");
    EXPECT_FALSE(h.loaded("Form10"));
}

TEST(FirstTown, TheSignThenTheWallBelowItShowsTheSignOnce) {
    Harness h;
    h.startAt("Form3");
    walk(h, "Form3", "LD");
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{"ここはマサラリーマンタウン。"});
    EXPECT_EQ(heroAt(h, "Form3").x, 5040);
    EXPECT_EQ(heroAt(h, "Form3").y, 2880);
}

TEST(FirstTown, TheLockedDoctorsDoorStaysLockedOnEveryVisit) {
    Harness h;
    h.startAt("Form3");
    place(h, "Form3", {1440, 2160});
    walk(h, "Form3", "LRL");
    EXPECT_EQ(h.takeBoxes(), (std::vector<std::string>{"博士の家だ！", "かぎがかかっている", "博士の家だ！",
                                                       "かぎがかかっている"}));
    EXPECT_EQ(h.text("Form3.Text5"), "1");
}

TEST(HerosHouse, EveryTriggerCell) {
    const std::vector<Trigger> table = {
        {"door", {1440, 720}, 'L', {}, {}, {}, "Form3"},
        {"newspaper", {5760, 2160}, 'U', {},
         {"新聞だ！", "新聞：ザルバが世界を支配し始めた。みなさん、くれぐれも気をつけてください。"
                      "研究によると、ザルバはペットボトル爆弾などに弱いことがわかっている。"},
         {}, "Form7", Spot{5760, 1440}},
        {"TV", {4320, 2880}, 'U', {},
         {"ニュースがやっている！", "ニュース：この村のケンゾ（けんぞ）さんが、ザルバを倒すために旅立ちました。"}, {},
         "Form7", Spot{4320, 2160}},
        {"desk", {2880, 2880}, 'U', {}, {"父：こら、ポッチー！机の上に乗るんじゃない！"}, {}, "Form7",
         Spot{2880, 2160}},
        {"father", {2880, 720}, 'D', {}, {}, {}, "Form8"},
        {"visitor", {720, 2160}, 'U', {{"Form4.Text9", "0"}}, {"お！君がポッチーか！", "博士が呼んでたぞ！"},
         {{"Form4.Text9", "1"}}, "Form7", Spot{720, 1440}},
        {"visitor again", {1440, 1440}, 'L', {{"Form4.Text9", "1"}}, {"お！君がポッチーか！", "博士が呼んでたぞ！"},
         {{"Form4.Text9", "1"}}, "Form7", Spot{720, 1440}},
    };
    for (const Trigger& t : table) playTrigger("Form7", t);
}

TEST(HerosHouse, TheFirstTownsDoorLeadsInAndTheHouseDoorLeadsBackAfresh) {
    Harness h;
    h.startAt("Form3");
    place(h, "Form3", {2880, 2880});
    stepOnce(h, "Form3", 'U');
    walk(h, "Form7", "LLLLLLLUUU");  // along the bottom row, up past the visitor to the door
    EXPECT_EQ(h.store(9), "1");
    EXPECT_EQ(frontScene(h), "Form3");
    EXPECT_FALSE(h.loaded("Form7"));
    EXPECT_EQ(heroAt(h, "Form3").x, 5760);
    EXPECT_EQ(heroAt(h, "Form3").y, 2880);
}

TEST(DoctorsHouse, TheDoorLeadsBackToTheFirstTown) {
    playTrigger("Form9", {"door", {720, 1440}, 'U', {}, {}, {}, "Form3"});
}

const std::vector<std::string> kLesson = {
    "博士：いやあ、待たせてすまんかったのう。",
    "博士：実はな、ポッチーに渡したいものがあるんじゃ。",
    "博士：これじゃ。受け取ってくれ。",
    "ポッチーは、わざ機械01を手に入れた！",
    "わざ機械のおかげで、リンチの技が使えるようになった！",
    "ポッチー：博士、ありがとうございます！",
    "博士：うむ。ザルバを倒すために、しっかりがんばるんじゃぞ！",
};
const std::string kNote = "ちょっと待ってってくれ。博士より。";

TEST(DoctorsHouse, TheNoteBringsTheDoctorInAndSevenSecondsLaterTheLessonSendsTheHeroToTheGrass) {
    Harness h;
    h.startAt("Form9");
    place(h, "Form9", {2880, 2880});
    ASSERT_EQ(h.click("Form9.Command1"), ClickResult::Delivered);
    h.wait(kStep);
    EXPECT_EQ(h.takeBoxes(), std::vector<std::string>{kNote});
    const GameTime noted = h.runtime.now() - kStep + 5;  // the note's check ran on the step's fifth tick
    // The doctor's path: in at the left edge of row 1, along it, down beside the note.
    const std::vector<Spot> path = {{0, 720}, {720, 720}, {1440, 720}, {2160, 720}, {2880, 720}, {2880, 1440}};
    auto& doctor = static_cast<Image&>(h.control("Form9.Image62"));
    for (const Spot& cell : path) {
        h.wait(noted + 1000 * (&cell - path.data() + 1) - h.runtime.now());
        EXPECT_EQ(doctor.left(), cell.x);
        EXPECT_EQ(doctor.top(), cell.y);
        EXPECT_FALSE(h.visible("Form9.Command1"));  // he comes; the hero waits
        EXPECT_TRUE(h.loaded("Form9"));
    }
    EXPECT_TRUE(h.boxes.empty());
    h.wait(noted + 7000 - h.runtime.now());
    EXPECT_EQ(h.takeBoxes(), kLesson);
    EXPECT_EQ(h.store(10), "1");
    EXPECT_FALSE(h.loaded("Form9"));
    ASSERT_EQ(frontScene(h), "Form3");
    EXPECT_EQ(heroAt(h, "Form3").x, 5760);
    // The grass now leads to the ghost.
    place(h, "Form3", {4320, 2880});
    stepOnce(h, "Form3", 'U');
    EXPECT_TRUE(h.loaded("Form10"));
    EXPECT_EQ(h.text("Form10.Text2"), "3");
}

TEST(DoctorsHouse, TheNoteAgainDuringTheWalkRestartsTheSecondButNotTheWalk) {
    Harness h;
    h.startAt("Form9");
    place(h, "Form9", {2880, 2880});
    stepOnce(h, "Form9", 'U');
    h.wait(100);
    stepOnce(h, "Form9", 'D');  // off the note and straight back before the doctor's first step
    stepOnce(h, "Form9", 'U');
    EXPECT_EQ(h.takeBoxes(), (std::vector<std::string>{kNote, kNote}));
    const GameTime again = h.runtime.now() - kStep + 5;
    auto& doctor = static_cast<Image&>(h.control("Form9.Image62"));
    h.wait(again + 999 - h.runtime.now());
    EXPECT_EQ(doctor.left(), 3600);  // still outside
    h.wait(1);
    EXPECT_EQ(doctor.left(), 0);
    EXPECT_EQ(doctor.top(), 720);
    h.wait(6000);
    EXPECT_EQ(h.takeBoxes(), kLesson);
    EXPECT_EQ(frontScene(h), "Form3");
}

TEST(DoctorsHouse, ASecondVisitRepeatsTheNoteTheWalkAndTheLesson) {
    Harness h;
    h.setStore(10, "1");
    h.startAt("Form9");
    EXPECT_EQ(h.text("Form9.Text5"), "1");
    EXPECT_EQ(static_cast<Image&>(h.control("Form9.Image62")).left(), 3600);
    place(h, "Form9", {2880, 2880});
    stepOnce(h, "Form9", 'U');
    h.wait(7000);
    EXPECT_EQ(h.boxes.size(), 1 + kLesson.size());
    EXPECT_EQ(h.store(10), "1");
    EXPECT_EQ(frontScene(h), "Form3");
}

}  // namespace
}  // namespace zorb::test
