// Walking the maps in behaviour tests: put the hero on a cell, take one
// step, and compare what the step did with a row of a trigger table.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "harness/Harness.h"

namespace zorb::test {

struct Spot {
    int x;
    int y;
};

inline std::string arrowOf(char direction) {
    switch (direction) {
        case 'U': return "Command1";
        case 'R': return "Command2";
        case 'D': return "Command3";
        case 'L': return "Command4";
    }
    throw std::invalid_argument(std::string("no arrow ") + direction);
}

// A whole step, from the click to the redraw, takes ten ticks.
inline constexpr GameTime kStep = 12;

// Puts the hero of a loaded map on a cell, as if he had walked there.
inline void place(Harness& h, const std::string& map, Spot at) {
    h.set(map + ".Text1", std::to_string(at.x));
    h.set(map + ".Text2", std::to_string(at.y));
}

// One arrow click and the whole step after it.
inline void stepOnce(Harness& h, const std::string& map, char direction) {
    ASSERT_EQ(h.click(map + "." + arrowOf(direction)), ClickResult::Delivered) << direction;
    h.wait(kStep);
}

// Clicks a run of arrows ("UULR"), letting each step finish.
inline void walk(Harness& h, const std::string& map, const std::string& moves) {
    for (char direction : moves) stepOnce(h, map, direction);
}

inline Spot heroAt(const Harness& h, const std::string& map) {
    return {std::stoi(h.text(map + ".Text1")), std::stoi(h.text(map + ".Text2"))};
}

inline bool arrowsShown(const Harness& h, const std::string& map) {
    return h.visible(map + ".Command1") && h.visible(map + ".Command2") && h.visible(map + ".Command3") &&
           h.visible(map + ".Command4");
}

inline std::string frontScene(const Harness& h) {
    const auto shown = h.shownScenes();
    return shown.empty() ? "" : shown.front();
}

inline int beeps(const Harness& h) {
    return static_cast<int>(std::count_if(h.events.begin(), h.events.end(), [](const std::string& e) {
        return e.size() >= 5 && e.compare(e.size() - 5, 5, " beep") == 0;
    }));
}

using Values = std::vector<std::pair<std::string, std::string>>;  // "Form4.Text8" → "2"

// One row of a map's trigger table: the hero stands on `from` and clicks
// one arrow; then the messages, the values, the scene in front and, if the
// map is still open, the cell the hero is drawn on.
struct Trigger {
    std::string name;
    Spot from;
    char arrow;
    Values before;                     // store fields set before the map is shown
    std::vector<std::string> boxes;    // every message of the step, in order
    Values after;                      // any control of any scene
    std::string front;                 // the scene in front afterwards
    std::optional<Spot> at = {};       // where the map draws the hero
    int beeps = 0;
};

inline void storeValues(Harness& h, const Values& values) {
    for (const auto& [path, value] : values) {
        if (path.rfind("Form4.Text", 0) == 0) {
            h.setStore(std::stoi(path.substr(10)), value);
        } else {
            h.set(path, value);
        }
    }
}

// Plays one row on a freshly started map and checks it.
inline void playTrigger(const std::string& map, const Trigger& t) {
    SCOPED_TRACE(map + ": " + t.name);
    Harness h;
    storeValues(h, t.before);
    h.startAt(map);
    h.wait(20);  // the map's own load-time timers have run
    place(h, map, t.from);
    h.takeBoxes();
    stepOnce(h, map, t.arrow);
    EXPECT_EQ(h.takeBoxes(), t.boxes);
    for (const auto& [path, value] : t.after) EXPECT_EQ(h.text(path), value) << path;
    EXPECT_EQ(frontScene(h), t.front);
    EXPECT_EQ(h.loaded(map), t.at.has_value());
    if (t.at && h.loaded(map)) {
        const Spot hero = heroAt(h, map);
        EXPECT_EQ(hero.x, t.at->x);
        EXPECT_EQ(hero.y, t.at->y);
        EXPECT_EQ(h.control(map + ".Image61").visible(), true);
        auto& sprite = static_cast<Image&>(h.control(map + ".Image61"));
        EXPECT_EQ(sprite.left(), t.at->x);
        EXPECT_EQ(sprite.top(), t.at->y);
        EXPECT_TRUE(arrowsShown(h, map));
    }
    EXPECT_EQ(beeps(h), t.beeps);
}

}  // namespace zorb::test
