#pragma once

#include "scenes/maps/MapScene.h"

namespace zorb {

// The third town, ちゃぶろタウン. Three radio towers, each guarded by a
// construction worker; the sprout field in the north-west is the way out,
// open once all three towers are done and only with a bomb in hand.
class Form19 : public MapScene {
public:
    explicit Form19(Game& game);

    Timer Timer4{this, 4, 0, &Form19::Timer4_Timer};  // vending machine, signboards
    Timer Timer5{this, 5, 0, &Form19::Timer5_Timer};  // houses, towers
    Timer Timer6{this, 6, 0, &Form19::Timer6_Timer};  // sprout field
    Timer Timer7{this, 7, 0, &Form19::Timer7_Timer};
    Timer Timer8{this, 8, 0, &Form19::Timer8_Timer};
    Timer Timer9{this, 9, 0, &Form19::Timer9_Timer};
    Timer Timer12{this, 12, 0, &Form19::Timer12_Timer};  // radio tower 1
    Timer Timer13{this, 13, 0, &Form19::Timer13_Timer};  // radio tower 2
    Timer Timer14{this, 14, 0, &Form19::Timer14_Timer};  // radio tower 3
    Timer Timer15{this, 15, 0, &Form19::Timer15_Timer};  // sprout field: the three towers
    Timer Timer16{this, 16, 0, &Form19::Timer16_Timer};  // sprout field: a bomb

protected:
    Timer& checkChain() override { return Timer4; }

private:
    // The worker of a tower not yet done is fought; a done tower is just a cell.
    void tower(Timer& timer, const TextBox& done, const char* number);

    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void Timer8_Timer();
    void Timer9_Timer();
    void Timer12_Timer();
    void Timer13_Timer();
    void Timer14_Timer();
    void Timer15_Timer();
    void Timer16_Timer();
};

}  // namespace zorb
