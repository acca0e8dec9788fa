#include "scenes/minigames/Form29.h"

#include "scenes/Game.h"
#include "scenes/minigames/Form30.h"

namespace zorb {

Form29::Form29(Game& game)
    : GameScene(game, "Form29", {5535, 2565}, {.caption = "Form29", .background = colors::White}) {}

void Form29::Timer1_Timer() {
    const double step = Text1.value() + 1;
    Text1.setValue(step);
    if (step == 2) Label1.setCaption("このゲームを説明します。");
    if (step == 3) Label1.setCaption("とにか首領ポッチーを連打してください！");
    if (step == 4) {
        unload();
        game().Form30.show();
    }
}

}  // namespace zorb
