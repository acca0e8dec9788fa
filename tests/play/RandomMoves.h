#pragma once

// The moves of the random players: what a player could click now, and a
// change to the store that pushes a game towards its later stages. Both
// programs that play at random draw them alike, from their own generator.
#include <random>
#include <string>
#include <vector>

#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "runtime/Scene.h"

namespace zorb::play {

inline int pick(std::mt19937_64& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// A visible, clickable control of a visible scene (the store excluded).
inline Control* randomTarget(std::mt19937_64& rng, const Runtime& runtime, const Scene& store) {
    std::vector<Control*> targets;
    for (Scene* s : runtime.zOrder()) {
        if (!s->visible() || s == &store) continue;
        for (Control* c : s->controls()) {
            if (c->clickable() && c->visible()) targets.push_back(c);
        }
    }
    if (targets.empty()) return nullptr;
    return targets[pick(rng, 0, static_cast<int>(targets.size()) - 1)];
}

// Store fields that count things (never below 0) and flags ("0" or "1").
inline constexpr int kCounts[] = {2, 3, 4, 5, 7, 8};
inline constexpr int kFlagFirst = 9;
inline constexpr int kFlagLast = 19;

struct StoreChange {
    int field;  // Form4.TextN
    std::string value;
};

// A count, the HP, the level or a flag set to something a later stage holds.
inline StoreChange randomStoreChange(std::mt19937_64& rng) {
    const int kind = pick(rng, 0, 3);
    if (kind == 0) {
        const int field = kCounts[pick(rng, 0, 5)];
        return {field, std::to_string(field == 5 ? pick(rng, 0, 30000) : pick(rng, 0, 12))};
    }
    if (kind == 1) return {1, std::to_string(pick(rng, 1, 400))};
    if (kind == 2) return {6, std::to_string(pick(rng, 0, 12))};
    return {pick(rng, kFlagFirst, kFlagLast), "1"};
}

}  // namespace zorb::play
