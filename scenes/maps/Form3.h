#pragma once

#include "scenes/maps/MapScene.h"

namespace zorb {

// The first town, the hub of the opening: the vending machine, the hero's
// house, the doctor's house (once the doctor has called), the ghost on the
// grass (once the technique is learnt) and the rival's garage (from level 2).
class Form3 : public MapScene {
public:
    explicit Form3(Game& game);

    TextBox Text5{this, 5, {3840, 9120, 375, 270}, "0", Hidden};  // doctor's-door counter

    // The checks, one cell each, in this order.
    Timer Timer4{this, 4, 0, &Form3::Timer4_Timer};    // vending machine
    Timer Timer5{this, 5, 0, &Form3::Timer5_Timer};    // sign
    Timer Timer6{this, 6, 0, &Form3::Timer6_Timer};    // hero's house
    Timer Timer7{this, 7, 0, &Form3::Timer7_Timer};    // doctor's house
    Timer Timer8{this, 8, 0, &Form3::Timer8_Timer};    // grass
    Timer Timer9{this, 9, 0, &Form3::Timer9_Timer};    // rival's garage, end of the chain
    // Run beside the chain.
    Timer Timer12{this, 12, 0, &Form3::Timer12_Timer};  // doctor's door
    Timer Timer13{this, 13, 0, &Form3::Timer13_Timer};  // ghost battle entry
    Timer Timer14{this, 14, 0, &Form3::Timer14_Timer};  // rival's door

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
    void Timer13_Timer();
    void Timer14_Timer();
};

}  // namespace zorb
