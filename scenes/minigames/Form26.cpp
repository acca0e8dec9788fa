#include "scenes/minigames/Form26.h"

#include "scenes/Game.h"
#include "scenes/minigames/Form27.h"

namespace zorb {

Form26::Form26(Game& game) : GameScene(game, "Form26", {7800, 2880}, {.caption = "Form26"}) {}

void Form26::Timer1_Timer() {
    const double step = Text1.value();
    if (step == 1) Label1.setCaption(kThreat);
    if (step == 2) Label1.setCaption(kDontRun);
    if (step == 3) Label1.setCaption(kRules);
    if (step == 4) {
        game().Form27.show();
        unload();
        Timer1.setInterval(0);
    }
    Text1.setValue(step + 1);
}

}  // namespace zorb
