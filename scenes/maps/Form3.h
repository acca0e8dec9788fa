#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The first town.
class Form3 : public GameScene {
public:
    explicit Form3(Game& game);
};

}  // namespace zorb
