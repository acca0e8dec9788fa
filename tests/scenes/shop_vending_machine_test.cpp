// The vending machine: prices, what each drink gives and in which order it
// tells it, the free bottles, and going back to each town.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "harness/Harness.h"
#include "scenes/shop/Form6.h"

namespace zorb::test {
namespace {

using Lines = std::vector<std::string>;
using Store = std::map<int, std::string>;

enum : int { HP = 1, Bottles = 2, Money = 5, Water = 7 };

Store storeOf(const Harness& h) {
    Store s;
    for (int f : {HP, Bottles, Money, Water}) s[f] = h.store(f);
    return s;
}

struct BuyCase {
    const char* name;
    Store before;
    Lines clicks;
    Lines boxes;
    Store after;  // fields that differ from `before`
};

void PrintTo(const BuyCase& c, std::ostream* os) { *os << c.name; }

class Purchase : public ::testing::TestWithParam<BuyCase> {};

TEST_P(Purchase, ChargesAndGivesAsTheMachineSays) {
    const BuyCase& c = GetParam();
    Harness h;
    for (const auto& [f, v] : c.before) h.setStore(f, v);
    h.startAt("Form6");
    Store want = storeOf(h);
    for (const auto& [f, v] : c.after) want[f] = v;
    for (const auto& click : c.clicks) ASSERT_EQ(h.click("Form6." + click), ClickResult::Delivered);
    EXPECT_EQ(h.boxes, c.boxes);
    EXPECT_EQ(storeOf(h), want);
}

const char* kShort = "お金が足りません！";
const Lines kWater{"水を買いました！", "ゴクゴク", "水のおかげでHPが10アップした！", "水を手に入れた！"};
const Lines kSoda{"ソーダを買いました！", "ゴクゴク", "ソーダのおかげでペットボトルをひとつ手に入れた！"};
const Lines kCola{"コーラを買いました！", "ゴクゴク", "コーラのおかげでペットボトルとHP10を手に入れた！"};
const char* kBottle = "ごみ箱からペットボトルをひとつ見つけた！";

Lines join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

const BuyCase kBuys[] = {
    {"WaterWithExactlyEnoughThenNothingLeft", {{Money, "100"}}, {"Command1", "Command1"},
     join({kWater, {kShort}}), {{Money, "0"}, {HP, "110"}, {Water, "1"}}},
    {"WaterShort", {{Money, "99"}}, {"Command1"}, {kShort}, {}},
    {"SodaGivesABottle", {{Money, "150"}, {HP, "40"}}, {"Command2"}, kSoda, {{Money, "0"}, {Bottles, "1"}}},
    {"ColaShortAtTwoHundredFortyNineButSodaSells", {{Money, "249"}}, {"Command3", "Command2"},
     join({{kShort}, kSoda}), {{Money, "99"}, {Bottles, "1"}}},
    {"ColaGivesABottleAndHp", {{Money, "1000"}, {HP, "100"}, {Bottles, "2"}}, {"Command3"}, kCola,
     {{Money, "750"}, {HP, "110"}, {Bottles, "3"}}},
    {"EveryDrinkInTurn", {{Money, "500"}}, {"Command1", "Command2", "Command3", "Command1"},
     join({kWater, kSoda, kCola, {kShort}}), {{Money, "0"}, {HP, "120"}, {Water, "1"}, {Bottles, "2"}}},
    {"PriceLabelFindsABottleEachClick", {{Money, "0"}},
     Lines(10, "Label1"), Lines(10, kBottle), {{Bottles, "10"}}},
    {"SpotBesideTheColaFindsABottle", {{Bottles, "4"}}, {"Image2", "Image2"}, {kBottle, kBottle},
     {{Bottles, "6"}}},
    {"OtherPriceLabelsAreOnlyLabels", {{Money, "1000"}}, {"Label2", "Label3"}, {}, {}},
};

INSTANTIATE_TEST_SUITE_P(VendingMachine, Purchase, ::testing::ValuesIn(kBuys),
                         [](const auto& info) { return std::string(info.param.name); });

// The money goes at once; each drink's other gifts come where it tells them:
// the water's HP before its messages and the water itself after them.
TEST(VendingMachine, WritesTheStoreInTheOrderOfItsMessages) {
    Harness h;
    h.setStore(Money, "1000");
    h.startAt("Form6");
    Lines seen;
    h.whileBoxOpen = [&](const std::string& text) {
        seen.push_back(text + " ¥" + h.store(Money) + " HP" + h.store(HP) + " W" + h.store(Water) + " B" +
                       h.store(Bottles));
    };
    h.click("Form6.Command1");
    h.click("Form6.Command2");
    h.click("Form6.Command3");
    EXPECT_EQ(seen, (Lines{"水を買いました！ ¥900 HP110 W0 B0", "ゴクゴク ¥900 HP110 W0 B0",
                           "水のおかげでHPが10アップした！ ¥900 HP110 W0 B0", "水を手に入れた！ ¥900 HP110 W0 B0",
                           "ソーダを買いました！ ¥750 HP110 W1 B1", "ゴクゴク ¥750 HP110 W1 B1",
                           "ソーダのおかげでペットボトルをひとつ手に入れた！ ¥750 HP110 W1 B1",
                           "コーラを買いました！ ¥500 HP120 W1 B2", "ゴクゴク ¥500 HP120 W1 B2",
                           "コーラのおかげでペットボトルとHP10を手に入れた！ ¥500 HP120 W1 B2"}));
    EXPECT_EQ(h.store(Water), "1");
}

// --- going back ------------------------------------------------------------

struct TownCase {
    const char* name;
    const char* code;
    const char* town;
    bool townClosesItself;
};

void PrintTo(const TownCase& c, std::ostream* os) { *os << c.name; }

class MachineReturn : public ::testing::TestWithParam<TownCase> {};

// A town that closed itself loads afresh; the second town's inner machine
// leaves the town open, and OK only brings it to the front.
TEST_P(MachineReturn, OkGoesBackToTheTown) {
    const TownCase& c = GetParam();
    Harness h;
    h.startAt(c.town);
    Scene& town = *h.game.findScene(c.town);
    h.game.Form6.show();
    h.game.Form6.Text1.setText(c.code);
    if (c.townClosesItself) town.unload();
    const size_t mark = h.events.size();
    ASSERT_EQ(h.click("Form6.Command4"), ClickResult::Delivered);
    EXPECT_FALSE(h.loaded("Form6"));
    ASSERT_FALSE(h.shownScenes().empty());
    EXPECT_EQ(h.shownScenes().front(), c.town);
    Lines after(h.events.begin() + static_cast<long>(mark), h.events.end());
    EXPECT_EQ(after, (Lines{"0 unload Form6", "0 show " + std::string(c.town)}));
    // Unloaded only if it closed itself: the inner machine keeps the town as it was.
    int unloads = 0;
    for (const auto& e : h.events) unloads += e == "0 unload " + std::string(c.town);
    EXPECT_EQ(unloads, c.townClosesItself ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(VendingMachine, MachineReturn,
                         ::testing::Values(TownCase{"FirstTown", "3", "Form3", true},
                                           TownCase{"SecondTownWestCell", "13", "Form13", true},
                                           TownCase{"SecondTownEastCellStaysOpen", "13", "Form13", false},
                                           TownCase{"ThirdTown", "19", "Form19", true},
                                           TownCase{"FourthTown", "25", "Form25", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VendingMachine, OkDoesNothingForACodeOutsideTheTable) {
    for (const char* code : {"0", "7", "14", "20", "abc"}) {
        Harness h;
        h.startAt("Form6");
        h.set("Form6.Text1", code);
        const size_t before = h.events.size();
        EXPECT_EQ(h.click("Form6.Command4"), ClickResult::Delivered);
        EXPECT_TRUE(h.loaded("Form6")) << code;
        EXPECT_EQ(h.events.size(), before) << code;
    }
}

}  // namespace
}  // namespace zorb::test
