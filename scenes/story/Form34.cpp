#include "scenes/story/Form34.h"

#include <array>

#include "scenes/Game.h"

namespace zorb {

Form34::Form34(Game& game)
    : GameScene(game, "Form34", {8985, 5970}, {.caption = "Form34", .background = colors::White}) {}

Image& Form34::card(int n) {
    const std::array<Image*, 12> cards{&Image1, &Image2, &Image3, &Image4,  &Image5,  &Image6,
                                       &Image7, &Image8, &Image9, &Image10, &Image11, &Image12};
    return *cards.at(static_cast<std::size_t>(n - 1));
}

void Form34::Timer1_Timer() {
    Text1.setValue(Text1.value() + 1);
    const double n = Text1.value();
    if (n == 2) {
        Image1.hide();
        Image2.show();
        Timer1.setInterval(5000);  // the first card stands longer than the rest
    } else if (n >= 3 && n <= 12) {
        card(static_cast<int>(n) - 1).hide();
        card(static_cast<int>(n)).show();
    } else if (n == 15) {
        end();
    }
    // 13 and 14: the closing card stays up.
}

}  // namespace zorb
