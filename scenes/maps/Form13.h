#pragma once

#include "scenes/maps/MapScene.h"

namespace zorb {

// The second town, タケヤブシティー. A hedge wall splits it: the hero
// arrives in the east half (signboard, thorn bushes that cost HP, a vending
// machine, the maze-room house, the locked house with the trash cans) and is
// carried into the west half (a second vending machine, the ghost's sprout
// field, the garage with the bomb race) by a friend who wants the LED.
// HP below 0 anywhere here ends the game.
class Form13 : public MapScene {
public:
    explicit Form13(Game& game);

    // The friend, a small locomotive with his face; stands in the thorn field
    // once the LED has been found.
    Image Image62{this, 62, {3600, 2160, 750, 750}, "friend_loco_brown", Hidden};

    // The checks, in this order.
    Timer Timer4{this, 4, 0, &Form13::Timer4_Timer};  // signboard, thorns, east vending machine
    Timer Timer5{this, 5, 0, &Form13::Timer5_Timer};  // maze-room house
    Timer Timer6{this, 6, 0, &Form13::Timer6_Timer};  // locked house
    Timer Timer7{this, 7, 0, &Form13::Timer7_Timer};  // friend, west vending machine, garage
    Timer Timer8{this, 8, 0, &Form13::Timer8_Timer};  // hedge wall, sprout field
    Timer Timer9{this, 9, 0, &Form13::Timer9_Timer};  // end of the chain
    Timer Timer12{this, 12, 0, &Form13::Timer12_Timer};  // locked-house door
    // Carried over the wall; the wall cutscene starts it.
    Timer Timer15{this, 15, 0, &Form13::Timer15_Timer};
    Timer Timer16{this, 16, 0, &Form13::Timer16_Timer};
    Timer Timer17{this, 17, 0, &Form13::Timer17_Timer};
    Timer Timer18{this, 18, 0, &Form13::Timer18_Timer};  // the friend's cell
    Timer Timer19{this, 19, 1, &Form13::Timer19_Timer};  // shows the friend once the LED is found
    Timer Timer20{this, 20, 1, &Form13::Timer20_Timer};  // HP watcher
    Timer Timer21{this, 21, 10, &Form13::Timer21_Timer}; // west half after the crossing, once
    Timer Timer22{this, 22, 0, &Form13::Timer22_Timer};  // garage door

protected:
    Timer& checkChain() override { return Timer4; }

private:
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void Timer8_Timer();
    void Timer9_Timer();
    void Timer12_Timer();
    void Timer15_Timer();
    void Timer16_Timer();
    void Timer17_Timer();
    void Timer18_Timer();
    void Timer19_Timer();
    void Timer20_Timer();
    void Timer21_Timer();
    void Timer22_Timer();
};

}  // namespace zorb
