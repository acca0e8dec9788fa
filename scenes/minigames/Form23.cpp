#include "scenes/minigames/Form23.h"

#include "scenes/Game.h"
#include "scenes/minigames/Form24.h"

namespace zorb {

Form23::Form23(Game& game)
    : GameScene(game, "Form23", {8970, 4125}, {.caption = "Form23", .background = colors::White}) {}

void Form23::Form_Load() {
    for (const char* line : kRules) msgbox(line);
}

void Form23::Command1_Click() {
    Timer2.setInterval(1);
    Timer1.setInterval(100);
    Command1.hide();  // one start only
}

// ポッチー's place is never compared with anything.
void Form23::Image1_Click() { Image3.setLeft(Image3.left() - kStep); }

void Form23::Timer1_Timer() { Image2.setLeft(Image2.left() - kStep); }

void Form23::Timer2_Timer() {
    if (Image2.left() < kFinishLeft) {
        msgbox("ポッチーは警察に通報された！");
        Timer2.setInterval(0);
        Timer1.setInterval(0);
        unload();
        msgbox("ポッチーは警察署に中で逃亡を図った！");
        game().Form24.show();
    }
}

}  // namespace zorb
