#include "scenes/minigames/Form15.h"

#include "scenes/Game.h"
#include "scenes/minigames/Form16.h"
#include "scenes/story/Form11.h"
#include "state/Form4.h"

namespace zorb {

Form15::Form15(Game& game) : GameScene(game, "Form15", {2670, 2640}, {.caption = "Form15"}) {}

// The snake moves every time: each search draws afresh, so no can is safer
// than another and earlier searches tell nothing.
void Form15::search(int ledNumber) {
    Form4& store = game().Form4;
    if (draw() == ledNumber) {
        store.Text12.setText("1");
        for (const std::string& line : kFoundLines) msgbox(line);
        game().Form16.show();
        unload();
        return;
    }
    for (const std::string& line : kSnakeLines) msgbox(line);
    store.Text1.setValue(store.Text1.value() - kSnakeBite);
}

// The watcher only sees a bite once the click's boxes are closed, since no
// tick comes while a box is open; HP 0 is still alive.
void Form15::Timer1_Timer() {
    const TextBox& hp = game().Form4.Text1;
    Label3.setCaption(hp.text());
    if (hp.value() < 0) {
        msgbox(kBeaten);
        unload();
        game().Form11.show();
    }
}

}  // namespace zorb
