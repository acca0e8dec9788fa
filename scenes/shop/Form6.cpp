#include "scenes/shop/Form6.h"

#include "scenes/Game.h"
#include "scenes/maps/Form13.h"
#include "scenes/maps/Form19.h"
#include "scenes/maps/Form25.h"
#include "scenes/maps/Form3.h"
#include "state/Form4.h"

namespace zorb {

Form6::Form6(Game& game)
    : GameScene(game, "Form6", {6540, 6105},
                {.caption = "Form6", .background = colors::DarkBlue, .minMax = false}) {}

bool Form6::pay(int price) {
    TextBox& money = game().Form4.Text5;
    const double held = money.value();
    if (held < price) {
        msgbox("お金が足りません！");
        return false;
    }
    money.setValue(held - price);
    return true;
}

void Form6::Command1_Click() {
    if (!pay(100)) return;
    Form4& store = game().Form4;
    store.Text1.setValue(store.Text1.value() + 10);
    msgbox("水を買いました！");
    msgbox("ゴクゴク");
    msgbox("水のおかげでHPが10アップした！");
    msgbox("水を手に入れた！");
    store.Text7.setValue(store.Text7.value() + 1);
}

void Form6::Command2_Click() {
    if (!pay(150)) return;
    Form4& store = game().Form4;
    store.Text2.setValue(store.Text2.value() + 1);
    msgbox("ソーダを買いました！");
    msgbox("ゴクゴク");
    msgbox("ソーダのおかげでペットボトルをひとつ手に入れた！");
}

void Form6::Command3_Click() {
    if (!pay(250)) return;
    Form4& store = game().Form4;
    store.Text1.setValue(store.Text1.value() + 10);
    store.Text2.setValue(store.Text2.value() + 1);
    msgbox("コーラを買いました！");
    msgbox("ゴクゴク");
    msgbox("コーラのおかげでペットボトルとHP10を手に入れた！");
}

void Form6::findBottle() {
    TextBox& bottles = game().Form4.Text2;
    bottles.setValue(bottles.value() + 1);
    msgbox("ごみ箱からペットボトルをひとつ見つけた！");
}

void Form6::Label1_Click() { findBottle(); }
void Form6::Image2_Click() { findBottle(); }

// The town that closed itself loads afresh; the second town opened from its
// inner machine is still open and only comes to the front.
void Form6::Command4_Click() {
    const double code = Text1.value();
    Scene* town = nullptr;
    if (code == 3) town = &game().Form3;
    if (code == 13) town = &game().Form13;
    if (code == 19) town = &game().Form19;
    if (code == 25) town = &game().Form25;
    if (!town) return;
    unload();
    town->show();
}

}  // namespace zorb
