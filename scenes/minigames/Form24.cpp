#include "scenes/minigames/Form24.h"

#include "scenes/Game.h"
#include "scenes/maps/Form25.h"
#include "scenes/story/Form11.h"
#include "state/Form4.h"

namespace zorb {

Form24::Form24(Game& game)
    : GameScene(game, "Form24", {6945, 4425}, {.caption = "Form24", .background = colors::White}) {}

// The game starts as the last rule box is closed.
void Form24::Form_Load() {
    for (const char* line : kRules) msgbox(line);
    Timer1.setInterval(100);
    Timer2.setInterval(100);
    Timer3.setInterval(100);
    Timer4.setInterval(100);
    Timer5.setInterval(1);
    Timer6.setInterval(kHoldOutMs);
    Timer7.setInterval(1000);
}

void Form24::advance(TextBox& position, Image& handcuffs) {
    position.setValue(position.value() - kStep);
    handcuffs.setLeft(position.text());
}

// Both outcomes stop the other's timer before any box, so only one happens.
void Form24::stopTheGame() {
    for (Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6}) t->setInterval(0);
}

void Form24::Timer5_Timer() {
    if (Text1.value() < kLine || Text2.value() < kLine || Text3.value() < kLine || Text4.value() < kLine) {
        stopTheGame();
        unload();
        msgbox("ポッチーは目の前が真っ暗になった！");
        game().Form11.show();
    }
}

void Form24::Timer6_Timer() {
    stopTheGame();
    unload();
    game().Form25.show();
    msgbox("何とか逃げ切れた！");
    TextBox& money = game().Form4.Text5;
    money.setValue(money.value() + kPrize);
    msgbox("ポッチーはついでに1万円を盗んだ。");
    msgbox("NEXT!!!!!!");
}

// Only shows the time; the win is Timer6's alone.
void Form24::Timer7_Timer() { Label2.setValue(Label2.value() - 1); }

}  // namespace zorb
