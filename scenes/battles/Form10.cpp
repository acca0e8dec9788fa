#include "scenes/battles/Form10.h"

#include "scenes/Game.h"
#include "scenes/battles/Blink.h"
#include "scenes/maps/Form13.h"
#include "scenes/maps/Form3.h"
#include "scenes/shop/Form5.h"
#include "scenes/story/Form11.h"
#include "state/Form4.h"

namespace zorb {

Form10::Form10(Game& game)
    : GameScene(game, "Form10", {8790, 8415}, {.caption = "Form10", .background = colors::Red}) {}

void Form10::setButtons(Visibility state) {
    Command1.setVisible(state);
    Command2.setVisible(state);
    Command5.setVisible(state);
}

// The store's HP, shown as it is, so a medicine from the item box counts at once.
void Form10::Timer1_Timer() { Label4.setCaption(game().Form4.Text1.text()); }

void Form10::Command1_Click() {
    Label5.setCaption("ポッチーの攻撃！リンチ！！");
    setButtons(Hidden);
    Timer2.setInterval(1000);
}

void Form10::Command2_Click() {
    TextBox& bombs = game().Form4.Text8;
    if (bombs.value() < 1) {
        msgbox("ボトロンが足りません！");
        return;
    }
    Label5.setCaption("ポッチーの攻撃！ボトロン！！");
    Timer10.setInterval(1000);
    setButtons(Hidden);
    bombs.setValue(bombs.value() - 1);
}

void Form10::Command5_Click() {
    game().Form5.show();
    game().Form5.Text3.setText("10");
    game().Form5.closeWith(*this);  // a battle that ends takes the box with it
}

// Melee: the spark blinks on the ghost.
void Form10::Timer2_Timer() { blinkStep(Timer2, Image3, Shown, Timer3); }
void Form10::Timer3_Timer() { blinkStep(Timer3, Image3, Hidden, Timer4); }
void Form10::Timer4_Timer() { blinkStep(Timer4, Image3, Shown, Timer5); }

void Form10::Timer5_Timer() {
    Timer5.setInterval(0);
    Image3.hide();
    Label5.setCaption("幽霊は10のダメージを受けた！");
    Label2.setValue(Label2.value() - 10);
    // A ghost left at exactly 0 falls to the melee attack.
    if (Label2.value() > 0) {
        Timer6.setInterval(1000);
    } else {
        win();
    }
}

// Bomb: the blast covers the ghost for two seconds.
void Form10::Timer10_Timer() {
    Timer10.setInterval(0);
    Image5.show();
    Timer21.setInterval(2000);
}

void Form10::Timer21_Timer() {
    Timer21.setInterval(0);
    Image5.hide();
    Label5.setCaption("幽霊は100のダメージを受けた！");
    Label2.setValue(Label2.value() - 100);
    // The bomb only wins below 0; a ghost left at exactly 0 fights on.
    if (Label2.value() < 0) {
        win();
    } else {
        Timer6.setInterval(1000);
    }
}

// The ghost's turn: one draw picks its move.
void Form10::Timer6_Timer() {
    Timer6.setInterval(0);
    const int move = draw();
    Text1.setValue(move);
    switch (move) {
        case 1:
            Label5.setCaption("幽霊の攻撃！死神！");
            Timer7.setInterval(1500);
            break;
        case 2:
            Label5.setCaption("幽霊は我慢した！");
            Label2.setValue(Label2.value() + 20);
            setButtons(Shown);
            break;
        case 3:
            Label5.setCaption("幽霊の攻撃！引っかく！");
            Timer8.setInterval(1500);
            break;
        case 4:
            Label5.setCaption("幽霊の攻撃！呪い！");
            Timer9.setInterval(1500);
            break;
    }
}

// Move 1, the reaper: the cross blinks over the hero.
void Form10::Timer7_Timer() { blinkStep(Timer7, Image6, Shown, Timer11); }
void Form10::Timer11_Timer() { blinkStep(Timer11, Image6, Hidden, Timer12); }
void Form10::Timer12_Timer() { blinkStep(Timer12, Image6, Shown, Timer13); }
void Form10::Timer13_Timer() {
    Timer13.setInterval(0);
    Image6.hide();
    hurtHero(70, "ポッチーはダメージで70減らした！");
}

// Move 3, the scratch: the claw marks blink over the hero.
void Form10::Timer8_Timer() { blinkStep(Timer8, Image7, Shown, Timer15); }
void Form10::Timer15_Timer() { blinkStep(Timer15, Image7, Hidden, Timer16); }
void Form10::Timer16_Timer() { blinkStep(Timer16, Image7, Shown, Timer17); }
void Form10::Timer17_Timer() {
    Timer17.setInterval(0);
    Image7.hide();
    hurtHero(30, "ポッチーはダメージで30減らした！");
}

// Move 4, the curse: the star blinks on the hero.
void Form10::Timer9_Timer() { blinkStep(Timer9, Image4, Shown, Timer18); }
void Form10::Timer18_Timer() { blinkStep(Timer18, Image4, Hidden, Timer19); }
void Form10::Timer19_Timer() { blinkStep(Timer19, Image4, Shown, Timer20); }
void Form10::Timer20_Timer() {
    Timer20.setInterval(0);
    Image4.hide();
    hurtHero(20, "ポッチーはダメージで20減らした！");
}

// The store takes the damage before the message tells it; the defeat check
// follows one and a half seconds later.
void Form10::hurtHero(int damage, const char* message) {
    TextBox& hp = game().Form4.Text1;
    hp.setValue(hp.value() - damage);
    Label5.setCaption(message);
    Timer14.setInterval(1500);
}

// Only a negative HP loses; 0 fights on.
void Form10::Timer14_Timer() {
    Timer14.setInterval(0);
    if (game().Form4.Text1.value() < 0) {
        msgbox("ポッチーは目の前が真っ暗になった！");
        unload();
        game().Form11.show();
        return;
    }
    setButtons(Shown);
    Label5.setCaption("ポッチーの攻撃です！");
}

void Form10::win() {
    Label5.setCaption("幽霊は倒れた！");
    msgbox("幽霊は倒れた！");
    msgbox("ポッチーのレベルが1上がった！");
    TextBox& level = game().Form4.Text6;
    level.setValue(level.value() + 1);
    msgbox("ポッチーは幽霊から回復の薬をもらった！");
    TextBox& medicine = game().Form4.Text3;
    medicine.setValue(medicine.value() + 1);
    Timer22.setInterval(1);
}

// Back to the town that sent the hero here; it loads afresh. Like the item
// box and the machine, a code naming no town does nothing: the battle stays
// on the screen rather than leaving the player with no window at all.
void Form10::Timer22_Timer() {
    Timer22.setInterval(0);
    const double code = Text2.value();
    Scene* town = nullptr;
    if (code == 3) town = &game().Form3;
    if (code == 13) town = &game().Form13;
    if (!town) return;
    town->show();
    unload();
}

}  // namespace zorb
