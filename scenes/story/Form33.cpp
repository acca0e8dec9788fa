#include "scenes/story/Form33.h"

#include "scenes/Game.h"
#include "scenes/story/Form34.h"

namespace zorb {

Form33::Form33(Game& game)
    : GameScene(game, "Form33", {7635, 7335}, {.caption = "Form33", .background = colors::Black}) {}

void Form33::Timer1_Timer() {
    const double n = Text1.value();
    if (n == 2) {
        Label1.hide();
        Label2.show();
    } else if (n == 3) {
        Label2.hide();
        Image1.show();
    } else if (n == 4) {
        Image1.hide();
        Label3.show();
    } else if (n == 5) {
        unload();
        game().Form34.show();
        return;  // the ending is over
    }
    if (n >= 2 && n <= 4) Text1.setValue(n + 1);
}

}  // namespace zorb
