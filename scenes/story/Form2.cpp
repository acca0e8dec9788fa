#include "scenes/story/Form2.h"

#include "scenes/Game.h"
#include "scenes/maps/Form3.h"

namespace zorb {

Form2::Form2(Game& game)
    : GameScene(game, "Form2", {7665, 5010}, {.caption = "PLUMWORKS  ZORBLAND", .minMax = false}) {}

void Form2::Command1_Click() {
    const int page = static_cast<int>(Text1.value());  // read once
    if (page >= 1 && page <= 6) {
        Label1.setCaption(kPages[page]);
        Text1.setValue(page + 1);
    } else if (page == 7) {
        game().Form3.show();
        unload();
    }
}

}  // namespace zorb
