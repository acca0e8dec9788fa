#include "scenes/minigames/Form30.h"

#include "scenes/Game.h"
#include "scenes/minigames/Form31.h"

namespace zorb {

Form30::Form30(Game& game) : GameScene(game, "Form30", {2835, 3105}, {.caption = "Form30"}) {}

void Form30::Image1_Click() {
    const double clicks = Text1.value() + 1;
    Text1.setValue(clicks);
    // The stage of 60 stays on until 80.
    const Image* stage = nullptr;
    if (clicks == 10) stage = &Image2;
    if (clicks == 20) stage = &Image3;
    if (clicks == 30) stage = &Image4;
    if (clicks == 40) stage = &Image5;
    if (clicks == 50) stage = &Image6;
    if (clicks == 60) stage = &Image7;
    if (clicks == 80) stage = &Image8;
    if (clicks == 90) stage = &Image9;
    if (stage) Image1.setPicture(stage->picture());
    if (clicks == kClicksToFlee) {
        msgbox("首領ポッチーはにげた！");
        unload();
        game().Form31.show();
    }
}

}  // namespace zorb
