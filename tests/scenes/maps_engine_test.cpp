// The map engine every map shares: the border on all four sides, one step
// at a time, the status panel following the store, the item button, and a
// fresh start after every unload.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maps_walk.h"

namespace zorb::test {
namespace {

const std::vector<std::string> kMaps = {"Form3", "Form7", "Form9", "Form13", "Form14", "Form19", "Form25"};

// A move into the border ends the step at once. Each map is tried from cells
// whose own trigger would show itself if any check ran: the start cell for
// → and ↓, and a trigger cell on row 1 for ↑ and on column 1 for ←.
struct BorderCase {
    std::string map;
    Spot top;   // on row 1
    Spot left;  // on column 1
};

const std::vector<BorderCase> kBorders = {
    {"Form3", {720, 720}, {720, 2160}},     // rival's garage, doctor's door
    {"Form7", {720, 720}, {720, 1440}},     // door, visitor
    {"Form9", {720, 720}, {720, 720}},      // door
    {"Form13", {3600, 720}, {720, 720}},    // a thorn bush, west vending machine
    {"Form14", {4320, 720}, {720, 720}},    // key, door
    {"Form19", {5760, 720}, {720, 2160}},   // vending machine, plain floor
    {"Form25", {720, 720}, {720, 2880}},    // notice board, hideout
};

TEST(MapEngine, AMoveIntoTheBorderOnAnySideEndsTheStepInPlaceWithNoCheck) {
    for (const BorderCase& c : kBorders) {
        const std::vector<std::pair<Spot, char>> moves = {
            {{5760, 2880}, 'R'}, {{5760, 2880}, 'D'}, {c.top, 'U'}, {c.left, 'L'}};
        for (const auto& [from, arrow] : moves) {
            SCOPED_TRACE(c.map + " " + arrow + " from " + std::to_string(from.x) + "," + std::to_string(from.y));
            Harness h;
            h.setStore(1, "100");
            h.startAt(c.map);
            h.wait(20);
            place(h, c.map, from);
            h.takeBoxes();
            stepOnce(h, c.map, arrow);
            EXPECT_TRUE(h.takeBoxes().empty());
            EXPECT_EQ(h.store(1), "100");
            EXPECT_EQ(beeps(h), 0);
            EXPECT_EQ(frontScene(h), c.map);
            const Spot hero = heroAt(h, c.map);
            EXPECT_EQ(hero.x, from.x);
            EXPECT_EQ(hero.y, from.y);
            EXPECT_EQ(h.text(c.map + ".Text3"), std::to_string(from.x));
            EXPECT_EQ(h.text(c.map + ".Text4"), std::to_string(from.y));
            auto& sprite = static_cast<Image&>(h.control(c.map + ".Image61"));
            EXPECT_EQ(sprite.left(), from.x);
            EXPECT_EQ(sprite.top(), from.y);
            EXPECT_TRUE(arrowsShown(h, c.map));
        }
    }
}

TEST(MapEngine, AStepHidesTheArrowsFromItsFirstTickUntilTheRedraw) {
    Harness h;
    h.startAt("Form3");
    ASSERT_EQ(h.click("Form3.Command1"), ClickResult::Delivered);
    // The sprite moves only at the redraw.
    EXPECT_EQ(static_cast<Image&>(h.control("Form3.Image61")).top(), 2880);
    h.wait(1);
    EXPECT_FALSE(h.visible("Form3.Command1"));
    EXPECT_TRUE(h.visible("Form3.Command5"));
    EXPECT_EQ(h.click("Form3.Command4"), ClickResult::Hidden);
    h.wait(kStep);
    EXPECT_TRUE(arrowsShown(h, "Form3"));
    EXPECT_EQ(static_cast<Image&>(h.control("Form3.Image61")).top(), 2160);
}

// Two clicks before the first tick would carry the hero two cells, and from
// row 1 past the border cell the border tests know, leaving him off the map
// with the arrows gone for good.
TEST(MapEngine, ArrowClicksBeforeTheStepHasRunAreIgnored) {
    for (const std::string& map : kMaps) {
        SCOPED_TRACE(map);
        Harness h;
        h.startAt(map);
        h.wait(20);
        place(h, map, {5760, 720});
        EXPECT_EQ(h.click(map + ".Command1"), ClickResult::Delivered);
        EXPECT_EQ(h.click(map + ".Command1"), ClickResult::Delivered);
        EXPECT_EQ(h.click(map + ".Command4"), ClickResult::Delivered);
        h.wait(kStep);
        const Spot hero = heroAt(h, map);
        EXPECT_EQ(hero.x, 5760);
        EXPECT_EQ(hero.y, 720);
        EXPECT_TRUE(arrowsShown(h, map));
        EXPECT_EQ(frontScene(h), map);
    }
}

TEST(MapEngine, OneCellPerStepAndTheNextStepIsTakenOnceTheRedrawHasRun) {
    Harness h;
    h.startAt("Form3");
    h.click("Form3.Command1");
    h.click("Form3.Command1");
    h.wait(kStep);
    EXPECT_EQ(heroAt(h, "Form3").y, 2160);
    stepOnce(h, "Form3", 'U');
    EXPECT_EQ(heroAt(h, "Form3").y, 1440);
}

TEST(MapEngine, TheStatusPanelShowsTheStoreOnLoadAndFollowsItWithin100ms) {
    // Label → store field: money, HP, level, water, bottles, medicine, candy, bombs.
    const std::vector<std::pair<std::string, int>> panel = {{"Label14", 5}, {"Label9", 1}, {"Label16", 6},
                                                            {"Label10", 7}, {"Label11", 2}, {"Label12", 3},
                                                            {"Label13", 4}, {"Label18", 8}};
    for (const std::string& map : kMaps) {
        SCOPED_TRACE(map);
        Harness h;
        for (auto& [label, field] : panel) h.setStore(field, std::to_string(10 * field + 1));
        h.startAt(map);
        for (auto& [label, field] : panel) EXPECT_EQ(h.text(map + "." + label), std::to_string(10 * field + 1));
        h.wait(37);  // anywhere in the refresh period
        for (auto& [label, field] : panel) h.setStore(field, std::to_string(field) + ".5");  // HP stays above 0: the second town watches it
        h.wait(99);
        for (auto& [label, field] : panel) {
            EXPECT_EQ(h.text(map + "." + label), std::to_string(field) + ".5") << label;
        }
    }
}

TEST(MapEngine, AFreshStartShowsHp100AndZerosInTheFirstTown) {
    Harness h;
    h.startAt("Form3");
    EXPECT_EQ(h.text("Form3.Label9"), "100");
    for (const char* label : {"Label10", "Label11", "Label12", "Label13", "Label14", "Label16", "Label18"}) {
        EXPECT_EQ(h.text(std::string("Form3.") + label), "0") << label;
    }
}

// Only the first town closes under the item box; its OK loads it afresh.
TEST(MapEngine, TheItemButtonClosesTheFirstTownAndLeavesEveryOtherMapOpenBeneath) {
    const std::vector<std::pair<std::string, std::string>> codes = {
        {"Form3", "3"}, {"Form7", "7"}, {"Form9", "9"}, {"Form13", "13"}, {"Form14", "14"}, {"Form19", "19"}, {"Form25", "25"}};
    for (const auto& [map, code] : codes) {
        SCOPED_TRACE(map);
        Harness h;
        h.startAt(map);
        h.wait(20);
        walk(h, map, "L");
        const Spot before = heroAt(h, map);
        ASSERT_EQ(h.click(map + ".Command5"), ClickResult::Delivered);
        EXPECT_EQ(frontScene(h), "Form5");
        EXPECT_EQ(h.text("Form5.Text3"), code);
        EXPECT_TRUE(h.visible("Form5.Command4"));
        EXPECT_EQ(h.loaded(map), map != "Form3");
        if (map != "Form3") {
            // Still playing its panel underneath.
            h.setStore(7, "42");
            h.wait(100);
            EXPECT_EQ(h.text(map + ".Label10"), "42");
        }
        ASSERT_EQ(h.click("Form5.Command4"), ClickResult::Delivered);
        h.wait(kStep);
        EXPECT_EQ(frontScene(h), map);
        const Spot after = heroAt(h, map);
        const Spot want = map == "Form3" ? Spot{5760, 2880} : before;
        EXPECT_EQ(after.x, want.x);
        EXPECT_EQ(after.y, want.y);
        EXPECT_EQ(static_cast<Image&>(h.control(map + ".Image61")).left(), want.x);
    }
}

TEST(MapEngine, AMapShownAgainAfterAnUnloadStartsFromItsDesignValues) {
    for (const std::string& map : kMaps) {
        SCOPED_TRACE(map);
        Harness h;
        h.startAt(map);
        h.wait(20);
        walk(h, map, "UL");
        Scene& scene = *h.game.findScene(map);
        scene.unload();
        scene.show();
        EXPECT_EQ(h.text(map + ".Text1"), "5760");
        EXPECT_EQ(h.text(map + ".Text2"), "2880");
        EXPECT_EQ(h.text(map + ".Text3"), "5760");
        EXPECT_EQ(h.text(map + ".Text4"), "2880");
        auto& sprite = static_cast<Image&>(h.control(map + ".Image61"));
        EXPECT_EQ(sprite.left(), 5760);
        EXPECT_EQ(sprite.top(), 2880);
    }
}

}  // namespace
}  // namespace zorb::test
