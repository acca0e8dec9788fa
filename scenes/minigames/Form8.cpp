#include "scenes/minigames/Form8.h"

#include "scenes/Game.h"
#include "scenes/maps/Form7.h"
#include "state/Form4.h"

namespace zorb {

Form8::Form8(Game& game)
    : GameScene(game, "Form8", {4710, 6735}, {.caption = "Form8", .background = colors::LightGreen}) {}

void Form8::Command1_Click() {
    const double step = Text1.value();
    if (step == 1) {
        Label1.setCaption(kHeroCall);
        Text1.setText("2");
    } else if (step == 2) {
        Label1.setCaption(kOffer);
        Text1.setText("3");
    } else if (step == 3) {
        Command2.show();
        Command3.show();
        Text1.setText("4");
    }
}

void Form8::Command2_Click() {
    Label1.setCaption(kHowTo);
    Command1.hide();
    Command2.hide();
    Command3.hide();
    Command4.show();
}

void Form8::Command3_Click() {
    unload();
    game().Form7.show();
}

void Form8::Command4_Click() {
    Timer1.setInterval(kTappingMs);
    Image2.hide();
    Image3.show();
    Text1.setText("0");
    Command4.hide();
}

// Only the fist on screen can be clicked; each tap sends it to the other shoulder.
void Form8::Image2_Click() {
    Text2.setValue(Text2.value() + 1);
    Image2.hide();
    Image3.show();
}

void Form8::Image3_Click() {
    Text2.setValue(Text2.value() + 1);
    Image3.hide();
    Image2.show();
}

void Form8::Timer1_Timer() {
    TextBox& money = game().Form4.Text5;
    money.setValue(money.value() + kYenPerTap * Text2.value());
    unload();
    msgbox("ごくろうさん！");
    msgbox("てきとーにお金を加算しとくわ！");
    game().Form7.show();
}

}  // namespace zorb
