#include "scenes/Game.h"

#include <type_traits>

#include "runtime/Runtime.h"
#include "scenes/story/Form1.h"
#include "scenes/story/Form2.h"
#include "scenes/maps/Form3.h"
#include "state/Form4.h"
#include "scenes/shop/Form5.h"
#include "scenes/shop/Form6.h"
#include "scenes/maps/Form7.h"
#include "scenes/minigames/Form8.h"
#include "scenes/maps/Form9.h"
#include "scenes/battles/Form10.h"
#include "scenes/story/Form11.h"
#include "scenes/battles/Form12.h"
#include "scenes/maps/Form13.h"
#include "scenes/maps/Form14.h"
#include "scenes/minigames/Form15.h"
#include "scenes/minigames/Form16.h"
#include "scenes/story/Form17.h"
#include "scenes/minigames/Form18.h"
#include "scenes/maps/Form19.h"
#include "scenes/battles/Form20.h"
#include "scenes/story/Form21.h"
#include "scenes/story/Form22.h"
#include "scenes/minigames/Form23.h"
#include "scenes/minigames/Form24.h"
#include "scenes/maps/Form25.h"
#include "scenes/minigames/Form26.h"
#include "scenes/minigames/Form27.h"
#include "scenes/story/Form28.h"
#include "scenes/minigames/Form29.h"
#include "scenes/minigames/Form30.h"
#include "scenes/minigames/Form31.h"
#include "scenes/story/Form32.h"
#include "scenes/story/Form33.h"
#include "scenes/story/Form34.h"

namespace zorb {

template <class S>
S& Game::make() {
    // The store knows only the runtime; every other scene knows the catalogue.
    std::unique_ptr<S> scene;
    if constexpr (std::is_constructible_v<S, Game&>) {
        scene = std::make_unique<S>(*this);
    } else {
        scene = std::make_unique<S>(runtime_);
    }
    S& ref = *scene;
    owned_.push_back(std::move(scene));
    return ref;
}

Game::Game(Runtime& runtime)
    : runtime_(runtime),
      Form1(make<zorb::Form1>()),
      Form2(make<zorb::Form2>()),
      Form3(make<zorb::Form3>()),
      Form4(make<zorb::Form4>()),
      Form5(make<zorb::Form5>()),
      Form6(make<zorb::Form6>()),
      Form7(make<zorb::Form7>()),
      Form8(make<zorb::Form8>()),
      Form9(make<zorb::Form9>()),
      Form10(make<zorb::Form10>()),
      Form11(make<zorb::Form11>()),
      Form12(make<zorb::Form12>()),
      Form13(make<zorb::Form13>()),
      Form14(make<zorb::Form14>()),
      Form15(make<zorb::Form15>()),
      Form16(make<zorb::Form16>()),
      Form17(make<zorb::Form17>()),
      Form18(make<zorb::Form18>()),
      Form19(make<zorb::Form19>()),
      Form20(make<zorb::Form20>()),
      Form21(make<zorb::Form21>()),
      Form22(make<zorb::Form22>()),
      Form23(make<zorb::Form23>()),
      Form24(make<zorb::Form24>()),
      Form25(make<zorb::Form25>()),
      Form26(make<zorb::Form26>()),
      Form27(make<zorb::Form27>()),
      Form28(make<zorb::Form28>()),
      Form29(make<zorb::Form29>()),
      Form30(make<zorb::Form30>()),
      Form31(make<zorb::Form31>()),
      Form32(make<zorb::Form32>()),
      Form33(make<zorb::Form33>()),
      Form34(make<zorb::Form34>()) {}

Game::~Game() = default;

Scene* Game::findScene(std::string_view name) const { return runtime_.findScene(name); }

std::vector<Scene*> Game::maps() const { return {&Form3, &Form7, &Form9, &Form13, &Form14, &Form19, &Form25}; }

Scene& Game::gameOver() const { return Form11; }

void Game::start() { Form1.show(); }

void Game::startAt(Scene& scene) {
    Form4.show();
    scene.show();
}

}  // namespace zorb
