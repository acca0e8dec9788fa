// The item box: its three uses on the store, and going back to each caller.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "harness/Harness.h"
#include "scenes/maps/Form13.h"
#include "scenes/maps/Form3.h"
#include "scenes/shop/Form5.h"

namespace zorb::test {
namespace {

using Lines = std::vector<std::string>;
using Store = std::map<int, std::string>;  // store field -> value

// Store fields the box reads or writes.
enum : int { HP = 1, Bottles = 2, Medicine = 3, Candy = 4, Level = 6, Water = 7, Bombs = 8 };

Store storeOf(const Harness& h) {
    Store s;
    for (int f : {HP, Bottles, Medicine, Candy, Level, Water, Bombs}) s[f] = h.store(f);
    return s;
}

// The labels agree with the store while the box is open.
std::map<std::string, std::string> countsOf(const Harness& h) {
    return {{"water", h.text("Form5.Label2")},
            {"bottles", h.text("Form5.Label4")},
            {"candy", h.text("Form5.Label6")},
            {"medicine", h.text("Form5.Label8")}};
}

struct UseCase {
    const char* name;
    Store before;  // fields not named keep the store's initial values
    Lines clicks;
    Lines boxes;
    Store after;  // fields that differ from `before`
};

void PrintTo(const UseCase& c, std::ostream* os) { *os << c.name; }

class ItemUse : public ::testing::TestWithParam<UseCase> {};

TEST_P(ItemUse, ChangesLabelsAndStoreTogether) {
    const UseCase& c = GetParam();
    Harness h;
    for (const auto& [f, v] : c.before) h.setStore(f, v);
    h.startAt("Form5");
    Store want = storeOf(h);
    for (const auto& [f, v] : c.after) want[f] = v;
    for (const auto& click : c.clicks) {
        ASSERT_EQ(h.click("Form5." + click), ClickResult::Delivered);
        EXPECT_EQ(h.text("Form5.Text1"), "0") << "after " << click;
    }
    EXPECT_EQ(h.boxes, c.boxes);
    EXPECT_EQ(storeOf(h), want);
    EXPECT_EQ(countsOf(h), (std::map<std::string, std::string>{{"water", want[Water]},
                                                                {"bottles", want[Bottles]},
                                                                {"candy", want[Candy]},
                                                                {"medicine", want[Medicine]}}));
}

const char* kBuilt = "ボトロンがひとつ完成しました！";
const char* kShort = "ペットボトルかドライアイスが足りないよ！！！";
const char* kCandy = "おいしいあめによりポッチーのレベルが1上がった！！！";
const char* kMedicine = "回復の薬のおかげでHPが20アップした！";

const UseCase kUses[] = {
    {"BombFromOneWaterAndOneBottle", {{Water, "1"}, {Bottles, "1"}}, {"Command1"}, {kBuilt},
     {{Water, "0"}, {Bottles, "0"}, {Bombs, "1"}}},
    {"SecondBombHasNothingLeft", {{Water, "1"}, {Bottles, "1"}}, {"Command1", "Command1"}, {kBuilt, kShort},
     {{Water, "0"}, {Bottles, "0"}, {Bombs, "1"}}},
    {"BombWithWaterButNoBottle", {{Water, "3"}}, {"Command1"}, {kShort}, {}},
    {"BombWithABottleButNoWater", {{Bottles, "2"}}, {"Command1"}, {kShort}, {}},
    {"BombWithNeither", {}, {"Command1"}, {kShort}, {}},
    {"TwoBombsFromPlenty", {{Water, "3"}, {Bottles, "2"}, {Bombs, "4"}}, {"Command1", "Command1"},
     {kBuilt, kBuilt}, {{Water, "1"}, {Bottles, "0"}, {Bombs, "6"}}},
    {"CandyRaisesTheLevel", {{Candy, "2"}, {Level, "5"}}, {"Command2"}, {kCandy}, {{Candy, "1"}, {Level, "6"}}},
    {"NoCandyIsSilent", {{Level, "5"}}, {"Command2"}, {}, {}},
    {"MedicineHasNoUpperLimit", {{HP, "95"}, {Medicine, "1"}}, {"Command3"}, {kMedicine},
     {{HP, "115"}, {Medicine, "0"}}},
    {"MedicineRunsOutSilently", {{HP, "50"}, {Medicine, "1"}}, {"Command3", "Command3"}, {kMedicine},
     {{HP, "70"}, {Medicine, "0"}}},
    {"NoMedicineIsSilent", {{HP, "50"}}, {"Command3"}, {}, {}},
};

INSTANTIATE_TEST_SUITE_P(ItemBox, ItemUse, ::testing::ValuesIn(kUses),
                         [](const auto& info) { return std::string(info.param.name); });

// The counts are taken when the box loads; what is there is decided by the
// labels, so water bought under the open box cannot be used until it reopens.
TEST(ItemBox, DecidesByTheCountsTakenWhenItLoaded) {
    Harness h;
    h.setStore(Bottles, "1");
    h.startAt("Form5");
    h.setStore(Water, "1");
    h.click("Form5.Command1");
    EXPECT_EQ(h.boxes, Lines{kShort});
    EXPECT_EQ(h.store(Water), "1");
    EXPECT_EQ(h.store(Bombs), "0");
    EXPECT_EQ(h.text("Form5.Label2"), "0");
}

// Nothing in the game takes items from the store behind the open box, but
// should the store run out meanwhile, no use takes a count below 0.
TEST(ItemBox, NeverTakesTheStoreBelowZeroWhenItRanOutBehindTheBox) {
    Harness h;
    for (int f : {Water, Bottles, Candy, Medicine}) h.setStore(f, "2");
    h.startAt("Form5");
    for (int f : {Water, Bottles, Candy, Medicine}) h.setStore(f, "0");
    h.click("Form5.Command1");
    h.click("Form5.Command2");
    h.click("Form5.Command3");
    EXPECT_EQ(h.boxes, Lines{kShort});
    for (int f : {Water, Bottles, Candy, Medicine, Bombs, Level}) EXPECT_EQ(h.store(f), "0") << f;
    EXPECT_EQ(h.store(HP), "100");
}

// --- going back ------------------------------------------------------------

struct CallerCase {
    const char* code;
    const char* caller;
    bool callerClosesItself;  // only the first town
    bool map;                 // maps make OK visible; the battles do not
};

void PrintTo(const CallerCase& c, std::ostream* os) { *os << c.code; }

class ItemBoxReturn : public ::testing::TestWithParam<CallerCase> {};

// Opened the way each caller opens it; after OK the caller is in front.
// The first town had closed itself and loads afresh; every other caller was
// never unloaded, so it is still as it was.
TEST_P(ItemBoxReturn, OkGoesBackToTheCaller) {
    const CallerCase& c = GetParam();
    Harness h;
    h.setStore(Medicine, "1");
    h.startAt(c.caller);
    Scene& caller = *h.game.findScene(c.caller);
    h.game.Form5.show();
    if (c.map) h.game.Form5.Command4.show();
    h.game.Form5.Text3.setText(c.code);
    if (c.callerClosesItself) caller.unload();
    h.click("Form5.Command3");  // a change made in the box outlives it
    h.wait(5);
    const size_t mark = h.events.size();
    ASSERT_EQ(h.click("Form5.Command4"), ClickResult::Delivered);
    EXPECT_FALSE(h.loaded("Form5"));
    ASSERT_FALSE(h.shownScenes().empty());
    EXPECT_EQ(h.shownScenes().front(), c.caller);
    EXPECT_TRUE(caller.loaded());
    EXPECT_EQ(h.store(HP), "120");

    Lines loads;
    for (size_t i = 0; i < h.events.size(); ++i) {
        const auto& e = h.events[i];
        if (e.find("unload " + std::string(c.caller)) != std::string::npos) loads.push_back("unload");
        if (i >= mark && e.find("show ") != std::string::npos) loads.push_back(e.substr(e.find(' ') + 1));
    }
    const std::string code = c.code;
    if (c.callerClosesItself) {
        EXPECT_EQ(loads, (Lines{"unload", "show Form3"}));
    } else if (code == "7" || code == "9") {
        EXPECT_EQ(loads, (Lines{"show " + std::string(c.caller)}));  // to the front, not reloaded
    } else {
        EXPECT_TRUE(loads.empty());  // only the box closes
    }
}

INSTANTIATE_TEST_SUITE_P(
    ItemBox, ItemBoxReturn,
    ::testing::Values(CallerCase{"3", "Form3", true, true}, CallerCase{"7", "Form7", false, true},
                      CallerCase{"9", "Form9", false, true}, CallerCase{"13", "Form13", false, true},
                      CallerCase{"14", "Form14", false, true}, CallerCase{"19", "Form19", false, true},
                      CallerCase{"25", "Form25", false, true}, CallerCase{"10", "Form10", false, false},
                      CallerCase{"12", "Form12", false, false}, CallerCase{"20", "Form20", false, false}),
    [](const auto& info) { return std::string("Code") + info.param.code; });

// Through the maps' own ◎ button: the hero moved on the map is still where
// he was after OK, except in the first town, which starts again on its
// start cell.
struct MapCase {
    const char* map;
    const char* code;
    const char* xAfterOk;
};

void PrintTo(const MapCase& c, std::ostream* os) { *os << c.map; }

class MapItemButton : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapItemButton, OpensTheBoxWithTheMapsCodeAndComesBack) {
    const MapCase& c = GetParam();
    const std::string map = c.map;
    Harness h;
    h.startAt(map);
    h.set(map + ".Text1", "2160");
    ASSERT_EQ(h.click(map + ".Command5"), ClickResult::Delivered);
    EXPECT_EQ(h.text("Form5.Text3"), c.code);
    EXPECT_TRUE(h.visible("Form5.Command4"));
    EXPECT_EQ(h.loaded(map), map != "Form3");  // only the first town closes itself
    h.click("Form5.Command4");
    EXPECT_FALSE(h.loaded("Form5"));
    ASSERT_FALSE(h.shownScenes().empty());
    EXPECT_EQ(h.shownScenes().front(), map);
    EXPECT_EQ(h.text(map + ".Text1"), c.xAfterOk);
}

INSTANTIATE_TEST_SUITE_P(ItemBox, MapItemButton,
                         ::testing::Values(MapCase{"Form3", "3", "5760"}, MapCase{"Form7", "7", "2160"},
                                           MapCase{"Form9", "9", "2160"}, MapCase{"Form13", "13", "2160"}),
                         [](const auto& info) { return std::string(info.param.map); });

// A code outside the table leaves OK without effect; the box stays open.
TEST(ItemBox, OkDoesNothingForACodeOutsideTheTable) {
    for (const char* code : {"Text3", "0", "8", "11", "26"}) {
        Harness h;
        h.startAt("Form13");
        h.game.Form5.show();
        h.game.Form5.Text3.setText(code);
        const size_t before = h.events.size();
        EXPECT_EQ(h.click("Form5.Command4"), ClickResult::Delivered);
        EXPECT_TRUE(h.loaded("Form5")) << code;
        EXPECT_EQ(h.shownScenes().front(), "Form5") << code;
        EXPECT_EQ(h.events.size(), before) << code;
    }
}

}  // namespace
}  // namespace zorb::test
