#include "scenes/battles/Form12.h"

#include "scenes/Game.h"
#include "scenes/battles/Blink.h"
#include "scenes/maps/Form13.h"
#include "scenes/shop/Form5.h"
#include "scenes/story/Form11.h"
#include "state/Form4.h"

namespace zorb {

Form12::Form12(Game& game)
    : GameScene(game, "Form12", {8970, 9075}, {.caption = "Form12", .background = colors::Blue}) {}

void Form12::setButtons(Visibility state) {
    Command1.setVisible(state);
    Command2.setVisible(state);
    Command3.setVisible(state);
}

void Form12::Timer12_Timer() { Label4.setCaption(game().Form4.Text1.text()); }

void Form12::Command1_Click() {
    Label6.setCaption("ポッチーの攻撃！リンチ！！");
    setButtons(Hidden);
    Timer1.setInterval(1000);
}

void Form12::Command2_Click() {
    TextBox& bombs = game().Form4.Text8;
    if (bombs.value() < 1) {
        msgbox("ボトロンが足りません！");
        return;
    }
    Label6.setCaption("ポッチーの攻撃！ボトロン！！");
    Timer6.setInterval(1000);
    setButtons(Hidden);
    bombs.setValue(bombs.value() - 1);
}

void Form12::Command3_Click() {
    game().Form5.show();
    game().Form5.Text3.setText("12");
    game().Form5.closeWith(*this);  // a battle that ends takes the box with it
}

// Melee: the spark blinks on the rival.
void Form12::Timer1_Timer() { blinkStep(Timer1, Image3, Shown, Timer2); }
void Form12::Timer2_Timer() { blinkStep(Timer2, Image3, Hidden, Timer3); }
void Form12::Timer3_Timer() { blinkStep(Timer3, Image3, Shown, Timer4); }

void Form12::Timer4_Timer() {
    Timer4.setInterval(0);
    Image3.hide();
    Label6.setCaption("ケンゾは20のダメージを受けた！");
    Label2.setValue(Label2.value() - 20);
    afterHit();
}

// Bomb: the blast covers the rival for two seconds.
void Form12::Timer6_Timer() {
    Timer6.setInterval(0);
    Image4.show();
    Timer7.setInterval(2000);
}

void Form12::Timer7_Timer() {
    Timer7.setInterval(0);
    Image4.hide();
    Label6.setCaption("ケンゾは100のダメージを受けた！");
    Label2.setValue(Label2.value() - 100);
    afterHit();
}

// Both attacks win only below 0: a rival left at exactly 0 strikes back.
void Form12::afterHit() {
    if (Label2.value() >= 0) {
        Timer5.setInterval(1000);
    } else {
        win();
    }
}

// The rival's turn: always the same salmon attack.
void Form12::Timer5_Timer() {
    Timer5.setInterval(0);
    Label6.setCaption("ケンゾの攻撃！シャケ！シャケ！！シャケ！！！");
    Timer8.setInterval(1500);
}

void Form12::Timer8_Timer() { blinkStep(Timer8, Image5, Shown, Timer9); }
void Form12::Timer9_Timer() { blinkStep(Timer9, Image5, Hidden, Timer10); }
void Form12::Timer10_Timer() { blinkStep(Timer10, Image5, Shown, Timer11); }

// The damage and, with no wait, the defeat check; only a negative HP loses.
void Form12::Timer11_Timer() {
    Timer11.setInterval(0);
    Image5.hide();
    TextBox& hp = game().Form4.Text1;
    hp.setValue(hp.value() - 80);
    if (hp.value() < 0) {
        msgbox("ポッチーは目の前が真っ暗になった！");
        unload();
        game().Form11.show();
        return;
    }
    setButtons(Shown);
    Label6.setCaption("ポッチーは80くらった！ポッチーの攻撃です！");
}

void Form12::win() {
    Form4& store = game().Form4;
    Label6.setCaption("ケンゾは倒れた！");
    msgbox("ケンゾは倒れた！");
    msgbox("ポッチーのレベルが2上がった！");
    store.Text6.setValue(store.Text6.value() + 2);
    msgbox("ポッチーはケンゾから回復の薬を三つもらった！");
    store.Text3.setValue(store.Text3.value() + 3);
    store.Text5.setValue(store.Text5.value() + 5000);
    msgbox("ポッチーから5千円もらった！");
    msgbox("ケンゾ：くそっ、今日はちょっと調子が悪かっただけだ！急いでるから、じゃあな！");
    msgbox("ケンゾは急いで走り去っていった。");
    msgbox("NEXT!!!!!!!!");
    unload();
    game().Form13.show();
}

}  // namespace zorb
