#pragma once

#include "scenes/maps/MapScene.h"

namespace zorb {

// The maze room in the second town's house: fetch the key and walk out of
// the door. Walls split the room into pockets joined only by rings; stepping
// onto a ring moves the hero at once to another ring.
class Form14 : public MapScene {
public:
    explicit Form14(Game& game);

    Timer Timer4{this, 4, 0, &Form14::Timer4_Timer};  // four rings, signboard
    Timer Timer5{this, 5, 0, &Form14::Timer5_Timer};  // the other eight rings
    Timer Timer6{this, 6, 0, &Form14::Timer6_Timer};  // interior walls
    Timer Timer7{this, 7, 0, &Form14::Timer7_Timer};  // key
    Timer Timer8{this, 8, 0, &Form14::Timer8_Timer};  // door
    Timer Timer9{this, 9, 0, &Form14::Timer9_Timer};  // end of the chain
    // One warp per ring, beside the chain.
    Timer Timer12{this, 12, 0, &Form14::Timer12_Timer};
    Timer Timer13{this, 13, 0, &Form14::Timer13_Timer};
    Timer Timer14{this, 14, 0, &Form14::Timer14_Timer};
    Timer Timer15{this, 15, 0, &Form14::Timer15_Timer};
    Timer Timer16{this, 16, 0, &Form14::Timer16_Timer};
    Timer Timer17{this, 17, 0, &Form14::Timer17_Timer};
    Timer Timer18{this, 18, 0, &Form14::Timer18_Timer};
    Timer Timer19{this, 19, 0, &Form14::Timer19_Timer};
    Timer Timer20{this, 20, 0, &Form14::Timer20_Timer};
    Timer Timer21{this, 21, 0, &Form14::Timer21_Timer};
    Timer Timer22{this, 22, 0, &Form14::Timer22_Timer};
    Timer Timer23{this, 23, 0, &Form14::Timer23_Timer};

protected:
    Timer& checkChain() override { return Timer4; }

private:
    // Moves the hero from `ring` to `target` if he stands on it, and has him
    // redrawn there.
    void warp(Timer& timer, Cell ring, Cell target);

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
    void Timer18_Timer();
    void Timer19_Timer();
    void Timer20_Timer();
    void Timer21_Timer();
    void Timer22_Timer();
    void Timer23_Timer();
};

}  // namespace zorb
