#include "scenes/story/Form2.h"

#include <algorithm>

#include "scenes/Game.h"
#include "scenes/maps/Form3.h"

namespace zorb {

Form2::Form2(Game& game)
    : GameScene(game, "Form2", {7665, 5010}, {.caption = "PLUMWORKS  ZORBLAND", .minMax = false}) {}

void Form2::Command1_Click() {
    // Read once. Only 1..7 mean anything, so a counter far outside them (a
    // script may set 1e300) is held just outside before it becomes an int:
    // converting a number beyond int's range is undefined.
    const int page = static_cast<int>(std::clamp(Text1.value(), -1.0, 8.0));
    if (page >= 1 && page <= 6) {
        Label1.setCaption(kPages[page]);
        Text1.setValue(page + 1);
    } else if (page == 7) {
        game().Form3.show();
        unload();
    }
}

}  // namespace zorb
