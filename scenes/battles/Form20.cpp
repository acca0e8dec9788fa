#include "scenes/battles/Form20.h"

#include "scenes/Game.h"
#include "scenes/battles/Blink.h"
#include "scenes/maps/Form19.h"
#include "scenes/shop/Form5.h"
#include "scenes/story/Form11.h"
#include "state/Form4.h"

namespace zorb {

Form20::Form20(Game& game)
    : GameScene(game, "Form20", {8460, 8040},
                {.caption = "Form20", .background = colors::PaleYellow, .minMax = false}) {}

void Form20::setButtons(Visibility state) {
    Command1.setVisible(state);
    Command2.setVisible(state);
    Command3.setVisible(state);
}

// The worker strikes first: no buttons until his opening throw has landed.
void Form20::Form_Load() {
    setButtons(Hidden);
    Timer1.setInterval(2000);
}

void Form20::Timer13_Timer() { Label4.setCaption(game().Form4.Text1.text()); }

// The wrench throw, at the opening and after every melee hit he survives.
void Form20::Timer1_Timer() {
    Timer1.setInterval(0);
    Label5.setCaption("工事員の攻撃！レンチ投げ！");
    Timer2.setInterval(1000);
}

void Form20::Timer2_Timer() { blinkStep(Timer2, Image3, Shown, Timer3); }
void Form20::Timer3_Timer() { blinkStep(Timer3, Image3, Hidden, Timer4); }
void Form20::Timer4_Timer() { blinkStep(Timer4, Image3, Shown, Timer5); }

// The damage and, with no wait, the defeat check; only a negative HP loses.
void Form20::Timer5_Timer() {
    Timer5.setInterval(0);
    Image3.hide();
    Label5.setCaption("ポッチーは20くらった！ポッチーの攻撃です");
    TextBox& hp = game().Form4.Text1;
    hp.setValue(hp.value() - 20);
    if (hp.value() < 0) {
        msgbox("ポッチーは目の前が真っ暗になった！");
        game().Form11.show();
        unload();
        return;
    }
    setButtons(Shown);
}

// Bomb: with none left the button does nothing at all.
void Form20::Command1_Click() {
    TextBox& bombs = game().Form4.Text8;
    if (bombs.value() < 1) return;
    bombs.setValue(bombs.value() - 1);
    Label5.setCaption("ポッチーの攻撃！ボトロン！！");
    Timer6.setInterval(1000);
    setButtons(Hidden);
}

void Form20::Command2_Click() {
    Label5.setCaption("ポッチーの攻撃。リンチ！！");
    setButtons(Hidden);
    Timer8.setInterval(1500);
}

void Form20::Command3_Click() {
    game().Form5.show();
    game().Form5.Text3.setText("20");
    game().Form5.closeWith(*this);  // a battle that ends takes the box with it
}

// The small blast on the worker; a bomb always beats him.
void Form20::Timer6_Timer() {
    Timer6.setInterval(0);
    Image4.show();
    Timer7.setInterval(1500);
}

void Form20::Timer7_Timer() {
    Timer7.setInterval(0);
    Image4.hide();
    Label2.setValue(Label2.value() - 100);
    msgbox("工事員は倒れた！");
    Timer12.setInterval(1);
}

// Melee: the spark blinks on the worker.
void Form20::Timer8_Timer() { blinkStep(Timer8, Image5, Shown, Timer9); }
void Form20::Timer9_Timer() { blinkStep(Timer9, Image5, Hidden, Timer10); }
void Form20::Timer10_Timer() { blinkStep(Timer10, Image5, Shown, Timer11); }

// The worker falls only below 0; at exactly 0 he throws again.
void Form20::Timer11_Timer() {
    Timer11.setInterval(0);
    Image5.hide();
    Label2.setValue(Label2.value() - 20);
    if (Label2.value() < 0) {
        msgbox("ポッチーは工事員をたおした！");
        Timer12.setInterval(1);
        return;
    }
    Label5.setCaption("工事員は20くらった！工事員の攻撃！レンチ投げ！");
    Timer1.setInterval(2000);
}

// The tower is done: its flag lets the hero on towards the sprout field.
void Form20::Timer12_Timer() {
    Timer12.setInterval(0);
    Form4& store = game().Form4;
    const double tower = Text1.value();
    if (tower == 1) store.Text14.setText("1");
    if (tower == 2) store.Text15.setText("1");
    if (tower == 3) store.Text16.setText("1");
    unload();
    game().Form19.show();
}

}  // namespace zorb
