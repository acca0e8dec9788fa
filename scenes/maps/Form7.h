#pragma once

#include "scenes/maps/MapScene.h"

namespace zorb {

// Inside the hero's house: the newspaper, the news on TV, the desk the
// father will not have him stand on, the father himself (the shoulder-
// tapping game) and the visitor who says the doctor wants to see him.
class Form7 : public MapScene {
public:
    explicit Form7(Game& game);

    // The checks, one cell each, in this order.
    Timer Timer4{this, 4, 0, &Form7::Timer4_Timer};  // door
    Timer Timer5{this, 5, 0, &Form7::Timer5_Timer};  // newspaper
    Timer Timer6{this, 6, 0, &Form7::Timer6_Timer};  // TV
    Timer Timer7{this, 7, 0, &Form7::Timer7_Timer};  // desk
    Timer Timer8{this, 8, 0, &Form7::Timer8_Timer};  // father
    Timer Timer9{this, 9, 0, &Form7::Timer9_Timer};  // visitor, end of the chain

protected:
    Timer& checkChain() override { return Timer4; }

private:
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void Timer8_Timer();
    void Timer9_Timer();
};

}  // namespace zorb
