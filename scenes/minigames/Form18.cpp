#include "scenes/minigames/Form18.h"

#include "scenes/Game.h"
#include "scenes/maps/Form19.h"
#include "scenes/story/Form11.h"
#include "state/Form4.h"

namespace zorb {

Form18::Form18(Game& game)
    : GameScene(game, "Form18", {9105, 8790}, {.caption = "Form18", .background = colors::Magenta}) {}

void Form18::Command1_Click() {
    const double page = Text1.value();
    if (page >= 1 && page <= 5) Label5.setCaption(kRules[static_cast<int>(page) - 1]);
    if (page == 5) {
        Command1.hide();
        Command2.show();
    }
    Text1.setValue(page + 1);
}

void Form18::Command2_Click() {
    Image3.show();
    Image12.show();
    Command2.hide();
    Timer5.setInterval(kFirstHitMs);
}

// One item at a time: the supply gives only to an empty hand, the bottle
// takes only from a full one.
void Form18::Image12_Click() {
    if (Text4.value() == 0) Timer1.setInterval(1);
}

void Form18::Image3_Click() {
    if (Text4.value() == 1) Timer2.setInterval(1);
}

// Stages 2..9 show the next piece; 10 is the ninth item done, shown as the
// start picture again.
const Image& Form18::bottleStage(double stage) const {
    static constexpr Image Form18::* kStores[] = {&Form18::Image4, &Form18::Image5, &Form18::Image6,
                                                  &Form18::Image7, &Form18::Image8, &Form18::Image9,
                                                  &Form18::Image10, &Form18::Image11, &Form18::Image14};
    return this->*kStores[static_cast<int>(stage) - 2];
}

const Image& Form18::supplyStage(double stage) const {
    static constexpr Image Form18::* kStores[] = {&Form18::Image15, &Form18::Image16, &Form18::Image17,
                                                  &Form18::Image18, &Form18::Image19, &Form18::Image19,
                                                  &Form18::Image19, &Form18::Image19, &Form18::Image13};
    return this->*kStores[static_cast<int>(stage) - 2];
}

void Form18::Timer1_Timer() {
    const double stage = Text3.value() + 1;
    Text3.setValue(stage);
    if (stage >= 2 && stage <= 10) Image12.setPicture(supplyStage(stage).picture());
    if (stage == 10) Text3.setText("1");
    Text4.setText("1");
    Timer1.setInterval(0);
}

void Form18::Timer2_Timer() {
    const double stage = Text2.value() + 1;
    Text2.setValue(stage);
    if (stage >= 2 && stage <= 10) Image3.setPicture(bottleStage(stage).picture());
    if (stage == 10) {
        Text2.setText("1");
        Timer3.setInterval(kBombHitMs);
        Image20.show();
    }
    Text4.setText("0");
    Timer2.setInterval(0);
}

void Form18::Timer3_Timer() {
    Image20.hide();
    Label2.setValue(Label2.value() - 100);
    if (Label2.value() < 0) {
        Timer5.setInterval(0);
        Timer6.setInterval(0);
        unload();
        Form4& store = game().Form4;
        msgbox("クロッパを倒した！");
        game().Form19.show();
        // Each reward is written as soon as its box is closed.
        msgbox("レベルが5上がった！");
        store.Text6.setValue(store.Text6.value() + 5);
        msgbox("HPが1000あがった！");
        store.Text1.setValue(store.Text1.value() + 1000);
        msgbox("おいしいあめを3個もらった！");
        store.Text4.setValue(store.Text4.value() + 3);
        msgbox("お金を5000円もらった！");
        store.Text5.setValue(store.Text5.value() + 5000);
        msgbox("NEXT!!!!!");
    }
    Timer3.setInterval(0);
}

void Form18::Timer4_Timer() { Label4.setCaption(game().Form4.Text1.text()); }

void Form18::Timer5_Timer() {
    Image21.show();
    TextBox& hp = game().Form4.Text1;
    hp.setValue(hp.value() - 100);
    if (hp.value() < 0) {
        // A bomb still on its way to クロッパ does not count any more.
        Timer3.setInterval(0);
        game().Form11.show();
        unload();
        msgbox("ポッチーは目の前が真っ暗になった！");
    }
    Timer6.setInterval(kFlashMs);
    Timer5.setInterval(0);
}

void Form18::Timer6_Timer() {
    Image21.hide();
    Timer6.setInterval(0);
    Timer5.setInterval(kHitEveryMs);
}

}  // namespace zorb
