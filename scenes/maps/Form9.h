#pragma once

#include "scenes/maps/MapScene.h"

namespace zorb {

// The doctor's house. A note on the floor asks the hero to wait; the doctor
// then walks in, one cell a second, hands over the technique machine and
// sends him back to the first town with the technique learnt.
class Form9 : public MapScene {
public:
    explicit Form9(Game& game);

    Image Image62{this, 62, {3600, 8760, 750, 750}, "doctor"};  // waits outside until he walks in
    TextBox Text5{this, 5, {5640, 9120, 375, 270}, "1"};         // step of the doctor's walk

    // The chain: only the door and the note have cells.
    Timer Timer4{this, 4, 0, &Form9::Timer4_Timer};  // door
    Timer Timer5{this, 5, 0, &Form9::Timer5_Timer};  // note
    Timer Timer6{this, 6, 0, &Form9::Timer6_Timer};
    Timer Timer7{this, 7, 0, &Form9::Timer7_Timer};
    Timer Timer8{this, 8, 0, &Form9::Timer8_Timer};
    Timer Timer9{this, 9, 0, &Form9::Timer9_Timer};
    Timer Timer12{this, 12, 0, &Form9::Timer12_Timer};  // the doctor's walk, a step a second

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
};

}  // namespace zorb
