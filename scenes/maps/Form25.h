#pragma once

#include "scenes/maps/MapScene.h"

namespace zorb {

// The fourth town, ザルバ's own, surrounded and cut up by water. Three brick
// blocks stand on the only path from the start to the hideout; each breaks
// when the hero steps onto it with a bomb, which uses the bomb up.
class Form25 : public MapScene {
public:
    explicit Form25(Game& game);

    Timer Timer4{this, 4, 0, &Form25::Timer4_Timer};  // water
    Timer Timer5{this, 5, 0, &Form25::Timer5_Timer};  // town sign, vending machine, blocks
    Timer Timer6{this, 6, 0, &Form25::Timer6_Timer};  // the rival, the shop owner
    Timer Timer7{this, 7, 0, &Form25::Timer7_Timer};  // notice boards, hideout
    Timer Timer8{this, 8, 0, &Form25::Timer8_Timer};
    Timer Timer9{this, 9, 0, &Form25::Timer9_Timer};
    Timer Timer12{this, 12, 0, &Form25::Timer12_Timer};  // block B1 check
    Timer Timer13{this, 13, 0, &Form25::Timer13_Timer};  // block B1 break
    Timer Timer14{this, 14, 0, &Form25::Timer14_Timer};  // block B2 check
    Timer Timer15{this, 15, 0, &Form25::Timer15_Timer};  // block B2 break
    Timer Timer16{this, 16, 0, &Form25::Timer16_Timer};  // block B3 check
    Timer Timer17{this, 17, 0, &Form25::Timer17_Timer};  // block B3 break

protected:
    Timer& checkChain() override { return Timer4; }

private:
    // A block still standing is broken by the step that follows this check.
    void checkBlock(Timer& check, const TextBox& broken, Timer& breaker);
    // A bomb breaks it for good; without one the hero is put back.
    void breakBlock(Timer& breaker, TextBox& broken);

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
    void Timer17_Timer();
};

}  // namespace zorb
