#include "scenes/minigames/Form31.h"

#include "scenes/Game.h"
#include "scenes/story/Form11.h"
#include "scenes/story/Form32.h"

namespace zorb {

Form31::Form31(Game& game)
    : GameScene(game, "Form31", {7995, 7995}, {.caption = "Form31", .background = colors::Green}) {}

void Form31::Form_Load() {
    for (const char* line : kRules) msgbox(line);
    Timer1.setInterval(kFlightMs);
    Timer2.setInterval(1);
    Timer3.setInterval(1);
    Timer4.setInterval(kLimitMs);
}

namespace {

// One axis of the flight: a step away from the hero, or towards 0 when level with him.
float flee(float hero, float boss) {
    if (hero > boss) boss -= Form31::kStep;
    if (hero < boss) boss += Form31::kStep;
    if (hero == boss) boss -= Form31::kStep;
    return boss;
}

// Back onto the field: below 0 to the first place, beyond the last to the last.
float clampToField(float v) {
    if (v < 0) v = 0;
    if (v > 7500) v = Form31::kFieldLast;
    return v;
}

}  // namespace

void Form31::Timer1_Timer() {
    Image2.setLeft(flee(Image1.left(), Image2.left()));
    Image2.setTop(flee(Image1.top(), Image2.top()));
}

void Form31::Timer2_Timer() {
    Image1.setLeft(clampToField(Image1.left()));
    Image1.setTop(clampToField(Image1.top()));
    Image2.setLeft(clampToField(Image2.left()));
    Image2.setTop(clampToField(Image2.top()));
}

// A catch always wins: no tick runs while its box is open, and the scene is
// gone right after.
void Form31::Timer3_Timer() {
    if (Image1.left() != Image2.left() || Image1.top() != Image2.top()) return;
    msgbox("捕まえた！");
    Timer3.setInterval(0);
    unload();
    game().Form32.show();
}

void Form31::Timer4_Timer() {
    Timer1.setInterval(0);
    Timer2.setInterval(0);
    Timer3.setInterval(0);
    Timer4.setInterval(0);
    msgbox("ポッチーは首領ポッチーを見失った！気力がなくなり、目の前が真っ白になった。");
    unload();
    game().Form11.show();
}

}  // namespace zorb
