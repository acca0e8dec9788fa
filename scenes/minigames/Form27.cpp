#include "scenes/minigames/Form27.h"

#include "scenes/Game.h"
#include "scenes/story/Form11.h"
#include "scenes/story/Form28.h"

namespace zorb {

Form27::Form27(Game& game)
    : GameScene(game, "Form27", {8445, 8175}, {.caption = "Form27", .background = colors::White, .minMax = false}) {}

void Form27::Command5_Click() {
    Command1.show();
    Command2.show();
    Command3.show();
    Command4.show();
    Command5.hide();
    Timer1.setInterval(kChaserPaceMs);
    Timer2.setInterval(1);
    Timer3.setInterval(1);
    Timer4.setInterval(1);
    Timer5.setInterval(0);
    Timer6.setInterval(1);
    Timer7.setInterval(1);
}

// Everything lies on one lattice, so standing on a place means the same
// Left and the same Top.
bool Form27::heroOn(const Image& place) const {
    return Image1.left() == place.left() && Image1.top() == place.top();
}

// One step towards the hero on each axis not level with him; both axes in
// one tick make a diagonal step.
void Form27::Timer1_Timer() {
    const float heroTop = Image1.top();
    if (heroTop > Image2.top()) Image2.setTop(Image2.top() + kChaserStep);
    if (heroTop < Image2.top()) Image2.setTop(Image2.top() - kChaserStep);
    const float heroLeft = Image1.left();
    if (heroLeft > Image2.left()) Image2.setLeft(Image2.left() + kChaserStep);
    if (heroLeft < Image2.left()) Image2.setLeft(Image2.left() - kChaserStep);
}

// A key is counted once: its watch stops with the pick-up.
void Form27::pickUp(Image& key, Timer& watch) {
    if (!heroOn(key)) return;
    key.hide();
    watch.setInterval(0);
    Text1.setValue(Text1.value() + 1);
}

void Form27::Timer4_Timer() {
    if (heroOn(Image3)) Timer5.setInterval(1);
}

// The safe house opens once: entered with fewer than two keys it stays shut
// for the rest of the escape.
void Form27::Timer5_Timer() {
    if (Text1.value() == 2) {
        stopTheEscape();
        unload();
        game().Form28.show();
    }
    Timer5.setInterval(0);
    Timer4.setInterval(0);
}

void Form27::stopTheEscape() {
    for (Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7}) t->setInterval(0);
}

void Form27::Timer6_Timer() {
    if (!heroOn(Image4)) return;
    stopTheEscape();
    unload();
    game().Form11.show();
    msgbox("ザルバ：はっはっは！ばかめ！ここは俺のアジトだ！");
}

void Form27::Timer7_Timer() {
    if (!heroOn(Image2)) return;
    stopTheEscape();
    game().Form11.show();
    unload();
    msgbox("ザルバ：ばかめ！まだまだだな！");
}

}  // namespace zorb
