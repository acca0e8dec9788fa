#include "scenes/story/Form28.h"

#include "scenes/Game.h"
#include "scenes/minigames/Form29.h"

namespace zorb {

Form28::Form28(Game& game)
    : GameScene(game, "Form28", {7665, 3945}, {.caption = "Form28", .background = colors::Yellow}) {}

void Form28::Timer1_Timer() {
    for (const std::string& line : kTalk) msgbox(line);
    Timer1.setInterval(0);
    unload();
    game().Form29.show();
}

}  // namespace zorb
