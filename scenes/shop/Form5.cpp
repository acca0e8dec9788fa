#include "scenes/shop/Form5.h"

#include "scenes/Game.h"
#include "scenes/maps/Form3.h"
#include "scenes/maps/Form7.h"
#include "scenes/maps/Form9.h"
#include "state/Form4.h"

namespace zorb {

Form5::Form5(Game& game)
    : GameScene(game, "Form5", {4065, 3480},
                {.caption = "アイテムを使う", .background = colors::Orange, .minMax = false}) {}

void Form5::Form_Load() { showCounts(); }

// Back in front after the player bought or found something elsewhere (the
// machine beside the second town): the box shows what the hero now holds.
void Form5::Form_Activate() { showCounts(); }

// The counts are the store's; every use then changes label and store alike.
void Form5::showCounts() {
    Form4& store = game().Form4;
    Label2.setCaption(store.Text7.text());
    Label4.setCaption(store.Text2.text());
    Label6.setCaption(store.Text4.text());
    Label8.setCaption(store.Text3.text());
}

// The box decides by its own counts; the store must still hold the item
// too, so that a store changed behind the open box is never taken below 0.
namespace {
bool there(const Label& count, const TextBox& stored) { return count.value() > 0 && stored.value() > 0; }
}  // namespace

// A bomb takes one water and one pet bottle (dry ice never runs out).
void Form5::Command1_Click() {
    Form4& store = game().Form4;
    if (there(Label2, store.Text7)) Text1.setValue(Text1.value() + 1);
    if (there(Label4, store.Text2)) Text1.setValue(Text1.value() + 1);
    if (Text1.value() == 0 || Text1.value() == 1) {
        msgbox("ペットボトルかドライアイスが足りないよ！！！");
    } else if (Text1.value() == 2) {
        store.Text7.setValue(store.Text7.value() - 1);
        store.Text2.setValue(store.Text2.value() - 1);
        Label2.setValue(Label2.value() - 1);
        Label4.setValue(Label4.value() - 1);
        store.Text8.setValue(store.Text8.value() + 1);
        msgbox("ボトロンがひとつ完成しました！");
    }
    Text1.setText("0");
}

void Form5::Command2_Click() {
    Form4& store = game().Form4;
    if (!there(Label6, store.Text4)) return;
    store.Text6.setValue(store.Text6.value() + 1);
    store.Text4.setValue(store.Text4.value() - 1);
    Label6.setValue(Label6.value() - 1);
    msgbox("おいしいあめによりポッチーのレベルが1上がった！！！");
}

void Form5::Command3_Click() {
    Form4& store = game().Form4;
    if (!there(Label8, store.Text3)) return;
    Label8.setValue(Label8.value() - 1);
    store.Text3.setValue(store.Text3.value() - 1);
    store.Text1.setValue(store.Text1.value() + 20);
    msgbox("回復の薬のおかげでHPが20アップした！");
}

// The first town closed itself under the box and loads afresh; the houses
// are still open and only come to the front; every other caller is still
// open beneath the box and simply carries on.
void Form5::Command4_Click() {
    const double code = Text3.value();
    if (code == 3 || code == 7 || code == 9) {
        unload();
        if (code == 3) game().Form3.show();
        if (code == 7) game().Form7.show();
        if (code == 9) game().Form9.show();
    } else if (code == 10 || code == 12 || code == 13 || code == 14 || code == 19 || code == 20 ||
               code == 25) {
        unload();
    }
}

}  // namespace zorb
